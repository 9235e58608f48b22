// Cursor keys, range mode, mouse, drags, scrolling and the cell indicator of the grid view.
#include "ViewFixture.h"

#include "InputCodes.h"
#include "Resource.h"

#include <string>
#include <vector>

namespace {

using Kind = CRecordingDC::Kind;

struct Cells {
    int anchorCol, anchorRow, cursorCol, cursorRow;
    bool operator==(const Cells&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Cells& c) {
    return os << "anchor (" << c.anchorCol << ", " << c.anchorRow << ") cursor (" << c.cursorCol
              << ", " << c.cursorRow << ")";
}

} // namespace

// The 600 x 400 window of ViewTest, painted once: columns 1..6 (the sixth cut off) and rows
// 1..9 are visible; whole pages are 5 columns and 8 rows.
class NavigationTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        Paint();
    }
    const CGridSelection& Sel() { return View().Selection(); }
    const CGridGeometry& Geo() { return View().Geometry(); }
    Cells State() {
        const CGridSelection& s = Sel();
        return {s.AnchorCol(), s.AnchorRow(), s.CursorCol(), s.CursorRow()};
    }
    void Key(int vk, bool shift = false, bool ctrl = false) {
        EXPECT_TRUE(View().OnKeyDown(vk, shift, ctrl));
    }
    void Click(int c, int r, int flags = 0) { View().OnLButtonDown(X(c) + 5, Y(r) + 5, flags); }
    void MoveTo(int c, int r, int flags = MK_LBUTTON) {
        View().OnMouseMove(X(c) + 5, Y(r) + 5, flags);
    }
    void Resize(int w, int h) {
        m_host.Resize(w, h);
        View().OnSize(w, h);
        Paint();
    }
    bool Inverted(int c, int r) { return Dc().Pixel(X(c) + 5, Y(r) + 5) == COLOR_BLACK; }
    // Every pixel of the grid area matches the picture a full repaint gives.
    void ExpectSameAsFullRepaint() {
        CRecordingDC fresh(W, H);
        fresh.ResetState();
        View().OnDraw(fresh); // leaves the highlight shown, as on the screen
        const CRect grid = Geo().GridArea();
        int differing = 0;
        for (int y = grid.top; y < grid.bottom; ++y)
            for (int x = grid.left; x < grid.right; ++x)
                differing += !(Dc().Pixel(x, y) == fresh.Pixel(x, y));
        EXPECT_EQ(differing, 0);
    }
};

TEST_F(NavigationTest, ShiftArrowsExtendTheSelectionAndAPlainArrowCollapsesIt) {
    Click(2, 2);
    Key(VK_SHIFT, true);
    for (int i = 0; i < 3; ++i)
        Key(VK_RIGHT, true);
    EXPECT_EQ(State(), (Cells{2, 2, 5, 2}));
    EXPECT_TRUE(Sel().RangeMode());
    for (int c = 2; c <= 5; ++c)
        EXPECT_TRUE(Inverted(c, 2)) << c;
    EXPECT_FALSE(Inverted(6, 2));
    EXPECT_EQ(View().CellIndicatorText(), "( 2, 2)-( 5, 2)");

    // Shift released: the selection collapses to (5, 2), then the cursor moves on.
    Key(VK_RIGHT);
    EXPECT_EQ(State(), (Cells{6, 2, 6, 2}));
    EXPECT_FALSE(Sel().RangeMode());
    for (int c = 2; c <= 5; ++c)
        EXPECT_FALSE(Inverted(c, 2)) << c;
    EXPECT_TRUE(Inverted(6, 2));
    EXPECT_EQ(View().CellIndicatorText(), "( 6, 2)");

    // Shift held without its own key press first (pressed while another window had the
    // focus) still extends from the cursor cell.
    Key(VK_DOWN, true);
    EXPECT_EQ(State(), (Cells{6, 2, 6, 3}));
}

