#include "GridRenderer.h"

#include "CellArray.h"
#include "CellSize.h"
#include "GridGeometry.h"
#include "LineArray.h"
#include "SpanMap.h"

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

CGridRenderer::CGridRenderer(const CCellArray& cells, const CLineArray& hLines,
                             const CLineArray& vLines, const CCellSize& sizes,
                             const CSpanMap& spans, const CGridGeometry& geometry)
    : m_cells(cells), m_hLines(hLines), m_vLines(vLines), m_sizes(sizes), m_spans(spans),
      m_geometry(geometry) {
    m_font.face = DEFAULT_FONT_FACE;
    m_font.height = 22;
    m_font.width = 0;
    m_font.weight = 400;
}

void CGridRenderer::PaintArea(IDeviceContext& dc, const CRect& area) const {
    const auto [col1, row1] = m_geometry.HitTest(area.left, area.top);
    const auto [col2, row2] = m_geometry.HitTest(area.right, area.bottom);
    // The grid lines stop at the table's right and bottom edges.
    const int right = col2 == MAX_CELLS ? m_geometry.ColumnX(MAX_EDGE) : area.right;
    const int bottom = row2 == MAX_CELLS ? m_geometry.RowY(MAX_EDGE) : area.bottom;
    PaintBlock(dc, area, right, bottom, {col1, row1, col2, row2});
}

void CGridRenderer::RepaintCells(IDeviceContext& dc, int col1, int row1, int col2, int row2) const {
    const CRect fill = m_geometry.CellsRect(col1, row1, col2, row2);
    PaintBlock(dc, fill, fill.right, fill.bottom, {col1, row1, col2, row2});
}

void CGridRenderer::PaintBlock(IDeviceContext& dc, const CRect& fill, int right, int bottom,
                               const CCellRect& cells) const {
    const CPen oldPen = dc.SelectPen(m_penErase);
    const CBrush oldBrush = dc.SelectBrush(m_brushWhite);
    dc.Rectangle(fill);
    if (m_showGrid) {
        dc.SelectPen(m_penGrid);
        for (int k = cells.top - 1; k <= cells.bottom; ++k) {
            dc.MoveTo(fill.left, m_geometry.RowY(k + 1));
            dc.LineTo(right, m_geometry.RowY(k + 1));
        }
        for (int k = cells.left - 1; k <= cells.right; ++k) {
            dc.MoveTo(m_geometry.ColumnX(k + 1), fill.top);
            dc.LineTo(m_geometry.ColumnX(k + 1), bottom);
        }
    }
    for (int r = cells.top; r <= cells.bottom; ++r)
        for (int c = cells.left; c <= cells.right;)
            c += DrawCell(dc, c, r);
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

int CGridRenderer::DrawCell(IDeviceContext& dc, int c, int r) const {
    const auto [oc, orow] = m_spans.GetOrigin(c, r);
    if (oc == 0)
        return 1;
    const CCellData* rec = m_cells.GetCell(oc, orow);
    int colspan = 1;
    int rowspan = 1;
    if (rec) {
        // A span that runs past the table is drawn as far as the table goes.
        colspan = std::min<int>(std::max<int>(rec->colspan, 1), MAX_EDGE - oc);
        rowspan = std::min<int>(std::max<int>(rec->rowspan, 1), MAX_EDGE - orow);

        const int h = m_sizes.GetHeight();
        CRect cell{m_geometry.ColumnX(oc), m_geometry.RowY(orow), 0, 0};
        int width = 0;
        for (int i = 0; i < colspan; ++i)
            width += m_sizes.GetWidth(oc + i);
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

void CGridRenderer::DrawEdgeLine(IDeviceContext& dc, int c, int r, EdgeSide side) const {
    if (c > MAX_CELLS || r > MAX_CELLS || c < 1 || r < 1)
        return;
    // The kind first: most edges have no line and need no position.
    const bool vertical = side == EdgeSide::Left || side == EdgeSide::Right;
    int e; // the column edge of a vertical line, the row edge of a horizontal one
    int kind;
    if (vertical) {
        e = side == EdgeSide::Left ? c : c + 1;
        kind = m_vLines.GetLine(r, e);
    } else {
        e = side == EdgeSide::Top ? r : r + 1;
        kind = m_hLines.GetLine(c, e);
    }
    if (kind != LINE_SINGLE && kind != LINE_DOUBLE)
        return;
    int x1, y1, x2, y2;
    if (vertical) {
        x1 = x2 = m_geometry.ColumnX(e);
        y1 = m_geometry.RowY(r);
        y2 = y1 + m_sizes.GetHeight();
    } else {
        x1 = m_geometry.ColumnX(c);
        x2 = x1 + m_sizes.GetWidth(c);
        y1 = y2 = m_geometry.RowY(e);
    }
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
