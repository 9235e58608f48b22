#include "DocTestUtil.h"

#include "FileSizeLimit.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace doctest;

namespace {

class DocFlow : public ::testing::Test, public CDocFixture {
protected:
    void SetUp() override {
        doc.onUpdateAllViews = [this] { ++updates; };
    }
    // A modified document with one cell.
    void Edit(const std::string& text = "edited") {
        CCellData d;
        d.text = text;
        doc.m_cells.SetCell(1, 1, d);
        doc.SetModifiedFlag(true);
    }
    std::string CellText(int c, int r) const {
        const CCellData* rec = doc.m_cells.GetCell(c, r);
        return rec ? rec->text : "<none>";
    }

    CScratchDir dir;
    int updates = 0;
};

} // namespace

TEST_F(DocFlow, NewCancelledChangesNothing) {
    doc.SetPathName(dir.Path("keep.brd"));
    Edit();
    doc.m_sizes.SetWidth(2, 180);
    messageBox.answers = {MsgAnswer::Cancel};
    doc.OnFileNew();
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].text, kAskSave);
    EXPECT_EQ(messageBox.shown[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(CellText(1, 1), "edited");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), dir.Path("keep.brd"));
    EXPECT_EQ(doc.m_sizes.GetWidth(2), 180);
    EXPECT_FALSE(doc.m_bContentsReplaced);
    EXPECT_EQ(updates, 0);
    EXPECT_TRUE(fileDialog.requests.empty());
}

TEST_F(DocFlow, NewYesOnANeverSavedDocumentAsksForANameAndStopsWhenCancelled) {
    doc.OnNewDocument();
    Edit();
    messageBox.answers = {MsgAnswer::Yes};
    fileDialog.AnswerCancel();
    doc.OnFileNew();
    ASSERT_EQ(fileDialog.requests.size(), 1u);
    EXPECT_EQ(fileDialog.requests[0].kind, CFileDialogRequest::Save);
    EXPECT_TRUE(doc.m_bSaveCancelled);
    EXPECT_EQ(CellText(1, 1), "edited");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(updates, 0);
}

