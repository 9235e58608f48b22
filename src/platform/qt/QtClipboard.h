#pragma once

#include "Clipboard.h"

// The system clipboard's plain text; code page 932 inside, Unicode outside.
class CQtClipboard : public IClipboard {
public:
    ClipboardWrite SetText(const std::string& cp932) override;
    CClipboardText GetText() override;
};
