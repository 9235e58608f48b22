// The code page 932 <-> UTF-8 codec over arbitrary bytes, taken as either side:
// - IsValidUtf8 agrees with a decoder written the other way round (decode, then refuse
//   overlong forms, surrogates and values above U+10FFFF); DetectTextEncoding follows it;
// - a conversion is the conversion of its characters one by one (cp932 characters found by
//   IsCp932LeadByte, so the lead-byte test and the codec agree), and a character never
//   vanishes: each one converts to one character of the other side or the whole text is
//   refused;
// - code page 932 text comes back from UTF-8 as the same text (the bytes may differ where
//   code page 932 has a character twice); UTF-8 text comes back unchanged except for the
//   characters that code page 932 holds under another code point (the JIS variants below);
// - Cp932Truncate gives the longest prefix of whole characters that fits.
#include "TextCodec.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

struct CUtf8Char {
    std::size_t start;
    std::size_t length;
    std::uint32_t code;
};

// The characters of strict UTF-8; no value for anything else.
std::optional<std::vector<CUtf8Char>> DecodeUtf8(std::string_view s) {
    std::vector<CUtf8Char> chars;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t len = 0;
        std::uint32_t code = 0;
        if (b < 0x80) {
            len = 1;
            code = b;
        } else if ((b & 0xE0) == 0xC0) {
            len = 2;
            code = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            len = 3;
            code = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            len = 4;
            code = b & 0x07;
        } else {
            return std::nullopt;
        }
        if (i + len > s.size())
            return std::nullopt;
        for (std::size_t k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80)
                return std::nullopt;
            code = (code << 6) | (c & 0x3F);
        }
        static constexpr std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < least[len] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        chars.push_back({i, len, code});
        i += len;
    }
    return chars;
}

// Characters that code page 932 holds under another code point: U+00A5 and U+203E are the
// JIS-Roman reading of '\' and '~', the others the JIS X 0208 characters that code page 932
// reads as their full-width or other forms.
constexpr std::pair<std::uint32_t, std::uint32_t> JIS_VARIANTS[] = {
    {0x00A2, 0xFFE0}, {0x00A3, 0xFFE1}, {0x00A5, 0x005C}, {0x00AC, 0xFFE2}, {0x2014, 0x2015},
    {0x2016, 0x2225}, {0x203E, 0x007E}, {0x2212, 0xFF0D}, {0x301C, 0xFF5E},
};

bool IsVariantOf(std::uint32_t back, std::uint32_t code) {
    for (const auto& [from, to] : JIS_VARIANTS)
        if (from == code && to == back)
            return true;
    return false;
}

// Code page 932 characters by the lead-byte test: each piece is one byte or a lead byte with
// the byte after it (a lead byte at the very end stands alone).
std::vector<std::string_view> Cp932Chars(std::string_view s) {
    std::vector<std::string_view> chars;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t len = IsCp932LeadByte(static_cast<unsigned char>(s[i])) ? 2 : 1;
        chars.push_back(s.substr(i, len));
        i += len;
    }
    return chars;
}

// Inputs up to this size are also converted character by character.
constexpr std::size_t PER_CHARACTER_LIMIT = 512;

void CheckCp932Side(std::string_view bytes) {
    const std::optional<std::string> utf8 = Cp932ToUtf8(bytes);
    const std::vector<std::string_view> chars = Cp932Chars(bytes);
    if (bytes.size() <= PER_CHARACTER_LIMIT) {
        std::string joined;
        bool all = true;
        for (std::string_view c : chars) {
            const std::optional<std::string> one = Cp932ToUtf8(c);
            if (!one) {
                all = false;
                break;
            }
            const auto decoded = DecodeUtf8(*one);
            Check(decoded && decoded->size() == 1, "a cp932 character is one character");
            joined += *one;
        }
        Check(all == utf8.has_value(), "cp932 text converts when each character does");
        if (utf8)
            Check(*utf8 == joined, "cp932 text converts character by character");
    }
    if (!utf8)
        return;
    Check(IsValidUtf8(*utf8), "Cp932ToUtf8 gives valid UTF-8");
    const std::optional<std::string> back = Utf8ToCp932(*utf8);
    Check(back.has_value(), "converted cp932 text converts back");
    Check(Cp932Chars(*back).size() == chars.size(), "as many characters back");
    Check(Cp932ToUtf8(*back) == utf8, "cp932 text comes back as the same text");
}

