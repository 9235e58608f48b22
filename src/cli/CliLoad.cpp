#include "CliLoad.h"

#include <ostream>

std::optional<TextFormat> ParseTextFormat(std::string_view value) {
    if (value == "csv")
        return TextFormat::Csv;
    if (value == "tab")
        return TextFormat::Tab;
    return std::nullopt;
}

int LoadTableForCli(const std::string& path, TextFormat textFormat, CCliTable& table,
                    std::ostream& err) {
    CTableReadResult read;
    try {
        read = ReadTableFile(path, textFormat, table.Model());
    } catch (const CTableReadError& e) {
        err << "brindle: cannot read " << path << ": " << e.Reason() << '\n';
        return EXIT_IO;
    }
    for (std::string line : read.messages) {
        for (char& ch : line)
            if (ch == '\n' || ch == '\r')
                ch = ' ';
        err << "brindle: " << line << '\n';
    }
    if (read.failed) {
        err << "brindle: cannot read " << path << ": " << read.reason << '\n';
        return EXIT_IO;
    }
    // What the editor's view does at its next paint after Open.
    NormalizeSpans(table.cells, table.hLines, table.vLines, table.spans);
    return EXIT_OK;
}
