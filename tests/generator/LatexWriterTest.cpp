#include "LatexWriter.h"
#include "TableFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// "\begin{tabular}{...}" with the given spec, the lines between, "\end{tabular}".
std::string Tabular(const std::string& spec, std::initializer_list<std::string_view> body) {
    std::string s = "\\begin{tabular}{" + spec + "}\r\n";
    for (std::string_view l : body) {
        s.append(l);
        s.append("\r\n");
    }
    return s + "\\end{tabular}\r\n";
}

// A row of n empty cells.
std::string EmptyRow(int n) {
    std::string s;
    for (int k = 0; k < n; ++k)
        s += " & ";
    s.resize(s.size() - 2);
    return s + "\\\\";
}

TEST(LatexWriter, WorkedExample) {
    auto t = std::make_unique<CTestTable>();
    FillWorkedExample(*t);
    EXPECT_EQ(t->Generate(TARGET_TABULAR, {1, 1, 3, 3}),
              ReadTestData("worked_example_tabular.tex"));
}

TEST(LatexWriter, CornersInAnyOrderGiveTheSameText) {
    auto t = std::make_unique<CTestTable>();
    FillWorkedExample(*t);
    const std::string expected = ReadTestData("worked_example_tabular.tex");
    EXPECT_EQ(t->Generate(TARGET_TABULAR, {3, 3, 1, 1}), expected);
    EXPECT_EQ(t->Generate(TARGET_TABULAR, {1, 3, 3, 1}), expected);
}

TEST(LatexWriter, OneEmptyCell) {
    auto t = std::make_unique<CTestTable>();
    EXPECT_EQ(t->Generate(TARGET_TABULAR, {7, 9, 7, 9}), Tabular("l", {" \\\\"}));
}

struct CRuleLineCase {
    const char* name;
    int x1;
    std::vector<int> kinds; // top edge of row 1, columns x1 ...
    const char* line;       // expected rule line, nullptr for none
};

TEST(LatexWriter, RuleLines) {
    const CRuleLineCase cases[] = {
        {"all double", 1, {2, 2, 2}, "\\hline\\hline"},
        {"single column double", 1, {2}, "\\hline\\hline"},
        {"mixed single and double", 1, {1, 2, 1}, "\\hline"},
        {"two runs", 1, {1, 1, 0, 1, 0}, "\\cline{1-2}\\cline{4-4}"},
        {"double inside a run", 1, {0, 1, 2, 1, 0}, "\\cline{2-4}"},
        {"counted from the region's first column", 5, {0, 1, 1}, "\\cline{2-3}"},
        {"kind 3 is a line", 1, {3, 3}, "\\hline"},
        {"kind 3 beside a double", 1, {2, 3}, "\\hline"},
        {"kind 3 in a run", 1, {0, 3, 1}, "\\cline{2-3}"},
        {"no line", 1, {0, 0, 0}, nullptr},
    };
    for (const CRuleLineCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto t = std::make_unique<CTestTable>();
        const int n = static_cast<int>(c.kinds.size());
        for (int k = 0; k < n; ++k)
            t->h.SetLine(c.x1 + k, 1, c.kinds[k]);
        const std::string spec(static_cast<std::size_t>(n), 'l');
        const std::string row = EmptyRow(n);
        const std::string expected = c.line ? Tabular(spec, {c.line, row}) : Tabular(spec, {row});
        EXPECT_EQ(t->Generate(TARGET_TABULAR, {c.x1, 1, c.x1 + n - 1, 1}), expected);
    }
}

TEST(LatexWriter, BottomEdgeIsTheLastRuleLine) {
    auto t = std::make_unique<CTestTable>();
    t->Put(1, 1, "a").Put(2, 1, "b");
    t->h.SetLine(2, 2, LINE_DOUBLE);
    EXPECT_EQ(t->Generate(TARGET_TABULAR, {1, 1, 2, 1}),
              Tabular("cc", {"a & b \\\\", "\\cline{2-2}"}));
}

struct CRowSpanCase {
    const char* name;
    int rowspan;
    int top, bottom; // region rows; the record sits at (1, 1)
    const char* spec;
    std::vector<std::string> rows;
};

