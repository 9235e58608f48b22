#pragma once

#include "CellArray.h"
#include "CellSize.h"
#include "Commands.h"
#include "LineArray.h"
#include "SpanMap.h"
#include "TableReader.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

// "csv" or "tab" (the value of --text-format); no value for anything else.
std::optional<TextFormat> ParseTextFormat(std::string_view value);

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
// question), then runs span normalisation. Returns EXIT_OK, or EXIT_IO when the file could
// not be read. Every message goes to err as one line ("brindle: " first, line breaks turned
// into spaces); a failure ends with a line naming the file and the reason.
int LoadTableForCli(const std::string& path, TextFormat textFormat, CCliTable& table,
                    std::ostream& err);
