// The rendered preview panel of the main window under the offscreen platform: it opens from
// the View menu, F7 and its toolbar button, follows edits with new pictures, keeps the grid
// responsive while TeX runs, shows TeX errors and HTML, and comes back open.

#include "FakePlatform.h"
#include "GridWidget.h"
#include "MainWindow.h"
#include "QtProfileStore.h"
#include "RenderPanel.h"
#include "Resource.h"
#include "SplashWindow.h"
#include "TypeKeys.h"

#include "CellArray.h"
#include "Generator.h"
#include "LineArray.h"

#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QToolBar>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace {

using namespace std::chrono_literals;

bool HavePdflatex() {
    return !FindOnPath("pdflatex", qEnvironmentVariable("PATH").toStdString()).empty();
}

// Number of pixel rows of an image that are mostly dark: the rules of a typeset table.
int DarkRows(const QImage& image) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        int dark = 0;
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
        rows += dark > image.width() / 2;
    }
    return rows;
}

// A render that takes until it is cancelled (or ten seconds), counting its calls.
struct CSlowRender {
    std::shared_ptr<std::atomic<int>> calls = std::make_shared<std::atomic<int>>(0);
    std::shared_ptr<std::atomic<int>> cancelled = std::make_shared<std::atomic<int>>(0);

    CRenderPanel::RenderFunction Function() const {
        return [calls = calls, cancelled = cancelled](const CRenderSource&, const CRenderSettings&,
                                                      const CRenderCancel* cancel) {
            ++*calls;
            const auto end = std::chrono::steady_clock::now() + 10s;
            while (std::chrono::steady_clock::now() < end) {
                if (cancel && cancel->IsCancelled()) {
                    ++*cancelled;
                    CRenderResult r;
                    r.status = RenderStatus::Cancelled;
                    return r;
                }
                std::this_thread::sleep_for(5ms);
            }
            CRenderResult r;
            r.status = RenderStatus::Ok;
            r.picture = {2, 2, 144, std::vector<std::uint8_t>(12, 0)};
            return r;
        };
    }
};

} // namespace

class RenderPanelTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CFakeMessageBox> m_messageBox;
    std::unique_ptr<CFakeFileDialog> m_fileDialog;
    std::unique_ptr<CFakeFileTypeQuestion> m_fileType;

    // A main window on a new table, shown and active, the grid with the focus.
    std::unique_ptr<CMainFrame> StartFrame(IProfileStore* store = nullptr) {
        auto frame = std::make_unique<CMainFrame>(*m_messageBox, *m_fileDialog, *m_fileType);
        if (store)
            frame->UseSettings(*store);
        if (!frame->Start({}))
            return nullptr;
        frame->resize(1000, 500);
        frame->show();
        frame->activateWindow();
        if (!QTest::qWaitForWindowActive(frame.get()))
            return nullptr;
        frame->Grid()->setFocus();
        return frame;
    }

    // Types text into the cursor cell and stores it with Enter (the cursor moves down).
    static void TypeCell(const QString& text) {
        TypeLikeAPerson(text);
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key_Return);
    }

    // Opens the panel through the View menu's action and waits for its first result.
    static CRenderPanel* OpenPanel(CMainFrame& frame, int target) {
        CRenderPanel* panel = frame.RenderPanel();
        if (!panel)
            return nullptr;
        panel->SetTarget(target);
        panel->SetPause(50ms);
        QSignalSpy shown(panel, &CRenderPanel::resultShown);
        frame.Action(ID_VIEW_RENDER_PREVIEW)->trigger();
        // The HTML layout is on show before the action returns.
        if (!panel->isVisible() || (shown.isEmpty() && !shown.wait(30000)))
            return nullptr;
        return panel;
    }

