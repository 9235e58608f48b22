#include "CellBlock.h"

namespace {

// The four edges of one cell: top, bottom (horizontal) and left, right (vertical).
void CopyEdges(const CLineArray& fromH, const CLineArray& fromV, int x, int y, CLineArray& toH,
               CLineArray& toV, int tx, int ty) {
    toH.SetLine(tx, ty, fromH.GetLine(x, y));
    toH.SetLine(tx, ty + 1, fromH.GetLine(x, y + 1));
    toV.SetLine(ty, tx, fromV.GetLine(y, x));
    toV.SetLine(ty, tx + 1, fromV.GetLine(y, x + 1));
}

} // namespace

void CCellBlock::Attach(CCellArray& cells, CLineArray& hLines, CLineArray& vLines,
                        CCellSize& sizes) {
    m_srcCells = &cells;
    m_srcHLines = &hLines;
    m_srcVLines = &vLines;
    m_srcSizes = &sizes;
}

void CCellBlock::Clear() {
    m_cells.DeleteAll();
    m_hLines.ClearAll();
    m_vLines.ClearAll();
    m_hasContent = false;
    m_widthsChanged = false;
}

void CCellBlock::Save(int x1, int y1, int x2, int y2) {
    if (!IsAttached())
        return;
    const CCellRect rect = CCellRect{x1, y1, x2, y2}.Normalized();
    // Everything the block holds lies in m_rect (records and the edges of its cells), so only
    // that rectangle needs emptying; records inside the new one are reused, not reallocated.
    if (m_hasContent) {
        for (int y = m_rect.top; y <= m_rect.bottom; ++y) {
            for (int x = m_rect.left; x <= m_rect.right; ++x) {
                if (!rect.Contains(x, y))
                    m_cells.DeleteCell(x, y);
                ClearEdges(x, y);
            }
        }
    }
    m_rect = rect;
    for (int y = m_rect.top; y <= m_rect.bottom; ++y) {
        for (int x = m_rect.left; x <= m_rect.right; ++x) {
            if (const CCellData* rec = m_srcCells->GetCell(x, y))
                m_cells.SetCell(x, y, *rec);
            else
                m_cells.DeleteCell(x, y);
            CopyEdges(*m_srcHLines, *m_srcVLines, x, y, m_hLines, m_vLines, x, y);
        }
    }
    for (int x = m_rect.left; x <= m_rect.right; ++x)
        m_sizes.SetWidth(x, m_srcSizes->GetWidth(x));
    m_widthsChanged = false;
    m_hasContent = true;
}

void CCellBlock::ClearEdges(int x, int y) {
    m_hLines.ClearLine(x, y);
    m_hLines.ClearLine(x, y + 1);
    m_vLines.ClearLine(y, x);
    m_vLines.ClearLine(y, x + 1);
}

void CCellBlock::RestoreInPlace() {
    if (!IsAttached())
        return;
    for (int y = m_rect.top; y <= m_rect.bottom; ++y) {
        for (int x = m_rect.left; x <= m_rect.right; ++x) {
            if (const CCellData* rec = m_cells.GetCell(x, y))
                m_srcCells->SetCell(x, y, *rec);
            else
                m_srcCells->DeleteCell(x, y);
            CopyEdges(m_hLines, m_vLines, x, y, *m_srcHLines, *m_srcVLines, x, y);
        }
    }
    for (int x = m_rect.left; x <= m_rect.right; ++x)
        if (m_srcSizes->SetWidth(x, m_sizes.GetWidth(x)))
            m_widthsChanged = true;
}

void CCellBlock::PasteAt(int tx, int ty) {
    if (!IsAttached())
        return;
    for (int y = m_rect.top; y <= m_rect.bottom; ++y) {
        for (int x = m_rect.left; x <= m_rect.right; ++x) {
            const int px = tx + x - m_rect.left;
            const int py = ty + y - m_rect.top;
            if (const CCellData* rec = m_cells.GetCell(x, y))
                m_srcCells->SetCell(px, py, *rec);
            else
                m_srcCells->DeleteCell(px, py);
            CopyEdges(m_hLines, m_vLines, x, y, *m_srcHLines, *m_srcVLines, px, py);
        }
    }
}

bool CCellBlock::IsEmpty() const {
    // Only Save fills the block and it always sets m_hasContent; Clear empties it all.
    return !m_hasContent;
}

void CCellBlock::CopyFrom(CCellBlock& other) {
    if (&other == this)
        return;
    CCellArray* cells = m_srcCells;
    CLineArray* hLines = m_srcHLines;
    CLineArray* vLines = m_srcVLines;
    CCellSize* sizes = m_srcSizes;
    Attach(other.m_cells, other.m_hLines, other.m_vLines, other.m_sizes);
    Save(other.m_rect);
    m_srcCells = cells;
    m_srcHLines = hLines;
    m_srcVLines = vLines;
    m_srcSizes = sizes;
}