TEST_F(NavigationTest, CursorKeysMoveAndStopAtTheEdgesOfTheTable) {
    struct Case {
        const char* name;
        int fromCol, fromRow;
        int vk;
        int col, row;
    } cases[] = {
        {"Left at column 1 stays", 1, 4, VK_LEFT, 1, 4},
        {"Up at row 1 stays", 3, 1, VK_UP, 3, 1},
        {"Right at column 250 stays", 250, 4, VK_RIGHT, 250, 4},
        {"Down at row 250 stays", 3, 250, VK_DOWN, 3, 250},
        {"Tab moves right", 3, 4, VK_TAB, 4, 4},
        {"Enter moves down", 3, 4, VK_RETURN, 3, 5},
        {"Page Up stops at row 1", 3, 4, VK_PRIOR, 3, 1},
        {"Page Down stops at row 250", 3, 245, VK_NEXT, 3, 250},
    };
    IDeviceContext& dc = m_host.GetClientDC();
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        if (Sel().RangeMode())
            View().ToggleRangeMode();
        dc.SelectClipRect(Geo().GridArea());
        View().MoveCursor(dc, t.fromCol, t.fromRow, false);
        Key(t.vk);
        EXPECT_EQ(State(), (Cells{t.col, t.row, t.col, t.row}));
        // The cursor cell is in view and highlighted.
        EXPECT_GE(t.col, Geo().FirstCol() + 1);
        EXPECT_LE(t.col, Geo().FirstCol() + Geo().VisibleCols());
        EXPECT_GE(t.row, Geo().FirstRow() + 1);
        EXPECT_LE(t.row, Geo().FirstRow() + Geo().VisibleRows());
        EXPECT_TRUE(Inverted(t.col, t.row));
    }
    // At column 250 the last page of whole columns fills the view.
    Click(Geo().FirstCol() + 1, 3);
    Key(VK_END);
    for (int i = 0; i < 250; ++i)
        Key(VK_RIGHT);
    EXPECT_EQ(Sel().CursorCol(), 250);
    EXPECT_EQ(Geo().FirstCol(), 250 - Geo().ColumnPageSize());
    EXPECT_EQ(Geo().FirstCol(), 245);
}

TEST_F(NavigationTest, PageKeysMoveByTheVisibleRowsAndEndReachesAPartlyVisibleColumn) {
    // Grid area 533 x 460: rows 1..12 are (partly) visible.
    Resize(W, 25 + 460 + 17);
    ASSERT_EQ(Geo().VisibleRows(), 12);
    Click(2, 3);
    Key(VK_NEXT);
    EXPECT_EQ(State(), (Cells{2, 15, 2, 15}));
    Key(VK_PRIOR);
    EXPECT_EQ(Sel().CursorRow(), 3);

    // Column 6 starts at 550 and is cut off at 583.
    ASSERT_EQ(Geo().VisibleCols(), 6);
    Key(VK_END);
    EXPECT_EQ(Sel().CursorCol(), 6);
    EXPECT_EQ(Geo().FirstCol(), 0);
    Key(VK_HOME);
    EXPECT_EQ(Sel().CursorCol(), 1);
    // With Ctrl they do the same; with Shift they extend.
    Key(VK_END, true, true);
    EXPECT_EQ(State(), (Cells{1, 3, 6, 3}));
}

