// brindle generate and brindle insert, run in-process.
#include "CellSize.h"
#include "Commands.h"
#include "NativeFormat.h"
#include "TableFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct CRun {
    int status;
    std::string out;
    std::string err;
};

CRun Brindle(const std::vector<std::string>& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    CCliStreams io{in, out, err};
    const int status = RunBrindle(args, io);
    return {status, out.str(), err.str()};
}

class CliCommand : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::temp_directory_path() /
                ("brindle-cli-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

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
    // The worked example table as a native file.
    std::string WorkedExampleFile() {
        auto t = std::make_unique<CTestTable>();
        FillWorkedExample(*t);
        CCellSize sizes;
        const std::string path = Path("worked.brd");
        Write(path, WriteNativeBytes(t->cells, t->h, t->v, sizes));
        return path;
    }

    fs::path m_dir;
};

TEST_F(CliCommand, GenerateWorkedExampleOverTheUsedRegion) {
    const std::string file = WorkedExampleFile();
    const CRun tab = Brindle({"generate", "--target", "tabular", file});
    EXPECT_EQ(tab.status, EXIT_OK) << tab.err;
    EXPECT_EQ(tab.out, ReadTestData("worked_example_tabular.tex"));
    EXPECT_EQ(tab.err, "");

    const CRun html = Brindle({"generate", "--target=html", "--option", "BorderHTML=1", file});
    EXPECT_EQ(html.status, EXIT_OK) << html.err;
    EXPECT_EQ(html.out, ReadTestData("worked_example.html"));
}

TEST_F(CliCommand, GenerateRangeInAnyOrder) {
    const std::string file = WorkedExampleFile();
    EXPECT_EQ(Brindle({"generate", "--target", "tabular", "--range", "3,3,1,1", file}).out,
              ReadTestData("worked_example_tabular.tex"));
    const CRun part = Brindle({"generate", "--target", "html", "--range", "3,1,2,2", file});
    EXPECT_EQ(part.status, EXIT_OK) << part.err;
    EXPECT_EQ(part.out, CrLf({"<TABLE>", "<TR ALIGN=\"center\"> <TD></TD> <TD>B</TD> </TR>",
                              "<TR ALIGN=\"center\"> <TD>D</TD> <TD>E</TD> </TR>", "</TABLE>"}));
}

TEST_F(CliCommand, GenerateOptionsFromTheCommandLine) {
    const std::string file = Path("one.csv");
    Write(file, "x\r\n");
    const std::vector<std::string> args{
        "generate",    "--target", "tabular",     "--option", "Cap=1",   "--option",
        "CapStr=表 1", "--option", "LabelPos=-1", "--option", "Label=1", "--option=LabelStr=t:x",
        file};
    std::vector<std::string> cp932 = args;
    cp932.insert(cp932.begin() + 1, {"--encoding", "cp932"});
    const CRun tab = Brindle(cp932);
    EXPECT_EQ(tab.status, EXIT_OK) << tab.err;
    EXPECT_EQ(tab.out, CrLf({"\\begin{tabular}{c}", "x \\\\", "\\end{tabular}",
                             "\\caption{\x95\x5c 1}", "\\label{t:x}"}));
    // Without the flag the same text comes in UTF-8: no trail byte 0x5C for TeX to misread.
    const CRun utf8 = Brindle(args);
    EXPECT_EQ(utf8.status, EXIT_OK) << utf8.err;
    EXPECT_EQ(utf8.out, CrLf({"\\begin{tabular}{c}", "x \\\\", "\\end{tabular}", "\\caption{表 1}",
                              "\\label{t:x}"}));

    const CRun arr = Brindle(
        {"generate", "--target", "array", "--option", "Math=2", "--option", "Kakko=3", file});
    EXPECT_EQ(arr.status, EXIT_OK) << arr.err;
    EXPECT_EQ(arr.out, CrLf({"\\[", "\\left[", "\\begin{array}{c}", "x ", "\\end{array}",
                             "\\right]", "\\]"}));
}

