// Span normalisation and undo-block copies over a full 250 x 250 table.
#include "CellArray.h"
#include "CellBlock.h"
#include "CellSize.h"
#include "LineArray.h"
#include "SpanMap.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

// Counts heap bytes so the footprint of an empty block can be reported.
static std::atomic<std::size_t> g_allocated{0};

void* operator new(std::size_t n) {
    g_allocated += n;
    if (void* p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

// A text in every cell, a 2 x 2 span every 7th cell and lines on most edges.
void FillFullTable(CCellArray& cells, CLineArray& h, CLineArray& v) {
    for (int r = 1; r <= MAX_CELLS; ++r) {
        for (int c = 1; c <= MAX_CELLS; ++c) {
            CCellData d;
            d.text = "c" + std::to_string(c) + "r" + std::to_string(r);
            if ((c * 31 + r * 17) % 7 == 0) {
                d.colspan = 2;
                d.rowspan = static_cast<std::uint8_t>(1 + (c + r) % 2);
            }
            cells.SetCell(c, r, d);
        }
    }
    for (int b = 1; b <= MAX_EDGE; ++b)
        for (int a = 1; a <= MAX_CELLS; ++a)
            if ((a + b) % 5 != 0) {
                h.SetLine(a, b, 1 + (a % 2));
                v.SetLine(a, b, 1 + (b % 2));
            }
}

// First normalisation of a full table: deletes the records and lines hidden under spans.
void BM_NormalizeFullTable(benchmark::State& state) {
    CSpanMap map;
    for (auto _ : state) {
        CCellArray cells;
        CLineArray h, v;
        FillFullTable(cells, h, v);
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(NormalizeSpans(cells, h, v, map));
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
}
BENCHMARK(BM_NormalizeFullTable)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Normalising a table that is already normal: the common case after every edit.
void BM_NormalizeNormalTable(benchmark::State& state) {
    CCellArray cells;
    CLineArray h, v;
    CSpanMap map;
    FillFullTable(cells, h, v);
    NormalizeSpans(cells, h, v, map);
    for (auto _ : state)
        benchmark::DoNotOptimize(NormalizeSpans(cells, h, v, map));
}
BENCHMARK(BM_NormalizeNormalTable)->Unit(benchmark::kMicrosecond);

void BM_BlockSaveRestoreFullTable(benchmark::State& state) {
    CCellArray cells;
    CLineArray h, v;
    CCellSize sizes;
    CSpanMap map;
    FillFullTable(cells, h, v);
    NormalizeSpans(cells, h, v, map);
    CCellBlock block;
    block.Attach(cells, h, v, sizes);
    for (auto _ : state) {
        block.Save(1, 1, MAX_CELLS, MAX_CELLS);
        block.RestoreInPlace();
    }
}
BENCHMARK(BM_BlockSaveRestoreFullTable)->Unit(benchmark::kMillisecond);

// Memory of a full-capacity block besides its records (target: under 1 MB).
void BM_BlockFootprint(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::size_t before = g_allocated;
        auto block = std::make_unique<CCellBlock>();
        bytes = g_allocated - before;
        benchmark::DoNotOptimize(block.get());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_BlockFootprint)->Iterations(10);

} // namespace

BENCHMARK_MAIN();
