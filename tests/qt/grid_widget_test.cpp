#include "GridFixture.h"
#include "InputCodes.h"
#include "QtDeviceContext.h"
#include "Resource.h"

#include <QFontMetrics>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

const QRgb WHITE = qRgb(255, 255, 255);
const QRgb BLACK = qRgb(0, 0, 0);
const QRgb GREY = qRgb(192, 192, 192);

CCellData Record(const char* text, int colspan = 1, int rowspan = 1, int hplace = 1,
                 int vplace = 1) {
    CCellData d;
    d.text = text;
    d.SetColspan(colspan);
    d.SetRowspan(rowspan);
    d.SetHplace(hplace);
    d.SetVplace(vplace);
    return d;
}

} // namespace

// The grid widget over a document built in code: columns 100 wide, rows 40 high, so the
// left edge of column c is 50 + 100 (c - 1) and the top of row r is 25 + 40 (r - 1).
class GridWidgetTest : public QObject, protected CGridFixture {
    Q_OBJECT

    std::vector<int> m_routed;

    QRgb Pixel(int x, int y) { return m_grid->Image().pixel(x, y); }
    int Count(const QRect& r, QRgb colour) {
        const QImage& img = m_grid->Image();
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += img.pixel(x, y) == colour;
        return n;
    }

private slots:
    void init() {
        NewDocument();
        m_doc->m_hLines.SetLine(2, 3, LINE_DOUBLE);     // between rows 2 and 3 over column 2
        m_doc->m_vLines.SetLine(2, 2, LINE_SINGLE);     // left edge of column 2 on row 2
        m_doc->m_cells.SetCell(4, 2, Record("", 2, 2)); // span (4, 2)-(5, 3)
        m_doc->m_cells.SetCell(1, 5, Record("WWWWWWWWWWWWWWWWWWWWWWWW"));
        m_doc->m_cells.SetCell(3, 5, Record("Brindle", 1, 1, 0, 0));
        m_routed.clear();
        ShowGrid(false, [this](CGridWidget& grid) {
            grid.SetCommandRouter([this](int id) { m_routed.push_back(id); });
        });
        // Move the cursor away from the cells the tests look at.
        m_grid->Image();
        m_view->OnLButtonDown(60, 390 - m_view->Geometry().ScrollBarSize() - 5, 0);
    }
    void cleanup() { CloseGrid(); }

    void headersAndBarsAreLaidOut() {
        const int s = m_view->Geometry().ScrollBarSize();
        QVERIFY(s > 0);
        CHeaderButton* third = m_grid->HeaderButton(HeaderKind::Column, 2);
        QVERIFY(third);
        QCOMPARE(third->text(), QString("3"));
        QCOMPARE(third->geometry(), QRect(250, 0, 100, 24));
        QVERIFY(third->isVisible());
        CHeaderButton* row = m_grid->HeaderButton(HeaderKind::Row, 1);
        QCOMPARE(row->geometry(), QRect(0, 65, 49, 40));
        QCOMPARE(m_grid->HeaderButton(HeaderKind::Corner, 0)->geometry(), QRect(0, 0, 50, 25));
        // Grid area 700 - s - 50 wide: columns 1..7 are visible, 8 and later hidden.
        QVERIFY(m_grid->HeaderButton(HeaderKind::Column, 6)->isVisible());
        QVERIFY(m_grid->HeaderButton(HeaderKind::Column, 7)->isHidden());
        QCOMPARE(m_grid->ScrollBar(ScrollBarKind::Horizontal)->geometry(),
                 QRect(49, 420 - s, 700 - s - 48, s));
        QCOMPARE(m_grid->ScrollBar(ScrollBarKind::Vertical)->geometry(),
                 QRect(700 - s, 24, s, 420 - s - 23));
        // The buttons and bars are made once: a second initial update (a file opened into
        // the running program) adds none.
        m_view->OnInitialUpdate();
        QCOMPARE(m_grid->findChildren<CHeaderButton*>().size(), qsizetype(501));
        QCOMPARE(m_grid->findChildren<CTipScrollBar*>().size(), qsizetype(2));
    }

