#include "TextCodec.h"

#include <cerrno>
#include <iconv.h>

namespace {

std::optional<std::string> Convert(const char* to, const char* from, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string out;
    out.resize(in.size() * 3 + 16);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    bool ok = true;
    while (srcLeft > 0) {
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) {
                const std::size_t used = out.size() - dstLeft;
                out.resize(out.size() * 2);
                dst = out.data() + used;
                dstLeft = out.size() - used;
                continue;
            }
            ok = false; // EILSEQ or EINVAL: unrepresentable or cut character
            break;
        }
    }
    iconv_close(cd);
    if (!ok)
        return std::nullopt;
    out.resize(out.size() - dstLeft);
    return out;
}

// True when utf8 holds one of the tag characters U+E0000..U+E007F (F3 A0 80..81 xx).
bool HasTagCharacter(std::string_view utf8) {
    for (std::size_t i = utf8.find('\xF3'); i != std::string_view::npos;
         i = utf8.find('\xF3', i + 1))
        if (i + 2 < utf8.size() && utf8[i + 1] == '\xA0' &&
            (utf8[i + 2] == '\x80' || utf8[i + 2] == '\x81'))
            return true;
    return false;
}

} // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
    return Convert("UTF-8", "CP932", cp932);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    // The converter drops tag characters without a word; code page 932 has none of them.
    if (HasTagCharacter(utf8))
        return std::nullopt;
    return Convert("CP932", "UTF-8", utf8);
}

std::string_view Cp932Truncate(std::string_view s, std::size_t maxBytes) {
    if (s.size() <= maxBytes)
        return s;
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t len = IsCp932LeadByte(static_cast<unsigned char>(s[i])) ? 2 : 1;
        if (i + len > maxBytes)
            break;
        i += len;
    }
    return s.substr(0, i);
}

bool IsValidUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        std::size_t len = 0;
        unsigned char lo = 0x80;
        unsigned char hi = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            len = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            len = 3;
            if (b == 0xE0)
                lo = 0xA0; // overlong
            else if (b == 0xED)
                hi = 0x9F; // surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            len = 4;
            if (b == 0xF0)
                lo = 0x90; // overlong
            else if (b == 0xF4)
                hi = 0x8F; // above U+10FFFF
        } else {
            return false;
        }
        if (i + len > n || p[i + 1] < lo || p[i + 1] > hi)
            return false;
        for (std::size_t k = 2; k < len; ++k)
            if (p[i + k] < 0x80 || p[i + k] > 0xBF)
                return false;
        i += len;
    }
    return true;
}

CTextEncoding DetectTextEncoding(std::string_view bytes) {
    const bool bom = bytes.substr(0, 3) == std::string_view("\xEF\xBB\xBF", 3);
    const std::size_t skip = bom ? 3 : 0;
    if (IsValidUtf8(bytes.substr(skip)))
        return {TextEncoding::Utf8, skip};
    return {TextEncoding::Cp932, 0};
}
