#include "HtmlReader.h"

#include "Generator.h"
#include "ModelTypes.h"

#include <libxml/HTMLparser.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace importer_detail {

namespace {

bool IsHtmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerTrimmed(std::string_view s) {
    while (!s.empty() && IsHtmlSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsHtmlSpace(s.back()))
        s.remove_suffix(1);
    std::string out(s);
    for (char& c : out)
        c = Lower(c);
    return out;
}

// HTML's non-negative integers: blanks, an optional '+', digits; anything after is ignored.
std::optional<long long> ParseHtmlNumber(const char* value) {
    if (!value)
        return std::nullopt;
    std::string_view s(value);
    while (!s.empty() && IsHtmlSpace(s.front()))
        s.remove_prefix(1);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    long long v = 0;
    std::size_t i = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        v = std::min<long long>(v * 10 + (s[i] - '0'), 1'000'000);
    if (i == 0)
        return std::nullopt;
    return v;
}

int HorizontalPlace(std::string_view value) {
    const std::string v = LowerTrimmed(value);
    if (v == "left" || v == "start" || v == "justify")
        return 0;
    if (v == "center" || v == "middle" || v == "-webkit-center" || v == "-moz-center")
        return 1;
    if (v == "right" || v == "end")
        return 2;
    return -1;
}

int VerticalPlace(std::string_view value) {
    const std::string v = LowerTrimmed(value);
    if (v == "top" || v == "baseline" || v == "text-top")
        return 0;
    if (v == "middle" || v == "center")
        return 1;
    if (v == "bottom" || v == "text-bottom")
        return 2;
    return -1;
}

// The placements an element's attributes give: ALIGN and VALIGN, overruled by the
// text-align and vertical-align of its style attribute.
struct CPlaces {
    int h = -1;
    int v = -1;
};

CPlaces ReadPlaces(const xmlChar** atts) {
    CPlaces p;
    const char* style = nullptr;
    for (int i = 0; atts && atts[i]; i += 2) {
        const auto* name = reinterpret_cast<const char*>(atts[i]);
        const auto* value = reinterpret_cast<const char*>(atts[i + 1]);
        if (!value)
            continue;
        if (std::strcmp(name, "align") == 0)
            p.h = HorizontalPlace(value);
        else if (std::strcmp(name, "valign") == 0)
            p.v = VerticalPlace(value);
        else if (std::strcmp(name, "style") == 0)
            style = value;
    }
    if (style) {
        std::string_view s(style);
        while (!s.empty()) {
            const std::size_t semi = s.find(';');
            std::string_view decl = s.substr(0, semi);
            s = semi == std::string_view::npos ? std::string_view() : s.substr(semi + 1);
            const std::size_t colon = decl.find(':');
            if (colon == std::string_view::npos)
                continue;
            const std::string prop = LowerTrimmed(decl.substr(0, colon));
            std::string_view value = decl.substr(colon + 1);
            if (const std::size_t bang = value.find('!'); bang != std::string_view::npos)
                value = value.substr(0, bang);
            if (prop == "text-align") {
                if (const int h = HorizontalPlace(value); h >= 0)
                    p.h = h;
            } else if (prop == "vertical-align") {
                if (const int v = VerticalPlace(value); v >= 0)
                    p.v = v;
            }
        }
    }
    return p;
}

const char* Attribute(const xmlChar** atts, const char* name, bool& present) {
    present = false;
    for (int i = 0; atts && atts[i]; i += 2) {
        if (std::strcmp(reinterpret_cast<const char*>(atts[i]), name) == 0) {
            present = true;
            return reinterpret_cast<const char*>(atts[i + 1]);
        }
    }
    return nullptr;
}

struct CHtmlCell {
    long long colspan = 1;
    long long rowspan = 1; // 0: to the end of its row group
    CPlaces places;
    bool header = false;
    std::size_t offset = 0; // the start tag
    std::string text;       // code page 932
};

struct CHtmlRow {
    std::vector<CHtmlCell> cells;
    CPlaces places;
    int group = 0;
    std::size_t offset = 0;
};

struct CHtmlGroup {
    CPlaces places;
    bool foot = false;
};

// The SAX handlers' state while the first table is read.
class CHtmlTableSax {
public:
    CHtmlTableSax(const CDecodedSource& source)
        : m_utf8(source.utf8), m_cp932(source.cp932), m_walker(source.utf8, source.cp932) {}

    void Parse();

