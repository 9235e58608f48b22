// Life cycle, painting and the services every command uses: MoveCursor, RefreshRegion and the
// editing frame.
#include "MyView.h"

#include "CellArray.h"
#include "CellSize.h"
#include "LineArray.h"
#include "MyDoc.h"
#include "Resource.h"

#include <algorithm>

CMyView::CMyView(CMyDoc& doc)
    : m_doc(doc), m_cells(&doc.m_cells), m_hLines(&doc.m_hLines), m_vLines(&doc.m_vLines),
      m_sizes(&doc.m_sizes),
      m_renderer(doc.m_cells, doc.m_hLines, doc.m_vLines, doc.m_sizes, m_spanMap, m_geometry) {
    RebuildEdges();
}

CMyView::~CMyView() = default;

IDeviceContext& CMyView::ClientDC() {
    return m_host->GetClientDC();
}

IDeviceContext& CMyView::GridDC() {
    IDeviceContext& dc = ClientDC();
    SelectGridClip(dc);
    return dc;
}

void CMyView::SelectGridClip(IDeviceContext& dc) const {
    dc.SelectClipRect(m_geometry.GridArea());
}

void CMyView::OnInitialUpdate() {
    if (!m_host)
        return;
    if (m_initialized) {
        // A file opened into the running program: reset as after Open.
        m_doc.m_bContentsReplaced = true;
        OnUpdate();
        return;
    }
    m_geometry.SetScrollBarSize(m_host->GetScrollBarSize());
    if (!m_blocksBound) {
        m_undoBlock.Attach(*m_cells, *m_hLines, *m_vLines, *m_sizes);
        m_clipBlock.Attach(*m_cells, *m_hLines, *m_vLines, *m_sizes);
        m_blocksBound = true;
    }
    LoadSaveSettings(true);
    m_host->SetViewFont(m_renderer.Font());
    m_geometry.SetClientSize(m_host->GetClientSize(), false);

    // The document may already hold a file (opened from the command line).
    m_doc.m_bContentsReplaced = false;
    NormalizeSpans();
    RebuildEdges();
    UpdateScrollLayout(true);
    m_host->LayoutHeaders(HeaderKind::Corner, m_geometry);
    LayoutColumnHeaders();
    LayoutRowHeaders();
    m_headersDirty = true;
    m_initialized = true;
    m_host->Invalidate(true);
}

void CMyView::OnUpdate() {
    if (m_doc.m_bContentsReplaced) {
        m_doc.m_bContentsReplaced = false;
        m_undoBlock.Clear();
        NormalizeSpans();
        RebuildEdges();
        if (m_host) {
            UpdateScrollLayout(true);
            LayoutColumnHeaders();
            LayoutRowHeaders();
        }
    }
    if (m_host)
        m_host->Invalidate(false);
}

void CMyView::OnDraw(IDeviceContext& dc) {
    if (!m_initialized)
        return;
    if (m_doc.m_bMarkModified) {
        m_doc.SetModifiedFlag(true);
        m_doc.m_bMarkModified = false;
    }
    if (m_doc.m_bContentsReplaced) {
        m_undoBlock.Clear();
        m_doc.m_bContentsReplaced = false;
        NormalizeSpans();
        RebuildEdges();
        UpdateScrollLayout(true);
    }
    SelectGridClip(dc);
    PaintArea(dc, m_geometry.GridArea());
    MoveCursor(dc, m_selection.CursorCol(), m_selection.CursorRow(), false);
    if (m_headersDirty) {
        m_headersDirty = false;
        LayoutColumnHeaders();
        LayoutRowHeaders();
        m_host->LayoutHeaders(HeaderKind::Corner, m_geometry);
        m_host->RepaintScrollBars();
    }
}