void CheckUtf8Side(std::string_view bytes) {
    const std::optional<std::vector<CUtf8Char>> chars = DecodeUtf8(bytes);
    Check(IsValidUtf8(bytes) == chars.has_value(), "IsValidUtf8 agrees with the decoder");
    const std::optional<std::string> cp932 = Utf8ToCp932(bytes);
    if (!chars) {
        Check(!cp932, "invalid UTF-8 is refused");
        return;
    }
    if (cp932) {
        // Stable from here on: the text that came back makes the same bytes again.
        const std::optional<std::string> again = Cp932ToUtf8(*cp932);
        Check(again.has_value(), "converted UTF-8 text converts back");
        Check(Utf8ToCp932(*again) == cp932, "the second trip gives the same bytes");
    }
    if (bytes.size() > PER_CHARACTER_LIMIT)
        return;
    std::string joined;
    for (const CUtf8Char& c : *chars) {
        const std::optional<std::string> one = Utf8ToCp932(bytes.substr(c.start, c.length));
        if (!one) {
            Check(!cp932, "a text with a character code page 932 cannot hold is refused");
            return;
        }
        const std::vector<std::string_view> pieces = Cp932Chars(*one);
        Check(pieces.size() == 1 && pieces[0].size() == one->size(),
              "a character converts to exactly one cp932 character");
        const std::optional<std::string> back = Cp932ToUtf8(*one);
        const auto decoded = back ? DecodeUtf8(*back) : std::nullopt;
        Check(decoded && decoded->size() == 1, "the cp932 character reads back as one");
        const std::uint32_t code = (*decoded)[0].code;
        if (code != c.code && !IsVariantOf(code, c.code)) {
            std::fprintf(stderr, "U+%04X comes back as U+%04X\n", c.code, code);
            Check(false, "a character comes back as itself or its JIS variant");
        }
        joined += *one;
    }
    Check(cp932.has_value(), "a text of convertible characters converts");
    Check(*cp932 == joined, "UTF-8 text converts character by character");
}

void CheckDetection(std::string_view bytes) {
    const bool bom = bytes.starts_with("\xEF\xBB\xBF");
    const bool valid = DecodeUtf8(bytes.substr(bom ? 3 : 0)).has_value();
    const CTextEncoding got = DetectTextEncoding(bytes);
    Check(got.encoding == (valid ? TextEncoding::Utf8 : TextEncoding::Cp932), "detection");
    Check(got.bomLength == (valid && bom ? 3u : 0u), "byte-order mark length");
}

void CheckTruncate(std::string_view bytes, std::size_t maxBytes) {
    const std::string_view cut = Cp932Truncate(bytes, maxBytes);
    Check(cut.data() == bytes.data(), "a prefix");
    if (bytes.size() <= maxBytes) {
        Check(cut.size() == bytes.size(), "what fits is kept whole");
        return;
    }
    // The longest run of whole characters within maxBytes.
    std::size_t expected = 0;
    for (std::string_view c : Cp932Chars(bytes)) {
        const std::size_t end = static_cast<std::size_t>(c.data() - bytes.data()) +
                                (IsCp932LeadByte(static_cast<unsigned char>(c[0])) ? 2 : 1);
        if (end > maxBytes)
            break;
        expected = end;
    }
    Check(cut.size() == expected, "Cp932Truncate keeps the whole characters that fit");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckDetection(bytes);
    CheckUtf8Side(bytes);
    CheckCp932Side(bytes);
    const std::size_t first = size > 0 ? data[0] : 0;
    for (const std::size_t maxBytes : {first, size / 2, size > 0 ? size - 1 : 0})
        CheckTruncate(bytes, maxBytes);
    return 0;
}
