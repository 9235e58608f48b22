// Cell size commands of the grid view: the cell size dialog and the targets of header
// presses and keys, the standard size, fitting widths to texts, the automatic row height and
// the font, driven through the view's commands with a fake window and a fake text measurer.
#include "CellArray.h"
#include "CellSize.h"
#include "CellSizeData.h"
#include "InputCodes.h"
#include "Resource.h"
#include "ViewFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Columns are 60 wide here: the grid area (50, 25) - (583, 383) shows columns 1 to 9.
constexpr int WIDTH = 60;

std::vector<int> WidthsExcept(std::vector<std::pair<int, int>> changed, int others = WIDTH) {
    std::vector<int> widths(MAX_CELLS, others);
    for (const auto& [col, width] : changed)
        widths[col - 1] = width;
    return widths;
}

} // namespace

class CellSizeTest : public ViewTest {
protected:
    void SetUp() override {
        for (int c = 1; c <= MAX_CELLS; ++c)
            Sizes().SetWidth(c, WIDTH);
        ViewTest::SetUp();
    }

    CCellSize& Sizes() { return m_doc.m_sizes; }
    CCellArray& Cells() { return m_doc.m_cells; }
    std::vector<int> Widths() {
        std::vector<int> widths;
        for (int c = 1; c <= MAX_CELLS; ++c)
            widths.push_back(Sizes().GetWidth(c));
        return widths;
    }
    void ResetWidths() {
        for (int c = 1; c <= MAX_CELLS; ++c)
            Sizes().SetWidth(c, WIDTH);
        View().RebuildEdges();
    }

    // Runs what the view posted, as the window's queue does (a header press posts
    // ID_CELL_SIZE).
    void RunPosted() {
        while (!m_host.posted.empty()) {
            const int id = m_host.posted.front();
            m_host.posted.erase(m_host.posted.begin());
            EXPECT_TRUE(View().OnCommand(id)) << id;
        }
    }
    // A left press on header button k: it marks itself and posts its control id.
    void PressHeader(HeaderKind kind, int k) {
        m_host.Get(kind, k).marked = true;
        const int id = kind == HeaderKind::Corner   ? IDC_CORNER
                       : kind == HeaderKind::Column ? IDC_COLUMN_HEADER
                                                    : IDC_ROW_HEADER;
        EXPECT_TRUE(View().OnCommand(id));
        RunPosted();
    }
    void CtrlKey(int vk) {
        EXPECT_TRUE(View().OnKeyDown(vk, false, true));
        RunPosted();
    }
    // The cell size dialog's user: OK with a width and a height (0: as shown), or Cancel.
    void AnswerOk(int width, int height = 0) {
        m_host.cellSizeAnswer = [=](CCellSizeData& d) {
            if (width)
                d.m_width = width;
            if (height)
                d.m_height = height;
            return true;
        };
    }
    void AnswerCancel() { m_host.cellSizeAnswer = nullptr; }
    const CCellSizeData& Shown() const { return m_host.cellSizeShown.back(); }
    bool AutoHeightChecked() {
        CCmdUI ui;
        EXPECT_TRUE(View().OnUpdateCommand(ID_AUTO_HEIGHT, ui));
        return ui.checked;
    }
    void SwitchAutoHeightOn() {
        ASSERT_FALSE(View().AutoHeight());
        View().OnCommand(ID_AUTO_HEIGHT);
        ASSERT_TRUE(View().AutoHeight());
    }
};

