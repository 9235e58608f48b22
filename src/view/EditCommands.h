#pragma once

#include "CellData.h"
#include "ModelTypes.h"

class CCellArray;
class CCellBlock;
class CCellSize;
class CLineArray;
class CSpanMap;

// The model as the editing commands change it. The commands change only the model; the
// view saves the undo region before and repaints after.
struct CEditModel {
    CCellArray& cells;
    CLineArray& hLines;
    CLineArray& vLines;
    CCellSize& sizes;
    CSpanMap& spans;
};

// Makes block one cell: deletes the record of every span overlapping it (also where the
// span's origin lies outside the block) and stores rec at the block's top-left with the
// block's counts. The span map must be current.
void PlaceSpan(CCellArray& cells, const CSpanMap& spans, const CCellRect& block, CCellData rec);

// The record the in-place editor stores over sel: the text, centred both ways, spanning sel.
CCellData InPlaceRecord(const std::string& text, const CCellRect& sel);

// Sets hplace on every record inside sel; positions without a record stay empty. Returns
// how many records it found.
int SetHorizontalPlacement(CCellArray& cells, const CCellRect& sel, int hplace);

// A text in math mode: not empty, its first and its last byte "$" (a lone "$" counts).
bool IsMathText(const std::string& text);
// Wraps the text of every record inside sel that is neither empty nor in math mode in "$"
// and "$"; a text that would outgrow a cell stays as it is. Returns how many it changed.
int ToMath(CCellArray& cells, const CCellRect& sel);
// Takes the first and the last byte off every text in math mode inside sel. Returns how many
// it changed.
int ToPlain(CCellArray& cells, const CCellRect& sel);

struct CUndoResult {
    CCellRect region;           // what changed on screen
    bool widthsChanged = false; // column widths changed: the whole view needs a new layout
};

// Puts the undo block back over the model and keeps what it replaced in its place, so the
// next call redoes. The block must not be empty. Spans are normalised afterwards.
CUndoResult UndoLastEdit(CCellBlock& undo, CEditModel model);
