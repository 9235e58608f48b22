#include "QtDeviceContext.h"

#include "TextCodec.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

QColor ToQColor(CColor c) {
    return QColor(c.r, c.g, c.b);
}

QRect ToQRect(const CRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

// The view font's face names are those of another platform; point them at the Japanese
// faces fontconfig usually offers.
void InstallFaceSubstitutes() {
    static bool done = false;
    if (done)
        return;
    done = true;
    const QStringList mincho{"IPAMincho",     "IPAexMincho", "Noto Serif CJK JP",
                             "Noto Serif JP", "TakaoMincho", "Sazanami Mincho"};
    const QStringList gothic{"IPAGothic",    "IPAexGothic", "Noto Sans CJK JP",
                             "Noto Sans JP", "TakaoGothic", "VL Gothic"};
    for (const char* face : {"ＭＳ 明朝", "ＭＳ Ｐ明朝", "MS Mincho", "MS PMincho"})
        QFont::insertSubstitutions(QString::fromUtf8(face), mincho);
    for (const char* face : {"ＭＳ ゴシック", "ＭＳ Ｐゴシック", "MS Gothic", "MS PGothic"})
        QFont::insertSubstitutions(QString::fromUtf8(face), gothic);
}

} // namespace

CQtDeviceContext::CQtDeviceContext(QImage& image) : m_image(image) {}

CQtDeviceContext::~CQtDeviceContext() {
    End();
}

QPainter& CQtDeviceContext::Painter() {
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, true);
        if (m_clip)
            m_painter->setClipRect(ToQRect(*m_clip));
    }
    return *m_painter;
}

void CQtDeviceContext::End() {
    m_painter.reset();
}

void CQtDeviceContext::Reset() {
    m_pen = CPen{COLOR_BLACK, 1};
    m_brush = CBrush{COLOR_WHITE};
    m_font = CFontDesc{};
    m_textColor = COLOR_BLACK;
    m_bkColor = COLOR_WHITE;
    m_pos = {};
    SelectClipNone();
}

CPen CQtDeviceContext::SelectPen(const CPen& pen) {
    const CPen old = m_pen;
    m_pen = pen;
    return old;
}

CBrush CQtDeviceContext::SelectBrush(const CBrush& brush) {
    const CBrush old = m_brush;
    m_brush = brush;
    return old;
}

CFontDesc CQtDeviceContext::SelectFont(const CFontDesc& font) {
    const CFontDesc old = m_font;
    m_font = font;
    return old;
}

CColor CQtDeviceContext::SetTextColor(CColor color) {
    const CColor old = m_textColor;
    m_textColor = color;
    return old;
}

CColor CQtDeviceContext::SetBkColor(CColor color) {
    const CColor old = m_bkColor;
    m_bkColor = color;
    return old;
}

void CQtDeviceContext::SelectClipRect(const CRect& rect) {
    m_clip = rect;
    if (m_painter)
        m_painter->setClipRect(ToQRect(rect));
}

void CQtDeviceContext::SelectClipNone() {
    m_clip.reset();
    if (m_painter)
        m_painter->setClipping(false);
}

void CQtDeviceContext::Fill(const QRect& r, const QColor& c) {
    if (r.isEmpty())
        return;
    QPainter& p = Painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(r, c);
}

void CQtDeviceContext::Rectangle(const CRect& rect) {
    if (rect.IsEmpty())
        return;
    const QRect r = ToQRect(rect);
    Fill(r.adjusted(1, 1, -1, -1), ToQColor(m_brush.color));
    const QColor pen = ToQColor(m_pen.color);
    const int w = std::max(m_pen.width, 1);
    Fill(QRect(r.left(), r.top(), r.width(), w), pen);
    Fill(QRect(r.left(), r.bottom() - w + 1, r.width(), w), pen);
    Fill(QRect(r.left(), r.top(), w, r.height()), pen);
    Fill(QRect(r.right() - w + 1, r.top(), w, r.height()), pen);
}

void CQtDeviceContext::FillRect(const CRect& rect, const CBrush& brush) {
    Fill(ToQRect(rect), ToQColor(brush.color));
}

void CQtDeviceContext::FrameRect(const CRect& rect, const CBrush& brush) {
    if (rect.IsEmpty())
        return;
    const QRect r = ToQRect(rect);
    const QColor c = ToQColor(brush.color);
    Fill(QRect(r.left(), r.top(), r.width(), 1), c);
    Fill(QRect(r.left(), r.bottom(), r.width(), 1), c);
    Fill(QRect(r.left(), r.top(), 1, r.height()), c);
    Fill(QRect(r.right(), r.top(), 1, r.height()), c);
}

void CQtDeviceContext::MoveTo(int x, int y) {
    m_pos = {x, y};
}

