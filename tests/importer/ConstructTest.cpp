// Each construct of the readers from a small fixture, with the grid it must give.
#include "ImportTestUtil.h"

#include "Generator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct CConstructCase {
    const char* file;
    const char* expected; // Describe() of the import, then one "warning: ..." line per warning
};

std::string DescribeWithWarnings(const CImportedTable& t) {
    std::string s = Describe(t);
    for (const std::string& w : t.warnings)
        s += "warning: " + w + "\n";
    return s;
}

class Construct : public ::testing::TestWithParam<CConstructCase> {};

TEST_P(Construct, ImportsAsExpected) {
    const CConstructCase& c = GetParam();
    const std::string name = c.file;
    const TableSourceFormat format =
        name.ends_with(".html") ? TableSourceFormat::Html : TableSourceFormat::Latex;
    const auto t = ImportOrFail(ReadImporterData(name), format);
    EXPECT_EQ(DescribeWithWarnings(*t), c.expected);
}

const CConstructCase CASES[] = {
    // Verbatim text inside an argument keeps its braces, as it does in a plain cell.
    {"verb_group.tex", "2x2 tabular\n"
                       "(1,1) 'a\\verb|}|b'\n"
                       "(2,1) '\\verb}{}x'\n"
                       "(1,2) '\\verb|&|' 2x1\n"
                       "v1 11-\n"},
    {"columns.tex", "7x1 tabular\n"
                    "(1,1) 'a' l\n"
                    "(2,1) 'b'\n"
                    "(3,1) 'c' r\n"
                    "(4,1) 'd' l t\n"
                    "(5,1) 'e' l\n"
                    "(6,1) 'f' l b\n"
                    "(7,1) 'g' l\n"},
    {"column_rules.tex", "4x1 tabular\n"
                         "(1,1) 'a' l\n"
                         "(2,1) 'b'\n"
                         "(3,1) 'c' r\n"
                         "(4,1) 'd' t\n"
                         "v1 12--1\n"},
    {"column_repeat.tex", "5x1 tabular\n"
                          "(1,1) '1'\n"
                          "(2,1) '2'\n"
                          "(3,1) '3'\n"
                          "(4,1) '4' r\n"
                          "(5,1) '5' r\n"
                          "v1 1111--\n"},
    {"rows.tex", "2x5 tabular\n"
                 "(1,1) 'a' l\n"
                 "(2,1) 'b' l\n"
                 "(1,2) 'c' l\n"
                 "(2,2) 'd' l\n"
                 "(1,3) 'e \\& f' l\n"
                 "(2,3) '{g & h}' l\n"
                 "(1,4) 'i' l\n"
                 "(2,4) '100\\%' l\n"
                 "(1,5) 'spaced' l\n"
                 "(2,5) 'out' l\n"},
    {"hlines.tex", "3x3 tabular\n"
                   "(1,1) 'a'\n"
                   "(2,1) 'b'\n"
                   "(3,1) 'c'\n"
                   "(1,2) 'd'\n"
                   "(2,2) 'e'\n"
                   "(3,2) 'f'\n"
                   "(1,3) 'g'\n"
                   "(2,3) 'h'\n"
                   "(3,3) 'i'\n"
                   "h1 222\n"
                   "h2 111\n"
                   "h3 1-1\n"
                   "h4 -11\n"
                   "v1 1111\n"
                   "v2 1111\n"
                   "v3 1111\n"},
    {"booktabs.tex", "3x3 tabular\n"
                     "(1,1) 'A' l\n"
                     "(2,1) 'B'\n"
                     "(3,1) 'C'\n"
                     "(1,2) 'a' l\n"
                     "(2,2) 'b'\n"
                     "(3,2) 'c'\n"
                     "(1,3) 'd' l\n"
                     "(2,3) 'e'\n"
                     "(3,3) 'f'\n"
                     "h1 111\n"
                     "h2 -11\n"
                     "h3 111\n"
                     "h4 111\n"},
    {"multicolumn.tex", "3x3 tabular\n"
                        "(1,1) 'wide' 2x1\n"
                        "(3,1) 'x' r\n"
                        "(1,2) 'a' l\n"
                        "(2,2) 'right' 2x1 r\n"
                        "(1,3) 'b'\n"
                        "(2,3) 'c'\n"
                        "(3,3) 'd' r\n"
                        "h1 111\n"
                        "h4 111\n"
                        "v1 1-11\n"
                        "v2 11-2\n"
                        "v3 --11\n"},
    {"multirow.tex", "2x7 tabular\n"
                     "(1,1) 'Group' 1x3 l\n"
                     "(2,1) 'one' l\n"
                     "(2,2) 'two' l\n"
                     "(2,3) 'three' l\n"
                     "(1,4) 'Top' 1x2 l t\n"
                     "(2,4) 'four' l\n"
                     "(2,5) 'five' l\n"
                     "(1,6) 'Up' 1x2 l\n"
                     "(2,6) 'six' l\n"
                     "(2,7) 'seven' l\n"
                     "h1 11\n"
                     "h2 -1\n"
                     "h3 -1\n"
                     "h4 11\n"
                     "h6 11\n"
                     "h8 11\n"
                     "v1 111\n"
                     "v2 111\n"
                     "v3 111\n"
                     "v4 111\n"
                     "v5 111\n"
                     "v6 111\n"
                     "v7 111\n"},
    {"raisebox.tex", "2x3 tabular\n"
                     "(1,1) 'A' 1x2\n"
                     "(2,1) 'b'\n"
                     "(2,2) 'c'\n"
                     "(1,3) '\\raisebox{-1ex}{x}'\n"
                     "(2,3) '\\raisebox{-1.8ex}[0pt][0pt]{last}'\n"
                     "h1 11\n"
                     "h2 -1\n"
                     "h3 11\n"
                     "h4 11\n"
                     "v1 111\n"
                     "v2 111\n"
                     "v3 111\n"},
    {"middle_row.tex", "2x6 tabular\n"
                       "(1,1) 'Mid' 1x3\n"
                       "(2,1) 'a'\n"
                       "(2,2) 'b'\n"
                       "(2,3) 'c'\n"
                       "(2,4) 'd'\n"
                       "(1,5) 'Plain'\n"
                       "(2,5) 'e'\n"
                       "(2,6) 'f'\n"
                       "h1 11\n"
                       "h2 -1\n"
                       "h3 -1\n"
                       "h4 11\n"
                       "h7 11\n"
                       "v1 111\n"
                       "v2 111\n"
                       "v3 111\n"
                       "v4 111\n"
                       "v5 111\n"
                       "v6 111\n"},
    {"float_above.tex", "2x1 tabular\n"
                        "(1,1) 'A' l\n"
                        "(2,1) '1' r\n"
                        "Doc=1\n"
                        "Label=1\n"
                        "Table=1\n"
                        "LabelStr='tab:sales'\n"
                        "Cap=1\n"
                        "CapStr='Sales by region'\n"},
    {"float_below.tex", "1x1 tabular\n"
                        "(1,1) 'A'\n"
                        "Label=1\n"
                        "Table=1\n"
                        "LabelPos=1\n"
                        "LabelStr='tab:b'\n"
                        "Cap=1\n"
                        "CapStr='Long caption with \\emph{markup}'\n"},
    {"array_display.tex", "2x2 array\n"
                          "(1,1) 'a'\n"
                          "(2,1) 'b'\n"
                          "(1,2) 'c'\n"
                          "(2,2) 'd'\n"
                          "Kakko=2\n"
                          "Math=2\n"},
    {"array_inline.tex", "1x1 array\n"
                         "(1,1) 'x'\n"
                         "Kakko=3\n"
                         "Math=1\n"},
    {"array_tail.tex", "1x2 array\n"
                       "(1,1) 'a' l\n"},
    {"tabular_star.tex", "2x1 tabular\n"
                         "(1,1) 'left' l\n"
                         "(2,1) 'right' r\n"},
    {"longtable.tex", "2x3 tabular\n"
                      "(1,1) 'Name' l\n"
                      "(2,1) 'Value' r\n"
                      "(1,2) 'a' l\n"
                      "(2,2) '1' r\n"
                      "(1,3) 'b' l\n"
                      "(2,3) '2' r\n"
                      "h1 11\n"
                      "h2 11\n"
                      "h4 22\n"
                      "v1 111\n"
                      "v2 111\n"
                      "v3 111\n"
                      "Label=1\n"
                      "LabelStr='tab:long'\n"
                      "Cap=1\n"
                      "CapStr='A long table'\n"},
    {"first_table.tex", "1x1 tabular\n"
                        "(1,1) 'first'\n"},
    {"nested.tex", "2x1 tabular\n"
                   "(1,1) '\\begin{tabular}{@{}c@{}}two\\\\lines\\end{tabular}'\n"
                   "(2,1) '$\\begin{array}{cc} 1 & 2 \\end{array}$'\n"
                   "h1 11\n"
                   "h2 11\n"
                   "v1 111\n"},
    {"cp932.tex", "2x2 tabular\n"
                  "(1,1) '表' l\n"
                  "(2,1) '十能'\n"
                  "(1,2) 'ソース' r\n"
                  "(2,2) '{表}表'\n"
                  "h1 11\n"
                  "h3 11\n"
                  "v1 111\n"
                  "v2 111\n"},
    {"basic.html", "2x3 html\n"
                   "(1,1) 'Name'\n"
                   "(2,1) 'Score'\n"
                   "(1,2) 'Ann' l\n"
                   "(2,2) '90' l\n"
                   "(1,3) 'Bob' l\n"
                   "(2,3) '85' l\n"},
    {"spans.html", "3x4 html\n"
                   "(1,1) 'a' 1x2 l\n"
                   "(2,1) 'b' 2x1 l\n"
                   "(2,2) 'c' l\n"
                   "(3,2) 'd' l\n"
                   "(1,3) 'e' l\n"
                   "(2,3) 'f' 1x2 l\n"
                   "(3,3) 'g' l\n"
                   "(1,4) 'h' l\n"
                   "(3,4) 'i' l\n"},
    {"align.html", "2x3 html\n"
                   "(1,1) 'group' r t\n"
                   "(2,1) 'cell' l t\n"
                   "(1,2) 'row' t\n"
                   "(2,2) 'style' r b\n"
                   "(1,3) 'head' r t\n"
                   "(2,3) 'both' l\n"},
    {"border.html", "1x1 html\n"
                    "(1,1) 'no border' l\n"},
    {"border_on.html", "1x1 html\n"
                       "(1,1) 'bordered' l\n"
                       "BorderHTML=1\n"},
    {"inner.html", "2x1 html\n"
                   "(1,1) '<b>x</b> &amp; <br> y <!-- note -->' l\n"
                   "(2,1) '<A HREF=\"a.html\">link</A>' l\n"},
    {"groups.html", "2x4 html\n"
                    "(1,1) 'head'\n"
                    "(2,1) 'H'\n"
                    "(1,2) 'body' 1x2 l\n"
                    "(2,2) '1' l\n"
                    "(2,3) '2' l\n"
                    "(1,4) 'foot' l\n"
                    "(2,4) 'F' l\n"},
    {"overlap.html",
     "3x2 html\n"
     "(1,1) 'a' l\n"
     "(2,1) 'b' 1x2 l\n"
     "(3,1) 'c' l\n"
     "(1,2) 'd' l\n"
     "warning: the cell at line 3, column 5 overlaps another cell; its span was reduced\n"},
    {"first_table.html", "2x1 html\n"
                         "(1,1) '<table><tr><td>inner</td></tr></table>' l\n"
                         "(2,1) 'outer' l\n"},
    {"cp932.html", "2x1 html\n"
                   "(1,1) '表' l\n"
                   "(2,1) 'ソース' l\n"},
};

