#pragma once

#include "TableImport.h"
#include "TextCodec.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace importer_detail {

// The error of a reader at a byte offset of its text; readers throw it and the entry point
// turns it into a CTableImportError.
struct CSourceError {
    std::size_t offset;
    std::string message;
};

// Byte offsets to line and column of one text (code page 932 or UTF-8 bytes).
class CSourceText {
public:
    CSourceText(std::string_view bytes, bool utf8);

    std::string_view Bytes() const { return m_bytes; }
    CSourcePosition PositionAt(std::size_t offset) const;
    // "line L, column C"
    std::string Where(std::size_t offset) const;

private:
    std::string_view m_bytes;
    bool m_utf8;
    // Built at the first question: most imports never ask one.
    mutable std::vector<std::size_t> m_lineStarts;
};

// Length of the character that starts at s[i]: 2 for a code page 932 lead byte with a byte
// after it, else 1.
inline std::size_t Cp932CharLength(std::string_view s, std::size_t i) {
    return i + 1 < s.size() && IsCp932LeadByte(static_cast<unsigned char>(s[i])) ? 2 : 1;
}

// The input bytes as both encodings, with a map between their offsets.
struct CDecodedSource {
    std::string cp932;
    std::string utf8; // filled only when asked for
    bool fromUtf8 = false;
};

// Turns the input into code page 932 bytes (and UTF-8 when wantUtf8). A UTF-8 character that
// code page 932 cannot hold, or (when wantUtf8) a byte that is no code page 932 character,
// is an error at its position.
// The encoding is detected unless one is given.
std::optional<CTableImportError> DecodeSource(std::string_view bytes, bool wantUtf8,
                                              CDecodedSource& out,
                                              std::optional<TextEncoding> encoding = {});

// Walks a UTF-8 text and its code page 932 form side by side, one character each (the codec
// maps every character to one character), so that increasing UTF-8 offsets at character
// boundaries map to code page 932 offsets.
class COffsetWalker {
public:
    COffsetWalker(std::string_view utf8, std::string_view cp932);
    std::size_t ToCp932(std::size_t utf8Offset);

private:
    std::string_view m_utf8;
    std::string_view m_cp932;
    std::size_t m_u = 0;
    std::size_t m_c = 0;
};

// Collects warnings, the same kind at most a few times.
class CWarnings {
public:
    explicit CWarnings(std::vector<std::string>& out) : m_out(out) {}
    void Add(std::string text);
    // A count of warnings beyond the limit, added at the end.
    void Finish();

private:
    static constexpr int LIMIT = 20;
    std::vector<std::string>& m_out;
    int m_dropped = 0;
};

// Cuts text to the longest cell text, on a character boundary; true when it cut.
bool ClipCellText(std::string& text);

// The placement votes of one line of cells (a column for LaTeX, a row for HTML).
struct CPlaceVotes {
    int left = 0;
    int centre = 0;
    int right = 0;
    void Add(int place) { (place == 0 ? left : place == 2 ? right : centre) += 1; }
};

} // namespace importer_detail
