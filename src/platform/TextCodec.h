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