TEST_F(DocFlow, NewAnsweredNoStartsAnEmptyUntitledTable) {
    doc.m_sizes.SetHeight(55);
    doc.m_sizes.SetStdWidth(90);
    doc.m_sizes.SetWidth(7, 300);
    doc.m_hLines.SetLine(1, 1, 1);
    Edit();
    messageBox.answers = {MsgAnswer::No};
    doc.OnFileNew();
    EXPECT_TRUE(doc.m_cells.IsEmpty());
    EXPECT_TRUE(doc.m_hLines.IsEmpty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_EQ(doc.m_sizes.GetWidth(7), 90);
    EXPECT_EQ(doc.m_sizes.GetWidth(1), 90);
    EXPECT_EQ(doc.m_sizes.GetHeight(), 55);
    EXPECT_TRUE(doc.m_bContentsReplaced);
    EXPECT_EQ(updates, 1);

    // Unmodified: no question at all.
    messageBox.shown.clear();
    doc.OnFileNew();
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST_F(DocFlow, NewYesSavesToTheCurrentFileFirst) {
    const std::string path = dir.Path("t.brd");
    doc.SetPathName(path);
    Edit("saved");
    messageBox.answers = {MsgAnswer::Yes};
    doc.OnFileNew();
    EXPECT_TRUE(fileDialog.requests.empty());
    EXPECT_TRUE(doc.m_cells.IsEmpty());
    CDocFixture other;
    ASSERT_EQ(other.doc.OpenFile(path).outcome, CReadResult::Ok);
    EXPECT_EQ(other.doc.m_cells.GetCell(1, 1)->text, "saved");
}

TEST_F(DocFlow, SaveOfAnImportedFileGoesToSaveAs) {
    const std::string csv = dir.Write("a.csv", "x,y\n");
    fileDialog.AnswerPath(csv);
    doc.OnFileOpen();
    ASSERT_TRUE(doc.m_bImported);
    const std::string target = dir.Path("a.brd");
    fileDialog.AnswerPath(target);
    doc.OnFileSave();
    ASSERT_EQ(fileDialog.requests.size(), 2u);
    const CFileDialogRequest& saveAs = fileDialog.requests[1];
    EXPECT_EQ(saveAs.kind, CFileDialogRequest::Save);
    EXPECT_EQ(saveAs.filters, (std::vector<CFileFilter>{{"<Brindle>形式 (*.brd)", "*.brd"}}));
    EXPECT_EQ(saveAs.defaultExt, "brd");
    EXPECT_TRUE(saveAs.initialName.empty());
    EXPECT_TRUE(saveAs.overwritePrompt);
    EXPECT_TRUE(saveAs.pathMustExist);
    EXPECT_TRUE(saveAs.hideReadOnly);
    EXPECT_EQ(ReadBytes(csv), "x,y\n");
    EXPECT_EQ(doc.GetPathName(), target);
    EXPECT_FALSE(doc.m_bImported);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(ReadBytes(target).substr(0, 2), "\x1A\x1A");

    // Now a native document: Save writes without a dialog.
    Edit("again");
    doc.OnFileSave();
    EXPECT_EQ(fileDialog.requests.size(), 2u);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocFlow, SaveAsRefusesACsvName) {
    Edit();
    const std::string csv = dir.Path("x.CsV");
    fileDialog.AnswerPath(csv);
    doc.OnFileSaveAs();
    EXPECT_EQ(messageBox.Texts(), std::vector<std::string>{kNoCsvSave});
    EXPECT_EQ(messageBox.shown[0].buttons, MsgButtons::Ok);
    EXPECT_TRUE(doc.m_bSaveCancelled);
    EXPECT_FALSE(std::filesystem::exists(csv));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_NE(doc.GetPathName(), csv);

    // Any other name gets the native format, whatever its extension.
    const std::string txt = dir.Path("x.txt");
    fileDialog.AnswerPath(txt);
    doc.OnFileSaveAs();
    EXPECT_FALSE(doc.m_bSaveCancelled);
    EXPECT_EQ(ReadBytes(txt).substr(2, 8), "Only for");
    EXPECT_EQ(doc.GetTitle(), "x.txt");
}

TEST_F(DocFlow, OpenOfACsvFileImportsWithoutAsking) {
    const std::string path = dir.Write("data.CSV", "a,,\"b,c\",d\r\n");
    fileDialog.AnswerPath(path);
    doc.OnFileOpen();
    const CFileDialogRequest& open = fileDialog.requests.at(0);
    EXPECT_EQ(open.kind, CFileDialogRequest::Open);
    EXPECT_EQ(open.filters, (std::vector<CFileFilter>{{"<Brindle>形式 (*.brd)", "*.brd"},
                                                      {"ｺﾝﾏ区切り<CSV>形式 (*.csv)", "*.csv"},
                                                      {"ﾃｷｽﾄﾌｧｲﾙ (*.txt)", "*.txt"},
                                                      {"All Files (*.*)", "*.*"}}));
    EXPECT_EQ(open.defaultExt, "brd");
    EXPECT_TRUE(open.fileMustExist);
    EXPECT_TRUE(open.pathMustExist);
    EXPECT_EQ(fileType.asked, 0);
    EXPECT_TRUE(messageBox.shown.empty());
    EXPECT_EQ(CellText(3, 1), "b,c");
    EXPECT_EQ(CellText(4, 1), "d");
    EXPECT_TRUE(doc.m_bImported);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.m_bMarkModified);
    EXPECT_TRUE(doc.m_bContentsReplaced);
    EXPECT_EQ(updates, 1);
    EXPECT_EQ(doc.GetPathName(), path);
}

TEST_F(DocFlow, OpenOfATextFileAsksCsvOrTab) {
    const std::string path = dir.Write("list.txt", "a,b\tc\n");
    fileDialog.AnswerPath(path);
    fileType.answers = {false};
    doc.OnFileOpen();
    EXPECT_EQ(fileType.asked, 1);
    EXPECT_EQ(CellText(1, 1), "a,b");
    EXPECT_EQ(CellText(2, 1), "c");
    EXPECT_TRUE(doc.m_bImported);
}

// A UTF-8 text file with a character code page 932 cannot hold: the message names it, and the
// table, its name and its state stay as they were, whichever road the file takes.
TEST_F(DocFlow, OpenOfAnUnconvertibleTextKeepsTheTable) {
    const struct {
        const char* name;
        bool commandLine;
    } cases[] = {{"u.csv", false}, {"u.txt", false}, {"u.txt", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.commandLine ? " from the command line" : ""));
        doc.OnNewDocument();
        doc.SetPathName(dir.Path("keep.brd"));
        Edit("kept");
        doc.m_sizes.SetWidth(3, 170);
        doc.m_hLines.SetLine(1, 1, LINE_DOUBLE);
        doc.m_bContentsReplaced = false;
        updates = 0;
        messageBox.shown.clear();
        messageBox.answers = {MsgAnswer::No};
        fileType.answers = {true};
        const std::string path = dir.Write(c.name, "日本語,€\r\n");
        if (c.commandLine) {
            EXPECT_FALSE(doc.OnOpenDocument(path));
        } else {
            fileDialog.AnswerPath(path);
            doc.OnFileOpen();
            EXPECT_EQ(doc.LastRead().outcome, CReadResult::Refused);
        }
        ASSERT_FALSE(messageBox.shown.empty());
        EXPECT_EQ(
            messageBox.shown.back().text,
            path + "\n1行目の2番目の項目に、コードページ932で表せない文字「€」が含まれています！");
        EXPECT_EQ(messageBox.shown.back().icon, MsgIcon::Exclamation);
        EXPECT_EQ(CellText(1, 1), "kept");
        EXPECT_EQ(doc.m_cells.Count(), 1);
        EXPECT_EQ(doc.m_sizes.GetWidth(3), 170);
        EXPECT_EQ(doc.m_hLines.GetLine(1, 1), LINE_DOUBLE);
        EXPECT_EQ(doc.GetPathName(), dir.Path("keep.brd"));
        EXPECT_TRUE(doc.IsModified());
        EXPECT_FALSE(doc.m_bImported);
        EXPECT_FALSE(doc.m_bMarkModified);
        EXPECT_FALSE(doc.m_bContentsReplaced);
        EXPECT_EQ(updates, 0);
    }
}

