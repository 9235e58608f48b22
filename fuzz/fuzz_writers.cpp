// From native bytes to generated source: the table is read as the native reader reads it
// (the framed file, the old record format, or bare cell and line sections), span-normalised,
// and written as tabular, array and HTML over a region and an option record taken from the
// input's first bytes (two corners, a flag byte, the eleven numbers as signed bytes, then
// the caption and label strings, each after its length byte).
// Each target is written twice: with the table's texts, and with every text replaced by a
// marker naming its record. Putting the texts back into the second output must give the
// first (texts are copied as they are and the structure does not depend on them); the
// second is then read for its structure:
// - CR LF line ends only; the progress runs from the first row edge to the last;
// - LaTeX: one row line per row whose cells (a \multicolumn counting its columns) cover the
//   region's width, rules inside it, each text at most once, caption and label as asked;
// - HTML: laid out as a browser does (row by row, each element at the next free slot) the
//   elements fill the region exactly, each slot once, and every record of the region stands
//   once, at its own cell.
#include "Archive.h"
#include "CellArray.h"
#include "CellSize.h"
#include "Generator.h"
#include "LineArray.h"
#include "NativeFormat.h"
#include "SpanMap.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

// Takes the input's leading bytes one by one; zero once they run out.
class CBytes {
public:
    CBytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    std::uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    std::string Bytes(std::size_t n) {
        n = std::min(n, m_size - m_pos);
        std::string s(reinterpret_cast<const char*>(m_data + m_pos), n);
        m_pos += n;
        return s;
    }
    std::string_view Rest() const {
        return {reinterpret_cast<const char*>(m_data + m_pos), m_size - m_pos};
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

struct CTables {
    CCellArray cells;
    CCellArray markers;
    CLineArray h, v;
    CSpanMap spans;
    CCellSize sizes;
};

void ReadTable(std::string_view bytes, CTables& t) {
    t.cells.DeleteAll();
    t.h.ClearAll();
    t.v.ClearAll();
    CArchiveReader ar(bytes);
    NativeFraming framing = NativeFraming::Foreign;
    try {
        framing = ReadFraming(ar);
    } catch (const CArchiveException&) {
    }
    try {
        if (framing != NativeFraming::Foreign) {
            ReadNativeSections(ar, framing, t.cells, t.h, t.v, t.sizes);
        } else if (ReadOldRecordMarker(ar)) {
            ReadOldRecords(ar, t.cells, t.h, t.v);
        } else {
            ar.Rewind();
            ReadCells(ar, t.cells);
            ReadLines(ar, t.h);
            ReadLines(ar, t.v);
        }
    } catch (const CArchiveException&) {
        // What was read before the end stays, as the editor keeps it.
    }
}

// The progress of one run: the range, then every row edge from the first to the last.
class CProgressCheck : public IGenerateProgress {
public:
    void SetRange(int first, int last) override {
        Check(m_calls++ == 0, "the range comes first");
        m_first = first;
        m_last = last;
        m_next = first;
    }
    void SetPos(int pos) override { Check(m_calls++ > 0 && pos == m_next++, "row edges in order"); }
    void Done(const CCellRect& rg) const {
        Check(m_first == rg.top && m_last == rg.bottom && m_next == rg.bottom + 2,
              "progress over every row edge of the region");
    }

private:
    int m_calls = 0, m_first = 0, m_last = 0, m_next = 0;
};

// A marker text "\x01" id "\x02"; ids 0.. are records, CAPTION and LABEL the options.
constexpr int CAPTION = -1;
constexpr int LABEL = -2;

std::string Marker(int id) {
    return "\x01" + std::to_string(id) + "\x02";
}

struct CRecordAt {
    int col, row;
    const CCellData* rec;
};

// The ids of the markers in out, in order; Check fails on a broken marker.
std::vector<int> MarkerIds(std::string_view out) {
    std::vector<int> ids;
    for (std::size_t p = 0; (p = out.find('\x01', p)) != std::string_view::npos;) {
        const std::size_t end = out.find('\x02', p);
        Check(end != std::string_view::npos, "a whole marker");
        int id = 0;
        const auto r = std::from_chars(out.data() + p + 1, out.data() + end, id);
        Check(r.ec == std::errc() && r.ptr == out.data() + end, "a marker's id");
        ids.push_back(id);
        p = end + 1;
    }
    return ids;
}

// out with each marker replaced by the text it stands for.
std::string PutTextsBack(std::string_view out, const std::vector<CRecordAt>& records,
                         const COptionsRecord& o) {
    std::string s;
    s.reserve(out.size());
    std::size_t p = 0;
    for (std::size_t q; (q = out.find('\x01', p)) != std::string_view::npos;) {
        s.append(out.substr(p, q - p));
        const std::size_t end = out.find('\x02', q);
        int id = 0;
        std::from_chars(out.data() + q + 1, out.data() + end, id);
        s += id == CAPTION ? o.CapStr : id == LABEL ? o.LabelStr : records[id].rec->text;
        p = end + 1;
    }
    s.append(out.substr(p));
    return s;
}

void CheckLineEnds(std::string_view out) {
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] == '\r')
            Check(i + 1 < out.size() && out[i + 1] == '\n', "CR only before LF");
        if (out[i] == '\n')
            Check(i > 0 && out[i - 1] == '\r', "LF only after CR");
    }
    Check(out.ends_with("\r\n"), "the source ends with a line end");
}

