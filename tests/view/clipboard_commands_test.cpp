// The std-only pieces of the clipboard commands: clipboard text read into fields, and the
// math mode conversions.
#include "CellArray.h"
#include "ClipboardCommands.h"
#include "EditCommands.h"
#include "TextImport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline void PrintTo(const CPlainField& f, std::ostream* os) {
    *os << "(" << f.col << ", " << f.row << ") \"" << f.text << "\"";
}

namespace {

struct ParseCase {
    const char* name;
    TextSeparator sep;
    std::string text;
    int col, row;
    CCellRect area;
    std::vector<CPlainField> fields;
};

constexpr TextSeparator CSV = TextSeparator::Comma;
constexpr TextSeparator TAB = TextSeparator::Tab;

} // namespace

TEST(ParsePlainText, LinesFieldsAndArea) {
    const ParseCase cases[] = {
        {"csv two lines",
         CSV,
         "1,2\r\n3\r\n",
         2,
         5,
         {2, 5, 3, 6},
         {{2, 5, "1"}, {3, 5, "2"}, {2, 6, "3"}}},
        {"csv quoted comma and empty field",
         CSV,
         "a,,\"b,c\",d",
         1,
         1,
         {1, 1, 4, 1},
         {{1, 1, "a"}, {3, 1, "b,c"}, {4, 1, "d"}}},
        {"csv doubled quote", CSV, "\"x\"\"y\"", 1, 1, {1, 1, 1, 1}, {{1, 1, "x\"y"}}},
        {"csv quotes open anywhere", CSV, "ab\"c,d\"e", 1, 1, {1, 1, 1, 1}, {{1, 1, "abc,de"}}},
        {"csv quote never runs over a line end",
         CSV,
         "\"open\n,b",
         1,
         1,
         {1, 1, 2, 2},
         {{1, 1, "open"}, {2, 2, "b"}}},
        // A comma counts a field, the last field only with text.
        {"csv trailing comma", CSV, "a,b,\r\n", 1, 1, {1, 1, 2, 1}, {{1, 1, "a"}, {2, 1, "b"}}},
        {"csv empty line", CSV, "\r\n", 3, 3, {3, 3, 3, 3}, {}},
        {"csv lines end at lf or cr",
         CSV,
         "a\nb\rc\r\nd",
         1,
         1,
         {1, 1, 1, 4},
         {{1, 1, "a"}, {1, 2, "b"}, {1, 3, "c"}, {1, 4, "d"}}},
        {"csv cut at column 250",
         CSV,
         "x,y,z",
         249,
         1,
         {249, 1, 250, 1},
         {{249, 1, "x"}, {250, 1, "y"}}},
        {"csv rows 249 and 250 only",
         CSV,
         "1\r\n2\r\n3\r\n",
         1,
         249,
         {1, 249, 1, 250},
         {{1, 249, "1"}, {1, 250, "2"}}},
        {"tab row and nothing below",
         TAB,
         "a\tb\r\n",
         1,
         1,
         {1, 1, 2, 1},
         {{1, 1, "a"}, {2, 1, "b"}}},
        {"tab last field without line end",
         TAB,
         "a\tb\r\nc\td",
         1,
         1,
         {1, 1, 2, 2},
         {{1, 1, "a"}, {2, 1, "b"}, {1, 2, "c"}, {2, 2, "d"}}},
        {"tab empty field takes its column",
         TAB,
         "p\t\tq",
         4,
         2,
         {4, 2, 6, 2},
         {{4, 2, "p"}, {6, 2, "q"}}},
        {"tab quotes and commas are text",
         TAB,
         "\"a,b\"\tc",
         1,
         1,
         {1, 1, 2, 1},
         {{1, 1, "\"a,b\""}, {2, 1, "c"}}},
        // Rows as spreadsheets on this desktop copy them: LF after every row.
        {"tab lf rows",
         TAB,
         "a\tb\nc\t\n",
         1,
         1,
         {1, 1, 2, 2},
         {{1, 1, "a"}, {2, 1, "b"}, {1, 2, "c"}}},
        // With CR LF rows a lone LF stays in its field, as this program copies such a text.
        {"tab lf inside a crlf text",
         TAB,
         "a\nb\tc\r\nd\r\n",
         1,
         1,
         {1, 1, 2, 2},
         {{1, 1, "a\nb"}, {2, 1, "c"}, {1, 2, "d"}}},
        {"tab trailing tabs widen the area", TAB, "a\t\t\r\n", 1, 1, {1, 1, 3, 1}, {{1, 1, "a"}}},
        {"tab cut at column 250",
         TAB,
         "x\ty\tz",
         249,
         7,
         {249, 7, 250, 7},
         {{249, 7, "x"}, {250, 7, "y"}}},
        {"tab rows 249 and 250 only",
         TAB,
         "1\n2\n3",
         2,
         249,
         {2, 249, 2, 250},
         {{2, 249, "1"}, {2, 250, "2"}}},
        {"japanese text",
         TAB,
         "\x93\xfa\x96\x7b\t\x8c\xea",
         1,
         1,
         {1, 1, 2, 1},
         {{1, 1, "\x93\xfa\x96\x7b"}, {2, 1, "\x8c\xea"}}},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CPlainPaste paste = ParsePlainText(c.text, c.sep, c.col, c.row);
        EXPECT_EQ(paste.area, c.area);
        EXPECT_EQ(paste.fields, c.fields);
    }
}

