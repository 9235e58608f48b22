#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Drawing surface the grid view paints through. Coordinates are client-area pixels.
// The semantics follow the classic raster device context: rectangles exclude their right
// and bottom edge, lines exclude their end point, and the clip rectangle limits every
// operation (fills, lines, text, inversion and pixel moves).

struct CColor {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const CColor&) const = default;
};

inline constexpr CColor COLOR_BLACK{0, 0, 0};
inline constexpr CColor COLOR_WHITE{255, 255, 255};

struct CPoint {
    int x = 0;
    int y = 0;
    bool operator==(const CPoint&) const = default;
};

struct CSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const CSize&) const = default;
};

// Pixel rectangle: covers left .. right - 1 and top .. bottom - 1.
struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    CRect Deflated(int d) const { return {left + d, top + d, right - d, bottom - d}; }
    CRect Intersected(const CRect& o) const {
        return {left > o.left ? left : o.left, top > o.top ? top : o.top,
                right < o.right ? right : o.right, bottom < o.bottom ? bottom : o.bottom};
    }
    bool operator==(const CRect&) const = default;
};

// Solid pen; width in pixels, centred on the line.
struct CPen {
    CColor color;
    int width = 1;
    bool operator==(const CPen&) const = default;
};

// Solid brush.
struct CBrush {
    CColor color = COLOR_WHITE;
    bool operator==(const CBrush&) const = default;
};

// Logical font. height > 0: character cell height in pixels; height < 0: character height
// (without internal leading); 0: a default size. width 0: the face's natural width.
struct CFontDesc {
    std::string face; // code page 932 bytes, as the settings store it
    int height = 0;
    int width = 0;
    int weight = 400; // 100 .. 900, 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool operator==(const CFontDesc&) const = default;
};

enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Center, Bottom };

class IDeviceContext {
public:
    virtual ~IDeviceContext() = default;

    // Each Select/Set returns what it replaced, so callers can put it back.
    virtual CPen SelectPen(const CPen& pen) = 0;
    virtual CBrush SelectBrush(const CBrush& brush) = 0;
    virtual CFontDesc SelectFont(const CFontDesc& font) = 0;
    virtual CColor SetTextColor(CColor color) = 0;
    virtual CColor SetBkColor(CColor color) = 0;

    // Clip rectangle for everything drawn afterwards; SelectClipNone lifts it.
    virtual void SelectClipRect(const CRect& rect) = 0;
    virtual void SelectClipNone() = 0;

    // Outline with the current pen on the rectangle's outermost pixels, interior with the
    // current brush.
    virtual void Rectangle(const CRect& rect) = 0;
    virtual void FillRect(const CRect& rect, const CBrush& brush) = 0;
    // One-pixel frame in the brush's colour.
    virtual void FrameRect(const CRect& rect, const CBrush& brush) = 0;

    virtual void MoveTo(int x, int y) = 0;
    // Line from the current position to (x, y) with the current pen; the end point itself
    // is not set. (x, y) becomes the current position.
    virtual void LineTo(int x, int y) = 0;

    // One line of text (cp932 bytes) placed inside rect and clipped to it, with the text
    // colour on an opaque background of the background colour, in the selected font.
    // Line breaks do not start new lines.
    virtual void DrawText(std::string_view cp932, const CRect& rect, HAlign h, VAlign v) = 0;
    // Extent of one line of text in the selected font.
    virtual CSize MeasureText(std::string_view cp932) = 0;

    // Inverts every pixel of the rectangle; inverting twice restores the picture.
    virtual void InvertRect(const CRect& rect) = 0;
    // Moves the pixels inside area by (dx, dy); pixels moved outside area are lost and the
    // uncovered strip keeps its old pixels until the caller repaints it.
    virtual void ScrollPixels(const CRect& area, int dx, int dy) = 0;
};