TEST_F(NavigationTest, KeysThatStartCommands) {
    struct Case {
        const char* name;
        int vk;
        bool ctrl;
        std::vector<int> posted;
    } cases[] = {
        {"F1 help", VK_F1, false, {ID_HELP_INDEX}},
        {"F5 text input", VK_F5, false, {ID_CELL_INPUT}},
        {"Ctrl+F palette", 'F', true, {ID_LINE_PALETTE}},
        {"Ctrl+H cell size", 'H', true, {ID_CELL_SIZE}},
        {"Ctrl+J cell size", 'J', true, {ID_CELL_SIZE}},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        m_host.posted.clear();
        Key(t.vk, false, t.ctrl);
        EXPECT_EQ(m_host.posted, t.posted);
        EXPECT_FALSE(m_host.corner.marked);
    }
    m_host.posted.clear();
    Key('K', false, true);
    EXPECT_EQ(m_host.posted, std::vector<int>{ID_CELL_SIZE});
    EXPECT_TRUE(m_host.corner.marked);

    // Letters without Ctrl are characters, not commands.
    m_host.posted.clear();
    for (int vk : {'F', 'H', 'J', 'K', 'P'})
        EXPECT_FALSE(View().OnKeyDown(vk, false, false));
    EXPECT_TRUE(m_host.posted.empty());
    EXPECT_EQ(State(), (Cells{1, 1, 1, 1}));
}

TEST_F(NavigationTest, CtrlArrowsCycleSingleDoubleAndClear) {
    Key(VK_DOWN, false, true);
    Key(VK_DOWN, false, true);
    Key(VK_DOWN, false, true);
    Key(VK_DOWN, false, true);
    Key(VK_RETURN, false, true); // Ctrl+Enter is Ctrl+Down: the cycle goes on
    Key(VK_LEFT, false, true);   // another key starts again at single
    Key(VK_LEFT, false, true);
    Key(VK_UP, false, true);
    Key(VK_RIGHT, false, true);
    Key(VK_TAB, false, true); // Ctrl+Tab is Ctrl+Right
    Key(VK_TAB, false, true);
    Key(VK_DOWN, false, true);
    EXPECT_EQ(m_host.posted,
              (std::vector<int>{ID_LINE_SINGLE_BOTTOM, ID_LINE_DOUBLE_BOTTOM, ID_LINE_CLEAR,
                                ID_LINE_SINGLE_BOTTOM, ID_LINE_DOUBLE_BOTTOM, ID_LINE_SINGLE_LEFT,
                                ID_LINE_DOUBLE_LEFT, ID_LINE_SINGLE_TOP, ID_LINE_SINGLE_RIGHT,
                                ID_LINE_DOUBLE_RIGHT, ID_LINE_CLEAR, ID_LINE_SINGLE_BOTTOM}));
    // The cursor did not move.
    EXPECT_EQ(State(), (Cells{1, 1, 1, 1}));
}

TEST_F(NavigationTest, ShiftKeyRangeCommandAndDeleteKey) {
    Click(3, 3);
    Key(VK_SHIFT, true);
    EXPECT_TRUE(Sel().RangeMode());
    Key(VK_SHIFT, true); // held down: the repeat changes nothing
    EXPECT_TRUE(Sel().RangeMode());
    CCmdUI ui;
    ASSERT_TRUE(View().OnUpdateCommand(ID_SELECT_RANGE, ui));
    EXPECT_TRUE(ui.enabled);
    EXPECT_TRUE(ui.checked);

    Key(VK_DOWN, true);
    Key(VK_DOWN, true);
    EXPECT_EQ(State(), (Cells{3, 3, 3, 5}));
    // Delete ends range mode, deletes the selected cells, and the refresh of what it deleted
    // then collapses the selection to the cursor cell.
    Key(VK_DELETE);
    EXPECT_FALSE(Sel().RangeMode());
    EXPECT_EQ(State(), (Cells{3, 5, 3, 5}));
    EXPECT_TRUE(Inverted(3, 5));
    EXPECT_FALSE(Inverted(3, 4));

    // The command switches range mode on at the cursor, and off collapsing to it.
    Key(VK_DOWN);
    EXPECT_EQ(State(), (Cells{3, 6, 3, 6}));
    ASSERT_TRUE(View().OnCommand(ID_SELECT_RANGE));
    EXPECT_TRUE(Sel().RangeMode());
    EXPECT_EQ(State(), (Cells{3, 6, 3, 6}));
    MoveTo(5, 6, 0); // no button: nothing
    Key(VK_RIGHT, true);
    EXPECT_EQ(State(), (Cells{3, 6, 4, 6}));
    ASSERT_TRUE(View().OnCommand(ID_SELECT_RANGE));
    EXPECT_FALSE(Sel().RangeMode());
    EXPECT_EQ(State(), (Cells{4, 6, 4, 6}));
    EXPECT_FALSE(Inverted(3, 6));
    EXPECT_TRUE(Inverted(4, 6));
    ASSERT_TRUE(View().OnUpdateCommand(ID_SELECT_RANGE, ui));
    EXPECT_FALSE(ui.checked);
}

