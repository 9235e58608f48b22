#pragma once

#include <string>

// Modal message boxes. Texts are UTF-8; the caption is the application's name.
enum class MsgIcon { None, Exclamation, Question, Information, Stop };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual MsgAnswer Show(const std::string& text, MsgIcon icon = MsgIcon::None,
                           MsgButtons buttons = MsgButtons::Ok) = 0;
};
