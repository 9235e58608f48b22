// Text entry, placement and undo of the grid view, driven through the view's handlers with
// a fake window that plays the in-place editor and the text input dialog.
#include "CellArray.h"
#include "CellSize.h"
#include "InputCodes.h"
#include "LineArray.h"
#include "ModelChecks.h"
#include "Resource.h"
#include "ViewFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class ViewEditTest : public ViewTest {
protected:
    CCellArray& Cells() { return m_doc.m_cells; }

    // Types text into the grid: the first character opens the editor, the rest is typed in
    // it; endKey ends it (INPLACE_NO_END_KEY: a click elsewhere).
    void Type(const std::string& text, int endKey) {
        ASSERT_TRUE(View().OnChar(text.substr(0, 1)));
        ASSERT_TRUE(m_host.editorOpen);
        m_host.editorText += text.substr(1);
        m_host.editorEndKey = endKey;
        View().OnInPlaceEditKillFocus();
        ASSERT_FALSE(m_host.editorOpen);
    }
    // ID_CELL_INPUT answered by the dialog with change (OK) or cancelled.
    void CellInput(std::function<void(CCellInputData&)> change = {}) {
        m_host.cellInputAnswer = [change](CCellInputData& d) {
            if (change)
                change(d);
            return true;
        };
        ASSERT_TRUE(View().OnCommand(ID_CELL_INPUT));
        m_host.cellInputAnswer = nullptr;
    }
    bool UndoEnabled() {
        CCmdUI ui;
        EXPECT_TRUE(View().OnUpdateCommand(ID_EDIT_UNDO, ui));
        return ui.enabled;
    }
    void Undo() { ASSERT_TRUE(View().OnCommand(ID_EDIT_UNDO)); }
};

TEST_F(ViewEditTest, TypedTextUndoneRedoneAndUndoneAgain) {
    EXPECT_FALSE(UndoEnabled());
    Type("a", INPLACE_NO_END_KEY);
    ASSERT_NE(Cells().GetCell(1, 1), nullptr);
    EXPECT_EQ(*Cells().GetCell(1, 1), Record("a"));
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_TRUE(UndoEnabled());

    Undo();
    EXPECT_EQ(Cells().GetCell(1, 1), nullptr);
    EXPECT_TRUE(UndoEnabled());
    Undo();
    ASSERT_NE(Cells().GetCell(1, 1), nullptr);
    EXPECT_EQ(Cells().GetCell(1, 1)->text, "a");
    Undo();
    EXPECT_EQ(Cells().GetCell(1, 1), nullptr);
    EXPECT_TRUE(m_host.postedKeys.empty());
}

TEST_F(ViewEditTest, JoinUndoneBringsBackTheRecordsWithTheirLines) {
    Cells().SetCell(1, 1, Record("A", 1, 1, 0));
    Cells().SetCell(2, 1, Record("B"));
    Cells().SetCell(3, 1, Record("C", 1, 1, 2, 2));
    m_doc.m_vLines.SetLine(1, 2, LINE_SINGLE); // between A and B
    m_doc.m_vLines.SetLine(1, 3, LINE_DOUBLE); // between B and C
    m_doc.m_hLines.SetLine(2, 2, LINE_SINGLE); // under B
    View().NormalizeSpans();
    const auto records = Records(Cells());
    const auto lines = Lines(m_doc.m_hLines, m_doc.m_vLines);

    Select(1, 1, 3, 1);
    CellInput();
    EXPECT_EQ(m_host.cellInputShown.m_colspan, 3);
    EXPECT_EQ(m_host.cellInputShown.m_text, "A");
    EXPECT_EQ(Records(Cells()), (std::vector<CPlaced>{{1, 1, Record("A", 3, 1, 0)}}));
    EXPECT_EQ(m_doc.m_vLines.GetLine(1, 2), LINE_NONE);
    EXPECT_EQ(m_doc.m_vLines.GetLine(1, 3), LINE_NONE);
    EXPECT_EQ(View().SpanMap().GetOrigin(3, 1), std::make_pair(1, 1));

    Undo();
    EXPECT_EQ(Records(Cells()), records);
    EXPECT_EQ(Lines(m_doc.m_hLines, m_doc.m_vLines), lines);
    EXPECT_EQ(View().SpanMap().GetOrigin(3, 1), std::make_pair(3, 1));

    Undo(); // redo
    EXPECT_EQ(Records(Cells()), (std::vector<CPlaced>{{1, 1, Record("A", 3, 1, 0)}}));
    EXPECT_EQ(View().SpanMap().GetOrigin(2, 1), std::make_pair(1, 1));
}

