#pragma once

#include "DeviceContext.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

// Device context that records every drawing call and also renders fills, lines and
// inversions onto a pixel canvas with the usual raster rules (right/bottom edges and line
// end points excluded, clip rectangle honoured). Text is recorded, not rendered.
class CRecordingDC : public IDeviceContext {
public:
    enum class Kind { Rectangle, Fill, Frame, Line, Text, Invert, Scroll };
    struct Op {
        Kind kind;
        CRect rect;       // Rectangle, Fill, Frame, Text, Invert, Scroll
        CPoint from, to;  // Line
        CPen pen;         // Rectangle, Line
        CBrush brush;     // Rectangle, Fill, Frame
        std::string text; // Text
        HAlign h = HAlign::Center;
        VAlign v = VAlign::Center;
        CFontDesc font; // Text
        CColor textColor, bkColor;
        std::optional<CRect> clip;
        int dx = 0, dy = 0; // Scroll
    };

    explicit CRecordingDC(int width = 0, int height = 0) { Resize(width, height); }

    void Resize(int width, int height) {
        m_width = width;
        m_height = height;
        m_pixels.assign(static_cast<std::size_t>(width) * height, COLOR_WHITE);
    }
    // The state of a fresh context.
    void ResetState() {
        m_pen = CPen{COLOR_BLACK, 1};
        m_brush = CBrush{COLOR_WHITE};
        m_font = CFontDesc{};
        m_textColor = COLOR_BLACK;
        m_bkColor = COLOR_WHITE;
        m_clip.reset();
        m_pos = {};
    }

    std::vector<Op> ops;

    std::vector<Op> OpsOf(Kind kind) const {
        std::vector<Op> out;
        for (const Op& op : ops)
            if (op.kind == kind)
                out.push_back(op);
        return out;
    }
    // Lines drawn with a pen of this colour.
    std::vector<Op> LinesIn(CColor color) const {
        std::vector<Op> out;
        for (const Op& op : ops)
            if (op.kind == Kind::Line && op.pen.color == color)
                out.push_back(op);
        return out;
    }
    CColor Pixel(int x, int y) const {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return COLOR_WHITE;
        return m_pixels[static_cast<std::size_t>(y) * m_width + x];
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const std::optional<CRect>& Clip() const { return m_clip; }

    CPen SelectPen(const CPen& pen) override { return Swap(m_pen, pen); }
    CBrush SelectBrush(const CBrush& brush) override { return Swap(m_brush, brush); }
    CFontDesc SelectFont(const CFontDesc& font) override { return Swap(m_font, font); }
    CColor SetTextColor(CColor color) override { return Swap(m_textColor, color); }
    CColor SetBkColor(CColor color) override { return Swap(m_bkColor, color); }
    void SelectClipRect(const CRect& rect) override { m_clip = rect; }
    void SelectClipNone() override { m_clip.reset(); }

    void Rectangle(const CRect& r) override {
        Record(Kind::Rectangle, r);
        FillPixels(r.Deflated(1), m_brush.color);
        if (r.IsEmpty())
            return;
        FillPixels({r.left, r.top, r.right, r.top + 1}, m_pen.color);
        FillPixels({r.left, r.bottom - 1, r.right, r.bottom}, m_pen.color);
        FillPixels({r.left, r.top, r.left + 1, r.bottom}, m_pen.color);
        FillPixels({r.right - 1, r.top, r.right, r.bottom}, m_pen.color);
    }
    void FillRect(const CRect& r, const CBrush& brush) override {
        Op& op = Record(Kind::Fill, r);
        op.brush = brush;
        FillPixels(r, brush.color);
    }
    void FrameRect(const CRect& r, const CBrush& brush) override {
        Op& op = Record(Kind::Frame, r);
        op.brush = brush;
        FillPixels({r.left, r.top, r.right, r.top + 1}, brush.color);
        FillPixels({r.left, r.bottom - 1, r.right, r.bottom}, brush.color);
        FillPixels({r.left, r.top, r.left + 1, r.bottom}, brush.color);
        FillPixels({r.right - 1, r.top, r.right, r.bottom}, brush.color);
    }
    void MoveTo(int x, int y) override { m_pos = {x, y}; }
    void LineTo(int x, int y) override {
        Op& op = Record(Kind::Line, {});
        op.from = m_pos;
        op.to = {x, y};
        // Bresenham, end point excluded.
        int x0 = m_pos.x, y0 = m_pos.y;
        const int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
        const int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
        int err = dx + dy;
        while (x0 != x || y0 != y) {
            SetPixel(x0, y0, m_pen.color);
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y0 += sy;
            }
        }
        m_pos = {x, y};
    }
    void DrawText(std::string_view cp932, const CRect& rect, HAlign h, VAlign v) override {
        Op& op = Record(Kind::Text, rect);
        op.text = std::string(cp932);
        op.h = h;
        op.v = v;
    }
    CSize MeasureText(std::string_view cp932) override {
        return {static_cast<int>(cp932.size()) * 8, 16};
    }
    void InvertRect(const CRect& r) override {
        Record(Kind::Invert, r);
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (Visible(x, y)) {
                    CColor& c = At(x, y);
                    c = {static_cast<std::uint8_t>(255 - c.r), static_cast<std::uint8_t>(255 - c.g),
                         static_cast<std::uint8_t>(255 - c.b)};
                }
    }
    void ScrollPixels(const CRect& area, int dx, int dy) override {
        Op& op = Record(Kind::Scroll, area);
        op.dx = dx;
        op.dy = dy;
        const std::vector<CColor> before = m_pixels;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                const int sx = x - dx, sy = y - dy;
                if (area.Contains(sx, sy) && Visible(x, y) && InCanvas(sx, sy))
                    At(x, y) = before[static_cast<std::size_t>(sy) * m_width + sx];
            }
    }

private:
    template <class T> static T Swap(T& member, const T& value) {
        T old = member;
        member = value;
        return old;
    }
    Op& Record(Kind kind, const CRect& rect) {
        Op op{kind,           rect,           {},     {},          m_pen,     m_brush, {},
              HAlign::Center, VAlign::Center, m_font, m_textColor, m_bkColor, m_clip};
        ops.push_back(op);
        return ops.back();
    }
    bool InCanvas(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    bool Visible(int x, int y) const {
        return InCanvas(x, y) && (!m_clip || m_clip->Contains(x, y));
    }
    CColor& At(int x, int y) { return m_pixels[static_cast<std::size_t>(y) * m_width + x]; }
    void SetPixel(int x, int y, CColor c) {
        if (Visible(x, y))
            At(x, y) = c;
    }
    void FillPixels(const CRect& r, CColor c) {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                SetPixel(x, y, c);
    }

    int m_width = 0;
    int m_height = 0;
    std::vector<CColor> m_pixels;
    CPen m_pen{COLOR_BLACK, 1};
    CBrush m_brush{COLOR_WHITE};
    CFontDesc m_font;
    CColor m_textColor = COLOR_BLACK;
    CColor m_bkColor = COLOR_WHITE;
    std::optional<CRect> m_clip;
    CPoint m_pos;
};
