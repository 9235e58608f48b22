#pragma once

#include "CellData.h"
#include "ModelTypes.h"

#include <string>
#include <string_view>

class CCellArray;

// Members of the text input dialog. The view keeps one instance for its whole life, so
// the text carries over to the next use that starts on a cell without a record.
struct CCellInputData {
    int m_colspan = 1;
    int m_rowspan = 1;
    int m_hplace = 1;
    int m_vplace = 1;
    int m_maxColspan = MAX_CELLS; // upper end of the column spin button
    int m_maxRowspan = MAX_CELLS; // upper end of the row spin button
    std::string m_text;           // code page 932
};

// Fills data for the selection sel: its size, the room to the table's edge and, when
// (sel.left, sel.top) holds a record, that record's text and placements.
void PrepareCellInput(CCellInputData& data, const CCellArray& cells, const CCellRect& sel);

// The record the dialog's OK stores at (col, row) and the block it covers; the counts are
// cut at the table's edge.
CCellData CellInputRecord(const CCellInputData& data, int col, int row);
CCellRect CellInputBlock(const CCellInputData& data, int col, int row);

// A number as typed into a dialog: an integer from min to max, blanks around it allowed.
bool ParseIntInRange(std::string_view text, int min, int max, int& value);
// A span count as typed into the dialog: an integer from 1 to 250.
bool ParseSpanCount(std::string_view text, int& value);

// Shown when a count is not an integer from 1 to 250 (UTF-8).
inline constexpr const char* kMsgSpanCountRange = "1 から 250 までの整数を入力してください。";
// Shown when a text would not fit the 65535 bytes a cell can hold (UTF-8).
inline constexpr const char* kMsgTextTooLong =
    "文字列が長すぎます！ 1つのセルには 65535 バイトまで入力できます。";
