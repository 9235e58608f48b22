// Tables written the way real documents and web pages have them import without error, and the
// grid holds what a reader of the typeset table sees.
#include "ImportTestUtil.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct CRealTable {
    const char* file;               // under tests/data/importer/real
    const char* size;               // the first line of Describe(): "columns x rows target"
    std::vector<const char*> lines; // lines Describe() must hold (records, lines, options)
};

class RealTable : public ::testing::TestWithParam<CRealTable> {};

TEST_P(RealTable, ReadsAsTheTypesetTable) {
    const CRealTable& c = GetParam();
    const std::string name = c.file;
    const auto t =
        ImportOrFail(ReadImporterData("real/" + name),
                     name.ends_with(".html") ? TableSourceFormat::Html : TableSourceFormat::Latex);
    EXPECT_TRUE(t->warnings.empty()) << t->warnings.front();
    const std::string described = Describe(*t);
    std::istringstream lines(described);
    std::string first;
    std::getline(lines, first);
    EXPECT_EQ(first, c.size);
    for (const char* line : c.lines)
        EXPECT_NE(described.find(std::string(line) + "\n"), std::string::npos)
            << "missing: " << line << "\nin:\n"
            << described;
}

const CRealTable TABLES[] = {
    {"booktabs_results.tex",
     "5x5 tabular",
     {"(2,1) 'Small' 2x1", "(4,1) 'Large' 2x1", "(1,2) 'Method' l", "(5,2) 'Test'",
      "(1,3) 'Baseline~\\cite{smith20}' l", "(1,4) 'Ours (no pretraining)' l",
      "(5,5) '\\textbf{82.7}'", "h1 11111", "h2 -1111", "h3 11111", "h6 11111", "Doc=1", "Table=1",
      "Cap=1", "CapStr='Accuracy (\\%) on the test sets; best in bold.'", "Label=1",
      "LabelStr='tab:results'"}},
    {"multirow_jp.tex",
     "3x7 tabular",
     {"(1,1) '部署'", "(2,1) '課' l", "(1,2) '営業部' 1x3", "(2,4) '海外営業課' l",
      "(1,5) '技術部' 1x2", "(1,7) '合計' 2x1 r", "(3,7) '53' r", "h2 222", "h3 -11", "h4 -11",
      "h5 111", "h6 -11", "v7 1-11", "CapStr='部署別の人数'"}},
    {"cline_ladder.tex",
     "5x5 tabular",
     {"(2,1) 'A'", "(1,2) 'A' r", "(2,2) '0'", "(5,5) '0'", "h2 11111", "h3 -1---", "h4 -11--",
      "h5 -111-", "h6 -1111", "v1 -1----", "v5 -1----"}},
    {"double_rules.tex",
     "4x4 tabular",
     {"(1,1) 'Item' l", "(4,1) 'Total' r", "(3,3) '--'", "(1,4) 'Sum' 3x1 r", "h1 2222", "h2 2222",
      "h3 1111", "h4 2222", "h5 2222", "v1 22122", "v3 22122", "v4 2--22"}},
    {"tabularx_form.tex",
     "3x3 tabular",
     {"(1,1) 'Field' l", "(3,1) 'Example' r",
      "(2,2) 'The full name as written in the passport,\\newline family name first.' l",
      "(3,3) '2024-04-01' r", "v1 1111"}},
    {"float_caption_below.tex",
     "2x3 tabular",
     {"(1,1) '\\rule{0pt}{2.6ex}Element' l", "(2,3) '4.0026' r", "h1 11", "h2 11", "h4 11",
      "Table=1", "LabelPos=1", "CapStr='Light elements'", "LabelStr='tab:elements'"}},
    {"longtable_report.tex",
     "3x4 tabular",
     {"(1,1) 'No.' r", "(3,1) 'Change' l t", "(3,3) 'Fixed the export of \\verb|&| characters' l t",
      "(2,4) '2023-07-19' l", "h1 111", "h2 111", "h5 111", "CapStr='Change log'",
      "LabelStr='tab:log'"}},
    {"matrix.tex",
     "2x2 array",
     {"(1,1) '\\cos\\theta' r", "(2,1) '-\\sin\\theta' r", "(2,2) '\\cos\\theta' r", "Kakko=1",
      "Math=2"}},
    {"timetable.tex",
     "4x4 tabular",
     {"(2,1) 'Mon'", "(2,2) 'Workshop' 2x1", "(4,2) 'Math'", "(3,3) 'Project' 2x2", "(2,4) 'Music'",
      "h4 11--", "v2 11-11", "v3 111-1", "v4 111-1"}},
    {"wikipedia.html",
     "5x5 html",
     {"(1,1) 'Rank' 1x2", "(2,1) 'Name' 1x2", "(3,1) 'Height' 2x1", "(5,1) 'Year' 1x2", "(3,2) 'm'",
      "(4,2) 'ft'",
      "(2,3) '<a href=\"/wiki/Burj_Khalifa\" title=\"Burj Khalifa\">Burj Khalifa</a>' l",
      "(5,4) '2023' 1x2", "(2,5) 'Shanghai&nbsp;Tower' l", "(4,5) '2,073'"}},
    {"spreadsheet.html",
     "3x3 html",
     {"(1,1) '<FONT FACE=\"MS PGothic\">商品</FONT>' l", "(2,2) '120' r",
      "(1,3) '<FONT FACE=\"MS PGothic\">表示</FONT>' l",
      "(2,3) '<FONT FACE=\"MS PGothic\">合計</FONT>' 2x1"}},
};

INSTANTIATE_TEST_SUITE_P(Documents, RealTable, ::testing::ValuesIn(TABLES),
                         [](const ::testing::TestParamInfo<CRealTable>& p) {
                             std::string n = p.param.file;
                             for (char& ch : n)
                                 if (ch == '.')
                                     ch = '_';
                             return n;
                         });

} // namespace
