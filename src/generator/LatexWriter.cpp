#include "LatexWriter.h"

#include "CellArray.h"
#include "LineArray.h"
#include "SpanMap.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

using generator_detail::AppendInt;

namespace {

constexpr std::string_view CRLF = "\r\n";
constexpr std::string_view RAISEBOX = "\\raisebox{-1.8ex}[0pt][0pt]{";
constexpr std::string_view MULTICOLUMN = "\\multicolumn{";
// "%%<<-----  %d 行目" after printf formatting; 行目 in code page 932.
constexpr std::string_view COMMENT_HEAD = "%<<-----  ";
constexpr std::string_view COMMENT_TAIL = " \x8d\x73\x96\xda\r\n";

void AppendLine(std::string& out, std::string_view s) {
    out.append(s);
    out.append(CRLF);
}

// Kind 1 is "|", 2 is "||", anything else writes nothing.
void AppendRule(std::string& out, int kind) {
    if (kind == LINE_SINGLE)
        out.push_back('|');
    else if (kind == LINE_DOUBLE)
        out.append("||", 2);
}

char PlaceLetter(int place) {
    return place == 0 ? 'l' : place == 2 ? 'r' : 'c';
}

void AppendDocumentHead(std::string& out) {
    AppendLine(out, "\\documentstyle{jarticle}");
    AppendLine(out, "\\begin{document}");
    out.append(CRLF);
}

void AppendDocumentTail(std::string& out) {
    out.append(CRLF);
    AppendLine(out, "\\end{document}");
}

void AppendCaptionAndLabel(std::string& out, const COptionsRecord& o) {
    if (o.Cap) {
        out.append("\\caption{");
        out.append(o.CapStr);
        AppendLine(out, "}");
    }
    if (o.Label) {
        out.append("\\label{");
        out.append(o.LabelStr);
        AppendLine(out, "}");
    }
}

// The rule line of one row edge; nothing when the edge has no line.
void AppendRuleLine(std::string& out, const std::uint8_t* kinds, int n) {
    bool allDouble = true;
    bool anyNone = false;
    for (int k = 0; k < n; ++k) {
        allDouble &= kinds[k] == LINE_DOUBLE;
        anyNone |= kinds[k] == LINE_NONE;
    }
    if (allDouble) {
        AppendLine(out, "\\hline\\hline");
        return;
    }
    if (!anyNone) {
        AppendLine(out, "\\hline");
        return;
    }
    bool any = false;
    for (int k = 0; k < n;) {
        if (kinds[k] == LINE_NONE) {
            ++k;
            continue;
        }
        int j = k;
        while (j + 1 < n && kinds[j + 1] != LINE_NONE)
            ++j;
        out.append("\\cline{");
        AppendInt(out, k + 1);
        out.push_back('-');
        AppendInt(out, j + 1);
        out.push_back('}');
        any = true;
        k = j + 1;
    }
    if (any)
        out.append(CRLF);
}

std::size_t EstimateSize(int n, int m, std::size_t textBytes) {
    // Cell separators and row ends, rule lines of up to n cline commands, headroom for spans.
    return 512 + textBytes + static_cast<std::size_t>(n) * static_cast<std::size_t>(m) * 4 +
           static_cast<std::size_t>(m + 1) * (static_cast<std::size_t>(n) * 2 + 32);
}

} // namespace

int VoteColumnRule(const CLineArray& vLines, int y1, int y2, int edge) {
    int z = 0, s = 0, d = 0;
    for (int r = y1; r <= y2; ++r) {
        const int kind = vLines.GetLine(r, edge);
        if (kind == LINE_NONE)
            ++z;
        else if (kind == LINE_DOUBLE)
            ++d;
        else
            ++s;
    }
    if (z >= s && z >= d)
        return LINE_NONE;
    return s >= d ? LINE_SINGLE : LINE_DOUBLE;
}

int VoteColumnPlace(const CCellArray& cells, int y1, int y2, int col) {
    int l = 0, c = 0, r = 0;
    for (int y = y1; y <= y2; ++y) {
        const CCellData* rec = cells.GetCell(col, y);
        if (!rec)
            continue;
        if (rec->hplace == 0)
            ++l;
        else if (rec->hplace == 2)
            ++r;
        else
            ++c;
    }
    if (l >= c && l >= r)
        return 0;
    return c >= r ? 1 : 2;
}

