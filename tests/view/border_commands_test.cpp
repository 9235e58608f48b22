// The line commands as model changes: each command, input method and selection against the
// lines it leaves.
#include "BorderCommands.h"
#include "LineArray.h"
#include "LineRuns.h"
#include "Resource.h"

#include <gtest/gtest.h>

namespace {

struct LineCase {
    const char* name;
    std::initializer_list<CLineRun> before;
    int id;
    CCellRect sel;
    int method;
    std::initializer_list<CLineRun> after;
    bool changed;
};

// Every edge of the cells (1, 1)-(2, 2) double.
// clang-format off
#define ALL_DOUBLE_2X2 {'H', 1, 2, 1, 2}, {'H', 1, 2, 2, 2}, {'H', 1, 2, 3, 2}, \
                       {'V', 1, 2, 1, 2}, {'V', 1, 2, 2, 2}, {'V', 1, 2, 3, 2}
// clang-format on

const LineCase kCases[] = {
    {"single frame, insert: inner lines stay, a double edge becomes single",
     {{'H', 3, 3, 3, 2}, {'V', 2, 2, 3, 1}, {'H', 2, 2, 2, 2}},
     ID_LINE_SINGLE_FRAME,
     {2, 2, 4, 3},
     LINE_INSERT,
     {{'H', 2, 4, 2, 1},
      {'H', 2, 4, 4, 1},
      {'V', 2, 3, 2, 1},
      {'V', 2, 3, 5, 1},
      {'H', 3, 3, 3, 2},
      {'V', 2, 2, 3, 1}},
     true},
    {"single frame, overwrite: inner lines go",
     {{'H', 3, 3, 3, 2}, {'V', 2, 2, 3, 1}, {'H', 2, 2, 2, 2}},
     ID_LINE_SINGLE_FRAME,
     {2, 2, 4, 3},
     LINE_OVERWRITE,
     {{'H', 2, 4, 2, 1}, {'H', 2, 4, 4, 1}, {'V', 2, 3, 2, 1}, {'V', 2, 3, 5, 1}},
     true},
    {"single frame, erase: only the single lines of the boundary go",
     {{'H', 2, 4, 2, 1},
      {'H', 3, 3, 2, 2},
      {'V', 2, 3, 5, 1},
      {'H', 3, 3, 3, 1},
      {'H', 2, 2, 1, 1}},
     ID_LINE_SINGLE_FRAME,
     {2, 2, 4, 3},
     LINE_ERASE,
     {{'H', 3, 3, 2, 2}, {'H', 3, 3, 3, 1}, {'H', 2, 2, 1, 1}},
     true},
    {"double frame, insert",
     {},
     ID_LINE_DOUBLE_FRAME,
     {1, 1, 2, 1},
     LINE_INSERT,
     {{'H', 1, 2, 1, 2}, {'H', 1, 2, 2, 2}, {'V', 1, 1, 1, 2}, {'V', 1, 1, 3, 2}},
     true},
    {"double left, erase: a single line stays",
     {{'V', 1, 1, 1, 1}},
     ID_LINE_DOUBLE_LEFT,
     {1, 1, 1, 1},
     LINE_ERASE,
     {{'V', 1, 1, 1, 1}},
     false},
    {"double left, erase: a double line goes, the right edge stays",
     {{'V', 1, 1, 1, 2}, {'V', 1, 1, 2, 2}},
     ID_LINE_DOUBLE_LEFT,
     {1, 1, 1, 1},
     LINE_ERASE,
     {{'V', 1, 1, 2, 2}},
     true},
    {"single top, overwrite: every top edge single, the rest of the cells empty",
     {ALL_DOUBLE_2X2},
     ID_LINE_SINGLE_TOP,
     {1, 1, 2, 2},
     LINE_OVERWRITE,
     {{'H', 1, 2, 1, 1}, {'H', 1, 2, 2, 1}},
     true},
    {"single bottom, overwrite: the last row first, so the bottom of row 1 stays",
     {ALL_DOUBLE_2X2},
     ID_LINE_SINGLE_BOTTOM,
     {1, 1, 2, 2},
     LINE_OVERWRITE,
     {{'H', 1, 2, 2, 1}, {'H', 1, 2, 3, 1}},
     true},
    {"double left, overwrite",
     {ALL_DOUBLE_2X2},
     ID_LINE_DOUBLE_LEFT,
     {1, 1, 2, 2},
     LINE_OVERWRITE,
     {{'V', 1, 2, 1, 2}, {'V', 1, 2, 2, 2}},
     true},
    {"single right, overwrite: the last column first, so the right of column 1 stays",
     {ALL_DOUBLE_2X2},
     ID_LINE_SINGLE_RIGHT,
     {1, 1, 2, 2},
     LINE_OVERWRITE,
     {{'V', 1, 2, 2, 1}, {'V', 1, 2, 3, 1}},
     true},
    {"single bottom, insert over three rows: three lines",
     {},
     ID_LINE_SINGLE_BOTTOM,
     {2, 2, 3, 4},
     LINE_INSERT,
     {{'H', 2, 3, 3, 1}, {'H', 2, 3, 4, 1}, {'H', 2, 3, 5, 1}},
     true},
    {"double top, erase: single lines stay",
     {{'H', 1, 1, 1, 2}, {'H', 2, 2, 1, 1}, {'H', 1, 2, 2, 2}},
     ID_LINE_DOUBLE_TOP,
     {1, 1, 2, 1},
     LINE_ERASE,
     {{'H', 2, 2, 1, 1}, {'H', 1, 2, 2, 2}},
     true},
    {"template, insert: header row and header column, open sides",
     {},
     ID_LINE_TEMPLATE,
     {1, 1, 3, 4},
     LINE_INSERT,
     {{'H', 1, 3, 1, 2}, {'H', 1, 3, 2, 1}, {'H', 1, 3, 5, 1}, {'V', 1, 4, 2, 1}},
     true},
    {"template, overwrite: the lines of the cells go first",
     {{'V', 1, 4, 1, 1}, {'H', 2, 2, 3, 2}, {'V', 2, 2, 4, 1}},
     ID_LINE_TEMPLATE,
     {1, 1, 3, 4},
     LINE_OVERWRITE,
     {{'H', 1, 3, 1, 2}, {'H', 1, 3, 2, 1}, {'H', 1, 3, 5, 1}, {'V', 1, 4, 2, 1}},
     true},
    {"template, erase: only lines of the template's kinds go",
     {{'H', 1, 3, 1, 1}, {'H', 1, 3, 2, 1}, {'H', 1, 3, 5, 2}, {'V', 1, 4, 2, 1}},
     ID_LINE_TEMPLATE,
     {1, 1, 3, 4},
     LINE_ERASE,
     {{'H', 1, 3, 1, 1}, {'H', 1, 3, 5, 2}},
     true},
    {"grid, insert: every edge single, doubles too",
     {{'H', 2, 2, 2, 2}, {'V', 1, 1, 3, 2}},
     ID_LINE_GRID,
     {1, 1, 2, 2},
     LINE_INSERT,
     {{'H', 1, 2, 1, 1},
      {'H', 1, 2, 2, 1},
      {'H', 1, 2, 3, 1},
      {'V', 1, 2, 1, 1},
      {'V', 1, 2, 2, 1},
      {'V', 1, 2, 3, 1}},
     true},
    {"grid, overwrite is insert",
     {{'H', 2, 2, 2, 2}},
     ID_LINE_GRID,
     {1, 1, 1, 1},
     LINE_OVERWRITE,
     {{'H', 1, 1, 1, 1},
      {'H', 1, 1, 2, 1},
      {'V', 1, 1, 1, 1},
      {'V', 1, 1, 2, 1},
      {'H', 2, 2, 2, 2}},
     true},
    {"grid, erase: double lines stay",
     {{'H', 1, 2, 1, 1}, {'H', 1, 1, 2, 2}, {'V', 1, 2, 3, 1}, {'V', 2, 2, 3, 2}},
     ID_LINE_GRID,
     {1, 1, 2, 2},
     LINE_ERASE,
     {{'H', 1, 1, 2, 2}, {'V', 2, 2, 3, 2}},
     true},
    {"grid, insert where every edge is single already changes nothing",
     {{'H', 1, 1, 1, 1}, {'H', 1, 1, 2, 1}, {'V', 1, 1, 1, 1}, {'V', 1, 1, 2, 1}},
     ID_LINE_GRID,
     {1, 1, 1, 1},
     LINE_INSERT,
     {{'H', 1, 1, 1, 1}, {'H', 1, 1, 2, 1}, {'V', 1, 1, 1, 1}, {'V', 1, 1, 2, 1}},
     false},
    {"clear, insert: every edge of the cells goes, lines beside them stay",
     {ALL_DOUBLE_2X2, {'H', 3, 3, 1, 1}, {'V', 3, 3, 1, 1}},
     ID_LINE_CLEAR,
     {1, 1, 2, 2},
     LINE_INSERT,
     {{'H', 3, 3, 1, 1}, {'V', 3, 3, 1, 1}},
     true},
    {"clear, erase does the same",
     {ALL_DOUBLE_2X2, {'H', 1, 1, 2, 1}},
     ID_LINE_CLEAR,
     {1, 1, 2, 2},
     LINE_ERASE,
     {},
     true},
    {"single frame at the table's corner: edges 251",
     {},
     ID_LINE_SINGLE_FRAME,
     {249, 249, 250, 250},
     LINE_INSERT,
     {{'H', 249, 250, 249, 1},
      {'H', 249, 250, 251, 1},
      {'V', 249, 250, 249, 1},
      {'V', 249, 250, 251, 1}},
     true},
    {"double bottom of cell (250, 250), overwrite: edge 251",
     {{'H', 250, 250, 250, 1}},
     ID_LINE_DOUBLE_BOTTOM,
     {250, 250, 250, 250},
     LINE_OVERWRITE,
     {{'H', 250, 250, 251, 2}},
     true},
    {"template on the last column: its right side is edge 251",
     {},
     ID_LINE_TEMPLATE,
     {250, 249, 250, 250},
     LINE_INSERT,
     {{'H', 250, 250, 249, 2},
      {'H', 250, 250, 250, 1},
      {'H', 250, 250, 251, 1},
      {'V', 249, 250, 251, 1}},
     true},
};

} // namespace

TEST(LineCommands, LeaveTheLinesOfTheirRule) {
    for (const LineCase& c : kCases) {
        SCOPED_TRACE(c.name);
        CLineArray h, v;
        Draw(h, v, c.before);
        EXPECT_EQ(ApplyLineCommand(h, v, c.id, c.sel, c.method), c.changed);
        EXPECT_EQ(LinesOf(h, v), Expand(c.after));
    }
}

TEST(LineCommands, AreTheThirteenCommandsWithoutThePalette) {
    for (int id = ID_SELECT_RANGE; id <= ID_CELL_SIZE; ++id) {
        SCOPED_TRACE(id);
        EXPECT_EQ(IsLineCommand(id),
                  id != ID_SELECT_RANGE && id != ID_LINE_PALETTE && id != ID_CELL_SIZE);
    }
}
