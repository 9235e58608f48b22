#include "Icons.h"

#include "Resource.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kInk(40, 40, 48);
const QColor kPaper(255, 255, 255);
const QColor kGridGrey(170, 170, 176);
const QColor kAccent(38, 98, 178);
const QColor kWarm(214, 150, 40);
const QColor kRed(196, 44, 44);

QPen Pen(const QColor& c, qreal w = 1.2) {
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Page(QPainter& p, QRectF r) {
    QPainterPath path;
    const qreal fold = 5;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(Pen(kInk));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void TextLines(QPainter& p, qreal left, qreal top, qreal width, int count, qreal step = 3) {
    p.setPen(Pen(kGridGrey, 1));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + i * step), QPointF(left + width, top + i * step));
}

void SmallGrid(QPainter& p, QRectF r, int cols, int rows, const QColor& line) {
    p.setPen(Pen(line, 1));
    p.setBrush(kPaper);
    p.drawRect(r);
    for (int c = 1; c < cols; ++c) {
        const qreal x = r.left() + r.width() * c / cols;
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    }
    for (int k = 1; k < rows; ++k) {
        const qreal y = r.top() + r.height() * k / rows;
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& c) {
    p.setPen(Pen(c, 1.6));
    p.drawLine(from, to);
    const QLineF line(to, from);
    QLineF a = line;
    a.setLength(3.5);
    QLineF b = a;
    a.setAngle(line.angle() + 35);
    b.setAngle(line.angle() - 35);
    p.drawLine(a);
    p.drawLine(b);
}

void Align(QPainter& p, int where) {
    p.setPen(Pen(kInk, 1.8));
    const qreal widths[] = {16, 10, 14, 8};
    for (int i = 0; i < 4; ++i) {
        const qreal w = widths[i];
        qreal x = 4;
        if (where == 1)
            x = 12 - w / 2;
        else if (where == 2)
            x = 20 - w;
        p.drawLine(QPointF(x, 6 + i * 4), QPointF(x + w, 6 + i * 4));
    }
}

void Glyph(QPainter& p, QRectF r, const QString& text, const QColor& c, qreal size, bool serif) {
    QFont f(serif ? QStringLiteral("Serif") : QStringLiteral("Sans"));
    f.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    f.setPixelSize(static_cast<int>(size));
    f.setBold(true);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, text);
}