TEST_F(CellSizeTest, HeaderOfColumnSevenSetsOnlyColumnSeven) {
    Sizes().SetWidth(7, 80);
    View().RebuildEdges();
    AnswerOk(150);
    PressHeader(HeaderKind::Column, 6);

    ASSERT_EQ(m_host.cellSizeShown.size(), 1u);
    EXPECT_EQ(Shown().m_title, "7列目のセルのサイズ");
    EXPECT_EQ(Shown().m_width, 80);
    EXPECT_EQ(Shown().m_height, 40);
    EXPECT_EQ(Shown().m_stdWidth, 100);
    EXPECT_EQ(Shown().m_stdHeight, 40);
    EXPECT_FALSE(m_host.columns[6].marked); // the dialog used the mark
    EXPECT_EQ(Widths(), WidthsExcept({{7, 150}}));
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(View().UndoBlock().Rect(), (CCellRect{7, 1, 7, 1}));

    // The grid and the header strip follow at the next paint.
    EXPECT_TRUE(View().HeadersDirty());
    ASSERT_FALSE(m_host.invalidations.empty());
    Paint();
    EXPECT_EQ(X(8) - X(7), 150);
    EXPECT_EQ(m_host.columns[6].rect, (CRect{X(7), 0, X(7) + 150, 24}));
    EXPECT_EQ(m_host.columns[7].rect.left, X(8));
}

// The selection (3, 2)-(5, 4) in range mode; the cursor is (5, 4).
TEST_F(CellSizeTest, SelectedColumnsOrThePressedHeadersColumn) {
    struct Case {
        const char* name;
        HeaderKind header; // Corner: a key instead
        int index;         // header button, or the key
        std::string title;
        int first, last; // the columns set
    } cases[] = {
        {"Ctrl+H", HeaderKind::Corner, 'H', "3列目から 5列目のセルのサイズ", 3, 5},
        {"Ctrl+J", HeaderKind::Corner, 'J', "3列目から 5列目のセルのサイズ", 3, 5},
        {"header of column 7", HeaderKind::Column, 6, "7列目のセルのサイズ", 7, 7},
        {"header of column 4, inside", HeaderKind::Column, 3, "3列目から 5列目のセルのサイズ", 3,
         5},
        {"header of row 3, inside", HeaderKind::Row, 2, "3列目から 5列目のセルのサイズ", 3, 5},
        {"header of row 8: the cursor's column", HeaderKind::Row, 7, "5列目のセルのサイズ", 5, 5},
    };
    Select(3, 2, 5, 4);
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        ResetWidths();
        AnswerOk(90);
        if (t.header == HeaderKind::Corner)
            CtrlKey(t.index);
        else
            PressHeader(t.header, t.index);
        ASSERT_FALSE(m_host.cellSizeShown.empty());
        EXPECT_EQ(Shown().m_title, t.title);
        std::vector<std::pair<int, int>> set;
        for (int c = t.first; c <= t.last; ++c)
            set.push_back({c, 90});
        EXPECT_EQ(Widths(), WidthsExcept(set));
        EXPECT_EQ(View().UndoBlock().Rect(), (CCellRect{t.first, 1, t.last, 1}));
        for (int k = 0; k < MAX_CELLS; ++k)
            ASSERT_FALSE(m_host.columns[k].marked || m_host.rows[k].marked) << k;
        EXPECT_TRUE(View().Selection().RangeMode());
    }
}

TEST_F(CellSizeTest, ScrolledHeadersAndKeysNameTheirColumns) {
    View().OnHScroll(SB_THUMBPOSITION, 10); // columns 11 .. 19 show; the cursor goes to 11
    ASSERT_EQ(View().Selection().CursorCol(), 11);
    AnswerCancel();
    CtrlKey('H');
    EXPECT_EQ(Shown().m_title, "11列目のセルのサイズ");
    PressHeader(HeaderKind::Column, 2);
    EXPECT_EQ(Shown().m_title, "13列目のセルのサイズ");
    EXPECT_FALSE(m_host.columns[2].marked); // used, although the dialog was cancelled
    EXPECT_EQ(Widths(), WidthsExcept({}));
}

