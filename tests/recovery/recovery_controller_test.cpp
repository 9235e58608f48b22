#include "RecoveryController.h"
#include "RecoveryTestUtil.h"

#include <memory>
#include <sys/stat.h>

using namespace rectest;

namespace {

using TimePoint = CRecoveryScheduler::TimePoint;

// A document with its recovery copy in a scratch folder, on a clock the test moves.
class RecoveryControllerTest : public ::testing::Test, public doctest::CDocFixture {
protected:
    void SetUp() override {
        doc.SetPathName(dir.Write("a.brd", TableBytes({})));
        doc.SetModifiedFlag(false);
    }
    void Start(bool copyExists = false) {
        controller =
            std::make_unique<CRecoveryController>(doc, store, copyExists, [this] { return now; });
    }
    // Moves the clock to ms and lets the timer fire; waits for the file work it started.
    void At(int ms) {
        now = TimePoint{} + std::chrono::milliseconds(ms);
        controller->Tick();
        controller->WaitIdle();
    }
    void Type(const std::string& text, int col = 1) {
        CCellData d;
        d.text = text;
        doc.m_cells.SetCell(col, 1, d);
        doc.SetModifiedFlag(true);
    }
    bool HasCopy() const { return std::filesystem::exists(store.OwnCopyPath()); }
    std::optional<CRecoveryCopy> Copy() const {
        std::string reason;
        std::optional<CRecoveryCopy> copy =
            DecodeRecoveryCopy(doctest::ReadBytes(store.OwnCopyPath()), reason);
        EXPECT_TRUE(copy.has_value()) << reason;
        return copy;
    }
    std::string CopiedText(int col) const {
        const std::optional<CRecoveryCopy> copy = Copy();
        if (!copy)
            return "<no copy>";
        doctest::CDocFixture other;
        EXPECT_FALSE(other.doc.OpenUnsaved(copy->nativeBytes, "/x.brd", false).Failed());
        const CCellData* rec = other.doc.m_cells.GetCell(col, 1);
        return rec ? rec->text : "<none>";
    }

    doctest::CScratchDir dir;
    CRecoveryStore store{dir.Path("state/visual-brindle/recovery"), CProcessId::Self()};
    TimePoint now{};
    std::unique_ptr<CRecoveryController> controller;
};

} // namespace

TEST_F(RecoveryControllerTest, ACopyOfTheTableAPauseAfterTheLastChange) {
    Start();
    At(0);
    Type("Wert $x^2$");
    At(100);
    Type("ABC \\alpha & {}", 2);
    At(1000);
    At(3999);
    EXPECT_FALSE(HasCopy());
    const std::int64_t before = std::time(nullptr);
    At(4000);
    ASSERT_TRUE(HasCopy());
    const std::optional<CRecoveryCopy> copy = Copy();
    ASSERT_TRUE(copy.has_value());
    EXPECT_EQ(copy->header.kind, CRecoveryHeader::Native);
    EXPECT_EQ(copy->header.path, dir.Path("a.brd"));
    EXPECT_EQ(copy->header.owner, CProcessId::Self());
    EXPECT_GE(copy->header.savedAt, before);
    EXPECT_LE(copy->header.savedAt, std::time(nullptr));
    // The bytes Save would write.
    EXPECT_EQ(copy->nativeBytes, doc.SerializeToBytes());
    EXPECT_EQ(CopiedText(1), "Wert $x^2$");
    EXPECT_EQ(CopiedText(2), "ABC \\alpha & {}");
    // The document itself is untouched by the copy.
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doctest::ReadBytes(dir.Path("a.brd")), TableBytes({}));
    EXPECT_FALSE(controller->TakeError());
}

TEST_F(RecoveryControllerTest, NoCopyWithoutUnsavedChanges) {
    ASSERT_TRUE(doc.OnOpenDocument(dir.Path("a.brd")));
    Start();
    for (int ms = 0; ms <= 120000; ms += 500)
        At(ms);
    controller->EndSession();
    // Not even the folder was made.
    EXPECT_FALSE(std::filesystem::exists(store.Folder()));
}

TEST_F(RecoveryControllerTest, EditingWithoutPauseGivesOneCopyPer30Seconds) {
    Start();
    std::vector<int> writes;
    std::vector<std::string> held;
    ino_t inode = 0;
    for (int ms = 0; ms <= 65000; ms += 500) {
        if (ms % 1000 == 0)
            Type("t" + std::to_string(ms / 1000));
        At(ms);
        struct stat st {};
        // Every write puts a new file in place.
        if (::stat(store.OwnCopyPath().c_str(), &st) == 0 && st.st_ino != inode) {
            inode = st.st_ino;
            writes.push_back(ms);
            held.push_back(CopiedText(1));
        }
    }
    EXPECT_EQ(writes, (std::vector<int>{30000, 61000}));
    EXPECT_EQ(held, (std::vector<std::string>{"t30", "t61"}));
}

TEST_F(RecoveryControllerTest, AFailedWriteIsReportedAndTriedAgainLater) {
    // A file where the folder should be.
    std::filesystem::create_directories(dir.Path("state/visual-brindle"));
    doctest::WriteBytes(store.Folder(), "in the way");
    Start();
    Type("x");
    At(0);
    At(3000);
    const std::optional<std::string> error = controller->TakeError();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error,
              "Cannot write the recovery copy \"" + store.OwnCopyPath() + "\": Not a directory.");
    EXPECT_FALSE(controller->TakeError()); // once
    std::filesystem::remove(store.Folder());
    At(3500); // the failure is taken in
    At(20000);
    EXPECT_FALSE(HasCopy());
    At(33500);
    EXPECT_TRUE(HasCopy());
    EXPECT_FALSE(controller->TakeError());
}

