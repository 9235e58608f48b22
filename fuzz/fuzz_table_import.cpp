// Reads arbitrary bytes as LaTeX table source (built with BRINDLE_FUZZ_HTML: as HTML). A table
// that was read must lie inside the sheet, be span-normal, and its generated source must read
// back into a table that generates the same source. For HTML this is asked of the second
// round: a cell text is the source the parser gave it, and markup the parser dropped as stray
// (an "</TD>" inside a TH) is taken literally once it stands in the generated TD again. A
// cell text that does not stay inside a TD of its own (an unclosed quote, nested TABLE or
// BODY tag takes in what follows it) is only checked for what it reads.
#include "Generator.h"
#include "SpanMap.h"
#include "TableImport.h"
#include "TextCodec.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

#ifdef BRINDLE_FUZZ_HTML
constexpr TableSourceFormat FORMAT = TableSourceFormat::Html;
#else
constexpr TableSourceFormat FORMAT = TableSourceFormat::Latex;
#endif

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

std::string Generate(CImportedTable& t, CSpanMap& spans) {
    Check(!NormalizeSpans(t.cells, t.hLines, t.vLines, spans), "the import is span-normal");
    std::string out;
    GenerateSource(t.target, {t.cells, spans, t.hLines, t.vLines}, {1, 1, t.columns, t.rows},
                   t.options, out);
    return out;
}

// Generated source as a file on this desktop holds it: UTF-8. No value when the bytes cannot
// make that trip unchanged: code page 932 bytes that pass for UTF-8 would read back as other
// characters, and characters that code page 932 has twice come back as the other code.
std::optional<std::string> AsFile(const std::string& source) {
    if (const std::optional<std::string> utf8 = Cp932ToUtf8(source);
        utf8 && Utf8ToCp932(*utf8) == source)
        return utf8;
    if (IsValidUtf8(source))
        return std::nullopt;
    return source;
}

// True when every cell text comes back as the text of a TD of its own, followed as the writer
// follows it: by another cell of the row, or by the end of the row and another row. A text
// must not end inside a tag either (the end of the table would follow it).
bool TextsStayInTheirCells(const CImportedTable& t, CImportedTable& probe) {
    std::vector<const std::string*> texts;
    for (int r = 1; r <= t.rows; ++r)
        for (int c = 1; c <= t.columns; ++c)
            if (const CCellData* rec = t.cells.GetCell(c, r))
                texts.push_back(&rec->text);
    for (const std::string* text : texts) {
        const std::size_t lt = text->rfind('<');
        if (lt != std::string::npos && text->find('>', lt) == std::string::npos)
            return false;
    }
    for (const char* after :
         {"</TD> <TD>end</TD> </TR>\r\n", "</TD> </TR>\r\n<TR> <TD>end</TD> </TR>\r\n"}) {
        std::string html = "<TABLE>\r\n";
        for (const std::string* text : texts)
            html += "<TR> <TD>" + *text + after;
        html += "</TABLE>\r\n";
        const std::optional<std::string> file = AsFile(html);
        if (texts.empty())
            return true;
        if (!file || ImportTableSource(*file, TableSourceFormat::Html, probe))
            return false;
        const bool sameRow = after[7] != '/';
        const int rowsPerText = sameRow ? 1 : 2;
        if (probe.rows != static_cast<int>(texts.size()) * rowsPerText)
            return false;
        for (std::size_t k = 0; k < texts.size(); ++k) {
            const int y = static_cast<int>(k) * rowsPerText + 1;
            const CCellData* first = probe.cells.GetCell(1, y);
            const CCellData* end =
                sameRow ? probe.cells.GetCell(2, y) : probe.cells.GetCell(1, y + 1);
            if (!first || first->text != *texts[k] || !end || end->text != "end")
                return false;
        }
    }
    return true;
}

void Show(const char* title, const std::string& bytes) {
    std::fputs(title, stderr);
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
    std::fputs("\n", stderr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto first = std::make_unique<CImportedTable>();
    static const auto second = std::make_unique<CImportedTable>();
    static const auto spans = std::make_unique<CSpanMap>();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto error = ImportTableSource(bytes, FORMAT, *first)) {
        Check(error->position.line >= 1 && error->position.column >= 1, "error position");
        Check(!error->message.empty(), "error message");
        Check(first->cells.IsEmpty() && first->hLines.IsEmpty(), "a failed import is empty");
        return 0;
    }
    CImportedTable& t = *first;
    Check(t.columns >= 1 && t.columns <= MAX_CELLS && t.rows >= 1 && t.rows <= MAX_CELLS,
          "size within the sheet");
    int inside = 0;
    for (int r = 1; r <= t.rows; ++r) {
        for (int c = 1; c <= t.columns; ++c) {
            const CCellData* rec = t.cells.GetCell(c, r);
            if (!rec)
                continue;
            ++inside;
            Check(c + rec->colspan - 1 <= t.columns && r + rec->rowspan - 1 <= t.rows,
                  "spans inside the table");
            Check(rec->text.size() <= MAX_TEXT_BYTES, "text length");
        }
    }
    Check(inside == t.cells.Count(), "records inside the table");
    if (FORMAT == TableSourceFormat::Html && !TextsStayInTheirCells(t, *second))
        return 0;
    std::string source = Generate(t, *spans);
    for (int round = FORMAT == TableSourceFormat::Html ? 2 : 1; round > 0; --round) {
        const std::optional<std::string> file = AsFile(source);
        if (!file)
            return 0;
        if (const auto again = ImportTableSource(*file, FORMAT, *second)) {
            std::fprintf(stderr, "the generated source does not read back: %s\n",
                         again->Describe().c_str());
            std::abort();
        }
        const std::string next = Generate(*second, *spans);
        if (round == 1 && next != source) {
            Show("generated:\n", source);
            Show("read back and generated:\n", next);
            Check(false, "generate(import(generate(T))) == generate(T)");
        }
        source = next;
    }
    return 0;
}
