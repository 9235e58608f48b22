#pragma once

#include <string>

class CCellArray;
class CCellSize;

// Limits of a column width and of the row height, wherever one is typed or computed.
inline constexpr int MIN_COLUMN_WIDTH = 25;
inline constexpr int MAX_COLUMN_WIDTH = 500;
inline constexpr int MIN_ROW_HEIGHT = 15;
inline constexpr int MAX_ROW_HEIGHT = 100;

// Members of the cell size dialog, made anew for each use. OK stores the two numbers and the
// two check boxes; the standard buttons put the standard sizes into the boxes.
struct CCellSizeData {
    bool m_saveStdWidth = false;  // make the width the standard width
    bool m_saveStdHeight = false; // make the height the standard height
    int m_width = 100;
    int m_height = 40;
    int m_stdWidth = 100;
    int m_stdHeight = 40;
    std::string m_title; // caption of the size group (UTF-8)
};

// Captions of the size group: one column, the columns first to last, every cell (UTF-8).
std::string CellSizeTitle(int col);
std::string CellSizeTitle(int first, int last);
std::string AllCellsSizeTitle();

// The standard message for a number outside min .. max (UTF-8).
std::string RangeMessage(int min, int max);

// Texts of the dialog (UTF-8).
inline constexpr const char* kCellSizeCaption = "格子大小(列, 行)";
inline constexpr const char* kStdWidthTip = "標準サイズにする(列)";
inline constexpr const char* kStdHeightTip = "標準サイズにする(行)";

// A column width for a text cx pixels wide and a row height for lines cy pixels high: 14
// pixels more, within the limits.
int WidthForText(int cx);
int HeightForLine(int cy);

// The longest text, in bytes, of the records stored at column col in rows top..bottom (the
// record at each position itself, not the origin of a span over it); of equally long texts
// the topmost. Null when none of them has text.
const std::string* LongestText(const CCellArray& cells, int col, int top, int bottom);

// Sets the widths of columns first..last; returns how many of them changed.
int SetColumnWidths(CCellSize& sizes, int first, int last, int width);
