#include "CellInputDlg.h"
#include "CellSizeData.h"
#include "CellSizeDlg.h"
#include "CommandRouter.h"
#include "GridFixture.h"
#include "InPlaceEdit.h"
#include "QtDeviceContext.h"
#include "QtFontDialog.h"
#include "Resource.h"
#include "TypeKeys.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <functional>

namespace {

// Acts once on the next modal window of type T when it shows and is active, so that keys go
// to it (also inside another's loop).
template <class T> class COnModal : public QObject {
public:
    explicit COnModal(std::function<void(T*)> act) : m_act(std::move(act)) { startTimer(10); }
    bool done = false;

protected:
    void timerEvent(QTimerEvent*) override {
        auto* modal = dynamic_cast<T*>(QApplication::activeModalWidget());
        if (done || !modal || !modal->isVisible() || QApplication::activeWindow() != modal)
            return;
        done = true;
        m_act(modal);
    }

private:
    std::function<void(T*)> m_act;
};

} // namespace

// The cell size dialog from the grid (header presses, with real keys typed into it) and on its
// own, and the font dialog with the row height that follows it. Columns 100 wide, rows 40 high.
class CellSizeTest : public QObject, protected CGridFixture {
    Q_OBJECT

    static QWidget* Focus() { return QApplication::focusWidget(); }

    std::unique_ptr<CCommandRouter> m_router;

private slots:
    void init() {
        NewDocument();
        // Posted commands take the application's road, through the router.
        ShowGrid(true, [this](CGridWidget& grid) {
            m_router = std::make_unique<CCommandRouter>();
            m_router->AddTarget(m_view.get());
            grid.SetCommandRouter([this](int id) { m_router->Execute(id); });
        });
    }
    void cleanup() {
        CloseGrid();
        m_router.reset();
    }

    // The box, what is typed into it with real keys, and the message that refuses it.
    void outOfRangeNumberKeepsTheDialogOpen_data() {
        QTest::addColumn<int>("tabs"); // from the width box to the box typed into
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("width 600")
            << 0 << QString("600")
            << QString::fromUtf8("25 から 500 までの整数を入力してください。");
        QTest::newRow("width 24") << 0 << QString("24")
                                  << QString::fromUtf8(
                                         "25 から 500 までの整数を入力してください。");
        QTest::newRow("height 10")
            << 3 << QString("10")
            << QString::fromUtf8("15 から 100 までの整数を入力してください。");
        QTest::newRow("height 101")
            << 3 << QString("101")
            << QString::fromUtf8("15 から 100 までの整数を入力してください。");
    }
    void outOfRangeNumberKeepsTheDialogOpen() {
        QFETCH(int, tabs);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QString title, group, width, shownMessage;
        bool openAfterMessage = false;
        bool boxFocused = false;
        bool headerDown = true;
        COnModal<CCellSizeDlg> onDialog([&](CCellSizeDlg* dialog) {
            [&] {
                // The press opened the dialog, which takes the release: the button is up.
                headerDown = m_grid->HeaderButton(HeaderKind::Column, 2)->isDown();
                title = dialog->windowTitle();
                group = dialog->SizeGroup()->title();
                width = dialog->WidthBox()->text();
                for (int i = 0; i < tabs; ++i)
                    QTest::keyClick(Focus(), Qt::Key_Tab);
                QWidget* box =
                    tabs ? static_cast<QWidget*>(dialog->HeightBox()) : dialog->WidthBox();
                TypeLikeAPerson(typed);
                COnModal<QMessageBox> onMessage([&](QMessageBox* m) {
                    shownMessage = m->text();
                    QTest::keyClick(m, Qt::Key_Return);
                });
                QTest::keyClick(Focus(), Qt::Key_Return);
                openAfterMessage = dialog->isVisible();
                // The window manager's part: the dialog is active again once the message went.
                dialog->activateWindow();
                QTRY_COMPARE(QApplication::activeWindow(), dialog);
                boxFocused = box->hasFocus();
                // The number typed next replaces the refused one.
                TypeLikeAPerson(tabs ? "50" : "150");
                QTest::keyClick(Focus(), Qt::Key_Return);
            }();
            if (dialog->isVisible())
                dialog->reject();
        });
        CHeaderButton* header = m_grid->HeaderButton(HeaderKind::Column, 2);
        QTest::mousePress(header, Qt::LeftButton);
        QTRY_VERIFY(onDialog.done);
        QTest::mouseRelease(header, Qt::LeftButton);

        QCOMPARE(title, QString::fromUtf8("格子大小(列, 行)"));
        QCOMPARE(group, QString::fromUtf8("3列目のセルのサイズ"));
        QCOMPARE(width, QString("100"));
        QCOMPARE(shownMessage, message);
        QVERIFY(openAfterMessage);
        QVERIFY(boxFocused);
        QCOMPARE(int(m_doc->m_sizes.GetWidth(3)), tabs ? 100 : 150);
        QCOMPARE(int(m_doc->m_sizes.GetHeight()), tabs ? 50 : 40);
        QCOMPARE(int(m_doc->m_sizes.GetWidth(2)), 100);
        QVERIFY(!m_grid->IsHeaderMarked(HeaderKind::Column, 2));
        QVERIFY(!headerDown);
        // The grid and its headers follow.
        QTRY_COMPARE(m_grid->HeaderButton(HeaderKind::Column, 2)->width(), tabs ? 100 : 150);
        QTRY_COMPARE(m_grid->HeaderButton(HeaderKind::Row, 0)->height(), tabs ? 50 : 40);
    }

