// Cut, copy, paste, clear, the Delete key, the plain text exchange and the math conversions of
// the grid view, driven through its commands with a fake window and a fake clipboard.
#include "CellArray.h"
#include "ClipboardCommands.h"
#include "InputCodes.h"
#include "LineArray.h"
#include "ModelChecks.h"
#include "Resource.h"
#include "ViewFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

// Records and lines together.
struct CTable {
    std::vector<CPlaced> records;
    std::vector<std::array<int, 4>> lines;
    bool operator==(const CTable&) const = default;
};

} // namespace

class ClipboardTest : public ViewTest {
protected:
    CFakeClipboard m_clipboard;

    void SetUp() override {
        ViewTest::SetUp();
        View().SetClipboard(&m_clipboard, &m_box);
    }
    CCellArray& Cells() { return m_doc.m_cells; }
    CLineArray& HLines() { return m_doc.m_hLines; }
    CLineArray& VLines() { return m_doc.m_vLines; }
    CTable Table() { return {Records(Cells()), Lines(HLines(), VLines())}; }
    void Run(int id) { ASSERT_TRUE(View().OnCommand(id)) << id; }
    bool Enabled(int id) {
        CCmdUI ui;
        EXPECT_TRUE(View().OnUpdateCommand(id, ui)) << id;
        return ui.enabled;
    }
    // Runs id over the selection (c1, r1)-(c2, r2) with the recording emptied first.
    void RunOn(int id, int c1, int r1, int c2, int r2) {
        Select(c1, r1, c2, r2);
        Dc().ops.clear();
        m_host.invalidations.clear();
        Run(id);
    }
    void Set(int col, int row, const CCellData& rec) { Cells().SetCell(col, row, rec); }
    const std::string& TextAt(int col, int row) {
        static const std::string none = "(none)";
        const CCellData* rec = Cells().GetCell(col, row);
        return rec ? rec->text : none;
    }
    // The pixel rectangle of cells (c1, r1)-(c2, r2).
    CRect Pixels(int c1, int r1, int c2, int r2) { return {X(c1), Y(r1), X(c2 + 1), Y(r2 + 1)}; }
    // What the last command cleared for repainting, if anything.
    std::optional<CRect> Repainted() {
        const auto erased = RectanglesIn(Dc(), COLOR_WHITE);
        if (erased.empty())
            return std::nullopt;
        return erased.front();
    }
    // Four lines around (2, 2) and one on the edge between (2, 2) and (3, 2).
    void LinesAround22() {
        HLines().SetLine(2, 2, LINE_SINGLE);
        HLines().SetLine(2, 3, LINE_DOUBLE);
        VLines().SetLine(2, 2, LINE_SINGLE);
        VLines().SetLine(2, 3, LINE_DOUBLE);
    }
};

