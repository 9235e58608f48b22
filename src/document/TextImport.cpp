#include "TextImport.h"

#include "TextCodec.h"

#include <algorithm>

std::string ToTextMode(std::string_view raw) {
    const std::size_t end = std::min(raw.find('\x1A'), raw.size());
    std::string out;
    out.reserve(end);
    for (std::size_t i = 0; i < end; ++i) {
        if (raw[i] == '\r' && i + 1 < end && raw[i + 1] == '\n')
            continue;
        out.push_back(raw[i]);
    }
    return out;
}

std::vector<std::pair<int, std::string>> SplitTextLine(std::string_view line, TextSeparator sep) {
    const bool csv = sep == TextSeparator::Comma;
    const char separator = csv ? ',' : '\t';
    std::vector<std::pair<int, std::string>> fields;
    int column = 0;
    bool inQuotes = false;
    std::string field;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char b = line[i];
        if (csv && b == '"') {
            // A quote opens quoting anywhere, also inside a field; inside quotes a doubled
            // quote is one quote, a quote before any other byte closes, a final quote is ignored.
            if (!inQuotes) {
                inQuotes = true;
            } else if (i + 1 < line.size()) {
                if (line[i + 1] == '"') {
                    field.push_back('"');
                    ++i;
                } else {
                    inQuotes = false;
                }
            }
            continue;
        }
        if (b == separator && !inQuotes) {
            ++column;
            if (!field.empty())
                fields.emplace_back(column, std::move(field));
            field.clear();
            if (column >= MAX_CELLS)
                return fields;
            continue;
        }
        field.push_back(b);
    }
    if (!field.empty())
        fields.emplace_back(column + 1, std::move(field));
    return fields;
}

int ImportTextLines(std::string_view text, TextSeparator sep, CCellArray& cells) {
    std::size_t pos = 0;
    int row = 0;
    CCellData rec;
    while (pos < text.size()) {
        // One piece: up to and including the next LF, at most 2046 bytes; cut at the LF.
        const std::size_t limit = std::min(text.size() - pos, IMPORT_PIECE_BYTES);
        const std::string_view window = text.substr(pos, limit);
        const std::size_t lf = window.find('\n');
        const std::string_view piece = lf == std::string_view::npos ? window : window.substr(0, lf);
        pos += lf == std::string_view::npos ? limit : lf + 1;
        if (++row > MAX_CELLS)
            return MAX_CELLS;
        for (auto& [column, fieldText] : SplitTextLine(piece, sep)) {
            rec.text = Cp932Truncate(fieldText, MAX_TEXT_BYTES);
            cells.SetCell(column, row, rec);
        }
    }
    return row;
}
