// Undo of the grid view: the undo block goes back over the model and keeps what it replaced,
// so the next undo redoes.
#include "EditCommands.h"
#include "MyDoc.h"
#include "MyView.h"
#include "Resource.h"

bool CMyView::OnUndoCommand(int id) {
    if (id != ID_EDIT_UNDO)
        return false;
    OnEditUndo();
    return true;
}

bool CMyView::OnUpdateUndoCommand(int id, CCmdUI& ui) {
    if (id != ID_EDIT_UNDO)
        return false;
    ui.enabled = !m_undoBlock.IsEmpty();
    return true;
}

void CMyView::OnEditUndo() {
    if (m_undoBlock.IsEmpty())
        return;
    EndInPlaceEditor();
    if (m_host)
        m_host->SetWaitCursor(true);
    const CUndoResult result =
        UndoLastEdit(m_undoBlock, {*m_cells, *m_hLines, *m_vLines, *m_sizes, m_spanMap});
    if (m_host)
        m_host->SetWaitCursor(false);
    m_doc.SetModifiedFlag(true);
    if (!m_host)
        return;
    if (result.widthsChanged) {
        RebuildEdges();
        UpdateScrollLayout(true);
        m_headersDirty = true;
        m_host->Invalidate(true);
    } else {
        const CCellRect& r = result.region;
        RefreshRegion(r.left, r.top, r.right, r.bottom);
    }
}
