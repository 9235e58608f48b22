// Text entry, horizontal placement and undo of the grid view.
#include "CellArray.h"
#include "EditCommands.h"
#include "InputCodes.h"
#include "MyDoc.h"
#include "MyView.h"
#include "Resource.h"

namespace {

// Byte values that start a double-byte character; alone they are half a character.
bool IsLoneLeadByte(const std::string& c) {
    if (c.size() != 1)
        return false;
    const unsigned char b = static_cast<unsigned char>(c[0]);
    return (b >= 129 && b <= 159) || (b >= 224 && b <= 252);
}

// Saves r into the undo block with the busy cursor shown.
void SaveForUndo(IViewHost* host, CCellBlock& undo, const CCellRect& r) {
    if (host)
        host->SetWaitCursor(true);
    undo.Save(r);
    if (host)
        host->SetWaitCursor(false);
}

} // namespace

bool CMyView::IsInPlaceEditorOpen() const {
    return m_inPlaceOpen;
}

void CMyView::EndInPlaceEditor() {
    // The host's close gives the focus back; the commit runs here whether or not the
    // window system reports the focus change.
    OnInPlaceEditKillFocus();
}

bool CMyView::OnChar(const std::string& cp932, bool ctrl) {
    if (m_inPlaceOpen || !m_host || !m_initialized || ctrl || cp932.empty())
        return false;
    if (IsLoneLeadByte(cp932))
        return false;
    if (cp932 == "\t" || cp932 == "\r" || cp932 == "\x1b")
        return false;
    OpenInPlaceEditor(cp932);
    return true;
}

void CMyView::OnImeStartComposition() {
    if (m_inPlaceOpen || !m_host || !m_initialized)
        return;
    OpenInPlaceEditor({});
}

void CMyView::OpenInPlaceEditor(const std::string& text) {
    m_inPlaceOpen = true;
    m_host->OpenInPlaceEditor(InPlaceEditRect(), text);
}

void CMyView::OnInPlaceEditKillFocus() {
    if (!m_inPlaceOpen)
        return;
    const CCellRect sel = m_selection.Normalized();
    const CCellRect hull = SpanHull(*m_cells, m_spanMap, sel);
    // Cleared first: closing moves the focus, which reports the editor's focus loss again.
    m_inPlaceOpen = false;
    std::string text;
    int endKey = INPLACE_NO_END_KEY;
    const bool stored = m_host && m_host->CloseInPlaceEditor(text, endKey);
    m_selection.m_rangeMode = false;
    if (endKey == VK_ESCAPE || !stored)
        return;

    SaveForUndo(m_host, m_undoBlock, hull);
    PlaceSpan(*m_cells, m_spanMap, sel, InPlaceRecord(text, sel));
    m_doc.SetModifiedFlag(true);
    RefreshRegion(hull.left, hull.top, hull.right, hull.bottom);
    m_host->RepaintScrollBar(ScrollBarKind::Horizontal);
    m_host->RepaintScrollBar(ScrollBarKind::Vertical);
    if (endKey == VK_TAB || endKey == VK_RETURN)
        m_host->PostKeyDown(endKey);
}

void CMyView::OnLButtonDblClk(int x, int y, int flags) {
    if (!m_host || !m_initialized)
        return;
    if (m_inPlaceOpen) {
        // Ends the editor; the double-click counts as a single press.
        EndInPlaceEditor();
        OnLButtonDown(x, y, flags);
        return;
    }
    const CRect grid = GridArea();
    if (x >= grid.left && x <= grid.right && y >= grid.top && y <= grid.bottom) {
        const auto [col, row] = HitTest(x, y);
        m_selection.m_rangeMode = false;
        IDeviceContext& dc = ClientDC();
        SelectGridClip(dc);
        MoveCursor(dc, col, row, false);
    }
    m_host->PostCommand(ID_CELL_INPUT);
}

void CMyView::OnCellInput() {
    if (!m_cells)
        return;
    EndInPlaceEditor();
    const CCellRect sel = m_selection.Normalized();
    PrepareCellInput(m_cellInput, *m_cells, sel);
    if (!m_host || !m_host->RunCellInputDialog(m_cellInput))
        return;

    const CCellRect block = CellInputBlock(m_cellInput, sel.left, sel.top);
    // The hull before anything is deleted, so spans reaching out of the block come back
    // with undo.
    const CCellRect hull = SpanHull(*m_cells, m_spanMap, block);
    SaveForUndo(m_host, m_undoBlock, hull);
    PlaceSpan(*m_cells, m_spanMap, block, CellInputRecord(m_cellInput, sel.left, sel.top));
    m_selection.m_rangeMode = false;
    m_doc.SetModifiedFlag(true);
    RefreshRegion(hull.left, hull.top, hull.right, hull.bottom);
}

void CMyView::OnAlign(int hplace) {
    if (!m_cells)
        return;
    EndInPlaceEditor();
    const CCellRect sel = m_selection.Normalized();
    SaveForUndo(m_host, m_undoBlock, sel);
    if (SetHorizontalPlacement(*m_cells, sel, hplace) > 0)
        m_doc.SetModifiedFlag(true);
    if (m_host)
        RefreshRegion(sel.left, sel.top, sel.right, sel.bottom);
}

void CMyView::OnEditUndo() {
    if (!m_cells || m_undoBlock.IsEmpty())
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
