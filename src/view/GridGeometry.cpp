#include "GridGeometry.h"

#include "CellSize.h"

#include <algorithm>

namespace {

// Largest index i in [first, MAX_CELLS - 1] with edges[i] - edges[first] <= offset; the
// column (row) is then i + 1.
int LastEdgeAtOrBefore(const std::array<std::int32_t, MAX_EDGE>& edges, int first, int offset) {
    const std::int32_t limit = edges[first] + offset;
    const auto begin = edges.begin() + first;
    const auto end = edges.begin() + MAX_CELLS;
    const auto it = std::upper_bound(begin, end, limit);
    return static_cast<int>(it - edges.begin()) - 1;
}

} // namespace

void CGridGeometry::RebuildEdges(const CCellSize& sizes) {
    m_colEdge[0] = 0;
    m_rowEdge[0] = 0;
    m_rowHeight = sizes.GetHeight();
    for (int i = 1; i <= MAX_CELLS; ++i) {
        m_colEdge[i] = m_colEdge[i - 1] + sizes.GetWidth(i);
        m_rowEdge[i] = m_rowEdge[i - 1] + m_rowHeight;
    }
}

void CGridGeometry::SetClientSize(CSize size, bool resized) {
    m_client = size;
    m_resized = m_resized || resized;
}

CRect CGridGeometry::GridArea() const {
    return {GRID_LEFT, GRID_TOP, m_client.cx - m_scrollBarSize, m_client.cy - m_scrollBarSize};
}

bool CGridGeometry::InGridArea(int x, int y) const {
    const CRect grid = GridArea();
    return x >= grid.left && x <= grid.right && y >= grid.top && y <= grid.bottom;
}

std::pair<int, int> CGridGeometry::HitTest(int x, int y) const {
    const int col = x <= GRID_LEFT ? m_firstCol + 1
                                   : LastEdgeAtOrBefore(m_colEdge, m_firstCol, x - GRID_LEFT) + 1;
    const int row = y <= GRID_TOP ? m_firstRow + 1
                                  : LastEdgeAtOrBefore(m_rowEdge, m_firstRow, y - GRID_TOP) + 1;
    return {std::min(col, MAX_CELLS), std::min(row, MAX_CELLS)};
}

int CGridGeometry::ColumnPageSize() const {
    const int width = GridArea().Width();
    int k = 0;
    while (k < MAX_CELLS && m_colEdge[MAX_CELLS] - m_colEdge[MAX_CELLS - (k + 1)] <= width)
        ++k;
    return std::max(k, 1);
}

int CGridGeometry::RowPageSize() const {
    const int height = GridArea().Height();
    if (m_rowHeight <= 0)
        return MAX_CELLS;
    return std::clamp(height / m_rowHeight, 1, MAX_CELLS);
}

int CGridGeometry::CountVisible(ScrollBarKind kind, int first) const {
    const bool horizontal = kind == ScrollBarKind::Horizontal;
    const auto& edges = horizontal ? m_colEdge : m_rowEdge;
    const int extent = horizontal ? GridArea().Width() : GridArea().Height();
    const int page = PageSize(kind);
    int n = 0;
    for (int i = first + 1; i <= MAX_CELLS && edges[i - 1] - edges[first] <= extent; ++i)
        ++n;
    n = std::max(n, 1);
    // Scrolled past the last page, a full page still counts as visible.
    if (first > MAX_CELLS - page && n < page)
        n = page;
    return n;
}

void CGridGeometry::UpdateVisibleCounts() {
    m_visibleCols = CountVisible(ScrollBarKind::Horizontal, m_firstCol);
    m_visibleRows = CountVisible(ScrollBarKind::Vertical, m_firstRow);
}

void CGridGeometry::ClampToTable() {
    if (m_firstCol + m_visibleCols > MAX_CELLS) {
        m_firstCol = std::max(MAX_CELLS - 1 - m_visibleCols, 0);
        m_visibleCols = CountVisible(ScrollBarKind::Horizontal, m_firstCol);
    }
    if (m_firstRow + m_visibleRows > MAX_CELLS) {
        m_firstRow = std::max(MAX_CELLS - 1 - m_visibleRows, 0);
        m_visibleRows = CountVisible(ScrollBarKind::Vertical, m_firstRow);
    }
}

CScrollInfo CGridGeometry::ScrollInfo(ScrollBarKind kind) const {
    return {0, MAX_CELLS - 1, PageSize(kind), First(kind)};
}

CRect CGridGeometry::ScrollBarRect(ScrollBarKind kind) const {
    const int w = m_client.cx;
    const int h = m_client.cy;
    const int s = m_scrollBarSize;
    if (kind == ScrollBarKind::Horizontal)
        return m_resized ? CRect{ROW_HEADER_WIDTH, h - s, ROW_HEADER_WIDTH + w - s - 48, h}
                         : CRect{ROW_HEADER_WIDTH, h - s, w - s, h};
    return m_resized ? CRect{w - s, HEADER_HEIGHT, w, HEADER_HEIGHT + h - s - 23}
                     : CRect{w - s, HEADER_HEIGHT, w, h - s};
}

int CGridGeometry::HeaderCount(HeaderKind kind) const {
    switch (kind) {
    case HeaderKind::Corner:
        return 1;
    case HeaderKind::Column:
        return std::min(m_visibleCols, MAX_CELLS);
    case HeaderKind::Row:
        return std::min(m_visibleRows, MAX_CELLS);
    }
    return 0;
}

CHeaderPlace CGridGeometry::HeaderButton(HeaderKind kind, int index) const {
    if (kind == HeaderKind::Corner)
        return {true, {0, 0, GRID_LEFT, GRID_TOP}, 0};
    const bool column = kind == HeaderKind::Column;
    const int n = (column ? m_firstCol : m_firstRow) + index + 1;
    if (index < 0 || index >= HeaderCount(kind) || n > MAX_CELLS)
        return {};
    if (column) {
        const int x = ColumnX(n);
        return {true, {x, 0, x + m_colEdge[n] - m_colEdge[n - 1], HEADER_HEIGHT}, n};
    }
    const int y = RowY(n);
    return {true, {0, y, ROW_HEADER_WIDTH, y + m_rowHeight}, n};
}

CRect CGridGeometry::InPlaceEditRect(const CCellRect& sel) const {
    CRect r = CellsRect(sel.left, sel.top, sel.right, sel.bottom);
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
