// Reading and writing the settings record: keys, order, defaults and the limits on reading.

#include "Settings.h"
#include "SettingsTestUtil.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

const std::string MINCHO = "\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9"; // "ＭＳ 明朝"

// Automatic row height as the view computes it, with lines 18 pixels high.
int AutoHeight(const CFontDesc&, bool on) {
    return on ? 32 : 40;
}

CBrindleSettings Read(IProfileStore& store) {
    CBrindleSettings s;
    ReadSettings(store, s, AutoHeight);
    return s;
}

// Every key of the Windows releases in the order they are read, then our own.
const std::vector<std::string> READ_ORDER = {
    "BrindleFont/Face",           "BrindleFont/Height",     "BrindleFont/Width",
    "BrindleFont/Wegiht",         "BrindleOption/Just",     "BrindleOption/Doc",
    "BrindleOption/Table",        "BrindleOption/Com",      "BrindleOption/Label",
    "BrindleOption/LabelPos",     "BrindleOption/LabelStr", "BrindleOption/Cap",
    "BrindleOption/CapStr",       "BrindleOption/ArrayCom", "BrindleOption/ArrayDoc",
    "BrindleOption/Kakko",        "BrindleOption/Math",     "BrindleOption/BorderHTML",
    "BrindleOption/Grid",         "BrindleCell/Size.cy",    "BrindleCell/STD.cx",
    "BrindleCell/STD.cy",         "BrindleWnd/Left",        "BrindleWnd/Top",
    "BrindleWnd/Right",           "BrindleWnd/Bottom",      "BrindleWnd/Zoomed",
    "BrindleWnd/PrevWidth",       "BrindleWnd/PrevHeight",  "BrindleWnd/PrevZoomed",
    "BrindleWnd/LDlg.x",          "BrindleWnd/LDlg.y",      "BrindleDesktop/NewFileEncoding",
    "BrindleDesktop/PreviewPanel"};

const std::vector<std::string> WRITE_ORDER = {"BrindleFont/Face",
                                              "BrindleFont/Height",
                                              "BrindleFont/Width",
                                              "BrindleFont/Wegiht",
                                              "BrindleCell/Size.cy",
                                              "BrindleCell/STD.cx",
                                              "BrindleCell/STD.cy",
                                              "BrindleOption/Just",
                                              "BrindleOption/Doc",
                                              "BrindleOption/Table",
                                              "BrindleOption/Com",
                                              "BrindleOption/Label",
                                              "BrindleOption/LabelPos",
                                              "BrindleOption/LabelStr",
                                              "BrindleOption/Cap",
                                              "BrindleOption/CapStr",
                                              "BrindleOption/ArrayCom",
                                              "BrindleOption/ArrayDoc",
                                              "BrindleOption/Kakko",
                                              "BrindleOption/Math",
                                              "BrindleOption/BorderHTML",
                                              "BrindleOption/Grid",
                                              "BrindleWnd/Zoomed",
                                              "BrindleWnd/Left",
                                              "BrindleWnd/Top",
                                              "BrindleWnd/Right",
                                              "BrindleWnd/Bottom",
                                              "BrindleWnd/PrevWidth",
                                              "BrindleWnd/PrevHeight",
                                              "BrindleWnd/PrevZoomed",
                                              "BrindleWnd/LDlg.x",
                                              "BrindleWnd/LDlg.y",
                                              "BrindleDesktop/NewFileEncoding",
                                              "BrindleDesktop/PreviewPanel"};

TEST(Settings, KeysAreReadAndWrittenInTheirOrder) {
    CRecordingProfileStore store;
    const CBrindleSettings s = Read(store);
    EXPECT_EQ(store.reads, READ_ORDER);
    WriteSettings(store, s);
    EXPECT_EQ(store.writes, WRITE_ORDER);
    // The two texts are strings, everything else integers.
    EXPECT_EQ(store.strings.size(), 4u); // Face, LabelStr, CapStr, NewFileEncoding
    EXPECT_TRUE(store.strings.count({"BrindleOption", "LabelStr"}));
    EXPECT_TRUE(store.strings.count({"BrindleOption", "CapStr"}));
}

TEST(Settings, AnEmptyStoreGivesTheDefaults) {
    CFakeProfileStore store;
    CBrindleSettings s;
    s.font.height = 22;
    s.font.italic = true; // not a setting: stays
    ReadSettings(store, s, AutoHeight);
    EXPECT_EQ(s.font.face, MINCHO);
    EXPECT_EQ(s.font.height, 18);
    EXPECT_EQ(s.font.width, 0);
    EXPECT_EQ(s.font.weight, 400);
    EXPECT_TRUE(s.font.italic);
    EXPECT_TRUE(s.autoHeight);
    EXPECT_FALSE(s.showGrid);
    EXPECT_EQ(s.options, COptionsRecord{});
    EXPECT_EQ(s.rowHeight, 32);
    EXPECT_EQ(s.stdWidth, 100);
    EXPECT_EQ(s.stdHeight, 32);
    EXPECT_EQ(s.frame, (CFramePlacement{{10, 10, 640, 400}, false}));
    EXPECT_EQ(s.prevWidth, 0);
    EXPECT_EQ(s.palette, (CPoint{0, 0}));
    EXPECT_EQ(s.newFileEncoding, TextEncoding::Utf8);
    EXPECT_FALSE(s.previewPanelOpen);
}

