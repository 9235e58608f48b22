#include "TableImport.h"

#include "HtmlReader.h"
#include "LatexReader.h"
#include "SourceText.h"

#include <memory>

using namespace importer_detail;

std::string CTableImportError::Describe() const {
    return "line " + std::to_string(position.line) + ", column " + std::to_string(position.column) +
           ": " + message;
}

void CImportedTable::Clear() {
    cells.DeleteAll();
    hLines.ClearAll();
    vLines.ClearAll();
    columns = 0;
    rows = 0;
    target = 0;
    options = COptionsRecord();
    warnings.clear();
}

std::optional<CTableImportError> ImportTableSource(std::string_view bytes, TableSourceFormat format,
                                                   CImportedTable& table,
                                                   std::optional<TextEncoding> encoding) {
    table.Clear();
    CDecodedSource source;
    if (std::optional<CTableImportError> error =
            DecodeSource(bytes, format == TableSourceFormat::Html, source, encoding))
        return error;
    const bool html = format == TableSourceFormat::Html;
    // Positions are counted in the text the reader works on; both forms hold the same
    // characters, so line and column are those of the input.
    const CSourceText text(html ? std::string_view(source.utf8) : std::string_view(source.cp932),
                           html);
    try {
        if (html)
            ReadHtmlTable(source, table);
        else
            ReadLatexTable(text, table);
    } catch (const CSourceError& e) {
        CTableImportError error{text.PositionAt(e.offset), e.message};
        table.Clear();
        return error;
    }
    // Readers place no record under another's span, so span normalisation comes down to
    // clearing the lines inside spans; done over the table only, not the whole sheet.
    for (int y = 1; y <= table.rows; ++y) {
        for (int x = 1; x <= table.columns; ++x) {
            const CCellData* rec = table.cells.GetCell(x, y);
            if (!rec || (rec->colspan == 1 && rec->rowspan == 1))
                continue;
            for (int j = 0; j < rec->rowspan; ++j) {
                for (int k = 0; k < rec->colspan; ++k) {
                    if (k != 0)
                        table.vLines.ClearLine(y + j, x + k);
                    if (j != 0)
                        table.hLines.ClearLine(x + k, y + j);
                }
            }
        }
    }
    return std::nullopt;
}

std::unique_ptr<CImportedTable> ImportTableSource(std::string_view bytes, TableSourceFormat format,
                                                  CTableImportError& error,
                                                  std::optional<TextEncoding> encoding) {
    auto table = std::make_unique<CImportedTable>();
    if (std::optional<CTableImportError> e = ImportTableSource(bytes, format, *table, encoding)) {
        error = std::move(*e);
        return nullptr;
    }
    return table;
}

std::optional<TableSourceFormat> TableSourceFormatFromName(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return std::nullopt;
    std::string ext(path.substr(dot + 1));
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    if (ext == "tex" || ext == "ltx" || ext == "latex")
        return TableSourceFormat::Latex;
    if (ext == "html" || ext == "htm" || ext == "xhtml")
        return TableSourceFormat::Html;
    return std::nullopt;
}

namespace {

// The first "<name" of text at or after from, in any case; npos when there is none.
std::size_t FindTag(std::string_view text, std::string_view name, std::size_t from) {
    for (std::size_t i = text.find('<', from); i != std::string_view::npos;
         i = text.find('<', i + 1)) {
        bool same = i + 1 + name.size() <= text.size();
        for (std::size_t k = 0; k < name.size() && same; ++k)
            same = (text[i + 1 + k] | 0x20) == name[k];
        if (same)
            return i;
    }
    return std::string_view::npos;
}

} // namespace

TableSourceFormat GuessTableSourceFormat(std::string_view bytes) {
    const std::size_t table = FindTag(bytes, "table", 0);
    if (table == std::string_view::npos)
        return TableSourceFormat::Latex;
    std::size_t cell = FindTag(bytes, "td", table);
    cell = std::min(cell, FindTag(bytes, "th", table));
    if (cell == std::string_view::npos)
        return TableSourceFormat::Latex;
    for (const std::string_view env : {"\\begin{tabular", "\\begin{array}", "\\begin{longtable}"}) {
        const std::size_t at = bytes.find(env);
        if (at != std::string_view::npos && at < table)
            return TableSourceFormat::Latex;
    }
    return TableSourceFormat::Html;
}
