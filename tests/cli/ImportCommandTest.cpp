// brindle import, run in-process.
#include "Commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

// Words of a line as a POSIX shell splits them (blanks, single quotes, backslash-quote).
std::vector<std::string> ShellWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '\'')
                quoted = false;
            else
                word += c;
        } else if (c == '\'') {
            quoted = inWord = true;
        } else if (c == '\\' && i + 1 < line.size()) {
            word += line[++i];
            inWord = true;
        } else if (c == ' ' || c == '\n') {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

class ImportCommand : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::temp_directory_path() /
                ("brindle-import-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Path(const std::string& name) const { return (m_dir / name).string(); }
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

    fs::path m_dir;
};

constexpr const char* TABLE =
    "\\begin{table}[h]\n\\begin{center}\n\\begin{tabular}{|l|r|}\n\\hline\n"
    "\\multicolumn{2}{|c|}{Price list} \\\\\n\\hline\nTea & 3 \\\\\nCoffee & 4 \\\\\n\\hline\n"
    "\\end{tabular}\n\\caption{Drinks, in '\\$'}\n\\end{center}\n\\end{table}\n";

TEST_F(ImportCommand, WritesTheTableAndPrintsGenerateArguments) {
    Write(Path("in.tex"), TABLE);
    const CRun r = Brindle({"import", "--print-options", Path("in.tex"), Path("out.brd")});
    ASSERT_EQ(r.status, EXIT_OK) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "--target tabular --range 1,1,2,3 --option Table=1 --option LabelPos=1 "
                     "--option Cap=1 --option 'CapStr=Drinks, in '\\''\\$'\\'''\n");
    const CRun dump = Brindle({"dump", Path("out.brd")});
    ASSERT_EQ(dump.status, EXIT_OK) << dump.err;
    EXPECT_NE(
        dump.out.find("col 1 row 1 colspan 2 rowspan 1 hplace 1 vplace 1 text \"Price list\""),
        std::string::npos)
        << dump.out;
    EXPECT_NE(dump.out.find("col 2 row 3 colspan 1 rowspan 1 hplace 2 vplace 1 text \"4\""),
              std::string::npos);
}

// The printed arguments make `brindle generate` write the table as it came in, for a table
// this tool generated.
TEST_F(ImportCommand, PrintedArgumentsRegenerateTheSource) {
    for (const char* target : {"tabular", "array", "html"}) {
        SCOPED_TRACE(target);
        Write(Path("in.tex"), TABLE);
        ASSERT_EQ(Brindle({"import", Path("in.tex"), Path("t.brd")}).status, EXIT_OK);
        const CRun first =
            Brindle({"generate", "--target", target, "--option", "Com=1", "--option", "ArrayCom=1",
                     "--option", "Kakko=3", "--option", "Math=2", "--option", "BorderHTML=1",
                     "--option", "Cap=1", "--option", "CapStr=x y", Path("t.brd")});
        ASSERT_EQ(first.status, EXIT_OK) << first.err;
        const std::string source = Path(std::string("gen.") + (target[0] == 'h' ? "html" : "tex"));
        Write(source, first.out);
        const CRun imported = Brindle({"import", "--print-options", source, Path("again.brd")});
        ASSERT_EQ(imported.status, EXIT_OK) << imported.err;
        std::vector<std::string> args = ShellWords(imported.out);
        args.insert(args.begin(), "generate");
        args.push_back(Path("again.brd"));
        const CRun second = Brindle(args);
        ASSERT_EQ(second.status, EXIT_OK) << second.err;
        EXPECT_EQ(second.out, first.out) << imported.out;
    }
}

TEST_F(ImportCommand, FormatFromExtensionOptionOrText) {
    const std::string html = "<table><tr><td>a</td><td>b</td></tr></table>";
    struct CCase {
        const char* name;
        std::vector<std::string> args; // before INPUT OUTPUT
        const char* file;
        std::string bytes;
        const char* expected; // a line of the dump
    } cases[] = {
        {"html extension", {}, "t.HTML", html, "col 2 row 1 colspan 1 rowspan 1 hplace 0"},
        {"htm extension", {}, "t.htm", html, "col 2 row 1"},
        {"tex extension",
         {},
         "t.tex",
         "\\begin{tabular}{cc} a & b \\end{tabular}",
         "col 2 row 1 colspan 1 rowspan 1 hplace 1"},
        {"option over extension", {"--format", "html"}, "t.tex", html, "col 2 row 1"},
        {"option with =",
         {"--format=latex"},
         "t.html",
         "\\begin{array}{c} x \\end{array}",
         "col 1 row 1 colspan 1 rowspan 1 hplace 1 vplace 1 text \"x\""},
        {"unknown extension: the text says HTML", {}, "t.txt", html, "col 2 row 1"},
        {"unknown extension: the text says LaTeX",
         {},
         "t.txt",
         "<p> \\begin{tabular}{c} y \\end{tabular}",
         "text \"y\""},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.name);
        Write(Path(c.file), c.bytes);
        std::vector<std::string> args{"import"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.push_back(Path(c.file));
        args.push_back(Path("out.brd"));
        const CRun r = Brindle(args);
        ASSERT_EQ(r.status, EXIT_OK) << r.err;
        EXPECT_NE(Brindle({"dump", Path("out.brd")}).out.find(c.expected), std::string::npos);
    }
}

