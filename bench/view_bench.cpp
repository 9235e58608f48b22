// Cost of the grid view's own painting logic, measured through a device context that
// draws nothing: a full repaint of a large window, an edit's refresh, and the repaint that
// follows opening a file (span normalisation included); and the plain text exchange with the
// clipboard.
#include "BenchPlatform.h"
#include "Clipboard.h"
#include "DeviceContext.h"
#include "InputCodes.h"
#include "MyDoc.h"
#include "MyView.h"
#include "Resource.h"
#include "TextMeasurer.h"
#include "ViewHost.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

class CNullDC : public IDeviceContext {
public:
    long calls = 0;
    CPen SelectPen(const CPen& p) override { return Keep(m_pen, p); }
    CBrush SelectBrush(const CBrush& b) override { return Keep(m_brush, b); }
    CFontDesc SelectFont(const CFontDesc& f) override { return Keep(m_font, f); }
    CColor SetTextColor(CColor c) override { return Keep(m_text, c); }
    CColor SetBkColor(CColor c) override { return Keep(m_bk, c); }
    void SelectClipRect(const CRect&) override { ++calls; }
    void SelectClipNone() override { ++calls; }
    void Rectangle(const CRect&) override { ++calls; }
    void FillRect(const CRect&, const CBrush&) override { ++calls; }
    void FrameRect(const CRect&, const CBrush&) override { ++calls; }
    void MoveTo(int, int) override { ++calls; }
    void LineTo(int, int) override { ++calls; }
    void DrawText(std::string_view, const CRect&, HAlign, VAlign) override { ++calls; }
    CSize MeasureText(std::string_view s) override { return {static_cast<int>(s.size()) * 8, 16}; }
    void InvertRect(const CRect&) override { ++calls; }
    void ScrollPixels(const CRect&, int, int) override { ++calls; }

private:
    template <class T> T Keep(T& member, const T& value) {
        ++calls;
        T old = member;
        member = value;
        return old;
    }
    CPen m_pen;
    CBrush m_brush;
    CFontDesc m_font;
    CColor m_text, m_bk;
};

// Widths without a font engine: 8 pixels a byte, lines 16 high.
class CByteMeasurer : public ITextMeasurer {
public:
    CSize MeasureText(const CFontDesc&, std::string_view s) override {
        return {static_cast<int>(s.size()) * 8, 16};
    }
};

class CNullHost : public IViewHost {
public:
    CNullDC dc;
    CByteMeasurer measurer;
    CScrollInfo bars[2];
    long placed = 0;
    CSize GetClientSize() const override { return {1920, 1080}; }
    int GetScrollBarSize() const override { return 17; }
    IDeviceContext& GetClientDC() override { return dc; }
    void Invalidate(bool) override {}
    // Reads the places of the buttons that can show, as the grid widget does.
    void LayoutHeaders(HeaderKind kind, const CGridGeometry& g) override {
        for (int k = 0; k < g.HeaderCount(kind); ++k)
            placed += g.HeaderButton(kind, k).visible;
    }
    void LayoutScrollBars(const CGridGeometry& g) override {
        bars[0] = g.ScrollInfo(ScrollBarKind::Horizontal);
        bars[1] = g.ScrollInfo(ScrollBarKind::Vertical);
    }
    void RepaintScrollBars() override {}
    void SetHeaderMarked(HeaderKind, int, bool) override {}
    void PostCommand(int) override {}
    void PostKeyDown(int) override {}
    void SetWaitCursor(bool) override {}
    void ShowContextMenu(CPoint) override {}
    void ShowScrollTip(ScrollBarKind, const std::string&) override {}
    // The in-place editor hands back what it opened with.
    std::string editorText;
    void OpenInPlaceEditor(const CRect&, const std::string& text) override { editorText = text; }
    bool CloseInPlaceEditor(std::string& text, int& endKey) override {
        text = editorText;
        endKey = INPLACE_NO_END_KEY;
        return true;
    }
    bool RunCellInputDialog(CCellInputData&) override { return false; }
    bool IsHeaderMarked(HeaderKind, int) const override { return false; }
    ITextMeasurer& GetTextMeasurer() override { return measurer; }
    bool RunCellSizeDialog(CCellSizeData&) override { return false; }
    bool RunFontDialog(CFontDesc&) override { return false; }
    void SetViewFont(const CFontDesc&) override {}
};

