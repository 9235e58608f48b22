// The recovery copy in the editor: written while the user types, removed by a normal close,
// and offered at the next start when an editor ended without it.

#include "Application.h"
#include "FakePlatform.h"
#include "GridWidget.h"
#include "HelpDialog.h"
#include "MainWindow.h"
#include "NativeFormat.h"
#include "RecoveryAgent.h"
#include "RecoveryQuestion.h"
#include "RecoveryStartup.h"
#include "Resource.h"
#include "SplashWindow.h"
#include "TypeKeys.h"

#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

namespace {

using namespace std::chrono_literals;

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Spit(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// This process's number with another start time: an editor that is gone.
CProcessId GoneEditor(int n = 1) {
    CProcessId id = CProcessId::Self();
    id.startTicks += static_cast<unsigned long long>(n);
    return id;
}

// A table whose cell (c, 1) holds texts[c - 1].
std::string Table(const std::vector<std::string>& texts) {
    CCellArray cells;
    CLineArray hLines, vLines;
    CCellSize sizes;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        CCellData d;
        d.text = texts[i];
        cells.SetCell(static_cast<int>(i) + 1, 1, d);
    }
    return WriteNativeBytes(cells, hLines, vLines, sizes);
}

std::string CellText(CMyDoc& doc, int c, int r) {
    const CCellData* rec = doc.m_cells.GetCell(c, r);
    return rec ? rec->text : "<none>";
}

// Handles the next modal message box once it shows: act gets it and answers it.
class CBoxAnswerer : public QObject {
public:
    explicit CBoxAnswerer(std::function<void(QMessageBox*)> act) : m_act(std::move(act)) {
        startTimer(10);
    }
    QStringList texts;
    bool mainWindowVisible = false;

protected:
    void timerEvent(QTimerEvent*) override {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        texts << box->text();
        for (QWidget* w : QApplication::topLevelWidgets())
            mainWindowVisible =
                mainWindowVisible || (qobject_cast<CMainFrame*>(w) && w->isVisible());
        m_act(box);
    }

private:
    std::function<void(QMessageBox*)> m_act;
};

// A main window on a new document with its recovery copy kept in folder.
struct CWindowWithCopy {
    CFakeMessageBox box;
    CFakeFileDialog dialog;
    CFakeFileTypeQuestion fileType;
    CMainFrame frame{box, dialog, fileType};
    std::unique_ptr<CRecoveryAgent> agent;

    CWindowWithCopy(const std::string& folder, CRecoveryTiming timing, int pollMs) {
        frame.Start({});
        agent = std::make_unique<CRecoveryAgent>(frame, CRecoveryStore(folder, CProcessId::Self()),
                                                 false, timing, pollMs);
    }
};

void Press(QMessageBox* box, const char* name) {
    auto* button = box->findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    button->click();
}

} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_state;
    std::string m_folder;

    std::string Folder() const { return m_folder; }
    std::string OwnCopy() const {
        return CRecoveryStore(m_folder, CProcessId::Self()).OwnCopyPath();
    }
    // A copy left behind by an editor that is gone.
    std::string Leave(const CRecoveryHeader& header, const std::string& table) {
        std::filesystem::create_directories(m_folder);
        const std::string path = m_folder + "/" + header.owner.ToString() + ".recovery";
        Spit(path, EncodeRecoveryCopy(header, table));
        return path;
    }
    CRecoveryHeader Header(CRecoveryHeader::Kind kind, const std::string& path) {
        CRecoveryHeader h;
        h.kind = kind;
        h.path = path;
        h.owner = GoneEditor();
        h.savedAt = 1700000000;
        return h;
    }
    std::string Data(const char* name) const { return m_state.filePath(name).toStdString(); }