// Paints one toolbar picture on a 24 x 24 canvas; false for an id without a picture.
bool PaintCommand(QPainter& p, int id) {
    switch (id) {
    case ID_FILE_NEW:
        Page(p, QRectF(5.5, 2.5, 13, 19));
        TextLines(p, 8, 10, 8, 3);
        return true;
    case ID_FILE_OPEN: {
        p.setPen(Pen(kInk));
        p.setBrush(kWarm.lighter(130));
        QPainterPath back;
        back.moveTo(2.5, 6.5);
        back.lineTo(8.5, 6.5);
        back.lineTo(10.5, 8.5);
        back.lineTo(19.5, 8.5);
        back.lineTo(19.5, 19.5);
        back.lineTo(2.5, 19.5);
        back.closeSubpath();
        p.drawPath(back);
        p.setBrush(kWarm);
        QPainterPath front;
        front.moveTo(2.5, 19.5);
        front.lineTo(6.5, 11.5);
        front.lineTo(22.5, 11.5);
        front.lineTo(19.5, 19.5);
        front.closeSubpath();
        p.drawPath(front);
        return true;
    }
    case ID_FILE_SAVE:
        p.setPen(Pen(kInk));
        p.setBrush(kAccent);
        p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 1.5, 1.5);
        p.setBrush(kPaper);
        p.drawRect(QRectF(6.5, 3.5, 11, 7));
        p.setBrush(QColor(210, 214, 222));
        p.drawRect(QRectF(7.5, 14.5, 9, 6));
        p.setBrush(kInk);
        p.drawRect(QRectF(13.5, 4.5, 2, 4));
        return true;
    case ID_EDIT_CUT:
        p.setPen(Pen(kInk, 1.5));
        p.drawLine(QPointF(8, 3), QPointF(15, 15));
        p.drawLine(QPointF(16, 3), QPointF(9, 15));
        p.setBrush(Qt::NoBrush);
        p.setPen(Pen(kRed, 1.6));
        p.drawEllipse(QPointF(7.5, 17.5), 3, 3);
        p.drawEllipse(QPointF(16.5, 17.5), 3, 3);
        return true;
    case ID_EDIT_COPY:
        Page(p, QRectF(3.5, 2.5, 11, 14));
        Page(p, QRectF(9.5, 7.5, 11, 14));
        TextLines(p, 12, 13, 6, 3);
        return true;
    case ID_EDIT_PASTE:
        p.setPen(Pen(kInk));
        p.setBrush(kWarm);
        p.drawRoundedRect(QRectF(3.5, 4.5, 14, 17), 1.5, 1.5);
        p.setBrush(QColor(150, 150, 156));
        p.drawRect(QRectF(7.5, 2.5, 6, 4));
        Page(p, QRectF(10.5, 9.5, 10, 12));
        TextLines(p, 12.5, 14, 6, 3);
        return true;
    case ID_EDIT_CLEAR:
        SmallGrid(p, QRectF(2.5, 4.5, 19, 15), 3, 3, kGridGrey);
        p.setPen(Pen(kRed, 2.2));
        p.drawLine(QPointF(8, 8), QPointF(16, 16));
        p.drawLine(QPointF(16, 8), QPointF(8, 16));
        return true;
    case ID_EDIT_UNDO: {
        p.setPen(Pen(kAccent, 2));
        p.setBrush(Qt::NoBrush);
        QPainterPath path;
        path.moveTo(6, 9);
        path.cubicTo(12, 3, 21, 6, 20, 13);
        path.cubicTo(19.5, 17, 16, 19, 12, 19);
        p.drawPath(path);
        p.setBrush(kAccent);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(3, 11.5), QPointF(5, 4.5), QPointF(10, 10)}));
        return true;
    }
    case ID_APP_ABOUT:
        p.setPen(Pen(kAccent.darker(120)));
        p.setBrush(kAccent);
        p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
        Glyph(p, QRectF(2, 2, 20, 20), QStringLiteral("?"), kPaper, 15, false);
        return true;
    case ID_CELL_SIZE:
        SmallGrid(p, QRectF(2.5, 6.5, 19, 11), 1, 1, kInk);
        Arrow(p, QPointF(7, 12), QPointF(3.5, 12), kAccent);
        Arrow(p, QPointF(17, 12), QPointF(20.5, 12), kAccent);
        p.setPen(Pen(kAccent, 1.6));
        p.drawLine(QPointF(7, 12), QPointF(17, 12));
        return true;
    case ID_FONT:
        Glyph(p, QRectF(0, 0, 17, 22), QStringLiteral("A"), kInk, 19, true);
        Glyph(p, QRectF(11, 7, 13, 16), QStringLiteral("a"), kAccent, 13, true);
        return true;
    case ID_ALIGN_LEFT:
        Align(p, 0);
        return true;
    case ID_ALIGN_CENTER:
        Align(p, 1);
        return true;
    case ID_ALIGN_RIGHT:
        Align(p, 2);
        return true;
    case ID_CELL_INPUT:
        SmallGrid(p, QRectF(2.5, 5.5, 19, 13), 1, 1, kInk);
        Glyph(p, QRectF(3, 5, 13, 14), QStringLiteral("T"), kAccent, 12, true);
        p.setPen(Pen(kInk, 1.3));
        p.drawLine(QPointF(17, 8), QPointF(17, 16));
        return true;
    case ID_VIEW_GRID:
        SmallGrid(p, QRectF(2.5, 3.5, 19, 17), 4, 4, kGridGrey.darker(115));
        return true;
    case ID_AUTO_HEIGHT:
        SmallGrid(p, QRectF(2.5, 3.5, 12, 17), 1, 3, kInk);
        Arrow(p, QPointF(19, 12), QPointF(19, 3.5), kAccent);
        Arrow(p, QPointF(19, 12), QPointF(19, 20.5), kAccent);
        return true;
    case ID_FIT_WIDTH:
        SmallGrid(p, QRectF(2.5, 10.5, 19, 11), 2, 1, kInk);
        TextLines(p, 5, 16, 4, 1);
        TextLines(p, 14.5, 16, 4, 1);
        Arrow(p, QPointF(12, 5), QPointF(3, 5), kAccent);
        Arrow(p, QPointF(12, 5), QPointF(21, 5), kAccent);
        return true;
    case ID_LINE_PALETTE:
        p.setPen(Pen(kInk));
        p.setBrush(QColor(236, 236, 240));
        p.drawRoundedRect(QRectF(2.5, 3.5, 19, 17), 2, 2);
        p.setPen(Pen(kInk, 1.4));
        p.drawLine(QPointF(6, 8), QPointF(18, 8));
        p.drawLine(QPointF(6, 12.5), QPointF(18, 12.5));
        p.drawLine(QPointF(6, 15), QPointF(18, 15));
        p.setPen(Pen(kGridGrey, 1.4));
        p.drawLine(QPointF(6, 18), QPointF(18, 18));
        return true;
    case ID_GENERATE_OPTIONS:
        p.setPen(Pen(kInk, 1.4));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(4, 6 + i * 6), QPointF(20, 6 + i * 6));
        p.setBrush(kAccent);
        p.setPen(Pen(kInk, 1));
        p.drawRect(QRectF(7.5, 3.5, 3, 5));
        p.drawRect(QRectF(14.5, 9.5, 3, 5));
        p.drawRect(QRectF(9.5, 15.5, 3, 5));
        return true;
    case ID_GENERATE:
        Page(p, QRectF(3.5, 2.5, 17, 19));
        Glyph(p, QRectF(3, 6, 18, 12), QStringLiteral("TeX"), kAccent, 8, true);
        return true;
    case ID_VIEW_RENDER_PREVIEW:
        // A typeset table on a page (double rule above, single rules between), under a lens.
        Page(p, QRectF(2.5, 2.5, 16, 19));
        p.setPen(Pen(kInk, 1));
        p.drawLine(QPointF(5, 6), QPointF(15, 6));
        p.drawLine(QPointF(5, 7.8), QPointF(15, 7.8));
        p.drawLine(QPointF(5, 11.5), QPointF(15, 11.5));
        p.drawLine(QPointF(5, 15), QPointF(11, 15));
        p.drawLine(QPointF(10, 7.8), QPointF(10, 15));
        p.setPen(Pen(kAccent, 1.8));
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(QPointF(15.5, 15.5), 4, 4);
        p.drawLine(QPointF(18.4, 18.4), QPointF(21.5, 21.5));
        return true;
    default:
        return false;
    }
}

