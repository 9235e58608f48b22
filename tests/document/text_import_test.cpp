#include "DocTestUtil.h"
#include "TextImport.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace doctest;

namespace {

using Fields = std::vector<std::pair<int, std::string>>;

struct SplitCase {
    const char* name;
    std::string line;
    TextSeparator sep;
    Fields fields;
};

Fields ManyFields(int n) {
    Fields f;
    for (int i = 1; i <= n; ++i)
        f.emplace_back(i, "f" + std::to_string(i));
    return f;
}

std::string Joined(int n, char sep, const std::string& tail = "") {
    std::string s;
    for (int i = 1; i <= n; ++i)
        s += (i > 1 ? std::string(1, sep) : "") + "f" + std::to_string(i);
    return s + tail;
}

} // namespace

TEST(TextImport, SplitLine) {
    const SplitCase cases[] = {
        {"quoted comma and empty field",
         "a,,\"b,c\",d",
         TextSeparator::Comma,
         {{1, "a"}, {3, "b,c"}, {4, "d"}}},
        {"doubled quote inside quotes", "\"x\"\"y\"", TextSeparator::Comma, {{1, "x\"y"}}},
        {"quote opens in the middle of a field",
         "ab\"c,d\"e",
         TextSeparator::Comma,
         {{1, "abc,de"}}},
        {"unclosed quote", "\"open", TextSeparator::Comma, {{1, "open"}}},
        {"final quote inside quotes is ignored", "\"a\"", TextSeparator::Comma, {{1, "a"}}},
        {"closing quote drops itself only",
         "\"a\"b,c",
         TextSeparator::Comma,
         {{1, "ab"}, {2, "c"}}},
        {"nothing trimmed", " a ,\tb\r", TextSeparator::Comma, {{1, " a "}, {2, "\tb\r"}}},
        {"trailing separator", "a,", TextSeparator::Comma, {{1, "a"}}},
        {"empty line", "", TextSeparator::Comma, {}},
        {"tab fields with an empty one", "p\t\tq", TextSeparator::Tab, {{1, "p"}, {3, "q"}}},
        {"quotes are text in tab files",
         "\"a\tb\"\t\"\"",
         TextSeparator::Tab,
         {{1, "\"a"}, {2, "b\""}, {3, "\"\""}}},
        {"commas are text in tab files", "a,b\tc", TextSeparator::Tab, {{1, "a,b"}, {2, "c"}}},
        {"double-byte characters are kept",
         Cp932("表,ソ") + ",x",
         TextSeparator::Comma,
         {{1, Cp932("表")}, {2, Cp932("ソ")}, {3, "x"}}},
        {"300 fields keep 250", Joined(300, ','), TextSeparator::Comma, ManyFields(250)},
        {"text after the 250th comma is lost", Joined(250, ',', ",tail"), TextSeparator::Comma,
         ManyFields(250)},
        {"250 fields without a trailing separator", Joined(250, '\t'), TextSeparator::Tab,
         ManyFields(250)},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SplitTextLine(c.line, c.sep), c.fields);
    }
}

TEST(TextImport, TextMode) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb\r\n", "a\nb\n"},
        {"a\rb\r", "a\rb\r"},
        {"a\r\r\nb", "a\r\nb"},
        {"a\nb\x1A"
         "c\nd",
         "a\nb"},
        {"\x1A", ""},
        {"x\r\x1A\n", "x\r"},
    };
    for (const auto& [raw, text] : cases) {
        SCOPED_TRACE(raw);
        EXPECT_EQ(ToTextMode(raw), text);
    }
}

namespace {

struct ImportCase {
    const char* name;
    std::string text;
    int rows;
    std::vector<std::tuple<int, int, std::string>> cells; // col, row, text
    int count;
};

} // namespace

TEST(TextImport, Rows) {
    std::string lines260;
    for (int i = 1; i <= 260; ++i)
        lines260 += "r" + std::to_string(i) + "\n";
    const ImportCase cases[] = {
        {"empty line leaves its row empty", "a\n\nb\n", 3, {{1, 1, "a"}, {1, 3, "b"}}, 2},
        {"last line without LF", "a,b\nc", 2, {{2, 1, "b"}, {1, 2, "c"}}, 3},
        {"260 lines fill rows 1 to 250", lines260, 250, {{1, 250, "r250"}}, 250},
        {"5000-byte line gives three rows",
         std::string(5000, 'z'),
         3,
         {{1, 1, std::string(2046, 'z')},
          {1, 2, std::string(2046, 'z')},
          {1, 3, std::string(908, 'z')}},
         3},
        {"2046 bytes plus LF give an extra empty row",
         std::string(2046, 'y') + "\nnext",
         3,
         {{1, 1, std::string(2046, 'y')}, {1, 3, "next"}},
         2},
        {"2045 bytes plus LF are one row",
         std::string(2045, 'y') + "\nnext",
         2,
         {{1, 2, "next"}},
         2},
        {"a piece starts a new row with column 1",
         std::string(2046, 'q') + ",x",
         2,
         {{2, 2, "x"}},
         2},
        {"quotes do not span lines", "\"a\nb\"", 2, {{1, 1, "a"}, {1, 2, "b"}}, 2},
    };
    for (const ImportCase& c : cases) {
        SCOPED_TRACE(c.name);
        CCellArray cells;
        EXPECT_EQ(ImportTextLines(c.text, TextSeparator::Comma, cells), c.rows);
        EXPECT_EQ(cells.Count(), c.count);
        for (const auto& [col, row, text] : c.cells) {
            const CCellData* rec = cells.GetCell(col, row);
            ASSERT_NE(rec, nullptr) << col << "," << row;
            EXPECT_EQ(rec->text, text);
            CCellData expected;
            expected.text = text;
            EXPECT_EQ(*rec, expected) << "imported records are default records";
        }
    }
}

