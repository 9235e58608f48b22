#pragma once

#include "TextCodec.h"

#include "CellArray.h"
#include "LineArray.h"
#include "Options.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading the source of a table (LaTeX or HTML) back into the table model.

enum class TableSourceFormat { Latex, Html };

// A place in the source text: both 1-based, the column counted in characters.
struct CSourcePosition {
    int line = 1;
    int column = 1;
    bool operator==(const CSourcePosition&) const = default;
};

// The one error of a failed import: where, and what was expected there (English, UTF-8).
struct CTableImportError {
    CSourcePosition position;
    std::string message;

    // "line 3, column 7: <message>"
    std::string Describe() const;
};

// What an import produced. Records, spans and lines sit from (1, 1) to (columns, rows); the
// table is span-normalised. Texts are code page 932 bytes, the cell source as written.
struct CImportedTable {
    CCellArray cells;
    CLineArray hLines;
    CLineArray vLines;
    int columns = 0;
    int rows = 0;
    int target = 0;         // TARGET_TABULAR, TARGET_ARRAY or TARGET_HTML: what the source was
    COptionsRecord options; // what the source showed around the table; the rest default
    std::vector<std::string> warnings; // English, UTF-8; e.g. what was cut at 250

    // Empties everything (as a new object).
    void Clear();
};

// Reads the first table of bytes (UTF-8, with or without byte-order mark, or code page 932;
// detected unless encoding says which) into table, replacing its content. On failure table is
// left empty and the error is returned. LaTeX: the first tabular, tabular*, tabularx, array or
// longtable environment; HTML: the first TABLE element.
std::optional<CTableImportError> ImportTableSource(std::string_view bytes, TableSourceFormat format,
                                                   CImportedTable& table,
                                                   std::optional<TextEncoding> encoding = {});

// The same into a new object, for callers that keep the result.
std::unique_ptr<CImportedTable> ImportTableSource(std::string_view bytes, TableSourceFormat format,
                                                  CTableImportError& error,
                                                  std::optional<TextEncoding> encoding = {});

// The format a file name implies: .tex, .ltx and .latex are LaTeX; .html, .htm and .xhtml
// HTML (any case). No value for anything else.
std::optional<TableSourceFormat> TableSourceFormatFromName(std::string_view path);

// The format the text itself shows: HTML when a TABLE tag with a TD or TH after it comes
// before the first LaTeX table environment, else LaTeX.
TableSourceFormat GuessTableSourceFormat(std::string_view bytes);