TEST_F(CellSizeTest, CornerAndCtrlKSetEveryColumn) {
    struct Case {
        const char* name;
        bool corner; // a press on the corner button, else Ctrl+K
        bool ok;
    } cases[] = {
        {"corner, OK", true, true},
        {"Ctrl+K, OK", false, true},
        {"Ctrl+K, cancelled", false, false},
        {"corner, cancelled", true, false},
    };
    Select(3, 2, 5, 4);
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        ResetWidths();
        View().UndoBlock().Clear();
        if (t.ok)
            AnswerOk(90);
        else
            AnswerCancel();
        if (t.corner)
            PressHeader(HeaderKind::Corner, 0);
        else
            CtrlKey('K');
        EXPECT_EQ(Shown().m_title, "全てのセルのサイズ");
        EXPECT_FALSE(m_host.corner.marked); // cleared either way
        EXPECT_EQ(Widths(), WidthsExcept({}, t.ok ? 90 : WIDTH));
        EXPECT_EQ(View().UndoBlock().IsEmpty(), !t.ok);
        if (t.ok) {
            EXPECT_EQ(View().UndoBlock().Rect(), (CCellRect{1, 1, MAX_CELLS, 1}));
        }
    }
}

TEST_F(CellSizeTest, OkWithoutAWidthChangeMakesNoUndoRecordButSetsTheHeight) {
    AnswerOk(0, 30);
    CtrlKey('H');
    EXPECT_EQ(Widths(), WidthsExcept({}));
    EXPECT_TRUE(View().UndoBlock().IsEmpty());
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(Sizes().GetHeight(), 30);
    EXPECT_EQ(Y(3) - Y(2), 30);
    EXPECT_TRUE(View().HeadersDirty());

    // A height alone is no change of the table either; Cancel changes nothing at all.
    AnswerOk(0, 50);
    CtrlKey('K');
    EXPECT_TRUE(View().UndoBlock().IsEmpty());
    EXPECT_FALSE(m_doc.IsModified());
    AnswerCancel();
    CtrlKey('H');
    EXPECT_EQ(Sizes().GetHeight(), 50);
}

TEST_F(CellSizeTest, WidthChangeUndoneAndRedone) {
    AnswerOk(150);
    PressHeader(HeaderKind::Column, 1);
    ASSERT_EQ(Sizes().GetWidth(2), 150);
    m_host.invalidations.clear();
    View().OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Widths(), WidthsExcept({}));
    EXPECT_EQ(X(3) - X(2), WIDTH);
    EXPECT_FALSE(m_host.invalidations.empty());
    View().OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Widths(), WidthsExcept({{2, 150}}));
}

TEST_F(CellSizeTest, CheckedSizesBecomeTheStandardSizes) {
    m_host.cellSizeAnswer = [](CCellSizeData& d) {
        d.m_width = 120;
        d.m_height = 30;
        d.m_saveStdWidth = true;
        d.m_saveStdHeight = true;
        return true;
    };
    CtrlKey('H');
    EXPECT_EQ(Sizes().GetStdWidth(), 120);
    EXPECT_EQ(Sizes().GetStdHeight(), 30);
    AnswerOk(0, 50); // unchecked: the standard height stays
    CtrlKey('H');
    EXPECT_EQ(Sizes().GetStdHeight(), 30);
    const std::vector<int> before = Widths();
    ASSERT_EQ(before, WidthsExcept({{1, 120}}));

    m_doc.SetModifiedFlag(false);
    View().OnCommand(ID_STANDARD_SIZE);
    EXPECT_EQ(Widths(), WidthsExcept({}, 120));
    EXPECT_EQ(Sizes().GetHeight(), 30);
    EXPECT_EQ(X(3) - X(2), 120);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(View().UndoBlock().Rect(), (CCellRect{1, 1, MAX_CELLS, MAX_CELLS}));

    // Undo brings the widths back, not the row height.
    View().OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Widths(), before);
    EXPECT_EQ(Sizes().GetHeight(), 30);
}