std::vector<std::string_view> Lines(std::string_view out) {
    std::vector<std::string_view> lines;
    for (std::size_t p = 0; p < out.size();) {
        const std::size_t end = out.find("\r\n", p);
        if (end == std::string_view::npos)
            break;
        lines.push_back(out.substr(p, end - p));
        p = end + 2;
    }
    return lines;
}

int Number(std::string_view s) {
    int v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    Check(r.ec == std::errc(), "a number");
    return v;
}

void CheckLatex(bool array, std::string_view out, const CCellRect& rg,
                const std::vector<CRecordAt>& records, const COptionsRecord& o) {
    const int n = rg.right - rg.left + 1;
    const int m = rg.bottom - rg.top + 1;
    const std::vector<std::string_view> lines = Lines(out);
    const std::string_view begin = array ? "\\begin{array}{" : "\\begin{tabular}{";
    const std::string_view end = array ? "\\end{array}" : "\\end{tabular}";
    const auto head = std::find_if(lines.begin(), lines.end(),
                                   [&](std::string_view l) { return l.starts_with(begin); });
    Check(head != lines.end(), "the environment begins");
    const std::string_view spec = head->substr(begin.size());
    Check(spec.ends_with('}'), "the column specification closes");
    Check(std::count_if(spec.begin(), spec.end(),
                        [](char c) { return c == 'l' || c == 'c' || c == 'r'; }) == n &&
              spec.find_first_not_of("|lcr}") == std::string_view::npos &&
              std::count(spec.begin(), spec.end(), '}') == 1,
          "one placement per column in the column letters");
    int rows = 0;
    auto l = head + 1;
    for (; l != lines.end() && *l != end; ++l) {
        const std::string_view line = *l;
        if (line == "\\hline" || line == "\\hline\\hline")
            continue;
        if (line.starts_with("\\cline{")) {
            for (std::size_t p = 0; p < line.size();) {
                Check(line.substr(p).starts_with("\\cline{"), "only clines on a cline line");
                const std::size_t dash = line.find('-', p);
                const std::size_t close = line.find('}', p);
                Check(dash < close && close != std::string_view::npos, "a cline's range");
                const int a = Number(line.substr(p + 7, dash - p - 7));
                const int b = Number(line.substr(dash + 1, close - dash - 1));
                Check(a >= 1 && a <= b && b <= n, "a cline inside the table");
                p = close + 1;
            }
            continue;
        }
        if (line.starts_with("%<<-----  ")) {
            Check(Number(line.substr(10)) == rows + 1, "the comment numbers the next row");
            continue;
        }
        ++rows;
        // A row: cells between " & ", the last one followed by " \\" (array: not the last row).
        std::string_view cells = line;
        if (cells.ends_with(" \\\\"))
            cells.remove_suffix(2);
        else
            Check(array && rows == m, "a row ends with \\\\");
        Check(cells.ends_with(' '), "a row's last cell ends with a space");
        int width = 0;
        for (std::size_t p = 0; p < cells.size();) {
            std::size_t amp = cells.find(" & ", p);
            if (amp == std::string_view::npos)
                amp = cells.size() - 1;
            const std::string_view cell = cells.substr(p, amp - p);
            if (cell.starts_with("\\multicolumn{")) {
                const int cs = Number(cell.substr(13));
                Check(cs >= 1, "a multicolumn spans a column at least");
                width += cs;
            } else {
                Check(cell.find('\\') == std::string_view::npos || cell.starts_with("\\raisebox{"),
                      "a plain cell holds its text");
                width += 1;
            }
            p = amp + 3;
        }
        if (width != n)
            std::fprintf(stderr, "row %d covers %d of %d columns: %.*s\n", rows, width, n,
                         static_cast<int>(line.size()), line.data());
        Check(width == n, "a row's cells cover the region's width");
    }
    Check(l != lines.end(), "the environment ends");
    Check(rows == m, "one row line per row of the region");

    std::map<int, int> seen;
    for (const int id : MarkerIds(out))
        ++seen[id];
    for (const auto& [id, count] : seen) {
        Check(count == 1, "each text once at most");
        if (id == CAPTION || id == LABEL) {
            Check(!array && (id == CAPTION ? o.Cap : o.Label) != 0, "caption and label as asked");
            continue;
        }
        Check(rg.Contains(records[id].col, records[id].row), "texts of the region only");
    }
    if (!array) {
        Check(seen.count(CAPTION) == (o.Cap != 0 && !o.CapStr.empty()), "the caption when asked");
        Check(seen.count(LABEL) == (o.Label != 0 && !o.LabelStr.empty()), "the label when asked");
    }
}

