#pragma once

#include "CellArray.h"

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
