// The private profile file: reading the files of the Windows releases and writing into them.

#include "FileIo.h"
#include "IniProfileStore.h"
#include "SettingsTestUtil.h"

#include <gtest/gtest.h>

namespace {

std::string Contents(const std::string& path) {
    std::string bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}

TEST(IniStore, ReadsSectionsAndKeysWithoutRegardToCase) {
    CTempFolder dir;
    const std::string path = dir.File("Brindle.INI");
    ASSERT_TRUE(ReplaceFileContent(path, "; comment\r\n"
                                         "[BrindleFont]\r\n"
                                         "Face=\x82\x6c\x82\x72 \x96\xbe\x92\xa9\r\n"
                                         "height = 24 \r\n"
                                         "[brindlecell]\r\n"
                                         "STD.cx=120\r\n"
                                         "STD.cx=130\r\n"
                                         "[BrindleOption]\r\n"
                                         "CapStr=\" padded \"\r\n"
                                         "Label\r\n")
                    .ok);
    CIniProfileStore ini(path);
    EXPECT_EQ(ini.GetString("BrindleFont", "Face", ""), "\x82\x6c\x82\x72 \x96\xbe\x92\xa9");
    EXPECT_EQ(ini.GetInt("BrindleFont", "Height", 18), 24);
    EXPECT_EQ(ini.GetInt("BrindleCell", "STD.cx", 100), 120) << "the first of two wins";
    EXPECT_EQ(ini.GetString("BrindleOption", "CapStr", ""), " padded ");
    EXPECT_EQ(ini.GetInt("BrindleOption", "Label", 5), 5) << "a line without '=' is no key";
    EXPECT_EQ(ini.GetInt("BrindleFont", "STD.cx", 100), 100) << "keys belong to their section";
}

TEST(IniStore, WhatIsNoIntegerReadsAsTheDefault) {
    const char* const values[] = {"", "abc", "12abc", "1.5", "99999999999", "- 3", "0x10"};
    for (const char* v : values) {
        SCOPED_TRACE(v);
        CTempFolder dir;
        const std::string path = dir.File("a.ini");
        ASSERT_TRUE(ReplaceFileContent(path, std::string("[S]\nK=") + v + "\n").ok);
        CIniProfileStore ini(path);
        EXPECT_EQ(ini.GetInt("S", "K", 77), 77);
    }
    CTempFolder dir;
    ASSERT_TRUE(ReplaceFileContent(dir.File("b.ini"), "[S]\nA=-300\nB=+7\nC=-2147483648\n").ok);
    CIniProfileStore ini(dir.File("b.ini"));
    EXPECT_EQ(ini.GetInt("S", "A", 0), -300);
    EXPECT_EQ(ini.GetInt("S", "B", 0), 7);
    EXPECT_EQ(ini.GetInt("S", "C", 0), INT_MIN);
}

TEST(IniStore, AUtf8FileHandsOutCodePage932) {
    CTempFolder dir;
    const std::string path = dir.File("Brindle.INI");
    ASSERT_TRUE(ReplaceFileContent(path, "\xEF\xBB\xBF[BrindleFont]\nFace=ＭＳ 明朝\n"
                                         "[BrindleOption]\nCapStr=smile \xF0\x9F\x98\x80\n")
                    .ok);
    CIniProfileStore ini(path);
    EXPECT_EQ(ini.GetString("BrindleFont", "Face", ""), "\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9");
    EXPECT_EQ(ini.GetString("BrindleOption", "CapStr", "none"), "none")
        << "no code page 932 form: the default";
    ASSERT_TRUE(ini.WriteString("BrindleOption", "LabelStr", "\x95\x5c")); // "表"
    EXPECT_EQ(Contents(path), "\xEF\xBB\xBF[BrindleFont]\nFace=ＭＳ 明朝\n"
                              "[BrindleOption]\nCapStr=smile \xF0\x9F\x98\x80\nLabelStr=表\n");
}

TEST(IniStore, WritesKeepTheRestOfTheFile) {
    CTempFolder dir;
    const std::string path = dir.File("Brindle.INI");
    ASSERT_TRUE(ReplaceFileContent(path, "[BrindleFont]\r\nHeight=24\r\n\r\n"
                                         "[BrindleWnd]\r\nLeft=5")
                    .ok);
    CIniProfileStore ini(path);
    ASSERT_TRUE(ini.WriteInt("BrindleFont", "Width", 9));
    ASSERT_TRUE(ini.WriteInt("brindlewnd", "LEFT", 6));
    ASSERT_TRUE(ini.WriteInt("BrindleReg", "Registry", 1));
    EXPECT_EQ(Contents(path), "[BrindleFont]\r\nHeight=24\r\nWidth=9\r\n\r\n"
                              "[BrindleWnd]\r\nLeft=6\r\n[BrindleReg]\r\nRegistry=1\r\n");
    EXPECT_EQ(CIniProfileStore(path).GetInt("BrindleReg", "Registry", 0), 1);
    EXPECT_FALSE(ini.WriteString("BrindleOption", "CapStr", "two\r\nlines"));
}

TEST(IniStore, AMissingOrForeignFileIsAnEmptyStore) {
    CTempFolder dir;
    CIniProfileStore missing(dir.File("none.ini"));
    EXPECT_EQ(missing.GetInt("BrindleFont", "Height", 18), 18);
    EXPECT_EQ(missing.GetString("BrindleFont", "Face", "x"), "x");

    std::string binary(4096, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>(i * 131 % 256);
    ASSERT_TRUE(ReplaceFileContent(dir.File("junk.ini"), binary).ok);
    CIniProfileStore junk(dir.File("junk.ini"));
    EXPECT_EQ(junk.GetInt("BrindleFont", "Height", 18), 18);
    std::filesystem::create_directory(dir.path / "folder.ini");
    EXPECT_EQ(CIniProfileStore(dir.File("folder.ini")).GetInt("S", "K", 3), 3);
    EXPECT_FALSE(CIniProfileStore(dir.File("folder.ini")).WriteInt("S", "K", 1));
}

} // namespace
