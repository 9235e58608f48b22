// Real key, mouse, wheel and scroll bar events on the grid widget reach the view's cursor and
// scrolling logic.

#include "GridFixture.h"
#include "MainWindow.h"
#include "Resource.h"
#include "SplashWindow.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QtTest>

#include <ctime>
#include <memory>

namespace {

// Columns 100 wide, rows 40 high: the centre of cell (c, r) is at (100 c, 5 + 40 r).
QPoint Centre(int c, int r) {
    return {100 * c, 5 + 40 * r};
}

// CPU time of this thread in milliseconds: less disturbed than wall time on a busy machine.
double ThreadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons, modifiers);
    QCoreApplication::sendEvent(w, &e);
}

} // namespace

class GridNavigationTest : public QObject, protected CGridFixture {
    Q_OBJECT

    std::vector<QPoint> m_menus;

    const CGridSelection& Sel() { return m_view->Selection(); }
    // The picture left by scrolls and strip repaints is the one a full repaint gives.
    bool SameAsFullRepaint() {
        const QImage scrolled = m_grid->Image().copy();
        m_grid->Invalidate(true);
        return m_grid->Image() == scrolled;
    }
    QRect SelRect() {
        const CCellRect r = Sel().Normalized();
        return QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
    }

private slots:
    void init() {
        NewDocument();
        m_menus.clear();
        ShowGrid(false, [this](CGridWidget& grid) {
            grid.SetCommandRouter([](int) {});
            grid.SetContextMenuHandler([this](const QPoint& p) { m_menus.push_back(p); });
        });
        m_grid->Image();
    }
    void cleanup() { CloseGrid(); }

