// Every failure is one error naming the line and column (in characters) of the problem and what
// was expected there, and leaves the table empty.
#include "ImportTestUtil.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CErrorCase {
    const char* name;
    TableSourceFormat format;
    const char* source; // UTF-8
    int line;
    int column;
    const char* message; // a part of the message
};

constexpr auto L = TableSourceFormat::Latex;
constexpr auto H = TableSourceFormat::Html;

const CErrorCase CASES[] = {
    {"no_environment", L, "Some text.\n\\begin{center}x\\end{center}\n", 3, 1,
     "expected a \\begin{tabular}"},
    {"commented_environment_only", L, "% \\begin{tabular}{c} a \\end{tabular}\n", 2, 1,
     "expected a \\begin{tabular}"},
    {"no_table_element", H, "<p>just <b>text</b></p>", 1, 24, "expected a <TABLE> element"},
    {"table_without_cells", H, "<p>x</p>\n  <table><tr></tr></table>", 2, 3,
     "expected a <TD> or <TH> cell"},
    {"unclosed_brace_in_cell", L, "\\begin{tabular}{ll}\na & {b \\\\\nc & d \\\\\n\\end{tabular}",
     2, 5, "unbalanced braces: this '{' is not closed"},
    {"closing_brace_without_opening", L, "\\begin{tabular}{ll}\na & b} \\\\\n\\end{tabular}", 2, 6,
     "unbalanced braces: this '}' closes no '{'"},
    {"unclosed_brace_in_specification", L, "\\begin{tabular}{l\n", 1, 16, "never closed"},
    {"too_many_ampersands", L, "\\begin{tabular}{ll}\na & b & c \\\\\n\\end{tabular}", 2, 7,
     "too many '&': this one begins column 3, but the column specification at line 1, "
     "column 17 has 2 columns"},
    {"unknown_column_letter", L, "\\begin{tabular}{|l|S|}\n1 & 2 \\\\\n\\end{tabular}", 1, 20,
     "unknown column letter 'S'"},
    {"no_column_letter", L, "\\begin{tabular}{||}\n\\end{tabular}", 1, 17,
     "expected at least one column letter"},
    {"missing_specification", L, "\\begin{tabular} a & b \\end{tabular}", 1, 17,
     "expected '{' with the column specification"},
    {"missing_end", L, "x\n  \\begin{tabular}{c}\na \\\\\n", 2, 3,
     "expected \\end{tabular} to close this \\begin{tabular}"},
    {"mismatched_end_in_cell", L,
     "\\begin{tabular}{c}\n\\begin{small} a \\end{center} \\\\\n"
     "\\end{tabular}",
     2, 17, "expected \\end{small}"},
    {"multicolumn_count", L, "\\begin{tabular}{cc}\n\\multicolumn{two}{c}{a} \\\\\n\\end{tabular}",
     2, 14, "expected a column count"},
    {"multicolumn_past_specification", L,
     "\\begin{tabular}{cc}\na & \\multicolumn{2}{c}{b} \\\\\n\\end{tabular}", 2, 5,
     "runs past the 2 columns"},
    {"multicolumn_two_letters", L,
     "\\begin{tabular}{cc}\n\\multicolumn{1}{cc}{a} \\\\\n\\end{tabular}", 2, 17,
     "expected exactly one column letter"},
    {"multirow_count", L, "\\begin{tabular}{c}\n\\multirow{0}{*}{a} \\\\\n\\end{tabular}", 2, 11,
     "expected a row count"},
    {"cline_range", L, "\\begin{tabular}{cc}\n\\cline{2}\na & b \\\\\n\\end{tabular}", 2, 8,
     "expected a column range such as 2-3"},
    {"no_rows", L, "\\begin{tabular}{cc}\n\\hline\n\\end{tabular}", 3, 1,
     "expected at least one row"},
    {"utf8_character_outside_code_page_932", L, "\\begin{tabular}{c}\nab😀c \\\\\n\\end{tabular}", 2,
     3, "the character '😀' cannot be held in code page 932"},
    {"utf8_character_outside_code_page_932_html", H, "<table><tr><td>é</td></tr></table>", 1, 16,
     "cannot be held in code page 932"},
    {"bytes_neither_utf8_nor_code_page_932", H, "<table><tr><td>a\xFF</td></tr></table>", 1, 17,
     "the bytes 0xFF are neither UTF-8 nor a code page 932 character"},
};

class ImportError : public ::testing::TestWithParam<CErrorCase> {};

TEST_P(ImportError, NamesLineColumnAndWhatWasExpected) {
    const CErrorCase& c = GetParam();
    auto table = std::make_unique<CImportedTable>();
    table->cells.SetCell(1, 1, CCellData()); // left over from an earlier import
    const std::optional<CTableImportError> e = ImportTableSource(c.source, c.format, *table);
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->position, (CSourcePosition{c.line, c.column})) << e->Describe();
    EXPECT_NE(e->message.find(c.message), std::string::npos) << e->message;
    EXPECT_TRUE(table->cells.IsEmpty());
    EXPECT_EQ(table->rows, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ImportError, ::testing::ValuesIn(CASES),
                         [](const ::testing::TestParamInfo<CErrorCase>& p) {
                             return std::string(p.param.name);
                         });

TEST(ImportErrorText, DescribeNamesThePlace) {
    const CTableImportError e{{3, 7}, "expected '}'"};
    EXPECT_EQ(e.Describe(), "line 3, column 7: expected '}'");
}

} // namespace
