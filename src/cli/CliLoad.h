#pragma once

#include "CellArray.h"
#include "CellSize.h"
#include "Commands.h"
#include "LineArray.h"
#include "SpanMap.h"
#include "TableReader.h"
#include "TextCodec.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

// "csv" or "tab" (the value of --text-format); no value for anything else.
std::optional<TextFormat> ParseTextFormat(std::string_view value);

// "utf-8" or "cp932" (the value of --encoding; also "utf8", "shift_jis", "sjis", any case);
// no value for anything else.
std::optional<TextEncoding> ParseEncoding(std::string_view value);

// All of a stream (standard input) up to MAX_STREAM_INPUT_BYTES; false with the reason
// when it could not be read or holds more.
bool ReadAllInput(std::istream& in, std::string& bytes, std::string& reason);

// A table read by the tool, with the span map of its normalisation.
struct CCliTable {
    CCellArray cells;
    CLineArray hLines;
    CLineArray vLines;
    CCellSize sizes;
    CSpanMap spans;

    CTableModel Model() { return {cells, hLines, vLines, sizes}; }
};

// Reads path as the editor's Open does (a name ending in CSV is imported as CSV, anything else
// goes through the native reader with its fallback; textFormat answers the CSV-or-tab
// question; encoding, when given, is the encoding of a text file instead of the one detected),
// then runs span normalisation. Returns EXIT_OK, or EXIT_IO when the file could not be read.
// Every message goes to err as one line ("brindle: " first, line breaks turned into spaces); a
// failure ends with a line naming the file and the reason.
int LoadTableForCli(const std::string& path, TextFormat textFormat,
                    std::optional<TextEncoding> encoding, CCliTable& table, std::ostream& err);