    void shiftRightExtendsAndAPlainArrowCollapses() {
        QTest::mouseClick(m_grid.get(), Qt::LeftButton, Qt::NoModifier, Centre(2, 2));
        QCOMPARE(SelRect(), QRect(QPoint(2, 2), QPoint(2, 2)));
        QTest::keyPress(m_grid.get(), Qt::Key_Shift, Qt::ShiftModifier);
        QTest::keyClick(m_grid.get(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(m_grid.get(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyRelease(m_grid.get(), Qt::Key_Shift);
        QCOMPARE(SelRect(), QRect(QPoint(2, 2), QPoint(4, 2)));
        QCOMPARE(m_view->CellIndicatorText(), std::string("( 2, 2)-( 4, 2)"));
        QCOMPARE(m_grid->Image().pixel(Centre(3, 2)), qRgb(0, 0, 0));
        QTest::keyClick(m_grid.get(), Qt::Key_Down);
        QCOMPARE(SelRect(), QRect(QPoint(4, 3), QPoint(4, 3)));
        QCOMPARE(m_grid->Image().pixel(Centre(3, 2)), qRgb(255, 255, 255));
        // Tab stays in the grid as a cursor key.
        QTest::keyClick(m_grid.get(), Qt::Key_Tab);
        QCOMPARE(SelRect(), QRect(QPoint(5, 3), QPoint(5, 3)));
    }

    void dragSelectsAndContinuesOverTheColumnHeaders() {
        QWidget* w = m_grid.get();
        SendMouse(w, QEvent::MouseButtonPress, Centre(3, 5), Qt::LeftButton, Qt::LeftButton);
        SendMouse(w, QEvent::MouseMove, Centre(4, 6), Qt::NoButton, Qt::LeftButton);
        SendMouse(w, QEvent::MouseMove, Centre(5, 7), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(SelRect(), QRect(QPoint(3, 5), QPoint(5, 7)));
        QVERIFY(m_view->IsDragging());
        // The grid holds the mouse: a move over a column header steps the cursor up.
        SendMouse(w, QEvent::MouseMove, QPoint(450, 10), Qt::NoButton, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(Sel().CursorRow(), 6);
        QCOMPARE(Sel().CursorCol(), 5);
        SendMouse(w, QEvent::MouseButtonRelease, QPoint(450, 10), Qt::LeftButton, Qt::NoButton);
        QVERIFY(!m_view->IsDragging());
        // A plain click afterwards selects one cell.
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, Centre(1, 1));
        QCOMPARE(SelRect(), QRect(QPoint(1, 1), QPoint(1, 1)));
        QVERIFY(!Sel().RangeMode());
    }

    void wheelAndBarsScroll() {
        QWidget* w = m_grid.get();
        // Texts and a span, so that the strips drawn after each scroll have something to
        // match with the pixels moved.
        for (int r = 1; r <= 30; ++r)
            for (int c = 1; c <= 80; ++c) {
                CCellData d;
                d.text = "Wg" + std::to_string(c * r);
                d.SetHplace((c + r) % 3);
                m_doc->m_cells.SetCell(c, r, d);
            }
        CCellData span;
        span.text = "span";
        span.SetColspan(3);
        span.SetRowspan(2);
        m_doc->m_cells.SetCell(5, 6, span);
        m_doc->m_hLines.SetLine(6, 8, LINE_DOUBLE);
        m_doc->m_bContentsReplaced = true;
        m_grid->Invalidate(true);
        m_grid->Image();
        QWheelEvent down(QPointF(200, 200), w->mapToGlobal(QPointF(200, 200)), QPoint(),
                         QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(w, &down);
        const int lines = QApplication::wheelScrollLines();
        QCOMPARE(m_view->Geometry().FirstRow(), lines);
        CTipScrollBar* vbar = m_grid->ScrollBar(ScrollBarKind::Vertical);
        QCOMPARE(vbar->value(), lines);
        QCOMPARE(Sel().CursorRow(), lines + 1); // carried into view
        QVERIFY(SameAsFullRepaint());

        CTipScrollBar* hbar = m_grid->ScrollBar(ScrollBarKind::Horizontal);
        hbar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(m_view->Geometry().FirstCol(), 1);
        QCOMPARE(hbar->value(), 1);
        QVERIFY(SameAsFullRepaint());
        hbar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(m_view->Geometry().FirstCol(), 4);
        QCOMPARE(hbar->value(), 4);
        QVERIFY(SameAsFullRepaint());
        QCOMPARE(m_grid->HeaderButton(HeaderKind::Column, 0)->text(), QString("5"));

        // Dragging the thumb only changes the tooltip; the release scrolls.
        hbar->setSliderDown(true);
        hbar->setSliderPosition(50);
        QCOMPARE(hbar->toolTip(), QString::fromUtf8("列: 51"));
        QCOMPARE(m_view->Geometry().FirstCol(), 4);
        hbar->setSliderDown(false);
        QCOMPARE(m_view->Geometry().FirstCol(), 50);
        QCOMPARE(hbar->value(), 50);
        QCOMPARE(Sel().CursorCol(), 51);
        QVERIFY(SameAsFullRepaint());
        vbar->setSliderDown(true);
        vbar->setSliderPosition(9);
        QCOMPARE(vbar->toolTip(), QString::fromUtf8("行: 10"));
        vbar->setSliderDown(false);
        QCOMPARE(m_view->Geometry().FirstRow(), 9);
        // The picture matches a full repaint after these scrolls.
        QVERIFY(SameAsFullRepaint());
    }

    void contextMenuKeyAndCtrlPOpenAtTheClientCorner() {
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(300, 300),
                              m_grid->mapToGlobal(QPoint(300, 300)));
        QCoreApplication::sendEvent(m_grid.get(), &key);
        QTest::keyClick(m_grid.get(), Qt::Key_P, Qt::ControlModifier);
        const QPoint corner = m_grid->mapToGlobal(QPoint(15, 15));
        QCOMPARE(m_menus, (std::vector<QPoint>{corner, corner}));
        QVERIFY(m_view->IgnoresNextMove());
        // The next move, even without a button, clears it.
        SendMouse(m_grid.get(), QEvent::MouseMove, Centre(2, 2), Qt::NoButton, Qt::NoButton);
        QVERIFY(!m_view->IgnoresNextMove());
    }

    // Holding Down from row 1 to row 250 in the main window of the default size.
    void holdingDownThroughTheTable() {
        delete g_pSplashWnd;
        CSplashWnd::EnableSplash(false);
        CFakeMessageBox box;
        CFakeFileDialog dialog;
        CFakeFileTypeQuestion fileType;
        CMainFrame frame(box, dialog, fileType);
        QVERIFY(frame.Start({}));
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        CGridWidget* grid = frame.Grid();
        // Every row that comes into view has texts to draw.
        for (int r = 1; r <= MAX_CELLS; ++r)
            for (int c = 1; c <= 10; ++c) {
                CCellData d;
                d.text = "Wg" + std::to_string(c * r);
                frame.Document().m_cells.SetCell(c, r, d);
            }
        frame.Document().m_bContentsReplaced = true;
        grid->Invalidate(true);
        grid->Image();
        QCoreApplication::processEvents();

        // The handling of the keys alone, then again with the repaint after each key.
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 249; ++i)
            QTest::keyClick(grid, Qt::Key_Down);
        const double handling = timer.nsecsElapsed() / 1e6 / 249;
        QCOMPARE(frame.View().Selection().CursorRow(), 250);
        while (frame.View().Selection().CursorRow() > 1)
            QTest::keyClick(grid, Qt::Key_PageUp);
        QCoreApplication::processEvents();
        timer.restart();
        const double cpuStart = ThreadCpuMs();
        for (int i = 0; i < 249; ++i) {
            QTest::keyClick(grid, Qt::Key_Down);
            QCoreApplication::processEvents(); // the repaint of each step
        }
        const double withRepaint = timer.nsecsElapsed() / 1e6 / 249;
        const double cpu = (ThreadCpuMs() - cpuStart) / 249;
        qInfo("Down key, grid %dx%d: %.3f ms per key event; with its repaint %.3f ms "
              "(%.3f ms CPU)",
              grid->width(), grid->height(), handling, withRepaint, cpu);
        QCOMPARE(frame.View().Selection().CursorRow(), 250);
        QCOMPARE(frame.View().Geometry().FirstRow(), 250 - frame.View().Geometry().RowPageSize());
        frame.UpdateCommandUi();
        QCOMPARE(frame.m_cellPane->text(), QStringLiteral("( 1,250)"));
        // The picture after all the strip repaints equals a full repaint.
        const QImage scrolled = grid->Image().copy();
        grid->Invalidate(true);
        QCOMPARE(grid->Image(), scrolled);
        frame.Document().SetModifiedFlag(false);
    }
};

QTEST_MAIN(GridNavigationTest)
#include "grid_navigation_test.moc"
