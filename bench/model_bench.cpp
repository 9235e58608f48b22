// Span normalisation and undo-block copies over a full 250 x 250 table.
#include "CellArray.h"
#include "CellBlock.h"
#include "CellSize.h"
#include "LineArray.h"
#include "SpanMap.h"

#include <benchmark/benchmark.h>

#include <string>

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

void BM_NormalizeFullTable(benchmark::State& state) {
    CCellArray cells;
    CLineArray h, v;
    CSpanMap map;
    FillFullTable(cells, h, v);
    for (auto _ : state) {
        state.PauseTiming();
        CCellArray fresh;
        CLineArray fh, fv;
        FillFullTable(fresh, fh, fv);
        state.ResumeTiming();
        benchmark::DoNotOptimize(NormalizeSpans(fresh, fh, fv, map));
        state.PauseTiming();
        fresh.DeleteAll();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NormalizeFullTable)->Unit(benchmark::kMicrosecond);

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

} // namespace

BENCHMARK_MAIN();
