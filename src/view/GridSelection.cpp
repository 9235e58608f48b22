#include "GridSelection.h"

#include "DeviceContext.h"
#include "GridGeometry.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// The columns (rows) that entered or left a range whose extent along them went from dOld to
// dNew, both of the same sign, as its cursor moved from oldCursor to newCursor.
std::pair<int, int> Strip(int oldCursor, int newCursor, int dOld, int dNew) {
    const bool growing = std::abs(dNew) > std::abs(dOld);
    if (dOld > 0)
        return growing ? std::pair{oldCursor + 1, newCursor} : std::pair{newCursor + 1, oldCursor};
    return growing ? std::pair{newCursor, oldCursor - 1} : std::pair{oldCursor, newCursor - 1};
}

} // namespace

CCellRect CGridSelection::Normalized() const {
    return {std::min(m_anchorCol, m_cursorCol), std::min(m_anchorRow, m_cursorRow),
            std::max(m_anchorCol, m_cursorCol), std::max(m_anchorRow, m_cursorRow)};
}

std::string CGridSelection::IndicatorText() const {
    char buf[64];
    if (m_rangeMode)
        std::snprintf(buf, sizeof buf, "(%2d,%2d)-(%2d,%2d)", m_anchorCol, m_anchorRow, m_cursorCol,
                      m_cursorRow);
    else
        std::snprintf(buf, sizeof buf, "(%2d,%2d)", m_anchorCol, m_anchorRow);
    return buf;
}

void CGridSelection::Invert(IDeviceContext& dc, const CGridGeometry& g, int a1, int b1, int a2,
                            int b2) {
    m_highlightShown = !m_highlightShown;
    const int c1 = std::clamp(std::min(a1, a2), 1, MAX_CELLS);
    const int c2 = std::clamp(std::max(a1, a2), 1, MAX_CELLS);
    const int r1 = std::clamp(std::min(b1, b2), 1, MAX_CELLS);
    const int r2 = std::clamp(std::max(b1, b2), 1, MAX_CELLS);
    dc.InvertRect(g.CellsRect(c1, r1, c2, r2));
}

void CGridSelection::HideHighlight(IDeviceContext& dc, const CGridGeometry& g) {
    if (m_highlightShown)
        Invert(dc, g, m_anchorCol, m_anchorRow, m_cursorCol, m_cursorRow);
}

bool CGridSelection::BeginMove(IDeviceContext& dc, const CGridGeometry& g, bool incremental) {
    if (!m_highlightShown)
        return false;
    if (incremental && m_rangeMode && m_anchorFixed)
        return true;
    Invert(dc, g, m_anchorCol, m_anchorRow, m_cursorCol, m_cursorRow);
    return false;
}

void CGridSelection::Place(int col, int row) {
    if (m_rangeMode) {
        if (!m_anchorFixed) {
            m_anchorCol = col;
            m_anchorRow = row;
        }
        m_cursorCol = col;
        m_cursorRow = row;
        m_anchorFixed = true;
    } else {
        m_anchorCol = m_cursorCol = col;
        m_anchorRow = m_cursorRow = row;
        m_anchorFixed = false;
    }
}

void CGridSelection::Draw(IDeviceContext& dc, const CGridGeometry& g, const CGridSelection& old,
                          bool incremental) {
    if (!incremental) {
        Invert(dc, g, m_anchorCol, m_anchorRow, m_cursorCol, m_cursorRow);
        return;
    }

    // Strip update: only the columns or rows that entered or left the selection.
    const int dxOld = old.m_cursorCol - old.m_anchorCol;
    const int dyOld = old.m_cursorRow - old.m_anchorRow;
    const int dxNew = m_cursorCol - m_anchorCol;
    const int dyNew = m_cursorRow - m_anchorRow;
    const bool colsChanged = dxOld != dxNew;
    const bool rowsChanged = dyOld != dyNew;
    if (dxOld * dxNew <= 0 || dyOld * dyNew <= 0 || colsChanged == rowsChanged) {
        Invert(dc, g, old.m_anchorCol, old.m_anchorRow, old.m_cursorCol, old.m_cursorRow);
        Invert(dc, g, m_anchorCol, m_anchorRow, m_cursorCol, m_cursorRow);
        return;
    }
    // Each strip inversion flips the flag; a pair of flips keeps the highlight shown.
    const auto strip = [&](int a1, int b1, int a2, int b2) {
        Invert(dc, g, a1, b1, a2, b2);
        m_highlightShown = true;
    };
    if (colsChanged) {
        const auto [from, to] = Strip(old.m_cursorCol, m_cursorCol, dxOld, dxNew);
        strip(from, m_anchorRow, to, m_cursorRow);
    } else {
        const auto [from, to] = Strip(old.m_cursorRow, m_cursorRow, dyOld, dyNew);
        strip(m_anchorCol, from, m_cursorCol, to);
    }
}
