// Cut, copy and paste in the main window under the offscreen platform: the clipboard block
// through the keys, the plain text exchange through the real QClipboard.

#include "FakePlatform.h"
#include "GridWidget.h"
#include "MainWindow.h"
#include "Resource.h"
#include "SplashWindow.h"
#include "TypeKeys.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

#include <memory>

namespace {

// "日本語" and "表" in code page 932.
const std::string JAPANESE_CP932 = "\x93\xfa\x96\x7b\x8c\xea";
const std::string HYOU_CP932 = "\x95\x5c";

} // namespace

class ClipboardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CFakeMessageBox> m_box;
    std::unique_ptr<CFakeFileDialog> m_fileDialog;
    std::unique_ptr<CFakeFileTypeQuestion> m_fileType;
    std::unique_ptr<CMainFrame> m_frame;

    CMyDoc& Doc() { return m_frame->Document(); }
    CMyView& View() { return m_frame->View(); }
    std::string TextAt(int c, int r) {
        const CCellData* rec = Doc().m_cells.GetCell(c, r);
        return rec ? rec->text : std::string("(none)");
    }
    void Put(int c, int r, const std::string& text) {
        CCellData rec;
        rec.text = text;
        Doc().m_cells.SetCell(c, r, rec);
    }
    // A click on cell (c, r); columns 100 wide, rows 40 high.
    void Click(int c, int r, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(m_frame->Grid(), Qt::LeftButton, modifiers,
                          QPoint(50 + 100 * (c - 1) + 30, 25 + 40 * (r - 1) + 20));
    }
    // A key where the focus is, as typing does.
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, key, modifiers);
    }
    // A menu command, as a click on its menu item.
    void Menu(int id) {
        m_frame->UpdateCommandUi();
        QAction* action = m_frame->Action(id);
        QVERIFY(action);
        QVERIFY(action->isEnabled());
        action->trigger();
    }