TEST_F(ViewEditTest, PlacementUndoKeepsSpanReachingIntoTheSelection) {
    Cells().SetCell(1, 1, Record("span", 3, 1, 1, 0)); // covers (1, 1)-(3, 1)
    Cells().SetCell(4, 1, Record("D"));
    m_doc.m_hLines.SetLine(2, 1, LINE_DOUBLE); // top of the span's middle cell
    View().NormalizeSpans();
    const auto records = Records(Cells());
    const auto lines = Lines(m_doc.m_hLines, m_doc.m_vLines);

    Select(2, 1, 4, 1);
    ASSERT_TRUE(View().OnCommand(ID_ALIGN_LEFT));
    EXPECT_EQ(Cells().GetCell(4, 1)->hplace, 0);
    EXPECT_EQ(*Cells().GetCell(1, 1), Record("span", 3, 1, 1, 0));

    Undo();
    EXPECT_EQ(Records(Cells()), records);
    EXPECT_EQ(Lines(m_doc.m_hLines, m_doc.m_vLines), lines);
    EXPECT_EQ(View().SpanMap().GetOrigin(3, 1), std::make_pair(1, 1));
    Undo();
    EXPECT_EQ(Cells().GetCell(4, 1)->hplace, 0);
    EXPECT_EQ(*Cells().GetCell(1, 1), Record("span", 3, 1, 1, 0));
}

TEST_F(ViewEditTest, UndoDisabledOnceContentsAreReplaced) {
    const std::string sample = std::string(BRINDLE_TEST_DATA) + "/document/sample.brd";
    struct Case {
        const char* name;
        bool open;       // Open a file, else New
        bool paintFirst; // the view learns it at its paint, else at its update
    };
    for (const Case& c : {Case{"open, update", true, false}, Case{"open, paint", true, true},
                          Case{"new, update", false, false}}) {
        SCOPED_TRACE(c.name);
        Type("z", INPLACE_NO_END_KEY);
        ASSERT_TRUE(UndoEnabled());
        if (c.open)
            ASSERT_FALSE(m_doc.OpenFile(sample).Failed());
        else
            ASSERT_TRUE(m_doc.OnNewDocument());
        m_doc.m_bContentsReplaced = true;
        if (c.paintFirst)
            Paint();
        else
            View().OnUpdate();
        EXPECT_FALSE(UndoEnabled());
        const auto records = Records(Cells());
        Undo();
        EXPECT_EQ(Records(Cells()), records);
    }
}

TEST_F(ViewEditTest, UndoOfWidthsRepaintsTheWholeView) {
    View().UndoBlock().Save(1, 1, 2, 1);
    m_doc.m_sizes.SetWidth(1, 40);
    View().RebuildEdges();
    ASSERT_EQ(X(2), 90);
    m_host.invalidations.clear();
    Undo();
    EXPECT_EQ(m_doc.m_sizes.GetWidth(1), 100);
    EXPECT_EQ(X(2), 150);
    ASSERT_FALSE(m_host.invalidations.empty());
    EXPECT_TRUE(m_host.invalidations.back());

    // A change of records only: the region alone.
    Type("q", INPLACE_NO_END_KEY);
    m_host.invalidations.clear();
    Undo();
    EXPECT_TRUE(m_host.invalidations.empty());
}

