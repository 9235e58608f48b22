#pragma once

#include "DeviceContext.h"
#include "FramePlacement.h"
#include "Options.h"
#include "TextCodec.h"

#include <functional>

class IProfileStore;

// The application name under which the settings are kept, and the one the program carries
// (message captions) once they are loaded or saved.
inline constexpr const char* SETTINGS_APP_NAME = "Visual Brindle";
inline constexpr const char* RUNNING_APP_NAME = "Visual Brindle R1.5";

// Face names longer than this many bytes are cut (at a character boundary).
inline constexpr std::size_t MAX_FACE_BYTES = 31;

// Everything the program keeps from one run to the next.
struct CBrindleSettings {
    // Face, height, width and weight are settings; the other attributes stay as they are.
    CFontDesc font;
    bool autoHeight = true; // Just
    COptionsRecord options;
    bool showGrid = false; // Grid
    int rowHeight = 40;    // Size.cy
    int stdWidth = 100;    // STD.cx
    int stdHeight = 40;    // STD.cy
    CFramePlacement frame;
    int prevWidth = 0;
    int prevHeight = 0;
    int prevZoomed = 0;
    CPoint palette; // LDlg.x, LDlg.y
    // Our own section: the output method dialog's encoding of a new file, and whether the
    // rendered-preview panel is open.
    TextEncoding newFileEncoding = TextEncoding::Utf8;
    bool previewPanelOpen = false;
    bool operator==(const CBrindleSettings&) const = default;
};

// The row height that automatic row height gives for a font (with it on or off); the default
// of both row heights, computed once font and switch are read.
using AutoRowHeightFunction = std::function<int(const CFontDesc& font, bool autoHeight)>;

// Reads every value in the stored order. A value missing or unreadable takes its default;
// sizes are limited to what a user can enter (row heights 15 .. 100, widths 25 .. 500),
// LabelPos above 0 reads as 1, the preview size as its absolute value. settings.font keeps
// its other attributes.
void ReadSettings(IProfileStore& store, CBrindleSettings& settings,
                  const AutoRowHeightFunction& autoRowHeight);
// Writes every value; failures are not reported.
void WriteSettings(IProfileStore& store, const CBrindleSettings& settings);

// Section and keys of our own values beyond those of the Windows releases.
inline constexpr const char* DESKTOP_SECTION = "BrindleDesktop";
inline constexpr const char* KEY_NEW_FILE_ENCODING = "NewFileEncoding"; // "UTF-8", "Shift_JIS"
inline constexpr const char* KEY_PREVIEW_PANEL = "PreviewPanel";
