#pragma once

#include "TextMeasurer.h"

#include <QFontMetrics>

#include <optional>

// Measures code page 932 text with Qt's font metrics, in the font the grid draws with and
// with line breaks shown as spaces, as the grid shows cell texts.
class CQtTextMeasurer : public ITextMeasurer {
public:
    CSize MeasureText(const CFontDesc& font, std::string_view cp932) override;

private:
    // The metrics of the last font asked for; a fit measures many texts in one font.
    CFontDesc m_font;
    std::optional<QFontMetrics> m_metrics;
};
