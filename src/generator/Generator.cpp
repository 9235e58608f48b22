#include "Generator.h"

#include "HtmlWriter.h"
#include "LatexWriter.h"

#include <algorithm>
#include <charconv>

bool GenerateSource(int target, const CGenerateModel& model, const CCellRect& region,
                    const COptionsRecord& options, std::string& out,
                    IGenerateProgress* progress) {
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

namespace generator_detail {

CCellRect ClipRegion(const CCellRect& region) {
    CCellRect r = region.Normalized();
    r.left = std::clamp(r.left, 1, MAX_CELLS);
    r.right = std::clamp(r.right, 1, MAX_CELLS);
    r.top = std::clamp(r.top, 1, MAX_CELLS);
    r.bottom = std::clamp(r.bottom, 1, MAX_CELLS);
    return r;
}

void AppendInt(std::string& out, int v) {
    char buf[16];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, static_cast<std::size_t>(res.ptr - buf));
}

} // namespace generator_detail
