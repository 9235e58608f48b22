// generate(import(generate(T))) is generate(T), byte for byte, over random tables, regions and
// options, for each target; row spans with a text come back as spans.
#include "ImportTestUtil.h"
#include "TableFixture.h"

#include "Generator.h"
#include "SpanMap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// Cell texts as users type them for a LaTeX or HTML table: Japanese (with 0x5C and 0x7B
// trail bytes), half-width kana, markup, escapes, braces that protect '&', line breaks.
// A control space at the end is LaTeX only: HTML drops the blank around a cell's text.
const std::vector<std::string>& Texts(bool html) {
    static const auto make = [](bool forHtml) {
        std::vector<std::string> t;
        for (const char* s : {"表",       "十能",        "ソース",  "セル",     "日本語のテキスト",
                              "申し込み", "a",           "x_1",     "$x^2+y$",  "\\textbf{太字}",
                              "{a & b}",  "100\\%",      "\\&",     "ｶﾅ",       "上\r\n下",
                              "[1]",      "<B>強調</B>", "\\{ \\}", "A{\\\\}B", "\\verb|&|"})
            t.push_back(Cp932(s));
        if (!forHtml)
            t.push_back("a\\ ");
        return t;
    };
    static const std::vector<std::string> forLatex = make(false), forHtml = make(true);
    return html ? forHtml : forLatex;
}

struct CRandomTable {
    std::unique_ptr<CTestTable> t = std::make_unique<CTestTable>();
    CCellRect region;
    COptionsRecord options;
    bool fullGrid = false;
};

class CTableMaker {
public:
    CTableMaker(unsigned seed, bool html) : m_rng(seed), m_html(html) {}

    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(m_rng); }

    CRandomTable Make(bool wholeSpans) {
        CRandomTable r;
        CTestTable& t = *r.t;
        const int w = Chance(0.05) ? Uniform(10, 30) : Uniform(1, 8);
        const int h = Chance(0.05) ? Uniform(10, 30) : Uniform(1, 8);
        // Sometimes against the far edge of the sheet.
        const int ox = Chance(0.1) ? MAX_CELLS - w + 1 : Uniform(1, 200);
        const int oy = Chance(0.1) ? MAX_CELLS - h + 1 : Uniform(1, 200);
        // Content reaches two cells around the area, so that regions cut spans.
        const int ax1 = std::max(1, ox - 2), ay1 = std::max(1, oy - 2);
        const int ax2 = std::min(MAX_CELLS, ox + w + 1), ay2 = std::min(MAX_CELLS, oy + h + 1);
        std::vector<std::vector<bool>> used(MAX_CELLS + 2, std::vector<bool>(MAX_CELLS + 2));
        const int spans = Uniform(0, (ax2 - ax1 + 1) * (ay2 - ay1 + 1) / 5);
        for (int s = 0; s < spans; ++s) {
            const int x = Uniform(ax1, ax2), y = Uniform(ay1, ay2);
            const int cs = Uniform(1, std::min(4, ax2 - x + 1));
            const int rs = Uniform(1, std::min(5, ay2 - y + 1));
            bool free = true;
            for (int j = 0; j < rs && free; ++j)
                for (int k = 0; k < cs && free; ++k)
                    free = !used[x + k][y + j];
            if (!free || (cs == 1 && rs == 1))
                continue;
            for (int j = 0; j < rs; ++j)
                for (int k = 0; k < cs; ++k)
                    used[x + k][y + j] = true;
            t.Put(x, y, Chance(0.8) ? Text() : std::string(), cs, rs, Uniform(0, 2));
        }
        for (int y = ay1; y <= ay2; ++y) {
            for (int x = ax1; x <= ax2; ++x) {
                if (used[x][y])
                    continue;
                if (Chance(0.5))
                    t.Put(x, y, Text(), 1, 1, Uniform(0, 2));
                else if (Chance(0.15))
                    t.Put(x, y, "", 1, 1, Uniform(0, 2));
            }
        }
        const int lines = Uniform(0, 3);
        r.fullGrid = lines == 1 || lines == 2;
        if (lines == 1)
            t.Grid(ax1, ay1, ax2, ay2, Chance(0.8) ? LINE_SINGLE : LINE_DOUBLE);
        for (int y = ay1; y <= ay2 + 1 && lines >= 2; ++y) {
            for (int x = ax1; x <= ax2 + 1; ++x) {
                const int none = lines == 2 ? 0 : Uniform(0, 1);
                auto kind = [&] {
                    return none ? LINE_NONE : Chance(0.8) ? LINE_SINGLE : LINE_DOUBLE;
                };
                if (x <= ax2)
                    t.h.SetLine(x, y, kind());
                if (y <= ay2)
                    t.v.SetLine(y, x, Uniform(0, 1) || lines == 2 ? kind() : LINE_NONE);
            }
        }
        t.Model();
        CCellRect region{Uniform(ax1, ax2), Uniform(ay1, ay2), 0, 0};
        region.right = Uniform(region.left, ax2);
        region.bottom = Uniform(region.top, ay2);
        // The hull of the hull may be larger still: grow until no span sticks out.
        for (CCellRect grown = region; wholeSpans; region = grown) {
            grown = SpanHull(t.cells, t.spans, region);
            if (grown == region)
                break;
        }
        r.region = region;
        r.options = Options();
        return r;
    }

