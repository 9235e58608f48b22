// The border palette in the main window, and the line keys of the grid, with real clicks and
// keys under the offscreen platform.

#include "FakePlatform.h"
#include "GridWidget.h"
#include "HelpDialog.h"
#include "LineArray.h"
#include "LinePaletteDlg.h"
#include "MainWindow.h"
#include "Resource.h"
#include "SplashWindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QtTest>

#include <memory>

namespace {

// Columns 100 wide, rows 40 high: the centre of cell (c, r) is at (100 c, 5 + 40 r).
QPoint Centre(int c, int r) {
    return {100 * c, 5 + 40 * r};
}

} // namespace

class LinePaletteTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CFakeMessageBox> m_messageBox;
    std::unique_ptr<CFakeFileDialog> m_fileDialog;
    std::unique_ptr<CFakeFileTypeQuestion> m_fileType;
    std::unique_ptr<CMainFrame> m_frame;

    CLineArray& H() { return m_frame->Document().m_hLines; }
    CLineArray& V() { return m_frame->Document().m_vLines; }
    CLinePaletteDlg* Palette() { return m_frame->findChild<CLinePaletteDlg*>(); }
    QAbstractButton* Radio(int method) { return Palette()->Methods()->button(method); }
    // The block (2, 2)-(4, 3) with the mouse and Shift+arrows.
    void SelectBlock() {
        QWidget* grid = m_frame->Grid();
        QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, Centre(2, 2));
        QTest::keyPress(grid, Qt::Key_Shift, Qt::ShiftModifier);
        QTest::keyClick(grid, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(grid, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyRelease(grid, Qt::Key_Shift);
        QCOMPARE(m_frame->View().CellIndicatorText(), std::string("( 2, 2)-( 4, 3)"));
    }
    void OpenPalette() {
        m_frame->Action(ID_LINE_PALETTE)->trigger();
        QVERIFY(Palette() != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(Palette()));
    }
    // Each of the row edges across columns 2 to 4 holds kind.
    bool RowEdge(int edge, int kind) {
        for (int c = 2; c <= 4; ++c)
            if (H().GetLine(c, edge) != kind)
                return false;
        return true;
    }

private slots:
    void init() {
        m_messageBox = std::make_unique<CFakeMessageBox>();
        m_fileDialog = std::make_unique<CFakeFileDialog>();
        m_fileType = std::make_unique<CFakeFileTypeQuestion>();
        delete g_pSplashWnd;
        CSplashWnd::EnableSplash(false);
        m_frame = std::make_unique<CMainFrame>(*m_messageBox, *m_fileDialog, *m_fileType);
        QVERIFY(m_frame->Start({}));
        m_frame->resize(800, 500);
        m_frame->show();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        m_frame->Grid()->setFocus();
    }
    void cleanup() { m_frame.reset(); }

    void isAToolWindowOfTheMainWindowWithItsControls() {
        OpenPalette();
        CLinePaletteDlg* palette = Palette();
        QCOMPARE(palette->windowTitle(), QStringLiteral("框線"));
        QCOMPARE(palette->parentWidget(), static_cast<QWidget*>(m_frame.get()));
        QCOMPARE(palette->windowType(), Qt::Tool);
        QVERIFY(!palette->isModal());
        QVERIFY(m_frame->Action(ID_LINE_PALETTE)->isChecked());
        QVERIFY(m_frame->m_wndToolBar->actions().contains(m_frame->Action(ID_LINE_PALETTE)));

        const QStringList tips = {"単線枠",   "左単線",   "上単線",   "下単線",   "右単線",
                                  "２重線枠", "左２重線", "上２重線", "下２重線", "右２重線",
                                  "格子状",   "定型",     "クリア"};
        const QStringList captions = {"WOLINE", "LOLINE", "TOLINE", "BOLINE", "ROLINE",
                                      "WTLINE", "LTLINE", "TTLINE", "BTLINE", "RTLINE",
                                      "KLINE",  "OTHERA", "CLEAR"};
        for (int i = 0; i < captions.size(); ++i) {
            CLineButton* b = palette->Button(captions[i]);
            QVERIFY2(b, qPrintable(captions[i]));
            QCOMPARE(b->toolTip(), tips[i]);
            const QSize size = captions[i] == "OTHERA" ? QSize(60, 40) : QSize(48, 30);
            QCOMPARE(b->size(), size);
            const QImage up = LineButtonPicture(captions[i] + 'U').toImage();
            const QImage down = LineButtonPicture(captions[i] + 'D').toImage();
            const QImage focused = LineButtonPicture(captions[i] + 'F').toImage();
            QCOMPARE(up.size(), size);
            QVERIFY2(up != down && up != focused && down != focused, qPrintable(captions[i]));
            // No two commands share a picture.
            for (int j = 0; j < i; ++j)
                QVERIFY2(LineButtonPicture(captions[j] + 'U').toImage() != up,
                         qPrintable(captions[i] + " like " + captions[j]));
        }
        // The rows: five single, five double, then grid, template, clear with the template
        // in the middle.
        const auto y = [&](const char* c) { return palette->Button(c)->geometry().center().y(); };
        const auto x = [&](const char* c) { return palette->Button(c)->geometry().center().x(); };
        QVERIFY(y("WOLINE") == y("ROLINE") && y("WTLINE") == y("RTLINE"));
        QVERIFY(y("WOLINE") < y("WTLINE") && y("WTLINE") < y("OTHERA"));
        QVERIFY(x("KLINE") < x("OTHERA") && x("OTHERA") < x("CLEAR"));

        QCOMPARE(Radio(0)->text(), QStringLiteral("插入"));
        QCOMPARE(Radio(1)->text(), QStringLiteral("覆寫"));
        QCOMPARE(Radio(2)->text(), QStringLiteral("消去"));
        QVERIFY(Radio(0)->isChecked());
        QCOMPARE(palette->CloseButton()->text(), QStringLiteral("結束"));
    }

    void clickedPictureButtonUsesThePalettesMethod() {
        SelectBlock();
        for (int c = 2; c <= 4; ++c) {
            H().SetLine(c, 2, LINE_SINGLE); // top
            H().SetLine(c, 4, LINE_DOUBLE); // bottom
        }
        OpenPalette();
        QTest::mouseClick(Radio(2), Qt::LeftButton); // 消去
        CLineButton* frame = Palette()->Button("WOLINE");
        QTest::mouseClick(frame, Qt::LeftButton, Qt::NoModifier, QPoint(24, 15));
        QTRY_VERIFY(RowEdge(2, LINE_NONE));
        QVERIFY(RowEdge(4, LINE_DOUBLE)); // erase takes only single lines
        QVERIFY(m_frame->Document().IsModified());

        QTest::mouseClick(Radio(0), Qt::LeftButton); // 插入
        QTest::mouseClick(Palette()->Button("TTLINE"), Qt::LeftButton);
        QTRY_VERIFY(RowEdge(2, LINE_DOUBLE) && RowEdge(3, LINE_DOUBLE));
        QVERIFY(RowEdge(4, LINE_DOUBLE));
    }

    void enterOnAFocusedPictureButtonAndRadioReadsOnlyThen() {
        SelectBlock();
        OpenPalette();
        CLineButton* bottom = Palette()->Button("BTLINE");
        bottom->setFocus();
        QVERIFY(bottom->hasFocus());
        QCOMPARE(bottom->CurrentPicture().toImage(), LineButtonPicture("BTLINEF").toImage());
        QTest::keyClick(bottom, Qt::Key_Return);
        QTRY_VERIFY(RowEdge(3, LINE_DOUBLE) && RowEdge(4, LINE_DOUBLE));

        // A radio button changed but not read: the menu's command still inserts.
        QTest::mouseClick(Radio(2), Qt::LeftButton); // 消去
        QCOMPARE(Palette()->InputMethod(), 0);
        m_frame->Action(ID_LINE_DOUBLE_BOTTOM)->trigger();
        QVERIFY(RowEdge(4, LINE_DOUBLE));
        // Enter on the radio button reads it and runs no command; then the menu erases.
        QVERIFY(Radio(2)->hasFocus());
        QTest::keyClick(Radio(2), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(Palette()->InputMethod(), 2);
        QCoreApplication::processEvents();
        QVERIFY(RowEdge(3, LINE_DOUBLE));
        m_frame->Action(ID_LINE_DOUBLE_BOTTOM)->trigger();
        QVERIFY(RowEdge(3, LINE_NONE) && RowEdge(4, LINE_NONE));
        // Enter on 結束 does nothing either.
        Palette()->CloseButton()->setFocus();
        QTest::keyClick(Palette()->CloseButton(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QVERIFY(Palette() != nullptr);
    }

    void closedWithItsButtonReopensInPlaceWithInsert() {
        OpenPalette();
        Palette()->move(300, 220); // as the user drags it
        const QPoint at = Palette()->geometry().topLeft();
        QTest::mouseClick(Radio(1), Qt::LeftButton); // 覆寫
        QTest::mouseClick(Palette()->Button("KLINE"), Qt::LeftButton);
        QTRY_COMPARE(H().GetLine(1, 1), LINE_SINGLE);
        QCOMPARE(Palette()->InputMethod(), 1);

        QTest::mouseClick(Palette()->CloseButton(), Qt::LeftButton);
        QTRY_VERIFY(Palette() == nullptr);
        QVERIFY(!m_frame->Action(ID_LINE_PALETTE)->isChecked());
        QCOMPARE(m_frame->View().LinePalettePosition(), (CPoint{at.x(), at.y()}));

        OpenPalette();
        QCOMPARE(Palette()->geometry().topLeft(), at);
        QVERIFY(Radio(0)->isChecked());
        QCOMPARE(Palette()->InputMethod(), 0);

        // Esc closes it the same way.
        Palette()->move(320, 240);
        const QPoint next = Palette()->geometry().topLeft();
        QTest::keyClick(Palette()->Button("WOLINE"), Qt::Key_Escape);
        QTRY_VERIFY(Palette() == nullptr);
        QCOMPARE(m_frame->View().LinePalettePosition(), (CPoint{next.x(), next.y()}));
    }

    void closingTheMainWindowClosesThePalette() {
        OpenPalette();
        Palette()->move(420, 310);
        const QPoint at = Palette()->geometry().topLeft();
        QVERIFY(m_frame->close());
        QVERIFY(Palette() == nullptr);
        QCOMPARE(m_frame->View().LinePalettePosition(), (CPoint{at.x(), at.y()}));
    }

    void ctrlFGoesToThePaletteAndBack() {
        QWidget* grid = m_frame->Grid();
        QTest::keyClick(grid, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(Palette() != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(Palette()));
        CLineButton* left = Palette()->Button("LOLINE");
        left->setFocus();
        QTest::keyClick(left, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(grid->hasFocus());
        QTest::keyClick(grid, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(left->hasFocus());
        // From a radio button too.
        Radio(1)->setFocus();
        QTest::keyClick(Radio(1), Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(grid->hasFocus());
    }

    void ctrlTabAndCtrlEnterInTheGridReachTheView() {
        QWidget* grid = m_frame->Grid();
        QWindow* window = m_frame->windowHandle();
        // Through the window, as the window system delivers keys: the focus chain must not
        // take Ctrl+Tab.
        QTest::keyClick(window, Qt::Key_Tab, Qt::ControlModifier);
        QTRY_COMPARE(V().GetLine(1, 2), LINE_SINGLE);
        QVERIFY(grid->hasFocus());
        QTest::keyClick(window, Qt::Key_Right, Qt::ControlModifier);
        QTRY_COMPARE(V().GetLine(1, 2), LINE_DOUBLE);
        QTest::keyClick(window, Qt::Key_Return, Qt::ControlModifier);
        QTRY_COMPARE(H().GetLine(1, 2), LINE_SINGLE);
        QTest::keyClick(window, Qt::Key_Down, Qt::ControlModifier);
        QTRY_COMPARE(H().GetLine(1, 2), LINE_DOUBLE);
        QTest::keyClick(window, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
        QTRY_COMPARE(H().GetLine(1, 2), LINE_NONE);
        QCOMPARE(V().GetLine(1, 2), LINE_NONE); // clear takes every edge of the cell
        QCOMPARE(m_frame->View().CellIndicatorText(), std::string("( 1, 1)"));
        QVERIFY(grid->hasFocus());
    }

    void linesMenuRunsEveryCommand() {
        SelectBlock();
        const int ids[] = {ID_LINE_SINGLE_FRAME, ID_LINE_SINGLE_TOP,    ID_LINE_SINGLE_BOTTOM,
                           ID_LINE_SINGLE_LEFT,  ID_LINE_SINGLE_RIGHT,  ID_LINE_DOUBLE_FRAME,
                           ID_LINE_DOUBLE_TOP,   ID_LINE_DOUBLE_BOTTOM, ID_LINE_DOUBLE_LEFT,
                           ID_LINE_DOUBLE_RIGHT, ID_LINE_GRID,          ID_LINE_TEMPLATE};
        for (int id : ids) {
            H().ClearAll();
            V().ClearAll();
            QAction* action = m_frame->Action(id);
            QVERIFY2(action && action->isEnabled(), qPrintable(QString::number(id)));
            action->trigger();
            QVERIFY2(!H().IsEmpty() || !V().IsEmpty(), qPrintable(action->text()));
        }
        m_frame->Action(ID_LINE_CLEAR)->trigger();
        QVERIFY(H().IsEmpty() && V().IsEmpty());
        m_frame->Action(ID_EDIT_UNDO)->trigger();
        QVERIFY(!V().IsEmpty());
    }

    void helpPageListsTheLineKeys() {
        const QString help = CHelpDialog::PageHtml();
        for (const char* text :
             {"Ctrl + arrow keys", "Ctrl+Tab, Ctrl+Enter", "Line palette", "Esc, 結束", "覆寫"})
            QVERIFY2(help.contains(QString::fromUtf8(text)), text);
    }
};

QTEST_MAIN(LinePaletteTest)
#include "line_palette_test.moc"
