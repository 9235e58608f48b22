#pragma once

#include "ModelTypes.h"

class CLineArray;

// Input methods of the line commands: what a command does to an edge it touches.
inline constexpr int LINE_INSERT = 0;    // puts its line there
inline constexpr int LINE_OVERWRITE = 1; // puts its line and wipes the other edges it covers
inline constexpr int LINE_ERASE = 2;     // removes its line where that very kind lies

// True for the thirteen commands ID_LINE_SINGLE_FRAME ... ID_LINE_CLEAR and ID_LINE_TEMPLATE.
bool IsLineCommand(int id);

// Applies line command id to the edges of the cells of sel (normalised) with the input method
// method. hLines is indexed (column, row edge), vLines (row, column edge); a selection touching
// row or column 250 uses edge 251. Returns true when a line changed. Spans are not looked at:
// lines left inside a span go with the next span normalisation.
bool ApplyLineCommand(CLineArray& hLines, CLineArray& vLines, int id, const CCellRect& sel,
                      int method);
