// Selection, cursor and mouse input of the grid view.
#include "InputCodes.h"
#include "MyView.h"
#include "Resource.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Largest index i in [first, MAX_CELLS - 1] with edges[i] - edges[first] <= offset; the
// column (row) is then i + 1.
int LastEdgeAtOrBefore(const std::array<std::int32_t, MAX_EDGE>& edges, int first, int offset) {
    const std::int32_t limit = edges[first] + offset;
    const auto begin = edges.begin() + first;
    const auto end = edges.begin() + MAX_CELLS;
    const auto it = std::upper_bound(begin, end, limit);
    return static_cast<int>(it - edges.begin()) - 1;
}

} // namespace

std::pair<int, int> CMyView::HitTest(int x, int y) const {
    const int col = x <= GRID_LEFT ? m_firstCol + 1
                                   : LastEdgeAtOrBefore(m_colEdge, m_firstCol, x - GRID_LEFT) + 1;
    const int row = y <= GRID_TOP ? m_firstRow + 1
                                  : LastEdgeAtOrBefore(m_rowEdge, m_firstRow, y - GRID_TOP) + 1;
    return {std::min(col, MAX_CELLS), std::min(row, MAX_CELLS)};
}

void CMyView::InvertSelection(IDeviceContext& dc, int a1, int b1, int a2, int b2) {
    m_selection.m_highlightShown = !m_selection.m_highlightShown;
    const int c1 = std::clamp(std::min(a1, a2), 1, MAX_CELLS);
    const int c2 = std::clamp(std::max(a1, a2), 1, MAX_CELLS);
    const int r1 = std::clamp(std::min(b1, b2), 1, MAX_CELLS);
    const int r2 = std::clamp(std::max(b1, b2), 1, MAX_CELLS);
    dc.InvertRect({ColumnX(c1), RowY(r1), ColumnX(c2 + 1), RowY(r2 + 1)});
}

// The scroll handlers as a thumb-position request made by a cursor move: the cursor is not
// carried along, MoveCursor places it.
void CMyView::ScrollFromCursor(IDeviceContext& dc, ScrollBarKind kind, int pos) {
    m_scrollFromCursor = true;
    ScrollTo(dc, kind, pos, true);
    m_scrollFromCursor = false;
}

void CMyView::ScrollCursorIntoView(IDeviceContext& dc, int& col, int& row) {
    CGridSelection& s = m_selection;
    const auto hide = [&] {
        if (s.m_highlightShown)
            InvertSelection(dc, s.m_anchorCol, s.m_anchorRow, s.m_cursorCol, s.m_cursorRow);
    };
    if (col < m_firstCol + 1) {
        hide();
        col = std::max(col, 1);
        m_firstCol = col - 1;
        ScrollFromCursor(dc, ScrollBarKind::Horizontal, m_firstCol);
    } else if (col > m_firstCol + m_visibleCols) {
        hide();
        if (col >= MAX_CELLS) {
            col = MAX_CELLS;
            m_firstCol = MAX_CELLS - ColumnPageSize();
        } else {
            do {
                m_firstCol = col - m_visibleCols;
                UpdateScrollLayout(false);
            } while (col > m_firstCol + m_visibleCols);
        }
        ScrollFromCursor(dc, ScrollBarKind::Horizontal, m_firstCol);
    }
    if (row < m_firstRow + 1) {
        hide();
        row = std::max(row, 1);
        m_firstRow = row - 1;
        ScrollFromCursor(dc, ScrollBarKind::Vertical, m_firstRow);
    } else if (row > m_firstRow + m_visibleRows) {
        hide();
        if (row >= MAX_CELLS) {
            row = MAX_CELLS;
            m_firstRow = MAX_CELLS - RowPageSize();
        } else {
            m_firstRow = row - m_visibleRows;
        }
        ScrollFromCursor(dc, ScrollBarKind::Vertical, m_firstRow);
    }
}

