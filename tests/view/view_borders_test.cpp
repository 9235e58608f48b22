// The line commands and the border palette through the view: the editing frame around each
// command (undo, modified, refresh, span normalisation), the input method the palette gives,
// the palette's life, and the Ctrl+arrow cycle.
#include "BorderCommands.h"
#include "CellArray.h"
#include "FakeLinePalette.h"
#include "InputCodes.h"
#include "LineArray.h"
#include "LineRuns.h"
#include "Resource.h"
#include "ViewFixture.h"

#include <gtest/gtest.h>

#include <vector>

class ViewBordersTest : public ViewTest {
protected:
    CFakeLinePaletteFactory m_palettes;

    void SetUp() override {
        ViewTest::SetUp();
        View().SetLinePaletteServices({&m_palettes, &m_box});
    }
    CLineSet Lines() const { return LinesOf(m_doc.m_hLines, m_doc.m_vLines); }
    void Draw(std::initializer_list<CLineRun> runs) {
        ::Draw(m_doc.m_hLines, m_doc.m_vLines, runs);
    }
    void Run(int id) { ASSERT_TRUE(View().OnCommand(id)) << id; }
    CCmdUI State(int id) {
        CCmdUI ui;
        EXPECT_TRUE(View().OnUpdateCommand(id, ui)) << id;
        return ui;
    }
    // Ctrl+key, then the commands it posted, as the window's queue would run them.
    void CtrlKey(int vk) {
        m_host.posted.clear();
        ASSERT_TRUE(View().OnKeyDown(vk, false, true));
        const std::vector<int> posted = m_host.posted;
        for (int id : posted)
            Run(id);
    }
};

TEST_F(ViewBordersTest, EveryLineCommandIsUndoneAndRedone) {
    const struct {
        const char* name;
        int id;
    } commands[] = {
        {"single frame", ID_LINE_SINGLE_FRAME},
        {"double frame", ID_LINE_DOUBLE_FRAME},
        {"single left", ID_LINE_SINGLE_LEFT},
        {"double left", ID_LINE_DOUBLE_LEFT},
        {"single right", ID_LINE_SINGLE_RIGHT},
        {"double right", ID_LINE_DOUBLE_RIGHT},
        {"single top", ID_LINE_SINGLE_TOP},
        {"double top", ID_LINE_DOUBLE_TOP},
        {"single bottom", ID_LINE_SINGLE_BOTTOM},
        {"double bottom", ID_LINE_DOUBLE_BOTTOM},
        {"grid", ID_LINE_GRID},
        {"clear", ID_LINE_CLEAR},
        {"template", ID_LINE_TEMPLATE},
    };
    Select(2, 2, 4, 3);
    for (const auto& c : commands) {
        SCOPED_TRACE(c.name);
        m_doc.m_hLines.ClearAll();
        m_doc.m_vLines.ClearAll();
        // Lines on every edge of the selection and around it, of both kinds.
        Draw({{'H', 1, 5, 2, 2},
              {'H', 2, 4, 3, 1},
              {'H', 1, 5, 4, 2},
              {'V', 2, 3, 2, 1},
              {'V', 2, 3, 3, 2},
              {'V', 2, 3, 5, 2},
              {'V', 1, 4, 6, 1}});
        const CLineSet before = Lines();
        m_doc.SetModifiedFlag(false);
        EXPECT_TRUE(State(c.id).enabled);

        Run(c.id);
        const CLineSet after = Lines();
        EXPECT_NE(after, before);
        EXPECT_TRUE(m_doc.IsModified());
        EXPECT_TRUE(State(ID_EDIT_UNDO).enabled);

        Run(ID_EDIT_UNDO);
        EXPECT_EQ(Lines(), before);
        Run(ID_EDIT_UNDO);
        EXPECT_EQ(Lines(), after);
    }
}

