// The grid geometry on its own: numbers in, numbers out.
#include "CellSize.h"
#include "GridGeometry.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// A client area of 600 x 400 pixels with scroll bars 17 wide: the grid area is
// (50, 25) - (583, 383). Default sizes: columns 100 wide, rows 40 high.
class GridGeometryTest : public ::testing::Test {
protected:
    static constexpr int W = 600;
    static constexpr int H = 400;

    CCellSize m_sizes;
    CGridGeometry m_g;

    void SetUp() override {
        m_g.SetScrollBarSize(17);
        m_g.SetClientSize({W, H}, false);
        m_g.RebuildEdges(m_sizes);
        m_g.UpdateVisibleCounts();
    }
    void ScrollTo(int firstCol, int firstRow) {
        m_g.SetFirst(ScrollBarKind::Horizontal, firstCol);
        m_g.SetFirst(ScrollBarKind::Vertical, firstRow);
    }
    int X(int c) const { return m_g.ColumnX(c); }
    int Y(int r) const { return m_g.RowY(r); }
};

struct EdgeCase {
    const char* name;
    int firstCol, firstRow;
    int c, r;
    int x, y; // expected left edge of column c and top edge of row r
};

// Columns 1..3 are 120, 80 and 60 wide, the rest 100; rows 30 high.
const EdgeCase kEdgeCases[] = {
    {"first cell", 0, 0, 1, 1, 50, 25},
    {"after narrow columns", 0, 0, 4, 3, 50 + 120 + 80 + 60, 25 + 60},
    {"right edge of column 250", 0, 0, 251, 251, 50 + 260 + 247 * 100, 25 + 250 * 30},
    {"scrolled by two", 2, 5, 3, 6, 50, 25},
    {"left of the first visible column", 2, 5, 1, 1, 50 - 200, 25 - 150},
    {"scrolled, later cell", 1, 1, 5, 4, 50 + 80 + 60 + 100, 25 + 60},
};

} // namespace

TEST_F(GridGeometryTest, CellEdgesFollowWidthsHeightAndScrollPosition) {
    m_sizes.SetWidth(1, 120);
    m_sizes.SetWidth(2, 80);
    m_sizes.SetWidth(3, 60);
    m_sizes.SetHeight(30);
    m_g.RebuildEdges(m_sizes);
    for (const EdgeCase& t : kEdgeCases) {
        SCOPED_TRACE(t.name);
        ScrollTo(t.firstCol, t.firstRow);
        EXPECT_EQ(X(t.c), t.x);
        EXPECT_EQ(Y(t.r), t.y);
    }
}

TEST_F(GridGeometryTest, EdgesDoNotWrapWithTheWidestColumns) {
    for (int c = 1; c <= 250; ++c)
        m_sizes.SetWidth(c, 500);
    m_g.RebuildEdges(m_sizes);
    EXPECT_EQ(m_g.ColumnEdge(250), 125000);
    ScrollTo(249, 0);
    EXPECT_EQ(X(250), 50);
    EXPECT_EQ(X(251), 550);
    EXPECT_EQ(m_g.HitTest(300, 30).first, 250);
}

TEST_F(GridGeometryTest, HitTestFindsTheCellUnderAPoint) {
    struct Case {
        const char* name;
        int firstCol, firstRow, x, y, col, row;
    } cases[] = {
        {"inside the first cell", 0, 0, 60, 30, 1, 1},
        {"on a grid line belongs right and below", 0, 0, 150, 65, 2, 2},
        {"one pixel before the line", 0, 0, 149, 64, 1, 1},
        {"header column gives the first visible", 3, 4, 10, 10, 4, 5},
        {"exactly on the grid origin", 3, 4, 50, 25, 4, 5},
        {"scrolled", 3, 4, 260, 110, 6, 7},
        {"right of and below the table", 245, 245, 5000, 5000, 250, 250},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        ScrollTo(t.firstCol, t.firstRow);
        EXPECT_EQ(m_g.HitTest(t.x, t.y), std::make_pair(t.col, t.row));
    }
}

TEST_F(GridGeometryTest, InPlaceEditorCoversTheSelectionCutToTheGridArea) {
    struct Case {
        const char* name;
        int c1, r1, c2, r2;
        CRect rect;
    } cases[] = {
        {"one cell", 2, 3, 2, 3, {150, 105, 250, 145}},
        {"a block", 2, 3, 4, 5, {150, 105, 450, 225}},
        {"wider than the grid area", 1, 2, 7, 2, {50, 65, W - 17, 105}},
        {"taller than the grid area", 2, 1, 2, 10, {150, 25, 250, H - 17}},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        EXPECT_EQ(m_g.InPlaceEditRect({t.c1, t.r1, t.c2, t.r2}), t.rect);
    }
}
