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

} // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
    return Convert("UTF-8", "CP932", cp932);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
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