    bool Found() const { return m_found; }
    std::size_t TableOffset() const { return m_tableOffset; }
    // What the TABLE's style gives its cells (its ALIGN places the table, not the text).
    CPlaces TablePlaces() const { return m_tablePlaces; }
    bool Border() const { return m_border; }
    std::vector<CHtmlRow>& Rows() { return m_rows; }
    std::vector<CHtmlGroup>& Groups() { return m_groups; }

private:
    static void OnStart(void* ctx, const xmlChar* name, const xmlChar** atts);
    static void OnEnd(void* ctx, const xmlChar* name);
    static void OnText(void* ctx, const xmlChar*, int);
    static void OnComment(void* ctx, const xmlChar*);
    static void OnInstruction(void* ctx, const xmlChar*, const xmlChar*);
    static void Quiet(void*, const char*, ...) {}

    std::size_t Cursor() const {
        const long consumed = xmlByteConsumed(m_ctxt);
        return consumed < 0 ? m_utf8.size()
                            : std::min(static_cast<std::size_t>(consumed), m_utf8.size());
    }
    // Offset of the '<' that opened the tag the cursor stands in or after.
    std::size_t TagStart(std::size_t cursor) const {
        const std::size_t lt = m_utf8.rfind('<', cursor == 0 ? 0 : cursor - 1);
        return lt == std::string::npos ? cursor : lt;
    }
    // Where the end tag of name ("</name >") that ends just before the cursor starts, or npos.
    std::size_t EndTagBefore(std::size_t cursor, std::string_view name) const;
    void Start(std::string_view name, const xmlChar** atts);
    void End(std::string_view name);
    void Content() {
        if (m_inCell)
            m_contentEnd = Cursor();
    }
    void FinishCell();
    CHtmlRow& CurrentRow();

    std::string_view m_utf8;
    std::string_view m_cp932;
    COffsetWalker m_walker;
    htmlParserCtxtPtr m_ctxt = nullptr;

