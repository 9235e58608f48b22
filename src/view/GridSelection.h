#pragma once

#include "ModelTypes.h"

#include <string>

class CGridGeometry;
class IDeviceContext;

// The selection of the grid view: anchor cell, cursor cell, range-selection mode and the
// highlight, which is shown by inverting the pixels of the selection. The selection is the
// rectangle holding anchor and cursor. It also keeps the cursor move's selection rules: the
// anchor stays fixed from the first move in range mode until a move outside it, and a range
// that grows or shrinks along one side inverts only the strip that entered or left it.
class CGridSelection {
public:
    int AnchorCol() const { return m_anchorCol; }
    int AnchorRow() const { return m_anchorRow; }
    int CursorCol() const { return m_cursorCol; }
    int CursorRow() const { return m_cursorRow; }
    // Cursor moves extend the selection from the anchor.
    bool RangeMode() const { return m_rangeMode; }
    // The flag only: anchor, cursor and highlight stay until the next move.
    void SetRangeMode(bool on) { m_rangeMode = on; }
    // The inverted rectangle is on screen.
    bool HighlightShown() const { return m_highlightShown; }

    // (x1, y1)-(x2, y2): the smallest rectangle holding anchor and cursor.
    CCellRect Normalized() const;
    // Text of the status pane: "(%2d,%2d)" with the cursor cell, or in range mode
    // "(%2d,%2d)-(%2d,%2d)" with the anchor first (not normalised).
    std::string IndicatorText() const;

    // Inverts the cells between the corners (a1, b1) and (a2, b2) and flips the highlight flag.
    void Invert(IDeviceContext& dc, const CGridGeometry& g, int a1, int b1, int a2, int b2);
    // Takes the highlight off the screen when it is shown.
    void HideHighlight(IDeviceContext& dc, const CGridGeometry& g);

    // A cursor move in three steps. BeginMove: whether the move may draw only what changed
    // (range mode with the anchor fixed and the highlight on screen); otherwise the highlight
    // goes. Place: the new cursor cell (1..250), and the anchor with it unless range mode fixed
    // it. Draw: the highlight for the selection now, from old, the selection before the move.
    bool BeginMove(IDeviceContext& dc, const CGridGeometry& g, bool incremental);
    void Place(int col, int row);
    void Draw(IDeviceContext& dc, const CGridGeometry& g, const CGridSelection& old,
              bool incremental);

private:
    int m_anchorCol = 1;
    int m_anchorRow = 1;
    int m_cursorCol = 1;
    int m_cursorRow = 1;
    bool m_rangeMode = false;
    bool m_highlightShown = false;
    bool m_anchorFixed = false;
};
