#include "DocTestUtil.h"
#include "NativeFormat.h"

#include <gtest/gtest.h>

using namespace doctest;

namespace {

std::string OldRecordsFile() {
    return ReadBytes(DataPath("oldrecords.brd"));
}

class DocRead : public ::testing::Test, public CDocFixture {
protected:
    CScratchDir dir;
};

} // namespace

TEST_F(DocRead, OldRecordFormat) {
    doc.m_sizes.SetWidth(3, 140);
    const std::string path = dir.Write("old.brd", OldRecordsFile());
    const CReadResult read = doc.OpenFile(path);
    EXPECT_EQ(read.outcome, CReadResult::Ok);
    ASSERT_EQ(messageBox.Texts(), std::vector<std::string>{kOldFormat});
    EXPECT_EQ(messageBox.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(messageBox.shown[0].buttons, MsgButtons::Ok);

    EXPECT_EQ(doc.m_cells.Count(), 2);
    const CCellData* a = doc.m_cells.GetCell(2, 3);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text, "abc");
    EXPECT_EQ(a->colspan, 2);
    EXPECT_EQ(a->hplace, 0);
    EXPECT_EQ(a->rowspan, 1);
    EXPECT_EQ(a->vplace, 1);
    // The record object is reused: hplace 9 is refused and the dropped (0, 5) record's 1 stays;
    // the span's low 8 bits are taken.
    const CCellData* b = doc.m_cells.GetCell(4, 4);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->text, Cp932("漢字"));
    EXPECT_EQ(b->colspan, 3);
    EXPECT_EQ(b->hplace, 1);
    // (0, 5) does not end the section: it is read in full and dropped.
    EXPECT_EQ(doc.m_hLines.Count(), 1);
    EXPECT_EQ(doc.m_hLines.GetLine(1, 2), LINE_SINGLE);
    EXPECT_EQ(doc.m_vLines.Count(), 1);
    EXPECT_EQ(doc.m_vLines.GetLine(3, 4), LINE_DOUBLE);
    // No widths in this format; the document is to be saved in the current one.
    EXPECT_EQ(doc.m_sizes.GetWidth(3), 140);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.m_bMarkModified);
    EXPECT_TRUE(doc.m_bContentsReplaced);
    EXPECT_FALSE(doc.m_bImported);
    EXPECT_EQ(fileType.asked, 0);
}