void WriteLatex(bool array, const CGenerateModel& model, const CCellRect& region,
                const COptionsRecord& o, std::string& out, IGenerateProgress* progress) {
    const CCellRect rg = generator_detail::ClipRegion(region);
    const int x1 = rg.left, x2 = rg.right, y1 = rg.top, y2 = rg.bottom;
    const int n = x2 - x1 + 1;
    const int m = y2 - y1 + 1;
    const CCellArray& cells = model.cells;
    const CLineArray& vLines = model.vLines;
    static const CCellData emptyCell;

    out.clear();
    if (progress)
        progress->SetRange(y1, y2);

    // Text-row map over the region: packed origin (row << 8 | column), 0 for no record. A span
    // over several rows lends its record to its middle row only.
    std::vector<std::uint16_t> textRow(static_cast<std::size_t>(n) * m);
    std::size_t textBytes = 0;
    for (int y = y1; y <= y2; ++y) {
        std::uint16_t* row = &textRow[static_cast<std::size_t>(y - y1) * n];
        for (int x = x1; x <= x2; ++x)
            row[x - x1] = static_cast<std::uint16_t>(y << 8 | x);
    }
    for (int y = y1; y <= y2; ++y) {
        for (int x = x1; x <= x2; ++x) {
            const CCellData* rec = cells.GetCell(x, y);
            if (!rec)
                continue;
            textBytes += rec->text.size();
            if (rec->rowspan == 1 || !model.spans.IsOrigin(x, y))
                continue;
            const int rs = std::min(static_cast<int>(rec->rowspan), y2 - y + 1);
            const int mid = y + (rs - 1) / 2;
            textRow[static_cast<std::size_t>(y - y1) * n + (x - x1)] = 0;
            textRow[static_cast<std::size_t>(mid - y1) * n + (x - x1)] =
                static_cast<std::uint16_t>(y << 8 | x);
        }
    }
    out.reserve(EstimateSize(n, m, textBytes) + o.CapStr.size() + o.LabelStr.size());

    if (!array) {
        if (o.Doc)
            AppendDocumentHead(out);
        if (o.Table) {
            AppendLine(out, "\\begin{table}[h]");
            AppendLine(out, "\\begin{center}");
        }
        if (o.LabelPos == 0)
            AppendCaptionAndLabel(out, o);
        out.append("\\begin{tabular}{");
    } else {
        if (o.ArrayDoc)
            AppendDocumentHead(out);
        if (o.Math == 1)
            AppendLine(out, "$");
        else if (o.Math == 2)
            AppendLine(out, "\\[");
        if (o.Kakko == 1)
            AppendLine(out, "\\left(");
        else if (o.Kakko == 2)
            AppendLine(out, "\\left\\{");
        else if (o.Kakko == 3)
            AppendLine(out, "\\left[");
        out.append("\\begin{array}{");
    }

    // Column specification.
    std::vector<std::uint8_t> colRule(static_cast<std::size_t>(n) + 1);
    std::vector<std::uint8_t> colPlace(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        colRule[k] = static_cast<std::uint8_t>(VoteColumnRule(vLines, y1, y2, x1 + k));
        AppendRule(out, colRule[k]);
        colPlace[k] = static_cast<std::uint8_t>(VoteColumnPlace(cells, y1, y2, x1 + k));
        out.push_back(PlaceLetter(colPlace[k]));
    }
    colRule[n] = static_cast<std::uint8_t>(VoteColumnRule(vLines, y1, y2, x2 + 1));
    AppendRule(out, colRule[n]);
    AppendLine(out, "}");

    const bool comments = array ? o.ArrayCom != 0 : o.Com != 0;
    std::vector<std::uint8_t> ruleBuf(static_cast<std::size_t>(n) + 2);
    for (int y = y1;; ++y) {
        if (progress)
            progress->SetPos(y);
        for (int k = 0; k < n; ++k)
            ruleBuf[k] = model.hLines.GetLine(x1 + k, y);
        AppendRuleLine(out, ruleBuf.data(), n);
        if (y == y2 + 1)
            break;

        if (comments) {
            out.append(COMMENT_HEAD);
            AppendInt(out, y - y1 + 1);
            out.append(COMMENT_TAIL);
        }

        const std::uint16_t* rowMap = &textRow[static_cast<std::size_t>(y - y1) * n];
        bool prevMulti = false;
        for (int x = x1; x <= x2;) {
            const int k = x - x1;
            const std::uint16_t entry = rowMap[k];
            const int tx = entry & 0xFF;
            const int ty = entry >> 8;
            const CCellData* rec = entry ? cells.GetCell(tx, ty) : nullptr;
            const CCellData& d = rec ? *rec : emptyCell;
            const int cs = std::max(1, std::min(static_cast<int>(d.colspan), x2 - x + 1));
            const int lRule = vLines.GetLine(y, x);
            const int rRule = vLines.GetLine(y, x + cs);
            const int rs = std::min(static_cast<int>(d.rowspan), y2 - ty + 1);
            const bool raise = rs % 2 == 0;

            const bool plain = lRule == colRule[k] && rRule == colRule[k + 1] &&
                               (!rec || d.text.empty() || (d.hplace == colPlace[k] && cs == 1));
            if (!plain) {
                out.append(MULTICOLUMN);
                AppendInt(out, cs);
                out.append("}{", 2);
                if (!prevMulti)
                    AppendRule(out, lRule);
                out.push_back(PlaceLetter(d.hplace));
                AppendRule(out, rRule);
                out.append("}{", 2);
            }
            if (raise) {
                out.append(RAISEBOX);
                out.append(d.text);
                out.push_back('}');
            } else {
                out.append(d.text);
            }
            if (plain) {
                out.append(" & ", 3);
                prevMulti = false;
                x += 1;
            } else {
                out.append("} & ", 4);
                prevMulti = true;
                x += cs;
            }
        }
        // Drop "& " of the last separator, keeping its space.
        out.resize(out.size() - 2);
        out.append("\\\\\r\n", 4);
    }

    if (array) {
        constexpr std::string_view rowEnd = "\\\\\r\n";
        if (out.size() >= rowEnd.size() &&
            std::string_view(out).substr(out.size() - rowEnd.size()) == rowEnd) {
            out.resize(out.size() - rowEnd.size());
            out.append(CRLF);
        }
        AppendLine(out, "\\end{array}");
        if (o.Kakko == 1)
            AppendLine(out, "\\right)");
        else if (o.Kakko == 2)
            AppendLine(out, "\\right\\}");
        else if (o.Kakko == 3)
            AppendLine(out, "\\right]");
        if (o.Math == 1)
            AppendLine(out, "$");
        else if (o.Math == 2)
            AppendLine(out, "\\]");
        if (o.ArrayDoc)
            AppendDocumentTail(out);
    } else {
        AppendLine(out, "\\end{tabular}");
        if (o.LabelPos != 0)
            AppendCaptionAndLabel(out, o);
        if (o.Table) {
            AppendLine(out, "\\end{center}");
            AppendLine(out, "\\end{table}");
        }
        if (o.Doc)
            AppendDocumentTail(out);
    }
}
