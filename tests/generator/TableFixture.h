#pragma once

#include "CellArray.h"
#include "Generator.h"
#include "LineArray.h"
#include "SpanMap.h"

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A table model built cell by cell, normalised before each run.
struct CTestTable {
    CCellArray cells;
    CLineArray h;
    CLineArray v;
    CSpanMap spans;

    CTestTable& Put(int col, int row, const std::string& text, int colspan = 1, int rowspan = 1,
                    int hplace = 1) {
        CCellData d;
        d.text = text;
        d.colspan = static_cast<std::uint8_t>(colspan);
        d.rowspan = static_cast<std::uint8_t>(rowspan);
        d.hplace = static_cast<std::uint8_t>(hplace);
        cells.SetCell(col, row, d);
        return *this;
    }

    // Lines of one kind on every edge of every cell in the rectangle.
    CTestTable& Grid(int x1, int y1, int x2, int y2, int kind) {
        for (int y = y1; y <= y2 + 1; ++y)
            for (int x = x1; x <= x2; ++x)
                h.SetLine(x, y, kind);
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2 + 1; ++x)
                v.SetLine(y, x, kind);
        return *this;
    }

    CGenerateModel Model() {
        NormalizeSpans(cells, h, v, spans);
        return {cells, spans, h, v};
    }

    std::string Generate(int target, const CCellRect& region, const COptionsRecord& o = {},
                         IGenerateProgress* progress = nullptr) {
        std::string out = "stale";
        EXPECT_TRUE(GenerateSource(target, Model(), region, o, out, progress));
        return out;
    }
};

// Lines joined, each ended by CR LF.
inline std::string CrLf(std::initializer_list<std::string_view> lines) {
    std::string s;
    for (std::string_view l : lines) {
        s.append(l);
        s.append("\r\n");
    }
    return s;
}

inline std::string ReadTestData(const std::string& name) {
    std::ifstream f(std::string(BRINDLE_TEST_DATA) + "/generator/" + name, std::ios::binary);
    EXPECT_TRUE(f.good()) << name;
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// Records every progress call as text: "R1-3", "P1", ...
class CProgressLog : public IGenerateProgress {
public:
    std::vector<std::string> calls;
    void SetRange(int first, int last) override {
        calls.push_back("R" + std::to_string(first) + "-" + std::to_string(last));
    }
    void SetPos(int pos) override { calls.push_back("P" + std::to_string(pos)); }
};

// The 3 x 3 table of the worked examples: single lines everywhere, A over two columns,
// C over two rows.
inline void FillWorkedExample(CTestTable& t) {
    t.Grid(1, 1, 3, 3, LINE_SINGLE);
    t.Put(1, 1, "A", 2).Put(3, 1, "B").Put(1, 2, "C", 1, 2).Put(2, 2, "D").Put(3, 2, "E");
    t.Put(2, 3, "F").Put(3, 3, "G");
}