void CMyView::MoveCursor(IDeviceContext& dc, int col, int row, bool incremental) {
    CGridSelection& s = m_selection;
    const CGridSelection old = s;

    if (s.m_highlightShown) {
        if (!(incremental && s.m_rangeMode && m_anchorFixed)) {
            InvertSelection(dc, s.m_anchorCol, s.m_anchorRow, s.m_cursorCol, s.m_cursorRow);
            incremental = false;
        }
    } else {
        incremental = false;
    }

    const int firstCol = m_firstCol;
    const int firstRow = m_firstRow;
    if (m_host)
        ScrollCursorIntoView(dc, col, row);
    if (m_firstCol != firstCol || m_firstRow != firstRow || !s.m_highlightShown)
        incremental = false;
    col = std::clamp(col, 1, MAX_CELLS);
    row = std::clamp(row, 1, MAX_CELLS);

    if (s.m_rangeMode) {
        if (!m_anchorFixed) {
            s.m_anchorCol = col;
            s.m_anchorRow = row;
        }
        s.m_cursorCol = col;
        s.m_cursorRow = row;
        m_anchorFixed = true;
    } else {
        s.m_anchorCol = s.m_cursorCol = col;
        s.m_anchorRow = s.m_cursorRow = row;
        m_anchorFixed = false;
    }

    if (!incremental) {
        InvertSelection(dc, s.m_anchorCol, s.m_anchorRow, s.m_cursorCol, s.m_cursorRow);
        return;
    }

    // Strip update: only the columns or rows that entered or left the selection.
    const int dxOld = old.m_cursorCol - old.m_anchorCol;
    const int dyOld = old.m_cursorRow - old.m_anchorRow;
    const int dxNew = s.m_cursorCol - s.m_anchorCol;
    const int dyNew = s.m_cursorRow - s.m_anchorRow;
    const bool colsChanged = dxOld != dxNew;
    const bool rowsChanged = dyOld != dyNew;
    if (dxOld * dxNew <= 0 || dyOld * dyNew <= 0 || colsChanged == rowsChanged) {
        InvertSelection(dc, old.m_anchorCol, old.m_anchorRow, old.m_cursorCol, old.m_cursorRow);
        InvertSelection(dc, s.m_anchorCol, s.m_anchorRow, s.m_cursorCol, s.m_cursorRow);
        return;
    }
    // Each strip inversion flips the flag; a pair of flips keeps the highlight shown.
    const auto strip = [&](int a1, int b1, int a2, int b2) {
        InvertSelection(dc, a1, b1, a2, b2);
        s.m_highlightShown = true;
    };
    if (colsChanged) {
        const int oc = old.m_cursorCol;
        const int nc = s.m_cursorCol;
        const bool growing = std::abs(dxNew) > std::abs(dxOld);
        int from, to;
        if (dxOld > 0) {
            from = growing ? oc + 1 : nc + 1;
            to = growing ? nc : oc;
        } else {
            from = growing ? nc : oc;
            to = growing ? oc - 1 : nc - 1;
        }
        strip(from, s.m_anchorRow, to, s.m_cursorRow);
    } else {
        const int orow = old.m_cursorRow;
        const int nrow = s.m_cursorRow;
        const bool growing = std::abs(dyNew) > std::abs(dyOld);
        int from, to;
        if (dyOld > 0) {
            from = growing ? orow + 1 : nrow + 1;
            to = growing ? nrow : orow;
        } else {
            from = growing ? nrow : orow;
            to = growing ? orow - 1 : nrow - 1;
        }
        strip(s.m_anchorCol, from, s.m_cursorCol, to);
    }
}

void CMyView::OnLButtonDown(int x, int y, int flags) {
    if (!m_host || !m_initialized)
        return;
    // A press while the in-place editor is open first commits it, then acts as usual.
    if (IsInPlaceEditorOpen())
        EndInPlaceEditor();
    const CRect grid = GridArea();
    if (x < grid.left || x > grid.right || y < grid.top || y > grid.bottom)
        return;
    const auto [col, row] = HitTest(x, y);
    if (!(flags & MK_SHIFT))
        m_selection.m_rangeMode = false;
    IDeviceContext& dc = ClientDC();
    SelectGridClip(dc);
    MoveCursor(dc, col, row, false);
}

void CMyView::OnMouseMove(int x, int y, int flags) {
    if (m_host && m_initialized && flags == MK_LBUTTON && !m_ignoreNextMove) {
        const CRect grid = GridArea();
        if (x >= grid.left && x <= grid.right && y >= grid.top && y <= grid.bottom) {
            const auto [col, row] = HitTest(x, y);
            if (col != m_selection.m_cursorCol || row != m_selection.m_cursorRow) {
                m_selection.m_rangeMode = true;
                m_dragging = true;
                IDeviceContext& dc = ClientDC();
                SelectGridClip(dc);
                MoveCursor(dc, m_selection.m_cursorCol, m_selection.m_cursorRow, true);
                MoveCursor(dc, col, row, true);
            }
        }
    }
    m_ignoreNextMove = false;
}

void CMyView::OnLButtonUp() {
    m_dragging = false;
}

void CMyView::OnHeaderDrag(int controlId) {
    if (m_host && m_initialized && m_selection.m_rangeMode && m_dragging)
        DragStep(controlId);
}

// Past the top of the grid area the cursor goes up, past its left edge left, past the bottom
// (the horizontal bar) down and past the right edge (the vertical bar) right.
void CMyView::DragStep(int controlId) {
    int col = m_selection.m_cursorCol;
    int row = m_selection.m_cursorRow;
    switch (controlId) {
    case IDC_COLUMN_HEADER:
        --row;
        break;
    case IDC_ROW_HEADER:
        --col;
        break;
    case IDC_HSCROLL:
        ++row;
        break;
    case IDC_VSCROLL:
        ++col;
        break;
    default:
        return;
    }
    IDeviceContext& dc = ClientDC();
    SelectGridClip(dc);
    MoveCursor(dc, col, row, false);
}

void CMyView::OnContextMenu() {
    m_ignoreNextMove = true;
}
