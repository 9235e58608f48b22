// The habits of a desktop application: the modified mark of the title, Ctrl+A, F2 and Ctrl+Q,
// message boxes, the CSV-or-tab question, the file dialog's memory and radio groups.

#include "FakePlatform.h"
#include "FileTypeDialog.h"
#include "GridWidget.h"
#include "InPlaceEdit.h"
#include "MainWindow.h"
#include "QtDeviceContext.h"
#include "QtFileDialog.h"
#include "QtMessageBox.h"
#include "RadioGroup.h"
#include "Resource.h"
#include "SourcePreviewDlg.h"
#include "SplashWindow.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Runs check on the first modal dialog of type T once it shows, then closes it.
template <class T> void WhenShown(const std::function<void(T&)>& check) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, check] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            check(*dialog);
            dialog->reject();
        }
    });
    timer->start();
}

} // namespace

class DesktopHabitsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CFakeMessageBox> m_messageBox;
    std::unique_ptr<CFakeFileDialog> m_fileDialog;
    std::unique_ptr<CFakeFileTypeQuestion> m_fileType;
    std::unique_ptr<CMainFrame> m_frame;

    CMyDoc& Doc() { return m_frame->Document(); }
    CGridWidget* Grid() { return m_frame->Grid(); }
    static QWidget* Focus() { return QApplication::focusWidget(); }
    void Key(int key, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(Focus(), Qt::Key(key), mods);
    }

