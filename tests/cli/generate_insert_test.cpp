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
    const CRun tab =
        Brindle({"generate", "--target", "tabular", "--option", "Cap=1", "--option", "CapStr=表 1",
                 "--option", "LabelPos=-1", "--option", "Label=1", "--option=LabelStr=t:x", file});
    EXPECT_EQ(tab.status, EXIT_OK) << tab.err;
    EXPECT_EQ(tab.out, CrLf({"\\begin{tabular}{c}", "x \\\\", "\\end{tabular}",
                             "\\caption{\x95\x5c 1}", "\\label{t:x}"}));

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
    const CRun r = Brindle({"insert", "--keyword", "表", file}, "\x82\xa2");
    EXPECT_EQ(r.status, EXIT_OK) << r.err;
    EXPECT_EQ(Read(file), "\x95\x5c\r\n\x82\xa2\x82\xa0");
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
