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
            if (!model.spans.IsOrigin(x, y)) {
                ++x;
                continue;
            }
            const CCellData* rec = row[x - x1];
            const CCellData& d = rec ? *rec : emptyCell;
            const int cs = std::max(1, std::min(static_cast<int>(d.colspan), x2 - x + 1));
            const int rs = std::min(static_cast<int>(d.rowspan), y2 - y + 1);
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
            x += cs;
        }
        s.Lit(" </TR>\r\n");
    }
    s.Text("</TABLE>\r\n", 0);
}
