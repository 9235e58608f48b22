#pragma once

#include <optional>
#include <string>

// How putting text on the clipboard ended.
enum class ClipboardWrite {
    Ok,
    NoMemory,      // no room for the clipboard's copy of the text
    OpenFailed,    // the clipboard could not be opened
    EmptyFailed,   // it could not be emptied
    SetFailed,     // it did not take the text
    Unconvertible, // the text holds bytes that are no code page 932 character
};

// What the clipboard holds as text.
struct CClipboardText {
    enum Status {
        Ok,
        NoText,        // no text, or the clipboard could not be opened
        Unconvertible, // a character that code page 932 cannot hold
    };
    Status status = NoText;
    std::string text;      // Ok: code page 932 bytes
    std::string character; // Unconvertible: the first such character (UTF-8)
};

// Plain-text clipboard. Texts are code page 932 bytes; the platform converts them.
class IClipboard {
public:
    virtual ~IClipboard() = default;
    // Anything but Ok: the text is not on the clipboard.
    virtual ClipboardWrite SetText(const std::string& cp932) = 0;
    virtual CClipboardText GetText() = 0;
    // The HTML flavour (text/html) that browsers and spreadsheets put beside the text, as
    // UTF-8, unconverted; none when the clipboard holds none.
    virtual std::optional<std::string> GetHtml() { return std::nullopt; }
    // Text or an HTML flavour is on the clipboard (cheap: nothing is converted).
    virtual bool HasText() { return GetText().status != CClipboardText::NoText || GetHtml(); }
};
