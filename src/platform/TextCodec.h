#pragma once

#include <optional>
#include <string>
#include <string_view>

// Conversion between code page 932 bytes and UTF-8 at the edge of the system.
// No value when the input holds a character the other side cannot represent.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// True when byte b starts a double-byte character of code page 932.
inline bool IsCp932LeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Longest prefix of s, at most maxBytes long, that does not cut a double-byte character.
std::string_view Cp932Truncate(std::string_view s, std::size_t maxBytes);

// The encoding of a text file, decided once for the whole file: valid UTF-8 (a byte-order
// mark allowed, ASCII and the empty file included) is UTF-8; anything else is taken as code
// page 932 bytes.
enum class TextEncoding { Utf8, Cp932 };

struct CTextEncoding {
    TextEncoding encoding = TextEncoding::Utf8;
    std::size_t bomLength = 0; // bytes of the UTF-8 byte-order mark to skip
};

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no cut sequence.
bool IsValidUtf8(std::string_view bytes);

CTextEncoding DetectTextEncoding(std::string_view bytes);