private slots:
    void init() {
        m_messageBox = std::make_unique<CFakeMessageBox>();
        m_fileDialog = std::make_unique<CFakeFileDialog>();
        m_fileType = std::make_unique<CFakeFileTypeQuestion>();
        delete g_pSplashWnd;
        CSplashWnd::EnableSplash(false);
    }

    void menuF7AndToolbarOpenAndCloseThePanel() {
        auto frame = StartFrame();
        QVERIFY(frame);
        CRenderPanel* panel = frame->RenderPanel();
        QVERIFY(panel);
        QVERIFY(panel->isHidden());
        panel->SetRenderFunction(CSlowRender().Function());
        QAction* action = frame->Action(ID_VIEW_RENDER_PREVIEW);
        QVERIFY(action);
        QCOMPARE(action->text(), QStringLiteral("&Rendered preview"));
        QCOMPARE(action->shortcut(), QKeySequence(Qt::Key_F7));
        QVERIFY(frame->m_wndToolBar->actions().contains(action));
        QVERIFY(!action->icon().isNull());

        QTest::keyClick(frame->Grid(), Qt::Key_F7);
        QVERIFY(panel->isVisible());
        frame->UpdateCommandUi();
        QVERIFY(action->isChecked());
        QVERIFY2(frame->Grid()->hasFocus(), "the grid keeps the keyboard");
        QCOMPARE(frame->dockWidgetArea(panel), Qt::RightDockWidgetArea);

        QTest::keyClick(frame->Grid(), Qt::Key_F7);
        QVERIFY(panel->isHidden());
        frame->UpdateCommandUi();
        QVERIFY(!action->isChecked());

        // The panel's own close button hides it too; the check mark follows.
        action->trigger();
        QVERIFY(panel->isVisible());
        panel->close();
        frame->UpdateCommandUi();
        QVERIFY(!action->isChecked());
    }

    void anEditEndsWithANewPictureOfTheTable() {
        if (!HavePdflatex())
            QSKIP("pdflatex is not installed (Debian package texlive-latex-base)");
        auto frame = StartFrame();
        QVERIFY(frame);
        TypeCell(QStringLiteral("Ab"));
        CRenderPanel* panel = OpenPanel(*frame, TARGET_TABULAR);
        QVERIFY(panel);
        QCOMPARE(panel->Showing(), CRenderPanel::Shown::Picture);
        const QImage before = panel->Picture();
        QVERIFY(!before.isNull());
        QCOMPARE(DarkRows(before), 0);

        // A double frame around the used area: four rule rows above and below, as pictures go.
        QSignalSpy shown(panel, &CRenderPanel::resultShown);
        frame->View().SelectAll();
        frame->RunCommand(ID_LINE_DOUBLE_FRAME);
        QVERIFY(shown.wait(30000));
        QCOMPARE(panel->Showing(), CRenderPanel::Shown::Picture);
        QVERIFY(panel->Picture() != before);
        QVERIFY2(DarkRows(panel->Picture()) >= 4,
                 qPrintable(QString::number(DarkRows(panel->Picture()))));
        QVERIFY(panel->Picture().height() > before.height());
    }

    void tenQuickEditsStartAtMostTwoRenders() {
        if (!HavePdflatex())
            QSKIP("pdflatex is not installed (Debian package texlive-latex-base)");
        auto frame = StartFrame();
        QVERIFY(frame);
        CRenderPanel* panel = OpenPanel(*frame, TARGET_TABULAR);
        QVERIFY(panel);
        // The real compile, counted.
        auto calls = std::make_shared<std::atomic<int>>(0);
        panel->SetRenderFunction(
            [calls](const CRenderSource& s, const CRenderSettings& st, const CRenderCancel* c) {
                ++*calls;
                return Render(s, st, c);
            });
        panel->SetPause(250ms);
        const std::uint64_t started = panel->RendersStarted();
        for (int i = 0; i < 10; ++i) {
            TypeCell(QString::number(i));
            QTest::qWait(20);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!panel->IsBusy(), 30000);
        QVERIFY2(*calls >= 1 && *calls <= 2, qPrintable(QString::number(calls->load())));
        QVERIFY(panel->RendersStarted() - started <= 2);
        QCOMPARE(panel->Showing(), CRenderPanel::Shown::Picture);
    }

    void theGridAnswersKeysWhileTexRuns() {
        auto frame = StartFrame();
        QVERIFY(frame);
        CRenderPanel* panel = frame->RenderPanel();
        CSlowRender slow;
        panel->SetRenderFunction(slow.Function());
        panel->SetPause(0ms);
        frame->RunCommand(ID_VIEW_RENDER_PREVIEW);
        QTRY_COMPARE(slow.calls->load(), 1);
        QVERIFY(panel->IsBusy());
        QVERIFY(panel->findChild<QLabel*>(QStringLiteral("renderBusy"))->isVisible());

        // Handled at once: the cursor has moved when the key press returns.
        const int row = frame->View().Selection().CursorRow();
        QTest::keyClick(frame->Grid(), Qt::Key_Down);
        QCOMPARE(frame->View().Selection().CursorRow(), row + 1);
        QVERIFY2(panel->IsBusy(), "the compile still runs");

        // A newer render abandons the running one.
        TypeCell(QStringLiteral("x"));
        QTRY_COMPARE(slow.calls->load(), 2);
        QTRY_COMPARE(slow.cancelled->load(), 1);

        // Closing the panel abandons the compile; the window goes without waiting for it.
        frame->RunCommand(ID_VIEW_RENDER_PREVIEW);
        QTRY_COMPARE(slow.cancelled->load(), 2);
        QVERIFY(!panel->IsBusy());
        frame.reset();
    }

    void aTexErrorShowsItsLinesAndTheSourceLine() {
        if (!HavePdflatex())
            QSKIP("pdflatex is not installed (Debian package texlive-latex-base)");
        auto frame = StartFrame();
        QVERIFY(frame);
        TypeCell(QStringLiteral("ok"));
        TypeCell(QStringLiteral("{x"));
        CRenderPanel* panel = OpenPanel(*frame, TARGET_TABULAR);
        QVERIFY(panel);
        QCOMPARE(panel->Showing(), CRenderPanel::Shown::Message);
        const QString text = panel->MessageText();
        // The message, TeX's own lines, and the generated line TeX stopped at (the end of
        // the environment, where the brace is still open).
        QVERIFY2(text.startsWith(QStringLiteral("TeX error in line ")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Missing } inserted")), qPrintable(text));
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("\\nSource line [0-9]+: "
                                                                 "\\\\end\\{tabular\\}$"))),
                 qPrintable(text));
    }

    void htmlIsLaidOutInThePanel() {
        auto frame = StartFrame();
        QVERIFY(frame);
        CMyDoc& doc = frame->Document();
        CCellData a, b;
        a.text = "a";
        b.text = "b";
        doc.m_cells.SetCell(1, 1, a);
        doc.m_cells.SetCell(2, 2, b);
        doc.SetModifiedFlag();
        frame->View().OnUpdate();
        frame->View().Generation().Options().BorderHTML = 1;
        CRenderPanel* panel = OpenPanel(*frame, TARGET_HTML);
        QVERIFY(panel);
        QCOMPARE(panel->Showing(), CRenderPanel::Shown::Html);
        QTextDocument* page = panel->HtmlView()->document();
        QTextTable* table = nullptr;
        for (QTextFrame* f : page->rootFrame()->childFrames())
            if ((table = qobject_cast<QTextTable*>(f)))
                break;
        QVERIFY(table);
        QCOMPARE(table->rows(), 2);
        QCOMPARE(table->columns(), 2);
        QVERIFY(table->format().border() > 0);
        // The rows' ALIGN="center" reaches the cells.
        QCOMPARE(table->cellAt(1, 1).firstCursorPosition().blockFormat().alignment() &
                     Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
        QVERIFY(page->toPlainText().contains(QLatin1Char('b')));

        // A region beyond what the user interface thread lays out gets a message.
        QSignalSpy shown(panel, &CRenderPanel::resultShown);
        frame->View().SelectAll();
        QVERIFY(shown.wait(5000));
        QCOMPARE(panel->Showing(), CRenderPanel::Shown::Message);
        QVERIFY(panel->MessageText().contains(QStringLiteral("62500")));
    }

    void htmlForTextBrowser_data() {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("expected");
        QTest::newRow("row placement to cells without their own")
            << "<TR ALIGN=\"center\"> <TD>a</TD> <TD ALIGN=\"left\">b</TD> </TR>"
            << "<TR ALIGN=\"center\"> <TD ALIGN=\"center\" VALIGN=\"middle\">a</TD> <TD "
               "ALIGN=\"left\" VALIGN=\"middle\">b</TD> </TR>";
        QTest::newRow("VALIGN is not ALIGN")
            << "<TR VALIGN=\"top\"><TD VALIGN=\"bottom\">a</TD><TD COLSPAN=\"2\">b</TD></TR>"
            << "<TR VALIGN=\"top\"><TD VALIGN=\"bottom\">a</TD><TD COLSPAN=\"2\" "
               "VALIGN=\"top\">b</TD></TR>";
        QTest::newRow("the placement ends with its row")
            << "<TR ALIGN=\"right\"><TD>a</TD></TR><TR><TD>b</TD></TR>"
            << "<TR ALIGN=\"right\"><TD ALIGN=\"right\" VALIGN=\"middle\">a</TD></TR><TR><TD "
               "VALIGN=\"middle\">b</TD></TR>";
        QTest::newRow("bare BORDER") << "<TABLE BORDER>"
                                     << "<TABLE BORDER=\"1\">";
        QTest::newRow("BORDER with a value") << "<TABLE BORDER=\"3\">"
                                             << "<TABLE BORDER=\"3\">";
        QTest::newRow("texts untouched") << "<P>x &lt;TR&gt; y</P>"
                                         << "<P>x &lt;TR&gt; y</P>";
    }
    void htmlForTextBrowser() {
        QFETCH(QString, html);
        QFETCH(QString, expected);
        QCOMPARE(CRenderPanel::HtmlForTextBrowser(html), expected);
    }

    void thePanelComesBackOpen() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("store.ini"));
        {
            CQtProfileStore store(ini);
            auto frame = StartFrame(&store);
            QVERIFY(frame);
            QVERIFY(frame->RenderPanel()->isHidden());
            frame->RenderPanel()->SetRenderFunction(CSlowRender().Function());
            frame->RunCommand(ID_VIEW_RENDER_PREVIEW);
            QVERIFY(frame->close());
        }
        QCOMPARE(QSettings(ini, QSettings::IniFormat)
                     .value(QStringLiteral("BrindleDesktop/PreviewPanel"))
                     .toInt(),
                 1);
        {
            CQtProfileStore store(ini);
            auto frame = StartFrame(&store);
            QVERIFY(frame);
            QVERIFY(!frame->RenderPanel()->isHidden());
            frame->RenderPanel()->SetRenderFunction(CSlowRender().Function());
            frame->RunCommand(ID_VIEW_RENDER_PREVIEW);
            // Gone without a close: the window's end records it too.
        }
        CQtProfileStore store(ini);
        auto frame = StartFrame(&store);
        QVERIFY(frame);
        QVERIFY(frame->RenderPanel()->isHidden());
    }
};

QTEST_MAIN(RenderPanelTest)
#include "render_panel_test.moc"
