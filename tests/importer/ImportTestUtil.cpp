#include "ImportTestUtil.h"

#include "TextCodec.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

std::string ReadImporterData(const std::string& name) {
    std::ifstream f(std::string(BRINDLE_TEST_DATA) + "/importer/" + name, std::ios::binary);
    EXPECT_TRUE(f.good()) << name;
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string Cp932(std::string_view utf8) {
    const std::optional<std::string> cp = Utf8ToCp932(utf8);
    EXPECT_TRUE(cp.has_value()) << utf8;
    return cp.value_or(std::string());
}

std::unique_ptr<CImportedTable> ImportOrFail(std::string_view bytes, TableSourceFormat format) {
    auto t = std::make_unique<CImportedTable>();
    const std::optional<CTableImportError> e = ImportTableSource(bytes, format, *t);
    EXPECT_FALSE(e.has_value()) << (e ? e->Describe() : "");
    return t;
}

std::string Describe(const CImportedTable& t) {
    static const char* const targets[] = {"tabular", "array", "html"};
    std::string out = std::to_string(t.columns) + "x" + std::to_string(t.rows) + " " +
                      (t.target >= 0 && t.target <= 2 ? targets[t.target] : "?") + "\n";
    for (int r = 1; r <= MAX_CELLS; ++r) {
        for (int c = 1; c <= MAX_CELLS; ++c) {
            const CCellData* rec = t.cells.GetCell(c, r);
            if (!rec)
                continue;
            out += "(" + std::to_string(c) + "," + std::to_string(r) + ") '" +
                   Cp932ToUtf8(rec->text).value_or("?") + "'";
            if (rec->colspan != 1 || rec->rowspan != 1)
                out += " " + std::to_string(rec->colspan) + "x" + std::to_string(rec->rowspan);
            if (rec->hplace != 1)
                out += rec->hplace == 0 ? " l" : " r";
            if (rec->vplace != 1)
                out += rec->vplace == 0 ? " t" : " b";
            out += "\n";
        }
    }
    auto kind = [](int k) { return k == 0 ? '-' : static_cast<char>('0' + k); };
    for (int e = 1; e <= t.rows + 1; ++e) {
        std::string line;
        bool any = false;
        for (int c = 1; c <= t.columns; ++c) {
            line += kind(t.hLines.GetLine(c, e));
            any |= t.hLines.GetLine(c, e) != 0;
        }
        if (any)
            out += "h" + std::to_string(e) + " " + line + "\n";
    }
    for (int r = 1; r <= t.rows; ++r) {
        std::string line;
        bool any = false;
        for (int e = 1; e <= t.columns + 1; ++e) {
            line += kind(t.vLines.GetLine(r, e));
            any |= t.vLines.GetLine(r, e) != 0;
        }
        if (any)
            out += "v" + std::to_string(r) + " " + line + "\n";
    }
    const COptionsRecord defaults;
    for (const COptionField& f : OPTION_FIELDS) {
        if (f.intMember && t.options.*f.intMember != defaults.*f.intMember)
            out += std::string(f.name) + "=" + std::to_string(t.options.*f.intMember) + "\n";
        if (f.stringMember && !(t.options.*f.stringMember).empty())
            out += std::string(f.name) + "='" +
                   Cp932ToUtf8(t.options.*f.stringMember).value_or("?") + "'\n";
    }
    return out;
}