// Keeps the text, as the system clipboard would.
class CTextClipboard : public IClipboard {
public:
    std::string text;
    ClipboardWrite SetText(const std::string& cp932) override {
        text = cp932;
        return ClipboardWrite::Ok;
    }
    CClipboardText GetText() override { return {CClipboardText::Ok, text, {}}; }
};

// A document whose every cell has text and lines, with a 2 x 2 span every fifth cell.
struct CSetup {
    CQuietBox box;
    CNoDialog dialog;
    CCsvAnswer fileType;
    CMyDoc doc{box, dialog, fileType};
    CNullHost host;
    std::unique_ptr<CMyView> view;

    CSetup() {
        for (int r = 1; r <= MAX_CELLS; ++r)
            for (int c = 1; c <= MAX_CELLS; ++c) {
                CCellData d;
                d.text = "cell " + std::to_string(c) + "," + std::to_string(r);
                if (c % 5 == 1 && r % 5 == 1) {
                    d.colspan = 2;
                    d.rowspan = 2;
                }
                doc.m_cells.SetCell(c, r, d);
                doc.m_hLines.SetLine(c, r, (c + r) % 3);
                doc.m_vLines.SetLine(r, c, (c * r) % 3);
            }
        doc.m_sizes.SetHeight(24);
        for (int c = 1; c <= MAX_CELLS; ++c)
            doc.m_sizes.SetWidth(c, 60);
        view = std::make_unique<CMyView>(doc);
        view->SetHost(&host);
        view->OnInitialUpdate();
    }
};

