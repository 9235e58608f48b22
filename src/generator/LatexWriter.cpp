#include "LatexWriter.h"

#include "CellArray.h"
#include "LineArray.h"
#include "OutputSink.h"
#include "SpanMap.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

using generator_detail::COutputSink;

namespace {

// Room for the small writes of one cell besides its text: "\multicolumn{250}{||c||}{",
// the raise box and the separators.
constexpr std::size_t CELL_ROOM = 96;

// The fields of one record that the cell pass reads; a default slot is the empty cell.
struct CSlot {
    const char* text = "";
    std::uint32_t size = 0;
    std::uint8_t colspan = 1;
    std::uint8_t rowspan = 1;
    std::uint8_t hplace = 1;
    bool present = false;
};

int DecideRule(int none, int single, int dbl) {
    if (none >= single && none >= dbl)
        return LINE_NONE;
    return single >= dbl ? LINE_SINGLE : LINE_DOUBLE;
}

// Kind 1 is "|", 2 is "||", anything else writes nothing.
void Rule(COutputSink& s, int kind) {
    if (kind == LINE_SINGLE)
        s.Char('|');
    else if (kind == LINE_DOUBLE)
        s.Lit("||");
}

char PlaceLetter(int place) {
    return place == 0 ? 'l' : place == 2 ? 'r' : 'c';
}

void Line(COutputSink& s, std::string_view text) {
    s.Text(text, 2);
    s.Lit("\r\n");
}

void DocumentHead(COutputSink& s) {
    Line(s, "\\documentstyle{jarticle}");
    Line(s, "\\begin{document}");
    Line(s, "");
}

void DocumentTail(COutputSink& s) {
    Line(s, "");
    Line(s, "\\end{document}");
}

void CaptionAndLabel(COutputSink& s, const COptionsRecord& o) {
    if (o.Cap) {
        s.Text("\\caption{", 0);
        s.Text(o.CapStr, 3);
        s.Lit("}\r\n");
    }
    if (o.Label) {
        s.Text("\\label{", 0);
        s.Text(o.LabelStr, 3);
        s.Lit("}\r\n");
    }
}

// The rule line of one row edge; nothing when the edge has no line.
void RuleLine(COutputSink& s, const std::uint8_t* kinds, int n) {
    bool allDouble = true;
    bool anyNone = false;
    for (int k = 0; k < n; ++k) {
        allDouble &= kinds[k] == LINE_DOUBLE;
        anyNone |= kinds[k] == LINE_NONE;
    }
    if (allDouble) {
        Line(s, "\\hline\\hline");
        return;
    }
    if (!anyNone) {
        Line(s, "\\hline");
        return;
    }
    bool any = false;
    // At most (n + 1) / 2 runs of "\cline{250-250}".
    s.Ensure(static_cast<std::size_t>(n) * 8 + 32);
    for (int k = 0; k < n;) {
        if (kinds[k] == LINE_NONE) {
            ++k;
            continue;
        }
        int j = k;
        while (j + 1 < n && kinds[j + 1] != LINE_NONE)
            ++j;
        s.Lit("\\cline{");
        s.Int(k + 1);
        s.Char('-');
        s.Int(j + 1);
        s.Char('}');
        any = true;
        k = j + 1;
    }
    if (any)
        s.Lit("\r\n");
}

} // namespace

int VoteColumnRule(const CLineArray& vLines, int y1, int y2, int edge) {
    int z = 0, s = 0, d = 0;
    for (int r = y1; r <= y2; ++r) {
        const int kind = vLines.GetLine(r, edge);
        z += kind == LINE_NONE;
        d += kind == LINE_DOUBLE;
        s += kind != LINE_NONE && kind != LINE_DOUBLE;
    }
    return DecideRule(z, s, d);
}

int CPlaceVote::Winner() const {
    const auto [left, centre, right] = m_votes;
    if (left >= centre && left >= right)
        return 0;
    return centre >= right ? 1 : 2;
}

int VoteColumnPlace(const CCellArray& cells, int y1, int y2, int col) {
    CPlaceVote vote;
    for (int y = y1; y <= y2; ++y)
        if (const CCellData* rec = cells.GetCell(col, y))
            vote.Add(rec->hplace);
    return vote.Winner();
}

