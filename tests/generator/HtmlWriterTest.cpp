#include "HtmlWriter.h"
#include "TableFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <tuple>
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

struct CSpanCase {
    const char* name;
    std::vector<std::tuple<int, int, const char*, int, int, int>>
        cells; // x, y, text, cs, rs, place
    CCellRect region;
    std::vector<std::string_view> rows;
};

// Regions cut by a span from outside, and spans sharing cells: every slot of the region gets
// exactly one element, so a browser shows each cell where it is in the grid.
TEST(HtmlWriter, CutAndOverlappingSpansFillTheRegion) {
    const CSpanCase cases[] = {
        {"covered cells of a span from outside are empty cells",
         {{1, 1, "S", 2, 2, 0}, {3, 2, "T", 1, 1, 1}},
         {2, 2, 3, 2},
         {"<TR ALIGN=\"center\"> <TD></TD> <TD>T</TD> </TR>"}},
        {"3 x 3 span from the left: three empty cells",
         {{1, 1, "S", 3, 3, 1}},
         {2, 1, 4, 1},
         {"<TR> <TD ALIGN=\"center\"></TD> <TD ALIGN=\"center\"></TD> "
          "<TD ALIGN=\"center\"></TD> </TR>"}},
        {"span from above whose last row a later span shares",
         {{2, 1, "S", 2, 3, 1}, {1, 3, "T", 2, 1, 0}},
         {1, 2, 3, 3},
         {"<TR> <TD ALIGN=\"center\"></TD> <TD ALIGN=\"center\"></TD> <TD ALIGN=\"center\"></TD> "
          "</TR>",
          "<TR> <TD COLSPAN=\"2\">T</TD> <TD ALIGN=\"center\"></TD> </TR>"}},
        {"shared cell goes to the later origin",
         {{3, 1, "a", 2, 2, 1}, {2, 2, "b", 2, 1, 1}},
         {1, 1, 3, 2},
         {"<TR ALIGN=\"center\"> <TD></TD> <TD></TD> <TD>a</TD> </TR>",
          "<TR ALIGN=\"center\"> <TD></TD> <TD COLSPAN=\"2\">b</TD> </TR>"}},
        {"the rest of an earlier span's rectangle becomes empty cells",
         {{3, 1, "a", 2, 2, 1}, {2, 2, "b", 2, 1, 1}},
         {1, 1, 4, 2},
         {"<TR ALIGN=\"center\"> <TD></TD> <TD></TD> <TD COLSPAN=\"2\">a</TD> </TR>",
          "<TR ALIGN=\"center\"> <TD></TD> <TD COLSPAN=\"2\">b</TD> <TD></TD> </TR>"}},
        {"rows above a taken cell stay in the element",
         {{2, 1, "a", 2, 3, 2}, {1, 3, "b", 2, 1, 1}},
         {1, 1, 3, 3},
         {"<TR ALIGN=\"right\"> <TD ALIGN=\"center\"></TD> <TD ROWSPAN=\"2\" COLSPAN=\"2\">a</TD> "
          "</TR>",
          "<TR> <TD ALIGN=\"center\"></TD> </TR>",
          "<TR ALIGN=\"center\"> <TD COLSPAN=\"2\">b</TD> <TD></TD> </TR>"}},
    };
    for (const CSpanCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto t = std::make_unique<CTestTable>();
        for (const auto& [x, y, text, cs, rs, place] : c.cells)
            t->Put(x, y, text, cs, rs, place);
        std::string expected = "<TABLE>\r\n";
        for (std::string_view r : c.rows)
            expected.append(r).append("\r\n");
        expected += "</TABLE>\r\n";
        EXPECT_EQ(t->Generate(TARGET_HTML, c.region), expected);
    }
}

// One TD element as read back from the output: its text and its span counts.
struct CParsedCell {
    std::string text;
    int rs = 1;
    int cs = 1;
};

int Attribute(std::string_view tag, std::string_view name) {
    const std::size_t at = tag.find(name);
    if (at == std::string_view::npos)
        return 1;
    return std::stoi(std::string(tag.substr(at + name.size() + 2)));
}