TEST_F(NavigationTest, AKeyWhileTheInPlaceEditorIsOpenOnlyEndsIt) {
    Click(2, 2);
    Key(VK_SHIFT, true);
    ASSERT_TRUE(View().OnChar("x"));
    ASSERT_TRUE(View().IsInPlaceEditorOpen());
    Key(VK_RIGHT, true);
    EXPECT_FALSE(View().IsInPlaceEditorOpen());
    EXPECT_FALSE(m_host.editorOpen);
    EXPECT_FALSE(Sel().RangeMode());
    EXPECT_EQ(State(), (Cells{2, 2, 2, 2}));
}

TEST_F(NavigationTest, DragSelectsAndAPlainClickAfterItSelectsOneCell) {
    Click(2, 2);
    MoveTo(2, 2); // the same cell: no drag yet
    EXPECT_FALSE(View().IsDragging());
    MoveTo(3, 4);
    MoveTo(4, 5);
    EXPECT_EQ(State(), (Cells{2, 2, 4, 5}));
    EXPECT_TRUE(Sel().RangeMode());
    EXPECT_TRUE(View().IsDragging());
    for (int r = 2; r <= 5; ++r)
        for (int c = 2; c <= 4; ++c)
            EXPECT_TRUE(Inverted(c, r)) << c << ", " << r;
    EXPECT_FALSE(Inverted(5, 5));
    EXPECT_FALSE(Inverted(4, 6));
    EXPECT_EQ(View().CellIndicatorText(), "( 2, 2)-( 4, 5)");

    View().OnLButtonUp();
    EXPECT_FALSE(View().IsDragging());
    EXPECT_TRUE(Sel().RangeMode());
    Click(5, 7);
    EXPECT_EQ(State(), (Cells{5, 7, 5, 7}));
    EXPECT_FALSE(Sel().RangeMode());
    EXPECT_FALSE(Inverted(3, 3));

    // A Shift-click with range mode on extends from the anchor.
    Key(VK_SHIFT, true);
    Click(3, 8, MK_SHIFT);
    EXPECT_EQ(State(), (Cells{5, 7, 3, 8}));
    // Moves with Shift, Ctrl or another button held do not drag.
    for (int flags : {MK_LBUTTON | MK_SHIFT, MK_LBUTTON | MK_CONTROL, MK_LBUTTON | MK_RBUTTON}) {
        MoveTo(2, 2, flags);
        EXPECT_EQ(State(), (Cells{5, 7, 3, 8})) << flags;
    }
}

TEST_F(NavigationTest, ARangeBuiltUpwardsShowsTheAnchorFirstInTheIndicator) {
    Click(5, 9);
    MoveTo(2, 3);
    EXPECT_EQ(View().CellIndicatorText(), "( 5, 9)-( 2, 3)");
    EXPECT_EQ(Sel().Normalized(), (CCellRect{2, 3, 5, 9}));
    Click(3, 2);
    MoveTo(4, 5);
    View().OnLButtonUp();
    Key(VK_SHIFT, true);
    for (int i = 0; i < 6; ++i)
        Key(VK_RIGHT, true);
    EXPECT_EQ(View().CellIndicatorText(), "( 3, 2)-(10, 5)");
}

