// Reading back the generated source of a full 250 x 250 table with spans and rules, for each
// target, as code page 932 bytes (what the generator writes) and as UTF-8 (a file on this
// desktop). Target: under 20 ms each.
#include "CellArray.h"
#include "Generator.h"
#include "LineArray.h"
#include "SpanMap.h"
#include "TableImport.h"
#include "TextCodec.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

// Japanese and ASCII texts in every cell, spans of several sizes, most placements centred,
// lines on most edges with whole rule lines and columns missing now and then.
std::string GeneratedSource(int target) {
    auto cells = std::make_unique<CCellArray>();
    auto h = std::make_unique<CLineArray>();
    auto v = std::make_unique<CLineArray>();
    auto spans = std::make_unique<CSpanMap>();
    const std::string kanji = *Utf8ToCp932("表計算");
    for (int r = 1; r <= MAX_CELLS; ++r) {
        for (int c = 1; c <= MAX_CELLS; ++c) {
            CCellData d;
            d.text = (c + r) % 3 == 0 ? kanji + std::to_string(c)
                                      : "c" + std::to_string(c) + "r" + std::to_string(r);
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
            cells->SetCell(c, r, d);
        }
    }
    for (int b = 1; b <= MAX_EDGE; ++b) {
        for (int a = 1; a <= MAX_CELLS; ++a) {
            if (b % 5 != 0)
                h->SetLine(a, b, b == 2 ? LINE_DOUBLE : LINE_SINGLE);
            if (b % 7 != 0)
                v->SetLine(a, b, b == 2 ? LINE_DOUBLE : LINE_SINGLE);
        }
    }
    NormalizeSpans(*cells, *h, *v, *spans);
    std::string out;
    GenerateSource(target, {*cells, *spans, *h, *v}, {1, 1, MAX_CELLS, MAX_CELLS}, {}, out);
    return out;
}

void Import(benchmark::State& state, int target, bool utf8) {
    std::string source = GeneratedSource(target);
    if (utf8)
        source = *Cp932ToUtf8(source);
    const TableSourceFormat format =
        target == TARGET_HTML ? TableSourceFormat::Html : TableSourceFormat::Latex;
    auto table = std::make_unique<CImportedTable>();
    for (auto _ : state) {
        if (ImportTableSource(source, format, *table) || table->rows != MAX_CELLS)
            std::abort();
        benchmark::DoNotOptimize(table->cells.GetCell(1, 1));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(source.size()));
}

void BM_ImportTabular(benchmark::State& s) {
    Import(s, TARGET_TABULAR, false);
}
void BM_ImportArray(benchmark::State& s) {
    Import(s, TARGET_ARRAY, false);
}
void BM_ImportHtml(benchmark::State& s) {
    Import(s, TARGET_HTML, false);
}
void BM_ImportTabularUtf8(benchmark::State& s) {
    Import(s, TARGET_TABULAR, true);
}
void BM_ImportHtmlUtf8(benchmark::State& s) {
    Import(s, TARGET_HTML, true);
}

BENCHMARK(BM_ImportTabular)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportArray)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportHtml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportTabularUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportHtmlUtf8)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