    void doubleRuleIsTwoBlackLinesAroundTheGridLine() {
        for (int x : {151, 200, 249}) {
            QCOMPARE(Pixel(x, 103), BLACK);
            QCOMPARE(Pixel(x, 107), BLACK);
            QCOMPARE(Pixel(x, 105), GREY);
            QCOMPARE(Pixel(x, 104), WHITE);
            QCOMPARE(Pixel(x, 106), WHITE);
        }
        QCOMPARE(Pixel(150, 103), BLACK);
        QCOMPARE(Pixel(150, 107), BLACK);
        QCOMPARE(Pixel(250, 103), GREY); // the rule ends before the next column's edge
        // The single rule replaces the grid line.
        QCOMPARE(Pixel(150, 80), BLACK);
        QCOMPARE(Pixel(150, 40), GREY);
    }

    void spanHasAGreyOutlineAndNoInnerLines() {
        // Span (4, 2)-(5, 3): x 350..550, y 65..145.
        QCOMPARE(Pixel(350, 100), GREY);
        QCOMPARE(Pixel(550, 100), GREY);
        QCOMPARE(Pixel(450, 65), GREY);
        QCOMPARE(Pixel(450, 145), GREY);
        QCOMPARE(Count(QRect(351, 66, 199, 79), GREY), 0);
        // Outside it the grid goes on.
        QCOMPARE(Pixel(450, 40), GREY);
    }

    void textIsClippedThreePixelsInside() {
        // Cell (1, 5): x 50..150, y 185..225, a text far wider than the cell.
        QCOMPARE(Count(QRect(51, 186, 2, 39), WHITE), 2 * 39);
        QCOMPARE(Count(QRect(148, 186, 2, 39), WHITE), 2 * 39);
        QVERIFY(Count(QRect(53, 186, 95, 39), WHITE) < 95 * 39);
        // Top-left text of cell (3, 5) starts 3 pixels in from the left edge.
        QVERIFY(Count(QRect(253, 188, 20, 20), WHITE) < 400);
        QCOMPARE(Count(QRect(251, 186, 2, 39), WHITE), 2 * 39);
    }

    void gridToggleHidesGridLines() {
        m_view->OnCommand(ID_VIEW_GRID);
        QCOMPARE(Count(QRect(50, 25, 600, 300), GREY), 0);
        QCOMPARE(Pixel(150, 80), BLACK);
        m_view->OnCommand(ID_VIEW_GRID);
        QCOMPARE(Pixel(350, 100), GREY);
    }

    void areaRightOfColumn250StaysWhite() {
        m_view->OnHScroll(SB_THUMBPOSITION, 1000);
        const int s = m_view->Geometry().ScrollBarSize();
        const int right = m_view->Geometry().ColumnX(251);
        QVERIFY(right < 700 - s - 2);
        QCOMPARE(Pixel(right, 60), GREY);
        QCOMPARE(Count(QRect(right + 1, 25, 700 - s - right - 1, 300), WHITE),
                 (700 - s - right - 1) * 300);
        QCOMPARE(m_grid->HeaderButton(HeaderKind::Column, 0)->text(),
                 QString::number(m_view->Geometry().FirstCol() + 1));
    }

    void cursorHighlightIsInverted() {
        m_view->OnLButtonDown(260, 110, 0); // cell (3, 3)
        QCOMPARE(Pixel(300, 120), BLACK);
        QCOMPARE(Pixel(250, 120), qRgb(63, 63, 63)); // the grid line, inverted
        m_view->OnLButtonDown(60, 30, 0);
        QCOMPARE(Pixel(300, 120), WHITE);
    }

    void headerPressPostsItsIdAndMarksTheButton() {
        CHeaderButton* b = m_grid->HeaderButton(HeaderKind::Column, 1);
        QTest::mousePress(b, Qt::LeftButton);
        QVERIFY(b->m_marked);
        QVERIFY(m_grid->IsHeaderMarked(HeaderKind::Column, 1));
        QVERIFY(m_routed.empty()); // posted, not sent
        QCoreApplication::processEvents();
        QCOMPARE(m_routed, std::vector<int>{IDC_COLUMN_HEADER});
        QTest::mouseRelease(b, Qt::LeftButton);
        m_grid->SetHeaderMarked(HeaderKind::Column, 1, false);
        QVERIFY(!b->m_marked);
    }

