// LaTeX and HTML generation of a full 250 x 250 table.
#include "CellArray.h"
#include "Generator.h"
#include "LineArray.h"
#include "SpanMap.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// A text in every cell, column and row spans of several sizes, lines on most edges (single
// and double), placements of all three kinds.
struct CFullTable {
    CCellArray cells;
    CLineArray h, v;
    CSpanMap spans;
    std::string out;

    CFullTable() {
        for (int r = 1; r <= MAX_CELLS; ++r) {
            for (int c = 1; c <= MAX_CELLS; ++c) {
                CCellData d;
                d.text = "c" + std::to_string(c) + "r" + std::to_string(r);
                d.hplace = static_cast<std::uint8_t>((c * 7 + r) % 3);
                const int pick = (c * 31 + r * 17) % 11;
                if (pick == 0)
                    d.colspan = 2;
                else if (pick == 1)
                    d.rowspan = static_cast<std::uint8_t>(2 + (c + r) % 3);
                else if (pick == 2) {
                    d.colspan = 3;
                    d.rowspan = 2;
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
        NormalizeSpans(cells, h, v, spans);
    }
};

void RunTarget(benchmark::State& state, int target) {
    auto t = std::make_unique<CFullTable>();
    const CGenerateModel model{t->cells, t->spans, t->h, t->v};
    COptionsRecord options;
    options.Com = options.ArrayCom = 1;
    for (auto _ : state) {
        GenerateSource(target, model, {1, 1, MAX_CELLS, MAX_CELLS}, options, t->out);
        benchmark::DoNotOptimize(t->out.data());
    }
    state.counters["bytes"] = static_cast<double>(t->out.size());
}

void BM_GenerateTabular(benchmark::State& state) { RunTarget(state, TARGET_TABULAR); }
void BM_GenerateArray(benchmark::State& state) { RunTarget(state, TARGET_ARRAY); }
void BM_GenerateHtml(benchmark::State& state) { RunTarget(state, TARGET_HTML); }

// A fresh output string every run, as a new generation without reuse would have.
void BM_GenerateTabularFreshString(benchmark::State& state) {
    auto t = std::make_unique<CFullTable>();
    const CGenerateModel model{t->cells, t->spans, t->h, t->v};
    for (auto _ : state) {
        std::string out;
        GenerateSource(TARGET_TABULAR, model, {1, 1, MAX_CELLS, MAX_CELLS}, {}, out);
        benchmark::DoNotOptimize(out.data());
    }
}

} // namespace

BENCHMARK(BM_GenerateTabular)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GenerateArray)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GenerateHtml)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GenerateTabularFreshString)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