void BM_FullRepaint(benchmark::State& state) {
    CSetup s;
    for (auto _ : state)
        s.view->OnDraw(s.host.dc);
    state.counters["dc_calls"] = benchmark::Counter(static_cast<double>(s.host.dc.calls),
                                                    benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

void BM_RefreshRegion3x3(benchmark::State& state) {
    CSetup s;
    for (auto _ : state)
        s.view->RefreshRegion(10, 10, 12, 12);
}
BENCHMARK(BM_RefreshRegion3x3)->Unit(benchmark::kMicrosecond);

void BM_RepaintAfterOpen(benchmark::State& state) {
    CSetup s;
    for (auto _ : state) {
        s.doc.m_bContentsReplaced = true;
        s.view->OnDraw(s.host.dc);
    }
}
BENCHMARK(BM_RepaintAfterOpen)->Unit(benchmark::kMicrosecond);

// One undo (each run redoes the previous one) of a region of n x n cells of the full table:
// the temporary block, the restore, span normalisation and the region's refresh.
void BM_UndoRegion(benchmark::State& state) {
    CSetup s;
    const int n = static_cast<int>(state.range(0));
    s.view->UndoBlock().Save(1, 1, n, n);
    for (auto _ : state)
        s.view->OnEditUndo();
}
BENCHMARK(BM_UndoRegion)->Arg(1)->Arg(20)->Arg(250)->Unit(benchmark::kMicrosecond);

// Typing one character over a cell of the full table and ending the editor.
void BM_TypeIntoCell(benchmark::State& state) {
    CSetup s;
    for (auto _ : state) {
        s.view->OnChar("x");
        s.view->OnInPlaceEditKillFocus();
    }
}
BENCHMARK(BM_TypeIntoCell)->Unit(benchmark::kMicrosecond);

// Holding the Down key through the full table in a 1920 x 1080 window: each key past the
// last visible row moves the pixels by one row and draws the new row's cells.
void BM_DownKey(benchmark::State& state) {
    CSetup s;
    s.view->OnDraw(s.host.dc);
    for (auto _ : state) {
        if (s.view->Selection().CursorRow() == MAX_CELLS) {
            state.PauseTiming();
            s.view->OnVScroll(SB_THUMBPOSITION, 0);
            s.view->OnLButtonDown(60, 30, 0);
            state.ResumeTiming();
        }
        s.view->OnKeyDown(VK_DOWN, false, false);
    }
}
BENCHMARK(BM_DownKey)->Unit(benchmark::kMicrosecond);

// ID_FIT_WIDTH with the whole table selected: the undo copy of the table, the longest text of
// each column, 250 measurements and the new layout.
void BM_FitWidthFullTable(benchmark::State& state) {
    CSetup s;
    s.view->OnKeyDown(VK_SHIFT, true, false);
    s.view->MoveCursor(s.host.dc, MAX_CELLS, MAX_CELLS, true);
    if (s.view->Selection().Normalized() != CCellRect{1, 1, MAX_CELLS, MAX_CELLS})
        state.SkipWithError("the whole table is not selected");
    for (auto _ : state)
        s.view->OnCommand(ID_FIT_WIDTH);
}
BENCHMARK(BM_FitWidthFullTable)->Unit(benchmark::kMillisecond);

// The plain copies of the whole table (every cell a text holding a comma, so CSV quotes each).
void BM_CopyPlain(benchmark::State& state, int id) {
    CSetup s;
    CTextClipboard clipboard;
    s.view->SetClipboard(&clipboard, &s.box);
    s.view->MoveCursor(s.host.dc, 1, 1, false);
    s.view->ToggleRangeMode();
    s.view->MoveCursor(s.host.dc, MAX_CELLS, MAX_CELLS, false);
    for (auto _ : state) {
        s.view->OnCommand(id);
        benchmark::DoNotOptimize(clipboard.text.data());
    }
    state.counters["bytes"] = static_cast<double>(clipboard.text.size());
}
BENCHMARK_CAPTURE(BM_CopyPlain, csv, ID_COPY_PLAIN_CSV)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CopyPlain, text, ID_COPY_PLAIN_TEXT)->Unit(benchmark::kMillisecond);

// A tab-separated text of 250 x 250 fields pasted over the full table at (1, 1): undo save,
// parse, the new records, span normalisation and the refresh.
void BM_PastePlainText(benchmark::State& state) {
    CSetup s;
    CTextClipboard clipboard;
    for (int r = 1; r <= MAX_CELLS; ++r) {
        for (int c = 1; c <= MAX_CELLS; ++c) {
            if (c > 1)
                clipboard.text += '\t';
            clipboard.text += "p ";
            clipboard.text += std::to_string(c);
            clipboard.text += ' ';
            clipboard.text += std::to_string(r);
        }
        clipboard.text += "\r\n";
    }
    s.view->SetClipboard(&clipboard, &s.box);
    s.view->MoveCursor(s.host.dc, 1, 1, false);
    for (auto _ : state)
        s.view->OnCommand(ID_PASTE_PLAIN_TEXT);
}
BENCHMARK(BM_PastePlainText)->Unit(benchmark::kMillisecond);

// A line command over the whole table of the full setup: the undo save of all 250 x 250
// cells, the lines, span normalisation; no painting (the view has no window then).
void BM_LineCommandFullTable(benchmark::State& state) {
    CSetup s;
    s.view->ToggleRangeMode();
    s.view->MoveCursor(s.host.dc, MAX_CELLS, MAX_CELLS, true);
    s.view->SetHost(nullptr);
    if (s.view->Selection().Normalized() != CCellRect{1, 1, MAX_CELLS, MAX_CELLS})
        state.SkipWithError("the selection is not the whole table");
    const int id = static_cast<int>(state.range(0));
    for (auto _ : state)
        s.view->OnCommand(id);
    state.SetLabel(id == ID_LINE_GRID ? "ID_LINE_GRID" : "ID_LINE_CLEAR");
}
BENCHMARK(BM_LineCommandFullTable)
    ->Arg(ID_LINE_GRID)
    ->Arg(ID_LINE_CLEAR)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
