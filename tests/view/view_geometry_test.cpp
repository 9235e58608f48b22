#include "ViewFixture.h"

#include "InputCodes.h"
#include "Resource.h"

#include <string>
#include <utility>

TEST_F(ViewTest, InitialUpdateLaysOutHeadersAndBars) {
    EXPECT_TRUE(View().IsInitialized());
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

    // A second initial update (a file opened into the running program) only resets, as
    // after Open: the undo block is emptied, the bars stay where they are.
    View().UndoBlock().Save(1, 1, 1, 1);
    View().OnInitialUpdate();
    EXPECT_TRUE(View().UndoBlock().IsEmpty());
    EXPECT_FALSE(m_host.invalidations.back());
    EXPECT_EQ(m_host.hBar.rect, (CRect{49, H - 17, W - 17, H}));
}

TEST_F(ViewTest, FirstPaintLaysOutTheVisibleHeadersAndHidesTheRest) {
    // Grid area 533 x 358: columns 1..6 (the sixth cut off) and rows 1..9 are visible.
    Paint();
    EXPECT_EQ(View().Geometry().VisibleCols(), 6);
    EXPECT_EQ(View().Geometry().VisibleRows(), 9);
    EXPECT_FALSE(View().HeadersDirty());
    for (int k = 0; k < 250; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(m_host.columns[k].visible, k < 6);
        EXPECT_EQ(m_host.rows[k].visible, k < 9);
    }
    EXPECT_EQ(m_host.columns[5].rect, (CRect{550, 0, 650, 24}));

    View().OnHScroll(SB_THUMBPOSITION, 10);
    View().OnVScroll(SB_THUMBPOSITION, 20);
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
        EXPECT_EQ(View().Geometry().ColumnPageSize(), t.colPage);
        EXPECT_EQ(View().Geometry().RowPageSize(), t.rowPage);
        EXPECT_EQ(m_host.hBar.info,
                  (CScrollInfo{0, 249, t.colPage, View().Geometry().FirstCol(), true}));
        EXPECT_EQ(m_host.hBar.arrowsEnabled, t.hArrows);
        EXPECT_EQ(m_host.hBar.rect, (CRect{49, t.height - 17, t.width - 17 + 1, t.height}));
        EXPECT_TRUE(View().HeadersDirty());
    }
}

TEST_F(ViewTest, ScrolledToTheEndTheLastPageFillsTheView) {
    m_host.Resize(430 + 17 + 50, 400);
    View().OnSize(430 + 17 + 50, 400);
    View().OnHScroll(SB_THUMBPOSITION, 1000);
    EXPECT_EQ(View().Geometry().FirstCol(), 246);
    EXPECT_EQ(View().Geometry().HitTest(51, 30).first, 247);
    EXPECT_EQ(X(251), 50 + 400);
    // The cursor is carried into view.
    EXPECT_EQ(View().Selection().CursorCol(), 247);
}

TEST_F(ViewTest, GridCommandTogglesAndShowsItsCheckMark) {
    CCmdUI ui;
    ASSERT_TRUE(View().OnUpdateCommand(ID_VIEW_GRID, ui));
    EXPECT_TRUE(ui.checked);
    m_host.invalidations.clear();
    ASSERT_TRUE(View().OnCommand(ID_VIEW_GRID));
    EXPECT_FALSE(View().Renderer().ShowsGrid());
    ASSERT_TRUE(View().OnUpdateCommand(ID_VIEW_GRID, ui));
    EXPECT_FALSE(ui.checked);
    EXPECT_EQ(m_host.invalidations, std::vector<bool>{true});
    EXPECT_FALSE(View().OnCommand(ID_FILE_NEW));
}

TEST_F(ViewTest, CellIndicatorText) {
    Select(3, 12, 3, 12);
    EXPECT_EQ(View().CellIndicatorText(), "( 3,12)");
    Select(5, 9, 2, 3);
    EXPECT_EQ(View().CellIndicatorText(), "( 5, 9)-( 2, 3)");
}
