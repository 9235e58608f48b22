#include "Generator.h"

#include "HtmlWriter.h"
#include "LatexWriter.h"

#include "CellArray.h"
#include "LineArray.h"

#include <algorithm>

bool GenerateSource(int target, const CGenerateModel& model, const CCellRect& region,
                    const COptionsRecord& options, std::string& out, IGenerateProgress* progress) {
    switch (target) {
    case TARGET_TABULAR:
    case TARGET_ARRAY:
        WriteLatex(target == TARGET_ARRAY, model, region, options, out, progress);
        return true;
    case TARGET_HTML:
        WriteHtml(model, region, options, out, progress);
        return true;
    default:
        out.clear();
        return false;
    }
}

CCellRect UsedRegion(const CCellArray& cells, const CLineArray& hLines, const CLineArray& vLines) {
    int right = 1, bottom = 1;
    for (int y = 1; y <= MAX_CELLS; ++y) {
        for (int x = 1; x <= MAX_CELLS; ++x) {
            if (const CCellData* rec = cells.GetCell(x, y)) {
                right = std::max(right, std::min(x + rec->colspan - 1, MAX_CELLS));
                bottom = std::max(bottom, std::min(y + rec->rowspan - 1, MAX_CELLS));
            }
        }
    }
    for (int b = 1; b <= MAX_EDGE; ++b) {
        for (int a = 1; a <= MAX_CELLS; ++a) {
            if (hLines.GetLine(a, b) != LINE_NONE) {
                right = std::max(right, a);
                bottom = std::max(bottom, std::max(b - 1, 1));
            }
            if (vLines.GetLine(a, b) != LINE_NONE) {
                right = std::max(right, std::max(b - 1, 1));
                bottom = std::max(bottom, a);
            }
        }
    }
    return {1, 1, right, bottom};
}
