#include "CellInputData.h"
#include "CellInputDlg.h"
#include "GridFixture.h"
#include "InPlaceEdit.h"
#include "Resource.h"
#include "TypeKeys.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWheelEvent>
#include <QtTest>

#include <memory>

namespace {

// "日本語" in code page 932.
const char JAPANESE_CP932[] = "\x93\xfa\x96\x7b\x8c\xea";

} // namespace

// Typing into the grid widget, the in-place editor, the double-click and the text input
// dialog. Columns 100 wide, rows 40 high: cell (c, r) starts at (50 + 100 (c - 1),
// 25 + 40 (r - 1)).
class EditTest : public QObject, protected CGridFixture {
    Q_OBJECT

    static QPoint CellPoint(int c, int r) {
        return {50 + 100 * (c - 1) + 30, 25 + 40 * (r - 1) + 20};
    }
    const CCellData* Cell(int c, int r) const { return m_doc->m_cells.GetCell(c, r); }
    void Click(int c, int r) {
        QTest::mouseClick(m_grid.get(), Qt::LeftButton, {}, CellPoint(c, r));
    }
    CInPlaceEdit* Editor() const { return m_grid->InPlaceEditor(); }
    // Keys go where the focus is, as typing does.
    static QWidget* Focus() { return QApplication::focusWidget(); }

private slots:
    void init() {
        NewDocument();
        ShowGrid(true);
        m_box.shown.clear();
    }
    void cleanup() { CloseGrid(); }

    void typingThenEnterStoresTheTextAndMovesDown() {
        Click(2, 3);
        // A capital first: its Shift reaches the grid, the letter opens the editor.
        TypeLikeAPerson("A");
        QVERIFY(Editor());
        QVERIFY(Editor()->hasFocus());
        QCOMPARE(Editor()->geometry(), QRect(150, 105, 100, 40));
        // The rest goes where the focus is: the editor.
        TypeLikeAPerson("b{C}");
        QCOMPARE(Editor()->text(), QString("Ab{C}"));
        QTest::keyClick(Focus(), Qt::Key_Return);
        QVERIFY(!Editor());
        QVERIFY(m_grid->hasFocus());
        QVERIFY(Cell(2, 3));
        QCOMPARE(QString::fromStdString(Cell(2, 3)->text), QString("Ab{C}"));
        QVERIFY(m_doc->IsModified());
        // The Enter reaches the view once the events are processed.
        QTRY_COMPARE(m_view->Selection().CursorRow(), 4);
        QCOMPARE(m_view->Selection().CursorCol(), 2);
    }

