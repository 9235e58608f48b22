#include "MyView.h"

#include "CellArray.h"
#include "CellSize.h"
#include "LineArray.h"
#include "MyDoc.h"
#include "Resource.h"

#include <algorithm>

namespace {

// "ＭＳ 明朝" in code page 932.
const char DEFAULT_FONT_FACE[] = "\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9";

HAlign HorizontalPlacement(int hplace) {
    switch (hplace) {
    case 0:
        return HAlign::Left;
    case 2:
        return HAlign::Right;
    default:
        return HAlign::Center;
    }
}

VAlign VerticalPlacement(int vplace) {
    switch (vplace) {
    case 0:
        return VAlign::Top;
    case 2:
        return VAlign::Bottom;
    default:
        return VAlign::Center;
    }
}

} // namespace

CCellRect CGridSelection::Normalized() const {
    return {std::min(m_anchorCol, m_cursorCol), std::min(m_anchorRow, m_cursorRow),
            std::max(m_anchorCol, m_cursorCol), std::max(m_anchorRow, m_cursorRow)};
}

CMyView::CMyView(CMyDoc& doc) : m_doc(doc) {
    m_font.face = DEFAULT_FONT_FACE;
    m_font.height = 22;
    m_font.width = 0;
    m_font.weight = 400;
    m_cells = &doc.m_cells;
    m_hLines = &doc.m_hLines;
    m_vLines = &doc.m_vLines;
    m_sizes = &doc.m_sizes;
    RebuildEdges();
}

CMyView::~CMyView() = default;

IDeviceContext& CMyView::ClientDC() {
    return m_host->GetClientDC();
}

void CMyView::SelectGridClip(IDeviceContext& dc) const {
    dc.SelectClipRect(GridArea());
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
    m_scrollBarSize = m_host->GetScrollBarSize();

    m_cells = &m_doc.m_cells;
    m_hLines = &m_doc.m_hLines;
    m_vLines = &m_doc.m_vLines;
    m_sizes = &m_doc.m_sizes;
    if (!m_blocksBound) {
        m_undoBlock.Attach(*m_cells, *m_hLines, *m_vLines, *m_sizes);
        m_clipBlock.Attach(*m_cells, *m_hLines, *m_vLines, *m_sizes);
        m_blocksBound = true;
    }

    m_host->CreateHeaderButton(HeaderKind::Corner, 0, {0, 0, GRID_LEFT, GRID_TOP}, "");
    const int h = m_sizes->GetHeight();
    int x = GRID_LEFT;
    int y = GRID_TOP;
    for (int i = 1; i <= MAX_CELLS; ++i) {
        const std::string caption = std::to_string(i);
        const int w = m_sizes->GetWidth(i);
        m_host->CreateHeaderButton(HeaderKind::Column, i - 1, {x, 0, x + w, HEADER_HEIGHT},
                                   caption);
        m_host->CreateHeaderButton(HeaderKind::Row, i - 1, {0, y, ROW_HEADER_WIDTH, y + h},
                                   caption);
        x += w;
        y += h;
    }

    const CSize client = m_host->GetClientSize();
    const int s = m_scrollBarSize;
    m_host->CreateScrollBar(ScrollBarKind::Horizontal,
                            {ROW_HEADER_WIDTH, client.cy - s, client.cx - s, client.cy});
    m_host->CreateScrollBar(ScrollBarKind::Vertical,
                            {client.cx - s, HEADER_HEIGHT, client.cx, client.cy - s});

    // The document may already hold a file (opened from the command line).
    m_doc.m_bContentsReplaced = false;
    NormalizeSpans();
    RebuildEdges();
    UpdateScrollLayout(true);
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
    PaintArea(dc, GridArea());
    MoveCursor(dc, m_selection.m_cursorCol, m_selection.m_cursorRow, false);
    if (m_headersDirty) {
        m_headersDirty = false;
        LayoutColumnHeaders();
        LayoutRowHeaders();
        m_host->RepaintHeaderButton(HeaderKind::Corner, 0);
        m_host->RepaintScrollBar(ScrollBarKind::Horizontal);
        m_host->RepaintScrollBar(ScrollBarKind::Vertical);
    }
}