namespace {

struct FlowCase {
    const char* name;
    std::function<void(doctest::CDocFixture&, doctest::CScratchDir&)> act;
    bool copyStays;
};

class RecoveryFlow : public RecoveryControllerTest,
                     public ::testing::WithParamInterface<FlowCase> {};

const FlowCase kFlows[] = {
    {"save", [](auto& f, auto&) { f.doc.OnFileSave(); }, false},
    {"save as",
     [](auto& f, auto& d) {
         f.fileDialog.AnswerPath(d.Path("b.brd"));
         f.doc.OnFileSaveAs();
     },
     false},
    {"new, changes given up",
     [](auto& f, auto&) {
         f.messageBox.answers = {MsgAnswer::No};
         f.doc.OnFileNew();
     },
     false},
    {"new, changes saved",
     [](auto& f, auto&) {
         f.messageBox.answers = {MsgAnswer::Yes};
         f.doc.OnFileNew();
     },
     false},
    {"open, changes given up",
     [](auto& f, auto& d) {
         f.messageBox.answers = {MsgAnswer::No};
         f.fileDialog.AnswerPath(d.Write("other.brd", TableBytes({"other"})));
         f.doc.OnFileOpen();
     },
     false},
    {"exit, changes given up",
     [](auto& f, auto&) {
         f.messageBox.answers = {MsgAnswer::No};
         ASSERT_TRUE(f.doc.SaveModified());
     },
     false},
    {"exit, changes saved",
     [](auto& f, auto&) {
         f.messageBox.answers = {MsgAnswer::Yes};
         ASSERT_TRUE(f.doc.SaveModified());
     },
     false},
    {"new cancelled",
     [](auto& f, auto&) {
         f.messageBox.answers = {MsgAnswer::Cancel};
         f.doc.OnFileNew();
     },
     true},
    {"open cancelled in its dialog",
     [](auto& f, auto&) {
         f.messageBox.answers = {MsgAnswer::No};
         f.fileDialog.AnswerCancel();
         f.doc.OnFileOpen();
     },
     true},
    {"save failing",
     [](auto& f, auto& d) {
         f.doc.SetPathName(d.Path("gone/a.brd"));
         f.doc.OnFileSave();
     },
     true},
    {"exit cancelled",
     [](auto& f, auto&) {
         f.messageBox.answers = {MsgAnswer::Cancel};
         ASSERT_FALSE(f.doc.SaveModified());
     },
     true},
};

} // namespace

TEST_P(RecoveryFlow, CopyRemovedWhenTheChangesAreSavedOrGivenUp) {
    const FlowCase& c = GetParam();
    Start();
    Type("unsaved");
    At(0);
    At(3000);
    ASSERT_TRUE(HasCopy());
    c.act(*this, dir);
    const bool exits = std::string_view(c.name).substr(0, 4) == "exit";
    if (exits && !c.copyStays)
        controller->EndSession(); // the window closes
    else
        At(3500);
    EXPECT_EQ(HasCopy(), c.copyStays);
    if (c.copyStays) {
        EXPECT_EQ(CopiedText(1), "unsaved");
    }
    // After a normal exit nothing more is written, whatever the document holds.
    if (exits && !c.copyStays) {
        Type("after the end");
        At(10000);
        EXPECT_FALSE(HasCopy());
    }
}

INSTANTIATE_TEST_SUITE_P(Flows, RecoveryFlow, ::testing::ValuesIn(kFlows), CCaseName());

TEST_F(RecoveryControllerTest, OpeningATextFileReplacesTheOldCopyByOneOfTheImport) {
    Start();
    Type("old table");
    At(0);
    At(3000);
    ASSERT_TRUE(HasCopy());
    messageBox.answers = {MsgAnswer::No};
    fileDialog.AnswerPath(dir.Write("list.csv", "Name,Wert\r\n"));
    doc.OnFileOpen();
    ASSERT_TRUE(doc.IsModified()); // an import is unsaved
    At(3200);
    EXPECT_FALSE(HasCopy()); // the old table's changes were given up
    At(6199);
    EXPECT_FALSE(HasCopy());
    At(6200);
    ASSERT_TRUE(HasCopy());
    const std::optional<CRecoveryCopy> copy = Copy();
    ASSERT_TRUE(copy.has_value());
    EXPECT_EQ(copy->header.kind, CRecoveryHeader::Imported);
    EXPECT_EQ(copy->header.path, dir.Path("list.csv"));
    EXPECT_EQ(CopiedText(2), "Wert");
}

TEST_F(RecoveryControllerTest, UntitledDocumentsAreCopiedAsUntitled) {
    doc.OnFileNew();
    Start();
    Type("neu");
    At(0);
    At(3000);
    const std::optional<CRecoveryCopy> copy = Copy();
    ASSERT_TRUE(copy.has_value());
    EXPECT_EQ(copy->header.kind, CRecoveryHeader::Untitled);
    EXPECT_EQ(RecoveryDocumentName(copy->header), "Untitled");
}