// Cut points in the old-record file: the message pair, and the records completed before
// the cut stay while the partial one is dropped.
TEST_F(DocRead, TruncatedOldRecordFormat) {
    const std::string full = OldRecordsFile();
    struct Case {
        const char* name;
        std::size_t size;
        int cells;
        int hLines;
    };
    const Case cases[] = {
        {"right after the marker", 34, 0, 0},
        {"inside the first text", 34 + 12 + 1, 0, 0},
        {"after the first record", 34 + 15, 1, 0},
        {"inside the last text", 34 + 15 + 16 + 12 + 2, 1, 0},
        {"at the first line kind", 34 + 15 + 16 + 16 + 4 + 4, 2, 0},
        {"before the vertical terminator", full.size() - 4, 2, 1},
        {"inside the vertical terminator", full.size() - 1, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messageBox.shown.clear();
        const std::string path = dir.Write("cut.brd", full.substr(0, c.size));
        const CReadResult read = doc.OpenFile(path);
        EXPECT_EQ(read.outcome, CReadResult::ReaderFailed);
        EXPECT_EQ(messageBox.Texts(), (std::vector<std::string>{kOldFormat, kOldFormatBroken}));
        EXPECT_EQ(doc.m_cells.Count(), c.cells);
        EXPECT_EQ(doc.m_hLines.Count(), c.hLines);
        EXPECT_TRUE(doc.IsModified());
        // Open goes on: the view takes what was read.
        EXPECT_TRUE(doc.m_bContentsReplaced);
    }
}

TEST_F(DocRead, CurrentFormatEndingEarlyIsAFileError) {
    const std::string full = ReadBytes(DataPath("sample.brd"));
    const std::pair<const char*, std::string> cases[] = {
        {"empty file", ""},
        {"single 0x1A", "\x1A"},
        {"0x1A 0x1A and part of the signature", full.substr(0, 20)},
        {"inside the widths", full.substr(0, 300)},
        {"inside the first cell record", full.substr(0, 556)},
        {"before the vertical section", full.substr(0, full.size() - 11)},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        messageBox.shown.clear();
        doc.m_bContentsReplaced = false;
        const std::string path = dir.Write("short.brd", bytes);
        fileDialog.AnswerPath(path);
        doc.OnFileOpen();
        ASSERT_EQ(messageBox.shown.size(), 1u);
        EXPECT_EQ(messageBox.shown[0].text,
                  "Cannot read the file \"" + path + "\": the file ends early.");
        EXPECT_EQ(messageBox.shown[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(doc.LastRead().outcome, CReadResult::FileError);
        EXPECT_FALSE(doc.m_bContentsReplaced);
    }
}

TEST_F(DocRead, FileThatCannotBeOpened) {
    const std::string missing = dir.Path("missing.brd");
    const CReadResult read = doc.OpenFile(missing);
    EXPECT_EQ(read.outcome, CReadResult::FileError);
    EXPECT_EQ(read.message, "Cannot open the file \"" + missing + "\": No such file or directory.");
    EXPECT_TRUE(messageBox.shown.empty()); // OpenFile leaves the report to its caller

    const CReadResult folder = doc.OpenFile(dir.Path(""));
    EXPECT_EQ(folder.outcome, CReadResult::FileError);
    EXPECT_EQ(folder.reason, "Is a directory");
}

TEST_F(DocRead, FallbackAsksAndImportsText) {
    const std::string path = dir.Write("list.txt", "p\t\tq\r\n\"a,b\"\n");
    fileType.answers = {false};
    EXPECT_EQ(doc.OpenFile(path).outcome, CReadResult::Ok);
    EXPECT_EQ(fileType.asked, 1);
    EXPECT_TRUE(messageBox.shown.empty());
    ASSERT_NE(doc.m_cells.GetCell(3, 1), nullptr);
    EXPECT_EQ(doc.m_cells.GetCell(3, 1)->text, "q");
    EXPECT_EQ(doc.m_cells.GetCell(1, 2)->text, "\"a,b\"");
    EXPECT_TRUE(doc.m_bImported);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.m_bMarkModified);
    EXPECT_EQ(doc.GetPathName(), path);

    fileType.answers = {true};
    doc.OpenFile(path);
    EXPECT_EQ(fileType.asked, 2);
    EXPECT_EQ(doc.m_cells.GetCell(1, 2)->text, "a,b");
}

// A file whose 0x1A 0x1A is followed by an unknown signature, and a one-byte file, are
// texts for the fallback, not errors.
TEST_F(DocRead, ForeignFramingGoesToTheTextImport) {
    const std::tuple<const char*, std::string, int> cases[] = {
        {"one byte", "x", 1},
        // Text mode ends at the first 0x1A: nothing is imported.
        {"unknown signature", "\x1A\x1A" + std::string(42, 'x') + ",y", 0},
    };
    for (const auto& [name, bytes, count] : cases) {
        SCOPED_TRACE(name);
        const int asked = fileType.asked;
        EXPECT_EQ(doc.OpenFile(dir.Write("f.dat", bytes)).outcome, CReadResult::Ok);
        EXPECT_EQ(fileType.asked, asked + 1);
        EXPECT_TRUE(doc.m_bImported);
        EXPECT_EQ(doc.m_cells.Count(), count);
    }
}

// Through the framework's open (command line), a file named .csv is read by the native
// reader, which hands it to the CSV import without asking.
TEST_F(DocRead, FrameworkOpen) {
    const std::string csv = dir.Write("data.csv", "1,2\n");
    EXPECT_TRUE(doc.OnOpenDocument(csv));
    EXPECT_EQ(fileType.asked, 0);
    EXPECT_EQ(doc.m_cells.Count(), 2);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.m_bMarkModified); // the view marks it modified at its next paint
    EXPECT_TRUE(doc.m_bImported);
    EXPECT_EQ(doc.GetPathName(), csv);

    // An empty file is not read at all.
    const std::string empty = dir.Write("empty.brd", "");
    EXPECT_TRUE(doc.OnOpenDocument(empty));
    EXPECT_TRUE(doc.m_cells.IsEmpty());
    EXPECT_TRUE(messageBox.shown.empty());

    // An error empties the document again and is reported; the path name stays.
    std::string sample = ReadBytes(DataPath("sample.brd"));
    const std::string cut = dir.Write("cut.brd", sample.substr(0, sample.size() - 3));
    EXPECT_FALSE(doc.OnOpenDocument(cut));
    EXPECT_TRUE(doc.m_cells.IsEmpty());
    EXPECT_EQ(doc.GetPathName(), empty);
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].text,
              "Cannot read the file \"" + cut + "\": the file ends early.");
}

TEST_F(DocRead, ImportOfAFileThatCannotBeOpened) {
    const std::string missing = dir.Path("gone.csv");
    doc.SetPathName(missing);
    doc.ImportCsv(true);
    EXPECT_EQ(messageBox.Texts(), std::vector<std::string>{missing + kCannotOpen});
    EXPECT_EQ(messageBox.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(doc.m_cells.IsEmpty());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.m_bImported);
}

TEST_F(DocRead, SplashHookRunsOnNativeReadsAndWrites) {
    int calls = 0;
    doc.onFileAccess = [&] { ++calls; };
    doc.OpenFile(DataPath("sample.brd"));
    EXPECT_EQ(calls, 1);
    doc.OpenFile(dir.Write("t.csv", "a\n")); // the CSV import is not the native reader
    EXPECT_EQ(calls, 1);
    doc.SerializeToBytes();
    EXPECT_EQ(calls, 2);
}
