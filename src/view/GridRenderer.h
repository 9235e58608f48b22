#pragma once

#include "DeviceContext.h"
#include "ModelTypes.h"

class CCellArray;
class CCellSize;
class CGridGeometry;
class CLineArray;
class CSpanMap;

// Which edge of a cell DrawEdgeLine draws.
enum class EdgeSide { Left, Top, Bottom, Right };

// Paints the grid through IDeviceContext: white cells, grey grid lines and span outlines, the
// texts and the ruled lines, for the model and at the places the geometry gives. It knows
// nothing of the selection or of the window; callers select the clip region.
class CGridRenderer {
public:
    CGridRenderer(const CCellArray& cells, const CLineArray& hLines, const CLineArray& vLines,
                  const CCellSize& sizes, const CSpanMap& spans, const CGridGeometry& geometry);

    // Clears and repaints every cell that touches the pixel rectangle area.
    void PaintArea(IDeviceContext& dc, const CRect& area) const;
    // Clears and repaints exactly the cells (col1, row1)-(col2, row2).
    void RepaintCells(IDeviceContext& dc, int col1, int row1, int col2, int row2) const;
    // Draws the cell or the span covering it; returns how many columns the caller advances.
    int DrawCell(IDeviceContext& dc, int c, int r) const;
    void DrawEdgeLine(IDeviceContext& dc, int c, int r, EdgeSide side) const;

    // Grid display (ID_VIEW_GRID): without it cells are plain white and spans have no outline.
    bool ShowsGrid() const { return m_showGrid; }
    void SetShowGrid(bool show) { m_showGrid = show; }
    // The cell text font; the face is stored as code page 932 bytes ("ＭＳ 明朝").
    const CFontDesc& Font() const { return m_font; }
    void SetFont(const CFontDesc& font) { m_font = font; }

private:
    // The loop the full paint and the partial repaints share: clears fill, draws the grid
    // lines of the row edges above and below cells from fill.left to right and of the column
    // edges from fill.top to bottom, then the cells row by row.
    void PaintBlock(IDeviceContext& dc, const CRect& fill, int right, int bottom,
                    const CCellRect& cells) const;

    const CCellArray& m_cells;
    const CLineArray& m_hLines;
    const CLineArray& m_vLines;
    const CCellSize& m_sizes;
    const CSpanMap& m_spans;
    const CGridGeometry& m_geometry;
    CFontDesc m_font;
    CPen m_penGrid{CColor{192, 192, 192}, 1};
    CPen m_penErase{COLOR_WHITE, 1};
    CPen m_penLine{COLOR_BLACK, 1};
    CBrush m_brushWhite{COLOR_WHITE};
    bool m_showGrid = true;
};