    bool m_found = false;
    bool m_done = false;
    int m_depth = 0; // TABLE elements open, the first one counted
    std::size_t m_tableOffset = 0;
    CPlaces m_tablePlaces;
    bool m_border = false;
    std::vector<CHtmlGroup> m_groups;
    std::vector<CHtmlRow> m_rows;
    bool m_inRow = false;
    bool m_inCell = false;
    std::size_t m_contentBegin = 0;
    std::size_t m_contentEnd = 0;
};

CHtmlRow& CHtmlTableSax::CurrentRow() {
    if (!m_inRow) {
        if (m_groups.empty())
            m_groups.push_back({});
        CHtmlRow row;
        row.group = static_cast<int>(m_groups.size()) - 1;
        row.offset = TagStart(Cursor());
        m_rows.push_back(std::move(row));
        m_inRow = true;
    }
    return m_rows.back();
}

std::size_t CHtmlTableSax::EndTagBefore(std::size_t cursor, std::string_view name) const {
    constexpr std::size_t none = std::string_view::npos;
    if (cursor == 0 || m_utf8[cursor - 1] != '>')
        return none;
    std::size_t i = cursor - 1;
    while (i > 0 && IsHtmlSpace(m_utf8[i - 1]))
        --i;
    if (i < name.size() + 2)
        return none;
    for (std::size_t k = 0; k < name.size(); ++k)
        if (Lower(m_utf8[i - name.size() + k]) != name[k])
            return none;
    i -= name.size();
    return m_utf8[i - 1] == '/' && m_utf8[i - 2] == '<' ? i - 2 : none;
}

void CHtmlTableSax::Start(std::string_view name, const xmlChar** atts) {
    if (m_done)
        return;
    const std::size_t cursor = Cursor();
    std::size_t afterTag = cursor;
    if (afterTag < m_utf8.size() && m_utf8[afterTag] == '>')
        afterTag += 1;
    else if (m_utf8.substr(afterTag, 2) == "/>")
        afterTag += 2;
    if (m_depth == 0) {
        if (name != "table")
            return;
        m_found = true;
        m_depth = 1;
        m_tableOffset = TagStart(cursor);
        bool present = false;
        const char* border = Attribute(atts, "border", present);
        const std::optional<long long> width = ParseHtmlNumber(border);
        m_border = present && (!width || *width != 0);
        bool styled = false;
        if (const char* style = Attribute(atts, "style", styled)) {
            const xmlChar* only[] = {reinterpret_cast<const xmlChar*>("style"),
                                     reinterpret_cast<const xmlChar*>(style), nullptr};
            m_tablePlaces = ReadPlaces(only);
        }
        return;
    }
    if (m_inCell) {
        m_contentEnd = afterTag;
        if (name == "table")
            ++m_depth;
        return;
    }
    if (name == "table") {
        ++m_depth;
        return;
    }
    if (m_depth > 1)
        return;
    if (name == "thead" || name == "tbody" || name == "tfoot") {
        m_groups.push_back({ReadPlaces(atts), name == "tfoot"});
        m_inRow = false;
    } else if (name == "tr") {
        m_inRow = false;
        CurrentRow().places = ReadPlaces(atts);
    } else if (name == "td" || name == "th") {
        CHtmlRow& row = CurrentRow();
        CHtmlCell cell;
        cell.header = name == "th";
        cell.offset = TagStart(cursor);
        cell.places = ReadPlaces(atts);
        bool present = false;
        if (const auto n = ParseHtmlNumber(Attribute(atts, "colspan", present)))
            cell.colspan = std::max<long long>(*n, 1);
        if (const auto n = ParseHtmlNumber(Attribute(atts, "rowspan", present)))
            cell.rowspan = *n;
        row.cells.push_back(std::move(cell));
        m_inCell = true;
        m_contentBegin = afterTag;
        m_contentEnd = afterTag;
    }
}

void CHtmlTableSax::FinishCell() {
    std::size_t b = m_contentBegin, e = std::max(m_contentBegin, m_contentEnd);
    while (b < e && IsHtmlSpace(m_utf8[b]))
        ++b;
    // Blanks, and cell end tags the parser passed over as stray (inside an element left
    // open), are no part of the text at its end.
    for (bool more = true; more;) {
        while (e > b && IsHtmlSpace(m_utf8[e - 1]))
            --e;
        more = false;
        for (const std::string_view tag : {"td", "th"}) {
            const std::size_t at = EndTagBefore(e, tag);
            if (at != std::string_view::npos && at >= b) {
                e = at;
                more = true;
            }
        }
    }
    std::string& text = m_rows.back().cells.back().text;
    const std::size_t cb = m_walker.ToCp932(b);
    const std::size_t ce = m_walker.ToCp932(e);
    text.assign(m_cp932.substr(cb, ce - cb));
    m_inCell = false;
}

void CHtmlTableSax::End(std::string_view name) {
    if (m_done || m_depth == 0)
        return;
    const std::size_t cursor = Cursor();
    if (m_inCell) {
        if (m_depth == 1 && (name == "td" || name == "th")) {
            // Closed by its own end tag or a row's or table's: the content ends where that tag
            // starts (tags the parser dropped before it stay in the text). Closed by the next
            // cell's start tag: nothing was read since the last content.
            if (cursor > m_contentEnd) {
                for (const std::string_view closer :
                     {"td", "th", "tr", "tbody", "thead", "tfoot", "table"}) {
                    const std::size_t at = EndTagBefore(cursor, closer);
                    if (at != std::string_view::npos && at >= m_contentEnd) {
                        m_contentEnd = at;
                        break;
                    }
                }
            } else {
                m_contentEnd = cursor;
            }
            FinishCell();
            return;
        }
        // A descendant's end counts as content only when its own end tag was read; ends that
        // the parser implies come after the tag that closes the cell.
        if (EndTagBefore(cursor, name) != std::string_view::npos)
            m_contentEnd = cursor;
        if (name == "table" && m_depth > 1)
            --m_depth;
        return;
    }
    if (name == "table") {
        if (--m_depth == 0) {
            m_done = true;
            xmlStopParser(m_ctxt);
        }
        return;
    }
    if (m_depth > 1)
        return;
    if (name == "tr") {
        m_inRow = false;
    } else if (name == "thead" || name == "tbody" || name == "tfoot") {
        m_inRow = false;
        m_groups.push_back({});
    }
}

void CHtmlTableSax::OnStart(void* ctx, const xmlChar* name, const xmlChar** atts) {
    static_cast<CHtmlTableSax*>(static_cast<htmlParserCtxtPtr>(ctx)->_private)
        ->Start(reinterpret_cast<const char*>(name), atts);
}

void CHtmlTableSax::OnEnd(void* ctx, const xmlChar* name) {
    static_cast<CHtmlTableSax*>(static_cast<htmlParserCtxtPtr>(ctx)->_private)
        ->End(reinterpret_cast<const char*>(name));
}

void CHtmlTableSax::OnText(void* ctx, const xmlChar*, int) {
    static_cast<CHtmlTableSax*>(static_cast<htmlParserCtxtPtr>(ctx)->_private)->Content();
}

void CHtmlTableSax::OnComment(void* ctx, const xmlChar*) {
    static_cast<CHtmlTableSax*>(static_cast<htmlParserCtxtPtr>(ctx)->_private)->Content();
}

void CHtmlTableSax::OnInstruction(void* ctx, const xmlChar*, const xmlChar*) {
    static_cast<CHtmlTableSax*>(static_cast<htmlParserCtxtPtr>(ctx)->_private)->Content();
}

void CHtmlTableSax::Parse() {
    static std::once_flag init;
    std::call_once(init, [] { xmlInitParser(); });
    if (m_utf8.size() > static_cast<std::size_t>(INT_MAX))
        throw CSourceError{0, "the text is too long"};
    m_ctxt = htmlCreateMemoryParserCtxt(m_utf8.data(), static_cast<int>(m_utf8.size()));
    if (!m_ctxt)
        throw CSourceError{0, "the HTML parser could not start (out of memory)"};
    htmlSAXHandler sax{};
    sax.startElement = OnStart;
    sax.endElement = OnEnd;
    sax.characters = OnText;
    sax.ignorableWhitespace = OnText;
    sax.cdataBlock = OnText;
    sax.comment = OnComment;
    sax.processingInstruction = OnInstruction;
    sax.warning = Quiet;
    sax.error = Quiet;
    sax.fatalError = Quiet;
    *m_ctxt->sax = sax;
    m_ctxt->userData = m_ctxt;
    m_ctxt->_private = this;
    // The text is UTF-8 whatever a meta element claims.
    htmlCtxtUseOptions(m_ctxt, HTML_PARSE_NONET | HTML_PARSE_NOIMPLIED | HTML_PARSE_IGNORE_ENC);
    xmlSwitchEncoding(m_ctxt, XML_CHAR_ENCODING_UTF8);
    htmlParseDocument(m_ctxt);
    if (m_inCell)
        FinishCell();
    htmlFreeParserCtxt(m_ctxt);
    m_ctxt = nullptr;
}

int RowWinnerIsCentre(const CPlaceVotes& v) {
    return v.left + v.centre + v.right > 0 && v.centre >= v.left && v.centre >= v.right;
}

} // namespace

