// LaTeX and HTML generation of a full 250 x 250 table.
#include "CellArray.h"
#include "Generator.h"
#include "LineArray.h"
#include "SpanMap.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// A text in every cell, column and row spans of several sizes, mostly centred with some left
// and right cells, lines on most edges. Typical: whole rule lines and columns missing now and
// then, as a ruled table has them. Ragged: segments missing or doubled here and there, so that
// many cells differ from their column and become \multicolumn.
struct CFullTable {
    CCellArray cells;
    CLineArray h, v;
    CSpanMap spans;
    std::string out;

    explicit CFullTable(bool ragged) {
        for (int r = 1; r <= MAX_CELLS; ++r) {
            for (int c = 1; c <= MAX_CELLS; ++c) {
                CCellData d;
                d.text = "c" + std::to_string(c) + "r" + std::to_string(r);
                const int place = (c * 7 + r * 3) % 13;
                d.hplace = static_cast<std::uint8_t>(place == 0 ? 0 : place == 1 ? 2 : 1);
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
        for (int b = 1; b <= MAX_EDGE; ++b) {
            for (int a = 1; a <= MAX_CELLS; ++a) {
                if (ragged) {
                    if ((a * 3 + b) % 7 != 0) {
                        h.SetLine(a, b, (a + b) % 9 == 0 ? LINE_DOUBLE : LINE_SINGLE);
                        v.SetLine(a, b, (a * 5 + b) % 11 == 0 ? LINE_DOUBLE : LINE_SINGLE);
                    }
                } else {
                    if (b % 5 != 0)
                        h.SetLine(a, b, b == 2 ? LINE_DOUBLE : LINE_SINGLE);
                    if (b % 7 != 0)
                        v.SetLine(a, b, b == 2 ? LINE_DOUBLE : LINE_SINGLE);
                }
            }
        }
        NormalizeSpans(cells, h, v, spans);
    }
};

void Generate(benchmark::State& state, int target, bool ragged) {
    auto t = std::make_unique<CFullTable>(ragged);
    const CGenerateModel model{t->cells, t->spans, t->h, t->v};
    COptionsRecord options;
    options.Com = options.ArrayCom = 1;
    for (auto _ : state) {
        GenerateSource(target, model, {1, 1, MAX_CELLS, MAX_CELLS}, options, t->out);
        benchmark::DoNotOptimize(t->out.data());
    }
    state.counters["bytes"] = static_cast<double>(t->out.size());
}

void BM_Tabular(benchmark::State& state) {
    Generate(state, TARGET_TABULAR, false);
}
void BM_Array(benchmark::State& state) {
    Generate(state, TARGET_ARRAY, false);
}
void BM_Html(benchmark::State& state) {
    Generate(state, TARGET_HTML, false);
}
void BM_TabularRagged(benchmark::State& state) {
    Generate(state, TARGET_TABULAR, true);
}
void BM_HtmlRagged(benchmark::State& state) {
    Generate(state, TARGET_HTML, true);
}

// A fresh output string every run instead of one reused as the view reuses m_source.
void BM_TabularFreshString(benchmark::State& state) {
    auto t = std::make_unique<CFullTable>(false);
    const CGenerateModel model{t->cells, t->spans, t->h, t->v};
    for (auto _ : state) {
        std::string out;
        GenerateSource(TARGET_TABULAR, model, {1, 1, MAX_CELLS, MAX_CELLS}, {}, out);
        benchmark::DoNotOptimize(out.data());
    }
}

} // namespace

BENCHMARK(BM_Tabular)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Array)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Html)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TabularRagged)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HtmlRagged)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TabularFreshString)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
