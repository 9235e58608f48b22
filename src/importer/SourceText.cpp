#include "SourceText.h"

#include "ModelTypes.h"

#include <algorithm>
#include <optional>

namespace importer_detail {

namespace {

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t Utf8CharLength(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t len = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
    return std::min(len, s.size() - i);
}

// Start offsets of every character of s.
std::vector<std::size_t> CharStarts(std::string_view s, bool utf8) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < s.size();) {
        starts.push_back(i);
        i += utf8 ? Utf8CharLength(s, i) : Cp932CharLength(s, i);
    }
    return starts;
}

// The offset of the first character of s that does not convert; the whole text is known
// not to. A binary search over prefixes that end at character boundaries.
template <typename Convert>
std::size_t FirstBadCharacter(std::string_view s, bool utf8, Convert convert) {
    const std::vector<std::size_t> starts = CharStarts(s, utf8);
    // Smallest count n of characters whose prefix fails; the bad one is character n - 1.
    std::size_t lo = 1, hi = starts.size();
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        const std::size_t end = mid < starts.size() ? starts[mid] : s.size();
        if (convert(s.substr(0, end)))
            lo = mid + 1;
        else
            hi = mid;
    }
    return starts.empty() ? 0 : starts[lo - 1];
}

} // namespace

CSourceText::CSourceText(std::string_view bytes, bool utf8) : m_bytes(bytes), m_utf8(utf8) {}

CSourcePosition CSourceText::PositionAt(std::size_t offset) const {
    if (m_lineStarts.empty()) {
        m_lineStarts.push_back(0);
        const std::string_view b = m_bytes;
        for (std::size_t i = 0; i < b.size(); ++i)
            if (b[i] == '\n' || (b[i] == '\r' && (i + 1 >= b.size() || b[i + 1] != '\n')))
                m_lineStarts.push_back(i + 1);
    }
    offset = std::min(offset, m_bytes.size());
    const auto it = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), offset) - 1;
    int column = 1;
    for (std::size_t i = *it; i < offset;) {
        i += m_utf8 ? Utf8CharLength(m_bytes, i) : Cp932CharLength(m_bytes, i);
        ++column;
    }
    return {static_cast<int>(it - m_lineStarts.begin()) + 1, column};
}

std::string CSourceText::Where(std::size_t offset) const {
    const CSourcePosition p = PositionAt(offset);
    return "line " + std::to_string(p.line) + ", column " + std::to_string(p.column);
}

std::optional<CTableImportError> DecodeSource(std::string_view bytes, bool wantUtf8,
                                              CDecodedSource& out,
                                              std::optional<TextEncoding> encoding) {
    CTextEncoding enc = DetectTextEncoding(bytes);
    if (encoding && *encoding != enc.encoding) {
        enc.encoding = *encoding;
        enc.bomLength =
            *encoding == TextEncoding::Utf8 && bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    }
    out.fromUtf8 = enc.encoding == TextEncoding::Utf8;
    if (out.fromUtf8) {
        const std::string_view utf8 = bytes.substr(enc.bomLength);
        std::optional<std::string> cp = Utf8ToCp932(utf8);
        if (!cp) {
            const std::size_t bad = FirstBadCharacter(
                utf8, true, [](std::string_view p) { return Utf8ToCp932(p).has_value(); });
            const std::size_t len = Utf8CharLength(utf8, bad);
            return CTableImportError{CSourceText(utf8, true).PositionAt(bad),
                                     "the character '" + std::string(utf8.substr(bad, len)) +
                                         "' cannot be held in code page 932"};
        }
        out.cp932 = std::move(*cp);
        if (wantUtf8)
            out.utf8.assign(utf8);
        return std::nullopt;
    }
    out.cp932.assign(bytes);
    if (wantUtf8) {
        std::optional<std::string> u = Cp932ToUtf8(bytes);
        if (!u) {
            const std::size_t bad = FirstBadCharacter(
                bytes, false, [](std::string_view p) { return Cp932ToUtf8(p).has_value(); });
            std::string hex;
            for (std::size_t i = bad; i < bad + Cp932CharLength(bytes, bad); ++i) {
                static const char digits[] = "0123456789ABCDEF";
                const auto b = static_cast<unsigned char>(bytes[i]);
                hex += hex.empty() ? "0x" : " 0x";
                hex += digits[b >> 4];
                hex += digits[b & 15];
            }
            return CTableImportError{CSourceText(bytes, false).PositionAt(bad),
                                     "the bytes " + hex +
                                         " are neither UTF-8 nor a code page 932 character"};
        }
        out.utf8 = std::move(*u);
    }
    return std::nullopt;
}

COffsetWalker::COffsetWalker(std::string_view utf8, std::string_view cp932)
    : m_utf8(utf8), m_cp932(cp932) {}

std::size_t COffsetWalker::ToCp932(std::size_t utf8Offset) {
    utf8Offset = std::min(utf8Offset, m_utf8.size());
    if (utf8Offset < m_u) {
        m_u = 0;
        m_c = 0;
    }
    while (m_u < utf8Offset) {
        const auto b = static_cast<unsigned char>(m_utf8[m_u]);
        if (b < 0x80) {
            ++m_u;
            ++m_c;
            continue;
        }
        m_u += Utf8CharLength(m_utf8, m_u);
        m_c += Cp932CharLength(m_cp932, m_c);
    }
    // An offset inside a character never comes from the readers; keep on a boundary.
    while (m_u < m_utf8.size() && IsUtf8Continuation(m_utf8[m_u]))
        ++m_u;
    return std::min(m_c, m_cp932.size());
}

void CWarnings::Add(std::string text) {
    if (static_cast<int>(m_out.size()) >= LIMIT) {
        ++m_dropped;
        return;
    }
    m_out.push_back(std::move(text));
}

void CWarnings::Finish() {
    if (m_dropped > 0)
        m_out.push_back(std::to_string(m_dropped) + " more warnings were not shown");
    m_dropped = 0;
}

bool ClipCellText(std::string& text) {
    if (text.size() <= MAX_TEXT_BYTES)
        return false;
    text.resize(Cp932Truncate(text, MAX_TEXT_BYTES).size());
    return true;
}

} // namespace importer_detail
