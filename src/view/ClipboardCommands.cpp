#include "ClipboardCommands.h"

#include "CellArray.h"
#include "CellBlock.h"
#include "Clipboard.h"
#include "LineArray.h"
#include "SpanMap.h"
#include "TextCodec.h"
#include "TextImport.h"

#include <algorithm>

namespace {

template <class Visit> void ForEachCell(const CCellRect& r, Visit&& visit) {
    for (int y = r.top; y <= r.bottom; ++y)
        for (int x = r.left; x <= r.right; ++x)
            visit(x, y);
}

// Visits at most maxLines lines of text. A CR ends a line and takes an LF right after it
// along; with lfEnds an LF alone ends one too. Returns the number of lines visited.
template <class Visit>
int ForEachLine(std::string_view text, bool lfEnds, int maxLines, Visit&& visit) {
    const auto endsLine = [lfEnds](char c) { return c == '\r' || (lfEnds && c == '\n'); };
    std::size_t pos = 0;
    int lines = 0;
    while (pos < text.size() && lines < maxLines) {
        std::size_t end = pos;
        while (end < text.size() && !endsLine(text[end]))
            ++end;
        visit(text.substr(pos, end - pos), lines++);
        if (end == text.size())
            break;
        pos = end + 1;
        if (text[end] == '\r' && pos < text.size() && text[pos] == '\n')
            ++pos;
    }
    return lines;
}

void AddField(CPlainPaste& paste, int col, int row, std::string_view text) {
    paste.fields.push_back({col, row, std::string(Cp932Truncate(text, MAX_TEXT_BYTES))});
}

// One CSV line into fields from column col; returns how many fields it counts.
int SplitCsvLine(std::string_view line, int col, int row, CPlainPaste& paste) {
    // Beyond one byte more than a cell holds a field is cut anyway.
    constexpr std::size_t keep = MAX_TEXT_BYTES + 1;
    std::string field;
    bool inQuotes = false;
    int commas = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char b = line[i];
        if (b == '"') {
            if (!inQuotes) {
                inQuotes = true;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                if (field.size() < keep)
                    field.push_back('"');
                ++i;
            } else {
                inQuotes = false;
            }
            continue;
        }
        if (b == ',' && !inQuotes) {
            const int column = col + commas++;
            if (!field.empty())
                AddField(paste, column, row, field);
            field.clear();
            if (column >= MAX_CELLS)
                return commas;
            continue;
        }
        if (field.size() < keep)
            field.push_back(b);
    }
    if (field.empty())
        return commas;
    if (col + commas <= MAX_CELLS)
        AddField(paste, col + commas, row, field);
    return commas + 1;
}

// One tab-separated line into fields from column col; returns its number of Tabs.
int SplitTabLine(std::string_view line, int col, int row, CPlainPaste& paste) {
    int tabs = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(line.find('\t', start), line.size());
        if (end > start && col + tabs <= MAX_CELLS)
            AddField(paste, col + tabs, row, line.substr(start, end - start));
        if (end == line.size())
            return tabs;
        ++tabs;
        start = end + 1;
    }
}