    // Shift (for capitals and the LaTeX characters), Shift+arrows and the other editing keys
    // stay in the editor; only Tab, Enter and Esc end it.
    void mixedCaseAndLatexCharactersLandWhole_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("capital in the middle") << QString("abcDef");
        QTest::newRow("LaTeX characters") << QString("x$y^2$ & {Z}");
        QTest::newRow("every shifted symbol") << QString("~!@#$%^&*()_+{}|:\"<>? A\\b");
    }
    void mixedCaseAndLatexCharactersLandWhole() {
        QFETCH(QString, typed);
        Click(2, 2);
        TypeLikeAPerson(typed);
        QVERIFY(Editor());
        QCOMPARE(Editor()->text(), typed);
        QTest::keyClick(Focus(), Qt::Key_Return);
        QVERIFY(!Editor());
        QVERIFY(Cell(2, 2));
        QCOMPARE(QString::fromStdString(Cell(2, 2)->text), typed);
    }

    void editingKeysStayInTheEditor() {
        Click(3, 2);
        TypeLikeAPerson("abcDef");
        // Shift+Left three times selects "Def"; what is typed next replaces it.
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(Focus(), Qt::Key_Left, Qt::ShiftModifier);
        QVERIFY(Editor());
        QCOMPARE(Editor()->selectedText(), QString("Def"));
        TypeLikeAPerson("G");
        QTest::keyClick(Focus(), Qt::Key_Home);
        TypeLikeAPerson("{");
        QTest::keyClick(Focus(), Qt::Key_End);
        QTest::keyClick(Focus(), Qt::Key_Backspace);
        TypeLikeAPerson("H}");
        QTest::keyClick(Focus(), Qt::Key_Home);
        QTest::keyClick(Focus(), Qt::Key_Delete);
        // Keys the line edit has no use for are not the grid's either while it is open.
        QTest::keyClick(Focus(), Qt::Key_Up);
        QTest::keyClick(Focus(), Qt::Key_Control);
        QTest::keyClick(Focus(), Qt::Key_Shift);
        QTest::keyClick(Focus(), Qt::Key_A, Qt::ControlModifier); // select all, in the editor
        QVERIFY(Editor());
        QCOMPARE(Editor()->selectedText(), QString("abcH}"));
        QTest::keyClick(Focus(), Qt::Key_End);
        QTest::keyClick(Focus(), Qt::Key_Tab);
        QVERIFY(!Editor());
        QVERIFY(Cell(3, 2));
        QCOMPARE(Cell(3, 2)->text, std::string("abcH}"));
        QTRY_COMPARE(m_view->Selection().CursorCol(), 4);
    }

    void inputMethodCommitBetweenLatinTextLandsWhole() {
        Click(1, 3);
        TypeLikeAPerson("Tex ");
        CommitThroughInputMethod(QString::fromUtf8("日本語"));
        TypeLikeAPerson(" $X_1$");
        QVERIFY(Editor());
        QTest::keyClick(Focus(), Qt::Key_Return);
        QVERIFY(Cell(1, 3));
        QCOMPARE(Cell(1, 3)->text, "Tex " + std::string(JAPANESE_CP932) + " $X_1$");
    }

    void escCancelsAndClickElsewhereCommits() {
        Click(1, 1);
        QTest::keyClick(m_grid.get(), Qt::Key_Z);
        QVERIFY(Editor());
        QTest::keyClick(Focus(), Qt::Key_Escape);
        QVERIFY(!Editor());
        QVERIFY(!Cell(1, 1));
        QVERIFY(!m_doc->IsModified());

        QTest::keyClick(m_grid.get(), Qt::Key_Q);
        QVERIFY(Editor());
        Click(4, 4);
        QVERIFY(!Editor());
        QVERIFY(Cell(1, 1));
        QCOMPARE(QString::fromStdString(Cell(1, 1)->text), QString("q"));
        QCOMPARE(m_view->Selection().CursorCol(), 4);
        QCOMPARE(m_view->Selection().CursorRow(), 4);
    }

    void editorCoversATwoByTwoSelection() {
        Click(2, 2);
        QTest::mousePress(m_grid.get(), Qt::LeftButton, {}, CellPoint(2, 2));
        QTest::mouseMove(m_grid.get(), CellPoint(3, 3));
        QTest::mouseRelease(m_grid.get(), Qt::LeftButton, {}, CellPoint(3, 3));
        QCOMPARE(m_view->Selection().Normalized(), (CCellRect{2, 2, 3, 3}));
        QTest::keyClick(m_grid.get(), Qt::Key_X);
        QVERIFY(Editor());
        QCOMPARE(Editor()->geometry(), QRect(150, 65, 200, 80));
        QTest::keyClick(Focus(), Qt::Key_Tab);
        QVERIFY(Cell(2, 2));
        QCOMPARE(Cell(2, 2)->colspan, 2);
        QCOMPARE(Cell(2, 2)->rowspan, 2);
        QTRY_COMPARE(m_view->Selection().CursorCol(), 4);
    }

    void inputMethodCommitLandsInTheEditor() {
        Click(3, 1);
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8("日本語"));
        QApplication::sendEvent(m_grid.get(), &commit);
        QVERIFY(Editor());
        QCOMPARE(Editor()->text(), QString::fromUtf8("日本語"));
        QTest::keyClick(Focus(), Qt::Key_Return);
        QVERIFY(Cell(3, 1));
        QCOMPARE(Cell(3, 1)->text, std::string(JAPANESE_CP932));
    }

    void compositionOpensTheEditorEmptyAndGoesOnThere() {
        Click(1, 2);
        QInputMethodEvent preedit(QString::fromUtf8("にほん"), {});
        QApplication::sendEvent(m_grid.get(), &preedit);
        QVERIFY(Editor());
        QCOMPARE(Editor()->text(), QString());
        QVERIFY(Editor()->hasFocus());
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8("日本"));
        QApplication::sendEvent(Editor(), &commit);
        QCOMPARE(Editor()->text(), QString::fromUtf8("日本"));
        // An empty event (no composition) opens nothing.
        QTest::keyClick(Focus(), Qt::Key_Escape);
        QInputMethodEvent empty;
        QApplication::sendEvent(m_grid.get(), &empty);
        QVERIFY(!Editor());
        QVERIFY(!Cell(1, 2));
    }

    void charactersOutsideCodePage932AreRefused() {
        Click(1, 1);
        QTest::keyClick(m_grid.get(), Qt::Key_A);
        QVERIFY(Editor());
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8("b\xF0\x9F\x98\x80")); // b and an emoji
        QApplication::sendEvent(Editor(), &commit);
        QCOMPARE(Editor()->text(), QString("a"));
        Editor()->insert(QString::fromUtf8("\xE2\x82\xAC")); // the euro sign
        QCOMPARE(Editor()->text(), QString("a"));
        Editor()->insert(QString::fromUtf8("\xE2\x91\xA0")); // circled one: in code page 932
        // "a", the circled one and 32766 double-byte characters fill 65535 bytes; one more
        // byte is refused.
        Editor()->insert(QString(32766, QChar(0x3042)));
        QCOMPARE(Editor()->text().size(), 32768);
        Editor()->insert(QString("x"));
        QCOMPARE(Editor()->text().size(), 32768);
        Editor()->setSelection(2, 32766);
        Editor()->del();
        QTest::keyClick(Focus(), Qt::Key_Return);
        QVERIFY(Cell(1, 1));
        QCOMPARE(Cell(1, 1)->text, std::string("a\x87\x40"));
    }

    void pressOnAScrollBarOrAWheelTurnEndsTheEditorFirst() {
        Click(2, 2);
        QTest::keyClick(m_grid.get(), Qt::Key_S);
        QVERIFY(Editor());
        QTest::mouseClick(m_grid->ScrollBar(ScrollBarKind::Vertical), Qt::LeftButton, {},
                          QPoint(5, 200));
        QVERIFY(!Editor());
        QVERIFY(Cell(2, 2));
        QCOMPARE(Cell(2, 2)->text, std::string("s"));

        Click(3, 2); // the page scrolled: a cell further down
        const int c = m_view->Selection().CursorCol();
        const int r = m_view->Selection().CursorRow();
        QTest::keyClick(m_grid.get(), Qt::Key_W);
        QVERIFY(Editor());
        QWheelEvent wheel(QPointF(300, 200), m_grid->mapToGlobal(QPointF(300, 200)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_grid.get(), &wheel);
        QVERIFY(!Editor());
        QVERIFY(Cell(c, r));
        QCOMPARE(Cell(c, r)->text, std::string("w"));

        // A grid that goes with the editor open leaves the view without one.
        QTest::keyClick(m_grid.get(), Qt::Key_G);
        QVERIFY(m_view->IsInPlaceEditorOpen());
        m_grid.reset();
        QVERIFY(!m_view->IsInPlaceEditorOpen());
    }

    void ctrlAndControlKeysOpenNothing() {
        QTest::keyClick(m_grid.get(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(m_grid.get(), Qt::Key_Escape);
        QTest::keyClick(m_grid.get(), Qt::Key_Return);
        QVERIFY(!Editor());
        QTRY_COMPARE(m_view->Selection().CursorRow(), 2);
    }

    void doubleClickRunsTheDialog() {
        int runs = 0;
        m_grid->SetCellInputRunner([&](CCellInputData& d) {
            ++runs;
            d.m_text = "dbl";
            return true;
        });
        QTest::mouseDClick(m_grid.get(), Qt::LeftButton, {}, CellPoint(3, 4));
        QCOMPARE(m_view->Selection().CursorCol(), 3);
        QCOMPARE(m_view->Selection().CursorRow(), 4);
        QTRY_COMPARE(runs, 1);
        QVERIFY(Cell(3, 4));
        QCOMPARE(Cell(3, 4)->text, std::string("dbl"));

        // With the editor open a double-click stores the text and is a single press.
        QTest::keyClick(m_grid.get(), Qt::Key_E);
        QVERIFY(Editor());
        const QPoint at = CellPoint(5, 5);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, at, m_grid->mapToGlobal(at), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_grid.get(), &dbl);
        QVERIFY(!Editor());
        QCOMPARE(Cell(3, 4)->text, std::string("e"));
        QCOMPARE(m_view->Selection().CursorCol(), 5);
        QCOMPARE(m_view->Selection().CursorRow(), 5);
        QTest::qWait(20);
        QCOMPARE(runs, 1);
    }

    void realDialogAnsweredThroughItsControls() {
        Click(2, 2);
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto* input = dynamic_cast<CCellInputDlg*>(QApplication::activeModalWidget());
            if (!input)
                return;
            seen = true;
            input->TextBox()->setPlainText(QString::fromUtf8("一\n二"));
            input->HplaceGroup()->button(2)->click();
            input->OkButton()->click();
        });
        m_view->OnCommand(ID_CELL_INPUT);
        QVERIFY(seen);
        QVERIFY(Cell(2, 2));
        QCOMPARE(Cell(2, 2)->text, std::string("\x88\xea\r\n\x93\xf1"));
        QCOMPARE(Cell(2, 2)->hplace, 2);
    }

    void dialogLooksAsItShould() {
        CCellInputData data;
        data.m_colspan = 3;
        data.m_rowspan = 2;
        data.m_maxColspan = 3;
        data.m_maxRowspan = 249;
        data.m_hplace = 0;
        data.m_vplace = 2;
        data.m_text = "abc";
        CCellInputDlg dialog(data, m_box);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("文字輸入"));
        QStringList groups;
        for (QGroupBox* g : dialog.findChildren<QGroupBox*>())
            groups << g->title();
        groups.sort();
        QStringList want{QString::fromUtf8("文字資料"), QString::fromUtf8("水平位置"),
                         QString::fromUtf8("佔有格子數"), QString::fromUtf8("垂直位置")};
        want.sort();
        QCOMPARE(groups, want);
        QCOMPARE(dialog.HplaceGroup()->button(0)->text(), QString::fromUtf8("左靠"));
        QCOMPARE(dialog.HplaceGroup()->button(1)->text(), QString::fromUtf8("置中"));
        QCOMPARE(dialog.HplaceGroup()->button(2)->text(), QString::fromUtf8("右靠"));
        QCOMPARE(dialog.HplaceGroup()->checkedId(), 0);
        QCOMPARE(dialog.VplaceGroup()->button(0)->text(), QString::fromUtf8("靠上"));
        QCOMPARE(dialog.VplaceGroup()->button(2)->text(), QString::fromUtf8("靠下"));
        QCOMPARE(dialog.VplaceGroup()->checkedId(), 2);
        QVERIFY(dialog.VplaceBox()->isVisible());
        QVERIFY(!dialog.VplaceGroup()->button(0)->isEnabled());
        QStringList labels;
        for (QLabel* l : dialog.findChildren<QLabel*>())
            labels << l->text();
        QVERIFY(labels.contains(QString::fromUtf8("水平方向")));
        QVERIFY(labels.contains(QString::fromUtf8("垂直方向")));
        QCOMPARE(dialog.OkButton()->text(), QString("OK"));
        QCOMPARE(dialog.CancelButton()->text(), QString::fromUtf8("取消"));
        QVERIFY(!dialog.OkButton()->isDefault() && !dialog.OkButton()->autoDefault());
        QVERIFY(!dialog.CancelButton()->isDefault() && !dialog.CancelButton()->autoDefault());
        QVERIFY(dialog.TextBox()->hasFocus());
        QCOMPARE(dialog.TextBox()->textCursor().selectedText(), QString("abc"));
        QCOMPARE(dialog.ColspanBox()->text(), QString("3"));
        QCOMPARE(dialog.RowspanBox()->text(), QString("2"));
        // The arrows stay within 1 .. maximum.
        dialog.ColspanBox()->stepBy(5);
        QCOMPARE(dialog.ColspanBox()->text(), QString("3"));
        dialog.RowspanBox()->stepBy(-5);
        QCOMPARE(dialog.RowspanBox()->text(), QString("1"));
    }

    // Enter on a focused button presses it, Enter in a number box means OK, and Enter in the
    // text box is a line break.
    void enterInTheDialog_data() {
        QTest::addColumn<int>("focus"); // 0 OK, 1 Cancel, 2 column count, 3 row count
        QTest::addColumn<int>("result");
        QTest::newRow("OK focused") << 0 << int(QDialog::Accepted);
        QTest::newRow("Cancel focused") << 1 << int(QDialog::Rejected);
        QTest::newRow("column count") << 2 << int(QDialog::Accepted);
        QTest::newRow("row count") << 3 << int(QDialog::Accepted);
    }
    void enterInTheDialog() {
        QFETCH(int, focus);
        QFETCH(int, result);
        CCellInputData data;
        data.m_maxColspan = 5;
        data.m_text = "old";
        CCellInputDlg dialog(data, m_box);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        TypeLikeAPerson("New $X$"); // the text box has the focus first, all selected
        QWidget* const targets[] = {dialog.OkButton(), dialog.CancelButton(), dialog.ColspanBox(),
                                    dialog.RowspanBox()};
        targets[focus]->setFocus(Qt::TabFocusReason);
        if (focus == 2) {
            QTest::keyClick(Focus(), Qt::Key_Backspace);
            TypeLikeAPerson("3");
        }
        QTest::keyClick(Focus(), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), result);
        if (result == QDialog::Accepted) {
            QCOMPARE(data.m_colspan, focus == 2 ? 3 : 1);
            QCOMPARE(data.m_text, std::string("New $X$"));
        }
    }

    void enterInTheTextBoxIsALineBreak() {
        CCellInputData data;
        data.m_text = "";
        CCellInputDlg dialog(data, m_box);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        TypeLikeAPerson("One");
        QTest::keyClick(Focus(), Qt::Key_Return);
        TypeLikeAPerson("Two");
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.TextBox()->toPlainText(), QString("One\nTwo"));
        dialog.OkButton()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Focus(), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(data.m_text, std::string("One\r\nTwo"));
    }

    void dialogChecksTheCountsAndTheText() {
        struct Case {
            const char* name;
            QString colspan, rowspan, text;
            const char* message; // null: accepted
        };
        const Case cases[] = {
            {"zero", "0", "1", "t", kMsgSpanCountRange},
            {"251 rows", "1", "251", "t", kMsgSpanCountRange},
            {"empty", "", "1", "t", kMsgSpanCountRange},
            {"not in code page 932", "1", "1", QString::fromUtf8("\xE2\x82\xAC"), nullptr},
            {"more than the room", "10", "250", "t", nullptr},
            {"longer than a cell holds", "1", "1", QString(32768, QChar(0x3042)), kMsgTextTooLong},
        };
        for (const Case& c : cases) {
            CCellInputData data;
            data.m_maxColspan = 3;
            data.m_text = "old";
            CCellInputDlg dialog(data, m_box);
            dialog.show();
            m_box.shown.clear();
            dialog.ColspanBox()->findChild<QLineEdit*>()->setText(c.colspan);
            dialog.RowspanBox()->findChild<QLineEdit*>()->setText(c.rowspan);
            dialog.TextBox()->setPlainText(c.text);
            dialog.OkButton()->click();
            const bool euro = QString(c.name) == "not in code page 932";
            if (c.message || euro) {
                QVERIFY2(dialog.isVisible(), c.name);
                QCOMPARE(dialog.result(), int(QDialog::Rejected));
                QCOMPARE(m_box.shown.size(), size_t(1));
                if (c.message)
                    QCOMPARE(QString::fromStdString(m_box.shown[0].text),
                             QString::fromUtf8(c.message));
                else
                    QVERIFY2(QString::fromStdString(m_box.shown[0].text)
                                 .contains(QString::fromUtf8("\xE2\x82\xAC")),
                             c.name);
                QCOMPARE(data.m_text, std::string("old"));
                QCOMPARE(data.m_colspan, 1);
            } else {
                QVERIFY2(!dialog.isVisible(), c.name);
                QCOMPARE(m_box.shown.size(), size_t(0));
                QCOMPARE(data.m_colspan, 10);
                QCOMPARE(data.m_rowspan, 250);
                QCOMPARE(data.m_text, std::string("t"));
            }
        }
        QVERIFY(QString::fromUtf8(kMsgSpanCountRange).contains("1"));
        QVERIFY(QString::fromUtf8(kMsgSpanCountRange).contains("250"));
    }

    void textLeftForAnotherControlIsKeptOnCancel() {
        CCellInputData data;
        data.m_text = "old";
        CCellInputDlg dialog(data, m_box);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(dialog.TextBox()->hasFocus());
        dialog.TextBox()->setPlainText("new");
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(data.m_text, std::string("new"));
    }
};

QTEST_MAIN(EditTest)
#include "edit_test.moc"
