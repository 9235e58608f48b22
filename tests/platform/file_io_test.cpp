#include "FileIo.h"

#include "AsOrdinaryUser.h"
#include "FileSizeLimit.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

namespace fs = std::filesystem;

namespace {

struct TempDir {
    fs::path path;
    TempDir() {
        path = fs::temp_directory_path() / ("brindle_io_" + std::to_string(::getpid()) + "_" +
                                            std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::create_directories(path);
    }
    ~TempDir() {
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(path);
    }
    std::string File(const char* name) const { return (path / name).string(); }
    std::size_t Entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(path), fs::directory_iterator()));
    }
};

std::string Slurp(const std::string& file) {
    std::string s;
    EXPECT_TRUE(ReadWholeFile(file, s).ok) << file;
    return s;
}

struct stat Stat(const std::string& file) {
    struct stat st {};
    EXPECT_EQ(::stat(file.c_str(), &st), 0) << file;
    return st;
}

} // namespace

TEST(FileIo, AtomicWriteReplacesContentAndKeepsPermissions) {
    TempDir dir;
    const std::string file = (dir.path / "t.tex").string();
    std::ofstream(file) << "old";
    ::chmod(file.c_str(), 0640);
    const std::string bytes("new\0bytes", 9);
    ASSERT_TRUE(ReplaceFileContent(file, bytes).ok);
    std::string back;
    ASSERT_TRUE(ReadWholeFile(file, back).ok);
    EXPECT_EQ(back, bytes);
    struct stat st {};
    ::stat(file.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

TEST(FileIo, FailedWriteLeavesTheOldFile) {
    TempDir dir;
    const std::string file = (dir.path / "t.tex").string();
    std::ofstream(file) << "precious";
    CFileIoResult result;
    {
        // A file size limit makes the write fail part way, also for root.
        CFileSizeLimit limit(4);
        ASSERT_TRUE(limit.Active());
        result = ReplaceFileContent(file, "a replacement longer than four bytes");
    }
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    std::string back;
    ASSERT_TRUE(ReadWholeFile(file, back).ok);
    EXPECT_EQ(back, "precious");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);
}

TEST(FileIo, ReadErrorsNameTheReason) {
    TempDir dir;
    std::string bytes;
    const auto missing = ReadWholeFile((dir.path / "missing").string(), bytes);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, "No such file or directory");
    EXPECT_TRUE(missing.openFailed);
    const auto directory = ReadWholeFile(dir.path.string(), bytes);
    EXPECT_FALSE(directory.ok);
    EXPECT_EQ(directory.error, "Is a directory");
    EXPECT_TRUE(directory.openFailed);
    // Opened, but its first bytes cannot be read.
    const auto unreadable = ReadWholeFile("/proc/self/mem", bytes);
    EXPECT_FALSE(unreadable.ok);
    EXPECT_EQ(unreadable.error, "Input/output error");
    EXPECT_FALSE(unreadable.openFailed);
}

TEST(FileIo, WriteIntoAMissingFolderFails) {
    TempDir dir;
    EXPECT_FALSE(ReplaceFileContent((dir.path / "no" / "such.tex").string(), "x").ok);
}

TEST(FileIo, ReplaceFollowsSymbolicLinksAndKeepsThem) {
    TempDir dir;
    const std::string real = dir.File("real.brd");
    std::ofstream(real) << "old";
    fs::create_symlink("real.brd", dir.path / "link.brd");      // relative
    fs::create_symlink(dir.path / "link.brd", dir.path / "ll"); // a chain
    ASSERT_TRUE(ReplaceFileContent(dir.File("ll"), "new").ok);
    EXPECT_TRUE(fs::is_symlink(dir.path / "ll"));
    EXPECT_TRUE(fs::is_symlink(dir.path / "link.brd"));
    EXPECT_EQ(Slurp(real), "new");
    // A dangling link gets the file it names.
    fs::create_symlink("made.brd", dir.path / "dangling");
    ASSERT_TRUE(ReplaceFileContent(dir.File("dangling"), "made").ok);
    EXPECT_TRUE(fs::is_symlink(dir.path / "dangling"));
    EXPECT_EQ(Slurp(dir.File("made.brd")), "made");
    // A loop is an error, not a hang.
    fs::create_symlink("loop2", dir.path / "loop1");
    fs::create_symlink("loop1", dir.path / "loop2");
    EXPECT_FALSE(ReplaceFileContent(dir.File("loop1"), "x").ok);
}

