#pragma once

#include "ModelTypes.h"

#include <algorithm>

class CCellArray;
class CLineArray;
class CSpanMap;

// What the writers read: the grid, its span map after span normalisation, and both line arrays.
struct CGenerateModel {
    const CCellArray& cells;
    const CSpanMap& spans;
    const CLineArray& hLines;
    const CLineArray& vLines;
};

// Receives the progress of one run: the range first, then each row edge y1 .. y2 + 1 in order.
class IGenerateProgress {
public:
    virtual ~IGenerateProgress() = default;
    virtual void SetRange(int first, int last) = 0;
    virtual void SetPos(int pos) = 0;
};

namespace generator_detail {

// The region with its corners ordered and clipped to the table.
inline CCellRect ClipRegion(const CCellRect& region) {
    CCellRect r = region.Normalized();
    r.left = std::clamp(r.left, 1, MAX_CELLS);
    r.right = std::clamp(r.right, 1, MAX_CELLS);
    r.top = std::clamp(r.top, 1, MAX_CELLS);
    r.bottom = std::clamp(r.bottom, 1, MAX_CELLS);
    return r;
}

} // namespace generator_detail
