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

namespace {

// Start of the UTF-8 character that holds byte i (i itself when it starts one).
std::size_t Utf8CharStart(std::string_view s, std::size_t i) {
    while (i > 0 && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
        --i;
    return i;
}

// Visits every line piece of text with its row (from 1) and the file's line (from 1); at
// most 250 rows. Returns the number of rows taken. In UTF-8 a piece that would end inside a
// character ends before it.
template <typename Visit> int ForEachPiece(std::string_view text, bool utf8, Visit&& visit) {
    std::size_t pos = 0;
    int row = 0;
    int line = 1;
    while (pos < text.size()) {
        // One piece: up to and including the next LF, at most 2046 bytes; cut at the LF.
        std::size_t limit = std::min(text.size() - pos, IMPORT_PIECE_BYTES);
        if (utf8 && limit < text.size() - pos) {
            const std::size_t start = Utf8CharStart(text, pos + limit);
            if (start > pos)
                limit = start - pos;
        }
        const std::string_view window = text.substr(pos, limit);
        const std::size_t lf = window.find('\n');
        const std::string_view piece = lf == std::string_view::npos ? window : window.substr(0, lf);
        pos += lf == std::string_view::npos ? limit : lf + 1;
        if (++row > MAX_CELLS)
            return MAX_CELLS;
        if (!visit(row, line, piece))
            return row;
        if (lf != std::string_view::npos)
            ++line;
    }
    return row;
}

// The first character of a UTF-8 text that code page 932 cannot hold.
std::string FirstUnconvertible(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t next = i + 1;
        while (next < utf8.size() && (static_cast<unsigned char>(utf8[next]) & 0xC0) == 0x80)
            ++next;
        const std::string_view ch = utf8.substr(i, next - i);
        if (!Utf8ToCp932(ch))
            return std::string(ch);
        i = next;
    }
    return {};
}

} // namespace

int ImportTextLines(std::string_view text, TextSeparator sep, CCellArray& cells) {
    CCellData rec;
    return ForEachPiece(text, false, [&](int row, int /*line*/, std::string_view piece) {
        for (auto& [column, fieldText] : SplitTextLine(piece, sep)) {
            rec.text = Cp932Truncate(fieldText, MAX_TEXT_BYTES);
            cells.SetCell(column, row, rec);
        }
        return true;
    });
}

CTextFileImport ImportTextData(std::string_view raw, TextSeparator sep, CCellArray& cells,
                               std::optional<TextEncoding> encoding) {
    const std::string text = ToTextMode(raw);
    CTextFileImport result;
    std::size_t skip = 0;
    if (encoding) {
        result.encoding = *encoding;
        if (*encoding == TextEncoding::Utf8 && text.starts_with("\xEF\xBB\xBF"))
            skip = 3;
    } else {
        const CTextEncoding detected = DetectTextEncoding(text);
        result.encoding = detected.encoding;
        skip = detected.bomLength;
    }
    if (result.encoding == TextEncoding::Cp932) {
        result.rows = ImportTextLines(text, sep, cells);
        return result;
    }
    // Everything is converted before anything is stored.
    struct CField {
        int column, row;
        std::string text;
    };
    std::vector<CField> fields;
    result.rows = ForEachPiece(
        std::string_view(text).substr(skip), true, [&](int row, int line, std::string_view piece) {
            for (auto& [column, fieldText] : SplitTextLine(piece, sep)) {
                std::optional<std::string> cp932 = Utf8ToCp932(fieldText);
                if (!cp932) {
                    result.refused =
                        CUnconvertibleField{line, column, FirstUnconvertible(fieldText)};
                    return false;
                }
                fields.push_back({column, row, std::string(Cp932Truncate(*cp932, MAX_TEXT_BYTES))});
            }
            return true;
        });
    if (result.refused)
        return result;
    CCellData rec;
    for (CField& f : fields) {
        rec.text = std::move(f.text);
        cells.SetCell(f.column, f.row, rec);
    }
    return result;
}

std::string UnconvertibleFieldMessage(const std::string& pathUtf8, const CUnconvertibleField& f) {
    const std::string shown = f.character.empty() ? std::string("?") : f.character;
    return pathUtf8 + "\n" + std::to_string(f.line) + "行目の" + std::to_string(f.field) +
           "番目の項目に、コードページ932で表せない文字「" + shown + "」が含まれています！";
}
