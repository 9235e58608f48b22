#include "TexDocument.h"

#include "CellArray.h"
#include "TextCodec.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace {

// Widest text of a code page 932 byte, in big points at 10 pt (a double-byte character is one
// em wide), and what a cell adds besides its text: the column separation and a rule.
constexpr double BP_PER_BYTE = 6;
constexpr double CELL_EXTRA = 14;
constexpr double ROW_HEIGHT = 16;
// The room a caption line and a float's skips take, and slack for what the guess misses.
constexpr double CAPTION_ROOM = 40;
constexpr double SLACK = 60;

std::string Bp(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
    return std::string(buf, r.ptr) + "bp";
}

// CR LF and a lone CR become LF.
std::string ToLf(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r') {
            out.push_back('\n');
            if (i + 1 < s.size() && s[i + 1] == '\n')
                ++i;
        } else {
            out.push_back(s[i]);
        }
    }
    return out;
}

} // namespace

std::optional<CRenderSource> MakeRenderSource(int target, const CGenerateModel& model,
                                              const CCellRect& region,
                                              const COptionsRecord& options, std::string& error) {
    if (target != TARGET_TABULAR && target != TARGET_ARRAY) {
        error = "only the LaTeX targets (tabular and array) are typeset here";
        return std::nullopt;
    }
    CRenderSource src;
    src.target = target;
    src.options = options;

    // The document lines come from the wrapper; the source keeps everything else.
    COptionsRecord o = options;
    int& docSwitch = target == TARGET_ARRAY ? o.ArrayDoc : o.Doc;
    src.sourceLineOffset = docSwitch ? 3 : 0;
    docSwitch = 0;

    std::string cp932;
    GenerateSource(target, model, region, o, cp932);
    const bool ascii = std::all_of(cp932.begin(), cp932.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    std::optional<std::string> utf8 = Cp932ToUtf8(cp932);
    if (!utf8) {
        error = "the table holds bytes that are not code page 932 text";
        return std::nullopt;
    }
    src.body = ToLf(*utf8);
    src.engine = ascii ? TexEngine::Pdflatex : TexEngine::Lualatex;

    const CCellRect r = generator_detail::ClipRegion(region);
    double width = 0;
    for (int x = r.left; x <= r.right; ++x) {
        std::size_t widest = 0;
        for (int y = r.top; y <= r.bottom; ++y)
            if (const CCellData* rec = model.cells.GetCell(x, y))
                widest = std::max(widest, rec->text.size());
        width += static_cast<double>(widest) * BP_PER_BYTE + CELL_EXTRA;
    }
    src.widthGuess = width + SLACK;
    src.heightGuess =
        (r.bottom - r.top + 1) * ROW_HEIGHT + SLACK + (target == TARGET_TABULAR ? CAPTION_ROOM : 0);
    return src;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.emplace_back(text, start, end - start);
        start = end + 1;
    }
    return lines;
}

CTexDocument BuildTexDocument(const CRenderSource& source, const CPageSetup& page) {
    const bool lua = source.engine == TexEngine::Lualatex;
    std::vector<std::string> head = {
        lua ? "\\documentclass{ltjarticle}" : "\\documentclass{article}",
        (lua ? "\\pagewidth=" : "\\pdfpagewidth=") + Bp(page.width),
        (lua ? "\\pageheight=" : "\\pdfpageheight=") + Bp(page.height),
        // The page's corner sits at (left, top) of a layout whose text area starts `margin`
        // from the corner; TeX's own origin is one inch in.
        "\\hoffset=" + Bp(-72 - page.left),
        "\\voffset=" + Bp(-72 - page.top),
        "\\oddsidemargin=" + Bp(page.margin),
        "\\evensidemargin=" + Bp(page.margin),
        "\\topmargin=" + Bp(page.margin),
        "\\headheight=0pt",
        "\\headsep=0pt",
        "\\footskip=0pt",
        "\\textheight=" + Bp(page.textHeight),
        "\\pagestyle{empty}",
        "\\begin{document}",
        std::string("\\typeout{") + BODY_MARKER + "}",
    };
    // An array needs math mode; its own Math option supplies it when set.
    const bool addMath =
        source.target == TARGET_ARRAY && source.options.Math != 1 && source.options.Math != 2;
    if (addMath)
        head.push_back("\\(");

    CTexDocument doc;
    for (const std::string& line : head) {
        doc.text += line;
        doc.text += '\n';
    }
    doc.bodyFirstLine = static_cast<int>(head.size()) + 1;
    doc.text += source.body;
    if (!source.body.empty() && source.body.back() != '\n')
        doc.text += '\n';
    doc.bodyLineCount = static_cast<int>(SplitLines(source.body).size());
    if (addMath)
        doc.text += "\\)\n";
    // LaTeX only warns about a group left open at the end; a table that leaves one is broken.
    doc.text += "\\ifnum\\currentgrouplevel>0 \\errmessage{The table leaves a group open: an "
                "opening brace without its closing brace}\\fi\n";
    doc.text += "\\end{document}\n";
    return doc;
}
