#pragma once

#include "ModelTypes.h"

#include <array>
#include <cstdint>

// One direction of ruled-line segments: kind per (a 1..250, b 1..251).
// m_hLines: a = column, b = row edge; m_vLines: a = row, b = column edge.
class CLineArray {
public:
    CLineArray() { ClearAll(); }

    std::uint8_t GetLine(int a, int b) const {
        return InRange(a, b) ? m_lines[Index(a, b)] : LINE_NONE;
    }
    // Stores the low 8 bits of kind.
    bool SetLine(int a, int b, int kind);
    // True when a line was removed.
    bool ClearLine(int a, int b);
    void ClearAll() { m_lines.fill(LINE_NONE); }
    bool IsEmpty() const;
    // Number of entries that hold a line.
    int Count() const;

    static constexpr int ENTRY_COUNT = MAX_CELLS * MAX_EDGE;

private:
    static bool InRange(int a, int b) { return IsCellIndex(a) && IsEdgeIndex(b); }
    static int Index(int a, int b) { return (b - 1) * MAX_CELLS + (a - 1); }
    std::array<std::uint8_t, ENTRY_COUNT> m_lines;
};
