// Scrolling: the scroll layout, the scroll bar requests, cursor moves that scroll, and the
// window size.
#include "InputCodes.h"
#include "MyView.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

void CMyView::UpdateScrollLayout(bool updateBars) {
    m_geometry.UpdateVisibleCounts();
    if (!updateBars || !m_host)
        return;
    // A larger window at the last columns (rows) scrolls back so that no position beyond
    // the table counts as visible; the counts then follow the new position.
    m_geometry.ClampToTable();
    m_host->LayoutScrollBars(m_geometry);
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
    const int old = m_geometry.First(kind);
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
    ScrollTo(ClientDC(), kind, pos, m_scrollFromCursor, m_geometry.Visible(kind));
}

// The scroll handlers as a thumb-position request made by a cursor move: the cursor is not
// carried along, MoveCursor places it.
void CMyView::ScrollFromCursor(IDeviceContext& dc, ScrollBarKind kind, int pos, int visible) {
    m_scrollFromCursor = true;
    ScrollTo(dc, kind, pos, true, visible);
    m_scrollFromCursor = false;
}

// The scroll position the cursor needs, worked out from the position on screen; ScrollTo then
// moves there from it.
void CMyView::ScrollCursorIntoView(IDeviceContext& dc, int& col, int& row) {
    const CGridGeometry& g = m_geometry;
    if (col < g.FirstCol() + 1) {
        m_selection.HideHighlight(dc, g);
        col = std::max(col, 1);
        ScrollFromCursor(dc, ScrollBarKind::Horizontal, col - 1, g.VisibleCols());
    } else if (col > g.FirstCol() + g.VisibleCols()) {
        m_selection.HideHighlight(dc, g);
        // Far enough that col becomes the last visible column: the count is the one at the
        // new position.
        int first;
        int visible = g.VisibleCols();
        if (col >= MAX_CELLS) {
            col = MAX_CELLS;
            first = MAX_CELLS - g.ColumnPageSize();
        } else {
            do {
                first = col - visible;
                visible = g.CountVisible(ScrollBarKind::Horizontal, first);
            } while (col > first + visible);
        }
        ScrollFromCursor(dc, ScrollBarKind::Horizontal, first, visible);
    }
    if (row < g.FirstRow() + 1) {
        m_selection.HideHighlight(dc, g);
        row = std::max(row, 1);
        ScrollFromCursor(dc, ScrollBarKind::Vertical, row - 1, g.VisibleRows());
    } else if (row > g.FirstRow() + g.VisibleRows()) {
        m_selection.HideHighlight(dc, g);
        const int first = row >= MAX_CELLS ? MAX_CELLS - g.RowPageSize() : row - g.VisibleRows();
        if (row >= MAX_CELLS)
            row = MAX_CELLS;
        ScrollFromCursor(dc, ScrollBarKind::Vertical, first, g.VisibleRows());
    }
}

void CMyView::ScrollTo(IDeviceContext& dc, ScrollBarKind kind, int pos, bool fromCursor,
                       int visible) {
    if (!m_host)
        return;
    const bool horizontal = kind == ScrollBarKind::Horizontal;
    const int old = m_geometry.First(kind);
    const int pos2 = std::clamp(pos, 0, MAX_CELLS - m_geometry.PageSize(kind));
    m_geometry.SetFirst(kind, pos2);
    if (pos2 == old)
        return;

    // A scroll by less than a screen moves the pixels and repaints only the strip that
    // came into view.
    SelectGridClip(dc);
    const CRect grid = m_geometry.GridArea();
    CRect strip = grid;
    if (std::abs(pos2 - old) < visible) {
        const int shift = m_geometry.Edge(kind, old) - m_geometry.Edge(kind, pos2);
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
    m_selection.HideHighlight(dc, m_geometry);
    dc.SelectClipRect(strip);
    PaintArea(dc, strip);
    SelectGridClip(dc);
    if (!fromCursor) {
        // The bars carry the cursor along so that it stays visible.
        const CGridGeometry& g = m_geometry;
        const int col = horizontal ? std::clamp(m_selection.CursorCol(), g.FirstCol() + 1,
                                                g.FirstCol() + g.VisibleCols())
                                   : m_selection.CursorCol();
        const int row = horizontal ? m_selection.CursorRow()
                                   : std::clamp(m_selection.CursorRow(), g.FirstRow() + 1,
                                                g.FirstRow() + g.VisibleRows());
        MoveCursor(dc, col, row, false);
    }
}

void CMyView::OnSize(int width, int height) {
    if (!m_initialized || !m_host)
        return;
    m_geometry.SetClientSize({width, height}, true);
    UpdateScrollLayout(true);
    m_headersDirty = true;
}
