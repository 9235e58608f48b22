#include "CellSizeData.h"

#include "CellArray.h"
#include "CellSize.h"

#include <algorithm>
#include <cstdio>

std::string CellSizeTitle(int col) {
    char text[64];
    std::snprintf(text, sizeof text, "%d列目のセルのサイズ", col);
    return text;
}

std::string CellSizeTitle(int first, int last) {
    char text[96];
    std::snprintf(text, sizeof text, "%d列目から %d列目のセルのサイズ", first, last);
    return text;
}

std::string AllCellsSizeTitle() {
    return "全てのセルのサイズ";
}

std::string RangeMessage(int min, int max) {
    char text[96];
    std::snprintf(text, sizeof text, "%d から %d までの整数を入力してください。", min, max);
    return text;
}

int WidthForText(int cx) {
    return std::clamp(cx + 14, MIN_COLUMN_WIDTH, MAX_COLUMN_WIDTH);
}

int HeightForLine(int cy) {
    return std::clamp(cy + 14, MIN_ROW_HEIGHT, MAX_ROW_HEIGHT);
}

const std::string* LongestText(const CCellArray& cells, int col, int top, int bottom) {
    const std::string* longest = nullptr;
    for (int row = top; row <= bottom; ++row) {
        const CCellData* rec = cells.GetCell(col, row);
        if (rec && !rec->text.empty() && (!longest || rec->text.size() > longest->size()))
            longest = &rec->text;
    }
    return longest;
}

int SetColumnWidths(CCellSize& sizes, int first, int last, int width) {
    int changed = 0;
    for (int col = first; col <= last; ++col)
        changed += sizes.SetWidth(col, width);
    return changed;
}
