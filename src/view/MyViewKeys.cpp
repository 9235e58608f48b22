// Keyboard of the grid view: cursor keys, range mode, keys that start commands, and the
// place of the in-place editor.
#include "InputCodes.h"
#include "MyView.h"
#include "Resource.h"

#include <algorithm>

void CMyView::ToggleRangeMode() {
    m_selection.m_rangeMode = !m_selection.m_rangeMode;
    if (!m_host || !m_initialized)
        return;
    IDeviceContext& dc = ClientDC();
    SelectGridClip(dc);
    MoveCursor(dc, m_selection.m_cursorCol, m_selection.m_cursorRow, false);
}

void CMyView::CursorKey(bool shift, int col, int row) {
    if (shift) {
        // Normally the Shift key itself switched range mode on; a Shift pressed while another
        // window had the focus is caught up here, so the anchor stays at the cursor cell.
        if (!m_selection.m_rangeMode)
            ToggleRangeMode();
    } else {
        m_selection.m_rangeMode = true;
        ToggleRangeMode(); // off again: collapses the selection to the cursor cell
    }
    IDeviceContext& dc = ClientDC();
    SelectGridClip(dc);
    MoveCursor(dc, col, row, true);
}

// Each press of the same Ctrl+arrow goes single, double, none; another key starts at single.
void CMyView::CycleLine(int key, int singleId, int doubleId) {
    if (key == m_lastCycleKey) {
        if (++m_cycleCount > 2)
            m_cycleCount = 0;
    } else {
        m_cycleCount = 1;
    }
    m_lastCycleKey = key;
    m_host->PostCommand(m_cycleCount == 1   ? singleId
                        : m_cycleCount == 2 ? doubleId
                                            : ID_LINE_CLEAR);
}

bool CMyView::OnKeyDown(int vk, bool shift, bool ctrl) {
    if (!m_host || !m_initialized)
        return false;
    if (ctrl && vk == 'P') {
        ShowContextMenuAtCorner();
        return true;
    }
    if (IsInPlaceEditorOpen()) {
        EndInPlaceEditor();
        m_selection.m_rangeMode = false;
        return true;
    }
    const int col = m_selection.m_cursorCol;
    const int row = m_selection.m_cursorRow;
    switch (vk) {
    case VK_RIGHT:
    case VK_TAB:
        if (ctrl)
            CycleLine(vk, ID_LINE_SINGLE_RIGHT, ID_LINE_DOUBLE_RIGHT);
        else
            CursorKey(shift, col + 1, row);
        return true;
    case VK_LEFT:
        if (ctrl)
            CycleLine(vk, ID_LINE_SINGLE_LEFT, ID_LINE_DOUBLE_LEFT);
        else
            CursorKey(shift, col - 1, row);
        return true;
    case VK_DOWN:
    case VK_RETURN:
        if (ctrl)
            CycleLine(vk, ID_LINE_SINGLE_BOTTOM, ID_LINE_DOUBLE_BOTTOM);
        else
            CursorKey(shift, col, row + 1);
        return true;
    case VK_UP:
        if (ctrl)
            CycleLine(vk, ID_LINE_SINGLE_TOP, ID_LINE_DOUBLE_TOP);
        else
            CursorKey(shift, col, row - 1);
        return true;
    case VK_PRIOR:
        CursorKey(shift, col, row - m_visibleRows);
        return true;
    case VK_NEXT:
        CursorKey(shift, col, row + m_visibleRows);
        return true;
    case VK_HOME:
        CursorKey(shift, m_firstCol + 1, row);
        return true;
    case VK_END:
        CursorKey(shift, m_firstCol + m_visibleCols, row);
        return true;
    case VK_SHIFT:
        if (!m_selection.m_rangeMode)
            ToggleRangeMode();
        return true;
    case VK_DELETE:
        m_selection.m_rangeMode = false;
        DeleteKey();
        return true;
    case VK_F1:
        m_host->PostCommand(ID_HELP_INDEX);
        return true;
    case VK_F5:
        m_host->PostCommand(ID_CELL_INPUT);
        return true;
    case 'F':
        if (!ctrl)
            return false;
        m_host->PostCommand(ID_LINE_PALETTE);
        return true;
    case 'H':
    case 'J':
        if (!ctrl)
            return false;
        m_host->PostCommand(ID_CELL_SIZE);
        return true;
    case 'K':
        if (!ctrl)
            return false;
        m_host->SetHeaderMarked(HeaderKind::Corner, 0, true);
        m_host->PostCommand(ID_CELL_SIZE);
        return true;
    default:
        return false;
    }
}

void CMyView::ShowContextMenuAtCorner() {
    OnContextMenu();
    if (m_host)
        m_host->ShowContextMenu({15, 15});
}

CRect CMyView::InPlaceEditRect() const {
    const CCellRect sel = m_selection.Normalized();
    CRect r{ColumnX(sel.left), RowY(sel.top), ColumnX(sel.right + 1), RowY(sel.bottom + 1)};
    const CRect grid = GridArea();
    if (r.Width() > grid.Width()) {
        r.left = grid.left;
        r.right = grid.right;
    }
    if (r.Height() > grid.Height()) {
        r.top = grid.top;
        r.bottom = grid.bottom;
    }
    return r;
}

// Deleting the selection's texts comes with the clipboard commands; until then the key only
// ends range mode.
void CMyView::DeleteKey() {}