bool CMyView::OnCommand(int id) {
    // Toolbar buttons and shortcuts take no focus from the in-place editor: its text is
    // stored before any command (Save among them) runs.
    EndInPlaceEditor();
    switch (id) {
    case ID_CELL_INPUT:
        OnCellInput();
        return true;
    case ID_ALIGN_LEFT:
    case ID_ALIGN_CENTER:
    case ID_ALIGN_RIGHT:
        OnAlign(id - ID_ALIGN_LEFT);
        return true;
    case ID_EDIT_UNDO:
        OnEditUndo();
        return true;
    case ID_VIEW_GRID:
        m_showGrid = !m_showGrid;
        if (m_host)
            m_host->Invalidate(true);
        return true;
    case ID_GENERATE:
        OnGenerate();
        return true;
    case ID_GENERATE_OPTIONS:
        OnGenerateOptions();
        return true;
    case ID_SELECT_RANGE:
        ToggleRangeMode();
        return true;
    default:
        return false;
    }
}

bool CMyView::OnUpdateCommand(int id, CCmdUI& ui) {
    switch (id) {
    case ID_CELL_INPUT:
    case ID_ALIGN_LEFT:
    case ID_ALIGN_CENTER:
    case ID_ALIGN_RIGHT:
        ui.enabled = true;
        return true;
    case ID_EDIT_UNDO:
        ui.enabled = !m_undoBlock.IsEmpty();
        return true;
    case ID_VIEW_GRID:
        ui.enabled = true;
        ui.checked = m_showGrid;
        return true;
    case ID_SELECT_RANGE:
        ui.enabled = true;
        ui.checked = m_selection.m_rangeMode;
        return true;
    case ID_GENERATE:
    case ID_GENERATE_OPTIONS:
        ui.enabled = true;
        return true;
    default:
        return false;
    }
}

void CMyView::RebuildEdges() {
    m_colEdge[0] = 0;
    m_rowEdge[0] = 0;
    const int h = m_sizes->GetHeight();
    for (int i = 1; i <= MAX_CELLS; ++i) {
        m_colEdge[i] = m_colEdge[i - 1] + m_sizes->GetWidth(i);
        m_rowEdge[i] = m_rowEdge[i - 1] + h;
    }
}

CRect CMyView::GridArea() const {
    const CSize client = m_host ? m_host->GetClientSize() : CSize{};
    return {GRID_LEFT, GRID_TOP, client.cx - m_scrollBarSize, client.cy - m_scrollBarSize};
}

void CMyView::NormalizeSpans() {
    if (::NormalizeSpans(*m_cells, *m_hLines, *m_vLines, m_spanMap))
        m_doc.SetModifiedFlag(true);
}

