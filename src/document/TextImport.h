#pragma once

#include "CellArray.h"
#include "TextCodec.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Comma-separated (with quotes) or tab-separated text, one table row per line.
enum class TextSeparator { Comma, Tab };

inline constexpr std::size_t IMPORT_PIECE_BYTES = 2046; // a longer line continues as a new row

// The bytes as a text-mode read sees them: a CR right before an LF is dropped and the
// first 0x1A byte ends the text.
std::string ToTextMode(std::string_view raw);

// Splits one line (without its LF) into fields. Returns (column, text) for every field
// with text, columns from 1; at most 250 columns, the rest of the line is dropped.
std::vector<std::pair<int, std::string>> SplitTextLine(std::string_view line, TextSeparator sep);

// Fills the grid from text-mode bytes: rows 1 to 250, one per line piece of at most
// 2046 bytes; each field with text becomes a default record (cut to 65535 bytes on a
// character boundary). Returns the number of rows taken.
int ImportTextLines(std::string_view text, TextSeparator sep, CCellArray& cells);

// A field of a UTF-8 file holding a character that code page 932 cannot: the file's line and
// the field's number (both from 1) and the character (UTF-8).
struct CUnconvertibleField {
    int line = 0;
    int field = 0;
    std::string character;
};

struct CTextFileImport {
    TextEncoding encoding = TextEncoding::Cp932; // what the file was read as
    int rows = 0;
    std::optional<CUnconvertibleField> refused; // set: nothing was stored
};

// Fills the grid from a whole text file's raw bytes. The encoding is decided once for the
// file (DetectTextEncoding on its text-mode bytes) unless one is given. Code page 932 files
// go through ImportTextLines unchanged; a UTF-8 file keeps the same byte rules on its UTF-8
// bytes (its byte-order mark skipped, a piece never ends inside a character) and each field
// is converted to code page 932 before the 65535-byte cut. A field that cannot be converted
// stops the import before anything is stored.
CTextFileImport ImportTextData(std::string_view raw, TextSeparator sep, CCellArray& cells,
                               std::optional<TextEncoding> encoding = std::nullopt);

// The message for a refused field (UTF-8), after the file's path.
std::string UnconvertibleFieldMessage(const std::string& pathUtf8, const CUnconvertibleField& f);