// The TD elements of each TR line; texts must hold no '<'.
std::vector<std::vector<CParsedCell>> ParseRows(const std::string& html) {
    std::vector<std::vector<CParsedCell>> rows;
    std::size_t p = 0;
    while ((p = html.find("<TR", p)) != std::string::npos) {
        const std::size_t end = html.find("</TR>", p);
        const std::string_view line(html.data() + p, end - p);
        std::vector<CParsedCell> cells;
        std::size_t q = 0;
        while ((q = line.find("<TD", q)) != std::string_view::npos) {
            const std::size_t close = line.find('>', q);
            const std::size_t stop = line.find("</TD>", close);
            const std::string_view tag = line.substr(q, close - q);
            cells.push_back({std::string(line.substr(close + 1, stop - close - 1)),
                             Attribute(tag, "ROWSPAN"), Attribute(tag, "COLSPAN")});
            q = stop;
        }
        rows.push_back(std::move(cells));
        p = end;
    }
    return rows;
}

// Random tables whose spans overlap, over random regions, some at the table's far edge. The
// output is laid out as a browser does (row by row, each element at the next free slot) and
// must fill the region exactly, each record at its own cell, each slot once.
TEST(HtmlWriter, BrowserLayoutFillsTheRegionExactly) {
    std::mt19937 rng(22);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int run = 0; run < 1500; ++run) {
        auto t = std::make_unique<CTestTable>();
        const int base = run % 3 == 0 ? MAX_CELLS - 6 : 1; // 245..250 or 1..7
        std::string layout;
        for (int y = base; y < base + 7; ++y) {
            for (int x = base; x < base + 7; ++x) {
                if (pick(0, 9) < 4)
                    continue;
                const int cs = pick(0, 2) == 0 ? pick(2, 4) : 1;
                const int rs = pick(0, 2) == 0 ? pick(2, 4) : 1;
                t->Put(x, y, std::to_string(x) + "," + std::to_string(y), cs, rs, pick(0, 2));
                layout += " (" + std::to_string(x) + "," + std::to_string(y) + ") " +
                          std::to_string(cs) + "x" + std::to_string(rs);
            }
        }
        const int last = std::min(base + 7, MAX_CELLS);
        const int ax = pick(base, last), bx = pick(base, last);
        const int ay = pick(base, last), by = pick(base, last);
        const CCellRect rg{std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by)};
        const int w = rg.right - rg.left + 1, h = rg.bottom - rg.top + 1;
        SCOPED_TRACE("run " + std::to_string(run) + " region (" + std::to_string(rg.left) + "," +
                     std::to_string(rg.top) + ")-(" + std::to_string(rg.right) + "," +
                     std::to_string(rg.bottom) + ") records" + layout);

        const std::string html = t->Generate(TARGET_HTML, rg);
        const auto rows = ParseRows(html);
        ASSERT_EQ(static_cast<int>(rows.size()), h) << html;
        // slot[y][x]: 0 free, else how many elements took it (rows past h are counted too).
        std::vector<std::vector<int>> slot(h + 5, std::vector<int>(w + 5, 0));
        for (int y = 0; y < h; ++y) {
            int x = 0;
            for (const CParsedCell& c : rows[y]) {
                while (x < w + 5 && slot[y][x] != 0)
                    ++x;
                ASSERT_LE(y + c.rs, h) << "element past the last row\n" << html;
                ASSERT_LE(x + c.cs, w) << "element past the region's width in row " << y << "\n"
                                       << html;
                for (int j = 0; j < c.rs; ++j)
                    for (int k = 0; k < c.cs; ++k)
                        ++slot[y + j][x + k];
                if (!c.text.empty()) {
                    EXPECT_EQ(c.text,
                              std::to_string(rg.left + x) + "," + std::to_string(rg.top + y))
                        << html;
                }
                x += c.cs;
            }
        }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(slot[y][x], 1) << "slot " << x << "," << y << "\n" << html;
    }
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
