// Scroll layout, page sizes, window size and the cell indicator of the grid view.
#include "CellSize.h"
#include "InputCodes.h"
#include "MyView.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

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
    const int colPage = ColumnPageSize();
    const int rowPage = RowPageSize();
    const auto countVisible = [](const std::array<std::int32_t, MAX_EDGE>& edges, int first,
                                 int extent, int page) {
        int n = 0;
        for (int i = first + 1; i <= MAX_CELLS && edges[i - 1] - edges[first] <= extent; ++i)
            ++n;
        n = std::max(n, 1);
        // Scrolled past the last page, a full page still counts as visible.
        if (first > MAX_CELLS - page && n < page)
            n = page;
        return n;
    };
    m_visibleCols = countVisible(m_colEdge, m_firstCol, grid.Width(), colPage);
    m_visibleRows = countVisible(m_rowEdge, m_firstRow, grid.Height(), rowPage);
    if (!updateBars || !m_host)
        return;

    // A larger window at the last columns (rows) scrolls back so that no position beyond
    // the table counts as visible; the counts then follow the new position.
    if (m_firstCol + m_visibleCols > MAX_CELLS) {
        m_firstCol = std::max(MAX_CELLS - 1 - m_visibleCols, 0);
        m_visibleCols = countVisible(m_colEdge, m_firstCol, grid.Width(), colPage);
    }
    if (m_firstRow + m_visibleRows > MAX_CELLS) {
        m_firstRow = std::max(MAX_CELLS - 1 - m_visibleRows, 0);
        m_visibleRows = countVisible(m_rowEdge, m_firstRow, grid.Height(), rowPage);
    }

    m_host->SetScrollInfo(ScrollBarKind::Horizontal, {0, MAX_CELLS - 1, colPage, m_firstCol});
    m_host->RepaintScrollBar(ScrollBarKind::Horizontal);
    m_host->EnableScrollArrows(ScrollBarKind::Horizontal, colPage != MAX_CELLS);
    m_host->SetScrollInfo(ScrollBarKind::Vertical, {0, MAX_CELLS - 1, rowPage, m_firstRow});
    m_host->RepaintScrollBar(ScrollBarKind::Vertical);
    m_host->EnableScrollArrows(ScrollBarKind::Vertical, rowPage != MAX_CELLS);
}

void CMyView::OnHScroll(int code, int thumbPos) {
    OnScrollRequest(ScrollBarKind::Horizontal, code, thumbPos);
}

void CMyView::OnVScroll(int code, int thumbPos) {
    OnScrollRequest(ScrollBarKind::Vertical, code, thumbPos);
}

void CMyView::OnScrollRequest(ScrollBarKind kind, int code, int thumbPos) {
    if (!m_host || !m_initialized)
        return;
    const int old = m_host->GetScrollPos(kind);
    int pos = old;
    switch (code) {
    case SB_LINEUP:
        pos = old - 1;
        break;
    case SB_LINEDOWN:
        pos = old + 1;
        break;
    case SB_PAGEUP:
        pos = old - 3;
        break;
    case SB_PAGEDOWN:
        pos = old + 3;
        break;
    case SB_THUMBPOSITION:
        pos = thumbPos;
        break;
    case SB_THUMBTRACK: {
        // Only the tooltip follows the thumb; the grid moves when it is released.
        char text[32];
        std::snprintf(text, sizeof text,
                      kind == ScrollBarKind::Horizontal ? "\xe5\x88\x97: %d"  // "列: %d"
                                                        : "\xe8\xa1\x8c: %d", // "行: %d"
                      thumbPos + 1);
        m_host->ShowScrollTip(kind, text);
        return;
    }
    default:
        return;
    }
    ScrollTo(ClientDC(), kind, pos, m_scrollFromCursor);
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

    // A scroll by less than a screen moves the pixels and repaints only the strip that
    // came into view.
    SelectGridClip(dc);
    const CRect grid = GridArea();
    CRect strip = grid;
    const int visible = horizontal ? m_visibleCols : m_visibleRows;
    if (std::abs(pos2 - old) < visible) {
        const auto& edges = horizontal ? m_colEdge : m_rowEdge;
        const int shift = edges[old] - edges[pos2];
        if (horizontal) {
            dc.ScrollPixels(grid, shift, 0);
            if (shift < 0)
                strip.left = std::max(grid.left, grid.right + shift);
            else
                strip.right = std::min(grid.right, grid.left + shift);
        } else {
            dc.ScrollPixels(grid, 0, shift);
            if (shift < 0)
                strip.top = std::max(grid.top, grid.bottom + shift);
            else
                strip.bottom = std::min(grid.bottom, grid.top + shift);
        }
    }
    UpdateScrollLayout(true);
    if (horizontal)
        LayoutColumnHeaders();
    else
        LayoutRowHeaders();
    // The highlight moved with the pixels: take it away over the whole grid area. The cells
    // that reach into the strip are then drawn only inside it, so that the moved pixels are
    // not drawn over a second time (antialiased text would come out darker).
    if (m_selection.m_highlightShown)
        InvertSelection(dc, m_selection.m_anchorCol, m_selection.m_anchorRow,
                        m_selection.m_cursorCol, m_selection.m_cursorRow);
    dc.SelectClipRect(strip);
    PaintArea(dc, strip);
    SelectGridClip(dc);
    if (!fromCursor) {
        // The bars carry the cursor along so that it stays visible.
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