private slots:
    void initTestCase() {
        QVERIFY(m_state.isValid());
        // The editor's own start-up looks here.
        qputenv("XDG_STATE_HOME", m_state.filePath(QStringLiteral("state")).toLocal8Bit());
        m_folder = DefaultRecoveryFolder();
        QVERIFY(m_folder.rfind(m_state.path().toStdString(), 0) == 0);
    }
    void init() {
        delete g_pSplashWnd;
        CSplashWnd::EnableSplash(false);
        std::filesystem::remove_all(m_folder);
    }

    void typedTextsReachTheCopyAndACloseRemovesIt() {
        CWindowWithCopy w(m_folder, {200ms, 2000ms}, 20);
        CMainFrame& frame = w.frame;
        frame.show();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::qWait(300);
        QVERIFY(!std::filesystem::exists(OwnCopy())); // nothing while unmodified

        // Cell (2, 2) at (50 + 100 + 30, 25 + 40 + 20).
        QTest::mouseClick(frame.Grid(), Qt::LeftButton, {}, QPoint(180, 85));
        TypeLikeAPerson(QStringLiteral("Wert $x^2$"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(frame.View().Selection().CursorRow(), 3); // Enter moves down
        TypeLikeAPerson(QStringLiteral("ABC \\alpha"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        // The copy a pause after the last text (an earlier one may hold the first text only).
        CFakeMessageBox box2;
        CFakeFileDialog dialog2;
        CFakeFileTypeQuestion fileType2;
        CMyDoc restored(box2, dialog2, fileType2);
        std::optional<CRecoveryCopy> copy;
        const auto holdsBoth = [&] {
            std::string reason;
            copy = DecodeRecoveryCopy(Slurp(OwnCopy()), reason);
            return copy && !restored.OpenUnsaved(copy->nativeBytes, "", false).Failed() &&
                   CellText(restored, 2, 3) == "ABC \\alpha";
        };
        QTRY_VERIFY(holdsBoth());
        QCOMPARE(copy->header.kind, CRecoveryHeader::Untitled);
        QCOMPARE(CellText(restored, 2, 2), std::string("Wert $x^2$"));
        QVERIFY(frame.Document().IsModified());

        // Closing, the changes given up: the copy goes at once.
        w.box.answers = {MsgAnswer::No};
        QVERIFY(frame.close());
        QVERIFY(!std::filesystem::exists(OwnCopy()));
        QTest::qWait(300);
        QVERIFY(!std::filesystem::exists(OwnCopy()));
    }

    void aCloseCancelledKeepsTheCopy() {
        CWindowWithCopy w(m_folder, {50ms, 500ms}, 10);
        CMainFrame& frame = w.frame;
        CCellData d;
        d.text = "kept";
        frame.Document().m_cells.SetCell(1, 1, d);
        frame.Document().SetModifiedFlag(true);
        QTRY_VERIFY(std::filesystem::exists(OwnCopy()));
        w.box.answers = {MsgAnswer::Cancel};
        QVERIFY(!frame.close());
        QTest::qWait(100);
        QVERIFY(std::filesystem::exists(OwnCopy()));
        frame.Document().SetModifiedFlag(false);
        QTRY_VERIFY(!std::filesystem::exists(OwnCopy()));
    }

    void aFailedWriteShowsInTheStatusBar() {
        std::filesystem::create_directories(std::filesystem::path(m_folder).parent_path());
        Spit(m_folder, "in the way");
        CWindowWithCopy w(m_folder, {50ms, 500ms}, 10);
        CMainFrame& frame = w.frame;
        frame.Document().SetModifiedFlag(true);
        QTRY_VERIFY(!frame.statusBar()->currentMessage().isEmpty());
        QCOMPARE(frame.statusBar()->currentMessage(),
                 QString::fromStdString("Cannot write the recovery copy \"" + OwnCopy() +
                                        "\": Not a directory."));
        std::filesystem::remove(m_folder);
        frame.Document().SetModifiedFlag(false);
    }

    void theQuestionOffersRecoverAndDiscard() {
        struct Case {
            const char* name;
            std::function<void(QMessageBox*)> answer;
            bool recover;
        };
        const Case cases[] = {
            {"discard", [](QMessageBox* b) { Press(b, "discard"); }, false},
            {"recover", [](QMessageBox* b) { Press(b, "recover"); }, true},
            {"Enter: the default", [](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Return); },
             true},
            {"Escape keeps the changes", [](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Escape); },
             true},
        };
        for (const Case& c : cases) {
            QStringList buttons;
            CBoxAnswerer answerer([&](QMessageBox* box) {
                for (QAbstractButton* b : box->buttons())
                    buttons << b->text();
                c.answer(box);
            });
            CQtRecoveryQuestion question;
            QCOMPARE(question.AskRecover("\"a.brd\" の保存されていない変更を復元しますか？"),
                     c.recover);
            QCOMPARE(answerer.texts, QStringList{QStringLiteral(
                                         "\"a.brd\" の保存されていない変更を復元しますか？")});
            QCOMPARE(buttons.size(), 2);
            QVERIFY2(buttons.contains(QStringLiteral("復元(&R)")), c.name);
            QVERIFY2(buttons.contains(QStringLiteral("破棄(&D)")), c.name);
        }
    }

    void startUpRecoversBeforeTheWindowShows() {
        const std::string file = Data("a.brd");
        Spit(file, Table({"saved"}));
        const CRecoveryHeader header = Header(CRecoveryHeader::Native, file);
        const std::string left = Leave(header, Table({"Wert $x^2$", "ABC"}));
        CBoxAnswerer answerer([](QMessageBox* b) { Press(b, "recover"); });
        CMyApp app;
        QVERIFY(app.InitInstance({}));
        QCOMPARE(answerer.texts, QStringList{QString::fromStdString(RecoveryQuestionText(header))});
        QVERIFY(answerer.texts[0].contains(QStringLiteral("\"a.brd\"")));
        QVERIFY(!answerer.mainWindowVisible);
        CMainFrame* frame = app.MainFrame();
        QVERIFY(frame->isVisible());
        QCOMPARE(frame->windowTitle(), QStringLiteral("a.brd[*] - Visual Brindle R1.5"));
        CMyDoc& doc = frame->Document();
        QVERIFY(doc.IsModified());
        QCOMPARE(CellText(doc, 1, 1), std::string("Wert $x^2$"));
        QCOMPARE(doc.GetPathName(), file);
        QVERIFY(!std::filesystem::exists(left));
        QVERIFY(std::filesystem::exists(OwnCopy()));
        // Save writes the real file; the copy goes.
        QVERIFY(frame->RunCommand(ID_FILE_SAVE));
        QCOMPARE(Slurp(file), Table({"Wert $x^2$", "ABC"}));
        QTRY_VERIFY(!std::filesystem::exists(OwnCopy()));
    }

    void startUpDiscardRemovesTheCopy() {
        const std::string left = Leave(Header(CRecoveryHeader::Untitled, ""), Table({"x"}));
        CBoxAnswerer answerer([](QMessageBox* b) { Press(b, "discard"); });
        CMyApp app;
        QVERIFY(app.InitInstance({}));
        QCOMPARE(answerer.texts.size(), 1);
        QVERIFY(answerer.texts[0].contains(QStringLiteral("\"Untitled\"")));
        QVERIFY(!app.MainFrame()->Document().IsModified());
        QVERIFY(app.MainFrame()->Document().m_cells.IsEmpty());
        QVERIFY(std::filesystem::is_empty(m_folder));
    }

    void startUpWithNoRecoveryAsksNothing() {
        const std::string left = Leave(Header(CRecoveryHeader::Untitled, ""), Table({"x"}));
        const std::string bytes = Slurp(left);
        CBoxAnswerer answerer([](QMessageBox* b) { b->reject(); });
        CMyApp app;
        QVERIFY(app.InitInstance({QStringLiteral("--no-recovery")}));
        QVERIFY(answerer.texts.isEmpty());
        QCOMPARE(Slurp(left), bytes);
        QVERIFY(app.MainFrame()->Document().m_cells.IsEmpty());
    }

    void startUpReportsAnUnreadableCopyAndKeepsIt() {
        std::filesystem::create_directories(m_folder);
        const std::string left = m_folder + "/" + GoneEditor().ToString() + ".recovery";
        Spit(left, "Visual Brindle recovery copy 1\nowner");
        CBoxAnswerer answerer([](QMessageBox* b) { b->accept(); });
        CMyApp app;
        QVERIFY(app.InitInstance({}));
        QCOMPARE(answerer.texts.size(), 1);
        QCOMPARE(answerer.texts[0],
                 QString::fromStdString("復元用のコピー \"" + left +
                                        "\" を読み込めません（the copy ends early）。\n\"" + left +
                                        ".unreadable\" に名前を変えて残しました。"));
        QCOMPARE(Slurp(left + ".unreadable"), std::string("Visual Brindle recovery copy 1\nowner"));
    }

    void theHelpPageSaysWhereTheCopiesLive() {
        const QString html = CHelpDialog::PageHtml();
        QVERIFY(html.contains(QString::fromStdString(m_folder)));
        QVERIFY(html.contains(QStringLiteral("--no-recovery")));
    }
};

QTEST_MAIN(RecoveryTest)
#include "recovery_test.moc"