INSTANTIATE_TEST_SUITE_P(Fixtures, Construct, ::testing::ValuesIn(CASES),
                         [](const ::testing::TestParamInfo<CConstructCase>& p) {
                             std::string n = p.param.file;
                             for (char& ch : n)
                                 if (ch == '.')
                                     ch = '_';
                             return n;
                         });

} // namespace

namespace {

// Tables beyond the sheet are cut at 250 with a warning that says how much; a text beyond
// 65535 bytes is cut on a character boundary.
TEST(ImportLimits, CutAtTheSheetWithWarnings) {
    std::string latex = "\\begin{tabular}{*{300}{c}}\n";
    for (int r = 1; r <= 260; ++r)
        latex += "r" + std::to_string(r) + " \\\\\n";
    latex += "\\end{tabular}\n";
    auto t = ImportOrFail(latex, TableSourceFormat::Latex);
    EXPECT_EQ(t->columns, 250);
    EXPECT_EQ(t->rows, 250);
    EXPECT_EQ(t->cells.GetCell(1, 250)->text, "r250");
    ASSERT_EQ(t->warnings.size(), 2u);
    EXPECT_EQ(t->warnings[0], "the column specification at line 1, column 17 has 300 columns; "
                              "columns 251 to 300 were cut");
    EXPECT_EQ(t->warnings[1], "the table has 260 rows; rows 251 to 260 were cut");

    std::string html = "<table><tr>";
    for (int c = 1; c <= 255; ++c)
        html += "<td>" + std::to_string(c) + "</td>";
    html += "<td colspan=\"5\">wide</td></tr></table>";
    t = ImportOrFail(html, TableSourceFormat::Html);
    EXPECT_EQ(t->columns, 250);
    EXPECT_EQ(t->cells.GetCell(250, 1)->text, "250");
    ASSERT_EQ(t->warnings.size(), 1u);
    EXPECT_EQ(t->warnings[0], "the table is 260 columns wide; columns 251 to 260 were cut");
}

TEST(ImportLimits, LongTextCutOnACharacterBoundary) {
    // 65534 bytes of 'a', then a double-byte character that would end at byte 65536.
    const std::string text = std::string(65534, 'a') + Cp932("表") + "tail";
    for (const bool html : {false, true}) {
        SCOPED_TRACE(html ? "html" : "latex");
        const std::string source = html ? "<table><tr><td>" + text + "</td></tr></table>"
                                        : "\\begin{tabular}{c}\n" + text + "\n\\end{tabular}";
        const auto t =
            ImportOrFail(source, html ? TableSourceFormat::Html : TableSourceFormat::Latex);
        ASSERT_NE(t->cells.GetCell(1, 1), nullptr);
        EXPECT_EQ(t->cells.GetCell(1, 1)->text, std::string(65534, 'a'));
        ASSERT_EQ(t->warnings.size(), 1u);
        EXPECT_NE(t->warnings[0].find("is longer than 65535 bytes; it was cut"), std::string::npos);
    }
}

// The readers give what the editor needs to open the table as a new document: a format
// from the file name, else from the text.
TEST(ImportFormat, FromNameOrText) {
    EXPECT_EQ(TableSourceFormatFromName("a/b.TeX"), TableSourceFormat::Latex);
    EXPECT_EQ(TableSourceFormatFromName("page.htm"), TableSourceFormat::Html);
    EXPECT_EQ(TableSourceFormatFromName("dir.html/table"), std::nullopt);
    EXPECT_EQ(TableSourceFormatFromName("notes.txt"), std::nullopt);
    EXPECT_EQ(GuessTableSourceFormat("<p>x</p><TABLE><tr><td>1"), TableSourceFormat::Html);
    EXPECT_EQ(GuessTableSourceFormat("% <table> in a comment\n\\begin{tabular}{c}"),
              TableSourceFormat::Latex);
    EXPECT_EQ(GuessTableSourceFormat("plain text"), TableSourceFormat::Latex);
}

} // namespace

namespace {

TEST(ImportApi, NewObjectOrError) {
    CTableImportError error;
    const auto t =
        ImportTableSource("<table><tr><td>x</td></tr></table>", TableSourceFormat::Html, error);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->target, TARGET_HTML);
    EXPECT_EQ(t->cells.GetCell(1, 1)->text, "x");
    EXPECT_EQ(ImportTableSource("no table", TableSourceFormat::Latex, error), nullptr);
    EXPECT_EQ(error.Describe(), "line 1, column 9: expected a \\begin{tabular} (or tabular*, "
                                "tabularx, array, longtable) environment; the text holds none");
}

} // namespace