private slots:
    void init() {
        m_box = std::make_unique<CFakeMessageBox>();
        m_fileDialog = std::make_unique<CFakeFileDialog>();
        m_fileType = std::make_unique<CFakeFileTypeQuestion>();
        delete g_pSplashWnd;
        CSplashWnd::EnableSplash(false);
        m_frame = std::make_unique<CMainFrame>(*m_box, *m_fileDialog, *m_fileType);
        QVERIFY(m_frame->Start({}));
        m_frame->show();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        m_frame->Grid()->setFocus();
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { m_frame.reset(); }

    void plainTextCopyThenPasteThroughTheSystemClipboard() {
        Put(1, 1, JAPANESE_CP932);
        Put(2, 1, "42");
        Put(1, 2, "a,b");
        View().NormalizeSpans();
        // (1, 1)-(3, 2) with Shift and the arrow keys.
        Click(1, 1);
        Key(Qt::Key_Right, Qt::ShiftModifier);
        Key(Qt::Key_Right, Qt::ShiftModifier);
        Key(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(View().Selection().Normalized(), (CCellRect{1, 1, 3, 2}));

        Menu(ID_COPY_PLAIN_TEXT);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("日本語\t42\r\na,b\r\n"));
        Menu(ID_COPY_PLAIN_CSV);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("日本語,42\r\n\"a,b\"\r\n"));

        Click(2, 4);
        Menu(ID_PASTE_PLAIN_CSV);
        QCOMPARE(TextAt(2, 4), JAPANESE_CP932);
        QCOMPARE(TextAt(3, 4), std::string("42"));
        QCOMPARE(TextAt(2, 5), std::string("a,b"));
        QVERIFY(m_box->shown.empty());
        // One undo takes the paste back.
        Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(TextAt(2, 4), std::string("(none)"));
        QCOMPARE(TextAt(1, 1), JAPANESE_CP932);
    }

    // What a spreadsheet of this desktop puts there: UTF-8, tab-separated, LF after each row.
    void textOfAnotherProgramPastesAsCells() {
        QGuiApplication::clipboard()->setText(QStringLiteral("日本語\t42\t\n表\t\t3.5\n\t空\tx\n"));
        Click(2, 2);
        Menu(ID_PASTE_PLAIN_TEXT);
        QCOMPARE(TextAt(2, 2), JAPANESE_CP932);
        QCOMPARE(TextAt(3, 2), std::string("42"));
        QCOMPARE(TextAt(4, 2), std::string("(none)"));
        QCOMPARE(TextAt(2, 3), HYOU_CP932);
        QCOMPARE(TextAt(3, 3), std::string("(none)"));
        QCOMPARE(TextAt(4, 3), std::string("3.5"));
        QCOMPARE(TextAt(2, 4), std::string("(none)"));
        QCOMPARE(TextAt(3, 4), std::string("\x8b\xf3"));
        QCOMPARE(TextAt(4, 4), std::string("x"));
        QCOMPARE(TextAt(2, 5), std::string("(none)"));
        QVERIFY(Doc().IsModified());
    }

    void unconvertibleCharacterIsRefused() {
        Put(1, 1, "keep");
        View().NormalizeSpans();
        QGuiApplication::clipboard()->setText(QStringLiteral("new\tsmile \U0001F600\n"));
        Click(1, 1);
        Menu(ID_PASTE_PLAIN_TEXT);
        QCOMPARE(m_box->shown.size(), size_t(1));
        QVERIFY2(
            QString::fromStdString(m_box->shown[0].text).contains(QStringLiteral("「\U0001F600」")),
            m_box->shown[0].text.c_str());
        QCOMPARE(TextAt(1, 1), std::string("keep"));
        QCOMPARE(TextAt(2, 1), std::string("(none)"));
        m_frame->UpdateCommandUi();
        QVERIFY(!m_frame->Action(ID_EDIT_UNDO)->isEnabled());
    }

    // The clipboard block through the keys of the Edit menu, typed as a person would.
    void editKeysCopyPasteCutAndDelete() {
        Click(1, 1);
        TypeLikeAPerson("A$");
        Key(Qt::Key_Return); // stores and moves to (1, 2)
        QTRY_COMPARE(View().Selection().CursorRow(), 2);
        TypeLikeAPerson("b");
        Key(Qt::Key_Return);
        QTRY_COMPARE(View().Selection().CursorRow(), 3);
        QCOMPARE(TextAt(1, 1), std::string("A$"));
        QCOMPARE(TextAt(1, 2), std::string("b"));
        m_frame->UpdateCommandUi();
        QVERIFY(!m_frame->Action(ID_EDIT_PASTE)->isEnabled());

        Click(1, 1);
        Key(Qt::Key_Down, Qt::ShiftModifier);
        Key(Qt::Key_C, Qt::ControlModifier);
        Click(3, 3);
        Key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(TextAt(3, 3), std::string("A$"));
        QCOMPARE(TextAt(3, 4), std::string("b"));
        Click(5, 1);
        Key(Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(TextAt(5, 2), std::string("b"));

        // Delete keeps the lines; Shift+Delete cuts and Ctrl+Z brings the cell back.
        Doc().m_hLines.SetLine(3, 3, LINE_DOUBLE);
        Click(3, 3);
        Key(Qt::Key_Delete);
        QCOMPARE(TextAt(3, 3), std::string("(none)"));
        QCOMPARE(int(Doc().m_hLines.GetLine(3, 3)), int(LINE_DOUBLE));
        Click(3, 4);
        Key(Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(TextAt(3, 4), std::string("(none)"));
        Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(TextAt(3, 4), std::string("b"));
        // The cut cell is the block now.
        Click(4, 5);
        Key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(TextAt(4, 5), std::string("b"));
        QCOMPARE(TextAt(4, 6), std::string("(none)"));
    }

    // In the in-place editor the same keys edit its text, not the table.
    void editKeysBelongToTheOpenEditor() {
        Put(1, 1, "cell");
        View().NormalizeSpans();
        Click(2, 2);
        TypeLikeAPerson("xy");
        QVERIFY(View().IsInPlaceEditorOpen());
        Key(Qt::Key_A, Qt::ControlModifier);
        Key(Qt::Key_C, Qt::ControlModifier);
        Key(Qt::Key_End);
        Key(Qt::Key_V, Qt::ControlModifier);
        Key(Qt::Key_Return);
        QCOMPARE(TextAt(2, 2), std::string("xyxy"));
        QCOMPARE(TextAt(1, 1), std::string("cell"));
        m_frame->UpdateCommandUi();
        QVERIFY(!m_frame->Action(ID_EDIT_PASTE)->isEnabled());
    }
};

QTEST_MAIN(ClipboardTest)
#include "clipboard_test.moc"