// What stands at the target and is not a regular file is never replaced.
TEST(FileIo, ReplaceRefusesWhatIsNotARegularFile) {
    TempDir dir;
    ::mkfifo(dir.File("fifo").c_str(), 0644);
    fs::create_directory(dir.path / "folder");
    const struct {
        const char* name;
        std::string path;
        const char* error;
    } cases[] = {
        {"FIFO", dir.File("fifo"), "Not a regular file"},
        {"folder", dir.File("folder"), "Is a directory"},
        {"character device", "/dev/null", "Not a regular file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CFileIoResult r = ReplaceFileContent(c.path, "x");
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, c.error);
    }
    EXPECT_TRUE(fs::is_fifo(dir.path / "fifo"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(dir.Entries(), 2u);
}

// No write bit for the user's class refuses the save, for root too.
TEST(FileIo, ReplaceRefusesAReadOnlyFile) {
    TempDir dir;
    const std::string file = dir.File("ro.brd");
    std::ofstream(file) << "keep";
    ::chmod(file.c_str(), 0444);
    const CFileIoResult r = ReplaceFileContent(file, "new");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Permission denied");
    EXPECT_EQ(Slurp(file), "keep");
    EXPECT_FALSE(IsWritableFile(file));
    ::chmod(file.c_str(), 0644);
    EXPECT_TRUE(IsWritableFile(file));
}

// Other hard links and another owner: the same inode gets the new content.
TEST(FileIo, ReplaceRewritesSharedOrForeignFilesInPlace) {
    TempDir dir;
    const std::string file = dir.File("t.brd");
    std::ofstream(file) << "a much longer old content";
    fs::create_hard_link(file, dir.path / "other-name.brd");
    const ino_t inode = Stat(file).st_ino;
    ASSERT_TRUE(ReplaceFileContent(file, "short").ok);
    EXPECT_EQ(Stat(file).st_ino, inode);
    EXPECT_EQ(Stat(file).st_nlink, 2u);
    EXPECT_EQ(Slurp(dir.File("other-name.brd")), "short");

    if (::geteuid() == 0) {
        const std::string theirs = dir.File("theirs.brd");
        std::ofstream(theirs) << "old";
        ASSERT_EQ(::chown(theirs.c_str(), NOBODY_ID, NOBODY_ID), 0);
        const ino_t theirInode = Stat(theirs).st_ino;
        ASSERT_TRUE(ReplaceFileContent(theirs, "new").ok);
        EXPECT_EQ(Stat(theirs).st_ino, theirInode);
        EXPECT_EQ(Stat(theirs).st_uid, NOBODY_ID);
        EXPECT_EQ(Slurp(theirs), "new");
    }
    EXPECT_EQ(dir.Entries(), ::geteuid() == 0 ? 3u : 2u);
}

// A writable file in a folder the user cannot write is rewritten in place.
TEST(FileIo, ReplaceInAFolderThatIsNotWritable) {
    TempDir dir;
    const std::string file = dir.File("t.brd");
    std::ofstream(file) << "old";
    ::chown(dir.path.c_str(), NOBODY_ID, NOBODY_ID);
    ::chown(file.c_str(), NOBODY_ID, NOBODY_ID);
    ::chmod(dir.path.c_str(), 0555);
    EXPECT_TRUE(AsOrdinaryUser([&] { return ReplaceFileContent(file, "new").ok; }));
    EXPECT_TRUE(AsOrdinaryUser([&] { return !ReplaceFileContent(dir.File("fresh"), "x").ok; }));
    ::chmod(dir.path.c_str(), 0755);
    EXPECT_EQ(Slurp(file), "new");
    EXPECT_EQ(dir.Entries(), 1u);
}

TEST(FileIo, ReplaceKeepsModeOwnerAndGroup) {
    TempDir dir;
    const std::string file = dir.File("t.brd");
    std::ofstream(file) << "old";
    ::chmod(file.c_str(), 0604);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(file.c_str(), 0, NOBODY_ID), 0); // a group that is not root's
    }
    const struct stat before = Stat(file);
    ASSERT_TRUE(ReplaceFileContent(file, "new").ok);
    const struct stat after = Stat(file);
    EXPECT_NE(after.st_ino, before.st_ino) << "replaced by a rename";
    EXPECT_EQ(after.st_mode & 07777, 0604u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
}

// Temporary files of saves whose process is gone are removed by the next save of that
// file; those of a live process and of other files stay.
TEST(FileIo, ReplaceRemovesStaleTemporaries) {
    TempDir dir;
    const std::string file = dir.File("t.brd");
    std::ofstream(file) << "old";
    const pid_t dead = [] {
        const pid_t pid = ::fork();
        if (pid == 0)
            ::_exit(0);
        ::waitpid(pid, nullptr, 0);
        return pid;
    }();
    const std::string stale = ".t.brd.brindle-" + std::to_string(dead) + "-abcdef";
    const std::string live = ".t.brd.brindle-1-abcdef";
    const std::string otherFile = ".u.brd.brindle-" + std::to_string(dead) + "-abcdef";
    for (const std::string& name : {stale, live, otherFile})
        std::ofstream(dir.path / name) << "half";
    ASSERT_TRUE(ReplaceFileContent(file, "new").ok);
    EXPECT_FALSE(fs::exists(dir.path / stale));
    EXPECT_TRUE(fs::exists(dir.path / live));
    EXPECT_TRUE(fs::exists(dir.path / otherFile));
    EXPECT_EQ(Slurp(file), "new");
}

// A file-size limit is an ordinary failure even where SIGXFSZ would kill the process.
TEST(FileIo, FileSizeLimitIsAWriteError) {
    TempDir dir;
    const std::string file = dir.File("t.brd");
    std::ofstream(file) << "old";
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        struct rlimit tiny {
            8, 8
        };
        ::setrlimit(RLIMIT_FSIZE, &tiny);
        const CFileIoResult r = ReplaceFileContent(file, std::string(100, 'x'));
        ::_exit(!r.ok && r.error == "File too large" ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Slurp(file), "old");
    EXPECT_EQ(dir.Entries(), 1u);
}

TEST(FileIo, ReadingHasBounds) {
    TempDir dir;
    std::string bytes;
    // A stream without an end stops at the limit with a clear reason.
    const CFileIoResult zero = ReadWholeFile("/dev/zero", bytes, 1 << 20);
    EXPECT_FALSE(zero.ok);
    EXPECT_EQ(zero.error, "File too large");
    EXPECT_TRUE(bytes.empty());
    // Exactly the limit is fine; a FIFO is read once, as a stream.
    const std::string fifo = dir.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << std::string(1000, 'f'); });
    const CFileIoResult fromFifo = ReadWholeFile(fifo, bytes, 1000);
    writer.join();
    EXPECT_TRUE(fromFifo.ok) << fromFifo.error;
    EXPECT_EQ(bytes, std::string(1000, 'f'));
    // A regular file is read by its size, beyond the stream limit.
    const std::string big = dir.File("big");
    std::ofstream(big, std::ios::binary) << std::string(5000, 'b');
    EXPECT_TRUE(ReadWholeFile(big, bytes, 10).ok);
    EXPECT_EQ(bytes.size(), 5000u);
}
