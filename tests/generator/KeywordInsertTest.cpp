#include "KeywordInsert.h"

#include "FileSizeLimit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace std::string_view_literals;
namespace fs = std::filesystem;

namespace {

struct CFindCase {
    const char* name;
    std::string_view text;
    std::string_view keyword;
    std::size_t expected;
};

constexpr std::size_t NONE = std::string_view::npos;

TEST(KeywordInsert, FindKeyword) {
    const CFindCase cases[] = {
        {"first of two", "ab%%K%%cd%%K%%", "%%K%%", 2},
        {"at the very end", "abc%%K", "%%K", 3},
        {"whole text", "%%K", "%%K", 0},
        {"empty keyword", "abc", "", 0},
        {"empty keyword, empty text", "", "", 0},
        {"absent", "abc", "x", NONE},
        {"longer than the text", "ab", "abc", NONE},
        {"case-sensitive", "%%k%%", "%%K%%", NONE},
        {"not on a trail byte",
         "\x95\x5c"
         "abc",
         "\\abc", NONE},
        {"after a double-byte character", "\x95\x5c\\abc", "\\abc", 2},
        {"lead byte as trail byte", "\x81\x81\x40", "\x81\x40", NONE},
        {"double-byte keyword", "a\x81\x81\x81\x40", "\x81\x40", 3},
        {"half-width katakana is one byte", "\xb1%%K", "%%K", 1},
        {"zero bytes are ordinary", "a\0b%%K"sv, "%%K", 3},
        {"zero byte in keyword", "ab\0c"sv, "b\0c"sv, 1},
        {"lone lead byte at the end", "ab\x81", "\x81", 2},
    };
    for (const CFindCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindKeyword(c.text, c.keyword), c.expected);
    }
}

struct CInsertCase {
    const char* name;
    std::string_view text;
    std::string_view keyword;
    std::string_view expected;
};

TEST(KeywordInsert, InsertAfterKeyword) {
    const CInsertCase cases[] = {
        {"first of two", "x KW y KW", "KW", "x KW\r\nT y KW"},
        {"at the very end", "abcKW", "KW", "abcKW\r\nT"},
        {"empty keyword", "abc", "", "\r\nTabc"},
        {"zero bytes kept", "a\0KW\0b"sv, "KW", "a\0KW\r\nT\0b"sv},
    };
    for (const CInsertCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string out;
        ASSERT_TRUE(InsertAfterKeyword(c.text, c.keyword, "T", out));
        EXPECT_EQ(out, c.expected);
    }
    std::string out = "untouched";
    EXPECT_FALSE(InsertAfterKeyword("abc", "KW", "T", out));
    EXPECT_EQ(out, "untouched");
}

class KeywordInsertFile : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::temp_directory_path() /
                ("brindle-insert-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override {
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_dir);
    }

    std::string Path(const char* name) const { return (m_dir / name).string(); }

    static void Write(const std::string& path, std::string_view bytes) {
        std::ofstream f(path, std::ios::binary);
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    static std::string Read(const std::string& path) {
        std::ifstream f(path, std::ios::binary);
        std::ostringstream s;
        s << f.rdbuf();
        return s.str();
    }
    std::size_t FileCount() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()));
    }

    fs::path m_dir;
};

TEST_F(KeywordInsertFile, EachInsertionGoesRightAfterTheFirstKeyword) {
    const std::string path = Path("doc.tex");
    Write(path, "head\0\r\n%%BrindlePlease%%\r\ntail %%BrindlePlease%%"sv);
    EXPECT_EQ(InsertIntoFile(path, DEFAULT_KEYWORD, "one").status, COutputStatus::ok);
    EXPECT_EQ(InsertIntoFile(path, DEFAULT_KEYWORD, "two").status, COutputStatus::ok);
    EXPECT_EQ(Read(path), "head\0\r\n%%BrindlePlease%%\r\ntwo\r\none\r\ntail %%BrindlePlease%%"sv);
    EXPECT_EQ(FileCount(), 1u); // no temporary file left behind
}

