// Scroll layout, page sizes, window size and the cell indicator of the grid view.
#include "CellSize.h"
#include "MyView.h"

#include <algorithm>
#include <cstdio>

int CMyView::ColumnPageSize() const {
    const int width = GridArea().Width();
    int k = 0;
    while (k < MAX_CELLS && m_colEdge[MAX_CELLS] - m_colEdge[MAX_CELLS - (k + 1)] <= width)
        ++k;
    return std::max(k, 1);
}

int CMyView::RowPageSize() const {
    const int height = GridArea().Height();
    const int h = m_sizes->GetHeight();
    if (h <= 0)
        return MAX_CELLS;
    return std::clamp(height / h, 1, MAX_CELLS);
}

void CMyView::UpdateScrollLayout(bool updateBars) {
    const CRect grid = GridArea();
    const auto countVisible = [](const std::array<std::int32_t, MAX_EDGE>& edges, int first,
                                 int extent) {
        int n = 0;
        for (int i = first + 1; i <= MAX_CELLS && edges[i - 1] - edges[first] <= extent; ++i)
            ++n;
        return std::max(n, 1);
    };
    m_visibleCols = countVisible(m_colEdge, m_firstCol, grid.Width());
    m_visibleRows = countVisible(m_rowEdge, m_firstRow, grid.Height());

    const int colPage = ColumnPageSize();
    const int rowPage = RowPageSize();
    if (m_firstCol > MAX_CELLS - colPage && m_visibleCols < colPage)
        m_visibleCols = colPage;
    if (m_firstRow > MAX_CELLS - rowPage && m_visibleRows < rowPage)
        m_visibleRows = rowPage;
    if (!updateBars || !m_host)
        return;

    if (m_firstCol + m_visibleCols > MAX_CELLS)
        m_firstCol = std::max(MAX_CELLS - 1 - m_visibleCols, 0);
    if (m_firstRow + m_visibleRows > MAX_CELLS)
        m_firstRow = std::max(MAX_CELLS - 1 - m_visibleRows, 0);

    m_host->SetScrollInfo(ScrollBarKind::Horizontal, {0, MAX_CELLS - 1, colPage, m_firstCol});
    m_host->RepaintScrollBar(ScrollBarKind::Horizontal);
    m_host->EnableScrollArrows(ScrollBarKind::Horizontal, colPage != MAX_CELLS);
    m_host->SetScrollInfo(ScrollBarKind::Vertical, {0, MAX_CELLS - 1, rowPage, m_firstRow});
    m_host->RepaintScrollBar(ScrollBarKind::Vertical);
    m_host->EnableScrollArrows(ScrollBarKind::Vertical, rowPage != MAX_CELLS);
}

void CMyView::ScrollTo(IDeviceContext& dc, ScrollBarKind kind, int pos, bool fromCursor) {
    if (!m_host)
        return;
    const bool horizontal = kind == ScrollBarKind::Horizontal;
    const int old = m_host->GetScrollPos(kind);
    const int last = MAX_CELLS - (horizontal ? ColumnPageSize() : RowPageSize());
    const int pos2 = std::clamp(pos, 0, last);
    (horizontal ? m_firstCol : m_firstRow) = pos2;
    if (pos2 == old)
        return;
    UpdateScrollLayout(true);
    if (horizontal)
        LayoutColumnHeaders();
    else
        LayoutRowHeaders();
    SelectGridClip(dc);
    PaintArea(dc, GridArea());
    if (!fromCursor) {
        const int col = horizontal ? std::clamp(m_selection.m_cursorCol, m_firstCol + 1,
                                                m_firstCol + m_visibleCols)
                                   : m_selection.m_cursorCol;
        const int row = horizontal ? m_selection.m_cursorRow
                                   : std::clamp(m_selection.m_cursorRow, m_firstRow + 1,
                                                m_firstRow + m_visibleRows);
        MoveCursor(dc, col, row, false);
    }
}

void CMyView::OnSize(int width, int height) {
    if (!m_initialized || !m_host)
        return;
    const int s = m_scrollBarSize;
    m_host->MoveScrollBar(ScrollBarKind::Horizontal, {ROW_HEADER_WIDTH, height - s,
                                                      ROW_HEADER_WIDTH + width - s - 48, height});
    m_host->MoveScrollBar(ScrollBarKind::Vertical,
                          {width - s, HEADER_HEIGHT, width, HEADER_HEIGHT + height - s - 23});
    m_host->RepaintScrollBar(ScrollBarKind::Horizontal);
    m_host->RepaintScrollBar(ScrollBarKind::Vertical);
    UpdateScrollLayout(true);
    m_headersDirty = true;
}

std::string CMyView::CellIndicatorText() const {
    const CGridSelection& s = m_selection;
    char buf[64];
    if (s.m_rangeMode)
        std::snprintf(buf, sizeof buf, "(%2d,%2d)-(%2d,%2d)", s.m_anchorCol, s.m_anchorRow,
                      s.m_cursorCol, s.m_cursorRow);
    else
        std::snprintf(buf, sizeof buf, "(%2d,%2d)", s.m_anchorCol, s.m_anchorRow);
    return buf;
}