TEST(Settings, WithJustOffAndNoHeightStoredRowsAre40High) {
    CFakeProfileStore store;
    store.ints[{"BrindleOption", "Just"}] = 0;
    const CBrindleSettings s = Read(store);
    EXPECT_FALSE(s.autoHeight);
    EXPECT_EQ(s.rowHeight, 40);
    EXPECT_EQ(s.stdHeight, 40);
}

TEST(Settings, AutomaticHeightIsComputedFromTheFontJustRead) {
    CFakeProfileStore store;
    store.ints[{"BrindleFont", "Height"}] = 30;
    CBrindleSettings s;
    ReadSettings(store, s,
                 [](const CFontDesc& font, bool on) { return on ? font.height + 14 : 40; });
    EXPECT_EQ(s.rowHeight, 44);
}

struct CLimitCase {
    const char* name;
    const char* section;
    const char* key;
    int stored;
    int loaded;
};

TEST(Settings, ValuesAreLimitedOnReading) {
    const CLimitCase cases[] = {
        {"narrow standard width", "BrindleCell", "STD.cx", 10, 25},
        {"wide standard width", "BrindleCell", "STD.cx", 900, 500},
        {"low row height", "BrindleCell", "Size.cy", 5, 15},
        {"high row height", "BrindleCell", "Size.cy", 300, 100},
        {"low standard height", "BrindleCell", "STD.cy", -1, 15},
        {"high standard height", "BrindleCell", "STD.cy", 101, 100},
        {"label position above 0", "BrindleOption", "LabelPos", 7, 1},
        {"label position -1 stays", "BrindleOption", "LabelPos", -1, -1},
        {"negative preview width", "BrindleWnd", "PrevWidth", -300, 300},
        {"negative preview height", "BrindleWnd", "PrevHeight", -5, 5},
        {"the one int without a magnitude", "BrindleWnd", "PrevWidth", INT_MIN, INT_MAX},
        {"a font too large to draw", "BrindleFont", "Height", 2000000, 18},
        {"a negative font height is a character height", "BrindleFont", "Height", -24, -24},
        {"a weight beyond bold", "BrindleFont", "Wegiht", 5000, 400},
    };
    for (const CLimitCase& c : cases) {
        SCOPED_TRACE(c.name);
        CFakeProfileStore store;
        store.ints[{c.section, c.key}] = c.stored;
        const CBrindleSettings s = Read(store);
        const std::string key = c.key;
        const int loaded = key == "STD.cx"       ? s.stdWidth
                           : key == "Size.cy"    ? s.rowHeight
                           : key == "STD.cy"     ? s.stdHeight
                           : key == "LabelPos"   ? s.options.LabelPos
                           : key == "PrevWidth"  ? s.prevWidth
                           : key == "PrevHeight" ? s.prevHeight
                           : key == "Height"     ? s.font.height
                                                 : s.font.weight;
        EXPECT_EQ(loaded, c.loaded);
    }
}

TEST(Settings, LongFaceNamesAreCutWithoutSplittingACharacter) {
    CFakeProfileStore store;
    // 30 ASCII bytes and one double-byte character: byte 31 would split it.
    const std::string ascii(30, 'A');
    store.strings[{"BrindleFont", "Face"}] = ascii + "\x96\xbe" + "xyz";
    EXPECT_EQ(Read(store).font.face, ascii);
    store.strings[{"BrindleFont", "Face"}] = std::string(29, 'B') + "\x96\xbe" + "xyz";
    EXPECT_EQ(Read(store).font.face, std::string(29, 'B') + "\x96\xbe");
    store.strings[{"BrindleFont", "Face"}] = std::string(31, 'C');
    EXPECT_EQ(Read(store).font.face, std::string(31, 'C'));
}

TEST(Settings, WhatIsWrittenReadsBackTheSame) {
    CBrindleSettings s;
    s.font = {MINCHO, -20, 8, 700, false, false};
    s.autoHeight = false;
    s.options = {1, 1, 1, 1, -1, "tab:\x95\x5c", 1, "\x95\x5c 1", 1, 1, 2, 2, 1};
    s.showGrid = true;
    s.rowHeight = 55;
    s.stdWidth = 120;
    s.stdHeight = 60;
    s.frame = {{-20, 30, 1000, 800}, true};
    s.prevWidth = 700;
    s.prevHeight = 500;
    s.prevZoomed = 1;
    s.palette = {333, 444};
    s.newFileEncoding = TextEncoding::Cp932;
    s.previewPanelOpen = true;
    CFakeProfileStore store;
    WriteSettings(store, s);
    EXPECT_EQ(Read(store), s);
    EXPECT_EQ(
        store.strings[(std::pair<std::string, std::string>{"BrindleDesktop", "NewFileEncoding"})],
        "Shift_JIS");
}

TEST(Settings, AnUnknownEncodingNameReadsAsUtf8) {
    CFakeProfileStore store;
    store.strings[{"BrindleDesktop", "NewFileEncoding"}] = "EBCDIC";
    EXPECT_EQ(Read(store).newFileEncoding, TextEncoding::Utf8);
}

} // namespace