TEST_F(CliCommand, GenerateRefusesBadArguments) {
    const std::string file = Path("one.csv");
    Write(file, "x\r\n");
    const std::vector<std::vector<std::string>> cases = {
        {"generate", file},
        {"generate", "--target", "latex", file},
        {"generate", "--target", "tabular"},
        {"generate", "--target", "tabular", file, file},
        {"generate", "--target", "tabular", "--option", "Border=1", file},
        {"generate", "--target", "tabular", "--option", "Doc", file},
        {"generate", "--target", "tabular", "--option", "Doc=x", file},
        {"generate", "--target", "tabular", "--option", "Doc=", file},
        {"generate", "--target", "tabular", "--option", "Doc=1.5", file},
        {"generate", "--target", "tabular", "--option", "Doc=99999999999", file},
        {"generate", "--target", "tabular", "--range", "0,1,2,2", file},
        {"generate", "--target", "tabular", "--range", "1,1,251,2", file},
        {"generate", "--target", "tabular", "--range", "1,2,3", file},
        {"generate", "--target", "tabular", "--range", "1,2,3,4,5", file},
        {"generate", "--target", "tabular", "--range", "a,b,c,d", file},
        {"generate", "--target", "tabular", "--range", file},
        {"generate", "--target", "tabular", "--text-format", "xml", file},
        {"generate", "--target", "tabular", "--colour", file},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const CRun r = Brindle(args);
        EXPECT_EQ(r.status, EXIT_USAGE);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("brindle generate: "), std::string::npos) << r.err;
    }
}

TEST_F(CliCommand, GenerateUnreadableFile) {
    const CRun r = Brindle({"generate", "--target", "html", Path("missing.brd")});
    EXPECT_EQ(r.status, EXIT_IO);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err, "");
}

TEST_F(CliCommand, InsertAfterTheDefaultKeyword) {
    const std::string file = Path("doc.tex");
    Write(file, "a\r\n%%BrindlePlease%%\r\nb %%BrindlePlease%%");
    const CRun r = Brindle({"insert", file}, "X\r\n");
    EXPECT_EQ(r.status, EXIT_OK) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(Read(file), "a\r\n%%BrindlePlease%%\r\nX\r\n\r\nb %%BrindlePlease%%");
}

TEST_F(CliCommand, InsertKeywordIsConvertedToCodePage932) {
    const std::string file = Path("doc.tex");
    Write(file, "\x95\x5c\x82\xa0");
    const CRun r =
        Brindle({"insert", "--keyword", "\x95\x5c", "--encoding", "cp932", file}, "\x82\xa2");
    EXPECT_EQ(r.status, EXIT_OK) << r.err;
    EXPECT_EQ(Read(file), "\x95\x5c\r\n\x82\xa2\x82\xa0");
}