// A CR alone ends a line; the byte after it starts the next one (it is skipped only when it
// is the LF of a CR LF pair).
TEST(ParsePlainText, LoneCrKeepsTheNextLinesFirstByte) {
    for (const TextSeparator sep : {CSV, TAB}) {
        SCOPED_TRACE(sep == CSV ? "csv" : "tab");
        const CPlainPaste paste = ParsePlainText("ab\rcd\r", sep, 1, 1);
        EXPECT_EQ(paste.fields, (std::vector<CPlainField>{{1, 1, "ab"}, {1, 2, "cd"}}));
        EXPECT_EQ(paste.area, (CCellRect{1, 1, 1, 2}));
    }
}

TEST(ParsePlainText, FieldsAreCutToWhatACellHolds) {
    // 65534 bytes of "a" then a double-byte character: the character does not fit.
    const std::string a = std::string(65534, 'a');
    for (const TextSeparator sep : {CSV, TAB}) {
        SCOPED_TRACE(sep == CSV ? "csv" : "tab");
        const std::string text =
            a + "\x93\xfa" + std::string(100000, 'b') + (sep == CSV ? "," : "\t") + "\r\nnext";
        const CPlainPaste paste = ParsePlainText(text, sep, 1, 1);
        ASSERT_EQ(paste.fields.size(), 2u);
        EXPECT_EQ(paste.fields[0].text, a);
        EXPECT_EQ(paste.fields[1].text, "next");
    }
}

TEST(MathConversion, WrapsAndUnwraps) {
    struct Case {
        const char* text;
        const char* math;  // after ToMath
        const char* back;  // after ToMath, then ToPlain
        const char* plain; // after ToPlain on the original text
    };
    const Case cases[] = {
        {"12", "$12$", "12", "12"},
        {"$12$", "$12$", "12", "12"},
        {"$x", "$$x$", "$x", "$x"},
        {"$a$ + $b$", "$a$ + $b$", "a$ + $b", "a$ + $b"},
        {"$", "$", "", ""},
        {"$$", "$$", "", ""},
        {"", "", "", ""},
        {"x$", "$x$$", "x$", "x$"},
        {"\x93\xfa", "$\x93\xfa$", "\x93\xfa", "\x93\xfa"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CCellArray cells;
        CCellData rec;
        rec.text = c.text;
        cells.SetCell(2, 2, rec);
        ToMath(cells, {1, 1, 3, 3});
        EXPECT_EQ(cells.GetCell(2, 2)->text, c.math);
        ToMath(cells, {1, 1, 3, 3});
        EXPECT_EQ(cells.GetCell(2, 2)->text, c.math) << "a second time";
        ToPlain(cells, {2, 2, 2, 2});
        EXPECT_EQ(cells.GetCell(2, 2)->text, c.back);
        cells.GetCell(2, 2)->text = c.text;
        ToPlain(cells, {2, 2, 2, 2});
        EXPECT_EQ(cells.GetCell(2, 2)->text, c.plain);
        EXPECT_EQ(cells.Count(), 1) << "no record is created";
    }
}

TEST(MathConversion, TextThatWouldOutgrowACellStays) {
    CCellArray cells;
    CCellData rec;
    rec.text = std::string(65534, '1');
    cells.SetCell(1, 1, rec);
    rec.text = std::string(65533, '2');
    cells.SetCell(2, 1, rec);
    EXPECT_EQ(ToMath(cells, {1, 1, 2, 1}), 1);
    EXPECT_EQ(cells.GetCell(1, 1)->text.size(), 65534u);
    EXPECT_EQ(cells.GetCell(2, 1)->text.size(), 65535u);
}