TEST_F(ClipboardTest, PlainCopyWritesEmptyAndCoveredCellsAsEmptyFields) {
    struct Case {
        const char* name;
        std::function<void()> fill;
        CCellRect sel;
        int id;
        std::string text;
    };
    const auto row1 = [this] {
        Set(1, 1, Record("a"));
        Set(3, 1, Record("c"));
    };
    const auto spanThenX = [this] {
        Set(1, 1, Record("span", 2, 1));
        Set(3, 1, Record("x"));
    };
    const Case cases[] = {
        {"csv a, empty, c, empty", row1, {1, 1, 4, 1}, ID_COPY_PLAIN_CSV, "a,,c\r\n"},
        {"tab a, empty, c, empty", row1, {1, 1, 4, 1}, ID_COPY_PLAIN_TEXT, "a\t\tc\r\n"},
        {"csv from column 2", row1, {2, 1, 3, 1}, ID_COPY_PLAIN_CSV, ",c\r\n"},
        {"csv span then x", spanThenX, {1, 1, 3, 1}, ID_COPY_PLAIN_CSV, "span,,x\r\n"},
        {"tab span then x", spanThenX, {1, 1, 3, 1}, ID_COPY_PLAIN_TEXT, "span\t\tx\r\n"},
        {"span origin outside the selection", spanThenX, {2, 1, 3, 1}, ID_COPY_PLAIN_CSV, ",x\r\n"},
        {"rows without records end too",
         [this] { Set(2, 2, Record("m")); },
         {1, 1, 2, 3},
         ID_COPY_PLAIN_TEXT,
         "\r\n\tm\r\n\r\n"},
        {"an empty record counts as a field",
         [this] {
             Set(1, 1, Record(""));
             Set(2, 1, Record("b"));
         },
         {1, 1, 2, 1},
         ID_COPY_PLAIN_CSV,
         ",b\r\n"},
        {"csv quotes commas and quotes",
         [this] {
             Set(1, 1, Record("a,b"));
             Set(2, 1, Record("say \"hi\""));
             Set(3, 1, Record("line\r\nbreak"));
         },
         {1, 1, 3, 1},
         ID_COPY_PLAIN_CSV,
         "\"a,b\",\"say \"\"hi\"\"\",line\r\nbreak\r\n"},
        {"tab writes texts as they are",
         [this] {
             Set(1, 1, Record("a,b"));
             Set(2, 1, Record("say \"hi\""));
         },
         {1, 1, 2, 1},
         ID_COPY_PLAIN_TEXT,
         "a,b\tsay \"hi\"\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Cells().DeleteAll();
        c.fill();
        View().NormalizeSpans();
        m_clipboard.text.reset();
        RunOn(c.id, c.sel.left, c.sel.top, c.sel.right, c.sel.bottom);
        EXPECT_EQ(m_clipboard.text.value_or("(none)"), c.text);
        EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    }
}

TEST_F(ClipboardTest, PlainCopyPastesBackTheSameTexts) {
    const std::string texts[] = {"a,b", "say \"hi\"", "\"", ",", "\"\"", "x", "\x93\xfa\x96\x7b"};
    for (const auto& [copy, paste] : {std::pair{ID_COPY_PLAIN_CSV, ID_PASTE_PLAIN_CSV},
                                      std::pair{ID_COPY_PLAIN_TEXT, ID_PASTE_PLAIN_TEXT}}) {
        SCOPED_TRACE(copy);
        Cells().DeleteAll();
        int col = 1;
        for (const std::string& t : texts)
            Set(col++, 2, Record(t, 1, 1, 0, 2));
        Set(3, 3, Record("below"));
        View().NormalizeSpans();
        RunOn(copy, 1, 2, 7, 3);
        RunOn(paste, 11, 20, 11, 20);
        for (int k = 0; k < 7; ++k)
            EXPECT_EQ(TextAt(11 + k, 20), texts[k]) << k;
        // Pasted records are plain: centred, one cell.
        EXPECT_EQ(*Cells().GetCell(11, 20), Record("a,b"));
        EXPECT_EQ(TextAt(13, 21), "below");
        EXPECT_EQ(TextAt(11, 21), "(none)");
    }
}

TEST_F(ClipboardTest, CsvPasteFillsItsAreaAndUndoTakesItBack) {
    Set(3, 6, Record("inside"));
    Set(4, 5, Record("right of it"));
    Set(2, 7, Record("below it"));
    HLines().SetLine(3, 6, LINE_DOUBLE); // lines and widths stay
    m_doc.m_sizes.SetWidth(3, 70);
    View().NormalizeSpans();
    const CTable before = Table();
    m_clipboard.text = "1,2\r\n3\r\n";
    RunOn(ID_PASTE_PLAIN_CSV, 2, 5, 2, 5);
    EXPECT_EQ(Records(Cells()), (std::vector<CPlaced>{{2, 5, Record("1")},
                                                      {3, 5, Record("2")},
                                                      {4, 5, Record("right of it")},
                                                      {2, 6, Record("3")},
                                                      {2, 7, Record("below it")}}));
    EXPECT_EQ(Lines(HLines(), VLines()), before.lines);
    EXPECT_EQ(m_doc.m_sizes.GetWidth(3), 70);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(Repainted(), Pixels(1, 4, 4, 7));

    Run(ID_EDIT_UNDO);
    EXPECT_EQ(Table(), before);
}

TEST_F(ClipboardTest, TextPasteStopsAtRow250) {
    for (const auto& [id, text] : {std::pair{ID_PASTE_PLAIN_CSV, "a,b\r\nc\r\nd\r\n"},
                                   std::pair{ID_PASTE_PLAIN_TEXT, "a\tb\r\nc\r\nd\r\n"}}) {
        SCOPED_TRACE(id);
        Cells().DeleteAll();
        Set(1, 248, Record("above"));
        m_clipboard.text = text;
        RunOn(id, 1, 249, 1, 249);
        EXPECT_EQ(Records(Cells()), (std::vector<CPlaced>{{1, 248, Record("above")},
                                                          {1, 249, Record("a")},
                                                          {2, 249, Record("b")},
                                                          {1, 250, Record("c")}}));
    }
}

TEST_F(ClipboardTest, TabPasteReplacesItsCellsAndLeavesTheNextRow) {
    Set(1, 1, Record("old", 3, 1, 0, 2)); // a span over (1, 1)-(3, 1)
    Set(1, 2, Record("row 2"));
    View().NormalizeSpans();
    m_clipboard.text = "a\tb\r\n";
    RunOn(ID_PASTE_PLAIN_TEXT, 1, 1, 1, 1);
    EXPECT_EQ(
        Records(Cells()),
        (std::vector<CPlaced>{{1, 1, Record("a")}, {2, 1, Record("b")}, {1, 2, Record("row 2")}}));
    EXPECT_EQ(View().SpanMap().GetOrigin(3, 1), std::make_pair(3, 1));
    // The span's third cell showed it: it is repainted with the span hull.
    EXPECT_EQ(Repainted(), Pixels(1, 1, 4, 2));

    // Without a final line end the last field lands as well.
    m_clipboard.text = "x\ty\r\nz\tw";
    RunOn(ID_PASTE_PLAIN_TEXT, 5, 5, 5, 5);
    EXPECT_EQ(TextAt(6, 6), "w");
}

// Text copied in a spreadsheet of this desktop: rows end with LF, not CR LF.
TEST_F(ClipboardTest, SpreadsheetRowsLandCellByCell) {
    m_clipboard.text = "\x93\xfa\x96\x7b\t42\n\tlast\n";
    RunOn(ID_PASTE_PLAIN_TEXT, 2, 3, 2, 3);
    EXPECT_EQ(Records(Cells()), (std::vector<CPlaced>{{2, 3, Record("\x93\xfa\x96\x7b")},
                                                      {3, 3, Record("42")},
                                                      {3, 4, Record("last")}}));
}

// A span reaching into the paste area from outside would hide the fields pasted under it.
TEST_F(ClipboardTest, TextPasteRemovesSpansThatWouldHideItsFields) {
    Set(1, 1, Record("wide", 3, 2)); // (1, 1)-(3, 2)
    Set(5, 1, Record("apart"));
    View().NormalizeSpans();
    const CTable before = Table();
    m_clipboard.text = "p\tq\r\n";
    RunOn(ID_PASTE_PLAIN_TEXT, 3, 2, 3, 2);
    EXPECT_EQ(
        Records(Cells()),
        (std::vector<CPlaced>{{5, 1, Record("apart")}, {3, 2, Record("p")}, {4, 2, Record("q")}}));
    EXPECT_EQ(Repainted(), Pixels(1, 1, 5, 3));
    Run(ID_EDIT_UNDO);
    EXPECT_EQ(Table(), before);
    EXPECT_EQ(View().SpanMap().GetOrigin(3, 2), std::make_pair(1, 1));
}

TEST_F(ClipboardTest, BlockPasteTakesOnlyTheSelectionsTopLeftCell) {
    Set(1, 1, Record("top", 1, 1, 0, 0));
    Set(1, 2, Record("bottom", 1, 1, 2, 2));
    HLines().SetLine(1, 2, LINE_DOUBLE); // between them
    VLines().SetLine(2, 1, LINE_SINGLE); // left of the lower one
    Set(6, 6, Record("stays"));
    Set(5, 7, Record("stays too"));
    View().NormalizeSpans();
    RunOn(ID_EDIT_COPY, 1, 1, 1, 2);

    RunOn(ID_EDIT_PASTE, 5, 5, 9, 9);
    EXPECT_EQ(Records(Cells()), (std::vector<CPlaced>{{1, 1, Record("top", 1, 1, 0, 0)},
                                                      {1, 2, Record("bottom", 1, 1, 2, 2)},
                                                      {5, 5, Record("top", 1, 1, 0, 0)},
                                                      {5, 6, Record("bottom", 1, 1, 2, 2)},
                                                      {6, 6, Record("stays")},
                                                      {5, 7, Record("stays too")}}));
    EXPECT_EQ(HLines().GetLine(5, 6), LINE_DOUBLE);
    EXPECT_EQ(VLines().GetLine(6, 5), LINE_SINGLE);
    EXPECT_EQ(Repainted(), Pixels(4, 4, 6, 7));

    // The block is unchanged: it pastes again, and undo takes back only the last paste.
    RunOn(ID_EDIT_PASTE, 20, 30, 20, 30);
    EXPECT_EQ(TextAt(20, 30), "top");
    EXPECT_EQ(TextAt(20, 31), "bottom");
    Run(ID_EDIT_UNDO);
    EXPECT_EQ(TextAt(20, 30), "(none)");
    EXPECT_EQ(TextAt(5, 6), "bottom");
    EXPECT_EQ(View().ClipBlock().Rect(), (CCellRect{1, 1, 1, 2}));
}

TEST_F(ClipboardTest, CopiedSpanOriginPastesWithItsSpan) {
    Set(1, 1, Record("AB", 2, 1));
    Set(2, 10, Record("covered now"));
    Set(3, 10, Record("beside"));
    View().NormalizeSpans();
    const CTable before = Table();
    RunOn(ID_EDIT_COPY, 1, 1, 1, 1);
    RunOn(ID_EDIT_PASTE, 1, 10, 1, 10);
    EXPECT_EQ(Records(Cells()), (std::vector<CPlaced>{{1, 1, Record("AB", 2, 1)},
                                                      {1, 10, Record("AB", 2, 1)},
                                                      {3, 10, Record("beside")}}));
    EXPECT_EQ(View().SpanMap().GetOrigin(2, 10), std::make_pair(1, 10));
    Run(ID_EDIT_UNDO);
    EXPECT_EQ(Table(), before);

    // A pasted span takes the whole span it lands in, also where that one's origin is outside.
    Set(3, 20, Record("tall", 1, 3)); // (3, 20)-(3, 22)
    View().NormalizeSpans();
    RunOn(ID_EDIT_PASTE, 2, 21, 2, 21);
    EXPECT_EQ(TextAt(3, 20), "(none)");
    EXPECT_EQ(*Cells().GetCell(2, 21), Record("AB", 2, 1));
    Run(ID_EDIT_UNDO);
    EXPECT_EQ(*Cells().GetCell(3, 20), Record("tall", 1, 3));
}

TEST_F(ClipboardTest, ClearTakesLinesTheDeleteKeyLeavesThem) {
    struct Case {
        const char* name;
        std::function<void()> act;
        bool linesStay;
    };
    const Case cases[] = {
        {"clear", [this] { Run(ID_EDIT_CLEAR); }, false},
        {"delete key", [this] { View().OnKeyDown(VK_DELETE, false, false); }, true},
        {"cut", [this] { Run(ID_EDIT_CUT); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Cells().DeleteAll();
        HLines().ClearAll();
        VLines().ClearAll();
        Set(2, 2, Record("text", 1, 1, 0, 0));
        Set(3, 3, Record("outside"));
        LinesAround22();
        View().NormalizeSpans();
        const CTable before = Table();
        Select(2, 2, 2, 2);
        m_doc.SetModifiedFlag(false);
        c.act();
        EXPECT_EQ(Records(Cells()), (std::vector<CPlaced>{{3, 3, Record("outside")}}));
        const std::vector<std::array<int, 4>> none;
        EXPECT_EQ(Lines(HLines(), VLines()), c.linesStay ? before.lines : none);
        EXPECT_TRUE(m_doc.IsModified());
        Run(ID_EDIT_UNDO);
        EXPECT_EQ(Table(), before);
    }
}

TEST_F(ClipboardTest, ClearInsideAForeignSpanRemovesTheWholeSpan) {
    Set(1, 1, Record("joined", 3, 2));   // (1, 1)-(3, 2)
    HLines().SetLine(3, 3, LINE_SINGLE); // below (3, 2): in the selection's edges
    HLines().SetLine(1, 3, LINE_DOUBLE); // below (1, 2): not
    View().NormalizeSpans();
    const CTable before = Table();
    RunOn(ID_EDIT_CLEAR, 3, 2, 3, 2);
    EXPECT_TRUE(Cells().IsEmpty());
    EXPECT_EQ(Lines(HLines(), VLines()), (std::vector<std::array<int, 4>>{{1, 1, 3, LINE_DOUBLE}}));
    EXPECT_EQ(View().SpanMap().GetOrigin(2, 2), std::make_pair(2, 2));
    EXPECT_EQ(Repainted(), Pixels(1, 1, 4, 3)); // the span hull and one cell around
    Run(ID_EDIT_UNDO);
    EXPECT_EQ(Table(), before);
}

TEST_F(ClipboardTest, RepaintOfClearAndTheDeleteKey) {
    // Clear with nothing to remove: no repaint, but the document counts as modified.
    m_doc.SetModifiedFlag(false);
    RunOn(ID_EDIT_CLEAR, 4, 4, 5, 5);
    EXPECT_TRUE(Dc().ops.empty());
    EXPECT_TRUE(m_host.invalidations.empty());
    EXPECT_TRUE(m_doc.IsModified());

    // The Delete key without spans around the selection: the selection and one cell around;
    // nothing deleted leaves the document as it was.
    m_doc.SetModifiedFlag(false);
    Select(4, 4, 5, 5);
    Dc().ops.clear();
    View().OnKeyDown(VK_DELETE, false, false);
    EXPECT_EQ(Repainted(), Pixels(3, 3, 6, 6));
    EXPECT_TRUE(m_host.invalidations.empty());
    EXPECT_FALSE(m_doc.IsModified());

    // A span reaching out of the selection, or in from outside: the whole view.
    struct Case {
        const char* name;
        CCellRect span;
        CCellRect sel;
    };
    const Case cases[] = {
        {"origin selected, span reaches right", {4, 4, 6, 4}, {4, 4, 5, 4}},
        {"origin selected, span reaches down", {4, 4, 4, 5}, {4, 4, 4, 4}},
        {"span reaches in from the left", {2, 4, 4, 4}, {4, 4, 5, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Cells().DeleteAll();
        Set(c.span.left, c.span.top,
            Record("s", c.span.right - c.span.left + 1, c.span.bottom - c.span.top + 1));
        View().NormalizeSpans();
        Select(c.sel.left, c.sel.top, c.sel.right, c.sel.bottom);
        Dc().ops.clear();
        m_host.invalidations.clear();
        View().OnKeyDown(VK_DELETE, false, false);
        EXPECT_TRUE(Cells().IsEmpty());
        EXPECT_EQ(m_host.invalidations, std::vector<bool>{false});
        EXPECT_FALSE(Repainted());
        EXPECT_EQ(View().SpanMap().GetOrigin(c.span.right, c.span.bottom),
                  std::make_pair(c.span.right, c.span.bottom));
    }
}

TEST_F(ClipboardTest, PasteEnabledFromTheFirstCutOrCopyAndAfterOpen) {
    for (const int id :
         {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_CLEAR, ID_COPY_PLAIN_CSV, ID_COPY_PLAIN_TEXT,
          ID_PASTE_PLAIN_CSV, ID_PASTE_PLAIN_TEXT, ID_TO_MATH, ID_TO_PLAIN})
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
    Run(ID_EDIT_UNDO); // nothing to undo: a paste does not sneak in
    Set(1, 1, Record("cut me"));
    RunOn(ID_EDIT_CUT, 1, 1, 1, 1);
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
    EXPECT_TRUE(Cells().IsEmpty());

    const std::string sample = std::string(BRINDLE_TEST_DATA) + "/document/sample.brd";
    ASSERT_FALSE(m_doc.OpenFile(sample).Failed());
    m_doc.m_bContentsReplaced = true;
    View().OnUpdate();
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
    RunOn(ID_EDIT_PASTE, 7, 7, 7, 7);
    EXPECT_EQ(TextAt(7, 7), "cut me");
}

TEST_F(ClipboardTest, CopyCollapsesTheSelectionAndLeavesUndoAlone) {
    Set(2, 2, Record("a"));
    View().NormalizeSpans();
    Select(2, 2, 2, 2);
    Run(ID_ALIGN_LEFT);
    RunOn(ID_EDIT_COPY, 1, 1, 3, 3);
    EXPECT_FALSE(View().Selection().RangeMode());
    EXPECT_EQ(View().Selection().Normalized(), (CCellRect{3, 3, 3, 3}));
    EXPECT_EQ(View().ClipBlock().Rect(), (CCellRect{1, 1, 3, 3}));
    Run(ID_EDIT_UNDO); // the placement, not the copy
    EXPECT_EQ(*Cells().GetCell(2, 2), Record("a"));
}

// Each command's undo puts back exactly what was there, and a second undo redoes it.
TEST_F(ClipboardTest, UndoRestoresEveryCommandExactly) {
    struct Case {
        const char* name;
        CCellRect sel;
        int id;
        const char* clipboardText;
    };
    const Case cases[] = {
        {"cut", {2, 2, 3, 3}, ID_EDIT_CUT, nullptr},
        {"clear", {3, 2, 4, 2}, ID_EDIT_CLEAR, nullptr},
        {"delete key", {1, 2, 2, 4}, 0, nullptr},
        {"paste", {3, 3, 3, 3}, ID_EDIT_PASTE, nullptr},
        {"csv paste", {2, 2, 2, 2}, ID_PASTE_PLAIN_CSV, "x,,y\r\nz"},
        {"text paste", {1, 3, 1, 3}, ID_PASTE_PLAIN_TEXT, "x\t\ty\nz\n"},
        {"to math", {1, 1, 4, 4}, ID_TO_MATH, nullptr},
        {"to plain", {1, 1, 4, 4}, ID_TO_PLAIN, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Cells().DeleteAll();
        HLines().ClearAll();
        VLines().ClearAll();
        Set(1, 1, Record("$1$", 2, 1, 0, 0));
        Set(3, 1, Record("3"));
        Set(2, 2, Record("tall", 1, 2, 2, 2));
        Set(3, 3, Record("$"));
        Set(4, 4, Record("44"));
        LinesAround22();
        HLines().SetLine(4, 5, LINE_DOUBLE);
        View().NormalizeSpans();
        RunOn(ID_EDIT_COPY, 1, 1, 2, 2); // the block the paste case pastes
        const CTable before = Table();
        if (c.clipboardText)
            m_clipboard.text = c.clipboardText;
        Select(c.sel.left, c.sel.top, c.sel.right, c.sel.bottom);
        if (c.id)
            Run(c.id);
        else
            View().OnKeyDown(VK_DELETE, false, false);
        const CTable after = Table();
        EXPECT_NE(after, before);
        Run(ID_EDIT_UNDO);
        EXPECT_EQ(Table(), before);
        Run(ID_EDIT_UNDO);
        EXPECT_EQ(Table(), after);
    }
}

TEST_F(ClipboardTest, PlatformFailuresAreReported) {
    struct Case {
        ClipboardWrite result;
        std::string message;
    };
    const Case cases[] = {
        {ClipboardWrite::NoMemory, "メモリの確保に失敗しました。"},
        {ClipboardWrite::OpenFailed, "クリップボードを開けませんでした。"},
        {ClipboardWrite::EmptyFailed, "クリップボードの初期化に失敗しました。"},
        {ClipboardWrite::SetFailed, "クリップボードへのコピーに失敗しました。"},
    };
    Set(1, 1, Record("a"));
    View().NormalizeSpans();
    const CTable before = Table();
    for (const int id : {ID_COPY_PLAIN_CSV, ID_COPY_PLAIN_TEXT}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.message);
            m_box.shown.clear();
            m_clipboard.writeResult = c.result;
            RunOn(id, 1, 1, 2, 2);
            EXPECT_EQ(m_box.Texts(), std::vector<std::string>{c.message});
            EXPECT_EQ(m_box.shown.front().icon, MsgIcon::Exclamation);
            EXPECT_FALSE(m_clipboard.text);
        }
    }
    EXPECT_EQ(Table(), before);
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));

    // Bytes that are no code page 932 character cannot leave as Unicode: the cell is named.
    m_box.shown.clear();
    m_clipboard.writeResult = ClipboardWrite::Unconvertible;
    Set(2, 3, Record("ab\x82"));
    RunOn(ID_COPY_PLAIN_TEXT, 1, 1, 3, 3);
    EXPECT_EQ(m_box.Texts(), std::vector<std::string>{UnreadableCellMessage(2, 3)});
    EXPECT_NE(m_box.Texts().front().find("列 2、行 3"), std::string::npos);
}

TEST_F(ClipboardTest, PasteOfNoTextOrRefusedTextChangesNothing) {
    Set(1, 1, Record("keep"));
    View().NormalizeSpans();
    m_doc.SetModifiedFlag(false);
    const CTable before = Table();
    for (const int id : {ID_PASTE_PLAIN_CSV, ID_PASTE_PLAIN_TEXT}) {
        SCOPED_TRACE(id);
        m_box.shown.clear();
        m_clipboard.text.reset();
        m_clipboard.refused.reset();
        RunOn(id, 1, 1, 1, 1); // no text at all
        m_clipboard.text = "";
        RunOn(id, 1, 1, 1, 1);
        EXPECT_TRUE(m_box.shown.empty());

        m_clipboard.refused = "\xF0\x9F\x98\x80"; // U+1F600
        RunOn(id, 1, 1, 1, 1);
        ASSERT_EQ(m_box.shown.size(), 1u);
        EXPECT_EQ(m_box.shown[0].text, UnconvertiblePasteMessage("\xF0\x9F\x98\x80"));
        EXPECT_NE(m_box.shown[0].text.find("「\xF0\x9F\x98\x80」"), std::string::npos);
        EXPECT_EQ(Table(), before);
        EXPECT_FALSE(m_doc.IsModified());
        EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
        EXPECT_TRUE(Dc().ops.empty());
    }
    // Text ends at a zero byte.
    m_clipboard.refused.reset();
    m_clipboard.text = std::string("a\tb\0c\td", 7);
    RunOn(ID_PASTE_PLAIN_TEXT, 5, 5, 5, 5);
    EXPECT_EQ(TextAt(6, 5), "b");
    EXPECT_EQ(TextAt(7, 5), "(none)");
}

TEST_F(ClipboardTest, MathConversionOfTheSelection) {
    Set(2, 2, Record("12", 4, 1, 0, 2)); // (2, 2)-(5, 2): origin selected, reaching out
    Set(1, 3, Record("out", 2, 1));      // (1, 3)-(2, 3): origin outside the selection
    Set(3, 3, Record(""));
    View().NormalizeSpans();
    const CTable before = Table();
    RunOn(ID_TO_MATH, 2, 2, 4, 3);
    EXPECT_EQ(Records(Cells()), (std::vector<CPlaced>{{2, 2, Record("$12$", 4, 1, 0, 2)},
                                                      {1, 3, Record("out", 2, 1)},
                                                      {3, 3, Record("")}}));
    EXPECT_EQ(Repainted(), Pixels(1, 1, 6, 4)); // the span hull and one cell around
    Run(ID_EDIT_UNDO);
    EXPECT_EQ(Table(), before);

    // Nothing to convert still marks the document; undo then restores the same texts.
    m_doc.SetModifiedFlag(false);
    RunOn(ID_TO_PLAIN, 2, 2, 4, 3);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(Table(), before);
    EXPECT_TRUE(Enabled(ID_EDIT_UNDO));
    Run(ID_EDIT_UNDO);
    EXPECT_EQ(Table(), before);
}
