// Keyboard of the grid view: cursor keys, range mode, and keys that start commands.
#include "InputCodes.h"
#include "MyView.h"
#include "Resource.h"

bool CMyView::OnSelectionCommand(int id) {
    if (id != ID_SELECT_RANGE)
        return false;
    ToggleRangeMode();
    return true;
}

bool CMyView::OnUpdateSelectionCommand(int id, CCmdUI& ui) {
    if (id != ID_SELECT_RANGE)
        return false;
    ui.enabled = true;
    ui.checked = m_selection.RangeMode();
    return true;
}

void CMyView::ToggleRangeMode() {
    m_selection.SetRangeMode(!m_selection.RangeMode());
    if (!m_host || !m_initialized)
        return;
    MoveCursor(GridDC(), m_selection.CursorCol(), m_selection.CursorRow(), false);
}

void CMyView::CursorKey(bool shift, int col, int row) {
    if (shift) {
        // Normally the Shift key itself switched range mode on; a Shift pressed while another
        // window had the focus is caught up here, so the anchor stays at the cursor cell.
        if (!m_selection.RangeMode())
            ToggleRangeMode();
    } else {
        m_selection.SetRangeMode(true);
        ToggleRangeMode(); // off again: collapses the selection to the cursor cell
    }
    MoveCursor(GridDC(), col, row, true);
}

// Each press of the same Ctrl+arrow goes single, double, none; another key starts at single.
// Ctrl+Tab comes as VK_RIGHT and Ctrl+Enter as VK_DOWN: the same key for the cycle.
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
        m_selection.SetRangeMode(false);
        return true;
    }
    const int col = m_selection.CursorCol();
    const int row = m_selection.CursorRow();
    const CGridGeometry& g = m_geometry;
    switch (vk) {
    case VK_RIGHT:
    case VK_TAB:
        if (ctrl)
            CycleLine(VK_RIGHT, ID_LINE_SINGLE_RIGHT, ID_LINE_DOUBLE_RIGHT);
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
            CycleLine(VK_DOWN, ID_LINE_SINGLE_BOTTOM, ID_LINE_DOUBLE_BOTTOM);
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
        CursorKey(shift, col, row - g.VisibleRows());
        return true;
    case VK_NEXT:
        CursorKey(shift, col, row + g.VisibleRows());
        return true;
    case VK_HOME:
        CursorKey(shift, g.FirstCol() + 1, row);
        return true;
    case VK_END:
        CursorKey(shift, g.FirstCol() + g.VisibleCols(), row);
        return true;
    case VK_SHIFT:
        if (!m_selection.RangeMode())
            ToggleRangeMode();
        return true;
    case VK_DELETE:
        m_selection.SetRangeMode(false);
        DeleteKey();
        return true;
    case VK_F1:
        m_host->PostCommand(ID_HELP_INDEX);
        return true;
    case VK_F5:
        m_host->PostCommand(ID_CELL_INPUT);
        return true;
    case VK_F2:
        EditCursorCell();
        return true;
    case 'A':
        if (!ctrl)
            return false;
        SelectAll();
        return true;
    case 'F':
        if (!ctrl)
            return false;
        if (m_linePalette)
            m_linePalette->Focus();
        else
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

void CMyView::SelectAll() {
    IDeviceContext& dc = GridDC();
    m_selection.SetRangeMode(false);
    MoveCursor(dc, MAX_CELLS, MAX_CELLS, false);
    ToggleRangeMode(); // the anchor stays at (250, 250)
    MoveCursor(dc, 1, 1, false);
}