TEST_F(ViewEditTest, DialogJoinsThreeByThree) {
    for (int r = 2; r <= 4; ++r)
        for (int c = 3; c <= 5; ++c)
            Cells().SetCell(c, r, Record(std::to_string(c * 10 + r)));
    Select(3, 2, 5, 4);
    CellInput();
    const CCellInputData& shown = m_host.cellInputShown;
    EXPECT_EQ(shown.m_colspan, 3);
    EXPECT_EQ(shown.m_rowspan, 3);
    EXPECT_EQ(shown.m_maxColspan, 248);
    EXPECT_EQ(shown.m_maxRowspan, 249);
    EXPECT_EQ(Records(Cells()), (std::vector<CPlaced>{{3, 2, Record("32", 3, 3)}}));
    EXPECT_FALSE(View().Selection().RangeMode());
    EXPECT_EQ(View().SpanMap().GetOrigin(5, 4), std::make_pair(3, 2));
}

TEST_F(ViewEditTest, DialogOnSpanOriginDissolvesIt) {
    Cells().SetCell(2, 2, Record("wide", 3, 2));
    m_doc.m_vLines.SetLine(2, 3, LINE_SINGLE); // inside: cleared by normalisation
    View().NormalizeSpans();
    Select(2, 2, 2, 2);
    CellInput();
    EXPECT_EQ(m_host.cellInputShown.m_colspan, 1);
    EXPECT_EQ(m_host.cellInputShown.m_rowspan, 1);
    EXPECT_EQ(Records(Cells()), (std::vector<CPlaced>{{2, 2, Record("wide")}}));
    EXPECT_EQ(Lines(m_doc.m_hLines, m_doc.m_vLines).size(), 0u);
    EXPECT_EQ(View().SpanMap().GetOrigin(4, 3), std::make_pair(4, 3));
}

TEST_F(ViewEditTest, OverlappedSpanOutsideTheBlockGoesAndComesBackWithUndo) {
    Cells().SetCell(1, 3, Record("AB", 2, 1)); // covers (1, 3)-(2, 3)
    Cells().SetCell(2, 2, Record("top", 1, 1, 2));
    m_doc.m_hLines.SetLine(1, 3, LINE_DOUBLE);
    View().NormalizeSpans();
    const auto records = Records(Cells());
    const auto lines = Lines(m_doc.m_hLines, m_doc.m_vLines);

    Select(2, 2, 2, 3);
    CellInput([](CCellInputData& d) { d.m_text = "new"; });
    EXPECT_EQ(Records(Cells()), (std::vector<CPlaced>{{2, 2, Record("new", 1, 2, 2)}}));

    Undo();
    EXPECT_EQ(Records(Cells()), records);
    EXPECT_EQ(Lines(m_doc.m_hLines, m_doc.m_vLines), lines);
    EXPECT_EQ(View().SpanMap().GetOrigin(2, 3), std::make_pair(1, 3));
}

