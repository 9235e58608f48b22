#include "Settings.h"

#include "ProfileStore.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

constexpr const char* FONT = "BrindleFont";
constexpr const char* OPTION = "BrindleOption";
constexpr const char* CELL = "BrindleCell";
constexpr const char* WND = "BrindleWnd";

// "ＭＳ 明朝" in code page 932.
constexpr const char* DEFAULT_FACE = "\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9";
constexpr int DEFAULT_FONT_HEIGHT = 18;
constexpr int DEFAULT_FONT_WEIGHT = 400;
// A font size beyond this is no choice a user made; the renderer would not survive it.
constexpr int MAX_FONT_PIXELS = 1000;

constexpr const char* UTF8_NAME = "UTF-8";
constexpr const char* SHIFT_JIS_NAME = "Shift_JIS";

int Magnitude(int v) {
    return v == INT_MIN ? INT_MAX : std::abs(v);
}

int Bool(bool b) {
    return b ? 1 : 0;
}

void ReadFont(IProfileStore& store, CFontDesc& font) {
    const std::string face = store.GetString(FONT, "Face", DEFAULT_FACE);
    font.face = std::string(Cp932Truncate(face, MAX_FACE_BYTES));
    font.height = store.GetInt(FONT, "Height", DEFAULT_FONT_HEIGHT);
    if (Magnitude(font.height) > MAX_FONT_PIXELS)
        font.height = DEFAULT_FONT_HEIGHT;
    font.width = store.GetInt(FONT, "Width", 0);
    if (Magnitude(font.width) > MAX_FONT_PIXELS)
        font.width = 0;
    font.weight = store.GetInt(FONT, "Wegiht", DEFAULT_FONT_WEIGHT);
    if (font.weight < 0 || font.weight > 1000)
        font.weight = DEFAULT_FONT_WEIGHT;
}

} // namespace

void ReadSettings(IProfileStore& store, CBrindleSettings& s,
                  const AutoRowHeightFunction& autoRowHeight) {
    ReadFont(store, s.font);

    s.autoHeight = store.GetInt(OPTION, "Just", 1) != 0;
    COptionsRecord& o = s.options;
    o.Doc = store.GetInt(OPTION, "Doc", 0);
    o.Table = store.GetInt(OPTION, "Table", 0);
    o.Com = store.GetInt(OPTION, "Com", 0);
    o.Label = store.GetInt(OPTION, "Label", 0);
    o.LabelPos = std::min(store.GetInt(OPTION, "LabelPos", 0), 1);
    o.LabelStr = store.GetString(OPTION, "LabelStr", "");
    o.Cap = store.GetInt(OPTION, "Cap", 0);
    o.CapStr = store.GetString(OPTION, "CapStr", "");
    o.ArrayCom = store.GetInt(OPTION, "ArrayCom", 0);
    o.ArrayDoc = store.GetInt(OPTION, "ArrayDoc", 0);
    o.Kakko = store.GetInt(OPTION, "Kakko", 0);
    o.Math = store.GetInt(OPTION, "Math", 0);
    o.BorderHTML = store.GetInt(OPTION, "BorderHTML", 0);
    s.showGrid = store.GetInt(OPTION, "Grid", 0) != 0;

    const int autoHeight = autoRowHeight(s.font, s.autoHeight);
    s.rowHeight = std::clamp(store.GetInt(CELL, "Size.cy", autoHeight), 15, 100);
    s.stdWidth = std::clamp(store.GetInt(CELL, "STD.cx", 100), 25, 500);
    s.stdHeight = std::clamp(store.GetInt(CELL, "STD.cy", autoHeight), 15, 100);

    CRect& r = s.frame.normal;
    r.left = store.GetInt(WND, "Left", 10);
    r.top = store.GetInt(WND, "Top", 10);
    r.right = store.GetInt(WND, "Right", 640);
    r.bottom = store.GetInt(WND, "Bottom", 400);
    s.frame.maximized = store.GetInt(WND, "Zoomed", 0) != 0;

    s.prevWidth = Magnitude(store.GetInt(WND, "PrevWidth", 0));
    s.prevHeight = Magnitude(store.GetInt(WND, "PrevHeight", 0));
    s.prevZoomed = store.GetInt(WND, "PrevZoomed", 0);
    s.palette.x = store.GetInt(WND, "LDlg.x", 0);
    s.palette.y = store.GetInt(WND, "LDlg.y", 0);

    s.newFileEncoding =
        store.GetString(DESKTOP_SECTION, KEY_NEW_FILE_ENCODING, UTF8_NAME) == SHIFT_JIS_NAME
            ? TextEncoding::Cp932
            : TextEncoding::Utf8;
    s.previewPanelOpen = store.GetInt(DESKTOP_SECTION, KEY_PREVIEW_PANEL, 0) != 0;
}

void WriteSettings(IProfileStore& store, const CBrindleSettings& s) {
    store.WriteString(FONT, "Face", s.font.face);
    store.WriteInt(FONT, "Height", s.font.height);
    store.WriteInt(FONT, "Width", s.font.width);
    store.WriteInt(FONT, "Wegiht", s.font.weight);

    store.WriteInt(CELL, "Size.cy", s.rowHeight);
    store.WriteInt(CELL, "STD.cx", s.stdWidth);
    store.WriteInt(CELL, "STD.cy", s.stdHeight);

    const COptionsRecord& o = s.options;
    store.WriteInt(OPTION, "Just", Bool(s.autoHeight));
    store.WriteInt(OPTION, "Doc", o.Doc);
    store.WriteInt(OPTION, "Table", o.Table);
    store.WriteInt(OPTION, "Com", o.Com);
    store.WriteInt(OPTION, "Label", o.Label);
    store.WriteInt(OPTION, "LabelPos", o.LabelPos);
    store.WriteString(OPTION, "LabelStr", o.LabelStr);
    store.WriteInt(OPTION, "Cap", o.Cap);
    store.WriteString(OPTION, "CapStr", o.CapStr);
    store.WriteInt(OPTION, "ArrayCom", o.ArrayCom);
    store.WriteInt(OPTION, "ArrayDoc", o.ArrayDoc);
    store.WriteInt(OPTION, "Kakko", o.Kakko);
    store.WriteInt(OPTION, "Math", o.Math);
    store.WriteInt(OPTION, "BorderHTML", o.BorderHTML);
    store.WriteInt(OPTION, "Grid", Bool(s.showGrid));

    store.WriteInt(WND, "Zoomed", Bool(s.frame.maximized));
    const CRect& r = s.frame.normal;
    store.WriteInt(WND, "Left", r.left);
    store.WriteInt(WND, "Top", r.top);
    store.WriteInt(WND, "Right", r.right);
    store.WriteInt(WND, "Bottom", r.bottom);
    store.WriteInt(WND, "PrevWidth", s.prevWidth);
    store.WriteInt(WND, "PrevHeight", s.prevHeight);
    store.WriteInt(WND, "PrevZoomed", s.prevZoomed);
    store.WriteInt(WND, "LDlg.x", s.palette.x);
    store.WriteInt(WND, "LDlg.y", s.palette.y);

    store.WriteString(DESKTOP_SECTION, KEY_NEW_FILE_ENCODING,
                      s.newFileEncoding == TextEncoding::Cp932 ? SHIFT_JIS_NAME : UTF8_NAME);
    store.WriteInt(DESKTOP_SECTION, KEY_PREVIEW_PANEL, Bool(s.previewPanelOpen));
}
