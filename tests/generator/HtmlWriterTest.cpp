#include "HtmlWriter.h"
#include "TableFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::string Table(std::initializer_list<std::string_view> rows, bool border = false) {
    std::string s = border ? "<TABLE BORDER>\r\n" : "<TABLE>\r\n";
    for (std::string_view r : rows) {
        s.append(r);
        s.append("\r\n");
    }
    return s + "</TABLE>\r\n";
}

TEST(HtmlWriter, WorkedExample) {
    auto t = std::make_unique<CTestTable>();
    FillWorkedExample(*t);
    COptionsRecord o;
    o.BorderHTML = 1;
    EXPECT_EQ(t->Generate(TARGET_HTML, {3, 1, 1, 3}, o), ReadTestData("worked_example.html"));
}

TEST(HtmlWriter, RowWithoutRecordsHasCentredEmptyCells) {
    auto t = std::make_unique<CTestTable>();
    EXPECT_EQ(t->Generate(TARGET_HTML, {1, 1, 2, 1}),
              Table({"<TR> <TD ALIGN=\"center\"></TD> <TD ALIGN=\"center\"></TD> </TR>"}));
}

struct CRowVoteCase {
    const char* name;
    std::vector<int> places; // -1: no record
    const char* row;
};

TEST(HtmlWriter, RowVote) {
    const CRowVoteCase cases[] = {
        {"two left, two right: right",
         {0, 0, 2, 2},
         "<TR ALIGN=\"right\"> <TD ALIGN=\"left\">a</TD> <TD ALIGN=\"left\">b</TD> <TD>c</TD> "
         "<TD>d</TD> </TR>"},
        {"three-way tie: centre",
         {0, 1, 2},
         "<TR ALIGN=\"center\"> <TD ALIGN=\"left\">a</TD> <TD>b</TD> <TD ALIGN=\"right\">c</TD> "
         "</TR>"},
        {"centre and right tie: centre",
         {1, 2, 1, 2},
         "<TR ALIGN=\"center\"> <TD>a</TD> <TD ALIGN=\"right\">b</TD> <TD>c</TD> "
         "<TD ALIGN=\"right\">d</TD> </TR>"},
        {"left majority: plain TR",
         {0, 0, 1},
         "<TR> <TD>a</TD> <TD>b</TD> <TD ALIGN=\"center\">c</TD> </TR>"},
        {"empty cells do not vote",
         {0, -1, -1},
         "<TR> <TD>a</TD> <TD ALIGN=\"center\"></TD> <TD ALIGN=\"center\"></TD> </TR>"},
    };
    for (const CRowVoteCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto t = std::make_unique<CTestTable>();
        const int n = static_cast<int>(c.places.size());
        for (int k = 0; k < n; ++k)
            if (c.places[k] >= 0)
                t->Put(1 + k, 1, std::string(1, static_cast<char>('a' + k)), 1, 1, c.places[k]);
        EXPECT_EQ(t->Generate(TARGET_HTML, {1, 1, n, 1}), Table({c.row}));
    }
}

TEST(HtmlWriter, SpansCountOnlyInsideTheRegion) {
    auto t = std::make_unique<CTestTable>();
    t->Put(1, 1, "S", 3, 3);
    EXPECT_EQ(t->Generate(TARGET_HTML, {1, 1, 2, 2}),
              Table({"<TR ALIGN=\"center\"> <TD ROWSPAN=\"2\" COLSPAN=\"2\">S</TD> </TR>",
                     "<TR> </TR>"}));
    EXPECT_EQ(t->Generate(TARGET_HTML, {1, 1, 1, 1}),
              Table({"<TR ALIGN=\"center\"> <TD>S</TD> </TR>"}));
    EXPECT_EQ(t->Generate(TARGET_HTML, {1, 1, 3, 1}),
              Table({"<TR ALIGN=\"center\"> <TD COLSPAN=\"3\">S</TD> </TR>"}));
}

TEST(HtmlWriter, CoveredCellsOfSpanFromOutsideWriteNothing) {
    auto t = std::make_unique<CTestTable>();
    t->Put(1, 1, "S", 2, 2, 0).Put(3, 2, "T");
    EXPECT_EQ(t->Generate(TARGET_HTML, {2, 2, 3, 2}),
              Table({"<TR ALIGN=\"center\"> <TD>T</TD> </TR>"}));
}

TEST(HtmlWriter, TextIsCopiedUnchanged) {
    auto t = std::make_unique<CTestTable>();
    t->Put(1, 1, "<B>x&y</B>\r\n\x95\x5c", 1, 1, 2);
    EXPECT_EQ(t->Generate(TARGET_HTML, {1, 1, 1, 1}),
              Table({"<TR ALIGN=\"right\"> <TD><B>x&y</B>\r\n\x95\x5c</TD> </TR>"}));
}

TEST(HtmlWriter, LatexOptionsDoNotApply) {
    auto t = std::make_unique<CTestTable>();
    t->Put(1, 1, "x");
    t->Grid(1, 1, 1, 1, LINE_DOUBLE);
    COptionsRecord o;
    o.Doc = o.Com = o.Table = o.Cap = o.ArrayDoc = o.ArrayCom = o.Math = o.Kakko = 1;
    EXPECT_EQ(t->Generate(TARGET_HTML, {1, 1, 1, 1}, o),
              Table({"<TR ALIGN=\"center\"> <TD>x</TD> </TR>"}));
}

} // namespace
