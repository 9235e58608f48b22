// The table reader on its own: what each kind of file gives, with no dialog anywhere.
#include "DocTestUtil.h"
#include "TableReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <thread>

using namespace doctest;

namespace {

struct CTable {
    CCellArray cells;
    CLineArray hLines;
    CLineArray vLines;
    CCellSize sizes;
    CTableModel Model() { return {cells, hLines, vLines, sizes}; }
};

using Reader = CTableReadResult (*)(const std::string&, std::optional<TextFormat>, CTableModel,
                                    std::optional<TextEncoding>);

struct ReadCase {
    const char* name;
    const char* file;  // written into the scratch folder; empty: missing
    std::string bytes; // the file's content
    Reader read;
    std::optional<TextFormat> format;
    TableSource source;
    std::vector<std::string> messages; // "%s" stands for the file's path
    bool failed, fallback, imported, needsTextFormat;
    int cells; // records read
};

} // namespace

TEST(TableReader, WhatEachFileGives) {
    const std::string sample = ReadBytes(DataPath("sample.brd"));
    const std::string old = ReadBytes(DataPath("oldrecords.brd"));
    const ReadCase cases[] = {
        {"native file",
         "s.brd",
         sample,
         ReadTableFile,
         std::nullopt,
         TableSource::Native,
         {},
         false,
         false,
         false,
         false,
         4},
        {"old record format",
         "o.brd",
         old,
         ReadTableFile,
         std::nullopt,
         TableSource::OldRecords,
         {kOldFormat},
         false,
         true,
         false,
         false,
         2},
        {"old record format cut short",
         "o.brd",
         old.substr(0, 50),
         ReadTableFile,
         std::nullopt,
         TableSource::OldRecords,
         {kOldFormat, kOldFormatBroken},
         true,
         true,
         false,
         false,
         1},
        {"text without a format",
         "t.txt",
         "a,b\tc\n",
         ReadTableFile,
         std::nullopt,
         TableSource::Text,
         {},
         false,
         true,
         false,
         true,
         0},
        {"text as tab-separated",
         "t.txt",
         "a,b\tc\n",
         ReadTableFile,
         TextFormat::Tab,
         TableSource::Text,
         {},
         false,
         true,
         true,
         false,
         2},
        {"CSV name imported at once",
         "t.Csv",
         "a,b\tc\n",
         ReadTableFile,
         TextFormat::Tab,
         TableSource::Text,
         {},
         false,
         false,
         true,
         false,
         2},
        {"CSV name through the native reader",
         "t.csv",
         "a,b\n",
         ReadNativeFile,
         std::nullopt,
         TableSource::Text,
         {},
         false,
         true,
         true,
         false,
         2},
        {"missing CSV file",
         "",
         "",
         ReadTableFile,
         std::nullopt,
         TableSource::Text,
         {"%s" + kCannotOpen},
         true,
         false,
         false,
         false,
         0},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        CScratchDir dir;
        const std::string path = *c.file ? dir.Write(c.file, c.bytes) : dir.Path("gone.csv");
        auto table = std::make_unique<CTable>();
        const CTableReadResult r = c.read(path, c.format, table->Model(), std::nullopt);
        EXPECT_EQ(r.source, c.source);
        std::vector<std::string> messages;
        for (std::string m : c.messages) {
            if (const std::size_t at = m.find("%s"); at != std::string::npos)
                m.replace(at, 2, path);
            messages.push_back(m);
        }
        EXPECT_EQ(r.messages, messages);
        EXPECT_EQ(r.failed, c.failed);
        EXPECT_EQ(r.fallback, c.fallback);
        EXPECT_EQ(r.imported, c.imported);
        EXPECT_EQ(r.needsTextFormat, c.needsTextFormat);
        EXPECT_EQ(table->cells.Count(), c.cells);
    }
}

TEST(TableReader, FilesThatCannotBeReadRaiseOneErrorWithTheReport) {
    CScratchDir dir;
    const std::string sample = ReadBytes(DataPath("sample.brd"));
    const std::string cut = dir.Write("cut.brd", sample.substr(0, 600));
    const std::string missing = dir.Path("missing.brd");
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"missing", missing,
         "Cannot open the file \"" + missing + "\": No such file or directory."},
        {"folder", dir.Path(""), "Cannot open the file \"" + dir.Path("") + "\": Is a directory."},
        {"ends early", cut, "Cannot read the file \"" + cut + "\": the file ends early."},
    };
    for (const auto& [name, path, report] : cases) {
        SCOPED_TRACE(name);
        auto table = std::make_unique<CTable>();
        try {
            ReadTableFile(path, TextFormat::Csv, table->Model());
            ADD_FAILURE() << "no error";
        } catch (const CTableReadError& e) {
            EXPECT_EQ(std::string(e.what()), report);
        }
    }
    // What was read before the end stays.
    auto table = std::make_unique<CTable>();
    EXPECT_THROW(ReadNativeFile(cut, std::nullopt, table->Model()), CTableReadError);
    EXPECT_EQ(table->sizes.GetWidth(1), 120);
}

// A UTF-8 text with a character code page 932 cannot hold stores nothing; the message names
// the character, its line and its field, after the path.
TEST(TableReader, UnconvertibleTextIsRefusedWhole) {
    CScratchDir dir;
    const struct {
        const char* file;
        std::optional<TextFormat> format;
        const char* message;
    } cases[] = {
        {"t.csv", std::nullopt, "\n2行目の3番目の項目に、コードページ932で表せない文字「€」"},
        {"t.txt", TextFormat::Tab, "\n2行目の2番目の項目に、コードページ932で表せない文字「€」"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = dir.Write(c.file, "表,x\r\na,b,c\t€\r\n");
        auto table = std::make_unique<CTable>();
        const CTableReadResult r = ReadTableFile(path, c.format, table->Model());
        EXPECT_TRUE(r.refused);
        EXPECT_TRUE(r.failed);
        EXPECT_FALSE(r.imported);
        EXPECT_EQ(r.encoding, TextEncoding::Utf8);
        EXPECT_EQ(table->cells.Count(), 0);
        ASSERT_EQ(r.messages.size(), 1u);
        EXPECT_EQ(r.messages[0].substr(0, path.size()), path);
        EXPECT_NE(r.messages[0].find(c.message), std::string::npos) << r.messages[0];
    }
    // The same bytes as code page 932, when asked for: taken as they are.
    auto table = std::make_unique<CTable>();
    const std::string path = dir.Write("forced.csv", "a,\x80\r\n");
    const CTableReadResult r =
        ReadTableFile(path, std::nullopt, table->Model(), TextEncoding::Cp932);
    EXPECT_FALSE(r.refused);
    EXPECT_EQ(table->cells.Count(), 2);
}

// A FIFO is opened once: the text fallback works on the bytes the native reader read.
TEST(TableReader, FifoIsReadOnce) {
    CScratchDir dir;
    const std::string path = dir.Path("pipe.txt");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    std::thread writer([&] { std::ofstream(path, std::ios::binary) << "a,b\n表,c\n"; });
    auto table = std::make_unique<CTable>();
    const CTableReadResult r = ReadTableFile(path, TextFormat::Csv, table->Model());
    writer.join();
    EXPECT_FALSE(r.failed);
    EXPECT_TRUE(r.imported);
    EXPECT_EQ(table->cells.Count(), 4);
    ASSERT_NE(table->cells.GetCell(1, 2), nullptr);
    EXPECT_EQ(table->cells.GetCell(1, 2)->text, Cp932("表"));
}
