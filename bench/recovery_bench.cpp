// The recovery copy of a full table: the snapshot taken on the user-interface thread, the
// write the background thread does, and the Down key in the editor's main window (offscreen)
// with and without copies being written.
#include "BenchPlatform.h"
#include "GridWidget.h"
#include "MainWindow.h"
#include "RecoveryAgent.h"
#include "RecoveryController.h"
#include "SplashWindow.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <benchmark/benchmark.h>

#include <atomic>
#include <memory>
#include <sys/stat.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

// Every cell has a text, every edge a line.
void FillFullTable(CMyDoc& doc) {
    for (int r = 1; r <= MAX_CELLS; ++r)
        for (int c = 1; c <= MAX_CELLS; ++c) {
            CCellData d;
            d.text = "Wert " + std::to_string(c) + "," + std::to_string(r);
            doc.m_cells.SetCell(c, r, d);
        }
    for (int b = 1; b <= MAX_EDGE; ++b)
        for (int a = 1; a <= MAX_CELLS; ++a) {
            doc.m_hLines.SetLine(a, b, LINE_SINGLE);
            doc.m_vLines.SetLine(a, b, LINE_DOUBLE);
        }
}

QTemporaryDir& StateDir() {
    static QTemporaryDir dir;
    return dir;
}

std::string Folder() {
    return StateDir().filePath(QStringLiteral("recovery")).toStdString();
}

struct CDocOnly {
    CQuietBox box{MsgAnswer::No};
    CNoDialog dialog;
    CCsvAnswer fileType;
    CMyDoc doc{box, dialog, fileType};
    CDocOnly() {
        FillFullTable(doc);
        doc.SetPathName("/tmp/full.brd");
        doc.SetModifiedFlag(true);
    }
};

// On the user-interface thread: the whole copy in memory.
void BM_RecoverySnapshot(benchmark::State& state) {
    CDocOnly t;
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string bytes = CRecoveryController::Snapshot(t.doc, CProcessId::Self());
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_RecoverySnapshot)->Unit(benchmark::kMillisecond);

// On the background thread: the file, through the same replacement as a save (fsync).
void BM_RecoveryCopyWrite(benchmark::State& state) {
    CDocOnly t;
    const CRecoveryStore store(Folder(), CProcessId::Self());
    const std::string bytes = CRecoveryController::Snapshot(t.doc, store.Self());
    for (auto _ : state)
        if (!store.WriteOwnCopy(bytes).ok)
            state.SkipWithError("write failed");
    store.RemoveOwnCopy();
}
BENCHMARK(BM_RecoveryCopyWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

// The Down key through a full table in the main window, each key with its repaint.
// Arg 0: no copy. Arg 1: a copy of the full table written over and over by another thread.
// Arg 2: the editor's own recovery timer taking a snapshot after every key (a pause of 0):
// far more often than the real 3 s pause allows, the upper bound of its cost.
void BM_DownKeyInTheEditor(benchmark::State& state) {
    delete g_pSplashWnd;
    CSplashWnd::EnableSplash(false);
    CQuietBox box{MsgAnswer::No};
    CNoDialog dialog;
    CCsvAnswer fileType;
    CMainFrame frame(box, dialog, fileType);
    frame.Start({});
    frame.resize(1280, 900);
    frame.show();
    if (!QTest::qWaitForWindowExposed(&frame)) {
        state.SkipWithError("no window");
        return;
    }
    CMyDoc& doc = frame.Document();
    FillFullTable(doc);
    doc.m_bContentsReplaced = true;
    CGridWidget* grid = frame.Grid();
    grid->Invalidate(true);
    QCoreApplication::processEvents();

    const CRecoveryStore store(Folder(), CProcessId::Self());
    std::atomic<bool> stop{false};
    std::atomic<long> copies{0};
    std::thread writer;
    std::unique_ptr<CRecoveryAgent> agent;
    const std::string copyPath = store.OwnCopyPath();
    ino_t inode = 0;
    if (state.range(0) == 1) {
        const std::string bytes = CRecoveryController::Snapshot(doc, store.Self());
        writer = std::thread([&, bytes] {
            while (!stop)
                if (store.WriteOwnCopy(bytes).ok)
                    ++copies;
        });
    } else if (state.range(0) == 2) {
        agent = std::make_unique<CRecoveryAgent>(frame, store, false, CRecoveryTiming{0ms, 0ms}, 0);
    }
    for (auto _ : state) {
        if (frame.View().Selection().CursorRow() == MAX_CELLS) {
            state.PauseTiming();
            while (frame.View().Selection().CursorRow() > 1)
                QTest::keyClick(grid, Qt::Key_PageUp);
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
        if (agent)
            doc.SetModifiedFlag(true); // a change for the timer to copy
        QTest::keyClick(grid, Qt::Key_Down);
        QCoreApplication::processEvents();
        if (agent) {
            // Each copy is a new file: count them by its inode.
            struct stat st {};
            if (::stat(copyPath.c_str(), &st) == 0 && st.st_ino != inode) {
                inode = st.st_ino;
                ++copies;
            }
        }
    }
    stop = true;
    if (writer.joinable())
        writer.join();
    state.counters["copies"] = static_cast<double>(copies);
    agent.reset();
    store.RemoveOwnCopy();
    doc.SetModifiedFlag(false);
}
BENCHMARK(BM_DownKeyInTheEditor)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

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