void CMyView::PaintArea(IDeviceContext& dc, const CRect& area) {
    const auto [col1, row1] = HitTest(area.left, area.top);
    const auto [col2, row2] = HitTest(area.right, area.bottom);
    if (m_selection.m_highlightShown)
        InvertSelection(dc, m_selection.m_anchorCol, m_selection.m_anchorRow,
                        m_selection.m_cursorCol, m_selection.m_cursorRow);

    const CPen oldPen = dc.SelectPen(m_penErase);
    const CBrush oldBrush = dc.SelectBrush(m_brushWhite);
    dc.Rectangle(area);

    // The grid lines stop at the table's right and bottom edges.
    int right = area.right;
    int bottom = area.bottom;
    if (col2 == MAX_CELLS)
        right = ColumnX(MAX_EDGE);
    if (row2 == MAX_CELLS)
        bottom = RowY(MAX_EDGE);
    if (m_showGrid) {
        dc.SelectPen(m_penGrid);
        for (int k = row1 - 1; k <= row2; ++k) {
            dc.MoveTo(area.left, RowY(k + 1));
            dc.LineTo(right, RowY(k + 1));
        }
        for (int k = col1 - 1; k <= col2; ++k) {
            dc.MoveTo(ColumnX(k + 1), area.top);
            dc.LineTo(ColumnX(k + 1), bottom);
        }
    }
    for (int r = row1; r <= row2; ++r)
        for (int c = col1; c <= col2;)
            c += DrawCell(dc, c, r);
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

void CMyView::RepaintCells(IDeviceContext& dc, int col1, int row1, int col2, int row2) {
    if (m_selection.m_highlightShown)
        InvertSelection(dc, m_selection.m_anchorCol, m_selection.m_anchorRow,
                        m_selection.m_cursorCol, m_selection.m_cursorRow);
    const int left = ColumnX(col1);
    const int top = RowY(row1);
    const int right = ColumnX(col2 + 1);
    const int bottom = RowY(row2 + 1);

    const CPen oldPen = dc.SelectPen(m_penErase);
    const CBrush oldBrush = dc.SelectBrush(m_brushWhite);
    dc.Rectangle({left, top, right, bottom});
    if (m_showGrid) {
        dc.SelectPen(m_penGrid);
        for (int k = row1 - 1; k <= row2; ++k) {
            dc.MoveTo(left, RowY(k + 1));
            dc.LineTo(right, RowY(k + 1));
        }
        for (int k = col1 - 1; k <= col2; ++k) {
            dc.MoveTo(ColumnX(k + 1), top);
            dc.LineTo(ColumnX(k + 1), bottom);
        }
    }
    for (int r = row1; r <= row2; ++r)
        for (int c = col1; c <= col2;)
            c += DrawCell(dc, c, r);
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

int CMyView::DrawCell(IDeviceContext& dc, int c, int r) {
    const auto [oc, orow] = m_spanMap.GetOrigin(c, r);
    if (oc == 0)
        return 1;
    const CCellData* rec = m_cells->GetCell(oc, orow);
    int colspan = 1;
    int rowspan = 1;
    if (rec) {
        // A span that runs past the table is drawn as far as the table goes.
        colspan = std::min<int>(std::max<int>(rec->colspan, 1), MAX_EDGE - oc);
        rowspan = std::min<int>(std::max<int>(rec->rowspan, 1), MAX_EDGE - orow);

        const int h = m_sizes->GetHeight();
        CRect cell{ColumnX(oc), RowY(orow), 0, 0};
        int width = 0;
        for (int i = 0; i < colspan; ++i)
            width += m_sizes->GetWidth(oc + i);
        cell.right = cell.left + 1 + width;
        cell.bottom = cell.top + h * rowspan + 1;
        if ((colspan > 1 || rowspan > 1) && m_showGrid) {
            // Clears the grid lines inside the span; the outline lies on the grid lines.
            const CPen oldPen = dc.SelectPen(m_penGrid);
            const CBrush oldBrush = dc.SelectBrush(m_brushWhite);
            dc.Rectangle(cell);
            dc.SelectPen(oldPen);
            dc.SelectBrush(oldBrush);
        }
        if (!rec->text.empty()) {
            const CColor oldBk = dc.SetBkColor(COLOR_WHITE);
            const CColor oldText = dc.SetTextColor(COLOR_BLACK);
            const CFontDesc oldFont = dc.SelectFont(m_font);
            dc.DrawText(rec->text, cell.Deflated(3), HorizontalPlacement(rec->hplace),
                        VerticalPlacement(rec->vplace));
            dc.SelectFont(oldFont);
            dc.SetTextColor(oldText);
            dc.SetBkColor(oldBk);
        }
    }

    for (int i = 0; i < rowspan; ++i) {
        DrawEdgeLine(dc, oc, orow + i, EdgeSide::Left);
        DrawEdgeLine(dc, oc + colspan - 1, orow + i, EdgeSide::Right);
    }
    for (int j = 0; j < colspan; ++j) {
        DrawEdgeLine(dc, oc + j, orow, EdgeSide::Top);
        DrawEdgeLine(dc, oc + j, orow + rowspan - 1, EdgeSide::Bottom);
    }
    const int advance = oc + colspan - c;
    return advance > 0 ? advance : 1;
}

void CMyView::DrawEdgeLine(IDeviceContext& dc, int c, int r, EdgeSide side) {
    if (c > MAX_CELLS || r > MAX_CELLS || c < 1 || r < 1)
        return;
    int kind;
    int x1, y1, x2, y2;
    bool vertical;
    if (side == EdgeSide::Left || side == EdgeSide::Right) {
        const int e = side == EdgeSide::Left ? c : c + 1;
        kind = m_vLines->GetLine(r, e);
        x1 = x2 = ColumnX(e);
        y1 = RowY(r);
        y2 = y1 + m_sizes->GetHeight();
        vertical = true;
    } else {
        const int e = side == EdgeSide::Top ? r : r + 1;
        kind = m_hLines->GetLine(c, e);
        x1 = ColumnX(c);
        x2 = x1 + m_sizes->GetWidth(c);
        y1 = y2 = RowY(e);
        vertical = false;
    }
    if (kind != LINE_SINGLE && kind != LINE_DOUBLE)
        return;
    const CPen oldPen = dc.SelectPen(m_penLine);
    if (kind == LINE_SINGLE) {
        dc.MoveTo(x1, y1);
        dc.LineTo(x2, y2);
    } else {
        const int dx = vertical ? 2 : 0;
        const int dy = vertical ? 0 : 2;
        dc.MoveTo(x1 - dx, y1 - dy);
        dc.LineTo(x2 - dx, y2 - dy);
        dc.MoveTo(x1 + dx, y1 + dy);
        dc.LineTo(x2 + dx, y2 + dy);
    }
    dc.SelectPen(oldPen);
}

void CMyView::RefreshRegion(int col1, int row1, int col2, int row2) {
    if (col1 == 0 && row1 == 0 && col2 == 0 && row2 == 0) {
        const CCellRect sel = m_selection.Normalized();
        col1 = sel.left;
        row1 = sel.top;
        col2 = sel.right;
        row2 = sel.bottom;
    }
    IDeviceContext& dc = ClientDC();
    SelectGridClip(dc);
    NormalizeSpans();
    // A change can alter the lines and spans of the neighbouring cells.
    const auto clamp = [](int v) { return std::clamp(v, 1, MAX_CELLS); };
    const int left = clamp(std::min(col1, col2) - 1);
    const int top = clamp(std::min(row1, row2) - 1);
    const int right = clamp(std::max(col1, col2) + 1);
    const int bottom = clamp(std::max(row1, row2) + 1);
    RepaintCells(dc, left, top, right, bottom);
    MoveCursor(dc, m_selection.m_cursorCol, m_selection.m_cursorRow, false);
}

void CMyView::LayoutColumnHeaders() {
    if (!m_host)
        return;
    const int n = std::min(m_visibleCols, MAX_CELLS);
    for (int k = n - 1; k >= 0; --k) {
        const int col = m_firstCol + k + 1;
        if (col > MAX_CELLS) {
            m_host->ShowHeaderButton(HeaderKind::Column, k, false);
            continue;
        }
        const int x = ColumnX(col);
        m_host->ShowHeaderButton(HeaderKind::Column, k, true);
        m_host->MoveHeaderButton(HeaderKind::Column, k,
                                 {x, 0, x + m_sizes->GetWidth(col), HEADER_HEIGHT});
        m_host->SetHeaderCaption(HeaderKind::Column, k, std::to_string(col));
        m_host->RepaintHeaderButton(HeaderKind::Column, k);
    }
    for (int k = n; k < MAX_CELLS; ++k)
        m_host->ShowHeaderButton(HeaderKind::Column, k, false);
}

void CMyView::LayoutRowHeaders() {
    if (!m_host)
        return;
    const int n = std::min(m_visibleRows, MAX_CELLS);
    const int h = m_sizes->GetHeight();
    for (int k = n - 1; k >= 0; --k) {
        const int row = m_firstRow + k + 1;
        if (row > MAX_CELLS) {
            m_host->ShowHeaderButton(HeaderKind::Row, k, false);
            continue;
        }
        const int y = RowY(row);
        m_host->ShowHeaderButton(HeaderKind::Row, k, true);
        m_host->MoveHeaderButton(HeaderKind::Row, k, {0, y, ROW_HEADER_WIDTH, y + h});
        m_host->SetHeaderCaption(HeaderKind::Row, k, std::to_string(row));
        m_host->RepaintHeaderButton(HeaderKind::Row, k);
    }
    for (int k = n; k < MAX_CELLS; ++k)
        m_host->ShowHeaderButton(HeaderKind::Row, k, false);
}
