#include "RecoveryController.h"
#include "RecoveryTestUtil.h"

#include <fcntl.h>
#include <sys/stat.h>

using namespace rectest;

namespace {

class RecoveryStartup : public ::testing::Test, public doctest::CDocFixture {
protected:
    std::string Folder() const { return dir.Path("recovery"); }
    // A copy left by owner for a table with these texts.
    std::string Leave(const CProcessId& owner, const CRecoveryHeader& header,
                      const std::vector<std::string>& texts, std::int64_t mtime = 0) {
        std::filesystem::create_directories(Folder());
        return LeaveBytes(owner, EncodeRecoveryCopy(header, TableBytes(texts)), mtime);
    }
    std::string LeaveBytes(const CProcessId& owner, const std::string& bytes,
                           std::int64_t mtime = 0) {
        return LeaveNamed(owner.ToString() + ".recovery", bytes, mtime);
    }
    std::string LeaveNamed(const std::string& name, const std::string& bytes,
                           std::int64_t mtime = 0) {
        std::filesystem::create_directories(Folder());
        const std::string path = Folder() + "/" + name;
        doctest::WriteBytes(path, bytes);
        if (mtime) {
            const timespec times[2] = {{mtime, 0}, {mtime, 0}};
            EXPECT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
        }
        return path;
    }
    std::string CellText(int c, int r) const {
        const CCellData* rec = doc.m_cells.GetCell(c, r);
        return rec ? rec->text : "<none>";
    }

    doctest::CScratchDir dir;
    CRecoveryStore store{Folder(), CProcessId::Self()};
    CFakeQuestion question;
};

} // namespace

TEST_F(RecoveryStartup, NoCopyNoQuestion) {
    EXPECT_FALSE(RunRecoveryStartup(store, question, messageBox).has_value());
    EXPECT_TRUE(question.asked.empty());
    EXPECT_TRUE(messageBox.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(Folder()));
}

TEST_F(RecoveryStartup, ACopyOfAnEditorThatIsGoneIsOfferedAndRecovered) {
    const CProcessId dead = DeadProcess();
    const std::string table = dir.Write("a.brd", TableBytes({"saved"}));
    const CRecoveryHeader header = Header(CRecoveryHeader::Native, table, dead);
    const std::string left = Leave(dead, header, {"Wert", "$x^2$"});
    const std::string bytes = doctest::ReadBytes(left);

    const std::optional<CRecoveryCopy> copy = RunRecoveryStartup(store, question, messageBox);
    ASSERT_TRUE(copy.has_value());
    ASSERT_EQ(question.asked.size(), 1u);
    EXPECT_EQ(question.asked[0],
              "前回の編集は正常に終了しませんでした。\n\"a.brd\" の保存されていない"
              "変更を復元しますか？（" +
                  RecoveryTimeText(header.savedAt) + " に保存）");
    EXPECT_TRUE(messageBox.shown.empty());
    EXPECT_EQ(copy->header, header);
    // Taken over: the copy now carries this editor's name, so no other editor offers it.
    EXPECT_EQ(Names(Folder()),
              std::vector<std::string>{CProcessId::Self().ToString() + ".recovery"});
    EXPECT_EQ(doctest::ReadBytes(store.OwnCopyPath()), bytes);

    // Opened as modified under its own name; Save writes the real file and the copy goes.
    ASSERT_FALSE(doc.OpenUnsaved(copy->nativeBytes, copy->header.path, false).Failed());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.m_bContentsReplaced);
    EXPECT_EQ(doc.GetTitle(), "a.brd");
    EXPECT_EQ(CellText(2, 2), "$x^2$");
    CRecoveryController controller(doc, store, true);
    controller.Tick();
    controller.WaitIdle();
    EXPECT_TRUE(std::filesystem::exists(store.OwnCopyPath()));
    doc.OnFileSave();
    EXPECT_TRUE(fileDialog.requests.empty());
    EXPECT_EQ(doctest::ReadBytes(table), TableBytes({"Wert", "$x^2$"}));
    controller.Tick();
    controller.WaitIdle();
    EXPECT_TRUE(Names(Folder()).empty());
}