    void cornerCancelledChangesNothingAndClearsItsMark() {
        QString group;
        COnModal<CCellSizeDlg> onDialog([&](CCellSizeDlg* dialog) {
            group = dialog->SizeGroup()->title();
            TypeLikeAPerson("300");
            QTest::keyClick(Focus(), Qt::Key_Escape);
        });
        QTest::mousePress(m_grid->HeaderButton(HeaderKind::Corner, 0), Qt::LeftButton);
        QTRY_VERIFY(onDialog.done);
        QTest::mouseRelease(m_grid->HeaderButton(HeaderKind::Corner, 0), Qt::LeftButton);
        QCOMPARE(group, QString::fromUtf8("全てのセルのサイズ"));
        QVERIFY(!m_grid->IsHeaderMarked(HeaderKind::Corner, 0));
        QCOMPARE(int(m_doc->m_sizes.GetWidth(1)), 100);
        QVERIFY(!m_doc->IsModified());
    }

    void dialogControls() {
        CFakeMessageBox box;
        CCellSizeData data;
        data.m_width = 499;
        data.m_height = 15;
        data.m_stdWidth = 120;
        data.m_stdHeight = 33;
        data.m_title = "5列目のセルのサイズ";
        CCellSizeDlg dialog(data, box);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QStringList labels;
        for (QLabel* l : dialog.findChildren<QLabel*>())
            labels << l->text();
        labels.sort();
        QCOMPARE(labels, (QStringList{QString::fromUtf8("垂直方向(行)"),
                                      QString::fromUtf8("水平方向(列)")}));
        QCOMPARE(dialog.StdWidthButton()->text(), QString::fromUtf8("標準"));
        QCOMPARE(dialog.StdWidthButton()->toolTip(), QString::fromUtf8("標準サイズにする(列)"));
        QCOMPARE(dialog.StdHeightButton()->toolTip(), QString::fromUtf8("標準サイズにする(行)"));
        QCOMPARE(dialog.SaveStdWidthBox()->text(), QString::fromUtf8("下一次開始之標準值"));
        QVERIFY(!dialog.SaveStdWidthBox()->isChecked());
        QVERIFY(dialog.WidthBox()->hasFocus());

        // The arrows step within the ranges.
        QTest::keyClick(Focus(), Qt::Key_Up);
        QTest::keyClick(Focus(), Qt::Key_Up);
        QCOMPARE(dialog.WidthBox()->text(), QString("500"));
        dialog.HeightBox()->setFocus();
        QTest::keyClick(Focus(), Qt::Key_Down);
        QCOMPARE(dialog.HeightBox()->text(), QString("15"));
        QTest::keyClick(Focus(), Qt::Key_Up);
        QCOMPARE(dialog.HeightBox()->text(), QString("16"));

        // 標準 puts the standard size in; the boxes are read on OK.
        QTest::mouseClick(dialog.StdWidthButton(), Qt::LeftButton);
        QCOMPARE(dialog.WidthBox()->text(), QString("120"));
        QTest::mouseClick(dialog.StdHeightButton(), Qt::LeftButton);
        QCOMPARE(dialog.HeightBox()->text(), QString("33"));
        QTest::mouseClick(dialog.SaveStdHeightBox(), Qt::LeftButton);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(box.shown.empty());
        QCOMPARE(data.m_width, 120);
        QCOMPARE(data.m_height, 33);
        QVERIFY(!data.m_saveStdWidth);
        QVERIFY(data.m_saveStdHeight);
    }