private slots:
    void init() {
        m_messageBox = std::make_unique<CFakeMessageBox>();
        m_fileDialog = std::make_unique<CFakeFileDialog>();
        m_fileType = std::make_unique<CFakeFileTypeQuestion>();
        CSplashWnd::EnableSplash(false);
        m_frame = std::make_unique<CMainFrame>(*m_messageBox, *m_fileDialog, *m_fileType);
        QVERIFY(m_frame->Start({}));
        m_frame->show();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        Grid()->setFocus();
    }
    void cleanup() {
        Doc().SetModifiedFlag(false);
        m_frame.reset();
    }

    void titleMarksUnsavedChangesUntilTheSave() {
        QVERIFY(m_frame->windowTitle().contains(QStringLiteral("[*]")));
        QVERIFY(!m_frame->isWindowModified());
        QTest::keyClicks(Focus(), QStringLiteral("x"));
        Key(Qt::Key_Return);
        QVERIFY(Doc().IsModified());
        QVERIFY(m_frame->isWindowModified());

        QTemporaryDir dir;
        m_fileDialog->AnswerPath(dir.filePath(QStringLiteral("saved.brd")).toStdString());
        QVERIFY(m_frame->RunCommand(ID_FILE_SAVE));
        QVERIFY(!Doc().IsModified());
        QVERIFY(!m_frame->isWindowModified());
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("saved.brd[*] - Visual Brindle R1.5"));
    }

    void ctrlASelectsTheWholeTable() {
        Key(Qt::Key_Right);
        Key(Qt::Key_Down);
        Key(Qt::Key_A, Qt::ControlModifier);
        const CGridSelection& sel = m_frame->View().Selection();
        QCOMPARE(sel.Normalized(), (CCellRect{1, 1, 250, 250}));
        // The top left stays in sight.
        QCOMPARE(sel.CursorCol(), 1);
        QCOMPARE(sel.CursorRow(), 1);
        QCOMPARE(m_frame->View().Geometry().FirstCol(), 0);
        QVERIFY(Doc().m_cells.GetCell(1, 1) == nullptr);
        // A plain move collapses it again.
        Key(Qt::Key_Right);
        QCOMPARE(m_frame->View().Selection().Normalized(), (CCellRect{2, 1, 2, 1}));
    }

    void f2EditsTheCursorCellAndKeepsItsPlacementAndSpan_data() {
        QTest::addColumn<int>("endKey");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("modified");
        QTest::newRow("Enter keeps the edit") << int(Qt::Key_Return) << "ab+" << true;
        QTest::newRow("Tab keeps the edit") << int(Qt::Key_Tab) << "ab+" << true;
        QTest::newRow("Esc leaves the cell") << int(Qt::Key_Escape) << "ab" << false;
    }
    void f2EditsTheCursorCellAndKeepsItsPlacementAndSpan() {
        QFETCH(int, endKey);
        QFETCH(QString, expected);
        QFETCH(bool, modified);
        CCellData rec;
        rec.text = "ab";
        rec.SetHplace(0);
        rec.SetColspan(2);
        Doc().m_cells.SetCell(2, 2, rec);
        Doc().m_bContentsReplaced = true;
        Doc().SetModifiedFlag(false);
        m_frame->View().OnUpdate();
        Grid()->Image(); // the span map takes the table
        QCOMPARE(m_frame->View().SpanMap().GetOrigin(3, 2), std::make_pair(2, 2));
        // The cursor onto the covered half of the span.
        for (int i = 0; i < 2; ++i)
            Key(Qt::Key_Right);
        Key(Qt::Key_Down);
        QCOMPARE(m_frame->View().Selection().CursorCol(), 3);

        Key(Qt::Key_F2);
        CInPlaceEdit* edit = Grid()->InPlaceEditor();
        QVERIFY(edit);
        QCOMPARE(edit->text(), QStringLiteral("ab"));
        QCOMPARE(edit->cursorPosition(), 2);
        QCOMPARE(edit->width(), 200); // over the whole span
        QTest::keyClicks(Focus(), QStringLiteral("+"));
        Key(endKey);
        QVERIFY(!Grid()->InPlaceEditor());

        const CCellData* cell = Doc().m_cells.GetCell(2, 2);
        QVERIFY(cell);
        QCOMPARE(QString::fromStdString(cell->text), expected);
        QCOMPARE(int(cell->hplace), 0);
        QCOMPARE(int(cell->colspan), 2);
        QCOMPARE(Doc().IsModified(), modified);
    }

    void f2OnAnEmptyCellOpensAnEmptyEditor() {
        Key(Qt::Key_F2);
        QVERIFY(Grid()->InPlaceEditor());
        QCOMPARE(Grid()->InPlaceEditor()->text(), QString());
        // The in-place editor shows the grid's font at the grid's size.
        const QFont grid = CQtDeviceContext::MakeFont(m_frame->View().Renderer().Font());
        QCOMPARE(Grid()->InPlaceEditor()->font().family(), grid.family());
        QCOMPARE(Grid()->InPlaceEditor()->font().pixelSize(), grid.pixelSize());
        Key(Qt::Key_Escape);
        QVERIFY(!Doc().IsModified());
        QVERIFY(Doc().m_cells.GetCell(1, 1) == nullptr);
    }

    void ctrlQAsksTheSaveQuestionOfTheCloseBox() {
        bool closed = false;
        connect(m_frame.get(), &CMainFrame::closeAccepted, this, [&closed] { closed = true; });
        Doc().SetModifiedFlag(true);
        m_messageBox->answers = {MsgAnswer::Cancel};
        Key(Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(m_messageBox->shown.size(), size_t(1));
        QCOMPARE(m_messageBox->shown[0].text, std::string("Save changes to Untitled?"));
        QCOMPARE(m_messageBox->shown[0].buttons, MsgButtons::YesNoCancel);
        QVERIFY(!closed);
        QVERIFY(m_frame->isVisible());

        m_messageBox->answers = {MsgAnswer::No};
        Key(Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(m_messageBox->shown.size(), size_t(2));
        QVERIFY(closed);
    }

    void messageBoxShowsItsWholeTitle() {
        CQtMessageBox box(m_frame.get());
        int width = 0, needed = 0;
        WhenShown<QMessageBox>([&](QMessageBox& shown) {
            width = shown.width();
            needed = shown.fontMetrics().horizontalAdvance(shown.windowTitle());
        });
        box.Show("OK", MsgIcon::Exclamation, MsgButtons::Ok);
        QVERIFY2(width > needed + 100,
                 qPrintable(QStringLiteral("%1 for %2").arg(width).arg(needed)));
    }

    void csvOrTabQuestionSaysWhatItAsks() {
        CFileTypeDlg dialog(m_frame.get());
        auto* question = dialog.findChild<QLabel*>(QStringLiteral("question"));
        QVERIFY(question);
        QVERIFY(!question->text().contains(u'\n'));
        QVERIFY(question->text().contains(QStringLiteral("CSV")));
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("csvButton"))->text(),
                 QStringLiteral("CSV形式(&C)"));
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("tabButton"))->text(),
                 QStringLiteral("Tab 形式(&T)"));
        QCOMPARE(dialog.findChildren<QPushButton*>().size(), 2);
    }

    // The size and the folder come back at the next dialog; the settings go under
    // XDG_CONFIG_HOME, which ctest points into the build tree.
    void fileDialogRemembersItsSizeAndFolder() {
        QTemporaryDir dir;
        {
            QSettings settings(QStringLiteral("KESTA"), QStringLiteral("Visual Brindle"));
            QVERIFY(settings.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
            settings.remove(QStringLiteral("FileDialog"));
        }
        CQtFileDialog files(m_frame.get());
        CFileDialogRequest request;
        request.kind = CFileDialogRequest::Open;
        request.filters = {{"<Brindle>形式 (*.brd)", "*.brd"}};
        QSize first;
        WhenShown<QFileDialog>([&](QFileDialog& shown) {
            first = shown.size();
            shown.resize(900, 600);
            shown.setDirectory(dir.path());
        });
        QCOMPARE(files.Run(request).outcome, CFileDialogResult::Cancel);
        QVERIFY2(first.width() >= 800, qPrintable(QString::number(first.width())));

        QSize second;
        QString folder;
        WhenShown<QFileDialog>([&](QFileDialog& shown) {
            second = shown.size();
            folder = shown.directory().absolutePath();
        });
        files.Run(request);
        QCOMPARE(second, QSize(900, 600));
        QCOMPARE(folder, QDir(dir.path()).absolutePath());
    }

    void tabStopsAtTheCheckedRadioButton() {
        QWidget form;
        auto* layout = new QVBoxLayout(&form);
        auto* before = new QLineEdit(&form);
        QButtonGroup* group = nullptr;
        layout->addWidget(before);
        layout->addWidget(
            NewRadioGroup(QStringLiteral("Group"),
                          {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, group,
                          &form, "radio"));
        auto* after = new QLineEdit(&form);
        layout->addWidget(after);
        SetRadio(group, 2);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(Focus(), group->button(2));
        QTest::keyClick(Focus(), Qt::Key_Tab);
        QCOMPARE(Focus(), after);
        QTest::keyClick(Focus(), Qt::Key_Backtab);
        QCOMPARE(Focus(), group->button(2));
        // The arrows still move within the group and check as they go.
        QTest::keyClick(Focus(), Qt::Key_Up);
        QCOMPARE(Focus(), group->button(1));
        QVERIFY(group->button(1)->isChecked());
        QTest::keyClick(Focus(), Qt::Key_Backtab);
        QCOMPARE(Focus(), before);
        QTest::keyClick(Focus(), Qt::Key_Tab);
        QCOMPARE(Focus(), group->button(1));
    }

    void previewShowsTheSourceInAFixedWidthFont() {
        CSourcePreviewData data;
        data.m_text = "\\begin{tabular}{|c|}\r\n";
        CFakeClipboard clipboard;
        CSourcePreviewDlg dialog(data, clipboard, *m_messageBox,
                                 [](const std::string&) { return true; });
        auto* edit = dialog.findChild<QPlainTextEdit*>(QStringLiteral("source"));
        QVERIFY(edit);
        QCOMPARE(edit->font(), QFontDatabase::systemFont(QFontDatabase::FixedFont));
    }
};

QTEST_MAIN(DesktopHabitsTest)
#include "desktop_habits_test.moc"