void CQtDeviceContext::LineTo(int x, int y) {
    const CPoint from = m_pos;
    m_pos = {x, y};
    const QColor color = ToQColor(m_pen.color);
    const int w = std::max(m_pen.width, 1);
    const int half = (w - 1) / 2;
    if (from.x == x && from.y == y)
        return;
    if (from.y == y) {
        // Horizontal: from.x up to, not including, x.
        const int x1 = x > from.x ? from.x : x + 1;
        const int x2 = x > from.x ? x : from.x + 1;
        Fill(QRect(x1, y - half, x2 - x1, w), color);
        return;
    }
    if (from.x == x) {
        const int y1 = y > from.y ? from.y : y + 1;
        const int y2 = y > from.y ? y : from.y + 1;
        Fill(QRect(x - half, y1, w, y2 - y1), color);
        return;
    }
    // Slanted lines: stop one step short of the end point.
    const double len = std::hypot(x - from.x, y - from.y);
    const double ex = x - (x - from.x) / len;
    const double ey = y - (y - from.y) / len;
    QPainter& p = Painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QPen pen(color);
    pen.setWidth(w);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(QPointF(from.x, from.y), QPointF(ex, ey));
}

const QFont& CQtDeviceContext::CurrentFont() {
    for (const auto& [desc, font] : m_fonts)
        if (desc == m_font)
            return font;
    if (m_fonts.size() >= 8)
        m_fonts.erase(m_fonts.begin());
    m_fonts.emplace_back(m_font, MakeFont(m_font));
    return m_fonts.back().second;
}

QString CQtDeviceContext::DisplayText(std::string_view cp932) {
    QString text;
    if (const auto utf8 = Cp932ToUtf8(cp932)) {
        text = QString::fromStdString(*utf8);
    } else {
        // Bytes that are not valid code page 932: show the ASCII and mark the rest.
        for (std::size_t i = 0; i < cp932.size(); ++i) {
            const unsigned char b = static_cast<unsigned char>(cp932[i]);
            if (b < 0x80) {
                text += QChar(b);
            } else {
                text += QChar(0xFFFD);
                if (IsCp932LeadByte(b) && i + 1 < cp932.size())
                    ++i;
            }
        }
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QChar('\r'), QChar(' '));
    text.replace(QChar('\n'), QChar(' '));
    return text;
}

QFont CQtDeviceContext::MakeFont(const CFontDesc& desc) {
    InstallFaceSubstitutes();
    QFont font;
    const auto face = Cp932ToUtf8(desc.face);
    if (face && !face->empty())
        font.setFamily(QString::fromStdString(*face));
    font.setWeight(
        static_cast<QFont::Weight>(std::clamp(desc.weight > 0 ? desc.weight : 400, 1, 1000)));
    font.setItalic(desc.italic);
    font.setUnderline(desc.underline);
    font.setStyleStrategy(QFont::PreferAntialias);
    if (desc.height < 0) {
        font.setPixelSize(-desc.height);
    } else if (desc.height > 0) {
        // A positive height is the whole character cell (ascent + descent).
        font.setPixelSize(desc.height);
        const int cell = QFontMetrics(font).height();
        if (cell > 0 && cell != desc.height)
            font.setPixelSize(std::max(1, desc.height * desc.height / cell));
    } else {
        font.setPixelSize(16);
    }
    if (desc.width > 0) {
        const int average = QFontMetrics(font).averageCharWidth();
        if (average > 0)
            font.setStretch(std::clamp(desc.width * 100 / average, 1, 4000));
    }
    return font;
}

void CQtDeviceContext::DrawText(std::string_view cp932, const CRect& rect, HAlign h, VAlign v) {
    if (rect.IsEmpty())
        return;
    const QFont& font = CurrentFont();
    QPainter& p = Painter();
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QRect r = ToQRect(rect);
    if (m_clip)
        p.setClipRect(r.intersected(ToQRect(*m_clip)));
    else
        p.setClipRect(r);
    p.setFont(font);
    p.setPen(ToQColor(m_textColor));
    p.setBackground(ToQColor(m_bkColor));
    p.setBackgroundMode(Qt::OpaqueMode);
    int flags = Qt::TextSingleLine;
    flags |= h == HAlign::Left    ? Qt::AlignLeft
             : h == HAlign::Right ? Qt::AlignRight
                                  : Qt::AlignHCenter;
    flags |= v == VAlign::Top      ? Qt::AlignTop
             : v == VAlign::Bottom ? Qt::AlignBottom
                                   : Qt::AlignVCenter;
    p.drawText(r, flags, DisplayText(cp932));
    p.restore();
}

CSize CQtDeviceContext::MeasureText(std::string_view cp932) {
    const QFontMetrics fm(CurrentFont());
    return {fm.horizontalAdvance(DisplayText(cp932)), fm.height()};
}

void CQtDeviceContext::InvertRect(const CRect& rect) {
    if (rect.IsEmpty())
        return;
    QPainter& p = Painter();
    p.setCompositionMode(QPainter::RasterOp_NotDestination);
    p.fillRect(ToQRect(rect), Qt::black);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void CQtDeviceContext::ScrollPixels(const CRect& area, int dx, int dy) {
    QRect target = ToQRect(area);
    if (m_clip)
        target = target.intersected(ToQRect(*m_clip));
    if (target.isEmpty() || (dx == 0 && dy == 0))
        return;
    // The source is the part of the area that lands inside it after the move.
    const QRect source = target.translated(-dx, -dy).intersected(ToQRect(area));
    if (source.isEmpty())
        return;
    const QImage moved = m_image.copy(source);
    QPainter& p = Painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.save();
    p.setClipRect(target);
    p.drawImage(source.topLeft() + QPoint(dx, dy), moved);
    p.restore();
}