TEST_F(RecoveryStartup, DiscardRemovesTheCopy) {
    const CProcessId dead = DeadProcess();
    Leave(dead, Header(CRecoveryHeader::Untitled, "", dead), {"x"});
    question.answers = {false};
    EXPECT_FALSE(RunRecoveryStartup(store, question, messageBox).has_value());
    EXPECT_EQ(question.asked.size(), 1u);
    EXPECT_TRUE(Names(Folder()).empty());
}

TEST_F(RecoveryStartup, CopiesOfRunningEditorsAreLeftAlone) {
    CChildProcess running;
    const std::string readable =
        Leave(running.Id(), Header(CRecoveryHeader::Native, "/t/a.brd", running.Id()), {"x"});
    CChildProcess other;
    const std::string broken = LeaveBytes(other.Id(), "half a copy");
    // A name that says nothing, with a header that names a running editor.
    const std::string unnamed = LeaveNamed(
        "copy.recovery",
        EncodeRecoveryCopy(Header(CRecoveryHeader::Untitled, "", running.Id()), TableBytes({})));
    const std::vector<std::string> before = Names(Folder());
    const std::string bytes = doctest::ReadBytes(readable);
    EXPECT_FALSE(RunRecoveryStartup(store, question, messageBox).has_value());
    EXPECT_TRUE(question.asked.empty());
    EXPECT_TRUE(messageBox.shown.empty());
    EXPECT_EQ(Names(Folder()), before);
    EXPECT_EQ(doctest::ReadBytes(readable), bytes);
    EXPECT_EQ(doctest::ReadBytes(broken), "half a copy");
}

TEST_F(RecoveryStartup, UnreadableCopiesAreReportedAndKeptAside) {
    const CProcessId dead = DeadProcess();
    const std::string good =
        EncodeRecoveryCopy(Header(CRecoveryHeader::Native, "/t/a.brd", dead), TableBytes({"a"}));
    struct Case {
        const char* name;
        std::string file;
        std::string bytes;
        const char* reason;
    };
    CProcessId dead2 = dead, dead3 = dead;
    dead2.startTicks += 1;
    dead3.startTicks += 2;
    const Case cases[] = {
        {"cut short", dead.ToString() + ".recovery", good.substr(0, good.size() - 100),
         "the copy ends early"},
        {"empty", dead2.ToString() + ".recovery", "", "the copy ends early"},
        {"a name and a content that say nothing", "notes.recovery", "some notes",
         "it is not a recovery copy"},
        {"a damaged table", dead3.ToString() + ".recovery",
         EncodeRecoveryCopy(Header(CRecoveryHeader::Native, "/t/a.brd", dead), "\x1A\x1A"),
         "its table ends early"},
    };
    for (const Case& c : cases)
        LeaveNamed(c.file, c.bytes);
    // An earlier copy moved aside under the first name stays too.
    LeaveNamed(cases[0].file + ".unreadable", "older");

    EXPECT_FALSE(RunRecoveryStartup(store, question, messageBox).has_value());
    EXPECT_TRUE(question.asked.empty());
    EXPECT_EQ(messageBox.shown.size(), std::size(cases));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = Folder() + "/" + c.file;
        const std::string aside = path + (&c == &cases[0] ? ".unreadable-2" : ".unreadable");
        EXPECT_FALSE(std::filesystem::exists(path));
        EXPECT_EQ(doctest::ReadBytes(aside), c.bytes);
        const std::string report = "復元用のコピー \"" + path + "\" を読み込めません（" + c.reason +
                                   "）。\n\"" + aside + "\" に名前を変えて残しました。";
        bool shown = false;
        for (const auto& s : messageBox.shown)
            shown = shown || (s.text == report && s.icon == MsgIcon::Exclamation);
        EXPECT_TRUE(shown) << report;
    }
    EXPECT_EQ(doctest::ReadBytes(Folder() + "/" + cases[0].file + ".unreadable"), "older");
    // Kept aside, they are not reported again.
    messageBox.shown.clear();
    EXPECT_FALSE(RunRecoveryStartup(store, question, messageBox).has_value());
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST_F(RecoveryStartup, TheNewestCopyFirstTheOthersAtLaterStarts) {
    const CProcessId older = DeadProcess();
    const CProcessId newer = DeadProcess();
    Leave(older, Header(CRecoveryHeader::Native, "/t/older.brd", older), {"o"}, 1700000000);
    Leave(newer, Header(CRecoveryHeader::Native, "/t/newer.brd", newer), {"n"}, 1700000500);
    const CRecoveryFinding first = FindRecoveryCopy(store);
    ASSERT_TRUE(first.offer.has_value());
    EXPECT_EQ(first.offer->header.path, "/t/newer.brd");
    EXPECT_EQ(Names(Folder()).size(), 2u);

    // A second editor starting while the first runs finds only the older one: the newer
    // copy belongs to the running first editor now.
    CChildProcess second;
    const CRecoveryStore secondStore(Folder(), second.Id());
    const CRecoveryFinding next = FindRecoveryCopy(secondStore);
    ASSERT_TRUE(next.offer.has_value());
    EXPECT_EQ(next.offer->header.path, "/t/older.brd");
    CChildProcess third;
    EXPECT_FALSE(FindRecoveryCopy(CRecoveryStore(Folder(), third.Id())).offer.has_value());
    std::vector<std::string> owners{second.Id().ToString() + ".recovery",
                                    CProcessId::Self().ToString() + ".recovery"};
    std::sort(owners.begin(), owners.end());
    EXPECT_EQ(Names(Folder()), owners);
}

