#pragma once

#include "LineArray.h"

#include <initializer_list>
#include <set>
#include <tuple>

// Lines written as runs along one edge: {'H', 2, 4, 3, 1} is H(2..4, 3) = 1, the single line on
// the row edge 3 across columns 2 to 4; {'V', 2, 3, 5, 2} is V(2..3, 5) = 2, the double line on
// the column edge 5 along rows 2 and 3.
struct CLineRun {
    char dir;
    int first, last;
    int edge;
    int kind;
};

// Every line of both arrays as (direction, index, edge, kind), so a failing comparison shows
// which segments differ.
using CLineSet = std::set<std::tuple<char, int, int, int>>;

inline CLineSet Expand(std::initializer_list<CLineRun> runs) {
    CLineSet out;
    for (const CLineRun& r : runs)
        for (int a = r.first; a <= r.last; ++a)
            if (r.kind != LINE_NONE)
                out.insert({r.dir, a, r.edge, r.kind});
    return out;
}

inline void Draw(CLineArray& h, CLineArray& v, std::initializer_list<CLineRun> runs) {
    for (const CLineRun& r : runs)
        for (int a = r.first; a <= r.last; ++a)
            (r.dir == 'H' ? h : v).SetLine(a, r.edge, r.kind);
}

inline CLineSet LinesOf(const CLineArray& h, const CLineArray& v) {
    CLineSet out;
    for (int a = 1; a <= MAX_CELLS; ++a)
        for (int b = 1; b <= MAX_EDGE; ++b) {
            if (const int k = h.GetLine(a, b))
                out.insert({'H', a, b, k});
            if (const int k = v.GetLine(a, b))
                out.insert({'V', a, b, k});
        }
    return out;
}
