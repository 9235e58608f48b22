#include "CellSize.h"

int g_nWidthCount = MAX_CELLS;

CCellSize::CCellSize() {
    m_widths.fill(m_stdWidth);
    m_height = m_stdHeight;
}

bool CCellSize::SetWidth(int col, int width) {
    if (!IsCellIndex(col))
        return false;
    const auto w = static_cast<std::uint16_t>(width & 0xFFFF);
    if (m_widths[col - 1] == w)
        return false;
    m_widths[col - 1] = w;
    return true;
}

bool CCellSize::SetHeight(int height) {
    m_height = static_cast<std::uint8_t>(height & 0xFF);
    return true;
}

bool CCellSize::SetStdWidth(int width) {
    m_stdWidth = static_cast<std::uint16_t>(width & 0xFFFF);
    return true;
}

bool CCellSize::SetStdHeight(int height) {
    m_stdHeight = static_cast<std::uint8_t>(height & 0xFF);
    return true;
}

bool CCellSize::ResetWidths() {
    m_widths.fill(m_stdWidth);
    return true;
}

bool CCellSize::ResetHeight() {
    m_height = m_stdHeight;
    return true;
}