TEST_F(NavigationTest, TheMoveAfterTheContextMenuStartsNoDrag) {
    Click(2, 2);
    Key('P', false, true);
    EXPECT_EQ(m_host.contextMenus.size(), 1u);
    EXPECT_EQ(m_host.contextMenus.back(), (CPoint{15, 15}));
    MoveTo(4, 4);
    EXPECT_EQ(State(), (Cells{2, 2, 2, 2}));
    EXPECT_FALSE(View().IsDragging());
    // Only the first move is ignored.
    MoveTo(4, 4);
    EXPECT_EQ(State(), (Cells{2, 2, 4, 4}));

    View().ShowContextMenuAtCorner();
    EXPECT_EQ(m_host.contextMenus.size(), 2u);
    EXPECT_TRUE(View().IgnoresNextMove());
}

TEST_F(NavigationTest, DragOverHeadersAndBarsStepsOneCellPerMove) {
    // Scrolled to row 6 at the top; a drag from (3, 7) to (3, 6).
    View().OnVScroll(SB_THUMBPOSITION, 5);
    ASSERT_EQ(Geo().FirstRow(), 5);
    Click(3, 7);
    MoveTo(3, 6);
    ASSERT_TRUE(View().IsDragging());

    struct Step {
        int id;
        int col, row;
        int firstRow;
    } steps[] = {
        {IDC_COLUMN_HEADER, 3, 5, 4}, // above the top: scrolls up
        {IDC_COLUMN_HEADER, 3, 4, 3}, {IDC_VSCROLL, 4, 4, 3}, {IDC_ROW_HEADER, 3, 4, 3},
        {IDC_HSCROLL, 3, 5, 3},       {IDC_CORNER, 3, 5, 3},
    };
    for (const Step& t : steps) {
        SCOPED_TRACE(t.id);
        View().OnHeaderDrag(t.id);
        EXPECT_EQ(State(), (Cells{3, 7, t.col, t.row}));
        EXPECT_EQ(Geo().FirstRow(), t.firstRow);
    }
    // Without a drag in progress nothing steps.
    View().OnLButtonUp();
    View().OnHeaderDrag(IDC_VSCROLL);
    EXPECT_EQ(State(), (Cells{3, 7, 3, 5}));
}

TEST_F(NavigationTest, StripUpdateInvertsOnlyWhatEnteredOrLeftTheRange) {
    Click(2, 2);
    MoveTo(4, 4); // 3 x 3
    IDeviceContext& dc = m_host.GetClientDC();
    dc.SelectClipRect(Geo().GridArea());
    struct Case {
        const char* name;
        int col, row;
        std::vector<CRect> inverted;
    } cases[] = {
        {"one more column", 5, 4, {{X(5), Y(2), X(6), Y(5)}}},
        {"one column less", 4, 4, {{X(5), Y(2), X(6), Y(5)}}},
        {"one more row", 4, 5, {{X(2), Y(5), X(5), Y(6)}}},
        // Both extents change: the old highlight goes and the new one comes whole.
        {"diagonal", 5, 6, {{X(2), Y(2), X(5), Y(6)}, {X(2), Y(2), X(6), Y(7)}}},
        // Across the anchor column: whole rectangles again.
        {"across the anchor", 1, 6, {{X(2), Y(2), X(6), Y(7)}, {X(1), Y(2), X(3), Y(7)}}},
        // Left of the anchor a new row is a strip too.
        {"one more row left of the anchor", 1, 7, {{X(1), Y(7), X(3), Y(8)}}},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        Dc().ops.clear();
        View().MoveCursor(dc, t.col, t.row, true);
        std::vector<CRect> inverted;
        for (const auto& op : Dc().OpsOf(Kind::Invert))
            inverted.push_back(op.rect);
        EXPECT_EQ(inverted, t.inverted);
        EXPECT_TRUE(Sel().HighlightShown());
        ExpectSameAsFullRepaint();
    }
}

