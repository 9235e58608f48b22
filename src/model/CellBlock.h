#pragma once

#include "CellArray.h"
#include "CellSize.h"
#include "LineArray.h"
#include "ModelTypes.h"

class CSpanMap;

// A rectangular copy of the model (records, both line arrays, column widths), used for
// the undo block and the internal clipboard. Full capacity; m_rect says what is meaningful.
class CCellBlock {
public:
    CCellBlock() = default;
    CCellBlock(const CCellBlock&) = delete;
    CCellBlock& operator=(const CCellBlock&) = delete;

    void Attach(CCellArray& cells, CLineArray& hLines, CLineArray& vLines, CCellSize& sizes);
    bool IsAttached() const { return m_srcCells != nullptr; }
    void Clear();
    // Copies the rectangle (corners in any order) of the source into the block.
    void Save(int x1, int y1, int x2, int y2);
    void Save(const CCellRect& r) { Save(r.left, r.top, r.right, r.bottom); }
    // Copies the block back over m_rect of the source; sets m_widthsChanged when a width changed.
    void RestoreInPlace();
    // Copies cells and lines with the top-left of m_rect at (tx, ty); widths are not copied.
    void PasteAt(int tx, int ty);
    bool IsEmpty() const;
    // Becomes a copy of other's rectangle.
    void CopyFrom(CCellBlock& other);

    const CCellRect& Rect() const { return m_rect; }
    bool HasContent() const { return m_hasContent; }
    bool WidthsChanged() const { return m_widthsChanged; }
    const CCellArray& Cells() const { return m_cells; }
    const CLineArray& HLines() const { return m_hLines; }
    const CLineArray& VLines() const { return m_vLines; }
    const CCellSize& Sizes() const { return m_sizes; }

private:
    void ClearEdges(int x, int y);

    CCellRect m_rect;
    bool m_hasContent = false;
    bool m_widthsChanged = false;
    CCellArray m_cells;
    CLineArray m_hLines;
    CLineArray m_vLines;
    CCellSize m_sizes;
    CCellArray* m_srcCells = nullptr;
    CLineArray* m_srcHLines = nullptr;
    CLineArray* m_srcVLines = nullptr;
    CCellSize* m_srcSizes = nullptr;
};