private:
    std::string Text() {
        const std::vector<std::string>& texts = Texts(m_html);
        return texts[static_cast<std::size_t>(Uniform(0, static_cast<int>(texts.size()) - 1))];
    }

    COptionsRecord Options() {
        COptionsRecord o;
        o.Doc = Uniform(0, 1);
        o.Com = Uniform(0, 1);
        o.Label = Uniform(0, 1);
        o.Table = Uniform(0, 1);
        o.LabelPos = Uniform(0, 1);
        o.Cap = Uniform(0, 1);
        if (Chance(0.8))
            o.CapStr = Text();
        if (Chance(0.8))
            o.LabelStr = Chance(0.5) ? "tab:x" : Text();
        o.ArrayCom = Uniform(0, 1);
        o.ArrayDoc = Uniform(0, 1);
        o.Kakko = Uniform(0, 3);
        o.Math = Uniform(0, 2);
        o.BorderHTML = Uniform(0, 1);
        return o;
    }

    std::mt19937 m_rng;
    bool m_html;
};

std::string GenerateImported(const CImportedTable& t, int target) {
    auto copy = std::make_unique<CTestTable>();
    for (int r = 1; r <= t.rows; ++r)
        for (int c = 1; c <= t.columns; ++c)
            if (const CCellData* rec = t.cells.GetCell(c, r))
                copy->cells.SetCell(c, r, *rec);
    for (int b = 1; b <= MAX_EDGE; ++b) {
        for (int a = 1; a <= MAX_CELLS; ++a) {
            copy->h.SetLine(a, b, t.hLines.GetLine(a, b));
            copy->v.SetLine(a, b, t.vLines.GetLine(a, b));
        }
    }
    return copy->Generate(target, {1, 1, t.columns, t.rows}, t.options);
}

// Whether the HTML writer writes an empty cell where a region cuts a span whose origin lies
// outside; until it does, HTML regions hold whole spans.
bool HtmlWriterFillsCutSpans() {
    auto t = std::make_unique<CTestTable>();
    t->Put(1, 1, "a", 2, 2);
    return t->Generate(TARGET_HTML, {2, 1, 2, 2}).find("<TD") != std::string::npos;
}

// A row span with a text that the import must give back as a span: where it lies in the
// generated table (1-based in the region), how many rows and columns of it the region holds.
struct CExpectedSpan {
    int col, row, cs, rs;
    std::string text;
};

