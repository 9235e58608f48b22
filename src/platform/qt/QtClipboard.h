#pragma once

#include "Clipboard.h"

// The system clipboard's plain text; code page 932 inside, Unicode outside.
class CQtClipboard : public IClipboard {
public:
    // Refuses text that cannot be converted, leaving the clipboard unchanged.
    bool SetText(const std::string& cp932) override;
    std::optional<std::string> GetText() override;
};
