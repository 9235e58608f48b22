#include "ViewFixture.h"

#include "Resource.h"

#include <string>
#include <utility>

namespace {

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

TEST_F(ViewTest, CellEdgesFollowWidthsHeightAndScrollPosition) {
    m_doc.m_sizes.SetWidth(1, 120);
    m_doc.m_sizes.SetWidth(2, 80);
    m_doc.m_sizes.SetWidth(3, 60);
    m_doc.m_sizes.SetHeight(30);
    View().RebuildEdges();
    for (const EdgeCase& t : kEdgeCases) {
        SCOPED_TRACE(t.name);
        View().m_firstCol = t.firstCol;
        View().m_firstRow = t.firstRow;
        EXPECT_EQ(X(t.c), t.x);
        EXPECT_EQ(Y(t.r), t.y);
    }
}

TEST_F(ViewTest, EdgesDoNotWrapWithTheWidestColumns) {
    for (int c = 1; c <= 250; ++c)
        m_doc.m_sizes.SetWidth(c, 500);
    View().RebuildEdges();
    EXPECT_EQ(View().m_colEdge[250], 125000);
    View().m_firstCol = 249;
    EXPECT_EQ(X(250), 50);
    EXPECT_EQ(X(251), 550);
    EXPECT_EQ(View().HitTest(300, 30).first, 250);
}

TEST_F(ViewTest, HitTestFindsTheCellUnderAPoint) {
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
        View().m_firstCol = t.firstCol;
        View().m_firstRow = t.firstRow;
        EXPECT_EQ(View().HitTest(t.x, t.y), std::make_pair(t.col, t.row));
    }
}

TEST_F(ViewTest, InitialUpdateCreatesHeadersAndBarsOnce) {
    EXPECT_TRUE(View().m_initialized);
    EXPECT_EQ(m_host.buttonsCreated, 501);
    EXPECT_EQ(m_host.barsCreated, 2);
    EXPECT_EQ(m_host.corner.rect, (CRect{0, 0, 50, 25}));
    EXPECT_EQ(m_host.corner.caption, "");
    EXPECT_EQ(m_host.columns[2].rect, (CRect{250, 0, 350, 24}));
    EXPECT_EQ(m_host.columns[2].caption, "3");
    EXPECT_EQ(m_host.rows[2].rect, (CRect{0, 105, 49, 145}));
    EXPECT_EQ(m_host.rows[249].caption, "250");
    EXPECT_EQ(m_host.hBar.rect, (CRect{49, H - 17, W - 17, H}));
    EXPECT_EQ(m_host.vBar.rect, (CRect{W - 17, 24, W, H - 17}));
    ASSERT_FALSE(m_host.invalidations.empty());
    EXPECT_TRUE(m_host.invalidations.back());
    EXPECT_EQ(View().UndoBlock().IsAttached(), true);

    // A second initial update (a file opened into the running program) only resets.
    View().OnInitialUpdate();
    EXPECT_EQ(m_host.buttonsCreated, 501);
    EXPECT_EQ(m_host.barsCreated, 2);
}

TEST_F(ViewTest, FirstPaintLaysOutTheVisibleHeadersAndHidesTheRest) {
    // Grid area 533 x 358: columns 1..6 (the sixth cut off) and rows 1..9 are visible.
    Paint();
    EXPECT_EQ(View().m_visibleCols, 6);
    EXPECT_EQ(View().m_visibleRows, 9);
    EXPECT_FALSE(View().m_headersDirty);
    for (int k = 0; k < 250; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(m_host.columns[k].visible, k < 6);
        EXPECT_EQ(m_host.rows[k].visible, k < 9);
    }
    EXPECT_EQ(m_host.columns[5].rect, (CRect{550, 0, 650, 24}));

    View().m_firstCol = 10;
    View().m_firstRow = 20;
    View().UpdateScrollLayout(true);
    View().LayoutColumnHeaders();
    View().LayoutRowHeaders();
    EXPECT_EQ(m_host.columns[0].caption, "11");
    EXPECT_EQ(m_host.columns[0].rect, (CRect{50, 0, 150, 24}));
    EXPECT_EQ(m_host.rows[1].caption, "22");
    EXPECT_EQ(m_host.rows[1].rect, (CRect{0, 65, 49, 105}));
}

TEST_F(ViewTest, PageSizesAndScrollBars) {
    struct Case {
        const char* name;
        int width, height; // client size
        int colPage, rowPage;
        bool hArrows;
    } cases[] = {
        // Grid area width 430: four whole columns of 100.
        {"430 pixels wide", 430 + 17 + 50, 400, 4, 8, true},
        {"not even one column", 60 + 17 + 50, 30 + 17 + 25, 1, 1, true},
        {"every column fits", 25000 + 17 + 50, 400, 250, 8, false},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        m_host.Resize(t.width, t.height);
        View().OnSize(t.width, t.height);
        EXPECT_EQ(View().ColumnPageSize(), t.colPage);
        EXPECT_EQ(View().RowPageSize(), t.rowPage);
        EXPECT_EQ(m_host.hBar.info, (CScrollInfo{0, 249, t.colPage, View().m_firstCol, true}));
        EXPECT_EQ(m_host.hBar.arrowsEnabled, t.hArrows);
        EXPECT_EQ(m_host.hBar.rect, (CRect{49, t.height - 17, t.width - 17 + 1, t.height}));
        EXPECT_TRUE(View().m_headersDirty);
    }
}

TEST_F(ViewTest, ScrolledToTheEndTheLastPageFillsTheView) {
    m_host.Resize(430 + 17 + 50, 400);
    View().OnSize(430 + 17 + 50, 400);
    View().ScrollTo(m_host.GetClientDC(), ScrollBarKind::Horizontal, 1000, false);
    EXPECT_EQ(View().m_firstCol, 246);
    EXPECT_EQ(View().HitTest(51, 30).first, 247);
    EXPECT_EQ(X(251), 50 + 400);
    // The cursor is carried into view.
    EXPECT_EQ(View().m_selection.m_cursorCol, 247);
}

TEST_F(ViewTest, GridCommandTogglesAndShowsItsCheckMark) {
    CCmdUI ui;
    ASSERT_TRUE(View().OnUpdateCommand(ID_VIEW_GRID, ui));
    EXPECT_TRUE(ui.checked);
    m_host.invalidations.clear();
    ASSERT_TRUE(View().OnCommand(ID_VIEW_GRID));
    EXPECT_FALSE(View().m_showGrid);
    ASSERT_TRUE(View().OnUpdateCommand(ID_VIEW_GRID, ui));
    EXPECT_FALSE(ui.checked);
    EXPECT_EQ(m_host.invalidations, std::vector<bool>{true});
    EXPECT_FALSE(View().OnCommand(ID_FILE_NEW));
}

TEST_F(ViewTest, CellIndicatorText) {
    CGridSelection& s = View().m_selection;
    s.m_anchorCol = s.m_cursorCol = 3;
    s.m_anchorRow = s.m_cursorRow = 12;
    EXPECT_EQ(View().CellIndicatorText(), "( 3,12)");
    s.m_rangeMode = true;
    s.m_anchorCol = 5;
    s.m_anchorRow = 9;
    s.m_cursorCol = 2;
    s.m_cursorRow = 3;
    EXPECT_EQ(View().CellIndicatorText(), "( 5, 9)-( 2, 3)");
}