namespace {

enum class CommandFamily {
    None,
    Display,
    Selection,
    Text,
    Undo,
    Clipboard,
    Generate,
    CellSize,
    Border,
    Import
};

// The view's command map: the family whose handlers take each command.
CommandFamily FamilyOf(int id) {
    switch (id) {
    case ID_VIEW_GRID:
        return CommandFamily::Display;
    case ID_SELECT_RANGE:
        return CommandFamily::Selection;
    case ID_CELL_INPUT:
    case ID_ALIGN_LEFT:
    case ID_ALIGN_CENTER:
    case ID_ALIGN_RIGHT:
    case ID_TO_MATH:
    case ID_TO_PLAIN:
        return CommandFamily::Text;
    case ID_EDIT_UNDO:
        return CommandFamily::Undo;
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
    case ID_EDIT_PASTE:
    case ID_EDIT_CLEAR:
    case ID_COPY_PLAIN_CSV:
    case ID_COPY_PLAIN_TEXT:
    case ID_PASTE_PLAIN_CSV:
    case ID_PASTE_PLAIN_TEXT:
        return CommandFamily::Clipboard;
    case ID_GENERATE:
    case ID_GENERATE_OPTIONS:
        return CommandFamily::Generate;
    case ID_CELL_SIZE:
    case ID_STANDARD_SIZE:
    case ID_AUTO_HEIGHT:
    case ID_FIT_WIDTH:
    case ID_FONT:
    case IDC_CORNER:
    case IDC_COLUMN_HEADER:
    case IDC_ROW_HEADER:
        return CommandFamily::CellSize;
    case ID_LINE_SINGLE_FRAME:
    case ID_LINE_DOUBLE_FRAME:
    case ID_LINE_SINGLE_LEFT:
    case ID_LINE_DOUBLE_LEFT:
    case ID_LINE_SINGLE_RIGHT:
    case ID_LINE_DOUBLE_RIGHT:
    case ID_LINE_SINGLE_TOP:
    case ID_LINE_DOUBLE_TOP:
    case ID_LINE_SINGLE_BOTTOM:
    case ID_LINE_DOUBLE_BOTTOM:
    case ID_LINE_GRID:
    case ID_LINE_CLEAR:
    case ID_LINE_PALETTE:
    case ID_LINE_TEMPLATE:
        return CommandFamily::Border;
    case ID_FILE_IMPORT_TABLE:
    case ID_EDIT_PASTE_SOURCE:
        return CommandFamily::Import;
    default:
        return CommandFamily::None;
    }
}

} // namespace

bool CMyView::OnCommand(int id) {
    // Toolbar buttons and shortcuts take no focus from the in-place editor: its text is
    // stored before any command (Save among them) runs.
    EndInPlaceEditor();
    switch (FamilyOf(id)) {
    case CommandFamily::Display:
        return OnDisplayCommand(id);
    case CommandFamily::Selection:
        return OnSelectionCommand(id);
    case CommandFamily::Text:
        return OnTextCommand(id);
    case CommandFamily::Undo:
        return OnUndoCommand(id);
    case CommandFamily::Clipboard:
        return OnClipboardCommand(id);
    case CommandFamily::Generate:
        return OnGenerateCommand(id);
    case CommandFamily::CellSize:
        return OnCellSizeCommand(id);
    case CommandFamily::Border:
        return OnBorderCommand(id);
    case CommandFamily::Import:
        return OnImportCommand(id);
    case CommandFamily::None:
        break;
    }
    return false;
}

bool CMyView::OnUpdateCommand(int id, CCmdUI& ui) {
    switch (FamilyOf(id)) {
    case CommandFamily::Display:
        return OnUpdateDisplayCommand(id, ui);
    case CommandFamily::Selection:
        return OnUpdateSelectionCommand(id, ui);
    case CommandFamily::Text:
        return OnUpdateTextCommand(id, ui);
    case CommandFamily::Undo:
        return OnUpdateUndoCommand(id, ui);
    case CommandFamily::Clipboard:
        return OnUpdateClipboardCommand(id, ui);
    case CommandFamily::Generate:
        return OnUpdateGenerateCommand(id, ui);
    case CommandFamily::CellSize:
        return OnUpdateCellSizeCommand(id, ui);
    case CommandFamily::Border:
        return OnUpdateBorderCommand(id, ui);
    case CommandFamily::Import:
        return OnUpdateImportCommand(id, ui);
    case CommandFamily::None:
        break;
    }
    return false;
}

