#pragma once

#include "DeviceContext.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

// Device context over a QImage. A painter stays open on the image between calls; End()
// closes it (before the image is shown, resized or replaced).
class CQtDeviceContext : public IDeviceContext {
public:
    explicit CQtDeviceContext(QImage& image);
    ~CQtDeviceContext() override;

    // Back to the defaults of a fresh context: no clip, black pen, white brush, black text
    // on white, default font, current position (0, 0).
    void Reset();
    void End();

    CPen SelectPen(const CPen& pen) override;
    CBrush SelectBrush(const CBrush& brush) override;
    CFontDesc SelectFont(const CFontDesc& font) override;
    CColor SetTextColor(CColor color) override;
    CColor SetBkColor(CColor color) override;
    void SelectClipRect(const CRect& rect) override;
    void SelectClipNone() override;
    void Rectangle(const CRect& rect) override;
    void FillRect(const CRect& rect, const CBrush& brush) override;
    void FrameRect(const CRect& rect, const CBrush& brush) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void DrawText(std::string_view cp932, const CRect& rect, HAlign h, VAlign v) override;
    CSize MeasureText(std::string_view cp932) override;
    void InvertRect(const CRect& rect) override;
    void ScrollPixels(const CRect& area, int dx, int dy) override;

    // The Qt font for a font description: the face from cp932, sized so that a positive
    // height is the character cell height.
    static QFont MakeFont(const CFontDesc& desc);
    // Cell text for display: cp932 to UTF-8, line breaks shown as spaces.
    static QString DisplayText(std::string_view cp932);

private:
    QPainter& Painter();
    void Fill(const QRect& r, const QColor& c);
    const QFont& CurrentFont();

    QImage& m_image;
    std::unique_ptr<QPainter> m_painter;
    CPen m_pen{COLOR_BLACK, 1};
    CBrush m_brush{COLOR_WHITE};
    CFontDesc m_font;
    // Fonts made so far; a paint switches between very few of them for every cell.
    std::vector<std::pair<CFontDesc, QFont>> m_fonts;
    CColor m_textColor = COLOR_BLACK;
    CColor m_bkColor = COLOR_WHITE;
    std::optional<CRect> m_clip;
    CPoint m_pos;
};