QPixmap Render(int size, int id) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 24.0, size / 24.0);
    PaintCommand(p, id);
    return pixmap;
}

void PaintTable(QPainter& p, QRectF r, int cols, int rows) {
    p.setPen(QPen(kGridGrey, 1));
    p.setBrush(kPaper);
    p.drawRect(r);
    for (int c = 1; c < cols; ++c) {
        const qreal x = r.left() + r.width() * c / cols;
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    }
    for (int k = 1; k < rows; ++k) {
        const qreal y = r.top() + r.height() * k / rows;
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
    // Ruled lines: a double rule under the first row, single rules at top and bottom.
    p.setPen(QPen(kInk, r.height() / 60));
    const qreal y1 = r.top() + r.height() / rows;
    const qreal gap = r.height() / 40;
    p.drawLine(QPointF(r.left(), r.top()), QPointF(r.right(), r.top()));
    p.drawLine(QPointF(r.left(), y1 - gap), QPointF(r.right(), y1 - gap));
    p.drawLine(QPointF(r.left(), y1 + gap), QPointF(r.right(), y1 + gap));
    p.drawLine(QPointF(r.left(), r.bottom()), QPointF(r.right(), r.bottom()));
}

} // namespace

QIcon CommandIcon(int id) {
    QPixmap probe(1, 1);
    probe.fill(Qt::transparent);
    {
        QPainter p(&probe);
        if (!PaintCommand(p, id))
            return {};
    }
    QIcon icon;
    for (int size : {16, 20, 24, 32, 48})
        icon.addPixmap(Render(size, id));
    return icon;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 64.0, size / 64.0);
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
        PaintTable(p, QRectF(10, 14, 44, 38), 3, 4);
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap SplashPicture() {
    QPixmap pixmap(400, 200);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, 400, 200);
    sky.setColorAt(0, QColor(24, 62, 128));
    sky.setColorAt(1, QColor(70, 130, 200));
    p.fillRect(pixmap.rect(), sky);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (int x = 0; x < 400; x += 20)
        p.drawLine(x, 0, x, 200);
    for (int y = 0; y < 200; y += 20)
        p.drawLine(0, y, 400, y);
    PaintTable(p, QRectF(284, 44, 96, 104), 3, 5);

    QFont title(QStringLiteral("Serif"));
    title.setStyleHint(QFont::Serif);
    title.setPixelSize(28);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(24, 40, 250, 44), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Visual Brindle"));
    QFont sub(QStringLiteral("Sans"));
    sub.setStyleHint(QFont::SansSerif);
    sub.setPixelSize(15);
    p.setFont(sub);
    p.drawText(QRectF(26, 88, 220, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Release1.5"));
    p.setPen(QColor(220, 230, 245));
    sub.setPixelSize(12);
    p.setFont(sub);
    p.drawText(QRectF(26, 126, 220, 40), Qt::AlignLeft | Qt::TextWordWrap,
               QCoreApplication::translate("CSplashWnd",
                                           "Tables for LaTeX and HTML, drawn as you see them."));
    p.setPen(QPen(QColor(255, 255, 255, 160), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 398, 198));
    return pixmap;
}
