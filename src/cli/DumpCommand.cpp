#include "CliArgs.h"
#include "Commands.h"
#include "TextCodec.h"

#include <cstdio>
#include <ostream>

// The listing of `brindle dump`, one item per line, in this order:
//   widths N                      N = number of columns whose width is not 100
//     col C width W               one per such column, columns ascending
//   records N
//     col C row R colspan S rowspan T hplace H vplace V text "..."
//                                 rows top to bottom, columns left to right
//   hlines N / vlines N
//     a A b B kind K              storage order: b ascending, then a ascending
// Texts are shown as UTF-8 inside double quotes; backslash, double quote and control
// characters are escaped (\\ \" \n \r \t \xHH), and bytes that are not code page 932
// characters are shown as \xHH.
namespace {

void EscapeUtf8(std::string_view utf8, std::string& out) {
    for (const char ch : utf8) {
        const auto b = static_cast<unsigned char>(ch);
        switch (ch) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (b < 0x20 || b == 0x7F) {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02X", b);
                out += hex;
            } else {
                out.push_back(ch);
            }
        }
    }
}

std::string ShowText(std::string_view cp932) {
    std::string out = "\"";
    if (const auto utf8 = Cp932ToUtf8(cp932)) {
        EscapeUtf8(*utf8, out);
    } else {
        // Character by character, so one bad byte does not hide the rest.
        for (std::size_t i = 0; i < cp932.size();) {
            const auto b = static_cast<unsigned char>(cp932[i]);
            const std::size_t len = IsCp932LeadByte(b) && i + 1 < cp932.size() ? 2 : 1;
            const auto one = Cp932ToUtf8(cp932.substr(i, len));
            if (one) {
                EscapeUtf8(*one, out);
            } else {
                for (std::size_t k = 0; k < len; ++k) {
                    char hex[5];
                    std::snprintf(hex, sizeof hex, "\\x%02X",
                                  static_cast<unsigned char>(cp932[i + k]));
                    out += hex;
                }
            }
            i += len;
        }
    }
    out += '"';
    return out;
}

void DumpLines(const char* name, const CLineArray& lines, std::ostream& out) {
    out << name << ' ' << lines.Count() << '\n';
    for (int b = 1; b <= MAX_EDGE; ++b)
        for (int a = 1; a <= MAX_CELLS; ++a)
            if (const int kind = lines.GetLine(a, b))
                out << "  a " << a << " b " << b << " kind " << kind << '\n';
}

} // namespace

void DumpTable(const CCliTable& table, std::ostream& out) {
    int changed = 0;
    for (int c = 1; c <= MAX_CELLS; ++c)
        changed += table.sizes.GetWidth(c) != 100 ? 1 : 0;
    out << "widths " << changed << '\n';
    for (int c = 1; c <= MAX_CELLS; ++c)
        if (table.sizes.GetWidth(c) != 100)
            out << "  col " << c << " width " << table.sizes.GetWidth(c) << '\n';
    out << "records " << table.cells.Count() << '\n';
    for (int r = 1; r <= MAX_CELLS; ++r) {
        for (int c = 1; c <= MAX_CELLS; ++c) {
            const CCellData* rec = table.cells.GetCell(c, r);
            if (!rec)
                continue;
            out << "  col " << c << " row " << r << " colspan " << int(rec->colspan) << " rowspan "
                << int(rec->rowspan) << " hplace " << int(rec->hplace) << " vplace "
                << int(rec->vplace) << " text " << ShowText(rec->text) << '\n';
        }
    }
    DumpLines("hlines", table.hLines, out);
    DumpLines("vlines", table.vLines, out);
}

int RunDump(const std::vector<std::string>& args, CCliStreams& io) {
    CTableArgs parsed;
    std::string problem;
    if (!ParseTableArgs(args, parsed, problem)) {
        io.err << "brindle dump: " << problem << '\n' << UsageText();
        return EXIT_USAGE;
    }
    if (parsed.help) {
        io.out << UsageText();
        return EXIT_OK;
    }
    if (parsed.files.size() != 1) {
        io.err << "brindle dump: expected one FILE\n" << UsageText();
        return EXIT_USAGE;
    }
    CCliTable table;
    if (const int status =
            LoadTableForCli(parsed.files[0], parsed.textFormat, parsed.encoding, table, io.err);
        status != EXIT_OK)
        return status;
    DumpTable(table, io.out);
    return EXIT_OK;
}
