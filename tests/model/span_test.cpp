#include "CellArray.h"
#include "LineArray.h"
#include "SpanMap.h"

#include <gtest/gtest.h>

namespace {

struct Table {
    CCellArray cells;
    CLineArray h, v;
    CSpanMap map;

    void Put(int c, int r, int cs = 1, int rs = 1, const char* text = "") {
        CCellData d;
        d.text = text;
        d.colspan = static_cast<std::uint8_t>(cs);
        d.rowspan = static_cast<std::uint8_t>(rs);
        cells.SetCell(c, r, d);
    }
    bool Normalize() { return NormalizeSpans(cells, h, v, map); }
    std::pair<int, int> Origin(int c, int r) const { return map.GetOrigin(c, r); }
};

} // namespace

TEST(SpanMap, FreshAndEmptyGridMapEveryCellToItself) {
    Table t;
    for (int r : {1, 2, 125, 250})
        for (int c : {1, 2, 125, 250})
            EXPECT_EQ(t.Origin(c, r), std::pair(c, r));
    EXPECT_FALSE(t.Normalize());
    EXPECT_EQ(t.Origin(250, 250), std::pair(250, 250));
    EXPECT_EQ(t.Origin(0, 1), std::pair(0, 0));
    EXPECT_EQ(t.Origin(251, 1), std::pair(0, 0));
    EXPECT_FALSE(t.map.SetOrigin(251, 1, 1, 1));
}

TEST(SpanNormalisation, SpanClaimsCellsAndClearsInnerLinesOnly) {
    Table t;
    t.Put(3, 4, 2, 3, "origin");
    t.Put(4, 4, 1, 1, "covered");
    t.Put(3, 6, 1, 1, "covered too");
    // Every edge around and inside the 2 x 3 block.
    for (int r = 4; r <= 6; ++r)
        for (int e = 3; e <= 5; ++e)
            t.v.SetLine(r, e, LINE_SINGLE);
    for (int c = 3; c <= 4; ++c)
        for (int e = 4; e <= 7; ++e)
            t.h.SetLine(c, e, LINE_DOUBLE);

    EXPECT_TRUE(t.Normalize());
    for (int r = 4; r <= 6; ++r)
        for (int c = 3; c <= 4; ++c)
            EXPECT_EQ(t.Origin(c, r), std::pair(3, 4)) << c << "," << r;
    EXPECT_EQ(t.Origin(5, 4), std::pair(5, 4));
    EXPECT_EQ(t.cells.Count(), 1);
    ASSERT_NE(t.cells.GetCell(3, 4), nullptr);
    for (int r = 4; r <= 6; ++r) {
        EXPECT_EQ(t.v.GetLine(r, 4), LINE_NONE) << "inner vertical, row " << r;
        EXPECT_EQ(t.v.GetLine(r, 3), LINE_SINGLE) << "outer left, row " << r;
        EXPECT_EQ(t.v.GetLine(r, 5), LINE_SINGLE) << "outer right, row " << r;
    }
    for (int c = 3; c <= 4; ++c) {
        EXPECT_EQ(t.h.GetLine(c, 5), LINE_NONE);
        EXPECT_EQ(t.h.GetLine(c, 6), LINE_NONE);
        EXPECT_EQ(t.h.GetLine(c, 4), LINE_DOUBLE);
        EXPECT_EQ(t.h.GetLine(c, 7), LINE_DOUBLE);
    }
}

TEST(SpanNormalisation, ReportsChangeOnlyWhenSomethingWasRemoved) {
    Table t;
    t.Put(3, 4, 2, 3);
    EXPECT_FALSE(t.Normalize()) << "a span over empty cells and no lines removes nothing";
    EXPECT_EQ(t.Origin(4, 6), std::pair(3, 4));
    t.h.SetLine(3, 5, LINE_SINGLE);
    EXPECT_TRUE(t.Normalize());
    EXPECT_FALSE(t.Normalize()) << "normalising a normal grid changes nothing";
}

TEST(SpanNormalisation, SpanCutAtTableEdge) {
    Table t;
    t.Put(249, 250, 5, 1);
    t.Put(250, 250, 1, 1, "hidden");
    t.v.SetLine(250, 250, LINE_SINGLE);
    t.v.SetLine(250, 251, LINE_DOUBLE);
    t.v.SetLine(250, 249, LINE_SINGLE);
    EXPECT_TRUE(t.Normalize());
    EXPECT_EQ(t.Origin(249, 250), std::pair(249, 250));
    EXPECT_EQ(t.Origin(250, 250), std::pair(249, 250));
    EXPECT_EQ(t.cells.GetCell(250, 250), nullptr);
    EXPECT_EQ(t.v.GetLine(250, 250), LINE_NONE);
    EXPECT_EQ(t.v.GetLine(250, 251), LINE_NONE) << "edge 251 lies inside the clipped span";
    EXPECT_EQ(t.v.GetLine(250, 249), LINE_SINGLE);
    EXPECT_EQ(t.cells.GetCell(249, 250)->colspan, 5) << "the record keeps its count";
    EXPECT_EQ(SpanExtent(t.cells, t.map, 250, 250), (CCellRect{249, 250, 250, 250}));
}

TEST(SpanNormalisation, OverlappingSpansLaterOriginTakesSharedCells) {
    Table t;
    t.Put(2, 1, 1, 3);
    t.Put(1, 2, 3, 1);
    t.Normalize();
    EXPECT_EQ(t.Origin(2, 2), std::pair(1, 2));
    EXPECT_EQ(t.Origin(2, 3), std::pair(2, 1));
    EXPECT_EQ(t.Origin(3, 2), std::pair(1, 2));
    ASSERT_NE(t.cells.GetCell(2, 1), nullptr);
    EXPECT_EQ(t.cells.GetCell(2, 1)->rowspan, 3);
}

TEST(SpanNormalisation, RecordInsideEarlierSpanIsDeletedWithItsSpan) {
    Table t;
    t.Put(1, 1, 3, 3);
    t.Put(2, 2, 4, 4, "inner span");
    EXPECT_TRUE(t.Normalize());
    EXPECT_EQ(t.cells.GetCell(2, 2), nullptr);
    EXPECT_EQ(t.Origin(4, 4), std::pair(4, 4));
}

TEST(SpanHull, GrowsToEveryOverlappingSpanInOnePass) {
    Table t;
    t.Put(1, 3, 2, 1); // two-column span reaching into column 2
    t.Put(4, 1, 1, 4); // four-row span reaching row 4
    t.Normalize();
    EXPECT_EQ(SpanHull(t.cells, t.map, {2, 3, 2, 2}), (CCellRect{1, 2, 2, 3}));
    EXPECT_EQ(SpanHull(t.cells, t.map, {5, 5, 3, 3}), (CCellRect{3, 1, 5, 5}));
    EXPECT_EQ(SpanHull(t.cells, t.map, {10, 10, 10, 10}), (CCellRect{10, 10, 10, 10}));
}
