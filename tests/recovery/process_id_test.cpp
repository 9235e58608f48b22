#include "RecoveryTestUtil.h"

#include <sys/stat.h>

using namespace rectest;

TEST(ProcessId, ThisProcessAndARunningChildAreAlive) {
    const CProcessId self = CProcessId::Self();
    EXPECT_EQ(self.pid, ::getpid());
    EXPECT_GT(self.startTicks, 0u);
    EXPECT_EQ(self.bootId.size(), 32u);
    EXPECT_TRUE(IsProcessAlive(self));
    CChildProcess child;
    EXPECT_TRUE(IsProcessAlive(child.Id()));
    EXPECT_GE(child.Id().startTicks, self.startTicks);
}

TEST(ProcessId, EndedProcessesAreDead) {
    const CProcessId self = CProcessId::Self();
    struct Case {
        const char* name;
        CProcessId id;
    };
    CChildProcess zombie;
    const CProcessId zombieId = zombie.Id();
    zombie.End(false); // killed, not yet reaped by its parent
    CProcessId reused = self;
    reused.startTicks += 1; // the same number, handed to a newer process
    CProcessId otherBoot = self;
    otherBoot.bootId = std::string(32, 'f');
    const Case cases[] = {
        {"ended and reaped", DeadProcess()},
        {"killed, not reaped", zombieId},
        {"number taken by another process", reused},
        {"from an earlier boot", otherBoot},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(IsProcessAlive(c.id));
    }
}

TEST(ProcessId, FileStemRoundTripAndMalformedStems) {
    const CProcessId self = CProcessId::Self();
    EXPECT_EQ(CProcessId::Parse(self.ToString()), self);
    const CProcessId noBoot{42, 7, {}};
    EXPECT_EQ(noBoot.ToString(), "42-7-0");
    EXPECT_EQ(CProcessId::Parse("42-7-0"), noBoot);
    for (const char* bad : {"", "42", "42-7", "x-7-0", "42-x-0", "0-7-0", "-1-7-0", "42-7-abc",
                            "42-7-0123456789abcdef0123456789ABCDEF", "42 -7-0", "42-7-0-"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(CProcessId::Parse(bad).has_value());
    }
}

TEST(RecoveryFolder, FromTheEnvironment) {
    struct Case {
        const char* name;
        const char* xdg;
        const char* home;
        const char* expected;
    };
    const Case cases[] = {
        {"XDG_STATE_HOME", "/s/state", "/home/u", "/s/state/visual-brindle/recovery"},
        {"trailing slashes", "/s/state//", "/home/u", "/s/state/visual-brindle/recovery"},
        {"relative XDG_STATE_HOME is ignored", "state", "/home/u",
         "/home/u/.local/state/visual-brindle/recovery"},
        {"empty XDG_STATE_HOME", "", "/home/u", "/home/u/.local/state/visual-brindle/recovery"},
        {"no XDG_STATE_HOME", nullptr, "/home/u", "/home/u/.local/state/visual-brindle/recovery"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto env = [&](const char* name) -> const char* {
            if (std::string_view(name) == "XDG_STATE_HOME")
                return c.xdg;
            return std::string_view(name) == "HOME" ? c.home : nullptr;
        };
        EXPECT_EQ(DefaultRecoveryFolder(env), c.expected);
    }
}

TEST(RecoveryFolder, TheTestsKeepOutOfTheRealHome) {
    const char* xdg = std::getenv("XDG_STATE_HOME");
    ASSERT_NE(xdg, nullptr) << "the test environment sets XDG_STATE_HOME";
    EXPECT_EQ(DefaultRecoveryFolder().rfind(xdg, 0), 0u);
}

TEST(RecoveryFolder, CreatedPrivateAndKeptPrivate) {
    doctest::CScratchDir dir;
    const std::string folder = dir.Path("state/visual-brindle/recovery");
    const CRecoveryStore store(folder, CProcessId::Self());
    ASSERT_TRUE(store.WriteOwnCopy("x").ok);
    for (const std::string& f : {dir.Path("state"), dir.Path("state/visual-brindle"), folder}) {
        SCOPED_TRACE(f);
        struct stat st {};
        ASSERT_EQ(::stat(f.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
    }
    // A folder others may look into is closed before the next copy goes in.
    ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
    ASSERT_TRUE(store.WriteOwnCopy("y").ok);
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(doctest::ReadBytes(store.OwnCopyPath()), "y");
}

TEST(RecoveryFolder, RefusedWhenItIsNoFolderOrSomeoneElses) {
    doctest::CScratchDir dir;
    const std::string blocked = dir.Write("file", "not a folder");
    const CRecoveryStore inFile(blocked + "/recovery", CProcessId::Self());
    const CFileIoResult r1 = inFile.WriteOwnCopy("x");
    EXPECT_FALSE(r1.ok);
    EXPECT_EQ(r1.error, "Not a directory");
    if (::geteuid() == 0) {
        const std::string foreign = dir.Path("foreign");
        ASSERT_EQ(::mkdir(foreign.c_str(), 0700), 0);
        ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
        const CRecoveryStore store(foreign, CProcessId::Self());
        const CFileIoResult r2 = store.WriteOwnCopy("x");
        EXPECT_FALSE(r2.ok);
        EXPECT_EQ(r2.error, "The folder belongs to another user");
        EXPECT_TRUE(Names(foreign).empty());
    }
}
