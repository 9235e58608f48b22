#pragma once

#include "ModelTypes.h"

#include <array>
#include <cstdint>
#include <utility>

class CCellArray;
class CLineArray;

// For every cell, the origin (top-left cell) of the span that covers it.
class CSpanMap {
public:
    CSpanMap() { Reset(); }

    void Reset();
    // (0, 0) for a position off the table.
    std::pair<int, int> GetOrigin(int col, int row) const {
        if (!IsCellIndex(col) || !IsCellIndex(row))
            return {0, 0};
        const std::uint16_t v = m_map[Index(col, row)];
        return {v & 0xFF, v >> 8};
    }
    bool SetOrigin(int col, int row, int originCol, int originRow);
    bool IsOrigin(int col, int row) const {
        const auto [oc, orow] = GetOrigin(col, row);
        return oc == col && orow == row;
    }

private:
    static int Index(int col, int row) { return (col - 1) * MAX_CELLS + (row - 1); }
    std::array<std::uint16_t, CELL_COUNT> m_map;
};

// Span normalisation: rebuilds the map from the grid, deletes records hidden under spans
// and clears lines strictly inside spans. Returns true when it removed anything, so the
// caller can mark the document modified.
bool NormalizeSpans(CCellArray& cells, CLineArray& hLines, CLineArray& vLines, CSpanMap& map);

// The extent (left, top, right, bottom) of the span that covers (col, row), clipped at 250.
CCellRect SpanExtent(const CCellArray& cells, const CSpanMap& map, int col, int row);

// Smallest rectangle holding rect and every span that overlaps it.
CCellRect SpanHull(const CCellArray& cells, const CSpanMap& map, const CCellRect& rect);
