// Text entry and horizontal placement of the grid view: the in-place editor, the double-click,
// the text input dialog, the alignment commands and the math mode conversions.
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

} // namespace

bool CMyView::OnTextCommand(int id) {
    switch (id) {
    case ID_CELL_INPUT:
        OnCellInput();
        return true;
    case ID_ALIGN_LEFT:
    case ID_ALIGN_CENTER:
    case ID_ALIGN_RIGHT:
        OnAlign(id - ID_ALIGN_LEFT);
        return true;
    case ID_TO_MATH:
    case ID_TO_PLAIN:
        OnMathConversion(id == ID_TO_MATH);
        return true;
    default:
        return false;
    }
}

bool CMyView::OnUpdateTextCommand(int id, CCmdUI& ui) {
    switch (id) {
    case ID_CELL_INPUT:
    case ID_ALIGN_LEFT:
    case ID_ALIGN_CENTER:
    case ID_ALIGN_RIGHT:
    case ID_TO_MATH:
    case ID_TO_PLAIN:
        ui.enabled = true;
        return true;
    default:
        return false;
    }
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
    m_inPlaceKeepsRecord = false;
    m_host->OpenInPlaceEditor(InPlaceEditRect(), text);
}

void CMyView::EditCursorCell() {
    if (m_inPlaceOpen || !m_host || !m_initialized)
        return;
    auto [col, row] = m_spanMap.GetOrigin(m_selection.CursorCol(), m_selection.CursorRow());
    if (col == 0) {
        col = m_selection.CursorCol();
        row = m_selection.CursorRow();
    }
    const CCellData* rec = m_cells->GetCell(col, row);
    const CCellRect span{col, row, col + (rec ? rec->colspan : 1) - 1,
                         row + (rec ? rec->rowspan : 1) - 1};
    m_selection.SetRangeMode(false);
    MoveCursor(GridDC(), col, row, false);
    m_inPlaceOpen = true;
    m_inPlaceKeepsRecord = true;
    m_inPlaceSpan = span;
    m_host->OpenInPlaceEditor(m_geometry.InPlaceEditRect(span), rec ? rec->text : std::string());
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
    m_selection.SetRangeMode(false);
    if (endKey == VK_ESCAPE || !stored)
        return;

    if (m_inPlaceKeepsRecord) {
        m_inPlaceKeepsRecord = false;
        const CCellRect span = m_inPlaceSpan;
        const CCellData* old = m_cells->GetCell(span.left, span.top);
        // Unchanged, the cell and the undo block stay as they were.
        if ((old ? old->text : std::string()) != text) {
            CCellData rec = old ? *old : CCellData();
            rec.text = text;
            EditRegion(SpanHull(*m_cells, m_spanMap, span),
                       [&] { return m_cells->SetCell(span.left, span.top, rec); });
        }
    } else {
        EditRegion(hull, [&] {
            PlaceSpan(*m_cells, m_spanMap, sel, InPlaceRecord(text, sel));
            return true;
        });
    }
    m_host->RepaintScrollBars();
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
    if (m_geometry.InGridArea(x, y)) {
        const auto [col, row] = m_geometry.HitTest(x, y);
        m_selection.SetRangeMode(false);
        MoveCursor(GridDC(), col, row, false);
    }
    m_host->PostCommand(ID_CELL_INPUT);
}

void CMyView::OnCellInput() {
    EndInPlaceEditor();
    const CCellRect sel = m_selection.Normalized();
    PrepareCellInput(m_cellInput, *m_cells, sel);
    if (!m_host || !m_host->RunCellInputDialog(m_cellInput))
        return;

    const CCellRect block = CellInputBlock(m_cellInput, sel.left, sel.top);
    // The hull before anything is deleted, so spans reaching out of the block come back
    // with undo.
    EditRegion(SpanHull(*m_cells, m_spanMap, block), [&] {
        PlaceSpan(*m_cells, m_spanMap, block, CellInputRecord(m_cellInput, sel.left, sel.top));
        m_selection.SetRangeMode(false);
        return true;
    });
}

void CMyView::OnAlign(int hplace) {
    EndInPlaceEditor();
    const CCellRect sel = m_selection.Normalized();
    EditRegion(sel, [&] { return SetHorizontalPlacement(*m_cells, sel, hplace) > 0; });
}

void CMyView::OnMathConversion(bool toMath) {
    EndInPlaceEditor();
    const CCellRect sel = m_selection.Normalized();
    // Only texts change, so the selection is what undo needs; a span whose origin is selected
    // shows its text beyond it.
    const CCellRect shown = SpanHull(*m_cells, m_spanMap, sel);
    EditRegion(
        sel,
        [&] {
            if (toMath)
                ToMath(*m_cells, sel);
            else
                ToPlain(*m_cells, sel);
            return true;
        },
        [&] { RefreshRegion(shown.left, shown.top, shown.right, shown.bottom); });
}