TEST_F(NavigationTest, ScrollRequestsMoveByOneOrThreeAndTheThumbOnlyOnRelease) {
    struct Case {
        const char* name;
        ScrollBarKind kind;
        int start, code, thumb;
        int expected;
    } cases[] = {
        {"column right", ScrollBarKind::Horizontal, 10, SB_LINEDOWN, 0, 11},
        {"column left", ScrollBarKind::Horizontal, 10, SB_LINEUP, 0, 9},
        {"page right", ScrollBarKind::Horizontal, 10, SB_PAGEDOWN, 0, 13},
        {"page left", ScrollBarKind::Horizontal, 10, SB_PAGEUP, 0, 7},
        {"page left clamps at 0", ScrollBarKind::Horizontal, 2, SB_PAGEUP, 0, 0},
        {"thumb released", ScrollBarKind::Horizontal, 10, SB_THUMBPOSITION, 50, 50},
        {"thumb past the last page", ScrollBarKind::Horizontal, 10, SB_THUMBPOSITION, 249, 245},
        {"thumb dragged", ScrollBarKind::Horizontal, 10, SB_THUMBTRACK, 50, 10},
        {"to the far end", ScrollBarKind::Horizontal, 10, SB_BOTTOM, 0, 10},
        {"end of scrolling", ScrollBarKind::Horizontal, 10, SB_ENDSCROLL, 0, 10},
        {"row down", ScrollBarKind::Vertical, 10, SB_LINEDOWN, 0, 11},
        {"page up", ScrollBarKind::Vertical, 10, SB_PAGEUP, 0, 7},
        {"page down clamps", ScrollBarKind::Vertical, 240, SB_PAGEDOWN, 0, 242},
        {"row thumb dragged", ScrollBarKind::Vertical, 10, SB_THUMBTRACK, 50, 10},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        const bool h = t.kind == ScrollBarKind::Horizontal;
        const auto request = [&](int code, int pos) {
            h ? View().OnHScroll(code, pos) : View().OnVScroll(code, pos);
        };
        request(SB_THUMBPOSITION, t.start);
        ASSERT_EQ(Geo().First(t.kind), t.start);
        m_host.scrollTips.clear();
        request(t.code, t.thumb);
        EXPECT_EQ(Geo().First(t.kind), t.expected);
        EXPECT_EQ(m_host.GetBar(t.kind).info.pos, t.expected);
        if (t.code == SB_THUMBTRACK)
            EXPECT_EQ(m_host.scrollTips,
                      std::vector<std::string>{h ? "\xe5\x88\x97: 51" : "\xe8\xa1\x8c: 51"});
        else
            EXPECT_TRUE(m_host.scrollTips.empty());
    }
}

TEST_F(NavigationTest, ScrollingWithTheBarsCarriesTheCursorAlong) {
    Click(5, 3);
    View().OnHScroll(SB_THUMBPOSITION, 10);
    EXPECT_EQ(State(), (Cells{11, 3, 11, 3}));
    EXPECT_TRUE(Inverted(11, 3));
    // Back left by 2: column 11 is still visible (9..14) and stays.
    View().OnHScroll(SB_THUMBPOSITION, 8);
    EXPECT_EQ(Sel().CursorCol(), 11);
    // Back to the start: 11 lies beyond the last visible column 6.
    View().OnHScroll(SB_THUMBPOSITION, 0);
    EXPECT_EQ(Sel().CursorCol(), 6);
    // Rows: the cursor row follows, the column stays.
    View().OnVScroll(SB_PAGEDOWN, 0);
    EXPECT_EQ(State(), (Cells{6, 4, 6, 4}));
    ExpectSameAsFullRepaint();
}

