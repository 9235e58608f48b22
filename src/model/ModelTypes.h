#pragma once

#include <cstdint>

// Table dimensions and line kinds shared by the whole model.
inline constexpr int MAX_CELLS = 250;
inline constexpr int MAX_EDGE = MAX_CELLS + 1; // line edges run 1..251
inline constexpr int CELL_COUNT = MAX_CELLS * MAX_CELLS;

inline constexpr std::uint8_t LINE_NONE = 0;
inline constexpr std::uint8_t LINE_SINGLE = 1;
inline constexpr std::uint8_t LINE_DOUBLE = 2;

// Longest text a cell can carry: the file stores its length in 16 bits.
inline constexpr std::size_t MAX_TEXT_BYTES = 65535;

inline constexpr bool IsCellIndex(int n) {
    return n >= 1 && n <= MAX_CELLS;
}
inline constexpr bool IsEdgeIndex(int n) {
    return n >= 1 && n <= MAX_EDGE;
}

// A rectangle of cells, both corners inclusive.
struct CCellRect {
    int left = 1;
    int top = 1;
    int right = 1;
    int bottom = 1;

    // Swaps the corners per axis so that left <= right and top <= bottom.
    CCellRect Normalized() const;
    bool Contains(int col, int row) const {
        return col >= left && col <= right && row >= top && row <= bottom;
    }
    bool operator==(const CCellRect&) const = default;
};
