#include "Commands.h"
#include "DocTestUtil.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace doctest;

namespace {

struct CRun {
    int status;
    std::string out;
    std::string err;
};

CRun Brindle(const std::vector<std::string>& args) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    CCliStreams io{in, out, err};
    const int status = RunBrindle(args, io);
    return {status, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(CliDump, ListsWidthsRecordsAndLinesAfterNormalisation) {
    const CRun run = Brindle({"dump", DataPath("sample.brd")});
    EXPECT_EQ(run.status, EXIT_OK);
    EXPECT_EQ(run.out, ReadBytes(DataPath("sample.dump.txt")));
    EXPECT_EQ(run.err, "");
}

TEST(CliDump, OldFormatNoticeIsNotAFailure) {
    const CRun run = Brindle({"dump", DataPath("oldrecords.brd")});
    EXPECT_EQ(run.status, EXIT_OK);
    EXPECT_EQ(Lines(run.err),
              std::vector<std::string>{"brindle: 旧<Brindle>形式として認識しました。 "
                                       "保存する時，自動的に新<Brindle>形式に変換されます。"});
    EXPECT_NE(run.out.find("col 4 row 4 colspan 3 rowspan 1 hplace 1 vplace 1 text \"漢字\""),
              std::string::npos);
}

TEST(CliDump, TextFormatAnswersTheQuestion) {
    CScratchDir dir;
    const std::string txt = dir.Write("list.txt", "a,b\tc\n");
    const CRun csv = Brindle({"dump", txt});
    EXPECT_NE(csv.out.find("col 2 row 1 colspan 1 rowspan 1 hplace 1 vplace 1 text \"b\\tc\""),
              std::string::npos);
    const CRun tab = Brindle({"dump", "--text-format", "tab", txt});
    EXPECT_NE(tab.out.find("col 2 row 1 colspan 1 rowspan 1 hplace 1 vplace 1 text \"c\""),
              std::string::npos);
    const CRun tab2 = Brindle({"dump", txt, "--text-format=tab"});
    EXPECT_EQ(tab2.out, tab.out);
    // A CSV name is imported as CSV whatever --text-format says.
    const CRun named = Brindle({"dump", "--text-format", "tab", dir.Write("l.Csv", "a,b\tc\n")});
    EXPECT_EQ(named.out, csv.out);
}

TEST(CliDump, TextsThatAreNotCp932AreEscaped) {
    CScratchDir dir;
    // 0x01 and 0x7F are control characters, 0xB1 is a half-width katakana, 0x85 0x40 and a
    // lone 0xFD are no characters of code page 932.
    const std::string path = dir.Write("odd.csv", "\x01\xB1\x85\x40\x7F,x\xFD");
    const CRun run = Brindle({"dump", path});
    EXPECT_EQ(run.status, EXIT_OK);
    EXPECT_NE(run.out.find("text \"\\x01ｱ\\x85\\x40\\x7F\"\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("text \"x\\xFD\"\n"), std::string::npos) << run.out;
}

TEST(CliConvert, WritesTheNativeFormatAfterNormalisation) {
    CScratchDir dir;
    const std::string out = dir.Path("out.brd");
    const CRun run = Brindle({"convert", DataPath("sample.brd"), out});
    EXPECT_EQ(run.status, EXIT_OK);
    EXPECT_EQ(run.err, "");
    // The hidden record and the line inside the span are gone; the rest is unchanged.
    const std::string again = dir.Path("again.brd");
    EXPECT_EQ(Brindle({"convert", out, again}).status, EXIT_OK);
    EXPECT_EQ(ReadBytes(again), ReadBytes(out));
    EXPECT_EQ(Brindle({"dump", out}).out, ReadBytes(DataPath("sample.dump.txt")));
    EXPECT_EQ(ReadBytes(out).size(), ReadBytes(DataPath("sample.brd")).size() - 14 - 3);

    // Text and old formats come out in the current format.
    const std::string csv = dir.Write("t.csv", "a,b\n");
    EXPECT_EQ(Brindle({"convert", csv, dir.Path("t.brd")}).status, EXIT_OK);
    EXPECT_EQ(ReadBytes(dir.Path("t.brd")).size(), 550u + 2 * 9);
    const CRun old = Brindle({"convert", DataPath("oldrecords.brd"), dir.Path("o.brd")});
    EXPECT_EQ(old.status, EXIT_OK);
    EXPECT_EQ(Lines(old.err).size(), 1u);
}

// Every unreadable input: status 2, a line naming the file and the reason, nothing written.
TEST(CliConvert, UnreadableInputs) {
    CScratchDir dir;
    const std::string sample = ReadBytes(DataPath("sample.brd"));
    const std::string old = ReadBytes(DataPath("oldrecords.brd"));
    struct Case {
        const char* name;
        std::string input;
        std::string reason;
        std::vector<std::string> before; // editor messages before the verdict
    };
    const Case cases[] = {
        {"missing file", dir.Path("missing.brd"), "No such file or directory", {}},
        {"directory", dir.Path(""), "Is a directory", {}},
        {"missing csv",
         dir.Path("missing.csv"),
         "cannot open it: No such file or directory",
         {"brindle: " + dir.Path("missing.csv") + " 指定のファイルを開けません！"}},
        {"empty file", dir.Write("empty.brd", ""), "the file ends early", {}},
        {"truncated native file",
         dir.Write("cut.brd", sample.substr(0, 600)),
         "the file ends early",
         {}},
        {"truncated old-format file",
         dir.Write("oldcut.brd", old.substr(0, 50)),
         "the old-format file ends inside a record",
         {"brindle: 旧<Brindle>形式として認識しました。 "
          "保存する時，自動的に新<Brindle>形式に変換されます。",
          "brindle: 読み込みに失敗しました! ファイルが壊れている可能性があります！"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string out = dir.Path("out.brd");
        const CRun run = Brindle({"convert", c.input, out});
        EXPECT_EQ(run.status, EXIT_IO);
        std::vector<std::string> expected = c.before;
        expected.push_back("brindle: cannot read " + c.input + ": " + c.reason);
        EXPECT_EQ(Lines(run.err), expected);
        EXPECT_FALSE(std::filesystem::exists(out));
        EXPECT_EQ(Brindle({"dump", c.input}).status, EXIT_IO);
    }
}

TEST(CliConvert, UnwritableOutput) {
    CScratchDir dir;
    const std::string target = dir.Path("no/folder/x.brd");
    const CRun run = Brindle({"convert", DataPath("sample.brd"), target});
    EXPECT_EQ(run.status, EXIT_IO);
    EXPECT_EQ(run.err, "brindle: cannot write " + target + ": No such file or directory\n");

    const CRun csv = Brindle({"convert", DataPath("sample.brd"), dir.Path("x.csv")});
    EXPECT_EQ(csv.status, EXIT_IO);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("x.csv")));
}

TEST(CliUsage, Errors) {
    const std::vector<std::string> cases[] = {
        {"dump"},
        {"dump", "a", "b"},
        {"dump", "--text-format"},
        {"dump", "--text-format", "xls", "a.brd"},
        {"dump", "--bogus", "a.brd"},
        {"convert", "a.brd"},
        {"convert", "a", "b", "c"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args.size() > 1 ? args[1] : args[0]);
        const CRun run = Brindle(args);
        EXPECT_EQ(run.status, EXIT_USAGE);
        EXPECT_NE(run.err.find(UsageText()), std::string::npos);
        EXPECT_EQ(run.out, "");
    }
    const CRun help = Brindle({"dump", "--help"});
    EXPECT_EQ(help.status, EXIT_OK);
    EXPECT_EQ(help.out, UsageText());
}