TEST_F(NavigationTest, EnlargingTheWindowAtTheLastColumnsScrollsBack) {
    Resize(430 + 17 + 50, H); // four whole columns of 100
    View().OnHScroll(SB_THUMBPOSITION, 1000);
    ASSERT_EQ(Geo().FirstCol(), 246);
    ASSERT_EQ(Geo().VisibleCols(), 4);
    EXPECT_EQ(Geo().HitTest(51, 30).first, 247);

    // 650 pixels: six whole columns; six visible from 246 would reach past 250.
    Resize(650 + 17 + 50, H);
    EXPECT_EQ(Geo().ColumnPageSize(), 6);
    EXPECT_EQ(Geo().FirstCol(), 249 - 6);
    // The visible count follows the new position: columns 244..250, the last cut off.
    EXPECT_EQ(Geo().VisibleCols(), 7);
    EXPECT_TRUE(m_host.columns[6].visible);
    EXPECT_EQ(m_host.columns[6].caption, "250");
    EXPECT_EQ(m_host.hBar.info.pos, 243);
}

TEST_F(NavigationTest, ScrollingByOneColumnRepaintsOnlyTheUncoveredStrip) {
    for (int r = 1; r <= 20; ++r)
        for (int c = 1; c <= 20; ++c) {
            CCellData d;
            d.text = "t";
            m_doc.m_cells.SetCell(c, r, d);
        }
    m_doc.m_hLines.SetLine(7, 3, LINE_DOUBLE);
    m_doc.m_vLines.SetLine(4, 8, LINE_SINGLE);
    CCellData span;
    span.text = "span";
    span.colspan = 2;
    span.rowspan = 2;
    m_doc.m_cells.SetCell(6, 5, span);
    View().NormalizeSpans();
    Paint();
    // The span is drawn once for each of its rows.
    ASSERT_EQ(Dc().OpsOf(Kind::Text).size(), 6u * 9u);

    struct Case {
        const char* name;
        int code;
        bool vertical;
        std::size_t texts; // cells drawn
        int dx, dy;
    } cases[] = {
        // Columns 6 and 7 touch the uncovered strip (483..583), rows 1..9; in rows 5 and 6
        // the span (6, 5)-(7, 6) counts once.
        {"one column right", SB_LINEDOWN, false, 2 * 9 - 2, -100, 0},
        // Strip 50..150: column 1, and column 2 whose left edge is the strip's right end.
        {"one column left", SB_LINEUP, false, 2 * 9, 100, 0},
        {"one row down", SB_LINEDOWN, true, 2 * 6, 0, -40},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        Dc().ops.clear();
        t.vertical ? View().OnVScroll(t.code, 0) : View().OnHScroll(t.code, 0);
        const auto scrolls = Dc().OpsOf(Kind::Scroll);
        ASSERT_EQ(scrolls.size(), 1u);
        EXPECT_EQ(scrolls[0].dx, t.dx);
        EXPECT_EQ(scrolls[0].dy, t.dy);
        EXPECT_EQ(scrolls[0].rect, Geo().GridArea());
        EXPECT_EQ(Dc().OpsOf(Kind::Text).size(), t.texts);
        ExpectSameAsFullRepaint();
    }
    // A jump of a whole screen repaints everything and moves no pixels.
    Dc().ops.clear();
    View().OnHScroll(SB_THUMBPOSITION, 10);
    EXPECT_TRUE(Dc().OpsOf(Kind::Scroll).empty());
    ExpectSameAsFullRepaint();
}

TEST_F(NavigationTest, DownKeyPastTheLastVisibleRowScrollsByOneRow) {
    Click(1, 9);
    Dc().ops.clear();
    Key(VK_DOWN);
    EXPECT_EQ(Geo().FirstRow(), 1);
    const auto scrolls = Dc().OpsOf(Kind::Scroll);
    ASSERT_EQ(scrolls.size(), 1u);
    EXPECT_EQ(scrolls[0].dy, -40);
    EXPECT_EQ(m_host.rows[0].caption, "2");
    EXPECT_TRUE(Inverted(1, 10));
    ExpectSameAsFullRepaint();
}