TEST_F(KeywordInsertFile, KeepsPermissionBits) {
    const std::string path = Path("doc.tex");
    Write(path, "KW");
    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(InsertIntoFile(path, "KW", "x").status, COutputStatus::ok);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(KeywordInsertFile, InsertsThroughSymbolicLink) {
    const std::string target = Path("real.tex");
    const std::string link = Path("link.tex");
    Write(target, "KW");
    fs::create_symlink(target, link);
    ASSERT_EQ(InsertIntoFile(link, "KW", "x").status, COutputStatus::ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(target), "KW\r\nx");
}

TEST_F(KeywordInsertFile, KeywordAbsentLeavesFileUnchanged) {
    const std::string path = Path("doc.tex");
    Write(path, "no marker here");
    const COutputResult r = InsertIntoFile(path, DEFAULT_KEYWORD, "x");
    EXPECT_EQ(r.status, COutputStatus::keywordNotFound);
    EXPECT_EQ(Read(path), "no marker here");
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(KeywordInsertFile, UnreadableFileIsAnOpenFailure) {
    const COutputResult missing = InsertIntoFile(Path("missing.tex"), "KW", "x");
    EXPECT_EQ(missing.status, COutputStatus::openFailed);
    EXPECT_FALSE(missing.error.empty());
    EXPECT_FALSE(fs::exists(Path("missing.tex")));
    EXPECT_EQ(InsertIntoFile(m_dir.string(), "KW", "x").status, COutputStatus::openFailed);
}

TEST_F(KeywordInsertFile, ReadOnlyFileIsAnOpenFailure) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
    const std::string path = Path("doc.tex");
    Write(path, "KW");
    ::chmod(path.c_str(), 0444);
    EXPECT_EQ(InsertIntoFile(path, "KW", "x").status, COutputStatus::openFailed);
    EXPECT_EQ(Read(path), "KW");
}

TEST_F(KeywordInsertFile, UnwritableFolderKeepsTheOldContent) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
    const std::string path = Path("doc.tex");
    Write(path, "KW");
    fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(InsertIntoFile(path, "KW", "x").status, COutputStatus::replaceFailed);
    EXPECT_EQ(Read(path), "KW");
}

TEST_F(KeywordInsertFile, WriteFailingPartWayKeepsTheOldContent) {
    const std::string path = Path("doc.tex");
    Write(path, "KW");
    COutputResult r;
    {
        // A file size limit makes the rewrite fail part way, also for root.
        CFileSizeLimit limit(3);
        ASSERT_TRUE(limit.Active());
        r = InsertIntoFile(path, "KW", "inserted text");
    }
    EXPECT_EQ(r.status, COutputStatus::replaceFailed);
    EXPECT_EQ(Read(path), "KW");
}

TEST_F(KeywordInsertFile, NewFileIsCreatedOrReplaced) {
    const std::string path = Path("out.tex");
    EXPECT_EQ(WriteNewFile(path, "a\r\n\0b"sv).status, COutputStatus::ok);
    EXPECT_EQ(Read(path), "a\r\n\0b"sv);
    EXPECT_EQ(WriteNewFile(path, "c").status, COutputStatus::ok);
    EXPECT_EQ(Read(path), "c");
    const COutputResult r = WriteNewFile(Path("no-such-folder/out.tex"), "x");
    EXPECT_EQ(r.status, COutputStatus::newFileFailed);
    EXPECT_FALSE(r.error.empty());
}

TEST(KeywordInsert, OutputMessages) {
    const struct {
        COutputStatus status;
        const char* text;
    } cases[] = {
        {COutputStatus::ok, "完了しました！"},
        {COutputStatus::newFileFailed, "ファイルを開けません！\n/d/a.tex"},
        {COutputStatus::replaceFailed, "ファイルを開けません！\n/d/a.tex"},
        {COutputStatus::openFailed, "/d/a.tex\nファイルを開けません！"},
        {COutputStatus::keywordNotFound, "%%KW%%\n指定のキーワードが見つかりません！"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(OutputMessage({c.status, "reason"}, "/d/a.tex", "%%KW%%"), c.text);
    }
}

} // namespace
