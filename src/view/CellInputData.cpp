#include "CellInputData.h"

#include "CellArray.h"

#include <algorithm>
#include <charconv>

void PrepareCellInput(CCellInputData& data, const CCellArray& cells, const CCellRect& sel) {
    data.m_colspan = sel.right - sel.left + 1;
    data.m_rowspan = sel.bottom - sel.top + 1;
    data.m_maxColspan = MAX_EDGE - sel.left;
    data.m_maxRowspan = MAX_EDGE - sel.top;
    data.m_hplace = 1;
    data.m_vplace = 1;
    if (const CCellData* rec = cells.GetCell(sel.left, sel.top)) {
        data.m_text = rec->text;
        data.m_hplace = rec->hplace;
        data.m_vplace = rec->vplace;
    }
}

CCellRect CellInputBlock(const CCellInputData& data, int col, int row) {
    const int colspan = std::clamp(data.m_colspan, 1, MAX_EDGE - col);
    const int rowspan = std::clamp(data.m_rowspan, 1, MAX_EDGE - row);
    return {col, row, col + colspan - 1, row + rowspan - 1};
}

CCellData CellInputRecord(const CCellInputData& data, int col, int row) {
    const CCellRect block = CellInputBlock(data, col, row);
    CCellData rec;
    rec.text = data.m_text;
    rec.SetHplace(data.m_hplace);
    rec.SetVplace(data.m_vplace);
    rec.SetColspan(block.right - block.left + 1);
    rec.SetRowspan(block.bottom - block.top + 1);
    return rec;
}

bool ParseSpanCount(std::string_view text, int& value) {
    return ParseIntInRange(text, 1, MAX_CELLS, value);
}

bool ParseIntInRange(std::string_view text, int min, int max, int& value) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size())
        return false;
    if (n < min || n > max)
        return false;
    value = n;
    return true;
}
