#pragma once

#include "DeviceContext.h"
#include "ModelTypes.h"

#include <array>
#include <cstdint>
#include <utility>

class CCellSize;

// Header buttons: one corner button (index 0), 250 column and 250 row buttons (index 0..249).
enum class HeaderKind { Corner, Column, Row };
enum class ScrollBarKind { Horizontal, Vertical };

// Scroll range, page and position as the classic scroll bar takes them: positions run from
// min to max - page + 1. With disableNoScroll a bar whose page covers the range is shown
// disabled rather than hidden.
struct CScrollInfo {
    int min = 0;
    int max = 0;
    int page = 1;
    int pos = 0;
    bool disableNoScroll = true;
    bool operator==(const CScrollInfo&) const = default;
};

// Where one header button goes: shown over rect with the number of its column or row, or
// hidden.
struct CHeaderPlace {
    bool visible = false;
    CRect rect;
    int number = 0;
};

// The grid in client pixels, from the column widths and the row height, the client size and
// the scroll position it is given; it asks no window. The grid area starts at (GRID_LEFT,
// GRID_TOP); the left edge of column c is ColumnX(c) and the top edge of row r is RowY(r), for
// c, r in 1..251 (251: the far edge of column / row 250). Cell (c, r) covers
// ColumnX(c) <= x < ColumnX(c + 1), likewise for y.
class CGridGeometry {
public:
    static constexpr int GRID_LEFT = 50;
    static constexpr int GRID_TOP = 25;
    static constexpr int HEADER_HEIGHT = 24;    // column header buttons
    static constexpr int ROW_HEADER_WIDTH = 49; // row header buttons

    // The edge tables from the column widths and the row height.
    void RebuildEdges(const CCellSize& sizes);
    // The client size; resized: from a change of the window's size, after which the scroll
    // bars take their resize placement (one pixel longer than where they are first created).
    void SetClientSize(CSize size, bool resized);
    CSize ClientSize() const { return m_client; }
    // The system's scroll bar thickness, also the vertical bar's width.
    void SetScrollBarSize(int size) { m_scrollBarSize = size; }
    int ScrollBarSize() const { return m_scrollBarSize; }

    // Scroll position: columns (rows) scrolled off, and how many from there are visible.
    int FirstCol() const { return m_firstCol; }
    int FirstRow() const { return m_firstRow; }
    int First(ScrollBarKind kind) const {
        return kind == ScrollBarKind::Horizontal ? m_firstCol : m_firstRow;
    }
    void SetFirst(ScrollBarKind kind, int first) {
        (kind == ScrollBarKind::Horizontal ? m_firstCol : m_firstRow) = first;
    }
    int VisibleCols() const { return m_visibleCols; }
    int VisibleRows() const { return m_visibleRows; }
    int Visible(ScrollBarKind kind) const {
        return kind == ScrollBarKind::Horizontal ? m_visibleCols : m_visibleRows;
    }

    int ColumnX(int c) const { return m_colEdge[c - 1] - m_colEdge[m_firstCol] + GRID_LEFT; }
    int RowY(int r) const { return m_rowEdge[r - 1] - m_rowEdge[m_firstRow] + GRID_TOP; }
    // Pixel offset of column (row) edge i + 1 from the left (top) edge of column (row) 1,
    // i = 0..250; 32 bits, so that 250 columns of the widest width do not wrap.
    int ColumnEdge(int i) const { return m_colEdge[i]; }
    int RowEdge(int i) const { return m_rowEdge[i]; }
    int Edge(ScrollBarKind kind, int i) const {
        return kind == ScrollBarKind::Horizontal ? m_colEdge[i] : m_rowEdge[i];
    }
    // The pixels of the cells (c1, r1)-(c2, r2), corners in order.
    CRect CellsRect(int c1, int r1, int c2, int r2) const {
        return {ColumnX(c1), RowY(r1), ColumnX(c2 + 1), RowY(r2 + 1)};
    }

    // The grid area (GRID_LEFT, GRID_TOP) - (W - S, H - S).
    CRect GridArea() const;
    // A press counts as in the grid area with both of its far edges included.
    bool InGridArea(int x, int y) const;
    // Cell under a client point: (column, row), each 1..250; points left of or above the grid
    // area give the first visible column or row.
    std::pair<int, int> HitTest(int x, int y) const;

    // Whole columns (rows), counted back from 250, that fit into the grid area; at least 1.
    int ColumnPageSize() const;
    int RowPageSize() const;
    int PageSize(ScrollBarKind kind) const {
        return kind == ScrollBarKind::Horizontal ? ColumnPageSize() : RowPageSize();
    }
    // The columns (rows) from first + 1 on whose left (top) edge lies inside the grid area, at
    // least 1; scrolled past the last page, a full page.
    int CountVisible(ScrollBarKind kind, int first) const;
    // The visible counts for the scroll position.
    void UpdateVisibleCounts();
    // A scroll position that would show positions beyond the table scrolls back; the counts
    // follow.
    void ClampToTable();

    // What the scroll bars show.
    CScrollInfo ScrollInfo(ScrollBarKind kind) const;
    bool ScrollArrowsEnabled(ScrollBarKind kind) const { return PageSize(kind) != MAX_CELLS; }
    CRect ScrollBarRect(ScrollBarKind kind) const;
    // Where header button index of kind goes (the corner at index 0). Only buttons below
    // HeaderCount can be shown; the rest of a strip is hidden.
    CHeaderPlace HeaderButton(HeaderKind kind, int index) const;
    int HeaderCount(HeaderKind kind) const;
    // The in-place editor over sel, widened to the whole grid area in a direction in which it
    // is larger than the grid area.
    CRect InPlaceEditRect(const CCellRect& sel) const;

private:
    std::array<std::int32_t, MAX_EDGE> m_colEdge{};
    std::array<std::int32_t, MAX_EDGE> m_rowEdge{};
    int m_rowHeight = 0;
    int m_firstCol = 0;
    int m_firstRow = 0;
    int m_visibleCols = 5;
    int m_visibleRows = 5;
    CSize m_client;
    int m_scrollBarSize = 0;
    bool m_resized = false;
};
