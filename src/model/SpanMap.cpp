#include "SpanMap.h"

#include "CellArray.h"
#include "LineArray.h"

#include <algorithm>

void CSpanMap::Reset() {
    for (int c = 1; c <= MAX_CELLS; ++c)
        for (int r = 1; r <= MAX_CELLS; ++r)
            m_map[Index(c, r)] = static_cast<std::uint16_t>(r * 256 + c);
}

bool CSpanMap::SetOrigin(int col, int row, int originCol, int originRow) {
    if (!IsCellIndex(col) || !IsCellIndex(row))
        return false;
    m_map[Index(col, row)] =
        static_cast<std::uint16_t>(((originRow & 0xFF) << 8) | (originCol & 0xFF));
    return true;
}

bool NormalizeSpans(CCellArray& cells, CLineArray& hLines, CLineArray& vLines, CSpanMap& map) {
    map.Reset();
    bool changed = false;
    for (int y = 1; y <= MAX_CELLS; ++y) {
        for (int x = 1; x <= MAX_CELLS; ++x) {
            if (!map.IsOrigin(x, y))
                continue;
            const CCellData* rec = cells.GetCell(x, y);
            if (!rec || (rec->colspan == 1 && rec->rowspan == 1))
                continue;
            const int cs = rec->colspan;
            const int rs = rec->rowspan;
            // Offsets past the table are dropped by the bounds checks of the model.
            for (int j = 0; j < rs; ++j) {
                for (int k = 0; k < cs; ++k) {
                    map.SetOrigin(x + k, y + j, x, y);
                    if ((k != 0 || j != 0) && cells.DeleteCell(x + k, y + j))
                        changed = true;
                }
            }
            for (int j = 0; j < rs; ++j) {
                for (int k = 0; k < cs; ++k) {
                    if (k != 0 && vLines.ClearLine(y + j, x + k))
                        changed = true;
                    if (j != 0 && hLines.ClearLine(x + k, y + j))
                        changed = true;
                }
            }
        }
    }
    return changed;
}

CCellRect SpanExtent(const CCellArray& cells, const CSpanMap& map, int col, int row) {
    const auto [oc, orow] = map.GetOrigin(col, row);
    const CCellData* rec = cells.GetCell(oc, orow);
    const int cs = rec ? rec->colspan : 1;
    const int rs = rec ? rec->rowspan : 1;
    return {oc, orow, std::min(oc + cs - 1, MAX_CELLS), std::min(orow + rs - 1, MAX_CELLS)};
}

CCellRect SpanHull(const CCellArray& cells, const CSpanMap& map, const CCellRect& rect) {
    const CCellRect n = rect.Normalized();
    CCellRect hull = n;
    for (int y = n.top; y <= n.bottom; ++y) {
        for (int x = n.left; x <= n.right; ++x) {
            if (!IsCellIndex(x) || !IsCellIndex(y))
                continue;
            const CCellRect e = SpanExtent(cells, map, x, y);
            hull.left = std::min(hull.left, e.left);
            hull.top = std::min(hull.top, e.top);
            hull.right = std::max(hull.right, e.right);
            hull.bottom = std::max(hull.bottom, e.bottom);
        }
    }
    return hull;
}
