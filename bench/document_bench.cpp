// Reading and writing a full table: 62,500 cells with short texts and a line on every edge.
#include "BenchPlatform.h"
#include "FileIo.h"
#include "MyDoc.h"
#include "NativeFormat.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

struct CFullTable {
    CQuietBox box;
    CNoDialog dialog;
    CCsvAnswer answer;
    CMyDoc doc{box, dialog, answer};

    CFullTable() {
        CCellData rec;
        for (int r = 1; r <= MAX_CELLS; ++r)
            for (int c = 1; c <= MAX_CELLS; ++c) {
                rec.text = "c" + std::to_string(c) + "r" + std::to_string(r);
                rec.hplace = static_cast<std::uint8_t>(c % 3);
                doc.m_cells.SetCell(c, r, rec);
            }
        for (int b = 1; b <= MAX_EDGE; ++b)
            for (int a = 1; a <= MAX_CELLS; ++a) {
                doc.m_hLines.SetLine(a, b, LINE_SINGLE);
                doc.m_vLines.SetLine(a, b, LINE_DOUBLE);
            }
    }
};

CFullTable& Table() {
    static CFullTable table;
    return table;
}

std::string TempPath() {
    return "/tmp/brindle-bench-" + std::to_string(::getpid()) + ".brd";
}

// The bytes of the native file, built in memory.
void BM_WriteFullTable(benchmark::State& state) {
    CFullTable& t = Table();
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string bytes = t.doc.SerializeToBytes();
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_WriteFullTable)->Unit(benchmark::kMillisecond);

// The model refilled from the bytes of the native file.
void BM_ReadFullTable(benchmark::State& state) {
    const std::string bytes = Table().doc.SerializeToBytes();
    CFullTable& t = Table();
    for (auto _ : state) {
        t.doc.SerializeFromBytes(bytes);
        benchmark::DoNotOptimize(t.doc.m_cells.GetCell(250, 250));
    }
}
BENCHMARK(BM_ReadFullTable)->Unit(benchmark::kMillisecond);

// Save: the bytes, then the temporary file, fsync and rename.
void BM_SaveFullTableToFile(benchmark::State& state) {
    CFullTable& t = Table();
    const std::string path = TempPath();
    t.doc.SetPathName(path);
    for (auto _ : state)
        if (!t.doc.SaveToFile())
            state.SkipWithError("save failed");
    std::remove(path.c_str());
}
BENCHMARK(BM_SaveFullTableToFile)->Unit(benchmark::kMillisecond);

// Open: empty the document, read the file, refill the model.
void BM_OpenFullTableFromFile(benchmark::State& state) {
    CFullTable& t = Table();
    const std::string path = TempPath();
    if (!ReplaceFileContent(path, t.doc.SerializeToBytes()).ok) {
        state.SkipWithError("cannot write the file");
        return;
    }
    for (auto _ : state)
        if (t.doc.OpenFile(path).Failed())
            state.SkipWithError("open failed");
    std::remove(path.c_str());
}
BENCHMARK(BM_OpenFullTableFromFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
