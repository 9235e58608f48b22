#include "CliLoad.h"

#include "FileIo.h"

#include <istream>
#include <ostream>

std::optional<TextFormat> ParseTextFormat(std::string_view value) {
    if (value == "csv")
        return TextFormat::Csv;
    if (value == "tab")
        return TextFormat::Tab;
    return std::nullopt;
}

std::optional<TextEncoding> ParseEncoding(std::string_view value) {
    std::string v(value);
    for (char& ch : v)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    if (v == "utf-8" || v == "utf8")
        return TextEncoding::Utf8;
    if (v == "cp932" || v == "shift_jis" || v == "sjis")
        return TextEncoding::Cp932;
    return std::nullopt;
}

bool ReadAllInput(std::istream& in, std::string& bytes, std::string& reason) {
    bytes.clear();
    char buf[65536];
    while (in.read(buf, sizeof buf) || in.gcount() > 0) {
        if (bytes.size() + static_cast<std::size_t>(in.gcount()) > MAX_STREAM_INPUT_BYTES) {
            bytes.clear();
            reason = "more than " + std::to_string(MAX_STREAM_INPUT_BYTES >> 20) + " MB";
            return false;
        }
        bytes.append(buf, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        reason = "read error";
        return false;
    }
    return true;
}

int LoadTableForCli(const std::string& path, TextFormat textFormat,
                    std::optional<TextEncoding> encoding, CCliTable& table, std::ostream& err) {
    CTableReadResult read;
    try {
        read = ReadTableFile(path, textFormat, table.Model(), encoding);
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