TEST_F(ViewBordersTest, CommandDrawsItsLinesAtOnceAndChangingNothingLeavesTheDocument) {
    Select(2, 2, 3, 2);
    m_host.invalidations.clear();
    Run(ID_LINE_DOUBLE_FRAME);
    EXPECT_TRUE(m_host.invalidations.empty());
    // The highlight away again: a double line lies 2 pixels either side of its edge.
    View().InvertSelection(Dc(), 2, 2, 3, 2);
    for (const int y : {Y(2) - 2, Y(2) + 2, Y(3) - 2, Y(3) + 2})
        EXPECT_EQ(Dc().Pixel(X(2) + 30, y), COLOR_BLACK) << y;
    EXPECT_NE(Dc().Pixel(X(2) + 30, Y(2)), COLOR_BLACK);

    // Erasing where there is no line changes nothing and leaves no change mark.
    Select(6, 6, 6, 6);
    Run(ID_LINE_PALETTE);
    m_palettes.last->inputMethod = LINE_ERASE;
    m_doc.SetModifiedFlag(false);
    Run(ID_LINE_SINGLE_TOP);
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(ViewBordersTest, GridOverASpanLeavesOnlyItsOutline) {
    CCellData span;
    span.SetColspan(2);
    span.SetRowspan(2);
    m_doc.m_cells.SetCell(2, 2, span);
    View().NormalizeSpans();
    Select(2, 2, 3, 3);
    Run(ID_LINE_GRID);
    EXPECT_EQ(Lines(),
              Expand({{'H', 2, 3, 2, 1}, {'H', 2, 3, 4, 1}, {'V', 2, 3, 2, 1}, {'V', 2, 3, 4, 1}}));
    // The lines inside went with the command: undo brings back the table without them.
    Run(ID_EDIT_UNDO);
    EXPECT_EQ(Lines(), CLineSet{});
}

TEST_F(ViewBordersTest, SelectionAtTheTableEdgeWritesEdge251) {
    Select(249, 250, 250, 250);
    Run(ID_LINE_SINGLE_BOTTOM);
    Run(ID_LINE_DOUBLE_RIGHT);
    EXPECT_EQ(Lines(),
              Expand({{'H', 249, 250, 251, 1}, {'V', 250, 250, 250, 2}, {'V', 250, 250, 251, 2}}));
    Run(ID_EDIT_UNDO);
    EXPECT_EQ(Lines(), Expand({{'H', 249, 250, 251, 1}}));
}

TEST_F(ViewBordersTest, CommandsUseTheMethodThePaletteLastRead) {
    Select(1, 1, 2, 1);
    Draw({{'H', 1, 2, 1, 1}, {'H', 1, 2, 2, 2}});
    Run(ID_LINE_PALETTE);
    ASSERT_NE(View().LinePalette(), nullptr);
    m_palettes.last->inputMethod = LINE_ERASE;
    Run(ID_LINE_SINGLE_FRAME); // takes the single top lines, leaves the double bottom ones
    EXPECT_EQ(Lines(), Expand({{'H', 1, 2, 2, 2}}));
    m_palettes.last->inputMethod = LINE_OVERWRITE;
    Run(ID_LINE_SINGLE_LEFT);
    EXPECT_EQ(Lines(), Expand({{'V', 1, 1, 1, 1}, {'V', 1, 1, 2, 1}}));
}

TEST_F(ViewBordersTest, EraseModeEndsWithThePalette) {
    Select(1, 1, 2, 1);
    Draw({{'H', 1, 2, 1, 1}});
    Run(ID_LINE_PALETTE);
    m_palettes.last->inputMethod = LINE_ERASE;
    Run(ID_LINE_CLEAR);
    EXPECT_EQ(Lines(), CLineSet{});
    Run(ID_LINE_PALETTE); // closed
    ASSERT_EQ(View().LinePalette(), nullptr);
    Run(ID_LINE_SINGLE_TOP);
    EXPECT_EQ(Lines(), Expand({{'H', 1, 2, 1, 1}}));
}

TEST_F(ViewBordersTest, PaletteOpensWhereItWasClosed) {
    EXPECT_EQ(View().LinePalettePosition(), (CPoint{0, 0}));
    EXPECT_TRUE(State(ID_LINE_PALETTE).enabled);
    EXPECT_FALSE(State(ID_LINE_PALETTE).checked);

    // The first time the window system places it.
    Run(ID_LINE_PALETTE);
    EXPECT_TRUE(m_palettes.log.moves.empty());
    EXPECT_EQ(m_palettes.log.shown, 1);
    EXPECT_TRUE(State(ID_LINE_PALETTE).checked);
    m_palettes.last->position = {700, 45}; // the user drags it
    m_palettes.last->inputMethod = LINE_OVERWRITE;

    Run(ID_LINE_PALETTE);
    EXPECT_EQ(m_palettes.log.destroyed, 1);
    EXPECT_FALSE(State(ID_LINE_PALETTE).checked);
    EXPECT_EQ(View().LinePalettePosition(), (CPoint{700, 45}));

    Run(ID_LINE_PALETTE);
    EXPECT_EQ(m_palettes.log.created, 2);
    EXPECT_EQ(m_palettes.log.moves, (std::vector<CPoint>{{700, 45}}));
    EXPECT_EQ(View().LinePalette()->InputMethod(), LINE_INSERT);

    // The window goes with the palette open: the position is kept for the settings.
    m_palettes.last->position = {10, 500};
    View().OnDestroy();
    EXPECT_EQ(View().LinePalette(), nullptr);
    EXPECT_EQ(m_palettes.log.destroyed, 2);
    EXPECT_EQ(View().LinePalettePosition(), (CPoint{10, 500}));
    EXPECT_TRUE(m_box.shown.empty());
}

TEST_F(ViewBordersTest, PaletteThatCannotBeCreatedIsReported) {
    m_palettes.fails = true;
    Run(ID_LINE_PALETTE);
    EXPECT_EQ(View().LinePalette(), nullptr);
    EXPECT_EQ(m_box.Texts(), std::vector<std::string>{"メモリの確保に失敗しました。"});
    EXPECT_FALSE(State(ID_LINE_PALETTE).checked);
    // Line commands still work, in insert mode.
    Run(ID_LINE_SINGLE_TOP);
    EXPECT_EQ(Lines(), Expand({{'H', 1, 1, 1, 1}}));
}

TEST_F(ViewBordersTest, PaletteNeedsItsServices) {
    View().SetLinePaletteServices({});
    EXPECT_FALSE(State(ID_LINE_PALETTE).enabled);
    EXPECT_TRUE(State(ID_LINE_GRID).enabled);
}

TEST_F(ViewBordersTest, CtrlRightThreeTimesSingleDoubleThenNoLineOnTheCell) {
    Select(3, 3, 3, 3);
    Draw({{'H', 3, 3, 3, 2}, {'V', 3, 3, 3, 1}}); // top and left of the cell
    CtrlKey(VK_RIGHT);
    EXPECT_EQ(m_host.posted, std::vector<int>{ID_LINE_SINGLE_RIGHT});
    EXPECT_EQ(Lines(), Expand({{'H', 3, 3, 3, 2}, {'V', 3, 3, 3, 1}, {'V', 3, 3, 4, 1}}));
    CtrlKey(VK_RIGHT);
    EXPECT_EQ(Lines(), Expand({{'H', 3, 3, 3, 2}, {'V', 3, 3, 3, 1}, {'V', 3, 3, 4, 2}}));
    CtrlKey(VK_RIGHT);
    EXPECT_EQ(m_host.posted, std::vector<int>{ID_LINE_CLEAR});
    EXPECT_EQ(Lines(), CLineSet{});
    // Ctrl+Tab is Ctrl+Right: the cycle goes on at single.
    CtrlKey(VK_TAB);
    EXPECT_EQ(Lines(), Expand({{'V', 3, 3, 4, 1}}));
    EXPECT_EQ(View().Selection().Normalized(), (CCellRect{3, 3, 3, 3}));
}

TEST_F(ViewBordersTest, CtrlFFocusesTheOpenPalette) {
    CtrlKey('F');
    ASSERT_NE(View().LinePalette(), nullptr);
    EXPECT_EQ(m_palettes.log.focused, 0);
    CtrlKey('F');
    EXPECT_TRUE(m_host.posted.empty());
    EXPECT_EQ(m_palettes.log.focused, 1);
    EXPECT_NE(View().LinePalette(), nullptr);
}