std::vector<CExpectedSpan> RowSpansWithText(const CRandomTable& r, int target) {
    const CTestTable& t = *r.t;
    const CCellRect g = r.region;
    std::vector<CExpectedSpan> out;
    for (int y = g.top; y <= g.bottom; ++y) {
        for (int x = g.left; x <= g.right; ++x) {
            const CCellData* rec = t.cells.GetCell(x, y);
            if (!rec || rec->rowspan < 2 || rec->text.empty() || !t.spans.IsOrigin(x, y))
                continue;
            const int rs = std::min<int>(rec->rowspan, g.bottom - y + 1);
            const int cs = std::min<int>(rec->colspan, g.right - x + 1);
            if (rs < 2)
                continue;
            if (target != TARGET_HTML && rs % 2 == 1) {
                // The middle-row form of an odd span is a span only where the rules say so:
                // closed above and below, and every row edge inside ruled outside the span.
                if (!r.fullGrid || rs < rec->rowspan)
                    continue;
                bool ruled = true;
                for (int e = y + 1; e < y + rs && ruled; ++e) {
                    bool elsewhere = cs == g.right - g.left + 1;
                    for (int c = g.left; c <= g.right && !elsewhere; ++c)
                        elsewhere = (c < x || c >= x + cs) && t.h.GetLine(c, e) != LINE_NONE;
                    ruled = elsewhere;
                }
                if (!ruled)
                    continue;
            }
            out.push_back({x - g.left + 1, y - g.top + 1, cs, rs, rec->text});
        }
    }
    return out;
}

// The seeds run, 1 to 400 unless BRINDLE_ROUND_TRIP_SEEDS=FIRST-LAST asks for others.
unsigned SeedFrom() {
    const char* s = std::getenv("BRINDLE_ROUND_TRIP_SEEDS");
    return s ? static_cast<unsigned>(std::strtoul(s, nullptr, 10)) : 1;
}
unsigned SeedTo() {
    const char* s = std::getenv("BRINDLE_ROUND_TRIP_SEEDS");
    const char* dash = s ? std::strchr(s, '-') : nullptr;
    return dash ? static_cast<unsigned>(std::strtoul(dash + 1, nullptr, 10)) : 400;
}

class RoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(RoundTrip, GenerateImportGenerateIsTheSame) {
    const int target = GetParam();
    const bool wholeSpans = target == TARGET_HTML && !HtmlWriterFillsCutSpans();
    const TableSourceFormat format =
        target == TARGET_HTML ? TableSourceFormat::Html : TableSourceFormat::Latex;
    int spansChecked = 0;
    for (unsigned seed = SeedFrom(); seed <= SeedTo(); ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        CTableMaker maker(seed * 3 + static_cast<unsigned>(target), target == TARGET_HTML);
        const CRandomTable r = maker.Make(wholeSpans);
        const std::string source = r.t->Generate(target, r.region, r.options);
        const std::unique_ptr<CImportedTable> imported = ImportOrFail(source, format);
        ASSERT_EQ(imported->columns, r.region.right - r.region.left + 1) << source;
        ASSERT_EQ(imported->rows, r.region.bottom - r.region.top + 1) << source;
        ASSERT_EQ(GenerateImported(*imported, target), source) << Describe(*imported);
        for (const CExpectedSpan& s : RowSpansWithText(r, target)) {
            SCOPED_TRACE("span at (" + std::to_string(s.col) + "," + std::to_string(s.row) + ")");
            bool found = false;
            for (int y = s.row; y < s.row + s.rs && !found; ++y) {
                const CCellData* rec = imported->cells.GetCell(s.col, y);
                found = rec && rec->text == s.text && rec->rowspan >= 2 &&
                        y + rec->rowspan <= s.row + s.rs && rec->colspan == s.cs &&
                        (target != TARGET_HTML || (y == s.row && rec->rowspan == s.rs));
            }
            EXPECT_TRUE(found) << source << Describe(*imported);
            ++spansChecked;
        }
    }
    EXPECT_GT(spansChecked, 30);
}

INSTANTIATE_TEST_SUITE_P(Targets, RoundTrip,
                         ::testing::Values(TARGET_TABULAR, TARGET_ARRAY, TARGET_HTML),
                         [](const ::testing::TestParamInfo<int>& p) {
                             return std::string(p.param == TARGET_TABULAR ? "tabular"
                                                : p.param == TARGET_ARRAY ? "array"
                                                                          : "html");
                         });

} // namespace
