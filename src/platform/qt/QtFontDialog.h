#pragma once

#include "DeviceContext.h"

#include <QFont>
#include <QString>

#include <optional>

class IMessageBox;
class QWidget;

// The view font through Qt's font dialog. The dialog opens on the face the font resolves to
// here (a face of another platform is substituted) at its size in points; OK gives the chosen
// face, size (as a character height in pixels), weight, slant and underline, the width left to
// the face. OK without a change keeps the font as it was. A face name code page 932 cannot
// hold is refused with a message, and the font stays.
bool RunFontDialog(CFontDesc& font, IMessageBox& messages, QWidget* parent);

// The dialog's font for a view font, at dpi dots per inch.
QFont DialogFontFor(const CFontDesc& font, double dpi);
// The view font for the dialog's choice; no value when the face name has a character code
// page 932 cannot hold (bad, when given, gets it).
std::optional<CFontDesc> FontDescFor(const QFont& chosen, double dpi, QString* bad = nullptr);
