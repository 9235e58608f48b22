#pragma once

#include "GenerateTypes.h"
#include "Options.h"

#include <string>

inline constexpr int TARGET_TABULAR = 0;
inline constexpr int TARGET_ARRAY = 1;
inline constexpr int TARGET_HTML = 2;

// Shown when a target outside 0..2 reaches GenerateSource (UTF-8).
inline constexpr const char* MSG_BROKEN_TARGET = "生成ターゲット情報が、壊れています！";

// Writes the source of region (any two corners) for target into out, replacing its content:
// code page 932 bytes, CR LF line ends. False, with out emptied, for a target outside 0..2.
bool GenerateSource(int target, const CGenerateModel& model, const CCellRect& region,
                    const COptionsRecord& options, std::string& out,
                    IGenerateProgress* progress = nullptr);

// The default region of a table: the smallest rectangle from (1, 1) holding every record's span
// (clipped at 250) and every line. A horizontal line at (column c, row edge r) counts as cell
// (c, max(r - 1, 1)), a vertical line at (row r, column edge c) as cell (max(c - 1, 1), r).
// (1, 1)-(1, 1) for an empty table.
CCellRect UsedRegion(const CCellArray& cells, const CLineArray& hLines, const CLineArray& vLines);