// One TD element as a browser reads it: its text and its span counts.
struct CElement {
    std::string_view text;
    int rs = 1;
    int cs = 1;
};

int Attribute(std::string_view tag, std::string_view name) {
    const std::size_t at = tag.find(name);
    if (at == std::string_view::npos)
        return 1;
    const std::string_view value = tag.substr(at + name.size());
    Check(value.starts_with("=\""), "an attribute value in quotes");
    return Number(value.substr(2));
}

void CheckHtml(std::string_view out, const CCellRect& rg, const std::vector<CRecordAt>& records,
               const COptionsRecord& o) {
    const int w = rg.right - rg.left + 1;
    const int h = rg.bottom - rg.top + 1;
    const std::vector<std::string_view> lines = Lines(out);
    Check(static_cast<int>(lines.size()) == h + 2, "one line per row between TABLE lines");
    Check(lines.front() == (o.BorderHTML ? "<TABLE BORDER>" : "<TABLE>"), "the TABLE tag");
    Check(lines.back() == "</TABLE>", "the TABLE end");
    // slot[y][x]: how many elements took the slot.
    std::vector<std::vector<int>> slot(static_cast<std::size_t>(h), std::vector<int>(w, 0));
    std::vector<int> placed(records.size(), 0);
    for (int y = 0; y < h; ++y) {
        const std::string_view line = lines[static_cast<std::size_t>(y) + 1];
        Check(line.starts_with("<TR") && line.ends_with(" </TR>"), "a TR line");
        int x = 0;
        for (std::size_t q = 0; (q = line.find("<TD", q)) != std::string_view::npos;) {
            const std::size_t close = line.find('>', q);
            const std::size_t stop = line.find("</TD>", close);
            Check(stop != std::string_view::npos, "a closed TD");
            const std::string_view tag = line.substr(q, close - q);
            const CElement e{line.substr(close + 1, stop - close - 1), Attribute(tag, "ROWSPAN"),
                             Attribute(tag, "COLSPAN")};
            while (x < w && slot[y][x] != 0)
                ++x;
            Check(e.rs >= 1 && e.cs >= 1, "span counts of at least one");
            Check(y + e.rs <= h, "no element past the last row");
            Check(x + e.cs <= w, "no element past the region's width");
            for (int j = 0; j < e.rs; ++j)
                for (int k = 0; k < e.cs; ++k)
                    ++slot[y + j][x + k];
            if (!e.text.empty()) {
                const std::vector<int> ids = MarkerIds(e.text);
                Check(ids.size() == 1 && e.text == Marker(ids[0]) && ids[0] >= 0,
                      "an element holds one record's text");
                const CRecordAt& r = records[static_cast<std::size_t>(ids[0])];
                Check(r.col == rg.left + x && r.row == rg.top + y, "a record at its own cell");
                ++placed[static_cast<std::size_t>(ids[0])];
            }
            x += e.cs;
            q = stop;
        }
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            Check(slot[y][x] == 1, "every slot of the region taken once");
    for (std::size_t i = 0; i < records.size(); ++i) {
        const bool inside = rg.Contains(records[i].col, records[i].row);
        Check(placed[i] == (inside && !records[i].rec->text.empty() ? 1 : 0),
              "every record of the region once");
    }
}

void CheckUsedRegion(const CTables& t, const CCellRect& u) {
    Check(u.left == 1 && u.top == 1 && u.right >= 1 && u.bottom >= 1, "used region from (1, 1)");
    for (int r = 1; r <= MAX_CELLS; ++r) {
        for (int c = 1; c <= MAX_CELLS; ++c) {
            if (const CCellData* rec = t.cells.GetCell(c, r))
                Check(std::min(c + rec->colspan - 1, MAX_CELLS) <= u.right &&
                          std::min(r + rec->rowspan - 1, MAX_CELLS) <= u.bottom,
                      "every record's span inside the used region");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto t = std::make_unique<CTables>();
    CBytes in(data, size);
    // One corner anywhere, the other at most 15 cells away on each axis (either side), so
    // that most runs are quick; flag 1 takes the used region instead.
    CCellRect region;
    region.left = 1 + in.Byte() % MAX_CELLS;
    region.top = 1 + in.Byte() % MAX_CELLS;
    region.right = std::clamp(region.left + static_cast<std::int8_t>(in.Byte()) % 16, 1, MAX_CELLS);
    region.bottom = std::clamp(region.top + static_cast<std::int8_t>(in.Byte()) % 16, 1, MAX_CELLS);
    const std::uint8_t flags = in.Byte();
    COptionsRecord o;
    for (const COptionField& f : OPTION_FIELDS)
        if (f.intMember)
            o.*f.intMember = static_cast<std::int8_t>(in.Byte());
    o.CapStr = in.Bytes(in.Byte());
    o.LabelStr = in.Bytes(in.Byte());
    ReadTable(in.Rest(), *t);
    NormalizeSpans(t->cells, t->h, t->v, t->spans);

    const CCellRect used = UsedRegion(t->cells, t->h, t->v);
    if (flags & 1) {
        CheckUsedRegion(*t, used);
        region = used;
    }
    const CCellRect rg = region.Normalized();

    // The records and their marker twins.
    std::vector<CRecordAt> records;
    t->markers.DeleteAll();
    for (int r = 1; r <= MAX_CELLS; ++r) {
        for (int c = 1; c <= MAX_CELLS; ++c) {
            const CCellData* rec = t->cells.GetCell(c, r);
            if (!rec)
                continue;
            CCellData twin = *rec;
            if (!twin.text.empty())
                twin.text = Marker(static_cast<int>(records.size()));
            t->markers.SetCell(c, r, twin);
            records.push_back({c, r, rec});
        }
    }
    COptionsRecord mo = o;
    if (!mo.CapStr.empty())
        mo.CapStr = Marker(CAPTION);
    if (!mo.LabelStr.empty())
        mo.LabelStr = Marker(LABEL);

    std::string out, marked;
    for (const int target : {TARGET_TABULAR, TARGET_ARRAY, TARGET_HTML}) {
        CProgressCheck progress;
        Check(GenerateSource(target, {t->cells, t->spans, t->h, t->v}, region, o, out, &progress),
              "a valid target generates");
        progress.Done(rg);
        Check(GenerateSource(target, {t->markers, t->spans, t->h, t->v}, region, mo, marked),
              "a valid target generates");
        Check(PutTextsBack(marked, records, o) == out, "texts copied as they are");
        CheckLineEnds(marked);
        if (target == TARGET_HTML)
            CheckHtml(marked, rg, records, mo);
        else
            CheckLatex(target == TARGET_ARRAY, marked, rg, records, mo);
    }
    const int broken = flags & 2 ? 3 : -1 - (flags >> 3);
    out = "stale";
    Check(!GenerateSource(broken, {t->cells, t->spans, t->h, t->v}, region, o, out) && out.empty(),
          "a broken target generates nothing");
    // Each run frees what it allocated (else libFuzzer runs every input again for leaks).
    t->cells.DeleteAll();
    t->markers.DeleteAll();
    return 0;
}
