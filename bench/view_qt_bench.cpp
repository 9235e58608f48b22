// ID_FIT_WIDTH in the editor's own window with the real text measurer: Qt's font metrics over
// a full table of Japanese and Latin texts in the view font, under the offscreen platform.
#include "BenchPlatform.h"
#include "GridWidget.h"
#include "InputCodes.h"
#include "MyDoc.h"
#include "MyView.h"
#include "Resource.h"
#include "TextCodec.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// Every cell of the table holds a text of Japanese and Latin characters; with repeat, each text
// is that many times as long. The whole table is selected.
struct CQtSetup {
    CQuietBox box;
    CNoDialog dialog;
    CCsvAnswer fileType;
    CMyDoc doc{box, dialog, fileType};
    std::unique_ptr<CMyView> view;
    std::unique_ptr<CGridWidget> grid;

    explicit CQtSetup(int repeat) {
        for (int r = 1; r <= MAX_CELLS; ++r)
            for (int c = 1; c <= MAX_CELLS; ++c) {
                std::string utf8;
                for (int i = 0; i < repeat; ++i) {
                    utf8 += "表";
                    utf8 += std::to_string(c);
                    utf8 += "行";
                    utf8 += std::to_string(r);
                    utf8 += (c + r) % 3 ? " Width かな" : " Überschrift";
                }
                CCellData d;
                d.text = *Utf8ToCp932(utf8);
                doc.m_cells.SetCell(c, r, d);
            }
        view = std::make_unique<CMyView>(doc);
        grid = std::make_unique<CGridWidget>(*view);
        grid->resize(1280, 800);
        grid->show();
        grid->Image();
        view->OnKeyDown(VK_SHIFT, true, false);
        view->MoveCursor(grid->GetClientDC(), MAX_CELLS, MAX_CELLS, true);
    }
    bool WholeTableSelected() const {
        return view->Selection().Normalized() == CCellRect{1, 1, MAX_CELLS, MAX_CELLS};
    }
};

// The command alone: the undo copy, the longest texts, 250 measurements, the new layout.
void BM_FitWidthQt(benchmark::State& state) {
    CQtSetup s(static_cast<int>(state.range(0)));
    if (!s.WholeTableSelected())
        state.SkipWithError("the whole table is not selected");
    for (auto _ : state)
        s.view->OnCommand(ID_FIT_WIDTH);
    state.counters["width1"] = s.doc.m_sizes.GetWidth(1);
}
BENCHMARK(BM_FitWidthQt)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

// The command and the repaint of the window it asks for.
void BM_FitWidthQtWithRepaint(benchmark::State& state) {
    CQtSetup s(1);
    if (!s.WholeTableSelected())
        state.SkipWithError("the whole table is not selected");
    for (auto _ : state) {
        s.view->OnCommand(ID_FIT_WIDTH);
        s.grid->Image();
    }
}
BENCHMARK(BM_FitWidthQtWithRepaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
