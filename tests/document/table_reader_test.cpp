// The table reader on its own: what each kind of file gives, with no dialog anywhere.
#include "DocTestUtil.h"
#include "TableReader.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace doctest;

namespace {

struct CTable {
    CCellArray cells;
    CLineArray hLines;
    CLineArray vLines;
    CCellSize sizes;
    CTableModel Model() { return {cells, hLines, vLines, sizes}; }
};

using Reader = CTableReadResult (*)(const std::string&, std::optional<TextFormat>, CTableModel);

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
        const CTableReadResult r = c.read(path, c.format, table->Model());
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