TEST_F(CellSizeTest, FitWidthMeasuresTheLongestTextOfEachSelectedColumn) {
    struct Case {
        const char* name;
        int col;
        std::vector<std::pair<int, std::string>> texts; // row, text
        int width;                                      // after the fit
    } cases[] = {
        {"narrower than 11 pixels", 1, {{1, "n10"}}, 25},
        {"11 pixels", 2, {{2, "n11"}}, 25},
        {"12 pixels", 3, {{1, "n12"}}, 26},
        {"486 pixels", 4, {{1, "n486"}}, 500},
        {"wider than 486 pixels", 5, {{3, "n487"}}, 500},
        {"the longest in bytes; rows outside the selection do not count",
         6,
         {{1, "abc"}, {2, "abcdefghij"}, {5, "far too long for the selection"}},
         10 * 7 + 14},
        {"equally long: the topmost", 7, {{2, "top"}, {3, "low"}}, 44},
        {"no text: the standard width", 8, {{1, ""}, {6, "below"}}, 100},
    };
    m_host.measurer.widths = {{"n10", 10},   {"n11", 11}, {"n12", 12}, {"n486", 486},
                              {"n487", 487}, {"top", 30}, {"low", 60}};
    for (const Case& t : cases)
        for (const auto& [row, text] : t.texts) {
            CCellData d;
            d.text = text;
            Cells().SetCell(t.col, row, d);
        }
    // A span's text counts for the column of its origin only, measured whole.
    CCellData span;
    span.text = "span over two";
    span.SetColspan(2);
    Cells().SetCell(9, 2, span);
    View().NormalizeSpans();

    Select(1, 1, 10, 4);
    View().OnCommand(ID_FIT_WIDTH);
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        EXPECT_EQ(Sizes().GetWidth(t.col), t.width);
    }
    EXPECT_EQ(Sizes().GetWidth(9), 13 * 7 + 14);
    EXPECT_EQ(Sizes().GetWidth(10), 100); // covered by the span, no text of its own
    EXPECT_EQ(Sizes().GetWidth(11), WIDTH);
    const std::vector<std::string> measured{"n10",  "n11",        "n12", "n486",
                                            "n487", "abcdefghij", "top", "span over two"};
    EXPECT_EQ(m_host.measurer.measured, measured);
    EXPECT_EQ(m_host.measurer.fonts.back(), View().ViewFont());
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(View().UndoBlock().Rect(), (CCellRect{1, 1, 10, 4}));
    EXPECT_TRUE(View().HeadersDirty());

    View().OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Widths(), WidthsExcept({}));
}

TEST_F(CellSizeTest, FitColumnWidthOutsideTheTableIsTheStandardWidth) {
    CCellData d;
    d.text = "x";
    Cells().SetCell(1, 1, d);
    Sizes().SetStdWidth(130);
    for (int col : {0, 251, -1})
        EXPECT_EQ(View().FitColumnWidth(col), 130) << col;
    EXPECT_EQ(View().FitColumnWidth(1), 25);
}