TEST(LatexWriter, RowSpanTextRow) {
    const std::string raised = "\\raisebox{-1.8ex}[0pt][0pt]{X} \\\\";
    const std::string plain = "X \\\\";
    const std::string empty = " \\\\";
    const CRowSpanCase cases[] = {
        {"four rows: second row, raised", 4, 1, 4, "c", {empty, raised, empty, empty}},
        {"three rows: middle row", 3, 1, 3, "c", {empty, plain, empty}},
        {"two rows: own row, raised", 2, 1, 2, "c", {raised, empty}},
        {"five rows: third row", 5, 1, 5, "c", {empty, empty, plain, empty, empty}},
        {"five rows cut to three", 5, 1, 3, "c", {empty, plain, empty}},
        {"four rows cut to two", 4, 1, 2, "c", {raised, empty}},
        {"origin above the region", 4, 2, 4, "l", {empty, empty, empty}},
    };
    for (const CRowSpanCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto t = std::make_unique<CTestTable>();
        t->Put(1, 1, "X", 1, c.rowspan);
        std::string expected = "\\begin{tabular}{" + std::string(c.spec) + "}\r\n";
        for (const std::string& r : c.rows)
            expected += r + "\r\n";
        expected += "\\end{tabular}\r\n";
        EXPECT_EQ(t->Generate(TARGET_TABULAR, {1, c.top, 1, c.bottom}), expected);
    }
}

TEST(LatexWriter, SpanWithOriginLeftOfRegionWritesEmptyCells) {
    auto t = std::make_unique<CTestTable>();
    t->Put(1, 1, "Z", 3, 3, 0).Put(4, 2, "q");
    EXPECT_EQ(t->Generate(TARGET_TABULAR, {2, 1, 4, 3}),
              Tabular("llc", {" &  &  \\\\", " &  & q \\\\", " &  &  \\\\"}));
}

TEST(LatexWriter, MultiColumnCells) {
    auto t = std::make_unique<CTestTable>();
    t->Grid(1, 1, 4, 4, LINE_SINGLE);
    t->Put(1, 1, "A", 2).Put(3, 1, "B", 1, 1, 0).Put(4, 1, "D");
    t->Put(1, 2, "a").Put(2, 2, "b").Put(3, 2, "c").Put(4, 2, "d");
    t->Put(1, 3, "f").Put(2, 3, "g").Put(3, 3, "", 2); // empty record over two columns
    t->v.SetLine(4, 5, LINE_DOUBLE);                   // row 4 has no records
    EXPECT_EQ(
        t->Generate(TARGET_TABULAR, {1, 1, 4, 4}),
        Tabular("|c|c|c|c|", {
                                 "\\hline",
                                 "\\multicolumn{2}{|c|}{A} & \\multicolumn{1}{l|}{B} & D \\\\",
                                 "\\hline",
                                 "a & b & c & d \\\\",
                                 "\\hline",
                                 "f & g &  & \\multicolumn{1}{c|}{} \\\\",
                                 "\\hline",
                                 " &  &  & \\multicolumn{1}{|c||}{} \\\\",
                                 "\\hline",
                             }));
}

TEST(LatexWriter, SpanCutByRegionRightEdge) {
    auto t = std::make_unique<CTestTable>();
    t->Put(2, 1, "W", 3);
    EXPECT_EQ(t->Generate(TARGET_TABULAR, {1, 1, 3, 1}),
              Tabular("lcl", {" & \\multicolumn{2}{c}{W} \\\\"}));
}

TEST(LatexWriter, SpanOverRowsAndColumnsIsOneRaisedMultiColumnCell) {
    auto t = std::make_unique<CTestTable>();
    t->Put(1, 1, "X", 2, 2);
    EXPECT_EQ(
        t->Generate(TARGET_TABULAR, {1, 1, 2, 2}),
        Tabular("cl", {"\\multicolumn{2}{c}{\\raisebox{-1.8ex}[0pt][0pt]{X}} \\\\", " &  \\\\"}));
}

TEST(LatexWriter, LineKindsAboveTwoWriteNoRuleText) {
    auto t = std::make_unique<CTestTable>();
    t->Put(1, 1, "x");
    t->Grid(1, 1, 1, 1, 3);
    EXPECT_EQ(t->Generate(TARGET_TABULAR, {1, 1, 1, 1}),
              Tabular("|c|", {"\\hline", "\\multicolumn{1}{c}{x} \\\\", "\\hline"}));
}