TEST_F(ImportCommand, StandardInput) {
    const CRun r = Brindle({"import", "-", Path("out.brd")}, "<TABLE><TR><TD>x</TD></TR></TABLE>");
    ASSERT_EQ(r.status, EXIT_OK) << r.err;
    EXPECT_NE(Brindle({"dump", Path("out.brd")}).out.find("text \"x\""), std::string::npos);
}

TEST_F(ImportCommand, ParseErrorNamesThePlaceAndLeavesTheOutput) {
    Write(Path("bad.tex"), "\\begin{tabular}{cc}\na & b & c \\\\\n\\end{tabular}\n");
    Write(Path("out.brd"), "old contents");
    const CRun r = Brindle({"import", Path("bad.tex"), Path("out.brd")});
    EXPECT_EQ(r.status, EXIT_IO);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "brindle import: " + Path("bad.tex") +
                         ": line 2, column 7: too many '&': this one begins column 3, but the "
                         "column specification at line 1, column 17 has 2 columns; " +
                         Path("out.brd") + " was not written\n");
    EXPECT_EQ(Read(Path("out.brd")), "old contents");
}

TEST_F(ImportCommand, WarningsGoToStandardError) {
    std::string wide = "\\begin{tabular}{*{260}{c}}\n";
    wide += "a \\\\\n\\end{tabular}\n";
    Write(Path("wide.tex"), wide);
    const CRun r = Brindle({"import", Path("wide.tex"), Path("out.brd")});
    ASSERT_EQ(r.status, EXIT_OK) << r.err;
    EXPECT_EQ(r.err, "brindle import: warning: the column specification at line 1, column 17 "
                     "has 260 columns; columns 251 to 260 were cut\n");
}

TEST_F(ImportCommand, FailuresAndTheirStatus) {
    Write(Path("in.tex"), TABLE);
    struct CCase {
        const char* name;
        std::vector<std::string> args;
        int status;
        const char* err; // the start of the first line on stderr
    } cases[] = {
        {"no files", {"import"}, EXIT_USAGE, "brindle import: expected INPUT and OUTPUT"},
        {"one file", {"import", Path("in.tex")}, EXIT_USAGE, "brindle import: expected INPUT"},
        {"unknown option",
         {"import", "--frmat", "latex", Path("in.tex"), Path("o.brd")},
         EXIT_USAGE,
         "brindle import: unknown option '--frmat'"},
        {"bad format",
         {"import", "--format", "rtf", Path("in.tex"), Path("o.brd")},
         EXIT_USAGE,
         "brindle import: --format must be latex or html, not 'rtf'"},
        {"format without value",
         {"import", Path("in.tex"), Path("o.brd"), "--format"},
         EXIT_USAGE,
         "brindle import: --format needs a value"},
        {"missing input",
         {"import", Path("missing.tex"), Path("o.brd")},
         EXIT_IO,
         "brindle import: cannot read "},
        {"csv output",
         {"import", Path("in.tex"), Path("o.csv")},
         EXIT_IO,
         "brindle import: cannot write "},
        {"output folder missing",
         {"import", Path("in.tex"), Path("no/such/o.brd")},
         EXIT_IO,
         "brindle import: cannot write "},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CRun r = Brindle(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << r.err;
    }
    EXPECT_FALSE(fs::exists(Path("o.csv")));
}

// The source's encoding is detected; --encoding says which instead.
TEST(ImportEncoding, DetectedOrGiven) {
    const fs::path dir =
        fs::temp_directory_path() / ("brindle-import-enc-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string tex = (dir / "t.tex").string();
    const std::string brd = (dir / "t.brd").string();
    std::ofstream(tex, std::ios::binary) << "\\begin{tabular}{c}\n表\\\\\n\\end{tabular}\n";
    const struct {
        const char* name;
        std::vector<std::string> flags;
        const char* text; // as brindle dump shows it
    } cases[] = {
        {"detected", {}, "text \"表\""},
        {"UTF-8 given", {"--encoding", "utf-8"}, "text \"表\""},
        {"cp932 given", {"--encoding=cp932"}, "text \"陦ｨ\""}, // E8 A1, A8
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args{"import"};
        args.insert(args.end(), c.flags.begin(), c.flags.end());
        args.insert(args.end(), {tex, brd});
        const CRun r = Brindle(args);
        EXPECT_EQ(r.status, 0) << r.err;
        const CRun dump = Brindle({"dump", brd});
        EXPECT_NE(dump.out.find(c.text), std::string::npos) << dump.out;
    }
    EXPECT_EQ(Brindle({"import", "--encoding", "koi8", tex, brd}).status, 1);
    fs::remove_all(dir);
}

TEST(ImportUsage, HelpListsTheCommand) {
    std::istringstream in;
    std::ostringstream out, err;
    CCliStreams io{in, out, err};
    ASSERT_EQ(RunBrindle({"--help"}, io), EXIT_OK);
    EXPECT_NE(
        out.str().find("import [--format latex|html] [--print-options] [--encoding utf-8|cp932]\n"
                       "         INPUT OUTPUT"),
        std::string::npos);
}

} // namespace
