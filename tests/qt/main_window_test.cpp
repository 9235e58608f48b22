// The main window under the offscreen platform, with scripted dialogs.

#include "AboutDlg.h"
#include "Application.h"
#include "FakePlatform.h"
#include "GridWidget.h"
#include "HelpDialog.h"
#include "MainWindow.h"
#include "QtFileDialog.h"
#include "Resource.h"
#include "SplashWindow.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <memory>

namespace {

const std::string kShowcase = std::string(BRINDLE_TEST_DATA) + "/qt/showcase.brd";

QStringList CommandTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* a : actions)
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

// Counts the key presses that reach a widget.
class CKeyCounter : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            ++presses;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CFakeMessageBox> m_messageBox;
    std::unique_ptr<CFakeFileDialog> m_fileDialog;
    std::unique_ptr<CFakeFileTypeQuestion> m_fileType;

    std::unique_ptr<CMainFrame> NewFrame() {
        return std::make_unique<CMainFrame>(*m_messageBox, *m_fileDialog, *m_fileType);
    }

private slots:
    void init() {
        m_messageBox = std::make_unique<CFakeMessageBox>();
        m_fileDialog = std::make_unique<CFakeFileDialog>();
        m_fileType = std::make_unique<CFakeFileTypeQuestion>();
        delete g_pSplashWnd;
        CSplashWnd::EnableSplash(false);
    }

    void startsWithMenusToolbarAndStatusBar() {
        auto frame = NewFrame();
        QVERIFY(frame->Start({}));
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));

        QCOMPARE(frame->windowTitle(), QStringLiteral("Untitled[*] - Visual Brindle R1.5"));
        QCOMPARE(CommandTexts(frame->menuBar()->actions()),
                 QStringList({"&File", "&Edit", "&View", "&Text", "Li&nes", "LaTeX(&L)", "&Options",
                              "&Help"}));
        QVERIFY(frame->Grid() != nullptr);
        QCOMPARE(frame->centralWidget(), static_cast<QWidget*>(frame->Grid()));
        QVERIFY(!frame->acceptDrops());
        QVERIFY(!frame->Grid()->acceptDrops());

        // 21 buttons in 8 groups and the rendered preview's, with tooltips and status prompts.
        const QList<QAction*> tools = frame->m_wndToolBar->actions();
        int buttons = 0;
        int separators = 0;
        for (QAction* a : tools) {
            if (a->isSeparator()) {
                ++separators;
                continue;
            }
            ++buttons;
            QVERIFY2(!a->icon().isNull(), qPrintable(a->text()));
            QVERIFY2(!a->toolTip().isEmpty() && !a->statusTip().isEmpty(), qPrintable(a->text()));
        }
        QCOMPARE(buttons, 22);
        QCOMPARE(separators, 8);
        QCOMPARE(tools.first(), frame->Action(ID_FILE_NEW));
        QCOMPARE(tools.last(), frame->Action(ID_VIEW_RENDER_PREVIEW));

        // Enable and check states come from the command targets.
        frame->UpdateCommandUi();
        QVERIFY(frame->Action(ID_FILE_OPEN)->isEnabled());
        QVERIFY(!frame->Action(ID_FILE_SAVE)->isEnabled());
        QVERIFY(frame->Action(ID_VIEW_TOOLBAR)->isChecked());
        QVERIFY(frame->Action(ID_VIEW_STATUS_BAR)->isChecked());
        QVERIFY(frame->Action(ID_VIEW_GRID)->isChecked());
        QVERIFY(frame->Action(ID_LINE_TEMPLATE)->isEnabled());
        QCOMPARE(frame->Action(ID_FILE_OPEN)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(frame->Action(ID_EDIT_CUT)->shortcuts().size(), 2);

        // The cell pane fits its widest text and shows the cursor cell.
        const QFontMetrics fm = frame->m_cellPane->fontMetrics();
        QVERIFY(frame->m_cellPane->width() >=
                fm.horizontalAdvance(QStringLiteral("(999,999)-(999,999)")));
        QCOMPARE(frame->m_cellPane->text(), QStringLiteral("( 1, 1)"));

        frame->RunCommand(ID_VIEW_TOOLBAR);
        QVERIFY(frame->m_wndToolBar->isHidden());
        QVERIFY(!frame->Action(ID_VIEW_TOOLBAR)->isChecked());
    }

    void contextMenuHoldsTheGridCommands() {
        auto frame = NewFrame();
        QVERIFY(frame->Start({}));
        std::unique_ptr<QMenu> menu(frame->CreateContextMenu(frame.get()));
        const QList<QAction*> items = menu->actions();
        QCOMPARE(items.size(), 14);
        QVERIFY(items[2]->isSeparator());
        QVERIFY(items[11]->isSeparator());
        QCOMPARE(items[0]->property("brindleCommand").toInt(), ID_CELL_INPUT);
        QCOMPARE(items[1]->property("brindleCommand").toInt(), ID_GENERATE);
        QCOMPARE(items[10]->property("brindleCommand").toInt(), ID_EDIT_PASTE_SOURCE);
        QCOMPARE(items[12]->property("brindleCommand").toInt(), ID_LINE_PALETTE);
        QVERIFY(items[8]->menu() && items[9]->menu() && items[13]->menu());
        QCOMPARE(items[13]->menu()->actions().size(), 2);

        // A right click on the grid pops the same menu up.
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(120, 60),
                                frame->Grid()->mapToGlobal(QPoint(120, 60)));
        QApplication::sendEvent(frame->Grid(), &event);
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QCOMPARE(popup->actions().size(), 14);
        QCOMPARE(popup->actions()[0]->property("brindleCommand").toInt(), ID_CELL_INPUT);
        popup->close();
    }

    void opensTheFileNamedOnTheCommandLine() {
        auto frame = NewFrame();
        QVERIFY(frame->Start(kShowcase));
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        QCOMPARE(frame->windowTitle(), QStringLiteral("showcase.brd[*] - Visual Brindle R1.5"));
        const CCellData* title = frame->Document().m_cells.GetCell(1, 1);
        QVERIFY(title);
        QCOMPARE(QString::fromStdString(title->text), QStringLiteral("Placements"));
        QCOMPARE(int(title->colspan), 3);
        QVERIFY(!frame->Document().IsModified());
        QVERIFY(m_messageBox->shown.empty());
        // The span map was built at the initial update: (3, 1) lies in the title's span.
        QCOMPARE(frame->View().SpanMap().GetOrigin(3, 1), std::make_pair(1, 1));
    }

    void commandLineFileThatCannotBeReadEndsTheStart() {
        QTemporaryDir dir;
        auto frame = NewFrame();
        QVERIFY(!frame->Start((dir.path() + QStringLiteral("/missing.brd")).toStdString()));
        QCOMPARE(m_messageBox->shown.size(), size_t(1));
        QVERIFY(frame->Grid() == nullptr);
    }

    void opensAFileThroughTheOpenCommand() {
        auto frame = NewFrame();
        QVERIFY(frame->Start({}));
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        m_fileDialog->AnswerPath(kShowcase);
        QVERIFY(frame->RunCommand(ID_FILE_OPEN));

        QCOMPARE(m_fileDialog->requests.size(), size_t(1));
        const CFileDialogRequest& request = m_fileDialog->requests[0];
        QCOMPARE(request.kind, CFileDialogRequest::Open);
        QCOMPARE(request.filters.size(), size_t(4));
        QCOMPARE(QtFilterText(request.filters[0]), QStringLiteral("<Brindle>形式 (*.brd)"));
        QCOMPARE(QtFilterText(request.filters[3]).right(4), QStringLiteral(" (*)"));

        QCOMPARE(frame->windowTitle(), QStringLiteral("showcase.brd[*] - Visual Brindle R1.5"));
        QVERIFY(frame->Document().m_cells.GetCell(4, 2));
        // The grid takes the new contents at its next paint.
        frame->Grid()->Image();
        QVERIFY(!frame->Document().m_bContentsReplaced);
        QCOMPARE(frame->View().SpanMap().GetOrigin(4, 3), std::make_pair(4, 2));
    }

    void openKeyRunsTheOpenCommand() {
        auto frame = NewFrame();
        QVERIFY(frame->Start({}));
        frame->show();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        QTest::keyClick(frame->Grid(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(m_fileDialog->requests.size(), size_t(1));
    }

    void newOnAModifiedDocumentAnsweredCancelChangesNothing() {
        auto frame = NewFrame();
        QVERIFY(frame->Start(kShowcase));
        CMyDoc& doc = frame->Document();
        doc.SetModifiedFlag(true);
        frame->UpdateCommandUi();
        QVERIFY(frame->Action(ID_FILE_SAVE)->isEnabled());
        m_messageBox->answers.push_back(MsgAnswer::Cancel);

        frame->RunCommand(ID_FILE_NEW);

        QCOMPARE(m_messageBox->shown.size(), size_t(1));
        QCOMPARE(m_messageBox->shown[0].buttons, MsgButtons::YesNoCancel);
        QVERIFY(doc.IsModified());
        QVERIFY(doc.m_cells.GetCell(1, 1));
        QCOMPARE(frame->windowTitle(), QStringLiteral("showcase.brd[*] - Visual Brindle R1.5"));
        QVERIFY(m_fileDialog->requests.empty());
    }

    void saveAsRenamesTheWindowAndDisablesSave() {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/copy.brd");
        auto frame = NewFrame();
        QVERIFY(frame->Start(kShowcase));
        frame->Document().SetModifiedFlag(true);
        m_fileDialog->AnswerPath(path.toStdString());
        QVERIFY(frame->RunCommand(ID_FILE_SAVE_AS));

        QCOMPARE(m_fileDialog->requests.size(), size_t(1));
        QCOMPARE(m_fileDialog->requests[0].kind, CFileDialogRequest::Save);
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(frame->windowTitle(), QStringLiteral("copy.brd[*] - Visual Brindle R1.5"));
        QVERIFY(!frame->Action(ID_FILE_SAVE)->isEnabled());
        QVERIFY(!frame->RunCommand(ID_FILE_SAVE));
        QCOMPARE(m_fileDialog->requests.size(), size_t(1));
    }

    // A read-only file is not replaced: Ctrl+S after a typed edit shows the save failure and
    // the table stays modified, for root too.
    void saveOfAReadOnlyFileShowsTheMessageAndKeepsTheFile() {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/ro.brd");
        QVERIFY(QFile::copy(QString::fromStdString(kShowcase), path));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        auto frame = NewFrame();
        QVERIFY(frame->Start(path.toStdString()));
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        frame->Grid()->setFocus();
        QTest::mouseClick(frame->Grid(), Qt::LeftButton, {}, QPoint(70, 200));
        QTest::keyClick(frame->Grid(), 'Q', Qt::ShiftModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(frame->Document().IsModified());
        QTest::keyClick(frame->Grid(), Qt::Key_S, Qt::ControlModifier);

        QCOMPARE(m_messageBox->shown.size(), size_t(1));
        QCOMPARE(m_messageBox->shown[0].text,
                 "Cannot save the file \"" + path.toStdString() + "\": Permission denied.");
        QVERIFY(frame->Document().IsModified());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("ro.brd")});
        frame->Document().SetModifiedFlag(false);
    }

    void exitClosesAnUnmodifiedDocumentWithoutAsking() {
        auto frame = NewFrame();
        QVERIFY(frame->Start({}));
        frame->show();
        QVERIFY(frame->RunCommand(ID_APP_EXIT));
        QVERIFY(!frame->isVisible());
        QVERIFY(m_messageBox->shown.empty());
    }

    void closingAsksToSaveAndCancelKeepsTheWindow() {
        auto frame = NewFrame();
        QVERIFY(frame->Start({}));
        frame->show();
        frame->Document().SetModifiedFlag(true);
        m_messageBox->answers.push_back(MsgAnswer::Cancel);
        QVERIFY(!frame->close());
        QVERIFY(frame->isVisible());
        QCOMPARE(m_messageBox->shown.size(), size_t(1));

        m_messageBox->answers.push_back(MsgAnswer::No);
        QVERIFY(frame->close());
    }

    void splashGoesAwayOnAKeyPressThatStillArrives() {
        CSplashWnd::EnableSplash(true);
        CSplashWnd::InstallAppFilter();
        auto frame = NewFrame();
        QVERIFY(g_pSplashWnd != nullptr);
        QVERIFY(g_bSplashVisible);
        QCOMPARE(g_pSplashWnd->size(), QSize(400, 200));
        QVERIFY(frame->Start({}));
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        QVERIFY(g_pSplashWnd != nullptr);

        CKeyCounter keys;
        frame->Grid()->installEventFilter(&keys);
        QTest::keyClick(frame->Grid(), Qt::Key_Right);
        QVERIFY(g_pSplashWnd == nullptr);
        QVERIFY(!g_bSplashVisible);
        QCOMPARE(keys.presses, 1);
    }

    void splashGoesAwayOnAClickThatStillCounts() {
        CSplashWnd::EnableSplash(true);
        CSplashWnd::InstallAppFilter();
        auto frame = NewFrame();
        QVERIFY(frame->Start({}));
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        QVERIFY(g_pSplashWnd != nullptr);
        const CMyView& view = frame->View();
        QTest::mouseClick(frame->Grid(), Qt::LeftButton, {},
                          QPoint(view.Geometry().ColumnX(3) + 5, view.Geometry().RowY(2) + 5));
        QVERIFY(g_pSplashWnd == nullptr);
        QCOMPARE(view.Selection().CursorCol(), 3);
        QCOMPARE(view.Selection().CursorRow(), 2);
    }

    void splashEndsOnARightClickAndAfterItsTime() {
        CSplashWnd::EnableSplash(true);
        CSplashWnd::InstallAppFilter();
        auto frame = NewFrame();
        QVERIFY(frame->Start({}));
        frame->show();
        QVERIFY(g_pSplashWnd != nullptr);
        QTest::mouseClick(frame->menuBar(), Qt::RightButton);
        QVERIFY(g_pSplashWnd == nullptr);

        CSplashWnd::ShowSplash(frame.get());
        QVERIFY(g_pSplashWnd != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(g_pSplashWnd == nullptr, 4000);
        QVERIFY(!g_bSplashVisible);
    }

    void firstFileReadEndsTheSplashForGood() {
        CSplashWnd::EnableSplash(true);
        auto frame = NewFrame();
        QVERIFY(g_pSplashWnd != nullptr);
        QVERIFY(frame->Start(kShowcase));
        QVERIFY(g_pSplashWnd == nullptr);
        QVERIFY(!g_bSplashVisible);
        QVERIFY(!g_bSplashEnabled);
        CSplashWnd::ShowSplash(frame.get());
        QVERIFY(g_pSplashWnd == nullptr);
    }

    void applicationStartsOnTheNamedFileAndEndsCleanly() {
        {
            CMyApp app;
            QVERIFY(app.InitInstance({QString::fromStdString(kShowcase)}));
            CMainFrame* frame = app.MainFrame();
            QVERIFY(frame && frame->isVisible());
            QCOMPARE(frame->windowTitle(), QStringLiteral("showcase.brd[*] - Visual Brindle R1.5"));
            QVERIFY(g_pSplashWnd == nullptr);
        }
        CMyApp usage;
        QVERIFY(!usage.InitInstance({QStringLiteral("--definitely-not-an-option")}));
        QCOMPARE(usage.ExitCode(), 2);
        QVERIFY(usage.MainFrame() == nullptr);
    }

    void filterTextsInQtSyntax() {
        struct Case {
            CFileFilter filter;
            QString expected;
        };
        const Case cases[] = {
            {{"<Brindle>形式 (*.brd)", "*.brd"}, QStringLiteral("<Brindle>形式 (*.brd)")},
            {{"ｺﾝﾏ区切り<CSV>形式 (*.csv)", "*.csv"}, QStringLiteral("ｺﾝﾏ区切り<CSV>形式 (*.csv)")},
            {{"All Files (*.*)", "*.*"}, QStringLiteral("All Files (*)")},
            {{"Tables", "*.brd;*.csv"}, QStringLiteral("Tables (*.brd *.csv)")},
        };
        for (const Case& c : cases)
            QCOMPARE(QtFilterText(c.filter), c.expected);
    }

    void aboutBoxAndHelpPage() {
        CAboutDlg about;
        QVERIFY(about.m_mail1->isReadOnly() && about.m_mail2->isReadOnly());
        QVERIFY(about.m_mail1->text().contains(u'@'));
        QVERIFY(about.m_mail2->text().contains(u'@'));
        QVERIFY(about.m_mail1->text() != about.m_mail2->text());
        QVERIFY(!about.m_notice->toPlainText().isEmpty());

        const QString help = CHelpDialog::PageHtml();
        QVERIFY(help.contains(QStringLiteral("Ctrl+O")));
        QVERIFY(help.contains(QStringLiteral("Shift+Del")));
        QVERIFY(help.contains(QStringLiteral("Line Palette")));
        QVERIFY(help.contains(QStringLiteral("--text-format")));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