TEST_F(CellSizeTest, AutomaticRowHeightFollowsTheLineHeight) {
    struct Case {
        int line;
        int height;
    } cases[] = {{18, 32}, {86, 100}, {90, 100}, {1, 15}, {0, 15}, {2, 16}};
    for (const Case& t : cases) {
        SCOPED_TRACE(t.line);
        m_host.measurer.lineHeight = t.line;
        Sizes().SetHeight(40);
        View().OnCommand(ID_AUTO_HEIGHT);
        ASSERT_TRUE(View().AutoHeight());
        EXPECT_TRUE(AutoHeightChecked());
        EXPECT_EQ(Sizes().GetHeight(), t.height);
        EXPECT_EQ(Y(2) - Y(1), t.height);
        // Switched off, the height stays.
        View().OnCommand(ID_AUTO_HEIGHT);
        EXPECT_FALSE(AutoHeightChecked());
        EXPECT_EQ(Sizes().GetHeight(), t.height);
        EXPECT_EQ(View().AutoRowHeight(), 40);
    }
    EXPECT_TRUE(View().UndoBlock().IsEmpty());
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(CellSizeTest, ADifferentHeightSwitchesAutomaticHeightOff) {
    SwitchAutoHeightOn();
    ASSERT_EQ(Sizes().GetHeight(), 32);
    AnswerOk(90); // the height as it is
    CtrlKey('H');
    EXPECT_TRUE(View().AutoHeight());
    AnswerOk(0, 50);
    CtrlKey('H');
    EXPECT_FALSE(View().AutoHeight());
    EXPECT_EQ(Sizes().GetHeight(), 50);

    // The standard height differs from the automatic one as well.
    SwitchAutoHeightOn();
    View().OnCommand(ID_STANDARD_SIZE);
    EXPECT_EQ(Sizes().GetHeight(), 40);
    EXPECT_FALSE(View().AutoHeight());
}

TEST_F(CellSizeTest, FontDialogSetsTheFontAndTheAutomaticHeightFollows) {
    m_host.measurer.heightFromFont = true;
    CCellData d;
    d.text = "A";
    Cells().SetCell(1, 1, d);
    const CFontDesc first = View().ViewFont();
    ASSERT_EQ(m_host.viewFonts, std::vector<CFontDesc>{first}); // given at the initial update
    SwitchAutoHeightOn();
    ASSERT_EQ(Sizes().GetHeight(), 22 + 14);

    CFontDesc larger = first;
    larger.face = "IPAGothic";
    larger.height = -30;
    larger.weight = 700;
    m_host.fontAnswer = [&](CFontDesc& f) {
        f = larger;
        return true;
    };
    m_host.invalidations.clear();
    View().OnCommand(ID_FONT);
    ASSERT_EQ(m_host.fontShown.size(), 1u);
    EXPECT_EQ(m_host.fontShown[0], first);
    EXPECT_EQ(View().ViewFont(), larger);
    EXPECT_EQ(m_host.viewFonts.back(), larger); // the headers and the in-place editor
    EXPECT_EQ(Sizes().GetHeight(), 30 + 14);
    EXPECT_EQ(Y(2) - Y(1), 44);
    EXPECT_TRUE(View().HeadersDirty());
    EXPECT_FALSE(m_host.invalidations.empty());
    Paint();
    const auto texts = Dc().OpsOf(CRecordingDC::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].font, larger);
    EXPECT_EQ(texts[0].rect, (CRect{X(1), Y(1), X(2) + 1, Y(2) + 1}.Deflated(3)));
    // A setting of the program, not of the table.
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_TRUE(View().UndoBlock().IsEmpty());

    // Cancelled, nothing changes; with automatic height off the height stays.
    m_host.fontAnswer = nullptr;
    View().OnCommand(ID_FONT);
    EXPECT_EQ(View().ViewFont(), larger);
    View().OnCommand(ID_AUTO_HEIGHT);
    m_host.fontAnswer = [&](CFontDesc& f) {
        f = first;
        return true;
    };
    View().OnCommand(ID_FONT);
    EXPECT_EQ(View().ViewFont(), first);
    EXPECT_EQ(Sizes().GetHeight(), 44);
}

TEST_F(CellSizeTest, CommandStates) {
    // The header buttons' presses pass the router only when enabled.
    for (int id : {ID_CELL_SIZE, ID_STANDARD_SIZE, ID_FIT_WIDTH, ID_FONT, ID_AUTO_HEIGHT,
                   IDC_CORNER, IDC_COLUMN_HEADER, IDC_ROW_HEADER}) {
        SCOPED_TRACE(id);
        CCmdUI ui;
        ui.enabled = false;
        EXPECT_TRUE(View().OnUpdateCommand(id, ui));
        EXPECT_TRUE(ui.enabled);
        EXPECT_FALSE(ui.checked);
    }
}