// The same file in UTF-8 and in code page 932 opens as the same table.
TEST_F(DocFlow, OpenOfAUtf8CsvGivesTheSameTableAsItsCodePage932Twin) {
    for (const char* name : {"japanese-utf8.csv", "japanese-cp932.csv"}) {
        SCOPED_TRACE(name);
        doc.OnNewDocument();
        const std::string path = dir.Write(name, ReadBytes(DataPath(name)));
        fileDialog.AnswerPath(path);
        doc.OnFileOpen();
        EXPECT_TRUE(messageBox.shown.empty());
        EXPECT_EQ(CellText(1, 1), Cp932("名前"));
        EXPECT_EQ(CellText(2, 2), Cp932("He said \"表\""));
        EXPECT_EQ(doc.m_cells.Count(), 8);
    }
}

TEST_F(DocFlow, OpenAsksToSaveWithYesAndNo) {
    Edit();
    messageBox.answers = {MsgAnswer::No};
    fileDialog.AnswerCancel();
    doc.OnFileOpen();
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].text, kAskSave);
    EXPECT_EQ(messageBox.shown[0].buttons, MsgButtons::YesNo);
    // A cancelled open dialog leaves the document as it was.
    EXPECT_EQ(CellText(1, 1), "edited");
    EXPECT_TRUE(doc.IsModified());

    // Yes on a never-saved document: Save As; cancelling it stops the open.
    messageBox.answers = {MsgAnswer::Yes};
    fileDialog.AnswerCancel();
    fileDialog.AnswerPath(DataPath("sample.brd"));
    doc.OnFileOpen();
    EXPECT_EQ(fileDialog.requests.back().kind, CFileDialogRequest::Save);
    EXPECT_EQ(CellText(1, 1), "edited");
}

// Saving replaces the file only when the whole new content has been written.
TEST_F(DocFlow, FailedSaveKeepsTheOldFileAndTheDocument) {
    const std::string path = dir.Write("kept.brd", "old content");
    doc.SetPathName(path);
    Edit();
    {
        // A file size limit makes the write fail part way, also for root.
        CFileSizeLimit limit(16);
        ASSERT_TRUE(limit.Active());
        messageBox.answers = {MsgAnswer::Yes, MsgAnswer::Ok};
        doc.OnFileNew(); // Yes: save, which fails
    }
    ASSERT_EQ(messageBox.shown.size(), 2u);
    EXPECT_EQ(messageBox.shown[1].text.rfind("Cannot save the file \"" + path + "\": ", 0), 0u);
    EXPECT_EQ(ReadBytes(path), "old content");
    EXPECT_EQ(CellText(1, 1), "edited"); // New stopped
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.m_bSaveCancelled);
}