void WriteLatex(bool array, const CGenerateModel& model, const CCellRect& region,
                const COptionsRecord& o, std::string& out, IGenerateProgress* progress) {
    const CCellRect rg = generator_detail::ClipRegion(region);
    const int x1 = rg.left, x2 = rg.right, y1 = rg.top, y2 = rg.bottom;
    const int n = x2 - x1 + 1;
    const int m = y2 - y1 + 1;
    const std::size_t cellCount = static_cast<std::size_t>(n) * static_cast<std::size_t>(m);
    const CLineArray& vLines = model.vLines;

    out.clear();
    if (progress)
        progress->SetRange(y1, y2);

    // What the cell pass needs of each record of the region, slot j * n + k for row y1 + j and
    // column x1 + k, copied into one flat array; the extra last slot is the empty cell.
    std::vector<CSlot> slots(cellCount + 1);
    const int emptySlot = static_cast<int>(cellCount);

    // Text-row map over the region: the slot whose record a cell writes. A span over several
    // rows lends its record to its middle row only, and there only to its first column.
    std::vector<int> textRow(cellCount);
    for (std::size_t i = 0; i < cellCount; ++i)
        textRow[i] = static_cast<int>(i);

    // One pass over the records of the region, row by row: the slots, the text-row map, the
    // placement vote of each column (as VoteColumnPlace counts it) and the size of all texts.
    std::vector<CPlaceVote> votes(static_cast<std::size_t>(n));
    std::size_t textBytes = 0;
    for (int y = y1; y <= y2; ++y) {
        const std::size_t rowStart = static_cast<std::size_t>(y - y1) * n;
        for (int k = 0; k < n; ++k) {
            const CCellData* rec = model.cells.GetCell(x1 + k, y);
            if (!rec)
                continue;
            CSlot& slot = slots[rowStart + k];
            slot.text = rec->text.data();
            slot.size = static_cast<std::uint32_t>(rec->text.size());
            slot.colspan = rec->colspan;
            slot.rowspan = rec->rowspan;
            slot.hplace = rec->hplace;
            slot.present = true;
            textBytes += slot.size;
            votes[static_cast<std::size_t>(k)].Add(rec->hplace);
            if (rec->rowspan == 1 || !model.spans.IsOrigin(x1 + k, y))
                continue;
            const int rs = std::min(static_cast<int>(rec->rowspan), y2 - y + 1);
            const int mid = y + (rs - 1) / 2;
            textRow[rowStart + k] = emptySlot;
            textRow[static_cast<std::size_t>(mid - y1) * n + k] = static_cast<int>(rowStart + k);
        }
    }

    out.reserve(textBytes + cellCount * 4 + static_cast<std::size_t>(m + 1) * (n * 2 + 32) +
                o.CapStr.size() + o.LabelStr.size() + 512);
    {
        COutputSink s(out);
        if (!array) {
            if (o.Doc)
                DocumentHead(s);
            if (o.Table) {
                Line(s, "\\begin{table}[h]");
                Line(s, "\\begin{center}");
            }
            if (o.LabelPos == 0)
                CaptionAndLabel(s, o);
            s.Text("\\begin{tabular}{", 0);
        } else {
            if (o.ArrayDoc)
                DocumentHead(s);
            if (o.Math == 1)
                Line(s, "$");
            else if (o.Math == 2)
                Line(s, "\\[");
            if (o.Kakko == 1)
                Line(s, "\\left(");
            else if (o.Kakko == 2)
                Line(s, "\\left\\{");
            else if (o.Kakko == 3)
                Line(s, "\\left[");
            s.Text("\\begin{array}{", 0);
        }

        // Column specification.
        std::vector<std::uint8_t> colRule(static_cast<std::size_t>(n) + 1);
        std::vector<std::uint8_t> colPlace(static_cast<std::size_t>(n));
        s.Ensure(static_cast<std::size_t>(n) * 3 + 8);
        for (int k = 0; k < n; ++k) {
            colRule[k] = static_cast<std::uint8_t>(VoteColumnRule(vLines, y1, y2, x1 + k));
            Rule(s, colRule[k]);
            colPlace[k] = static_cast<std::uint8_t>(votes[static_cast<std::size_t>(k)].Winner());
            s.Char(PlaceLetter(colPlace[k]));
        }
        colRule[n] = static_cast<std::uint8_t>(VoteColumnRule(vLines, y1, y2, x2 + 1));
        Rule(s, colRule[n]);
        s.Lit("}\r\n");

        const bool comments = array ? o.ArrayCom != 0 : o.Com != 0;
        std::vector<std::uint8_t> ruleBuf(static_cast<std::size_t>(n) + 2);
        std::vector<std::uint8_t> rowEdges(static_cast<std::size_t>(n) + 1);
        for (int y = y1;; ++y) {
            if (progress)
                progress->SetPos(y);
            for (int k = 0; k < n; ++k)
                ruleBuf[k] = model.hLines.GetLine(x1 + k, y);
            RuleLine(s, ruleBuf.data(), n);
            if (y == y2 + 1)
                break;

            if (comments) {
                // "%%<<-----  %d 行目" through printf: one percent sign; 行目 in code page 932.
                s.Ensure(32);
                s.Lit("%<<-----  ");
                s.Int(y - y1 + 1);
                s.Lit(" \x8d\x73\x96\xda\r\n");
            }

            const int* rowMap = &textRow[static_cast<std::size_t>(y - y1) * n];
            // The kinds on column edges x1 .. x2 + 1 of this row.
            for (int k = 0; k <= n; ++k)
                rowEdges[k] = vLines.GetLine(y, x1 + k);
            bool prevMulti = false;
            for (int x = x1; x <= x2;) {
                const int k = x - x1;
                const int slotIndex = rowMap[k];
                const CSlot& d = slots[slotIndex];
                const int cs = std::max(1, std::min(static_cast<int>(d.colspan), x2 - x + 1));
                const int lRule = rowEdges[k];
                const int rRule = rowEdges[k + cs];
                // Rows of the span inside the region, counted from its origin.
                const int rs = d.rowspan == 1 ? 1
                                              : std::min(static_cast<int>(d.rowspan),
                                                         y2 - (y1 + slotIndex / n) + 1);
                const bool plain =
                    lRule == colRule[k] && rRule == colRule[k + 1] &&
                    (!d.present || d.size == 0 || (d.hplace == colPlace[k] && cs == 1));
                const std::string_view text(d.text, d.size);
                s.Ensure(CELL_ROOM);
                if (!plain) {
                    s.Lit("\\multicolumn{");
                    s.Int(cs);
                    s.Lit("}{");
                    if (!prevMulti)
                        Rule(s, lRule);
                    s.Char(PlaceLetter(d.hplace));
                    Rule(s, rRule);
                    s.Lit("}{");
                }
                if (rs % 2 == 0) {
                    s.Lit("\\raisebox{-1.8ex}[0pt][0pt]{");
                    s.Text(text, CELL_ROOM);
                    s.Char('}');
                } else {
                    s.Text(text, CELL_ROOM);
                }
                if (plain) {
                    s.Lit(" & ");
                    prevMulti = false;
                    x += 1;
                } else {
                    s.Lit("} & ");
                    prevMulti = true;
                    x += cs;
                }
            }
            // Drop "& " of the last separator, keeping its space.
            s.Unwrite(2);
            s.Lit("\\\\\r\n");
        }

        if (array) {
            // Without a bottom rule the last row loses its terminator.
            s.Flush();
            constexpr std::string_view rowEnd = "\\\\\r\n";
            if (std::string_view(out).ends_with(rowEnd)) {
                out.resize(out.size() - rowEnd.size());
                out.append("\r\n");
            }
            Line(s, "\\end{array}");
            if (o.Kakko == 1)
                Line(s, "\\right)");
            else if (o.Kakko == 2)
                Line(s, "\\right\\}");
            else if (o.Kakko == 3)
                Line(s, "\\right]");
            if (o.Math == 1)
                Line(s, "$");
            else if (o.Math == 2)
                Line(s, "\\]");
            if (o.ArrayDoc)
                DocumentTail(s);
        } else {
            Line(s, "\\end{tabular}");
            if (o.LabelPos != 0)
                CaptionAndLabel(s, o);
            if (o.Table) {
                Line(s, "\\end{center}");
                Line(s, "\\end{table}");
            }
            if (o.Doc)
                DocumentTail(s);
        }
    }
}