bool CMyView::OnDisplayCommand(int id) {
    if (id != ID_VIEW_GRID)
        return false;
    m_renderer.SetShowGrid(!m_renderer.ShowsGrid());
    if (m_host)
        m_host->Invalidate(true);
    return true;
}

bool CMyView::OnUpdateDisplayCommand(int id, CCmdUI& ui) {
    if (id != ID_VIEW_GRID)
        return false;
    ui.enabled = true;
    ui.checked = m_renderer.ShowsGrid();
    return true;
}

void CMyView::RebuildEdges() {
    m_geometry.RebuildEdges(*m_sizes);
}

void CMyView::NormalizeSpans() {
    if (::NormalizeSpans(*m_cells, *m_hLines, *m_vLines, m_spanMap))
        m_doc.SetModifiedFlag(true);
}

void CMyView::PaintArea(IDeviceContext& dc, const CRect& area) {
    m_selection.HideHighlight(dc, m_geometry);
    m_renderer.PaintArea(dc, area);
}

void CMyView::RepaintCells(IDeviceContext& dc, int col1, int row1, int col2, int row2) {
    m_selection.HideHighlight(dc, m_geometry);
    m_renderer.RepaintCells(dc, col1, row1, col2, row2);
}

void CMyView::RefreshRegion(int col1, int row1, int col2, int row2) {
    if (col1 == 0 && row1 == 0 && col2 == 0 && row2 == 0) {
        const CCellRect sel = m_selection.Normalized();
        col1 = sel.left;
        row1 = sel.top;
        col2 = sel.right;
        row2 = sel.bottom;
    }
    IDeviceContext& dc = GridDC();
    NormalizeSpans();
    // A change can alter the lines and spans of the neighbouring cells.
    const auto clamp = [](int v) { return std::clamp(v, 1, MAX_CELLS); };
    const int left = clamp(std::min(col1, col2) - 1);
    const int top = clamp(std::min(row1, row2) - 1);
    const int right = clamp(std::max(col1, col2) + 1);
    const int bottom = clamp(std::max(row1, row2) + 1);
    RepaintCells(dc, left, top, right, bottom);
    MoveCursor(dc, m_selection.CursorCol(), m_selection.CursorRow(), false);
}

void CMyView::SaveForUndo(const CCellRect& region) {
    if (m_host)
        m_host->SetWaitCursor(true);
    m_undoBlock.Save(region);
    if (m_host)
        m_host->SetWaitCursor(false);
}

void CMyView::EditRegion(const CCellRect& region, const std::function<bool()>& change) {
    EditRegion(region, change,
               [&] { RefreshRegion(region.left, region.top, region.right, region.bottom); });
}

void CMyView::EditRegion(const CCellRect& region, const std::function<bool()>& change,
                         const std::function<void()>& repaint) {
    if (m_host)
        m_host->SetWaitCursor(true);
    m_undoBlock.Save(region);
    const bool changed = change();
    if (m_host)
        m_host->SetWaitCursor(false);
    if (changed)
        m_doc.SetModifiedFlag(true);
    if (m_host)
        repaint();
    else
        NormalizeSpans(); // as RefreshRegion does first
}

void CMyView::MoveCursor(IDeviceContext& dc, int col, int row, bool incremental) {
    const CGridSelection old = m_selection;
    incremental = m_selection.BeginMove(dc, m_geometry, incremental);
    const int firstCol = m_geometry.FirstCol();
    const int firstRow = m_geometry.FirstRow();
    if (m_host)
        ScrollCursorIntoView(dc, col, row);
    if (m_geometry.FirstCol() != firstCol || m_geometry.FirstRow() != firstRow ||
        !m_selection.HighlightShown())
        incremental = false;
    m_selection.Place(std::clamp(col, 1, MAX_CELLS), std::clamp(row, 1, MAX_CELLS));
    m_selection.Draw(dc, m_geometry, old, incremental);
}

void CMyView::LayoutColumnHeaders() {
    if (m_host)
        m_host->LayoutHeaders(HeaderKind::Column, m_geometry);
}

void CMyView::LayoutRowHeaders() {
    if (m_host)
        m_host->LayoutHeaders(HeaderKind::Row, m_geometry);
}
