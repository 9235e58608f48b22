#pragma once

#include "CellData.h"
#include "RecordingDC.h"

#include <cstdint>
#include <string>
#include <vector>

// What the paint tests look for in a recording context, and the records they paint.

inline constexpr CColor GRID_GREY{192, 192, 192};

// The rectangles drawn with a pen of penColor, in order.
inline std::vector<CRect> RectanglesIn(const CRecordingDC& dc, CColor penColor) {
    std::vector<CRect> out;
    for (const auto& op : dc.OpsOf(CRecordingDC::Kind::Rectangle))
        if (op.pen.color == penColor)
            out.push_back(op.rect);
    return out;
}

inline int CountColour(const CRecordingDC& dc, const CRect& r, CColor c) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += dc.Pixel(x, y) == c;
    return n;
}

// Placements set directly, so that values the setters refuse can be drawn too.
inline CCellData Text(const std::string& text, int hplace = 1, int vplace = 1) {
    CCellData d;
    d.text = text;
    d.hplace = static_cast<std::uint8_t>(hplace);
    d.vplace = static_cast<std::uint8_t>(vplace);
    return d;
}

inline CCellData Span(int colspan, int rowspan) {
    CCellData d;
    d.colspan = static_cast<std::uint8_t>(colspan);
    d.rowspan = static_cast<std::uint8_t>(rowspan);
    return d;
}