    // The dialog works in points, the view font in pixels; what the dialog shows comes back
    // as it was, and a face name code page 932 cannot hold is refused.
    void fontDialogConversions() {
        CFontDesc desc;
        desc.face = "IPAGothic";
        desc.height = -32;
        desc.weight = 700;
        desc.italic = true;
        const QFont shown = DialogFontFor(desc, 120.0);
        QCOMPARE(shown.family(), QString("IPAGothic"));
        QCOMPARE(shown.pointSizeF(), 32 * 72.0 / 120.0);
        QCOMPARE(shown.weight(), QFont::Bold);
        QVERIFY(shown.italic());
        const std::optional<CFontDesc> back = FontDescFor(shown, 120.0);
        QVERIFY(back);
        QCOMPARE(back->face, desc.face);
        QCOMPARE(back->height, -32);
        QCOMPARE(back->weight, 700);
        QVERIFY(back->italic && !back->underline);

        QString bad;
        QVERIFY(!FontDescFor(QFont(QString::fromUtf8("한글 Font")), 96.0, &bad));
        QCOMPARE(bad, QString::fromUtf8("한"));
        const std::optional<CFontDesc> mincho =
            FontDescFor(QFont(QString::fromUtf8("IPA明朝")), 96);
        QVERIFY(mincho);
        QCOMPARE(mincho->face, std::string("IPA\x96\xbe\x92\xa9"));
    }

    void largerFontGrowsTheAutomaticRowHeight() {
        m_view->OnCommand(ID_AUTO_HEIGHT);
        QVERIFY(m_view->AutoHeight());
        const int before = m_doc->m_sizes.GetHeight();
        const QFont viewFont = CQtDeviceContext::MakeFont(m_view->ViewFont());
        QFontInfo shown(viewFont);
        QCOMPARE(before, QFontMetrics(viewFont).height() + 14);

        QString family;
        int pointSize = 0;
        COnModal<QFontDialog> onDialog([&](QFontDialog* dialog) {
            family = dialog->currentFont().family();
            pointSize = dialog->currentFont().pointSize();
            QFont larger = dialog->currentFont();
            larger.setPointSize(32);
            dialog->setCurrentFont(larger);
            dialog->accept();
        });
        m_view->OnCommand(ID_FONT);
        QVERIFY(onDialog.done);
        // The dialog showed the face the grid draws with, at its size.
        QCOMPARE(family, shown.family());
        QCOMPARE(pointSize, qRound(shown.pixelSize() * 72.0 / m_grid->logicalDpiY()));

        const int after = m_doc->m_sizes.GetHeight();
        QVERIFY2(after > before + 10, qPrintable(QString("%1 -> %2").arg(before).arg(after)));
        QCOMPARE(m_view->Geometry().RowY(2) - m_view->Geometry().RowY(1), after);
        QCOMPARE(m_view->ViewFont().height, -qRound(32 * m_grid->logicalDpiY() / 72.0));
        QTRY_COMPARE(m_grid->HeaderButton(HeaderKind::Row, 0)->height(), after);
        // The header captions take the face, kept small enough for the column headers.
        QCOMPARE(QFontInfo(m_grid->HeaderButton(HeaderKind::Column, 0)->font()).family(),
                 shown.family());
        QVERIFY(QFontMetrics(m_grid->HeaderButton(HeaderKind::Column, 0)->font()).height() <= 18);
        // The in-place editor takes the font as it is.
        QTest::keyClick(m_grid.get(), Qt::Key_A);
        QVERIFY(m_grid->InPlaceEditor());
        QCOMPARE(m_grid->InPlaceEditor()->font().pixelSize(), -m_view->ViewFont().height);
        QVERIFY(!m_doc->IsModified());
    }
};

QTEST_MAIN(CellSizeTest)
#include "cell_size_test.moc"
