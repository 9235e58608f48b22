// The rendered preview panel: time from an edit of the table to the new picture on show, with
// the panel's own pause, poll and thread, under the offscreen platform. LaTeX needs pdflatex.
#include "BenchPlatform.h"
#include "CellArray.h"
#include "Generator.h"
#include "GridWidget.h"
#include "LineArray.h"
#include "MyDoc.h"
#include "MyView.h"
#include "RenderPanel.h"

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// A size x size table with texts and a rule under every row, the panel open beside it.
struct CPanelSetup {
    CQuietBox box;
    CNoDialog dialog;
    CCsvAnswer fileType;
    CMyDoc doc{box, dialog, fileType};
    std::unique_ptr<CMyView> view;
    std::unique_ptr<CGridWidget> grid;
    std::unique_ptr<CRenderPanel> panel;
    int shown = 0;

    CPanelSetup(int size, int target) {
        for (int r = 1; r <= size; ++r) {
            for (int c = 1; c <= size; ++c) {
                CCellData d;
                d.text = "c" + std::to_string(c) + "r" + std::to_string(r);
                doc.m_cells.SetCell(c, r, d);
                doc.m_hLines.SetLine(c, r + 1, LINE_SINGLE);
            }
        }
        view = std::make_unique<CMyView>(doc);
        grid = std::make_unique<CGridWidget>(*view);
        grid->resize(800, 500);
        grid->show();
        panel = std::make_unique<CRenderPanel>(*view);
        panel->SetTarget(target);
        QObject::connect(panel.get(), &CRenderPanel::resultShown, [this] { ++shown; });
        panel->resize(500, 500);
        panel->show();
        // The HTML layout is on show before show() returns; a LaTeX picture comes later.
        if (shown == 0)
            WaitForResult(600000);
    }
    // Processes events until the next result is on show; false after limitMs.
    bool WaitForResult(int limitMs) {
        const int before = shown;
        QElapsedTimer t;
        t.start();
        while (shown == before && t.elapsed() < limitMs)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        return shown != before;
    }
    // One edit as the in-place editor stores it: a new text, the document modified.
    void Edit(int n) {
        CCellData d;
        d.text = "edit" + std::to_string(n);
        doc.m_cells.SetCell(1, 1, d);
        doc.SetModifiedFlag();
    }
};

void RunEdits(benchmark::State& state, int size, int target, int limitMs) {
    CPanelSetup s(size, target);
    int n = 0;
    for (auto _ : state) {
        s.Edit(++n);
        if (!s.WaitForResult(limitMs)) {
            state.SkipWithError("no new result within the limit");
            break;
        }
    }
    state.counters["picture"] = s.panel->Showing() == CRenderPanel::Shown::Picture ||
                                s.panel->Showing() == CRenderPanel::Shown::Html;
}

void BM_EditToPictureLatex10x10(benchmark::State& state) {
    RunEdits(state, 10, TARGET_TABULAR, 30000);
}
BENCHMARK(BM_EditToPictureLatex10x10)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

void BM_EditToPictureHtml10x10(benchmark::State& state) {
    RunEdits(state, 10, TARGET_HTML, 30000);
}
BENCHMARK(BM_EditToPictureHtml10x10)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(50);

// The largest HTML region the panel lays out (2,500 cells).
void BM_EditToPictureHtml50x50(benchmark::State& state) {
    RunEdits(state, 50, TARGET_HTML, 30000);
}
BENCHMARK(BM_EditToPictureHtml50x50)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// A full table: the picture, or a clean failure, within the panel's time limit (30 s).
void BM_EditToPictureLatex250x250(benchmark::State& state) {
    RunEdits(state, 250, TARGET_TABULAR, 60000);
}
BENCHMARK(BM_EditToPictureLatex250x250)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

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
