#pragma once

#include "CellArray.h"
#include "LineArray.h"

#include <array>
#include <ostream>
#include <string>
#include <vector>

// Records and lines of a table in a form tests compare whole.

inline CCellData Record(const std::string& text, int colspan = 1, int rowspan = 1, int hplace = 1,
                        int vplace = 1) {
    CCellData d;
    d.text = text;
    d.SetColspan(colspan);
    d.SetRowspan(rowspan);
    d.SetHplace(hplace);
    d.SetVplace(vplace);
    return d;
}

// Every record of the table with its position, row by row.
struct CPlaced {
    int col, row;
    CCellData data;
    bool operator==(const CPlaced&) const = default;
};
inline void PrintTo(const CPlaced& p, std::ostream* os) {
    *os << "(" << p.col << ", " << p.row << ") \"" << p.data.text << "\" span "
        << int(p.data.colspan) << "x" << int(p.data.rowspan) << " place " << int(p.data.hplace)
        << int(p.data.vplace);
}
inline std::vector<CPlaced> Records(const CCellArray& cells) {
    std::vector<CPlaced> out;
    for (int r = 1; r <= MAX_CELLS; ++r)
        for (int c = 1; c <= MAX_CELLS; ++c)
            if (const CCellData* d = cells.GetCell(c, r))
                out.push_back({c, r, *d});
    return out;
}

// Every line of both arrays that is not LINE_NONE: (horizontal?, index, edge, kind).
inline std::vector<std::array<int, 4>> Lines(const CLineArray& h, const CLineArray& v) {
    std::vector<std::array<int, 4>> out;
    for (int i = 1; i <= MAX_CELLS; ++i)
        for (int e = 1; e <= MAX_EDGE; ++e) {
            if (const int k = h.GetLine(i, e))
                out.push_back({1, i, e, k});
            if (const int k = v.GetLine(i, e))
                out.push_back({0, i, e, k});
        }
    return out;
}