// Standard input and the keyword are UTF-8 unless told; the file keeps its own encoding.
TEST_F(CliCommand, InsertKeepsTheFileInItsEncoding) {
    const struct {
        const char* name;
        std::string file;
        std::vector<std::string> flags;
        std::string input;
        std::string after;
    } cases[] = {
        {"UTF-8 file, UTF-8 input",
         "本文です%%BrindlePlease%%\n",
         {},
         "表 & い",
         "本文です%%BrindlePlease%%\r\n表 & い\n"},
        {"cp932 file, UTF-8 input and keyword",
         "\x95\x5cKW",
         {"--keyword", "KW"},
         "い",
         "\x95\x5cKW\r\n\x82\xa2"},
        {"UTF-8 file, cp932 input",
         "本KW",
         {"--keyword=KW", "--encoding=cp932"},
         "\x95\x5c",
         "本KW\r\n表"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = Path("doc.tex");
        Write(file, c.file);
        std::vector<std::string> args{"insert"};
        args.insert(args.end(), c.flags.begin(), c.flags.end());
        args.push_back(file);
        const CRun r = Brindle(args, c.input);
        EXPECT_EQ(r.status, EXIT_OK) << r.err;
        EXPECT_EQ(Read(file), c.after);
    }
    const std::string file = Path("doc.tex");
    Write(file, "\x95\x5cKW");
    const CRun r = Brindle({"insert", "--keyword", "KW", file}, "😀");
    EXPECT_EQ(r.status, EXIT_IO);
    EXPECT_NE(r.err.find("Shift_JIS (CP932)"), std::string::npos) << r.err;
    EXPECT_EQ(Read(file), "\x95\x5cKW");
    EXPECT_EQ(Brindle({"insert", "--encoding", "latin1", file}).status, EXIT_USAGE);
    // Code page 932 bytes read as UTF-8 would leave a UTF-8 file in no encoding.
    Write(file, "本KW");
    const CRun notUtf8 = Brindle({"insert", "--keyword", "KW", file}, "\x95\x5c");
    EXPECT_EQ(notUtf8.status, EXIT_IO);
    EXPECT_NE(notUtf8.err.find("not valid UTF-8"), std::string::npos) << notUtf8.err;
    EXPECT_EQ(Read(file), "本KW");
}

// The exact-output fixtures are the same bytes either way; Japanese texts are code page 932
// with --encoding cp932 (as before) and UTF-8 without it.
TEST_F(CliCommand, GenerateOutputEncoding) {
    const std::string file = WorkedExampleFile();
    for (const char* encoding : {"cp932", "utf-8"}) {
        SCOPED_TRACE(encoding);
        EXPECT_EQ(Brindle({"generate", "--encoding", encoding, "--target", "tabular", file}).out,
                  ReadTestData("worked_example_tabular.tex"));
        EXPECT_EQ(Brindle({"generate", "--target=html", "--option", "BorderHTML=1", "--encoding",
                           encoding, file})
                      .out,
                  ReadTestData("worked_example.html"));
    }
    const std::string csv = Path("jp.csv");
    Write(csv, "名前,表\r\n");
    const CRun sjis = Brindle({"generate", "--target", "html", "--encoding", "cp932", csv});
    EXPECT_EQ(sjis.status, EXIT_OK) << sjis.err;
    EXPECT_NE(sjis.out.find("\x96\xbc\x91\x4f"), std::string::npos); // 名前
    const CRun utf8 = Brindle({"generate", "--target", "html", csv});
    EXPECT_NE(utf8.out.find("名前"), std::string::npos);
    EXPECT_EQ(utf8.out.size(), sjis.out.size() + 3); // three bytes a character, not two
    EXPECT_EQ(Brindle({"generate", "--target", "html", "--encoding", "ebcdic", csv}).status,
              EXIT_USAGE);
    // A UTF-8 file read as code page 932 because it was told so.
    const CRun forced = Brindle(
        {"generate", "--target", "html", "--input-encoding", "cp932", "--encoding", "cp932", csv});
    EXPECT_NE(forced.out.find("\xe5\x90\x8d"), std::string::npos);
}

// A command whose output cannot be written ends with status 2 and says so.
TEST_F(CliCommand, FailedWritesToStandardOutput) {
    const std::string file = WorkedExampleFile();
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--help"},
                                                 {"--version"},
                                                 {"dump", file},
                                                 {"generate", "--target", "tabular", file}}) {
        SCOPED_TRACE(args[0]);
        std::istringstream in;
        std::ostringstream err;
        std::ostringstream out;
        out.setstate(std::ios::badbit); // as a full disk or a closed pipe leaves it
        CCliStreams io{in, out, err};
        EXPECT_EQ(RunBrindle(args, io), EXIT_IO);
        EXPECT_NE(err.str().find("standard output"), std::string::npos) << err.str();
    }
}

TEST_F(CliCommand, InsertKeywordAbsent) {
    const std::string file = Path("doc.tex");
    Write(file, "no marker");
    const CRun r = Brindle({"insert", "--keyword=KW", file}, "X");
    EXPECT_EQ(r.status, EXIT_NOT_FOUND);
    EXPECT_NE(r.err.find("KW"), std::string::npos) << r.err;
    EXPECT_EQ(Read(file), "no marker");
}

TEST_F(CliCommand, InsertUnreadableFile) {
    const CRun r = Brindle({"insert", Path("missing.tex")}, "X");
    EXPECT_EQ(r.status, EXIT_IO);
    EXPECT_NE(r.err, "");
    EXPECT_FALSE(fs::exists(Path("missing.tex")));
}

TEST_F(CliCommand, InsertRefusesBadArguments) {
    const std::string file = Path("doc.tex");
    Write(file, "%%BrindlePlease%%");
    const std::vector<std::vector<std::string>> cases = {
        {"insert"},
        {"insert", file, file},
        {"insert", "--keyword"},
        {"insert", "--key", "K", file},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const CRun r = Brindle(args, "X");
        EXPECT_EQ(r.status, EXIT_USAGE);
        EXPECT_NE(r.err.find("brindle insert: "), std::string::npos) << r.err;
    }
    EXPECT_EQ(Read(file), "%%BrindlePlease%%");
}

} // namespace