TEST_F(DocFlow, SaveIntoAMissingFolderFailsWithoutLosingAnything) {
    const std::string path = dir.Path("no/such/folder/t.brd");
    doc.SetPathName(path);
    Edit();
    messageBox.answers = {MsgAnswer::Yes, MsgAnswer::Ok};
    doc.OnFileNew(); // Yes: save, which fails, so New stops
    ASSERT_EQ(messageBox.shown.size(), 2u);
    EXPECT_EQ(messageBox.shown[1].text,
              "Cannot save the file \"" + path + "\": No such file or directory.");
    EXPECT_EQ(messageBox.shown[1].icon, MsgIcon::Exclamation);
    EXPECT_EQ(CellText(1, 1), "edited");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.m_bSaveCancelled);
    EXPECT_EQ(updates, 0);
}

TEST_F(DocFlow, SaveWritesExactlyTheFormatsBytes) {
    const std::string path = dir.Write("s.brd", std::string(5000, 'x'));
    fileDialog.AnswerPath(DataPath("sample.brd"));
    doc.OnFileOpen();
    doc.SetPathName(path);
    doc.OnFileSave();
    EXPECT_EQ(ReadBytes(path), ReadBytes(DataPath("sample.brd")));
}

TEST_F(DocFlow, FrameworkSaveEntryOfAnImportedDocumentGoesToSaveAs) {
    doc.OpenFile(dir.Write("i.csv", "1\n"));
    fileDialog.AnswerCancel();
    EXPECT_FALSE(doc.OnSaveDocument(doc.GetPathName()));
    EXPECT_EQ(fileDialog.requests.size(), 1u);
    EXPECT_EQ(ReadBytes(dir.Path("i.csv")), "1\n");

    const std::string target = dir.Path("i.brd");
    fileDialog.AnswerPath(target);
    EXPECT_TRUE(doc.OnSaveDocument(doc.GetPathName()));
    EXPECT_EQ(doc.GetPathName(), target);
    EXPECT_TRUE(std::filesystem::exists(target));
}

TEST_F(DocFlow, SavePromptOnClose) {
    EXPECT_TRUE(doc.SaveModified()); // nothing to save, nothing asked
    EXPECT_TRUE(messageBox.shown.empty());

    doc.OnNewDocument();
    Edit();
    messageBox.answers = {MsgAnswer::Cancel};
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_EQ(messageBox.shown.back().text, "Save changes to Untitled?");
    EXPECT_EQ(messageBox.shown.back().buttons, MsgButtons::YesNoCancel);

    messageBox.answers = {MsgAnswer::No};
    EXPECT_TRUE(doc.SaveModified());

    // Yes without a file: the save dialog, proposing the title.
    messageBox.answers = {MsgAnswer::Yes};
    const std::string target = dir.Path("closing.brd");
    fileDialog.AnswerPath(target);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(fileDialog.requests.back().initialName, "Untitled");
    EXPECT_EQ(doc.GetPathName(), target);
    EXPECT_FALSE(doc.IsModified());

    // Yes with an existing file: saved in place.
    Edit("second");
    messageBox.answers = {MsgAnswer::Yes};
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(fileDialog.requests.size(), 1u);
    CDocFixture other;
    other.doc.OpenFile(target);
    EXPECT_EQ(other.doc.m_cells.GetCell(1, 1)->text, "second");
}

TEST_F(DocFlow, TitleAndNotifications) {
    int titles = 0;
    doc.onTitleChanged = [&] { ++titles; };
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    doc.SetPathName("/some/folder/table.brd");
    EXPECT_EQ(doc.GetTitle(), "table.brd");
    EXPECT_EQ(titles, 1);
    doc.SetModifiedFlag(true);
    doc.SetModifiedFlag(true);
    EXPECT_EQ(titles, 2);
    // A path ending in "Untitled" counts as never saved: Save goes to Save As.
    doc.SetPathName(dir.Path("Untitled"));
    fileDialog.AnswerCancel();
    doc.OnFileSave();
    EXPECT_EQ(fileDialog.requests.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("Untitled")));
}
