#include "HtmlWriter.h"

#include "CellArray.h"
#include "OutputSink.h"
#include "SpanMap.h"

#include <algorithm>
#include <vector>

using generator_detail::COutputSink;

namespace {

// Room for the small writes of one cell besides its text.
constexpr std::size_t CELL_ROOM = 64;

void OpenCell(COutputSink& s, int hplace) {
    if (hplace == 0)
        s.Lit(" <TD ALIGN=\"left\"");
    else if (hplace == 2)
        s.Lit(" <TD ALIGN=\"right\"");
    else
        s.Lit(" <TD ALIGN=\"center\"");
}

// One TD element; counts of 1 are not written.
void WriteCell(COutputSink& s, const CCellData& d, int rowPlace, int rs, int cs) {
    s.Ensure(CELL_ROOM);
    if (d.hplace == rowPlace)
        s.Lit(" <TD");
    else
        OpenCell(s, d.hplace);
    if (rs > 1) {
        s.Lit(" ROWSPAN=\"");
        s.Int(rs);
        s.Char('"');
    }
    if (cs > 1) {
        s.Lit(" COLSPAN=\"");
        s.Int(cs);
        s.Char('"');
    }
    s.Char('>');
    s.Text(d.text, CELL_ROOM);
    s.Lit("</TD>");
}

bool Owns(const CSpanMap& spans, int x, int y, int ox, int oy) {
    const auto [cx, cy] = spans.GetOrigin(x, y);
    return cx == ox && cy == oy;
}

} // namespace

void WriteHtml(const CGenerateModel& model, const CCellRect& region, const COptionsRecord& o,
               std::string& out, IGenerateProgress* progress) {
    const CCellRect rg = generator_detail::ClipRegion(region);
    const int x1 = rg.left, x2 = rg.right, y1 = rg.top, y2 = rg.bottom;
    const int n = x2 - x1 + 1;
    const std::size_t m = static_cast<std::size_t>(y2 - y1 + 1);
    static const CCellData emptyCell;

    out.clear();
    if (progress)
        progress->SetRange(y1, y2);
    out.reserve(m * (static_cast<std::size_t>(n) * 20 + 32) + 64);

    COutputSink s(out);
    s.Text(o.BorderHTML ? "<TABLE BORDER>\r\n" : "<TABLE>\r\n", 0);
    std::vector<const CCellData*> row(static_cast<std::size_t>(n));
    // Per column of the region, the last row taken by an element begun in a row above.
    std::vector<int> busyUntil(static_cast<std::size_t>(n), 0);
    for (int y = y1;; ++y) {
        if (progress)
            progress->SetPos(y);
        if (y == y2 + 1)
            break;

        // Row vote over the records of the row: ties go to centre, then right.
        int l = 0, c = 0, r = 0;
        for (int k = 0; k < n; ++k) {
            const CCellData* rec = model.cells.GetCell(x1 + k, y);
            row[k] = rec;
            if (rec) {
                l += rec->hplace == 0;
                c += rec->hplace == 1;
                r += rec->hplace == 2;
            }
        }
        int rowPlace = 0;
        s.Ensure(32);
        if (l + c + r == 0) {
            s.Lit("<TR>");
        } else if (c >= l && c >= r) {
            s.Lit("<TR ALIGN=\"center\">");
            rowPlace = 1;
        } else if (r >= l && r >= c) {
            s.Lit("<TR ALIGN=\"right\">");
            rowPlace = 2;
        } else {
            s.Lit("<TR>");
        }

        for (int x = x1; x <= x2;) {
            const auto [ox, oy] = model.spans.GetOrigin(x, y);
            const CCellData* d = &emptyCell;
            int cs = 1, rs = 1;
            if (ox != x || oy != y) {
                // A covered slot left free by its origin's element (the origin lies outside the
                // region, or a later span took part of its rectangle) still needs a cell, or a
                // browser shifts the rest of the row left.
                if (busyUntil[x - x1] >= y) {
                    ++x;
                    continue;
                }
            } else {
                if (row[x - x1])
                    d = row[x - x1];
                // The element covers only cells the span map gives to this origin: overlapping
                // spans leave the shared cells to the later origin.
                cs = std::max(1, std::min(static_cast<int>(d->colspan), x2 - x + 1));
                for (int k = 1; k < cs; ++k) {
                    if (!Owns(model.spans, x + k, y, x, y)) {
                        cs = k;
                        break;
                    }
                }
                rs = std::max(1, std::min(static_cast<int>(d->rowspan), y2 - y + 1));
                for (int j = 1; j < rs; ++j) {
                    bool whole = true;
                    for (int k = 0; k < cs && whole; ++k)
                        whole = Owns(model.spans, x + k, y + j, x, y);
                    if (!whole) {
                        rs = j;
                        break;
                    }
                }
                // An element of one row never reaches a later row; older values stay below y.
                if (rs > 1)
                    for (int k = 0; k < cs; ++k)
                        busyUntil[x - x1 + k] = y + rs - 1;
            }
            WriteCell(s, *d, rowPlace, rs, cs);
            x += cs;
        }
        s.Lit(" </TR>\r\n");
    }
    s.Text("</TABLE>\r\n", 0);
}