TEST_F(ViewEditTest, TypedCountsAreCutAtTheTableEdge) {
    struct Case {
        const char* name;
        int col, row, colspan, rowspan;
        int wantCols, wantRows;
    };
    const Case cases[] = {
        {"column 248, 10 columns", 248, 1, 10, 1, 3, 1},
        {"row 245, 250 rows", 1, 245, 1, 250, 1, 6},
        {"corner, both", 250, 250, 5, 5, 1, 1},
        {"room enough", 10, 10, 4, 2, 4, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Cells().DeleteAll();
        View().NormalizeSpans();
        Select(c.col, c.row, c.col, c.row);
        CellInput([&](CCellInputData& d) {
            d.m_colspan = c.colspan;
            d.m_rowspan = c.rowspan;
        });
        EXPECT_EQ(m_host.cellInputShown.m_maxColspan, 251 - c.col);
        EXPECT_EQ(m_host.cellInputShown.m_maxRowspan, 251 - c.row);
        const CCellData* rec = Cells().GetCell(c.col, c.row);
        ASSERT_NE(rec, nullptr);
        EXPECT_EQ(rec->colspan, c.wantCols);
        EXPECT_EQ(rec->rowspan, c.wantRows);
    }
}

TEST_F(ViewEditTest, DialogRemembersTheLastTextForCellsWithoutRecord) {
    Select(1, 1, 1, 1);
    CellInput([](CCellInputData& d) { d.m_text = "abc"; });
    EXPECT_EQ(Cells().GetCell(1, 1)->text, "abc");

    Cells().SetCell(4, 4, Record("own", 1, 1, 0, 2));
    Select(4, 4, 4, 4);
    m_host.cellInputAnswer = nullptr; // Cancel
    ASSERT_TRUE(View().OnCommand(ID_CELL_INPUT));
    EXPECT_EQ(m_host.cellInputShown.m_text, "own");
    EXPECT_EQ(m_host.cellInputShown.m_hplace, 0);
    EXPECT_EQ(m_host.cellInputShown.m_vplace, 2);
    EXPECT_EQ(Cells().GetCell(4, 4)->text, "own");

    // The text of the last use carries over; the placements start centred.
    Select(6, 6, 6, 6);
    ASSERT_TRUE(View().OnCommand(ID_CELL_INPUT));
    EXPECT_EQ(m_host.cellInputShown.m_text, "own");
    EXPECT_EQ(m_host.cellInputShown.m_hplace, 1);
    EXPECT_EQ(m_host.cellInputShown.m_vplace, 1);
    EXPECT_EQ(Cells().GetCell(6, 6), nullptr);
}

TEST_F(ViewEditTest, CancelledDialogChangesNothing) {
    Cells().SetCell(2, 2, Record("x"));
    Select(2, 2, 3, 3);
    const bool modified = m_doc.IsModified();
    ASSERT_TRUE(View().OnCommand(ID_CELL_INPUT));
    EXPECT_EQ(m_host.cellInputRuns, 1);
    EXPECT_EQ(Records(Cells()), (std::vector<CPlaced>{{2, 2, Record("x")}}));
    EXPECT_FALSE(UndoEnabled());
    EXPECT_EQ(m_doc.IsModified(), modified);
}

TEST_F(ViewEditTest, PlacementCommands) {
    struct Case {
        int id;
        int hplace;
    };
    for (const Case& c :
         {Case{ID_ALIGN_LEFT, 0}, Case{ID_ALIGN_CENTER, 1}, Case{ID_ALIGN_RIGHT, 2}}) {
        SCOPED_TRACE(c.id);
        Cells().DeleteAll();
        m_doc.SetModifiedFlag(false);
        Select(2, 2, 4, 3);
        ASSERT_TRUE(View().OnCommand(c.id));
        EXPECT_TRUE(Cells().IsEmpty());
        EXPECT_FALSE(m_doc.IsModified());

        Cells().SetCell(2, 2, Record("a", 1, 1, 1, 0));
        Cells().SetCell(4, 3, Record("b", 1, 1, 0, 2));
        Cells().SetCell(5, 3, Record("out", 1, 1, 1, 1));
        ASSERT_TRUE(View().OnCommand(c.id));
        EXPECT_TRUE(m_doc.IsModified());
        EXPECT_EQ(Records(Cells()), (std::vector<CPlaced>{{2, 2, Record("a", 1, 1, c.hplace, 0)},
                                                          {4, 3, Record("b", 1, 1, c.hplace, 2)},
                                                          {5, 3, Record("out")}}));
        CCmdUI ui;
        ui.enabled = false;
        EXPECT_TRUE(View().OnUpdateCommand(c.id, ui));
        EXPECT_TRUE(ui.enabled);
    }
}

TEST_F(ViewEditTest, TypingOverTwoCellsThenEnter) {
    Cells().SetCell(2, 1, Record("old", 1, 1, 2, 0));
    Select(1, 1, 2, 1);
    Type("x", VK_RETURN);
    EXPECT_EQ(Records(Cells()), (std::vector<CPlaced>{{1, 1, Record("x", 2, 1, 1, 1)}}));
    ASSERT_EQ(m_host.postedKeys, std::vector<int>{VK_RETURN});
    // The posted key reaches the view and moves the cursor as Enter does.
    View().OnKeyDown(VK_RETURN, false, false);
    EXPECT_EQ(View().Selection().Normalized(), (CCellRect{2, 2, 2, 2}));
}

TEST_F(ViewEditTest, TabAndEnterArePassedOnEscIsNot) {
    struct Case {
        int endKey;
        std::vector<int> posted;
        bool stored;
    };
    for (const Case& c : {Case{VK_TAB, {VK_TAB}, true}, Case{VK_RETURN, {VK_RETURN}, true},
                          Case{VK_ESCAPE, {}, false}, Case{INPLACE_NO_END_KEY, {}, true}}) {
        SCOPED_TRACE(c.endKey);
        Cells().DeleteAll();
        m_host.postedKeys.clear();
        Select(3, 3, 3, 3);
        Type("k", c.endKey);
        EXPECT_EQ(m_host.postedKeys, c.posted);
        EXPECT_EQ(Cells().GetCell(3, 3) != nullptr, c.stored);
        EXPECT_FALSE(View().IsInPlaceEditorOpen());
    }
}

TEST_F(ViewEditTest, EscLeavesTableAndUndoAlone) {
    Cells().SetCell(1, 1, Record("keep"));
    Select(1, 1, 1, 1);
    ASSERT_TRUE(View().OnCommand(ID_ALIGN_RIGHT));
    m_doc.SetModifiedFlag(false);
    Type("typed", VK_ESCAPE);
    EXPECT_EQ(*Cells().GetCell(1, 1), Record("keep", 1, 1, 2));
    EXPECT_FALSE(m_doc.IsModified());
    Undo(); // undoes the placement, not the typing
    EXPECT_EQ(*Cells().GetCell(1, 1), Record("keep"));
}

TEST_F(ViewEditTest, EditorOpensOnlyForCharacters) {
    struct Case {
        const char* name;
        std::string c;
        bool ctrl;
        bool opens;
    };
    const Case cases[] = {
        {"letter", "a", false, true},
        {"digit", "7", false, true},
        {"half-width katakana", "\xB1", false, true},
        {"double-byte character", "\x82\xA0", false, true},
        {"backspace", "\x08", false, true},
        {"with ctrl", "a", true, false},
        {"tab", "\t", false, false},
        {"enter", "\r", false, false},
        {"esc", "\x1b", false, false},
        {"lone lead byte 129", "\x81", false, false},
        {"lone lead byte 159", "\x9F", false, false},
        {"lone lead byte 224", "\xE0", false, false},
        {"lone lead byte 252", "\xFC", false, false},
        {"byte 253", "\xFD", false, true},
        {"empty", "", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_host.editorOpens = 0;
        EXPECT_EQ(View().OnChar(c.c, c.ctrl), c.opens);
        EXPECT_EQ(m_host.editorOpens, c.opens ? 1 : 0);
        EXPECT_EQ(View().IsInPlaceEditorOpen(), c.opens);
        if (c.opens) {
            EXPECT_EQ(m_host.editorText, c.c);
            m_host.editorEndKey = VK_ESCAPE;
            View().EndInPlaceEditor();
        }
    }
}

TEST_F(ViewEditTest, EditorOverTheSelectionAndOnlyOne) {
    Select(2, 2, 3, 3);
    ASSERT_TRUE(View().OnChar("a"));
    EXPECT_EQ(m_host.editorRect, (CRect{X(2), Y(2), X(4), Y(4)}));
    // A second character goes to the open editor, not to a new one.
    EXPECT_FALSE(View().OnChar("b"));
    View().OnImeStartComposition();
    EXPECT_EQ(m_host.editorOpens, 1);
    // A key in the view ends the editor and does nothing else.
    View().OnKeyDown(VK_RIGHT, false, false);
    EXPECT_FALSE(m_host.editorOpen);
    EXPECT_EQ(Records(Cells()), (std::vector<CPlaced>{{2, 2, Record("a", 2, 2)}}));
    EXPECT_EQ(View().Selection().Normalized(), (CCellRect{3, 3, 3, 3}));
}

TEST_F(ViewEditTest, CompositionOpensTheEditorEmpty) {
    Select(5, 2, 5, 2);
    View().OnImeStartComposition();
    ASSERT_TRUE(m_host.editorOpen);
    EXPECT_EQ(m_host.editorText, "");
    m_host.editorText = "\x93\xfa\x96\x7b"; // 日本
    View().EndInPlaceEditor();
    ASSERT_NE(Cells().GetCell(5, 2), nullptr);
    EXPECT_EQ(Cells().GetCell(5, 2)->text, "\x93\xfa\x96\x7b");
}

TEST_F(ViewEditTest, EmptyTextIsStoredAndRefusedTextIsNot) {
    Cells().SetCell(1, 1, Record("old", 1, 1, 0));
    Select(1, 1, 1, 1);
    View().OnImeStartComposition();
    m_host.editorRefuses = true;
    View().EndInPlaceEditor();
    EXPECT_EQ(*Cells().GetCell(1, 1), Record("old", 1, 1, 0));
    EXPECT_FALSE(UndoEnabled());

    m_host.editorRefuses = false;
    View().OnImeStartComposition();
    View().EndInPlaceEditor();
    EXPECT_EQ(*Cells().GetCell(1, 1), Record(""));
}

TEST_F(ViewEditTest, VerticalPlacementKeptByDialogResetByEditor) {
    Cells().SetCell(1, 1, Record("v", 1, 1, 2, 0));
    Select(1, 1, 1, 1);
    CellInput();
    EXPECT_EQ(*Cells().GetCell(1, 1), Record("v", 1, 1, 2, 0));
    Type("w", VK_RETURN);
    EXPECT_EQ(*Cells().GetCell(1, 1), Record("w", 1, 1, 1, 1));
}

TEST_F(ViewEditTest, DoubleClick) {
    // Inside the grid: the cell becomes the cursor and the dialog command is posted.
    View().ToggleRangeMode(); // range mode on
    View().OnLButtonDblClk(X(3) + 5, Y(2) + 5, MK_LBUTTON);
    EXPECT_EQ(View().Selection().Normalized(), (CCellRect{3, 2, 3, 2}));
    EXPECT_FALSE(View().Selection().RangeMode());
    EXPECT_EQ(m_host.posted, std::vector<int>{ID_CELL_INPUT});

    // Over the row headers: the command alone.
    m_host.posted.clear();
    View().OnLButtonDblClk(10, Y(4) + 5, MK_LBUTTON);
    EXPECT_EQ(View().Selection().Normalized(), (CCellRect{3, 2, 3, 2}));
    EXPECT_EQ(m_host.posted, std::vector<int>{ID_CELL_INPUT});

    // With the editor open: it commits and the double-click is a single press.
    m_host.posted.clear();
    ASSERT_TRUE(View().OnChar("d"));
    View().OnLButtonDblClk(X(1) + 5, Y(1) + 5, MK_LBUTTON);
    EXPECT_FALSE(m_host.editorOpen);
    ASSERT_NE(Cells().GetCell(3, 2), nullptr);
    EXPECT_EQ(Cells().GetCell(3, 2)->text, "d");
    EXPECT_EQ(View().Selection().Normalized(), (CCellRect{1, 1, 1, 1}));
    EXPECT_TRUE(m_host.posted.empty());
}

TEST_F(ViewEditTest, AnyCommandStoresTheEditorsTextFirst) {
    // A toolbar button or a shortcut (Save, say) leaves the focus in the editor.
    for (const int id : {ID_FILE_SAVE, ID_VIEW_GRID, ID_ALIGN_LEFT}) {
        SCOPED_TRACE(id);
        Cells().DeleteAll();
        ASSERT_TRUE(View().OnChar("s"));
        View().OnCommand(id);
        EXPECT_FALSE(View().IsInPlaceEditorOpen());
        ASSERT_NE(Cells().GetCell(1, 1), nullptr);
        EXPECT_EQ(Cells().GetCell(1, 1)->text, "s");
    }
}
