#include "KeywordInsert.h"

#include "AsOrdinaryUser.h"
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
constexpr TextEncoding CP932 = TextEncoding::Cp932;
constexpr TextEncoding UTF8 = TextEncoding::Utf8;

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
    EXPECT_EQ(InsertIntoFile(path, DEFAULT_KEYWORD, "one", CP932).status, COutputStatus::ok);
    EXPECT_EQ(InsertIntoFile(path, DEFAULT_KEYWORD, "two", CP932).status, COutputStatus::ok);
    EXPECT_EQ(Read(path), "head\0\r\n%%BrindlePlease%%\r\ntwo\r\none\r\ntail %%BrindlePlease%%"sv);
    EXPECT_EQ(FileCount(), 1u); // no temporary file left behind
}

TEST_F(KeywordInsertFile, KeepsPermissionBits) {
    const std::string path = Path("doc.tex");
    Write(path, "KW");
    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(InsertIntoFile(path, "KW", "x", CP932).status, COutputStatus::ok);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(KeywordInsertFile, InsertsThroughSymbolicLink) {
    const std::string target = Path("real.tex");
    const std::string link = Path("link.tex");
    Write(target, "KW");
    fs::create_symlink(target, link);
    ASSERT_EQ(InsertIntoFile(link, "KW", "x", CP932).status, COutputStatus::ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(target), "KW\r\nx");
}

TEST_F(KeywordInsertFile, KeywordAbsentLeavesFileUnchanged) {
    const std::string path = Path("doc.tex");
    Write(path, "no marker here");
    const COutputResult r = InsertIntoFile(path, DEFAULT_KEYWORD, "x", CP932);
    EXPECT_EQ(r.status, COutputStatus::keywordNotFound);
    EXPECT_EQ(Read(path), "no marker here");
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(KeywordInsertFile, UnreadableFileIsAnOpenFailure) {
    const COutputResult missing = InsertIntoFile(Path("missing.tex"), "KW", "x", CP932);
    EXPECT_EQ(missing.status, COutputStatus::openFailed);
    EXPECT_FALSE(missing.error.empty());
    EXPECT_FALSE(fs::exists(Path("missing.tex")));
    EXPECT_EQ(InsertIntoFile(m_dir.string(), "KW", "x", CP932).status, COutputStatus::openFailed);
}

// The mode bits decide, for root too.
TEST_F(KeywordInsertFile, ReadOnlyFileIsAnOpenFailure) {
    const std::string path = Path("doc.tex");
    Write(path, "KW");
    ::chmod(path.c_str(), 0444);
    EXPECT_EQ(InsertIntoFile(path, "KW", "x", CP932).status, COutputStatus::openFailed);
    EXPECT_EQ(Read(path), "KW");
}

// A writable file in a folder that is not writable is rewritten in place.
TEST_F(KeywordInsertFile, UnwritableFolderRewritesInPlace) {
    const std::string path = Path("doc.tex");
    Write(path, "KW");
    ::chown(m_dir.c_str(), NOBODY_ID, NOBODY_ID);
    ::chown(path.c_str(), NOBODY_ID, NOBODY_ID);
    fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_TRUE(AsOrdinaryUser(
        [&] { return InsertIntoFile(path, "KW", "x", CP932).status == COutputStatus::ok; }));
    EXPECT_EQ(Read(path), "KW\r\nx");
}

TEST_F(KeywordInsertFile, WriteFailingPartWayKeepsTheOldContent) {
    const std::string path = Path("doc.tex");
    Write(path, "KW");
    COutputResult r;
    {
        // A file size limit makes the rewrite fail part way, also for root.
        CFileSizeLimit limit(3);
        ASSERT_TRUE(limit.Active());
        r = InsertIntoFile(path, "KW", "inserted text", CP932);
    }
    EXPECT_EQ(r.status, COutputStatus::replaceFailed);
    EXPECT_EQ(Read(path), "KW");
}

TEST_F(KeywordInsertFile, NewFileIsCreatedOrReplaced) {
    const std::string path = Path("out.tex");
    EXPECT_EQ(WriteNewFile(path, "a\r\n\0b"sv, CP932, CP932).status, COutputStatus::ok);
    EXPECT_EQ(Read(path), "a\r\n\0b"sv);
    EXPECT_EQ(WriteNewFile(path, "c", CP932, UTF8).status, COutputStatus::ok);
    EXPECT_EQ(Read(path), "c");
    const COutputResult r = WriteNewFile(Path("no-such-folder/out.tex"), "x", CP932, UTF8);
    EXPECT_EQ(r.status, COutputStatus::newFileFailed);
    EXPECT_FALSE(r.error.empty());
}

// "表" is 0x95 0x5C in code page 932: written as such into a UTF-8 file, its second byte
// would be a backslash to TeX.
TEST_F(KeywordInsertFile, NewFileInEitherEncoding) {
    const struct {
        const char* name;
        std::string_view text;
        TextEncoding from, to;
        COutputStatus status;
        std::string_view bytes; // file content; empty: no file
    } cases[] = {
        {"cp932 text as UTF-8", "\x95\x5c\r\n", CP932, UTF8, COutputStatus::ok, "表\r\n"},
        {"cp932 text as cp932", "\x95\x5c\r\n", CP932, CP932, COutputStatus::ok, "\x95\x5c\r\n"},
        {"UTF-8 text as cp932", "表", UTF8, CP932, COutputStatus::ok, "\x95\x5c"},
        {"UTF-8 text as UTF-8", "表😀", UTF8, UTF8, COutputStatus::ok, "表😀"},
        {"cut cp932 character", "a\x95", CP932, UTF8, COutputStatus::notConvertible, ""},
        {"emoji into cp932", "a😀", UTF8, CP932, COutputStatus::notConvertible, ""},
        {"cp932 bytes given as UTF-8", "a\x95\x5c", UTF8, UTF8, COutputStatus::notConvertible, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = Path("out.tex");
        fs::remove(path);
        const COutputResult r = WriteNewFile(path, c.text, c.from, c.to);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.fileEncoding, c.to);
        if (c.bytes.empty())
            EXPECT_FALSE(fs::exists(path));
        else
            EXPECT_EQ(Read(path), c.bytes);
    }
    EXPECT_TRUE(KeepsPreviewOpen(COutputStatus::notConvertible));
}

// The target file's encoding decides how keyword and text are written into it.
TEST_F(KeywordInsertFile, InsertionKeepsTheFileInItsEncoding) {
    const struct {
        const char* name;
        std::string_view file;
        std::string_view text;
        TextEncoding from;
        COutputStatus status;
        std::string_view after;
        std::string_view keyword = DEFAULT_KEYWORD;
    } cases[] = {
        {"UTF-8 file, keyword after Japanese on its line", "本文です%%BrindlePlease%%\n末尾\n",
         "\x95\x5c", CP932, COutputStatus::ok, "本文です%%BrindlePlease%%\r\n表\n末尾\n"},
        {"UTF-8 file with a byte-order mark", "\xEF\xBB\xBF%%BrindlePlease%%", "\x95\x5c", CP932,
         COutputStatus::ok, "\xEF\xBB\xBF%%BrindlePlease%%\r\n表"},
        {"cp932 file as before", "\x96\x7b\x95\xb6%%BrindlePlease%%", "\x95\x5c", CP932,
         COutputStatus::ok, "\x96\x7b\x95\xb6%%BrindlePlease%%\r\n\x95\x5c"},
        {"cp932 file, UTF-8 text converted", "\x96\x7b%%BrindlePlease%%", "表", UTF8,
         COutputStatus::ok, "\x96\x7b%%BrindlePlease%%\r\n\x95\x5c"},
        {"cp932 file, keyword only on a trail byte", "\x95%%BrindlePlease%%", "x", CP932,
         COutputStatus::keywordNotFound, "\x95%%BrindlePlease%%"},
        {"cp932 file, text it cannot hold", "\x96\x7b%%BrindlePlease%%", "😀", UTF8,
         COutputStatus::notConvertible, "\x96\x7b%%BrindlePlease%%"},
        {"UTF-8 file, cut cp932 text", "本%%BrindlePlease%%", "\x95", CP932,
         COutputStatus::notConvertible, "本%%BrindlePlease%%"},
        {"UTF-8 file, cp932 bytes given as UTF-8", "本%%BrindlePlease%%", "\x95\x5c", UTF8,
         COutputStatus::notConvertible, "本%%BrindlePlease%%"},
        {"cp932 file, cp932 text ending in half a character", "\x96\x7b%%BrindlePlease%%\x96\xbe",
         "ab\xe6", CP932, COutputStatus::notConvertible, "\x96\x7b%%BrindlePlease%%\x96\xbe"},
        {"byte-order mark stays first for an empty keyword", "\xEF\xBB\xBF本", "x", UTF8,
         COutputStatus::ok, "\xEF\xBB\xBF\r\nx本", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = Path("doc.tex");
        Write(path, c.file);
        const COutputResult r = InsertIntoFile(path, c.keyword, c.text, c.from);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(Read(path), c.after);
    }
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
        {COutputStatus::notConvertible,
         "/d/a.tex\nUTF-8 で表せない文字が含まれているため、書き込みませんでした！"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(OutputMessage({c.status, "reason", UTF8}, "/d/a.tex", "%%KW%%"), c.text);
    }
}

} // namespace
