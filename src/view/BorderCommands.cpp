#include "BorderCommands.h"

#include "LineArray.h"
#include "Resource.h"

namespace {

enum class Side { Left, Top, Right, Bottom };

// One edge segment: the array that holds it and its index pair there.
struct CEdge {
    CLineArray& lines;
    int a;
    int b;
};

// Writes edges of cells and remembers whether any line changed.
class CLineWriter {
public:
    CLineWriter(CLineArray& hLines, CLineArray& vLines) : m_h(hLines), m_v(vLines) {}

    bool Changed() const { return m_changed; }

    CEdge Edge(Side side, int x, int y) {
        switch (side) {
        case Side::Left:
            return {m_v, y, x};
        case Side::Right:
            return {m_v, y, x + 1};
        case Side::Top:
            return {m_h, x, y};
        case Side::Bottom:
            break;
        }
        return {m_h, x, y + 1};
    }

    void Put(const CEdge& e, int kind) {
        if (e.lines.GetLine(e.a, e.b) != kind && e.lines.SetLine(e.a, e.b, kind))
            m_changed = true;
    }
    // Removes the line only where it is of this kind.
    void Take(const CEdge& e, int kind) {
        if (e.lines.GetLine(e.a, e.b) == kind && e.lines.ClearLine(e.a, e.b))
            m_changed = true;
    }
    void Wipe(const CEdge& e) {
        if (e.lines.ClearLine(e.a, e.b))
            m_changed = true;
    }
    // Put, or take in erase mode.
    void Apply(const CEdge& e, int kind, int method) {
        if (method == LINE_ERASE)
            Take(e, kind);
        else
            Put(e, kind);
    }
    void WipeCell(int x, int y) {
        for (const Side s : {Side::Left, Side::Top, Side::Right, Side::Bottom})
            Wipe(Edge(s, x, y));
    }
    void WipeCells(const CCellRect& sel) {
        for (int y = sel.top; y <= sel.bottom; ++y)
            for (int x = sel.left; x <= sel.right; ++x)
                WipeCell(x, y);
    }

private:
    CLineArray& m_h;
    CLineArray& m_v;
    bool m_changed = false;
};

// The side of every selected cell. Left and top visit the cells from the first row and column,
// right and bottom from the last, so that in overwrite mode a cell's wiped edge that is the
// side of its neighbour gets its line back when the neighbour comes.
void SideLines(CLineWriter& w, Side side, int kind, const CCellRect& sel, int method) {
    const bool backwards = side == Side::Right || side == Side::Bottom;
    const int rows = sel.bottom - sel.top + 1;
    const int cols = sel.right - sel.left + 1;
    for (int i = 0; i < rows; ++i) {
        const int y = backwards ? sel.bottom - i : sel.top + i;
        for (int j = 0; j < cols; ++j) {
            const int x = backwards ? sel.right - j : sel.left + j;
            if (method == LINE_ERASE) {
                w.Take(w.Edge(side, x, y), kind);
                continue;
            }
            w.Put(w.Edge(side, x, y), kind);
            if (method == LINE_OVERWRITE)
                for (const Side other : {Side::Left, Side::Top, Side::Right, Side::Bottom})
                    if (other != side)
                        w.Wipe(w.Edge(other, x, y));
        }
    }
}

void FrameLines(CLineWriter& w, int kind, const CCellRect& sel, int method) {
    if (method == LINE_OVERWRITE)
        w.WipeCells(sel);
    for (int x = sel.left; x <= sel.right; ++x) {
        w.Apply(w.Edge(Side::Top, x, sel.top), kind, method);
        w.Apply(w.Edge(Side::Bottom, x, sel.bottom), kind, method);
    }
    for (int y = sel.top; y <= sel.bottom; ++y) {
        w.Apply(w.Edge(Side::Left, sel.left, y), kind, method);
        w.Apply(w.Edge(Side::Right, sel.right, y), kind, method);
    }
}

void GridLines(CLineWriter& w, const CCellRect& sel, int method) {
    for (int y = sel.top; y <= sel.bottom; ++y)
        for (int x = sel.left; x <= sel.right; ++x)
            for (const Side s : {Side::Left, Side::Top, Side::Right, Side::Bottom})
                w.Apply(w.Edge(s, x, y), LINE_SINGLE, method);
}

// A header row and a header column: double line over the first row, single lines under the
// first and the last row and right of the first column; none on the outer left and right.
void TemplateLines(CLineWriter& w, const CCellRect& sel, int method) {
    if (method == LINE_OVERWRITE)
        w.WipeCells(sel);
    for (int x = sel.left; x <= sel.right; ++x) {
        w.Apply(w.Edge(Side::Top, x, sel.top), LINE_DOUBLE, method);
        w.Apply(w.Edge(Side::Bottom, x, sel.top), LINE_SINGLE, method);
    }
    for (int x = sel.left; x <= sel.right; ++x)
        w.Apply(w.Edge(Side::Bottom, x, sel.bottom), LINE_SINGLE, method);
    for (int y = sel.top; y <= sel.bottom; ++y)
        w.Apply(w.Edge(Side::Right, sel.left, y), LINE_SINGLE, method);
}

} // namespace

bool IsLineCommand(int id) {
    return (id >= ID_LINE_SINGLE_FRAME && id <= ID_LINE_CLEAR) || id == ID_LINE_TEMPLATE;
}

bool ApplyLineCommand(CLineArray& hLines, CLineArray& vLines, int id, const CCellRect& sel,
                      int method) {
    CLineWriter w(hLines, vLines);
    switch (id) {
    case ID_LINE_SINGLE_FRAME:
    case ID_LINE_DOUBLE_FRAME:
        FrameLines(w, id == ID_LINE_SINGLE_FRAME ? LINE_SINGLE : LINE_DOUBLE, sel, method);
        break;
    case ID_LINE_SINGLE_LEFT:
    case ID_LINE_DOUBLE_LEFT:
        SideLines(w, Side::Left, id == ID_LINE_SINGLE_LEFT ? LINE_SINGLE : LINE_DOUBLE, sel,
                  method);
        break;
    case ID_LINE_SINGLE_RIGHT:
    case ID_LINE_DOUBLE_RIGHT:
        SideLines(w, Side::Right, id == ID_LINE_SINGLE_RIGHT ? LINE_SINGLE : LINE_DOUBLE, sel,
                  method);
        break;
    case ID_LINE_SINGLE_TOP:
    case ID_LINE_DOUBLE_TOP:
        SideLines(w, Side::Top, id == ID_LINE_SINGLE_TOP ? LINE_SINGLE : LINE_DOUBLE, sel, method);
        break;
    case ID_LINE_SINGLE_BOTTOM:
    case ID_LINE_DOUBLE_BOTTOM:
        SideLines(w, Side::Bottom, id == ID_LINE_SINGLE_BOTTOM ? LINE_SINGLE : LINE_DOUBLE, sel,
                  method);
        break;
    case ID_LINE_GRID:
        GridLines(w, sel, method);
        break;
    case ID_LINE_CLEAR:
        w.WipeCells(sel);
        break;
    case ID_LINE_TEMPLATE:
        TemplateLines(w, sel, method);
        break;
    default:
        break;
    }
    return w.Changed();
}
