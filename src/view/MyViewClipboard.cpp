// Cut, copy and paste of the grid view: the clipboard block moves whole cells inside the
// program; the system clipboard takes and gives the selection's texts as CSV or as
// tab-separated lines. Clear and the Delete key empty the selection.
#include "CellArray.h"
#include "Clipboard.h"
#include "ClipboardCommands.h"
#include "MessageBox.h"
#include "MyDoc.h"
#include "MyView.h"
#include "Resource.h"
#include "TextCodec.h"
#include "TextImport.h"

#include <new>

bool CMyView::OnClipboardCommand(int id) {
    switch (id) {
    case ID_EDIT_CUT:
        OnEditCut();
        return true;
    case ID_EDIT_COPY:
        OnEditCopy();
        return true;
    case ID_EDIT_PASTE:
        OnEditPaste();
        return true;
    case ID_EDIT_CLEAR:
        OnEditClear();
        return true;
    case ID_COPY_PLAIN_CSV:
        OnCopyPlain(TextSeparator::Comma);
        return true;
    case ID_COPY_PLAIN_TEXT:
        OnCopyPlain(TextSeparator::Tab);
        return true;
    case ID_PASTE_PLAIN_CSV:
        OnPastePlain(TextSeparator::Comma);
        return true;
    case ID_PASTE_PLAIN_TEXT:
        OnPastePlain(TextSeparator::Tab);
        return true;
    default:
        return false;
    }
}

bool CMyView::OnUpdateClipboardCommand(int id, CCmdUI& ui) {
    switch (id) {
    case ID_EDIT_PASTE:
        // The clipboard block keeps its cells across New and Open.
        ui.enabled = !m_clipBlock.IsEmpty();
        return true;
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
    case ID_EDIT_CLEAR:
    case ID_COPY_PLAIN_CSV:
    case ID_COPY_PLAIN_TEXT:
    case ID_PASTE_PLAIN_CSV:
    case ID_PASTE_PLAIN_TEXT:
        ui.enabled = true;
        return true;
    default:
        return false;
    }
}

void CMyView::OnEditCopy() {
    EndInPlaceEditor();
    // Exactly the selection: records whose origin it holds, with their whole spans.
    if (m_host)
        m_host->SetWaitCursor(true);
    m_clipBlock.Save(m_selection.Normalized());
    if (m_host)
        m_host->SetWaitCursor(false);
    m_selection.SetRangeMode(false);
    if (m_host && m_initialized)
        MoveCursor(GridDC(), m_selection.CursorCol(), m_selection.CursorRow(), false);
}

void CMyView::OnEditCut() {
    EndInPlaceEditor();
    m_clipBlock.Save(m_selection.Normalized());
    OnEditClear();
}

void CMyView::OnEditClear() {
    EndInPlaceEditor();
    const CCellRect sel = m_selection.Normalized();
    const CCellRect hull = SpanHull(*m_cells, m_spanMap, sel);
    bool removed = false;
    EditRegion(
        hull,
        [&] {
            m_selection.SetRangeMode(false);
            removed =
                DeleteInRect({*m_cells, *m_hLines, *m_vLines, *m_sizes, m_spanMap}, sel, true);
            return true; // modified also when there was nothing to remove
        },
        [&] {
            if (removed)
                RefreshRegion(hull.left, hull.top, hull.right, hull.bottom);
        });
}

void CMyView::DeleteKey() {
    EndInPlaceEditor();
    const CCellRect sel = m_selection.Normalized();
    const CCellRect hull = SpanHull(*m_cells, m_spanMap, sel);
    const bool spansReachOut = TouchesCoveredCell(m_spanMap, sel);
    EditRegion(
        hull,
        [&] {
            return DeleteInRect({*m_cells, *m_hLines, *m_vLines, *m_sizes, m_spanMap}, sel, false);
        },
        [&] {
            if (spansReachOut) {
                NormalizeSpans();
                m_host->Invalidate(false);
            } else {
                RefreshRegion(sel.left, sel.top, sel.right, sel.bottom);
            }
        });
}

void CMyView::OnEditPaste() {
    EndInPlaceEditor();
    if (!m_clipBlock.IsEmpty())
        PasteBlockAtSelection(m_clipBlock);
}

void CMyView::PasteBlockAtSelection(CCellBlock& block) {
    const CCellRect sel = m_selection.Normalized();
    const CCellRect region = PasteRegion(*m_cells, m_spanMap, block, sel.left, sel.top);
    EditRegion(region, [&] {
        PasteBlock({*m_cells, *m_hLines, *m_vLines, *m_sizes, m_spanMap}, block, sel.left, sel.top);
        return true;
    });
}

void CMyView::ShowClipboardMessage(const std::string& text) {
    if (m_clipboardMessages)
        m_clipboardMessages->Show(text, MsgIcon::Exclamation);
}

void CMyView::OnCopyPlain(TextSeparator sep) {
    EndInPlaceEditor();
    if (!m_clipboard)
        return;
    const CCellRect sel = m_selection.Normalized();
    std::string text;
    try {
        text = SelectionText(*m_cells, m_spanMap, sel, sep);
    } catch (const std::bad_alloc&) {
        ShowClipboardMessage(kMsgClipboardNoMemory);
        return;
    }
    const ClipboardWrite result = m_clipboard->SetText(text);
    if (result == ClipboardWrite::Ok)
        return;
    if (result != ClipboardWrite::Unconvertible) {
        ShowClipboardMessage(ClipboardWriteMessage(result));
        return;
    }
    // Name the first cell whose text has no Unicode form.
    for (int y = sel.top; y <= sel.bottom; ++y) {
        for (int x = sel.left; x <= sel.right; ++x) {
            const CCellData* rec = m_cells->GetCell(x, y);
            if (rec && m_spanMap.IsOrigin(x, y) && !Cp932ToUtf8(rec->text)) {
                ShowClipboardMessage(UnreadableCellMessage(x, y));
                return;
            }
        }
    }
    ShowClipboardMessage(kMsgClipboardSetFailed);
}

void CMyView::OnPastePlain(TextSeparator sep) {
    EndInPlaceEditor();
    if (!m_clipboard)
        return;
    const CClipboardText read = m_clipboard->GetText();
    if (read.status == CClipboardText::Unconvertible) {
        ShowClipboardMessage(UnconvertiblePasteMessage(read.character));
        return;
    }
    // The text ends at its first zero byte, as plain clipboard text does.
    const std::string_view text = std::string_view(read.text).substr(0, read.text.find('\0'));
    if (read.status != CClipboardText::Ok || text.empty())
        return;

    const CCellRect sel = m_selection.Normalized();
    const CPlainPaste paste = ParsePlainText(text, sep, sel.left, sel.top);
    EditRegion(SpanHull(*m_cells, m_spanMap, paste.area), [&] {
        ApplyPlainPaste(*m_cells, m_spanMap, paste);
        return true;
    });
}
