#include "CliLoad.h"

#include <ostream>

std::optional<TextFormat> ParseTextFormat(std::string_view value) {
    if (value == "csv")
        return TextFormat::Csv;
    if (value == "tab")
        return TextFormat::Tab;
    return std::nullopt;
}

MsgAnswer CConsoleMessageBox::Show(const std::string& text, MsgIcon, MsgButtons buttons) {
    std::string line = text;
    for (char& ch : line)
        if (ch == '\n' || ch == '\r')
            ch = ' ';
    m_err << "brindle: " << line << '\n';
    return buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgAnswer::Ok
                                                                        : MsgAnswer::Yes;
}

int LoadTableForCli(const std::string& path, CCliDocument& table, std::ostream& err) {
    const CReadResult read = table.doc.OpenFile(path);
    if (read.Failed()) {
        err << "brindle: cannot read " << path << ": " << read.reason << '\n';
        return EXIT_IO;
    }
    // What the editor's view does at its next paint after Open.
    if (NormalizeSpans(table.doc.m_cells, table.doc.m_hLines, table.doc.m_vLines, table.spans))
        table.doc.SetModifiedFlag(true);
    table.doc.m_bContentsReplaced = false;
    if (table.doc.m_bMarkModified) {
        table.doc.m_bMarkModified = false;
        table.doc.SetModifiedFlag(true);
    }
    return EXIT_OK;
}
