#include "EditCommands.h"

#include "CellArray.h"
#include "CellBlock.h"
#include "SpanMap.h"

#include <memory>

void PlaceSpan(CCellArray& cells, const CSpanMap& spans, const CCellRect& block, CCellData rec) {
    for (int y = block.top; y <= block.bottom; ++y) {
        for (int x = block.left; x <= block.right; ++x) {
            const auto [ox, oy] = spans.GetOrigin(x, y);
            cells.DeleteCell(ox, oy);
        }
    }
    rec.SetColspan(block.right - block.left + 1);
    rec.SetRowspan(block.bottom - block.top + 1);
    cells.SetCell(block.left, block.top, rec);
}

CCellData InPlaceRecord(const std::string& text, const CCellRect& sel) {
    CCellData rec;
    rec.text = text;
    rec.SetColspan(sel.right - sel.left + 1);
    rec.SetRowspan(sel.bottom - sel.top + 1);
    return rec;
}

int SetHorizontalPlacement(CCellArray& cells, const CCellRect& sel, int hplace) {
    int found = 0;
    for (int y = sel.top; y <= sel.bottom; ++y) {
        for (int x = sel.left; x <= sel.right; ++x) {
            if (CCellData* rec = cells.GetCell(x, y)) {
                rec->SetHplace(hplace);
                ++found;
            }
        }
    }
    return found;
}

bool IsMathText(const std::string& text) {
    return !text.empty() && text.front() == '$' && text.back() == '$';
}

int ToMath(CCellArray& cells, const CCellRect& sel) {
    int changed = 0;
    for (int y = sel.top; y <= sel.bottom; ++y) {
        for (int x = sel.left; x <= sel.right; ++x) {
            CCellData* rec = cells.GetCell(x, y);
            if (!rec || rec->text.empty() || IsMathText(rec->text) ||
                rec->text.size() + 2 > MAX_TEXT_BYTES)
                continue;
            rec->text.insert(rec->text.begin(), '$');
            rec->text.push_back('$');
            ++changed;
        }
    }
    return changed;
}

int ToPlain(CCellArray& cells, const CCellRect& sel) {
    int changed = 0;
    for (int y = sel.top; y <= sel.bottom; ++y) {
        for (int x = sel.left; x <= sel.right; ++x) {
            CCellData* rec = cells.GetCell(x, y);
            if (!rec || !IsMathText(rec->text))
                continue;
            rec->text =
                rec->text.size() <= 2 ? std::string() : rec->text.substr(1, rec->text.size() - 2);
            ++changed;
        }
    }
    return changed;
}

CUndoResult UndoLastEdit(CCellBlock& undo, CEditModel model) {
    // The present state of the region, spans that reach out of it included.
    auto current = std::make_unique<CCellBlock>();
    current->Attach(model.cells, model.hLines, model.vLines, model.sizes);
    const CCellRect region = SpanHull(model.cells, model.spans, undo.Rect());
    current->Save(region);

    undo.RestoreInPlace();
    NormalizeSpans(model.cells, model.hLines, model.vLines, model.spans);
    const bool widthsChanged = undo.WidthsChanged();
    undo.CopyFrom(*current);
    return {region, widthsChanged};
}
