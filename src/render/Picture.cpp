#include "Picture.h"

#include "FileIo.h"
#include "TempFolder.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-image.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <mutex>

namespace {

void Quiet(const std::string&, void*) {}

} // namespace

struct CPdfPage::CImpl {
    std::string bytes;
    std::unique_ptr<poppler::document> doc;
    std::unique_ptr<poppler::page> page;
};

CPdfPage::CPdfPage(std::string bytes) : m_impl(new CImpl) {
    // Poppler reports broken files on standard error unless told otherwise.
    static std::once_flag quiet;
    std::call_once(quiet, [] { poppler::set_debug_error_function(Quiet, nullptr); });
    m_impl->bytes = std::move(bytes);
    m_impl->doc.reset(poppler::document::load_from_raw_data(
        m_impl->bytes.data(), static_cast<int>(m_impl->bytes.size())));
    if (m_impl->doc && m_impl->doc->pages() > 0)
        m_impl->page.reset(m_impl->doc->create_page(0));
}

CPdfPage::~CPdfPage() {
    delete m_impl;
}

bool CPdfPage::Valid() const {
    return m_impl->page != nullptr;
}

int CPdfPage::PageCount() const {
    return m_impl->doc ? m_impl->doc->pages() : 0;
}

double CPdfPage::Width() const {
    return m_impl->page ? m_impl->page->page_rect(poppler::media_box).width() : 0;
}

double CPdfPage::Height() const {
    return m_impl->page ? m_impl->page->page_rect(poppler::media_box).height() : 0;
}

CPicture CPdfPage::Render(double dpi, const CPixelBox& box) const {
    CPicture pic;
    pic.dpi = dpi;
    if (!m_impl->page)
        return pic;
    poppler::page_renderer renderer;
    renderer.set_render_hints(poppler::page_renderer::antialiasing |
                              poppler::page_renderer::text_antialiasing);
    renderer.set_image_format(poppler::image::format_rgb24);
    renderer.set_paper_color(0xffffffff);
    const poppler::image image =
        box.Empty() ? renderer.render_page(m_impl->page.get(), dpi, dpi)
                    : renderer.render_page(m_impl->page.get(), dpi, dpi, box.x0, box.y0,
                                           box.x1 - box.x0, box.y1 - box.y0);
    if (!image.is_valid() || image.format() != poppler::image::format_rgb24)
        return pic;
    pic.width = image.width();
    pic.height = image.height();
    const std::size_t row = static_cast<std::size_t>(pic.width) * 3;
    pic.rgb.resize(row * static_cast<std::size_t>(pic.height));
    for (int y = 0; y < pic.height; ++y)
        std::memcpy(pic.rgb.data() + row * y,
                    image.const_data() + static_cast<std::size_t>(image.bytes_per_row()) * y, row);
    return pic;
}

CPixelBox FindInk(const CPicture& pic) {
    CPixelBox box{pic.width, pic.height, 0, 0};
    const std::size_t row = static_cast<std::size_t>(pic.width) * 3;
    for (int y = 0; y < pic.height; ++y) {
        const std::uint8_t* p = pic.rgb.data() + row * y;
        int first = -1, last = -1;
        for (int x = 0; x < pic.width; ++x, p += 3) {
            if ((p[0] & p[1] & p[2]) != 0xff) {
                if (first < 0)
                    first = x;
                last = x;
            }
        }
        if (first < 0)
            continue;
        box.x0 = std::min(box.x0, first);
        box.x1 = std::max(box.x1, last + 1);
        box.y0 = std::min(box.y0, y);
        box.y1 = y + 1;
    }
    if (box.Empty())
        return {};
    return box;
}

CPicture Crop(const CPicture& pic, const CPixelBox& box, int margin) {
    CPicture out;
    out.dpi = pic.dpi;
    out.width = std::max(1, box.x1 - box.x0 + 2 * margin);
    out.height = std::max(1, box.y1 - box.y0 + 2 * margin);
    out.rgb.assign(static_cast<std::size_t>(out.width) * out.height * 3, 0xff);
    for (int y = 0; y < out.height; ++y) {
        const int sy = box.y0 - margin + y;
        if (sy < 0 || sy >= pic.height)
            continue;
        const int sx0 = std::max(0, box.x0 - margin);
        const int sx1 = std::min(pic.width, box.x0 - margin + out.width);
        if (sx1 <= sx0)
            continue;
        std::memcpy(out.rgb.data() +
                        (static_cast<std::size_t>(y) * out.width + (sx0 - (box.x0 - margin))) * 3,
                    pic.Pixel(sx0, sy), static_cast<std::size_t>(sx1 - sx0) * 3);
    }
    return out;
}

std::optional<std::string> EncodePng(const CPicture& pic, const std::string& tempRoot,
                                     std::string& error) {
    CTempFolder folder(tempRoot);
    if (folder.Path().empty()) {
        error = folder.Error();
        return std::nullopt;
    }
    poppler::image image(pic.width, pic.height, poppler::image::format_rgb24);
    if (!image.is_valid()) {
        error = "cannot hold a picture of " + std::to_string(pic.width) + " x " +
                std::to_string(pic.height) + " pixels";
        return std::nullopt;
    }
    const std::size_t row = static_cast<std::size_t>(pic.width) * 3;
    for (int y = 0; y < pic.height; ++y)
        std::memcpy(image.data() + static_cast<std::size_t>(image.bytes_per_row()) * y,
                    pic.rgb.data() + row * y, row);
    const std::string file = folder.Path() + "/picture.png";
    if (!image.save(file, "png", static_cast<int>(std::lround(pic.dpi)))) {
        error = "the PNG encoder failed";
        return std::nullopt;
    }
    std::string bytes;
    const CFileIoResult read = ReadWholeFile(file, bytes);
    if (!read.ok) {
        error = read.error;
        return std::nullopt;
    }
    return bytes;
}
