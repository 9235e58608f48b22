#pragma once

#include "Clipboard.h"

// The system clipboard's plain text and HTML flavour; code page 932 inside, Unicode outside.
class CQtClipboard : public IClipboard {
public:
    ClipboardWrite SetText(const std::string& cp932) override;
    CClipboardText GetText() override;
    std::optional<std::string> GetHtml() override;
    bool HasText() override;
};
