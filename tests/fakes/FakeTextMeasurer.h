#pragma once

#include "TextMeasurer.h"

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

// Text measurer with sizes by rule: every byte is bytePixels wide unless the text has a width
// of its own in widths; a line is lineHeight high, or with heightFromFont as high as the
// font's height says. It records the texts and fonts asked.
class CFakeTextMeasurer : public ITextMeasurer {
public:
    int bytePixels = 7;
    int lineHeight = 18;
    bool heightFromFont = false;
    std::map<std::string, int> widths;
    std::vector<std::string> measured;
    std::vector<CFontDesc> fonts;

    CSize MeasureText(const CFontDesc& font, std::string_view cp932) override {
        const std::string text(cp932);
        measured.push_back(text);
        fonts.push_back(font);
        const auto it = widths.find(text);
        const int cx = it != widths.end() ? it->second : static_cast<int>(text.size()) * bytePixels;
        return {cx, heightFromFont ? std::abs(font.height) : lineHeight};
    }
};
