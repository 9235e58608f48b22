#include "LineArray.h"

#include <algorithm>

bool CLineArray::SetLine(int a, int b, int kind) {
    if (!InRange(a, b))
        return false;
    m_lines[Index(a, b)] = static_cast<std::uint8_t>(kind & 0xFF);
    return true;
}

bool CLineArray::ClearLine(int a, int b) {
    if (!InRange(a, b))
        return false;
    auto& e = m_lines[Index(a, b)];
    if (e == LINE_NONE)
        return false;
    e = LINE_NONE;
    return true;
}

bool CLineArray::IsEmpty() const {
    return std::all_of(m_lines.begin(), m_lines.end(),
                       [](std::uint8_t k) { return k == LINE_NONE; });
}

int CLineArray::Count() const {
    return static_cast<int>(std::count_if(m_lines.begin(), m_lines.end(),
                                          [](std::uint8_t k) { return k != LINE_NONE; }));
}