TEST(LatexWriter, TextsAreCopiedByteForByte) {
    auto t = std::make_unique<CTestTable>();
    t->Put(1, 1, "\x95\x5c & $x_1$\r\n%");
    COptionsRecord o;
    o.Cap = 1;
    o.CapStr = "\x95\x5c{}";
    EXPECT_EQ(t->Generate(TARGET_TABULAR, {1, 1, 1, 1}, o),
              "\\caption{\x95\x5c{}}\r\n" + Tabular("c", {"\x95\x5c & $x_1$\r\n% \\\\"}));
}

struct COptionsCase {
    const char* name;
    int target;
    COptionsRecord options;
    std::vector<std::string> lines;
};

COptionsRecord With(void (*set)(COptionsRecord&)) {
    COptionsRecord o;
    set(o);
    return o;
}

TEST(LatexWriter, OptionsAroundTheTable) {
    const std::string tabBegin = "\\begin{tabular}{c}";
    const std::string tabEnd = "\\end{tabular}";
    const std::string arrBegin = "\\begin{array}{c}";
    const std::string arrEnd = "\\end{array}";
    const std::string c1 = "%<<-----  1 \x8d\x73\x96\xda";
    const std::string c2 = "%<<-----  2 \x8d\x73\x96\xda";
    const std::string docHead[] = {"\\documentstyle{jarticle}", "\\begin{document}", ""};
    const COptionsCase cases[] = {
        {"tabular plain", TARGET_TABULAR, {}, {tabBegin, "x \\\\", "y \\\\", tabEnd}},
        {"document lines",
         TARGET_TABULAR,
         With([](COptionsRecord& o) { o.Doc = 1; }),
         {docHead[0], docHead[1], docHead[2], tabBegin, "x \\\\", "y \\\\", tabEnd, "",
          "\\end{document}"}},
        {"table, caption and label above",
         TARGET_TABULAR,
         With([](COptionsRecord& o) {
             o.Table = o.Cap = o.Label = 1;
             o.CapStr = "T";
             o.LabelStr = "tab:x";
         }),
         {"\\begin{table}[h]", "\\begin{center}", "\\caption{T}", "\\label{tab:x}", tabBegin,
          "x \\\\", "y \\\\", tabEnd, "\\end{center}", "\\end{table}"}},
        {"caption and label below",
         TARGET_TABULAR,
         With([](COptionsRecord& o) {
             o.Table = o.Cap = o.Label = o.LabelPos = 1;
             o.CapStr = "T";
             o.LabelStr = "L";
         }),
         {"\\begin{table}[h]", "\\begin{center}", tabBegin, "x \\\\", "y \\\\", tabEnd,
          "\\caption{T}", "\\label{L}", "\\end{center}", "\\end{table}"}},
        {"LabelPos -1 is below, without table",
         TARGET_TABULAR,
         With([](COptionsRecord& o) {
             o.Cap = o.Label = 1;
             o.LabelPos = -1;
         }),
         {tabBegin, "x \\\\", "y \\\\", tabEnd, "\\caption{}", "\\label{}"}},
        {"label only",
         TARGET_TABULAR,
         With([](COptionsRecord& o) {
             o.Label = 1;
             o.LabelStr = "L";
         }),
         {"\\label{L}", tabBegin, "x \\\\", "y \\\\", tabEnd}},
        {"comment lines",
         TARGET_TABULAR,
         With([](COptionsRecord& o) { o.Com = 1; }),
         {tabBegin, c1, "x \\\\", c2, "y \\\\", tabEnd}},
        {"array options do not touch tabular",
         TARGET_TABULAR,
         With([](COptionsRecord& o) { o.ArrayCom = o.ArrayDoc = o.Kakko = o.Math = 1; }),
         {tabBegin, "x \\\\", "y \\\\", tabEnd}},
        {"array plain: last row without terminator",
         TARGET_ARRAY,
         {},
         {arrBegin, "x \\\\", "y ", arrEnd}},
        {"array in-line math and parentheses",
         TARGET_ARRAY,
         With([](COptionsRecord& o) { o.Math = o.Kakko = 1; }),
         {"$", "\\left(", arrBegin, "x \\\\", "y ", arrEnd, "\\right)", "$"}},
        {"array display math and braces",
         TARGET_ARRAY,
         With([](COptionsRecord& o) {
             o.Math = 2;
             o.Kakko = 2;
         }),
         {"\\[", "\\left\\{", arrBegin, "x \\\\", "y ", arrEnd, "\\right\\}", "\\]"}},
        {"array display math and square brackets",
         TARGET_ARRAY,
         With([](COptionsRecord& o) {
             o.Math = 2;
             o.Kakko = 3;
         }),
         {"\\[", "\\left[", arrBegin, "x \\\\", "y ", arrEnd, "\\right]", "\\]"}},
        {"values outside the lists write nothing",
         TARGET_ARRAY,
         With([](COptionsRecord& o) {
             o.Math = 3;
             o.Kakko = -1;
         }),
         {arrBegin, "x \\\\", "y ", arrEnd}},
        {"array document and comment lines",
         TARGET_ARRAY,
         With([](COptionsRecord& o) { o.ArrayDoc = o.ArrayCom = 1; }),
         {docHead[0], docHead[1], docHead[2], arrBegin, c1, "x \\\\", c2, "y ", arrEnd, "",
          "\\end{document}"}},
        {"tabular options do not touch array",
         TARGET_ARRAY,
         With([](COptionsRecord& o) { o.Doc = o.Com = o.Table = o.Cap = o.Label = 1; }),
         {arrBegin, "x \\\\", "y ", arrEnd}},
    };
    for (const COptionsCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto t = std::make_unique<CTestTable>();
        t->Put(1, 1, "x").Put(1, 2, "y");
        std::string expected;
        for (const std::string& l : c.lines)
            expected += l + "\r\n";
        EXPECT_EQ(t->Generate(c.target, {1, 1, 1, 2}, c.options), expected);
    }
}

