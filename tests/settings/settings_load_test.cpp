// Which store a settings load reads: the per-user store, or once an old INI file, which is then
// marked as moved; the working copy goes afterwards.

#include "AsOrdinaryUser.h"
#include "FileIo.h"
#include "IniProfileStore.h"
#include "SettingsStore.h"
#include "SettingsTestUtil.h"

#include <gtest/gtest.h>

#include <map>

namespace fs = std::filesystem;

namespace {

void Put(const CTempFolder& dir, const std::string& name, const std::string& text) {
    ASSERT_TRUE(ReplaceFileContent(dir.File(name), text).ok);
}

int Mark(const CTempFolder& dir, const std::string& name) {
    return CIniProfileStore(dir.File(name)).GetInt("BrindleReg", "Registry", -1);
}

TEST(SettingsLoad, WithoutAnIniFileTheUserStoreIsRead) {
    CTempFolder dir;
    CFakeProfileStore registry;
    registry.ints[{"BrindleFont", "Height"}] = 30;
    CSettingsLoad load(registry, dir.path.string());
    EXPECT_FALSE(load.FromIni());
    EXPECT_EQ(&load.Store(), &registry);
    EXPECT_EQ(load.Store().GetInt("BrindleFont", "Height", 18), 30);
    CSettingsLoad nowhere(registry, "");
    EXPECT_EQ(&nowhere.Store(), &registry);
}

TEST(SettingsLoad, TheFirstStartAfterAnUpgradeReadsTheOldFileOnceAndMarksIt) {
    CTempFolder dir;
    const std::string text = "[BrindleFont]\r\nHeight=24\r\n[BrindleCell]\r\nSTD.cx=150\r\n";
    Put(dir, "Brindle.INI", text);
    CFakeProfileStore registry;
    registry.ints[{"BrindleFont", "Height"}] = 30;
    {
        CSettingsLoad load(registry, dir.path.string());
        EXPECT_TRUE(load.FromIni());
        EXPECT_EQ(load.Source(), dir.File("Brindle.INI"));
        EXPECT_EQ(load.Store().GetInt("BrindleFont", "Height", 18), 24);
        EXPECT_EQ(load.Store().GetInt("BrindleCell", "STD.cx", 100), 150);
        EXPECT_EQ(load.Store().GetInt("BrindleWnd", "Left", 10), 10) << "not the registry's";
        EXPECT_TRUE(dir.Exists("visual-brindle.INI")) << "the working copy";
        load.Finish();
        EXPECT_EQ(&load.Store(), &registry);
        EXPECT_FALSE(dir.Exists("visual-brindle.INI"));
    }
    EXPECT_EQ(Mark(dir, "Brindle.INI"), 1);
    EXPECT_EQ(CIniProfileStore(dir.File("Brindle.INI")).GetInt("BrindleCell", "STD.cx", 0), 150)
        << "the old file keeps its values";

    // Every later start: copied, found marked, ignored; the copy goes.
    CSettingsLoad later(registry, dir.path.string());
    EXPECT_FALSE(later.FromIni());
    EXPECT_EQ(later.Store().GetInt("BrindleFont", "Height", 18), 30);
    later.Finish();
    EXPECT_FALSE(dir.Exists("visual-brindle.INI"));
    EXPECT_TRUE(dir.Exists("Brindle.INI"));
}

TEST(SettingsLoad, OfBothNamesOnlyTheNewerIsRead) {
    CTempFolder dir;
    Put(dir, "Brindle.INI", "[BrindleFont]\nHeight=24\n");
    Put(dir, "BRD_V17.INI", "[BrindleFont]\nHeight=12\n");
    CFakeProfileStore registry;
    CSettingsLoad load(registry, dir.path.string() + "/");
    EXPECT_EQ(load.Store().GetInt("BrindleFont", "Height", 18), 24);
    load.Finish();
    EXPECT_EQ(Mark(dir, "Brindle.INI"), 1);
    EXPECT_EQ(Mark(dir, "BRD_V17.INI"), -1) << "untouched";
}

TEST(SettingsLoad, AFolderOfAnIniNameIsNoIniFile) {
    CTempFolder dir;
    fs::create_directory(dir.path / "Brindle.INI");
    fs::create_directory(dir.path / "BRD_V17.INI");
    CFakeProfileStore registry;
    CSettingsLoad load(registry, dir.path.string());
    EXPECT_FALSE(load.FromIni());
    EXPECT_EQ(&load.Store(), &registry);
    EXPECT_TRUE(registry.strings.empty());
}

TEST(SettingsLoad, TheOlderNameServesWhenTheNewerIsAbsent) {
    CTempFolder dir;
    Put(dir, "BRD_V17.INI", "[BrindleFont]\nHeight=12\n[BrindleReg]\nRegistry=0\n");
    CFakeProfileStore registry;
    {
        CSettingsLoad load(registry, dir.path.string());
        EXPECT_TRUE(load.FromIni());
        EXPECT_EQ(load.Store().GetInt("BrindleFont", "Height", 18), 12);
    }
    EXPECT_EQ(Mark(dir, "BRD_V17.INI"), 1);
    EXPECT_FALSE(dir.Exists("visual-brindle.INI"));
}

// A read-only old file cannot take its mark: the user store remembers it, so the settings
// saved since are not replaced by the old file's at every start.
TEST(SettingsLoad, AReadOnlyOldFileIsTakenOverOnlyOnce) {
    CTempFolder dir;
    Put(dir, "BRD_V17.INI", "[BrindleFont]\nHeight=12\n");
    fs::permissions(dir.path / "BRD_V17.INI",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    CFakeProfileStore registry;
    {
        CSettingsLoad load(registry, dir.path.string());
        EXPECT_TRUE(load.FromIni());
        EXPECT_EQ(load.Store().GetInt("BrindleFont", "Height", 18), 12);
    }
    EXPECT_EQ(Mark(dir, "BRD_V17.INI"), -1);
    registry.ints[{"BrindleFont", "Height"}] = 30; // saved at exit
    CSettingsLoad later(registry, dir.path.string());
    EXPECT_FALSE(later.FromIni());
    EXPECT_EQ(later.Store().GetInt("BrindleFont", "Height", 18), 30);
}

// Where the working copy cannot be written, the old file itself is read and marked.
TEST(SettingsLoad, AFolderWithoutWriteAccessStillTakesTheFileOver) {
    CTempFolder dir;
    Put(dir, "Brindle.INI", "[BrindleFont]\nHeight=24\n");
    fs::permissions(dir.path, fs::perms::all);
    fs::permissions(dir.path / "Brindle.INI", fs::perms::all);
    fs::permissions(dir.path,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const std::string folder = dir.path.string();
    EXPECT_TRUE(AsOrdinaryUser([&] {
        CFakeProfileStore registry;
        int height = 0;
        bool fromIni = false;
        {
            CSettingsLoad load(registry, folder);
            fromIni = load.FromIni();
            height = load.Store().GetInt("BrindleFont", "Height", 18);
        }
        return fromIni && height == 24 && !fs::exists(folder + "/visual-brindle.INI") &&
               CIniProfileStore(folder + "/Brindle.INI").GetInt("BrindleReg", "Registry", 0) == 1;
    }));
    fs::permissions(dir.path, fs::perms::owner_all, fs::perm_options::add);
}

TEST(SettingsLoad, TheIniFolderComesFromTheEnvironment) {
    struct CCase {
        const char* name;
        std::map<std::string, std::string> env;
        std::string folder;
    };
    const CCase cases[] = {
        {"BRINDLE_WINDIR first",
         {{"BRINDLE_WINDIR", "/w"}, {"XDG_CONFIG_HOME", "/x"}, {"HOME", "/h"}},
         "/w"},
        {"then XDG_CONFIG_HOME", {{"XDG_CONFIG_HOME", "/x"}, {"HOME", "/h"}}, "/x/visual-brindle"},
        {"a relative XDG_CONFIG_HOME is ignored",
         {{"XDG_CONFIG_HOME", "rel"}, {"HOME", "/h"}},
         "/h/.config/visual-brindle"},
        {"an empty BRINDLE_WINDIR is unset",
         {{"BRINDLE_WINDIR", ""}, {"HOME", "/h"}},
         "/h/.config/visual-brindle"},
        {"no home: nowhere", {}, ""},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IniFolder([&](const char* name) -> const char* {
                      const auto it = c.env.find(name);
                      return it == c.env.end() ? nullptr : it->second.c_str();
                  }),
                  c.folder);
    }
}

} // namespace
