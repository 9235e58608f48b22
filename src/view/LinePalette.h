#pragma once

#include "DeviceContext.h"

#include <memory>

class IMessageBox;

// The palette could not be created.
inline constexpr const char* kMsgPaletteNoMemory = "メモリの確保に失敗しました。";

// The border palette's window as the view sees it: a modeless tool window whose picture
// buttons post the line commands to the view's window and whose radio buttons choose the
// input method. The view owns it while it is open; destroying it closes the window.
class ILinePalette {
public:
    virtual ~ILinePalette() = default;

    // The input method (LINE_INSERT, LINE_OVERWRITE, LINE_ERASE) as the palette last read its
    // radio buttons: when a picture button was clicked or Enter pressed, not when a radio
    // button changed.
    virtual int InputMethod() const = 0;
    // Screen position of the window's top-left corner, as Move takes it.
    virtual CPoint Position() const = 0;
    // Moves the window there, keeping its size.
    virtual void Move(CPoint screen) = 0;
    virtual void Show() = 0;
    // Activates the window and gives the keyboard focus to its control that last had it.
    virtual void Focus() = 0;
};

class ILinePaletteFactory {
public:
    virtual ~ILinePaletteFactory() = default;
    // A new palette, not yet shown, with insert selected; null when it cannot be created.
    virtual std::unique_ptr<ILinePalette> CreateLinePalette() = 0;
};

// What the palette command of the view needs from the platform. Without a factory the
// palette cannot open.
struct CLinePaletteServices {
    ILinePaletteFactory* factory = nullptr;
    IMessageBox* messageBox = nullptr;
};
