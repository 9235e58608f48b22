#pragma once

#include <optional>
#include <string>

// Plain-text clipboard. Texts are code page 932 bytes; the platform converts them.
class IClipboard {
public:
    virtual ~IClipboard() = default;
    // False when the clipboard could not be written or the text could not be converted.
    virtual bool SetText(const std::string& cp932) = 0;
    // No value when the clipboard holds no text that code page 932 can carry.
    virtual std::optional<std::string> GetText() = 0;
};
