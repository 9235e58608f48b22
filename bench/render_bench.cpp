// From the table to the typeset picture: generation, the wrapper, the TeX compile, poppler.
#include "CellArray.h"
#include "LineArray.h"
#include "Render.h"
#include "SpanMap.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

// n x n cells with a short text each and single rules on every edge; Japanese texts when
// japanese is set (they need lualatex).
struct CGridTable {
    CCellArray cells;
    CLineArray h, v;
    CSpanMap spans;
    int n;

    CGridTable(int size, bool japanese) : n(size) {
        for (int r = 1; r <= n; ++r) {
            for (int c = 1; c <= n; ++c) {
                CCellData d;
                d.text = (japanese ? std::string("\x95\x5c") : std::string("c")) +
                         std::to_string(c) + "r" + std::to_string(r);
                cells.SetCell(c, r, d);
                h.SetLine(c, r, LINE_SINGLE);
                v.SetLine(r, c, LINE_SINGLE);
            }
            v.SetLine(r, n + 1, LINE_SINGLE);
        }
        for (int c = 1; c <= n; ++c)
            h.SetLine(c, n + 1, LINE_SINGLE);
        NormalizeSpans(cells, h, v, spans);
    }

    CRenderResult Run(const CRenderSettings& settings) const {
        std::string error;
        const std::optional<CRenderSource> src = MakeRenderSource(
            TARGET_TABULAR, {cells, spans, h, v}, {1, 1, n, n}, COptionsRecord{}, error);
        return src ? Render(*src, settings) : CRenderResult{};
    }
};

const char* StatusName(RenderStatus s) {
    switch (s) {
    case RenderStatus::Ok:
        return "Ok";
    case RenderStatus::TexError:
        return "TexError";
    case RenderStatus::NoEngine:
        return "NoEngine";
    case RenderStatus::TimedOut:
        return "TimedOut";
    case RenderStatus::Cancelled:
        return "Cancelled";
    case RenderStatus::Failed:
        return "Failed";
    }
    return "?";
}

void Report(benchmark::State& state, const CRenderResult& r) {
    state.counters["width_px"] = r.picture.width;
    state.counters["height_px"] = r.picture.height;
    state.counters["dpi"] = r.picture.dpi;
    state.SetLabel(std::string(StatusName(r.status)) + (r.message.empty() ? "" : ": ") + r.message);
}

// The preview's case: a 10 x 10 table at screen resolution (target under 1.5 s).
void BM_Render10x10(benchmark::State& state) {
    const bool japanese = state.range(0) != 0;
    const auto table = std::make_unique<CGridTable>(10, japanese);
    CRenderSettings settings;
    CRenderResult r;
    for (auto _ : state) {
        r = table->Run(settings);
        if (r.status != RenderStatus::Ok) {
            state.SkipWithError(r.message.c_str());
            break;
        }
    }
    Report(state, r);
}
BENCHMARK(BM_Render10x10)
    ->ArgName("japanese")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3)
    ->UseRealTime();

// A full table either finishes or fails cleanly within the time limit (20 s); the label
// says which.
void BM_Render250x250(benchmark::State& state) {
    const auto table = std::make_unique<CGridTable>(250, false);
    CRenderSettings settings;
    CRenderResult r;
    for (auto _ : state)
        r = table->Run(settings);
    Report(state, r);
}
BENCHMARK(BM_Render250x250)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
