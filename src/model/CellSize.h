#pragma once

#include "ModelTypes.h"

#include <array>
#include <cstdint>

// Number of column widths the native reader takes: 250, or 50 for the old signature.
extern int g_nWidthCount;

// Column widths, the shared row height and the standard sizes, in view pixels.
class CCellSize {
public:
    CCellSize();

    std::uint16_t GetWidth(int col) const { return IsCellIndex(col) ? m_widths[col - 1] : 0; }
    // True only when the column is valid and the stored width changed.
    bool SetWidth(int col, int width);
    std::uint8_t GetHeight() const { return m_height; }
    bool SetHeight(int height);
    std::uint16_t GetStdWidth() const { return m_stdWidth; }
    std::uint8_t GetStdHeight() const { return m_stdHeight; }
    bool SetStdWidth(int width);
    bool SetStdHeight(int height);
    bool ResetWidths();
    bool ResetHeight();

private:
    std::array<std::uint16_t, MAX_CELLS> m_widths{};
    std::uint8_t m_height = 40;
    std::uint16_t m_stdWidth = 100;
    std::uint8_t m_stdHeight = 40;
};
