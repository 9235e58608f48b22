#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A picture in memory: 8-bit RGB, rows top to bottom, no padding.
struct CPicture {
    int width = 0;
    int height = 0;
    double dpi = 0; // pixels per inch of the typeset page
    std::vector<std::uint8_t> rgb;

    const std::uint8_t* Pixel(int x, int y) const {
        return rgb.data() + (static_cast<std::size_t>(y) * width + x) * 3;
    }
};

// A rectangle of pixels, end exclusive; empty when x1 <= x0.
struct CPixelBox {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool Empty() const { return x1 <= x0 || y1 <= y0; }
};

// One page of a PDF held in memory, rasterised through poppler.
class CPdfPage {
public:
    // No page (Valid() false) when bytes are not a PDF with at least one page.
    explicit CPdfPage(std::string bytes);
    ~CPdfPage();
    CPdfPage(const CPdfPage&) = delete;
    CPdfPage& operator=(const CPdfPage&) = delete;

    bool Valid() const;
    int PageCount() const;
    // Size of the first page in big points.
    double Width() const;
    double Height() const;
    // The box's pixels of the first page at dpi (the whole page for an empty box).
    CPicture Render(double dpi, const CPixelBox& box = {}) const;

private:
    struct CImpl;
    CImpl* m_impl;
};

// Everything that is not white.
CPixelBox FindInk(const CPicture& picture);

// The box of picture, grown by margin white pixels on each side.
CPicture Crop(const CPicture& picture, const CPixelBox& box, int margin);

// The picture as PNG bytes; no value (and error set) when it cannot be encoded. The encoder
// writes through a file in a temporary folder under tempRoot.
std::optional<std::string> EncodePng(const CPicture& picture, const std::string& tempRoot,
                                     std::string& error);
