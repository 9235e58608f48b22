#pragma once

#include "DeviceContext.h"

#include <string_view>

// Measures text in a font without drawing, for sizes that follow the texts: the column widths
// fitted to them and the row height that follows the font.
class ITextMeasurer {
public:
    virtual ~ITextMeasurer() = default;
    // The extent in pixels of text (code page 932) drawn as one line in font: cx its width,
    // cy the height of a line of the font. Line breaks count as spaces.
    virtual CSize MeasureText(const CFontDesc& font, std::string_view cp932) = 0;
};
