#include "FileIo.h"

#include "FileSizeLimit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

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
};

} // namespace

TEST(FileIo, AtomicWriteReplacesContentAndKeepsPermissions) {
    TempDir dir;
    const std::string file = (dir.path / "t.tex").string();
    std::ofstream(file) << "old";
    ::chmod(file.c_str(), 0640);
    const std::string bytes("new\0bytes", 9);
    ASSERT_TRUE(AtomicWriteFile(file, bytes).ok);
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
        result = AtomicWriteFile(file, "a replacement longer than four bytes");
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
    EXPECT_FALSE(AtomicWriteFile((dir.path / "no" / "such.tex").string(), "x").ok);
}
