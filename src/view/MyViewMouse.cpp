// Mouse input of the grid view: clicks, drags (also over the headers and scroll bars) and the
// context menu.
#include "InputCodes.h"
#include "MyView.h"
#include "Resource.h"

void CMyView::OnLButtonDown(int x, int y, int flags) {
    if (!m_host || !m_initialized)
        return;
    // A press while the in-place editor is open first commits it, then acts as usual.
    if (IsInPlaceEditorOpen())
        EndInPlaceEditor();
    if (!m_geometry.InGridArea(x, y))
        return;
    const auto [col, row] = m_geometry.HitTest(x, y);
    if (!(flags & MK_SHIFT))
        m_selection.SetRangeMode(false);
    MoveCursor(GridDC(), col, row, false);
}

void CMyView::OnMouseMove(int x, int y, int flags) {
    if (m_host && m_initialized && flags == MK_LBUTTON && !m_ignoreNextMove &&
        m_geometry.InGridArea(x, y)) {
        const auto [col, row] = m_geometry.HitTest(x, y);
        if (col != m_selection.CursorCol() || row != m_selection.CursorRow()) {
            m_selection.SetRangeMode(true);
            m_dragging = true;
            IDeviceContext& dc = GridDC();
            MoveCursor(dc, m_selection.CursorCol(), m_selection.CursorRow(), true);
            MoveCursor(dc, col, row, true);
        }
    }
    m_ignoreNextMove = false;
}

void CMyView::OnLButtonUp() {
    m_dragging = false;
}

void CMyView::OnHeaderDrag(int controlId) {
    if (m_host && m_initialized && m_selection.RangeMode() && m_dragging)
        DragStep(controlId);
}

// Past the top of the grid area the cursor goes up, past its left edge left, past the bottom
// (the horizontal bar) down and past the right edge (the vertical bar) right.
void CMyView::DragStep(int controlId) {
    int col = m_selection.CursorCol();
    int row = m_selection.CursorRow();
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
    MoveCursor(GridDC(), col, row, false);
}

void CMyView::OnContextMenu() {
    m_ignoreNextMove = true;
}