TEST(LatexWriter, ArrayWithBottomRuleKeepsLastTerminator) {
    auto t = std::make_unique<CTestTable>();
    t->Put(1, 1, "x").Put(1, 2, "y");
    t->h.SetLine(1, 3, LINE_SINGLE);
    EXPECT_EQ(t->Generate(TARGET_ARRAY, {1, 1, 1, 2}),
              CrLf({"\\begin{array}{c}", "x \\\\", "y \\\\", "\\hline", "\\end{array}"}));
}

TEST(LatexWriter, ReportsRangeThenEveryRowEdge) {
    auto t = std::make_unique<CTestTable>();
    for (int target : {TARGET_TABULAR, TARGET_ARRAY, TARGET_HTML}) {
        SCOPED_TRACE(target);
        CProgressLog log;
        t->Generate(target, {2, 5, 1, 3}, {}, &log);
        EXPECT_EQ(log.calls, (std::vector<std::string>{"R3-5", "P3", "P4", "P5", "P6"}));
    }
}

TEST(LatexWriter, TargetOutOfRangeIsRefused) {
    auto t = std::make_unique<CTestTable>();
    for (int target : {-1, 3}) {
        std::string out = "old";
        EXPECT_FALSE(GenerateSource(target, t->Model(), {1, 1, 1, 1}, {}, out));
        EXPECT_TRUE(out.empty());
    }
    EXPECT_STREQ(MSG_BROKEN_TARGET, "生成ターゲット情報が、壊れています！");
}

struct CVoteCase {
    std::vector<int> values;
    int expected;
};

TEST(LatexWriter, VoteColumnRule) {
    const CVoteCase cases[] = {
        {{0, 1}, 0},    {{1, 1, 0}, 1},       {{1, 2}, 1},    {{2, 2, 1}, 2},
        {{3, 3, 0}, 1}, {{0, 2, 2, 1, 1}, 1}, {{0, 0, 2}, 0}, {{2}, 2},
    };
    for (const CVoteCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.values));
        auto t = std::make_unique<CTestTable>();
        const int m = static_cast<int>(c.values.size());
        for (int r = 0; r < m; ++r)
            t->v.SetLine(10 + r, 4, c.values[r]);
        EXPECT_EQ(VoteColumnRule(t->v, 10, 10 + m - 1, 4), c.expected);
    }
}

TEST(LatexWriter, VoteColumnPlace) {
    // -1: no record in that row.
    const CVoteCase cases[] = {
        {{-1, -1}, 0},    {{0, 1}, 0},          {{1, 2}, 1}, {{2, 2, 0}, 2},
        {{2, -1, -1}, 2}, {{1, 1, 2, 2, 0}, 1}, {{0, 2}, 0},
    };
    for (const CVoteCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.values));
        auto t = std::make_unique<CTestTable>();
        const int m = static_cast<int>(c.values.size());
        for (int r = 0; r < m; ++r)
            if (c.values[r] >= 0)
                t->Put(3, 2 + r, "t", 1, 1, c.values[r]);
        EXPECT_EQ(VoteColumnPlace(t->cells, 2, 2 + m - 1, 3), c.expected);
    }
}

} // namespace