void ReadHtmlTable(const CDecodedSource& source, CImportedTable& table) {
    const CSourceText text(source.utf8, true);
    CWarnings warnings(table.warnings);
    CHtmlTableSax sax(source);
    sax.Parse();
    if (!sax.Found())
        throw CSourceError{source.utf8.size(), "expected a <TABLE> element; the text holds none"};
    table.target = TARGET_HTML;
    table.options.BorderHTML = sax.Border() ? 1 : 0;

    // Browsers lay out a table's footer rows at its end, wherever they are written.
    std::vector<CHtmlRow>& all = sax.Rows();
    const std::vector<CHtmlGroup>& groups = sax.Groups();
    std::vector<const CHtmlRow*> rows;
    for (int foot = 0; foot < 2; ++foot)
        for (const CHtmlRow& r : all)
            if (groups[static_cast<std::size_t>(r.group)].foot == (foot == 1))
                rows.push_back(&r);
    bool anyCell = false;
    for (const CHtmlRow* r : rows)
        anyCell |= !r->cells.empty();
    if (!anyCell)
        throw CSourceError{sax.TableOffset(), "expected a <TD> or <TH> cell in this <TABLE>"};

    // Row groups: a row span ends with its group.
    const int total = static_cast<int>(rows.size());
    std::vector<int> groupEnd(static_cast<std::size_t>(total));
    for (int y = total - 1; y >= 0; --y) {
        const bool last = y == total - 1 || rows[static_cast<std::size_t>(y + 1)]->group !=
                                                rows[static_cast<std::size_t>(y)]->group;
        groupEnd[static_cast<std::size_t>(y)] =
            last ? y + 1 : groupEnd[static_cast<std::size_t>(y + 1)];
    }
    if (total > MAX_CELLS)
        warnings.Add("the table has " + std::to_string(total) + " rows; rows 251 to " +
                     std::to_string(total) + " were cut");
    const int m = std::min(total, MAX_CELLS);

    // Cells placed row by row into the first free slot, as browsers do; a cell whose span
    // reaches a slot taken by an earlier one is reduced to the free slots.
    std::vector<int> claim(static_cast<std::size_t>(m) * MAX_CELLS, -1);
    auto claimed = [&](int x, int y) -> int& {
        return claim[static_cast<std::size_t>(y) * MAX_CELLS + static_cast<std::size_t>(x)];
    };
    struct CPlacedCell {
        const CHtmlCell* cell;
        const CHtmlRow* row;
        int x, y, cs, rs;
    };
    std::vector<CPlacedCell> placed;
    long long width = 0;
    for (int y = 0; y < m; ++y) {
        const CHtmlRow& row = *rows[static_cast<std::size_t>(y)];
        long long x = 0;
        for (const CHtmlCell& cell : row.cells) {
            while (x < MAX_CELLS && claimed(static_cast<int>(x), y) >= 0)
                ++x;
            const long long end = x + cell.colspan;
            width = std::max(width, end);
            if (x < MAX_CELLS) {
                const int xi = static_cast<int>(x);
                const int gEnd = std::min(groupEnd[static_cast<std::size_t>(y)], m);
                int cs = static_cast<int>(std::min<long long>(cell.colspan, MAX_CELLS - x));
                int rs = cell.rowspan == 0
                             ? gEnd - y
                             : static_cast<int>(std::min<long long>(cell.rowspan, gEnd - y));
                rs = std::max(rs, 1);
                const int wantCs = cs, wantRs = rs;
                for (int k = 1; k < cs; ++k) {
                    if (claimed(xi + k, y) >= 0) {
                        cs = k;
                        break;
                    }
                }
                for (int j = 1; j < rs; ++j) {
                    bool free = true;
                    for (int k = 0; k < cs && free; ++k)
                        free = claimed(xi + k, y + j) < 0;
                    if (!free) {
                        rs = j;
                        break;
                    }
                }
                if (cs != wantCs || rs != wantRs)
                    warnings.Add("the cell at " + text.Where(cell.offset) +
                                 " overlaps another cell; its span was reduced");
                const int id = static_cast<int>(placed.size());
                for (int j = 0; j < rs; ++j)
                    for (int k = 0; k < cs; ++k)
                        claimed(xi + k, y + j) = id;
                placed.push_back({&cell, &row, xi, y, cs, rs});
            }
            x = end;
        }
    }
    if (width > MAX_CELLS)
        warnings.Add("the table is " + std::to_string(width) + " columns wide; columns 251 to " +
                     std::to_string(width) + " were cut");
    int n = 0;
    for (const CPlacedCell& p : placed)
        n = std::max(n, p.x + p.cs);
    table.columns = std::max(n, 1);
    table.rows = std::max(m, 1);

    // Records. A placement comes from the cell, else its row, else its row group, else the
    // browser's default for TH (centred), else the TABLE's style, else left.
    std::vector<CPlaceVotes> votes(static_cast<std::size_t>(m));
    std::vector<std::vector<int>> optional(static_cast<std::size_t>(m));
    for (const CPlacedCell& p : placed) {
        const CHtmlGroup& g = groups[static_cast<std::size_t>(p.row->group)];
        int h = p.cell->places.h >= 0 ? p.cell->places.h : p.row->places.h;
        if (h < 0)
            h = g.places.h;
        if (h < 0)
            h = p.cell->header ? 1 : sax.TablePlaces().h >= 0 ? sax.TablePlaces().h : 0;
        int v = p.cell->places.v >= 0 ? p.cell->places.v : p.row->places.v;
        if (v < 0)
            v = g.places.v >= 0 ? g.places.v : sax.TablePlaces().v >= 0 ? sax.TablePlaces().v : 1;
        CCellData rec;
        rec.text = p.cell->text;
        if (ClipCellText(rec.text))
            warnings.Add("the text of the cell at " + text.Where(p.cell->offset) +
                         " is longer than 65535 bytes; it was cut");
        rec.colspan = static_cast<std::uint8_t>(p.cs);
        rec.rowspan = static_cast<std::uint8_t>(p.rs);
        rec.hplace = static_cast<std::uint8_t>(h);
        rec.vplace = static_cast<std::uint8_t>(v);
        if (rec.text.empty() && p.cs == 1 && p.rs == 1 && h == 1 && v == 1) {
            // The empty cell without a record looks the same; keep it as a candidate vote.
            optional[static_cast<std::size_t>(p.y)].push_back(p.x);
            continue;
        }
        votes[static_cast<std::size_t>(p.y)].Add(h);
        table.cells.SetCell(p.x + 1, p.y + 1, rec);
    }
    // A row written as centred needs centred records to win the generator's row vote; the
    // empty centred cells of the row supply them.
    for (int y = 0; y < m; ++y) {
        if (rows[static_cast<std::size_t>(y)]->places.h != 1)
            continue;
        CPlaceVotes& v = votes[static_cast<std::size_t>(y)];
        for (const int x : optional[static_cast<std::size_t>(y)]) {
            if (RowWinnerIsCentre(v))
                break;
            table.cells.SetCell(x + 1, y + 1, CCellData());
            v.Add(1);
        }
    }
    warnings.Finish();
}

} // namespace importer_detail
