#include "HtmlWriter.h"

#include "CellArray.h"
#include "SpanMap.h"

#include <algorithm>
#include <string_view>

using generator_detail::AppendInt;

namespace {

constexpr std::string_view TD_OPEN[3] = {
    " <TD ALIGN=\"left\"", " <TD ALIGN=\"center\"", " <TD ALIGN=\"right\""};

} // namespace

void WriteHtml(const CGenerateModel& model, const CCellRect& region, const COptionsRecord& o,
               std::string& out, IGenerateProgress* progress) {
    const CCellRect rg = generator_detail::ClipRegion(region);
    const int x1 = rg.left, x2 = rg.right, y1 = rg.top, y2 = rg.bottom;
    const CCellArray& cells = model.cells;
    static const CCellData emptyCell;

    out.clear();
    if (progress)
        progress->SetRange(y1, y2);

    // Pass over the records of the region for the size of the result.
    std::size_t textBytes = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (const CCellData* rec = cells.GetCell(x, y))
                textBytes += rec->text.size();
    const std::size_t n = static_cast<std::size_t>(x2 - x1 + 1);
    const std::size_t m = static_cast<std::size_t>(y2 - y1 + 1);
    out.reserve(64 + textBytes + n * m * 16 + m * 32);

    out.append(o.BorderHTML ? "<TABLE BORDER>\r\n" : "<TABLE>\r\n");
    for (int y = y1;; ++y) {
        if (progress)
            progress->SetPos(y);
        if (y == y2 + 1)
            break;

        // Row vote: ties go to centre, then right.
        int l = 0, c = 0, r = 0;
        for (int x = x1; x <= x2; ++x) {
            if (const CCellData* rec = cells.GetCell(x, y)) {
                l += rec->hplace == 0;
                c += rec->hplace == 1;
                r += rec->hplace == 2;
            }
        }
        int rowPlace = 0;
        if (l + c + r == 0) {
            out.append("<TR>");
        } else if (c >= l && c >= r) {
            out.append("<TR ALIGN=\"center\">");
            rowPlace = 1;
        } else if (r >= l && r >= c) {
            out.append("<TR ALIGN=\"right\">");
            rowPlace = 2;
        } else {
            out.append("<TR>");
        }

        for (int x = x1; x <= x2;) {
            if (!model.spans.IsOrigin(x, y)) {
                ++x;
                continue;
            }
            const CCellData* rec = cells.GetCell(x, y);
            const CCellData& d = rec ? *rec : emptyCell;
            const int cs = std::max(1, std::min(static_cast<int>(d.colspan), x2 - x + 1));
            if (d.hplace == rowPlace)
                out.append(" <TD", 4);
            else
                out.append(TD_OPEN[d.hplace <= 2 ? d.hplace : 1]);
            const int rs = std::min(static_cast<int>(d.rowspan), y2 - y + 1);
            if (rs > 1) {
                out.append(" ROWSPAN=\"");
                AppendInt(out, rs);
                out.push_back('"');
            }
            if (cs > 1) {
                out.append(" COLSPAN=\"");
                AppendInt(out, cs);
                out.push_back('"');
            }
            out.push_back('>');
            out.append(d.text);
            out.append("</TD>", 5);
            x += cs;
        }
        out.append(" </TR>\r\n");
    }
    out.append("</TABLE>\r\n");
}