namespace {

// Every record of a grid as (column, row, text), in table order.
std::vector<std::tuple<int, int, std::string>> Records(const CCellArray& cells) {
    std::vector<std::tuple<int, int, std::string>> out;
    for (int r = 1; r <= MAX_CELLS; ++r)
        for (int c = 1; c <= MAX_CELLS; ++c)
            if (const CCellData* rec = cells.GetCell(c, r))
                out.emplace_back(c, r, rec->text);
    return out;
}

} // namespace

// A UTF-8 file (with or without a byte-order mark) opens as the same table as its code page
// 932 twin; the encoding is decided once for the file.
TEST(TextImport, Utf8FileMatchesItsCodePage932Twin) {
    const struct {
        const char* utf8;
        const char* cp932;
        TextSeparator sep;
        int rows;
    } cases[] = {
        {"japanese-utf8.csv", "japanese-cp932.csv", TextSeparator::Comma, 4},
        {"japanese-utf8-bom.txt", "japanese-cp932.txt", TextSeparator::Tab, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        CCellArray fromUtf8;
        CCellArray fromCp932;
        const CTextFileImport u = ImportTextData(ReadBytes(DataPath(c.utf8)), c.sep, fromUtf8);
        const CTextFileImport s = ImportTextData(ReadBytes(DataPath(c.cp932)), c.sep, fromCp932);
        EXPECT_EQ(u.encoding, TextEncoding::Utf8);
        EXPECT_EQ(s.encoding, TextEncoding::Cp932);
        EXPECT_FALSE(u.refused);
        EXPECT_EQ(u.rows, c.rows);
        EXPECT_EQ(s.rows, c.rows);
        EXPECT_EQ(Records(fromUtf8), Records(fromCp932));
        EXPECT_GE(fromUtf8.Count(), 5);
    }
    CCellArray cells;
    ImportTextData(ReadBytes(DataPath("japanese-utf8.csv")), TextSeparator::Comma, cells);
    EXPECT_EQ(cells.GetCell(2, 1)->text, Cp932("説明, 引用"));
    EXPECT_EQ(cells.GetCell(2, 2)->text, Cp932("He said \"表\""));
    EXPECT_EQ(cells.GetCell(1, 4)->text, Cp932("ｶﾀｶﾅ"));
}

TEST(TextImport, Utf8FieldsFollowTheSameByteRules) {
    const struct {
        const char* name;
        std::string text;
        std::optional<TextEncoding> forced;
        std::vector<std::tuple<int, int, std::string>> cells;
    } cases[] = {
        {"a piece never ends inside a character",
         std::string(2045, 'a') + "表x",
         std::nullopt,
         {{1, 1, std::string(2045, 'a')}, {1, 2, Cp932("表x")}}},
        {"a byte-order mark is not text",
         "\xEF\xBB\xBF"
         "a,b",
         std::nullopt,
         {{1, 1, "a"}, {2, 1, "b"}}},
        {"cp932 forced on ASCII", "a,b", TextEncoding::Cp932, {{1, 1, "a"}, {2, 1, "b"}}},
        {"UTF-8 forced keeps a mark out",
         "\xEF\xBB\xBF"
         "表",
         TextEncoding::Utf8,
         {{1, 1, Cp932("表")}}},
        {"an empty file", "", std::nullopt, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CCellArray cells;
        const CTextFileImport r = ImportTextData(c.text, TextSeparator::Comma, cells, c.forced);
        EXPECT_FALSE(r.refused);
        EXPECT_EQ(Records(cells), c.cells);
    }
}

// A character code page 932 cannot hold stops the import before anything is stored, and
// the message names it with its line and field.
TEST(TextImport, UnconvertibleCharacterIsRefusedWithItsPlace) {
    CCellArray cells;
    const std::string text = "a,b\r\n" + std::string(3000, 'x') + "\r\nc,d,€uro\r\ne\r\n";
    const CTextFileImport r = ImportTextData(text, TextSeparator::Comma, cells);
    ASSERT_TRUE(r.refused);
    EXPECT_EQ(r.refused->line, 3); // the long second line took two rows but is one line
    EXPECT_EQ(r.refused->field, 3);
    EXPECT_EQ(r.refused->character, "€");
    EXPECT_EQ(cells.Count(), 0);
    EXPECT_EQ(
        UnconvertibleFieldMessage("/d/t.csv", *r.refused),
        "/d/t.csv\n3行目の3番目の項目に、コードページ932で表せない文字「€」が含まれています！");
}