    void headerDragStepsTheCursorAndReleaseEndsTheDrag() {
        const CGridSelection& sel = m_view->Selection();
        // A drag from cell (3, 5) has started.
        QTest::mousePress(m_grid.get(), Qt::LeftButton, Qt::NoModifier, QPoint(260, 190));
        QMouseEvent drag(QEvent::MouseMove, QPointF(260, 150),
                         m_grid->mapToGlobal(QPointF(260, 150)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(m_grid.get(), &drag);
        QMouseEvent back(QEvent::MouseMove, QPointF(260, 190),
                         m_grid->mapToGlobal(QPointF(260, 190)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(m_grid.get(), &back);
        QVERIFY(sel.RangeMode());
        QVERIFY(m_view->IsDragging());
        CHeaderButton* header = m_grid->HeaderButton(HeaderKind::Column, 0);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), header->mapToGlobal(QPointF(5, 5)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(header, &move);
        QCOMPARE(sel.CursorRow(), 5); // posted, not sent
        QCoreApplication::processEvents();
        QCOMPARE(sel.CursorRow(), 4);
        QCOMPARE(sel.CursorCol(), 3);
        // Over the vertical scroll bar a drag steps one column right.
        CTipScrollBar* bar = m_grid->ScrollBar(ScrollBarKind::Vertical);
        QMouseEvent barMove(QEvent::MouseMove, QPointF(3, 30), bar->mapToGlobal(QPointF(3, 30)),
                            Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(bar, &barMove);
        QCoreApplication::processEvents();
        QCOMPARE(sel.CursorCol(), 4);
        // A move with Shift held posts nothing.
        QMouseEvent shiftMove(QEvent::MouseMove, QPointF(5, 5), header->mapToGlobal(QPointF(5, 5)),
                              Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(header, &shiftMove);
        QCoreApplication::processEvents();
        QCOMPARE(sel.CursorRow(), 4);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5),
                            header->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(header, &release);
        QCoreApplication::processEvents();
        QVERIFY(!m_view->IsDragging());
    }

    void contextMenuGoesToTheHandler() {
        QPoint shown(-1, -1);
        m_grid->SetContextMenuHandler([&](const QPoint& globalPos) { shown = globalPos; });
        QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(100, 100), QPoint(400, 300));
        QCoreApplication::sendEvent(m_grid.get(), &e);
        QCOMPARE(shown, QPoint(400, 300));
        QVERIFY(m_view->IgnoresNextMove());
    }

    void fontAndTextConversion() {
        CFontDesc desc;
        desc.face = "\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9"; // the default face
        desc.height = 22;
        const QFont font = CQtDeviceContext::MakeFont(desc);
        QVERIFY(qAbs(QFontMetrics(font).height() - 22) <= 2);
        desc.height = -16;
        QCOMPARE(CQtDeviceContext::MakeFont(desc).pixelSize(), 16);
        desc.weight = 700;
        QVERIFY(CQtDeviceContext::MakeFont(desc).bold());
        // Line breaks do not start new lines; cp932 becomes Unicode.
        QCOMPARE(CQtDeviceContext::DisplayText("a\r\nb\nc"), QString("a b c"));
        QCOMPARE(CQtDeviceContext::DisplayText("\x95\x5c"), QString::fromUtf8("表"));
    }

    void deviceContextInvertsAndMovesPixels() {
        QImage img(20, 10, QImage::Format_RGB32);
        img.fill(Qt::white);
        CQtDeviceContext dc(img);
        dc.SelectPen(CPen{COLOR_BLACK, 1});
        dc.MoveTo(2, 1);
        dc.LineTo(6, 1);
        dc.InvertRect({0, 5, 4, 7});
        dc.SelectClipRect({0, 0, 20, 3});
        dc.InvertRect({10, 0, 12, 10}); // clipped to the first three rows
        dc.SelectClipNone();
        dc.ScrollPixels({0, 0, 20, 3}, 10, 1);
        dc.End();
        QCOMPARE(img.pixel(2, 1), BLACK);
        QCOMPARE(img.pixel(5, 1), BLACK);
        QCOMPARE(img.pixel(6, 1), WHITE); // end point not set
        QCOMPARE(img.pixel(3, 6), BLACK);
        QCOMPARE(img.pixel(4, 6), WHITE);
        QCOMPARE(img.pixel(11, 4), WHITE);
        QCOMPARE(img.pixel(12, 2), BLACK); // moved from (2, 1)
        QCOMPARE(img.pixel(20 - 1, 2), WHITE);
    }
};

QTEST_MAIN(GridWidgetTest)
#include "grid_widget_test.moc"