void AppendCsvField(std::string& out, const std::string& text) {
    if (text.find_first_of(",\"") == std::string::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace

bool DeleteInRect(CEditModel model, const CCellRect& rect, bool withLines) {
    bool removed = false;
    ForEachCell(rect, [&](int x, int y) {
        const auto [ox, oy] = model.spans.GetOrigin(x, y);
        removed |= model.cells.DeleteCell(ox, oy);
        if (withLines) {
            removed |= model.hLines.ClearLine(x, y);
            removed |= model.hLines.ClearLine(x, y + 1);
            removed |= model.vLines.ClearLine(y, x);
            removed |= model.vLines.ClearLine(y, x + 1);
        }
    });
    return removed;
}

bool TouchesCoveredCell(const CSpanMap& spans, const CCellRect& rect) {
    const auto covered = [&](int x, int y) {
        return IsCellIndex(x) && IsCellIndex(y) && !spans.IsOrigin(x, y);
    };
    for (int y = rect.top; y <= rect.bottom; ++y)
        for (int x = rect.left; x <= rect.right; ++x)
            if (covered(x, y) || covered(x + 1, y) || covered(x, y + 1))
                return true;
    return false;
}

CCellRect PasteTarget(const CCellBlock& block, int tx, int ty) {
    const CCellRect& b = block.Rect();
    return {tx, ty, std::min(MAX_CELLS, tx + b.right - b.left),
            std::min(MAX_CELLS, ty + b.bottom - b.top)};
}

namespace {

// Visits the extent, cut at the table's edge, that each of block's records covers when block
// is pasted at (tx, ty).
template <class Visit>
void ForEachPastedExtent(const CCellBlock& block, int tx, int ty, Visit&& visit) {
    const CCellRect& b = block.Rect();
    ForEachCell(b, [&](int x, int y) {
        const CCellData* rec = block.Cells().GetCell(x, y);
        const int px = tx + x - b.left;
        const int py = ty + y - b.top;
        if (!rec || !IsCellIndex(px) || !IsCellIndex(py))
            return;
        visit(CCellRect{px, py, std::min(MAX_CELLS, px + rec->colspan - 1),
                        std::min(MAX_CELLS, py + rec->rowspan - 1)});
    });
}

} // namespace

CCellRect PasteRegion(const CCellArray& cells, const CSpanMap& spans, const CCellBlock& block,
                      int tx, int ty) {
    CCellRect box = PasteTarget(block, tx, ty);
    ForEachPastedExtent(block, tx, ty, [&](const CCellRect& e) {
        box.right = std::max(box.right, e.right);
        box.bottom = std::max(box.bottom, e.bottom);
    });
    return SpanHull(cells, spans, box);
}

void PasteBlock(CEditModel model, CCellBlock& block, int tx, int ty) {
    DeleteInRect(model, PasteTarget(block, tx, ty), false);
    // Room for pasted spans that reach beyond the target rectangle.
    ForEachPastedExtent(block, tx, ty, [&](const CCellRect& e) {
        ForEachCell(e, [&](int x, int y) {
            const auto [ox, oy] = model.spans.GetOrigin(x, y);
            model.cells.DeleteCell(ox, oy);
        });
    });
    block.PasteAt(tx, ty);
}

std::string SelectionText(const CCellArray& cells, const CSpanMap& spans, const CCellRect& rect,
                          TextSeparator sep) {
    const bool csv = sep == TextSeparator::Comma;
    const char separator = csv ? ',' : '\t';
    std::string out;
    for (int y = rect.top; y <= rect.bottom; ++y) {
        int previous = rect.left;
        for (int x = rect.left; x <= rect.right; ++x) {
            const CCellData* rec = cells.GetCell(x, y);
            if (!rec || !spans.IsOrigin(x, y))
                continue;
            out.append(static_cast<std::size_t>(x - previous), separator);
            previous = x;
            if (csv)
                AppendCsvField(out, rec->text);
            else
                out += rec->text;
        }
        out += "\r\n";
    }
    return out;
}

CPlainPaste ParsePlainText(std::string_view text, TextSeparator sep, int col, int row) {
    CPlainPaste paste;
    const bool csv = sep == TextSeparator::Comma;
    // At most one field per separator or line end and the last one, and one per cell.
    const char separator = csv ? ',' : '\t';
    const auto breaks = std::count_if(
        text.begin(), text.end(), [&](char c) { return c == separator || c == '\n' || c == '\r'; });
    paste.fields.reserve(
        static_cast<std::size_t>(std::min<std::ptrdiff_t>(breaks + 1, CELL_COUNT)));
    const bool lfEnds = csv || text.find('\r') == std::string_view::npos;
    int widest = csv ? 1 : 0;
    const int lines =
        ForEachLine(text, lfEnds, MAX_CELLS - row + 1, [&](std::string_view line, int index) {
            const int y = row + index;
            widest = std::max(widest, csv ? SplitCsvLine(line, col, y, paste)
                                          : SplitTabLine(line, col, y, paste));
        });
    // CSV counts fields, tab-separated text the Tabs between them.
    const int width = csv ? widest - 1 : widest;
    paste.area = {col, row, std::min(MAX_CELLS, col + width),
                  std::min(MAX_CELLS, row + std::max(lines, 1) - 1)};
    return paste;
}

void ApplyPlainPaste(CCellArray& cells, const CSpanMap& spans, const CPlainPaste& paste) {
    const CCellRect& area = paste.area;
    ForEachCell(area, [&](int x, int y) {
        const auto [ox, oy] = spans.GetOrigin(x, y);
        if (!area.Contains(ox, oy))
            cells.DeleteCell(ox, oy);
    });
    CCellData rec;
    auto field = paste.fields.begin();
    ForEachCell(area, [&](int x, int y) {
        if (field != paste.fields.end() && field->col == x && field->row == y) {
            rec.text = field->text;
            cells.SetCell(x, y, rec);
            ++field;
        } else {
            cells.DeleteCell(x, y);
        }
    });
}

std::string ClipboardWriteMessage(ClipboardWrite result) {
    switch (result) {
    case ClipboardWrite::NoMemory:
        return kMsgClipboardNoMemory;
    case ClipboardWrite::OpenFailed:
        return kMsgClipboardOpenFailed;
    case ClipboardWrite::EmptyFailed:
        return kMsgClipboardEmptyFailed;
    default:
        return kMsgClipboardSetFailed;
    }
}

std::string UnreadableCellMessage(int col, int row) {
    std::string text = "列 ";
    text += std::to_string(col);
    text += "、行 ";
    text += std::to_string(row);
    text += " のセルの文字列に、コードページ932の文字として読めないバイトが含まれているため、"
            "クリップボードにコピーできません！";
    return text;
}

std::string UnconvertiblePasteMessage(const std::string& character) {
    std::string text = "クリップボードのテキストに、コードページ932で表せない文字「";
    text += character;
    text += "」が含まれているため、貼り付けられません！";
    return text;
}