TEST_F(RecoveryStartup, ARecoveredImportOrUntitledTableAsksForANameOnSave) {
    struct Case {
        const char* name;
        CRecoveryHeader::Kind kind;
        std::string path;
    };
    const std::string csv = dir.Write("list.csv", "a,b\r\n");
    const Case cases[] = {
        {"imported", CRecoveryHeader::Imported, csv},
        {"untitled", CRecoveryHeader::Untitled, ""},
        {"untitled after New", CRecoveryHeader::Untitled, "Untitled"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doctest::CDocFixture f;
        const std::string table = TableBytes({"typed"});
        ASSERT_FALSE(
            f.doc.OpenUnsaved(table, c.path, c.kind == CRecoveryHeader::Imported).Failed());
        EXPECT_TRUE(f.doc.IsModified());
        f.fileDialog.AnswerPath(dir.Path(std::string(c.name) + ".brd"));
        f.doc.OnFileSave();
        ASSERT_EQ(f.fileDialog.requests.size(), 1u);
        EXPECT_EQ(f.fileDialog.requests[0].kind, CFileDialogRequest::Save);
        EXPECT_EQ(doctest::ReadBytes(dir.Path(std::string(c.name) + ".brd")), table);
        EXPECT_FALSE(f.doc.IsModified());
    }
    EXPECT_EQ(doctest::ReadBytes(csv), "a,b\r\n");
}

TEST_F(RecoveryStartup, OpenUnsavedRefusesAnythingButACompleteTable) {
    doc.SetPathName(dir.Path("keep.brd"));
    const std::string table = TableBytes({"x"});
    for (const std::string& bytes : {std::string("a,b\n"), table.substr(0, table.size() - 2)}) {
        const CReadResult r = doc.OpenUnsaved(bytes, "/t/a.brd", false);
        EXPECT_EQ(r.outcome, CReadResult::FileError);
        EXPECT_FALSE(doc.IsModified());
        EXPECT_TRUE(doc.m_cells.IsEmpty());
    }
}
