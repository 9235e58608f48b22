#include "LatexReader.h"

#include "Generator.h"
#include "LatexScanner.h"
#include "ModelTypes.h"

#include <algorithm>
#include <array>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace importer_detail {

namespace {

using CRange = CLatexScanner::CRange;

constexpr std::array<std::string_view, 5> TABLE_ENVIRONMENTS{"tabular", "tabular*", "tabularx",
                                                             "array", "longtable"};

bool IsTableEnvironment(std::string_view name) {
    return std::find(TABLE_ENVIRONMENTS.begin(), TABLE_ENVIRONMENTS.end(), name) !=
           TABLE_ENVIRONMENTS.end();
}

bool IsFloat(std::string_view name) {
    return name == "table" || name == "table*";
}

bool IsDisplayMath(std::string_view name) {
    return name == "displaymath" || name == "equation" || name == "equation*";
}

int RuleKind(int count) {
    return count <= 0 ? LINE_NONE : count == 1 ? LINE_SINGLE : LINE_DOUBLE;
}

// ---------------------------------------------------------------------------------------
// Column specifications.

struct CSpecItem {
    bool column = false;
    int place = 0;  // 0 left, 1 centre, 2 right
    int vplace = 1; // 0 top (p), 1 centre, 2 bottom (b)
    std::size_t offset = 0;
};

struct CSpecList {
    std::vector<CSpecItem> items; // rules and the first columns, in order
    long long columns = 0;        // every column, also those not kept in items
};

constexpr long long COLUMN_COUNT_CAP = 1'000'000'000;
constexpr std::size_t SPEC_ITEM_CAP = 4096;
constexpr int SPEC_DEPTH_CAP = 16;

long long CappedAdd(long long a, long long b) {
    return std::min(a + b, COLUMN_COUNT_CAP);
}

long long KeptColumns(const CSpecList& l) {
    long long n = 0;
    for (const CSpecItem& it : l.items)
        n += it.column ? 1 : 0;
    return n;
}

// The placement a ">{...}" prefix gives the next column, or -1.
int PrefixPlacement(std::string_view prefix) {
    if (prefix.find("\\centering") != std::string_view::npos)
        return 1;
    if (prefix.find("\\raggedleft") != std::string_view::npos)
        return 2;
    if (prefix.find("\\raggedright") != std::string_view::npos)
        return 0;
    return -1;
}

void ParseSpec(const CLatexScanner& sc, std::size_t i, std::size_t end, CSpecList& out, int depth) {
    if (depth > SPEC_DEPTH_CAP)
        sc.Fail(i, "column specification nested too deeply in *{n}{...}");
    const std::string_view s = sc.Bytes();
    int pendingPlace = -1;
    auto addColumn = [&](int place, int vplace, std::size_t at) {
        if (pendingPlace >= 0)
            place = pendingPlace;
        pendingPlace = -1;
        out.columns = CappedAdd(out.columns, 1);
        if (out.items.size() < SPEC_ITEM_CAP)
            out.items.push_back({true, place, vplace, at});
    };
    while (true) {
        i = sc.SkipBlanks(i, end);
        if (i >= end)
            break;
        const char c = s[i];
        const std::size_t at = i;
        switch (c) {
        case '|':
            if (out.items.size() < SPEC_ITEM_CAP)
                out.items.push_back({false, 0, 1, at});
            ++i;
            break;
        case 'l':
        case 'c':
        case 'r':
            addColumn(c == 'l' ? 0 : c == 'c' ? 1 : 2, 1, at);
            ++i;
            break;
        case 'p':
        case 'm':
        case 'b':
            i = sc.ReadArgument(i + 1, end, "the width of the '" + std::string(1, c) + "' column")
                    .after;
            addColumn(0, c == 'p' ? 0 : c == 'm' ? 1 : 2, at);
            break;
        case 'X':
            addColumn(0, 1, at);
            ++i;
            break;
        case 'w':
        case 'W': {
            const CRange a = sc.ReadArgument(i + 1, end, "the alignment of the 'w' column");
            const std::string align = sc.CleanText(a.begin, a.end);
            i = sc.ReadArgument(a.after, end, "the width of the 'w' column").after;
            addColumn(align == "c" ? 1 : align == "r" ? 2 : 0, 1, at);
            break;
        }
        case '@':
        case '!':
        case '<':
            i = sc.ReadArgument(i + 1, end, "the argument of '" + std::string(1, c) + "'").after;
            break;
        case '>': {
            const CRange a = sc.ReadArgument(i + 1, end, "the argument of '>'");
            pendingPlace = PrefixPlacement(s.substr(a.begin, a.end - a.begin));
            i = a.after;
            break;
        }
        case '*': {
            const CRange count = sc.ReadArgument(i + 1, end, "the repeat count of '*'");
            const std::optional<long long> n =
                ParseWholeNumber(sc.CleanText(count.begin, count.end));
            if (!n || *n < 0)
                sc.Fail(count.begin, "expected a repeat count (a whole number) after '*'");
            const CRange body = sc.ReadArgument(count.after, end, "the columns to repeat");
            CSpecList sub;
            ParseSpec(sc, body.begin, body.end, sub, depth + 1);
            for (long long k = 0; k < *n; ++k) {
                if (KeptColumns(out) > MAX_CELLS || out.items.size() >= SPEC_ITEM_CAP)
                    break;
                for (const CSpecItem& it : sub.items)
                    if (out.items.size() < SPEC_ITEM_CAP)
                        out.items.push_back(it);
            }
            out.columns =
                CappedAdd(out.columns, std::min(*n, COLUMN_COUNT_CAP) *
                                                   std::min<long long>(sub.columns, 1'000'000) >
                                               COLUMN_COUNT_CAP
                                           ? COLUMN_COUNT_CAP
                                           : *n * sub.columns);
            i = body.after;
            break;
        }
        default:
            sc.Fail(at, "unknown column letter '" +
                            std::string(s.substr(at, Cp932CharLength(s, at))) +
                            "' in the column specification (expected l, c, r, p{}, m{}, b{}, X, "
                            "| or @{})");
        }
    }
}

// A column specification as the table uses it.
struct CColumns {
    std::vector<int> rules;   // rule kind at column edges 0 .. n
    std::vector<int> places;  // placement letter of columns 0 .. n - 1
    std::vector<int> vplaces; // vertical placement of columns 0 .. n - 1
    long long total = 0;      // columns before the cut at 250
};

CColumns MakeColumns(const CSpecList& l, std::size_t keep) {
    CColumns c;
    c.total = l.columns;
    std::vector<int> counts(1, 0);
    for (const CSpecItem& it : l.items) {
        if (!it.column) {
            ++counts.back();
            continue;
        }
        if (c.places.size() >= keep)
            break;
        c.places.push_back(it.place);
        c.vplaces.push_back(it.vplace);
        counts.push_back(0);
    }
    for (int n : counts)
        c.rules.push_back(RuleKind(n));
    return c;
}

// ---------------------------------------------------------------------------------------
// The document around the table.

struct CCaption {
    bool label = false; // \label rather than \caption
    std::string text;
};

struct CFound {
    std::string env;
    std::size_t begin = 0;   // offset of "\begin"
    std::size_t argsEnd = 0; // after "\begin{env}"
    bool inFloat = false;
    bool inDocument = false;
    std::vector<CCaption> before;
    int mathOpen = 0;  // the math mode it sits in: 1 $ or \(, 2 \[, $$ or a display environment
    int kakkoOpen = 0; // 1 \left(, 2 \left\{, 3 \left[ right before
};

// \caption or \label whose backslash is at i; returns the offset after it.
std::size_t ReadCaption(const CLatexScanner& sc, std::size_t i, bool label, CCaption& out) {
    std::size_t j = sc.ControlEnd(i);
    if (!label && j < sc.Size() && sc.Bytes()[j] == '*')
        ++j;
    if (!label)
        sc.ReadOptional(j, sc.Size());
    const CRange g = sc.ReadArgument(j, sc.Size(), label ? "the label text" : "the caption text");
    out.label = label;
    out.text.assign(sc.Bytes().substr(g.begin, g.end - g.begin));
    return g.after;
}

int KakkoAt(const CLatexScanner& sc, std::size_t& j) {
    j = sc.SkipBlanks(j, sc.Size());
    const std::string_view s = sc.Bytes();
    if (j >= s.size())
        return 0;
    if (s[j] == '(' || s[j] == ')') {
        ++j;
        return 1;
    }
    if (s[j] == '[' || s[j] == ']') {
        ++j;
        return 3;
    }
    if (s.substr(j, 2) == "\\{" || s.substr(j, 2) == "\\}") {
        j += 2;
        return 2;
    }
    return 0;
}

CFound FindTable(const CLatexScanner& sc) {
    enum Kind { Caption, Label, Centre, MathOpen, Left, Other };
    struct CRecent {
        Kind kind;
        int value;
        std::size_t caption; // index into captions
    };
    const std::string_view s = sc.Bytes();
    const std::size_t n = s.size();
    struct COpen {
        std::string name;
        std::size_t begin;
    };
    std::vector<COpen> envs;
    std::deque<CRecent> recent;
    std::vector<CCaption> captions;
    std::vector<std::size_t> floatItems; // captions inside the innermost open float
    int math = 0;
    auto push = [&](Kind k, int value = 0, std::size_t caption = 0) {
        recent.push_back({k, value, caption});
        if (recent.size() > 8)
            recent.pop_front();
    };
    std::size_t i = 0;
    while (i < n) {
        const char c = s[i];
        if (c == '%') {
            i = sc.CommentEnd(i);
            continue;
        }
        if (IsBlank(c)) {
            ++i;
            continue;
        }
        if (c == '$') {
            const bool display = i + 1 < n && s[i + 1] == '$';
            if (math == 0) {
                math = display ? 2 : 1;
                push(MathOpen, math);
            } else {
                math = 0;
                push(Other);
            }
            i += display ? 2 : 1;
            continue;
        }
        if (c != '\\') {
            push(Other);
            i += Cp932CharLength(s, i);
            continue;
        }
        const std::string_view name = sc.ControlAt(i, n);
        std::size_t j = sc.ControlEnd(i);
        if (name == "begin" || name == "end") {
            const CRange arg = sc.ReadArgument(j, n, "an environment name");
            const std::string env(s.substr(arg.begin, arg.end - arg.begin));
            if (name == "begin") {
                if (IsTableEnvironment(env)) {
                    CFound f;
                    f.env = env;
                    f.begin = i;
                    f.argsEnd = arg.after;
                    for (const COpen& o : envs) {
                        f.inFloat |= IsFloat(o.name);
                        f.inDocument |= o.name == "document";
                    }
                    if (f.inFloat) {
                        for (std::size_t k : floatItems)
                            f.before.push_back(captions[k]);
                    } else {
                        for (auto it = recent.rbegin(); it != recent.rend(); ++it) {
                            if (it->kind == Caption || it->kind == Label)
                                f.before.insert(f.before.begin(), captions[it->caption]);
                            else if (it->kind != Centre)
                                break;
                        }
                    }
                    // The brackets must stand right around the array; math mode is what it
                    // sits in, also among other formulae.
                    if (!recent.empty() && recent.back().kind == Left)
                        f.kakkoOpen = recent.back().value;
                    f.mathOpen = math;
                    return f;
                }
                envs.push_back({env, i});
                if (IsFloat(env))
                    floatItems.clear();
                if (IsDisplayMath(env) && math == 0) {
                    math = 2;
                    push(MathOpen, 2);
                } else {
                    push(env == "center" ? Centre : Other);
                }
            } else {
                for (std::size_t k = envs.size(); k-- > 0;) {
                    if (envs[k].name == env) {
                        envs.resize(k);
                        break;
                    }
                }
                if (IsDisplayMath(env))
                    math = 0;
                push(env == "center" ? Centre : Other);
            }
            i = arg.after;
            continue;
        }
        if (name == "caption" || name == "label") {
            CCaption cap;
            i = ReadCaption(sc, i, name == "label", cap);
            captions.push_back(std::move(cap));
            const bool inFloat = std::any_of(envs.begin(), envs.end(),
                                             [](const COpen& o) { return IsFloat(o.name); });
            if (inFloat)
                floatItems.push_back(captions.size() - 1);
            push(name == "label" ? Label : Caption, 0, captions.size() - 1);
            continue;
        }
        if (name == "centering") {
            push(Centre);
        } else if (name == "[" || name == "(") {
            if (math == 0) {
                math = name == "[" ? 2 : 1;
                push(MathOpen, math);
            } else {
                push(Other);
            }
        } else if (name == "]" || name == ")") {
            math = 0;
            push(Other);
        } else if (name == "left") {
            const int k = KakkoAt(sc, j);
            push(k ? Left : Other, k);
        } else if (name == "verb") {
            try {
                j = sc.VerbEnd(i, n);
            } catch (const CSourceError&) {
                // An unclosed \verb before the table does not hide the table.
            }
            push(Other);
        } else {
            push(Other);
        }
        i = j;
    }
    sc.Fail(n, "expected a \\begin{tabular} (or tabular*, tabularx, array, longtable) "
               "environment; the text holds none");
}

// What follows the table: captions and labels (the whole float when there is one), the
// closing \right and the end of math mode.
struct CAfter {
    std::vector<CCaption> captions;
    int kakkoClose = 0;
    int mathClose = 0;
};

CAfter ScanAfter(const CLatexScanner& sc, std::size_t i, bool inFloat) {
    CAfter a;
    const std::string_view s = sc.Bytes();
    const std::size_t n = s.size();
    int depth = 0;
    while (true) {
        i = sc.SkipBlanks(i, n);
        if (i >= n)
            return a;
        const std::string_view name = sc.ControlAt(i, n);
        if (name == "caption" || name == "label") {
            CCaption cap;
            i = ReadCaption(sc, i, name == "label", cap);
            if (depth == 0)
                a.captions.push_back(std::move(cap));
            continue;
        }
        if (name == "begin" || name == "end") {
            const CRange arg = sc.ReadArgument(sc.ControlEnd(i), n, "an environment name");
            const std::string_view env = s.substr(arg.begin, arg.end - arg.begin);
            if (name == "end" && IsDisplayMath(env) && !inFloat) {
                a.mathClose = 2;
                return a;
            }
            if (inFloat) {
                if (name == "begin") {
                    ++depth;
                } else if (depth > 0) {
                    --depth;
                } else if (IsFloat(env)) {
                    return a;
                }
            } else if (!(name == "end" && env == "center")) {
                return a;
            }
            i = arg.after;
            continue;
        }
        if (!inFloat) {
            if (name == "right" && a.kakkoClose == 0) {
                std::size_t j = sc.ControlEnd(i);
                a.kakkoClose = KakkoAt(sc, j);
                if (a.kakkoClose == 0)
                    return a;
                i = j;
                continue;
            }
            if (name == "]" || name == ")") {
                a.mathClose = name == "]" ? 2 : 1;
                return a;
            }
            if (s[i] == '$') {
                a.mathClose = i + 1 < n && s[i + 1] == '$' ? 2 : 1;
                return a;
            }
            return a;
        }
        i = s[i] == '\\' ? sc.ControlEnd(i) : i + Cp932CharLength(s, i);
    }
}

// ---------------------------------------------------------------------------------------
// The body: rule lines, rows and cells as written.

struct CZone {
    int full = 0;                 // \hline and the full-width booktabs rules
    std::vector<std::uint8_t> at; // kinds per column from \cline, \cmidrule, \hhline
    void Merge(const CZone& o) {
        full += o.full;
        if (at.size() < o.at.size())
            at.resize(o.at.size(), LINE_NONE);
        for (std::size_t k = 0; k < o.at.size(); ++k)
            at[k] = std::max(at[k], o.at[k]);
    }
    int KindAt(std::size_t col) const {
        const int f = full >= 2 ? LINE_DOUBLE : full == 1 ? LINE_SINGLE : LINE_NONE;
        return std::max<int>(f, col < at.size() ? at[col] : LINE_NONE);
    }
};

// One cell as written, on its row.
struct CSrcCell {
    int col = 0; // first column, 0-based
    int cs = 1;
    bool multi = false;
    bool leftGiven = false;
    int leftRule = LINE_NONE;
    int rightRule = LINE_NONE;
    int place = 0;
    int vplace = 1;
    std::string text;
    std::string rawText; // the whole content, for a raise box that is no span
    bool raise = false;  // the generator's raise box of an even row span
    long long multirow = 0;
    int foldedRight = -1; // a plain cell folded into a span: the rule after it
    std::size_t offset = 0;

    bool Blank() const { return text.empty() && !raise && multirow == 0; }
};

struct CSrcRow {
    std::vector<CSrcCell> cells;
    std::size_t offset = 0;
};

enum class Section { Body, FirstHead, Head, Foot, LastFoot };

struct CBodyItem {
    enum Kind { Zone, Row, Marker, Caption } kind;
    std::size_t index = 0; // into zones or rows
    Section marker = Section::Body;
};

// The commands that stand between rows as rule lines (or space next to them).
bool IsRuleCommand(std::string_view name) {
    for (const std::string_view rule :
         {"hline", "hdashline", "firsthline", "lasthline", "toprule", "midrule", "bottomrule",
          "specialrule", "cline", "cdashline", "cmidrule", "hhline", "addlinespace",
          "morecmidrules", "noalign"})
        if (name == rule)
            return true;
    return false;
}

Section MarkerSection(std::string_view name) {
    if (name == "endfirsthead")
        return Section::FirstHead;
    if (name == "endhead")
        return Section::Head;
    if (name == "endfoot")
        return Section::Foot;
    if (name == "endlastfoot")
        return Section::LastFoot;
    return Section::Body;
}

// "2pt", "-1.5ex", "\baselineskip", "0.5\normalbaselineskip": what may follow "\\ " as its
// optional argument.
bool LooksLikeLength(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        ++i;
    const std::size_t digits = i;
    while (i < s.size() && ((s[i] >= '0' && s[i] <= '9') || s[i] == '.'))
        ++i;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    std::size_t j = i;
    if (j < s.size() && s[j] == '\\') {
        ++j;
    } else if (j == digits) {
        return false;
    }
    const std::size_t unit = j;
    while (j < s.size() && IsAsciiLetter(s[j]))
        ++j;
    if (j == unit)
        return false;
    while (j < s.size() && IsBlank(s[j]))
        ++j;
    return j == s.size();
}

class CLatexTableReader {
public:
    CLatexTableReader(const CLatexScanner& sc, const CFound& found, CImportedTable& table)
        : m_sc(sc), m_s(sc.Bytes()), m_found(found), m_table(table), m_warnings(table.warnings) {}

    void Read();

private:
    enum class Terminator { Row, End, Marker };
    struct CRawRow {
        std::vector<std::pair<std::size_t, std::size_t>> cells;
        std::vector<std::size_t> amps; // the '&' before each cell after the first
        Terminator term = Terminator::Row;
        Section marker = Section::Body;
        std::size_t termAt = 0;
        std::size_t after = 0;
        bool blank = true;
    };

    std::size_t ReadColumnSpec();
    std::size_t ReadBody(std::size_t i);
    bool ReadRule(std::size_t& i, std::string_view name, CZone& zone);
    void ClineRange(const CRange& arg, CZone& zone);
    CRawRow ReadRowText(std::size_t i);
    CSrcRow MakeRow(const CRawRow& raw);
    void FoldEmptySpans(CSrcRow& row) const;
    CSrcCell ReadCell(std::size_t begin, std::size_t end, int col);
    void ReadContent(std::size_t begin, std::size_t end, CSrcCell& cell);
    std::string Protect(std::string text, bool firstColumn) const;
    bool EndsWithBlankLine(std::size_t at) const;
    void BuildTable();
    [[noreturn]] void FailUnclosed() const {
        m_sc.Fail(m_found.begin,
                  "expected \\end{" + m_found.env + "} to close this \\begin{" + m_found.env + "}");
    }

    const CLatexScanner& m_sc;
    std::string_view m_s;
    const CFound& m_found;
    CImportedTable& m_table;
    CWarnings m_warnings;
    bool m_longtable = false;
    CColumns m_cols;
    std::size_t m_specAt = 0;
    int m_n = 0; // columns kept
    std::vector<CZone> m_zones;
    std::vector<CSrcRow> m_rows;
    std::vector<CBodyItem> m_items;
    std::vector<CCaption> m_tableCaptions; // of a longtable, as body items
    std::vector<CCaption> m_captionsAbove; // of a longtable, typeset above its first row
    std::vector<CCaption> m_captionsBelow;
    bool m_rowComments = false;
    std::size_t m_end = 0;   // after \end{env}
    std::size_t m_endAt = 0; // its backslash
};

std::size_t CLatexTableReader::ReadColumnSpec() {
    std::size_t i = m_found.argsEnd;
    const std::size_t n = m_s.size();
    if (m_found.env == "tabular*" || m_found.env == "tabularx")
        i = m_sc.ReadArgument(i, n, "the width of the " + m_found.env).after;
    m_sc.ReadOptional(i, n);
    i = m_sc.SkipBlanks(i, n);
    if (i >= n || m_s[i] != '{')
        m_sc.Fail(i, "expected '{' with the column specification of the " + m_found.env);
    const CRange spec = m_sc.ReadGroup(i, n);
    m_specAt = spec.begin;
    CSpecList list;
    ParseSpec(m_sc, spec.begin, spec.end, list, 0);
    if (list.columns == 0)
        m_sc.Fail(spec.begin, "expected at least one column letter (l, c, r, ...) in the column "
                              "specification");
    m_cols = MakeColumns(list, MAX_CELLS);
    m_n = static_cast<int>(m_cols.places.size());
    if (m_cols.total > MAX_CELLS)
        m_warnings.Add("the column specification at " + m_sc.Where(spec.begin) + " has " +
                       std::to_string(m_cols.total) + " columns; columns 251 to " +
                       std::to_string(m_cols.total) + " were cut");
    return spec.after;
}

void CLatexTableReader::ClineRange(const CRange& arg, CZone& zone) {
    const std::string text = m_sc.CleanText(arg.begin, arg.end);
    const std::size_t dash = text.find('-');
    std::optional<long long> a, b;
    if (dash != std::string::npos) {
        a = ParseWholeNumber(std::string_view(text).substr(0, dash));
        b = ParseWholeNumber(std::string_view(text).substr(dash + 1));
    }
    if (!a || !b || *a < 1 || *b < 1)
        m_sc.Fail(arg.begin, "expected a column range such as 2-3");
    if (*a > *b) {
        m_warnings.Add("the rule " + text + " at " + m_sc.Where(arg.begin) +
                       " runs backwards; it was left out");
        return;
    }
    if (*b > m_cols.total)
        m_warnings.Add("the rule " + text + " at " + m_sc.Where(arg.begin) + " runs past the " +
                       std::to_string(m_cols.total) + " columns; it was cut there");
    const long long last = std::min<long long>(*b, m_n);
    if (zone.at.size() < static_cast<std::size_t>(m_n))
        zone.at.resize(static_cast<std::size_t>(m_n), LINE_NONE);
    for (long long k = *a; k <= last; ++k)
        zone.at[static_cast<std::size_t>(k - 1)] =
            std::max<std::uint8_t>(zone.at[static_cast<std::size_t>(k - 1)], LINE_SINGLE);
}

bool CLatexTableReader::ReadRule(std::size_t& i, std::string_view name, CZone& zone) {
    const std::size_t n = m_s.size();
    std::size_t j = m_sc.ControlEnd(i);
    if (name == "hline" || name == "hdashline" || name == "firsthline" || name == "lasthline") {
        ++zone.full;
    } else if (name == "toprule" || name == "midrule" || name == "bottomrule") {
        m_sc.ReadOptional(j, n);
        ++zone.full;
    } else if (name == "specialrule") {
        for (int k = 0; k < 3; ++k)
            j = m_sc.ReadArgument(j, n, "an argument of \\specialrule").after;
        ++zone.full;
    } else if (name == "cline" || name == "cdashline") {
        const CRange arg = m_sc.ReadArgument(j, n, "a column range such as {2-3}");
        ClineRange(arg, zone);
        j = arg.after;
    } else if (name == "cmidrule") {
        m_sc.ReadOptional(j, n);
        m_sc.ReadParens(j, n);
        const CRange arg = m_sc.ReadArgument(j, n, "a column range such as {2-3}");
        ClineRange(arg, zone);
        j = arg.after;
    } else if (name == "hhline") {
        const CRange arg = m_sc.ReadArgument(j, n, "the pattern of \\hhline");
        std::size_t col = 0;
        if (zone.at.size() < static_cast<std::size_t>(m_n))
            zone.at.resize(static_cast<std::size_t>(m_n), LINE_NONE);
        for (std::size_t k = arg.begin; k < arg.end; ++k) {
            const char c = m_s[k];
            if (c != '=' && c != '-' && c != '~')
                continue;
            if (col < zone.at.size())
                zone.at[col] = std::max<std::uint8_t>(zone.at[col], c == '='   ? LINE_DOUBLE
                                                                    : c == '-' ? LINE_SINGLE
                                                                               : LINE_NONE);
            ++col;
        }
        j = arg.after;
    } else if (name == "addlinespace") {
        m_sc.ReadOptional(j, n);
    } else if (name == "morecmidrules") {
    } else if (name == "noalign") {
        j = m_sc.ReadArgument(j, n, "the argument of \\noalign").after;
    } else {
        return false;
    }
    i = j;
    return true;
}

CLatexTableReader::CRawRow CLatexTableReader::ReadRowText(std::size_t i) {
    CRawRow row;
    const std::size_t n = m_s.size();
    std::vector<std::size_t> braces;
    struct CEnv {
        std::string_view name;
        std::size_t at;
    };
    std::vector<CEnv> envs;
    std::size_t cellStart = i;
    std::size_t j = i;
    auto closeCell = [&](std::size_t at) {
        row.cells.emplace_back(cellStart, at);
        if (!m_sc.IsBlankRange(cellStart, at))
            row.blank = false;
    };
    while (true) {
        if (j >= n)
            FailUnclosed();
        const char c = m_s[j];
        if (c == '%') {
            j = m_sc.CommentEnd(j);
            continue;
        }
        if (c == '{') {
            braces.push_back(j++);
            continue;
        }
        if (c == '}') {
            if (braces.empty())
                m_sc.Fail(j, "unbalanced braces: this '}' closes no '{'");
            braces.pop_back();
            ++j;
            continue;
        }
        const bool top = braces.empty() && envs.empty();
        if (c == '&') {
            if (top) {
                closeCell(j);
                row.amps.push_back(j);
                row.blank = false;
                cellStart = j + 1;
            }
            ++j;
            continue;
        }
        if (c != '\\') {
            j += Cp932CharLength(m_s, j);
            continue;
        }
        const std::string_view name = m_sc.ControlAt(j, n);
        if (top && (name == "\\" || name == "tabularnewline")) {
            closeCell(j);
            row.termAt = j;
            std::size_t k = m_sc.ControlEnd(j);
            if (k < n && m_s[k] == '*')
                ++k;
            if (k < n && m_s[k] == '[') {
                k = m_sc.ReadBracket(k, n).after;
            } else {
                std::size_t b = k;
                while (b < n &&
                       (m_s[b] == ' ' || m_s[b] == '\t' || m_s[b] == '\r' || m_s[b] == '\n'))
                    ++b;
                // After blanks only a length in brackets is the argument; anything else (an
                // '[' not closed soon, too) is the text of the next row.
                if (b < n && m_s[b] == '[') {
                    try {
                        const CRange r = m_sc.ReadBracket(b, std::min(n, b + 64));
                        if (LooksLikeLength(m_s.substr(r.begin, r.end - r.begin)))
                            k = r.after;
                    } catch (const CSourceError&) {
                    }
                }
            }
            row.term = Terminator::Row;
            row.after = k;
            return row;
        }
        if (top && m_longtable && MarkerSection(name) != Section::Body) {
            closeCell(j);
            row.termAt = j;
            row.term = Terminator::Marker;
            row.marker = MarkerSection(name);
            row.after = m_sc.ControlEnd(j);
            return row;
        }
        if (name == "begin" || name == "end") {
            const CRange arg = m_sc.ReadArgument(m_sc.ControlEnd(j), n, "an environment name");
            const std::string_view env = m_s.substr(arg.begin, arg.end - arg.begin);
            if (name == "begin") {
                envs.push_back({env, j});
            } else if (!envs.empty()) {
                if (envs.back().name != env)
                    m_sc.Fail(j, "expected \\end{" + std::string(envs.back().name) +
                                     "} for the \\begin{" + std::string(envs.back().name) +
                                     "} at " + m_sc.Where(envs.back().at) + ", found \\end{" +
                                     std::string(env) + "}");
                envs.pop_back();
            } else if (env == m_found.env) {
                if (!braces.empty())
                    m_sc.Fail(braces.back(), "unbalanced braces: this '{' is not closed before "
                                             "\\end{" +
                                                 m_found.env + "} (expected '}')");
                closeCell(j);
                row.termAt = j;
                row.term = Terminator::End;
                row.after = arg.after;
                return row;
            } else {
                m_sc.Fail(j, "expected \\end{" + m_found.env + "}, found \\end{" +
                                 std::string(env) + "} without its \\begin");
            }
            j = arg.after;
            continue;
        }
        j = name == "verb" ? m_sc.VerbEnd(j, n) : m_sc.ControlEnd(j);
    }
}

void CLatexTableReader::ReadContent(std::size_t begin, std::size_t end, CSrcCell& cell) {
    const std::size_t n = end;
    const std::size_t i = m_sc.SkipBlanks(begin, end);
    const std::string_view name = m_sc.ControlAt(i, end);
    if (name == "multirow") {
        std::size_t j = m_sc.ControlEnd(i);
        if (const auto vpos = m_sc.ReadOptional(j, n)) {
            const std::string v = m_sc.CleanText(vpos->begin, vpos->end);
            cell.vplace = v == "t" ? 0 : v == "b" ? 2 : 1;
        }
        const CRange rows = m_sc.ReadArgument(j, n, "the row count of \\multirow");
        const std::optional<long long> count =
            ParseWholeNumber(m_sc.CleanText(rows.begin, rows.end));
        if (!count || *count == 0)
            m_sc.Fail(rows.begin, "expected a row count (a whole number, not 0) for \\multirow");
        j = rows.after;
        m_sc.ReadOptional(j, n);
        j = m_sc.ReadArgument(j, n, "the width of \\multirow").after;
        m_sc.ReadOptional(j, n);
        const CRange text = m_sc.ReadArgument(j, n, "the text of \\multirow");
        cell.multirow = *count;
        cell.text = m_sc.CleanText(text.begin, text.end);
        const std::string rest = m_sc.CleanText(text.after, end);
        if (!rest.empty())
            cell.text += (cell.text.empty() ? "" : " ") + rest;
        return;
    }
    if (name == "raisebox") {
        // Only the generator's exact form is a row span; any other raise box is text.
        constexpr std::string_view form = "\\raisebox{-1.8ex}[0pt][0pt]{";
        if (m_s.substr(i, form.size()) == form) {
            const CRange text = m_sc.ReadGroup(i + form.size() - 1, end);
            if (m_sc.IsBlankRange(text.after, end)) {
                cell.raise = true;
                cell.text = m_sc.CleanText(text.begin, text.end);
                cell.rawText = m_sc.CleanText(begin, end);
                return;
            }
        }
    }
    cell.text = m_sc.CleanText(begin, end);
}

std::string CLatexTableReader::Protect(std::string text, bool firstColumn) const {
    // A text taken out of an argument is written again as a plain cell where the generator
    // sees no need for \multicolumn. What the braces protected (an '&', a row end) or what
    // would read as the start of a cell (\multicolumn), or in the first column of a row (a
    // rule, "\\ [2pt]"), stays in a group of its own then.
    if (text.find_first_of("&\\[") == std::string::npos)
        return text;
    const CSourceText text932(text, false);
    const CLatexScanner sc(text932);
    const std::size_t n = text.size();
    bool hazard = false;
    if (firstColumn && !text.empty() && text[0] == '[') {
        const std::size_t close = text.find(']');
        hazard = close != std::string::npos &&
                 LooksLikeLength(std::string_view(text).substr(1, close - 1));
    }
    const std::string_view first = sc.ControlAt(0, n);
    hazard |= first == "multicolumn" || first == "multirow" ||
              text.starts_with("\\raisebox{-1.8ex}[0pt][0pt]{");
    // What the rule lines between rows may hold: a rule, a longtable part's end, a caption.
    if (firstColumn && !first.empty())
        hazard |= IsRuleCommand(first) || first == "end" ||
                  (m_longtable && (first == "caption" || first == "label" ||
                                   MarkerSection(first) != Section::Body));
    int depth = 0, envs = 0;
    for (std::size_t i = 0; i < n && !hazard;) {
        const char c = text[i];
        if (c == '{' || c == '}') {
            depth += c == '{' ? 1 : -1;
            ++i;
        } else if (c == '&') {
            hazard = depth == 0 && envs == 0;
            ++i;
        } else if (c == '\\') {
            const std::string_view name = sc.ControlAt(i, n);
            if (name == "begin")
                ++envs;
            else if (name == "end")
                --envs;
            hazard = depth == 0 && envs == 0 &&
                     (name == "\\" || name == "tabularnewline" ||
                      (m_longtable && MarkerSection(name) != Section::Body));
            if (name == "verb") {
                try {
                    i = sc.VerbEnd(i, n);
                } catch (const CSourceError&) {
                    break;
                }
            } else {
                i = sc.ControlEnd(i);
            }
        } else {
            i += Cp932CharLength(text, i);
        }
    }
    return hazard ? "{" + text + "}" : text;
}

CSrcCell CLatexTableReader::ReadCell(std::size_t begin, std::size_t end, int col) {
    CSrcCell cell;
    cell.col = col;
    cell.offset = m_sc.SkipBlanks(begin, end);
    const std::size_t i = cell.offset;
    if (m_sc.ControlAt(i, end) != "multicolumn") {
        if (col < m_n) {
            cell.place = m_cols.places[static_cast<std::size_t>(col)];
            cell.vplace = m_cols.vplaces[static_cast<std::size_t>(col)];
        }
        ReadContent(begin, end, cell);
        // A plain first cell can start with "[2pt]" only where the row before ended with a
        // "\\[...]" of its own; written after a plain "\\" it would be taken as its argument.
        if (cell.raise || cell.multirow != 0 || col == 0)
            cell.text = Protect(std::move(cell.text), col == 0);
        return cell;
    }
    const CRange count =
        m_sc.ReadArgument(m_sc.ControlEnd(i), end, "the column count of \\multicolumn");
    const std::optional<long long> cs = ParseWholeNumber(m_sc.CleanText(count.begin, count.end));
    if (!cs || *cs < 1)
        m_sc.Fail(count.begin, "expected a column count (a whole number from 1) for \\multicolumn");
    const CRange spec = m_sc.ReadArgument(count.after, end,
                                          "the column specification of "
                                          "\\multicolumn");
    CSpecList list;
    ParseSpec(m_sc, spec.begin, spec.end, list, 0);
    if (list.columns != 1)
        m_sc.Fail(spec.begin, "expected exactly one column letter in the column argument "
                              "of \\multicolumn");
    int before = 0, after = 0;
    bool seen = false;
    for (const CSpecItem& it : list.items) {
        if (it.column) {
            seen = true;
            cell.place = it.place;
            cell.vplace = it.vplace;
        } else {
            ++(seen ? after : before);
        }
    }
    const CRange text = m_sc.ReadArgument(spec.after, end, "the text of \\multicolumn");
    cell.multi = true;
    cell.cs = static_cast<int>(std::min<long long>(*cs, COLUMN_COUNT_CAP));
    cell.leftGiven = before > 0;
    cell.leftRule = RuleKind(before);
    cell.rightRule = RuleKind(after);
    ReadContent(text.begin, text.end, cell);
    const std::string rest = m_sc.CleanText(text.after, end);
    if (!rest.empty()) {
        if (cell.raise) {
            cell.raise = false;
            cell.text = cell.rawText;
        }
        cell.text += (cell.text.empty() ? "" : " ") + rest;
    }
    cell.text = Protect(std::move(cell.text), col == 0);
    return cell;
}

CSrcRow CLatexTableReader::MakeRow(const CRawRow& raw) {
    CSrcRow row;
    row.cells.reserve(raw.cells.size());
    row.offset = raw.cells.empty() ? raw.termAt : raw.cells.front().first;
    long long col = 0;
    for (std::size_t k = 0; k < raw.cells.size(); ++k) {
        if (col >= m_cols.total)
            m_sc.Fail(raw.amps[k - 1],
                      "too many '&': this one begins column " + std::to_string(col + 1) +
                          ", but the column specification at " + m_sc.Where(m_specAt) + " has " +
                          std::to_string(m_cols.total) + " columns");
        CSrcCell cell = ReadCell(raw.cells[k].first, raw.cells[k].second,
                                 static_cast<int>(std::min<long long>(col, MAX_CELLS)));
        if (col + cell.cs > m_cols.total)
            m_sc.Fail(cell.offset, "this \\multicolumn{" + std::to_string(cell.cs) +
                                       "} at column " + std::to_string(col + 1) +
                                       " runs past the " + std::to_string(m_cols.total) +
                                       " columns of the column specification at " +
                                       m_sc.Where(m_specAt));
        const long long next = col + cell.cs;
        if (col < m_n) {
            cell.cs = static_cast<int>(std::min<long long>(cell.cs, m_n - col));
            row.cells.push_back(std::move(cell));
        }
        col = next;
    }
    FoldEmptySpans(row);
    return row;
}

void CLatexTableReader::FoldEmptySpans(CSrcRow& row) const {
    // The generator writes a span with an empty text as one plain empty cell (in a raise box
    // for an even row span), and each column it covers as a cell of its own: a one-column
    // 'c' cell where the rules inside the span differ from the column's, else plain. It
    // counts the origin plain when the rule after the span equals the column rule after its
    // first column. A blank plain cell followed by such a 'c' cell without a left rule, where
    // the column rule between them is drawn, can only be that: the cells are one span again,
    // as short as the rules allow.
    std::vector<CSrcCell>& cells = row.cells;
    const auto rule = [&](int edge) { return m_cols.rules[static_cast<std::size_t>(edge)]; };
    for (std::size_t i = 0; i + 1 < cells.size(); ++i) {
        const CSrcCell& origin = cells[i];
        if (origin.multi || !origin.text.empty() || origin.multirow != 0 || origin.cs != 1 ||
            rule(origin.col + 1) == LINE_NONE)
            continue;
        const CSrcCell& first = cells[i + 1];
        if (!first.multi || !first.Blank() || first.cs != 1 || first.place != 1 || first.leftGiven)
            continue;
        std::size_t last = 0;
        for (std::size_t j = i + 1; j < cells.size(); ++j) {
            const CSrcCell& c = cells[j];
            if (!c.Blank() || c.cs != 1 || (c.multi && (c.place != 1 || c.leftGiven)))
                break;
            const int right = c.multi ? c.rightRule : rule(c.col + 1);
            if (right == rule(origin.col + 1)) {
                last = j;
                break;
            }
            if (right != LINE_NONE)
                break;
        }
        if (last == 0)
            continue;
        cells[i].cs = cells[last].col + 1 - origin.col;
        cells[i].foldedRight =
            cells[last].multi ? cells[last].rightRule : rule(cells[last].col + 1);
        cells.erase(cells.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                    cells.begin() + static_cast<std::ptrdiff_t>(last) + 1);
    }
}

bool CLatexTableReader::EndsWithBlankLine(std::size_t at) const {
    // "\r\n \r\n\end{array}": the generator's last row of an array, empty and without "\\".
    std::size_t j = at;
    while (j > 0 && (m_s[j - 1] == ' ' || m_s[j - 1] == '\t'))
        --j;
    if (j == 0 || m_s[j - 1] != '\n')
        return false;
    --j;
    if (j > 0 && m_s[j - 1] == '\r')
        --j;
    const std::size_t blanks = j;
    while (j > 0 && (m_s[j - 1] == ' ' || m_s[j - 1] == '\t'))
        --j;
    return j < blanks && j > 0 && (m_s[j - 1] == '\n' || m_s[j - 1] == '\r');
}

std::size_t CLatexTableReader::ReadBody(std::size_t i) {
    const std::size_t n = m_s.size();
    CZone zone;
    auto flushZone = [&] {
        m_zones.push_back(zone);
        m_items.push_back({CBodyItem::Zone, m_zones.size() - 1});
        zone = CZone();
    };
    while (true) {
        // Rule lines and other material between rows.
        while (true) {
            i = m_sc.SkipBlanks(i, n, &m_rowComments);
            const std::string_view name = m_sc.ControlAt(i, n);
            if (name.empty())
                break;
            if (ReadRule(i, name, zone))
                continue;
            if (m_longtable && MarkerSection(name) != Section::Body) {
                flushZone();
                m_items.push_back({CBodyItem::Marker, 0, MarkerSection(name)});
                i = m_sc.ControlEnd(i);
                continue;
            }
            if (m_longtable && (name == "caption" || name == "label")) {
                CCaption cap;
                i = ReadCaption(m_sc, i, name == "label", cap);
                m_tableCaptions.push_back(std::move(cap));
                m_items.push_back({CBodyItem::Caption, m_tableCaptions.size() - 1});
                const std::size_t k = m_sc.SkipBlanks(i, n);
                if (m_sc.ControlAt(k, n) == "\\" || m_sc.ControlAt(k, n) == "tabularnewline") {
                    i = m_sc.ControlEnd(k);
                    if (i < n && m_s[i] == '*')
                        ++i;
                    m_sc.ReadOptional(i, n);
                }
                continue;
            }
            if (name == "end") {
                const CRange arg = m_sc.ReadArgument(m_sc.ControlEnd(i), n, "an environment name");
                if (m_s.substr(arg.begin, arg.end - arg.begin) == m_found.env) {
                    if (EndsWithBlankLine(i)) {
                        flushZone();
                        m_rows.push_back({{}, i});
                        m_rows.back().cells.push_back({});
                        m_rows.back().cells.back().offset = i;
                        m_items.push_back({CBodyItem::Row, m_rows.size() - 1});
                    }
                    flushZone();
                    m_endAt = i;
                    return arg.after;
                }
            }
            break;
        }
        if (i >= n)
            FailUnclosed();
        const CRawRow raw = ReadRowText(i);
        m_endAt = raw.termAt;
        if (raw.term == Terminator::End && raw.blank) {
            if (EndsWithBlankLine(raw.termAt)) {
                flushZone();
                CSrcRow row = MakeRow(raw);
                m_rows.push_back(std::move(row));
                m_items.push_back({CBodyItem::Row, m_rows.size() - 1});
            }
            flushZone();
            return raw.after;
        }
        flushZone();
        m_rows.push_back(MakeRow(raw));
        m_items.push_back({CBodyItem::Row, m_rows.size() - 1});
        i = raw.after;
        if (raw.term == Terminator::End) {
            m_zones.push_back(CZone());
            m_items.push_back({CBodyItem::Zone, m_zones.size() - 1});
            return raw.after;
        }
        if (raw.term == Terminator::Marker) {
            flushZone();
            m_items.push_back({CBodyItem::Marker, 0, raw.marker});
        }
    }
}

// ---------------------------------------------------------------------------------------
// From the cells as written to the table model.

// Which column placement the generator's vote gives for these votes (ties: left, centre).
int ColumnWinner(const CPlaceVotes& v) {
    if (v.left >= v.centre && v.left >= v.right)
        return 0;
    return v.centre >= v.right ? 1 : 2;
}

void CLatexTableReader::Read() {
    m_longtable = m_found.env == "longtable";
    const std::size_t bodyStart = ReadColumnSpec();
    m_end = ReadBody(bodyStart);
    BuildTable();

    COptionsRecord& o = m_table.options;
    const bool array = m_found.env == "array";
    m_table.target = array ? TARGET_ARRAY : TARGET_TABULAR;
    const CAfter after = ScanAfter(m_sc, m_end, m_found.inFloat);
    std::vector<CCaption> before = m_found.before;
    before.insert(before.end(), m_captionsAbove.begin(), m_captionsAbove.end());
    std::vector<CCaption> behind = m_captionsBelow;
    behind.insert(behind.end(), after.captions.begin(), after.captions.end());
    auto take = [&](const std::vector<CCaption>& list, bool label, int& flag, std::string& text) {
        for (const CCaption& c : list) {
            if (c.label == label && !flag) {
                flag = 1;
                text = c.text;
            }
        }
    };
    take(before, false, o.Cap, o.CapStr);
    take(before, true, o.Label, o.LabelStr);
    const bool anyBefore = o.Cap || o.Label;
    take(behind, false, o.Cap, o.CapStr);
    take(behind, true, o.Label, o.LabelStr);
    o.LabelPos = anyBefore || !(o.Cap || o.Label) ? 0 : 1;
    o.Table = m_found.inFloat ? 1 : 0;
    if (array) {
        o.ArrayDoc = m_found.inDocument ? 1 : 0;
        o.ArrayCom = m_rowComments ? 1 : 0;
        if (m_found.kakkoOpen != 0 && m_found.kakkoOpen == after.kakkoClose)
            o.Kakko = m_found.kakkoOpen;
        o.Math = m_found.mathOpen;
    } else {
        o.Doc = m_found.inDocument ? 1 : 0;
        o.Com = m_rowComments ? 1 : 0;
    }
    m_warnings.Finish();
}

void CLatexTableReader::BuildTable() {
    // Sections of a longtable in the order they are typeset on the first and last pages.
    std::vector<CBodyItem> order;
    if (m_longtable) {
        std::vector<std::vector<CBodyItem>> parts(5);
        std::vector<CBodyItem> current;
        for (const CBodyItem& it : m_items) {
            if (it.kind == CBodyItem::Marker) {
                auto& part = parts[static_cast<std::size_t>(it.marker)];
                part.insert(part.end(), current.begin(), current.end());
                current.clear();
            } else {
                current.push_back(it);
            }
        }
        auto& body = parts[static_cast<std::size_t>(Section::Body)];
        body.insert(body.end(), current.begin(), current.end());
        const auto& firstHead = parts[static_cast<std::size_t>(Section::FirstHead)];
        const auto& head = parts[static_cast<std::size_t>(Section::Head)];
        const auto& foot = parts[static_cast<std::size_t>(Section::Foot)];
        const auto& lastFoot = parts[static_cast<std::size_t>(Section::LastFoot)];
        const std::vector<CBodyItem>* sequence[] = {firstHead.empty() ? &head : &firstHead, &body,
                                                    lastFoot.empty() ? &foot : &lastFoot};
        for (const std::vector<CBodyItem>* p : sequence)
            order.insert(order.end(), p->begin(), p->end());
    } else {
        order = m_items;
    }
    // Rows in order with the zone above each and one below the last.
    std::vector<std::size_t> rowOrder;
    std::vector<CZone> zones(1);
    for (const CBodyItem& it : order) {
        if (it.kind == CBodyItem::Zone) {
            zones.back().Merge(m_zones[it.index]);
        } else if (it.kind == CBodyItem::Row) {
            rowOrder.push_back(it.index);
            zones.emplace_back();
        } else if (it.kind == CBodyItem::Caption) {
            (rowOrder.empty() ? m_captionsAbove : m_captionsBelow)
                .push_back(m_tableCaptions[it.index]);
        }
    }
    if (rowOrder.empty())
        m_sc.Fail(m_endAt, "expected at least one row before \\end{" + m_found.env + "}");
    if (rowOrder.size() > static_cast<std::size_t>(MAX_CELLS))
        m_warnings.Add("the table has " + std::to_string(rowOrder.size()) + " rows; rows 251 to " +
                       std::to_string(rowOrder.size()) + " were cut");
    const int m = static_cast<int>(std::min<std::size_t>(rowOrder.size(), MAX_CELLS));
    const int n = m_n;
    m_table.columns = n;
    m_table.rows = m;

    auto rowAt = [&](int r) -> CSrcRow& { return m_rows[rowOrder[static_cast<std::size_t>(r)]]; };

    // owner[r][c]: index of the cell of row r that covers column c, or -1.
    std::vector<std::vector<int>> owner(static_cast<std::size_t>(m),
                                        std::vector<int>(static_cast<std::size_t>(n), -1));
    for (int r = 0; r < m; ++r) {
        const auto& cells = rowAt(r).cells;
        for (std::size_t k = 0; k < cells.size(); ++k)
            for (int c = cells[k].col; c < cells[k].col + cells[k].cs; ++c)
                owner[r][static_cast<std::size_t>(c)] = static_cast<int>(k);
    }

    // Vertical lines of each row: the column rule where a plain cell stands, a multi-column
    // cell's own rules, nothing inside a multi-column cell or where the row has ended.
    std::vector<std::vector<std::uint8_t>> vEdge(
        static_cast<std::size_t>(m), std::vector<std::uint8_t>(static_cast<std::size_t>(n) + 1));
    for (int r = 0; r < m; ++r) {
        auto& e = vEdge[static_cast<std::size_t>(r)];
        bool prevMulti = false;
        for (const CSrcCell& cell : rowAt(r).cells) {
            const auto k = static_cast<std::size_t>(cell.col);
            const auto cs = static_cast<std::size_t>(cell.cs);
            if (!cell.multi) {
                if (k == 0 || !prevMulti)
                    e[k] = static_cast<std::uint8_t>(m_cols.rules[k]);
                e[k + cs] = static_cast<std::uint8_t>(cell.foldedRight >= 0 ? cell.foldedRight
                                                                            : m_cols.rules[k + cs]);
            } else {
                if (cell.leftGiven)
                    e[k] = static_cast<std::uint8_t>(cell.leftRule);
                else if (k == 0)
                    e[k] = LINE_NONE;
                e[k + static_cast<std::size_t>(cell.cs)] =
                    static_cast<std::uint8_t>(cell.rightRule);
            }
            prevMulti = cell.multi;
        }
    }
    auto hKind = [&](int edge, int col) {
        return zones[static_cast<std::size_t>(edge)].KindAt(static_cast<std::size_t>(col));
    };

    // The records: one per cell that needs one, at its row until a span moves it up.
    struct CPlaced {
        int row;
        int cell;          // index in its row
        int top;           // first row of its span
        int rs = 1;        // rows of its span
        bool odd = false;  // rebuilt from the middle-row form of an odd span
        bool fixed = true; // its placement shows in the source
        int hplace = 1;
        bool dropped = false; // an empty placeholder under a \multirow
        // The cell's own fields that the passes below ask for, kept here so that they do not
        // walk the cells.
        int col = 0;
        int cs = 1;
        bool blank = false;
        bool text = false;
        bool structured = false; // a raise box or \multirow
    };
    std::vector<CPlaced> placed;
    // claim[r][c]: the placed record covering (c, r), or -1.
    std::vector<std::vector<int>> claim(static_cast<std::size_t>(m),
                                        std::vector<int>(static_cast<std::size_t>(n), -1));
    auto cellAt = [&](int r, int c) -> const CSrcCell* {
        const int k = owner[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
        return k < 0 ? nullptr : &rowAt(r).cells[static_cast<std::size_t>(k)];
    };
    // True when columns c0..c1 of row r hold only blank cells that lie inside those columns
    // and no record claims them; strict also asks for one-column cells shown as the empty
    // cell (plain, or a 'c' multi-column cell).
    auto freeRow = [&](int r, int c0, int c1, bool strict) {
        for (int c = c0; c <= c1; ++c) {
            const int by = claim[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            // An empty multi-column cell is the usual placeholder under a row span.
            const bool placeholder = by >= 0 && !strict &&
                                     placed[static_cast<std::size_t>(by)].row == r &&
                                     placed[static_cast<std::size_t>(by)].blank;
            if (by >= 0 && !placeholder)
                return false;
            const CSrcCell* cell = cellAt(r, c);
            if (!cell)
                continue;
            if (!cell->Blank() || cell->col < c0 || cell->col + cell->cs - 1 > c1)
                return false;
            if (strict && (cell->cs != 1 || (cell->multi && cell->place != 1)))
                return false;
        }
        for (int c = c0 + 1; c <= c1; ++c)
            if (vEdge[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] != LINE_NONE)
                return false;
        return true;
    };
    auto edgeOpen = [&](int edge, int c0, int c1) {
        for (int c = c0; c <= c1; ++c)
            if (hKind(edge, c) != LINE_NONE)
                return false;
        return true;
    };
    auto edgeClosed = [&](int edge, int c0, int c1) {
        for (int c = c0; c <= c1; ++c)
            if (hKind(edge, c) == LINE_NONE)
                return false;
        return true;
    };
    // A line on this edge somewhere outside columns c0..c1 (or the span is as wide as the
    // table): the rows are ruled, and the rule leaves just these columns open.
    auto ruledElsewhere = [&](int edge, int c0, int c1) {
        if (c0 == 0 && c1 == n - 1)
            return true;
        for (int c = 0; c < n; ++c)
            if ((c < c0 || c > c1) && hKind(edge, c) != LINE_NONE)
                return true;
        return false;
    };
    auto claimRows = [&](int id, int top, int rs) {
        const CPlaced& p = placed[static_cast<std::size_t>(id)];
        for (int r = top; r < top + rs; ++r) {
            for (int c = p.col; c < p.col + p.cs; ++c) {
                int& by = claim[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
                if (by >= 0 && by != id)
                    placed[static_cast<std::size_t>(by)].dropped = true;
                by = id;
            }
        }
    };

    for (int r = 0; r < m; ++r) {
        auto& cells = rowAt(r).cells;
        for (std::size_t k = 0; k < cells.size(); ++k) {
            CSrcCell& cell = cells[k];
            const bool needs = !cell.Blank() || cell.cs > 1 || (cell.multi && cell.place != 1);
            if (!needs)
                continue;
            CPlaced p{r, static_cast<int>(k), r};
            p.hplace = cell.place;
            p.fixed = cell.multi || !cell.text.empty();
            p.col = cell.col;
            p.cs = cell.cs;
            p.blank = cell.Blank();
            p.text = !cell.text.empty();
            p.structured = cell.raise || cell.multirow != 0;
            placed.push_back(p);
            claimRows(static_cast<int>(placed.size()) - 1, r, 1);
        }
    }
    // Row spans written as such: the generator's raise box and \multirow.
    for (std::size_t id = 0; id < placed.size(); ++id) {
        CPlaced& p = placed[id];
        if (!p.structured)
            continue;
        CSrcCell& cell = rowAt(p.row).cells[static_cast<std::size_t>(p.cell)];
        const int c0 = cell.col, c1 = cell.col + cell.cs - 1;
        if (cell.raise) {
            if (p.row + 1 < m && edgeOpen(p.row + 1, c0, c1) && freeRow(p.row + 1, c0, c1, false)) {
                p.rs = 2;
                claimRows(static_cast<int>(id), p.row, 2);
            } else {
                cell.raise = false;
                cell.text = cell.rawText;
                p.fixed = cell.multi || !cell.text.empty();
                p.text = !cell.text.empty();
                p.structured = false;
            }
        } else if (cell.multirow != 0) {
            const long long want = cell.multirow > 0 ? cell.multirow : -cell.multirow;
            int got = 1;
            const int step = cell.multirow > 0 ? 1 : -1;
            while (got < want) {
                const int r = p.row + step * got;
                if (r < 0 || r >= m || !freeRow(r, c0, c1, false))
                    break;
                ++got;
            }
            if (got < want)
                m_warnings.Add("the \\multirow at " + m_sc.Where(cell.offset) + " asks for " +
                               std::to_string(want) + " rows; it spans " + std::to_string(got) +
                               " (the next row holds a cell there, or the table ends)");
            p.top = step > 0 ? p.row : p.row - got + 1;
            p.rs = got;
            claimRows(static_cast<int>(id), p.top, got);
            for (int e = p.top + 1; e < p.top + got; ++e) {
                if (!edgeOpen(e, c0, c1)) {
                    m_warnings.Add("a rule crosses the \\multirow at " + m_sc.Where(cell.offset) +
                                   "; it was left out inside the span");
                    break;
                }
            }
        }
    }
    // The middle-row form of an odd row span: a text between blank cells, taken as a span
    // only where the rules around leave just its columns open and close it above and below.
    for (std::size_t id = 0; id < placed.size(); ++id) {
        CPlaced& p = placed[id];
        if (p.dropped || p.rs != 1 || !p.text || p.structured)
            continue;
        const int c0 = p.col, c1 = p.col + p.cs - 1;
        for (int k = 1; p.row - k >= 0 && p.row + k < m; ++k) {
            const int top = p.row - k, bottom = p.row + k;
            if (!freeRow(top, c0, c1, true) || !freeRow(bottom, c0, c1, true))
                break;
            const int innerTop = top + 1, innerBottom = bottom; // edges inside the span
            if (!edgeOpen(innerTop, c0, c1) || !edgeOpen(innerBottom, c0, c1) ||
                !ruledElsewhere(innerTop, c0, c1) || !ruledElsewhere(innerBottom, c0, c1))
                break;
            if (edgeClosed(top, c0, c1) && edgeClosed(bottom + 1, c0, c1)) {
                p.top = top;
                p.rs = 2 * k + 1;
                p.odd = true;
                claimRows(static_cast<int>(id), top, p.rs);
                break;
            }
        }
    }

    // Column placements: the generator's vote must come out as the letter of the column
    // specification. Records whose placement the source does not show take the letter; blank
    // cells get empty records of that placement where the vote needs them, and a rebuilt odd
    // span gives its rows back when its column cannot be balanced otherwise.
    std::vector<std::vector<std::size_t>> byColumn(static_cast<std::size_t>(n));
    for (std::size_t id = 0; id < placed.size(); ++id)
        if (!placed[id].dropped)
            byColumn[static_cast<std::size_t>(placed[id].col)].push_back(id);
    std::vector<std::vector<std::pair<int, int>>> extra; // per column: (row, col) of empty records
    while (true) {
        extra.assign(static_cast<std::size_t>(n), {});
        int failed = -1;
        for (int c = 0; c < n && failed < 0; ++c) {
            const int letter = m_cols.places[static_cast<std::size_t>(c)];
            CPlaceVotes votes;
            for (const std::size_t id : byColumn[static_cast<std::size_t>(c)]) {
                CPlaced& p = placed[id];
                if (!p.fixed)
                    p.hplace = letter;
                votes.Add(p.hplace);
            }
            for (int r = 0; r < m && ColumnWinner(votes) != letter; ++r) {
                if (claim[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] >= 0)
                    continue;
                const CSrcCell* cell = cellAt(r, c);
                if (!cell || cell->col != c || !cell->Blank() || cell->cs != 1)
                    continue;
                if (cell->multi && cell->place != letter)
                    continue;
                extra[static_cast<std::size_t>(c)].emplace_back(r, c);
                votes.Add(letter);
            }
            if (ColumnWinner(votes) != letter)
                failed = c;
        }
        if (failed < 0)
            break;
        bool reverted = false;
        for (std::size_t id = 0; id < placed.size(); ++id) {
            CPlaced& p = placed[id];
            if (!p.odd || failed < p.col || failed >= p.col + p.cs)
                continue;
            for (int r = p.top; r < p.top + p.rs; ++r)
                for (int c = p.col; c < p.col + p.cs; ++c)
                    claim[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = -1;
            p.top = p.row;
            p.rs = 1;
            p.odd = false;
            claimRows(static_cast<int>(id), p.row, 1);
            reverted = true;
        }
        if (!reverted)
            break; // a hand-written table whose letters no set of records gives
    }

    // Into the model.
    for (const CPlaced& p : placed) {
        if (p.dropped)
            continue;
        CSrcCell& cell = rowAt(p.row).cells[static_cast<std::size_t>(p.cell)];
        CCellData rec;
        rec.text = std::move(cell.text);
        if (ClipCellText(rec.text))
            m_warnings.Add("the text of the cell at " + m_sc.Where(cell.offset) +
                           " is longer than 65535 bytes; it was cut");
        rec.colspan = static_cast<std::uint8_t>(cell.cs);
        rec.rowspan = static_cast<std::uint8_t>(p.rs);
        rec.hplace = static_cast<std::uint8_t>(p.hplace);
        rec.vplace = static_cast<std::uint8_t>(cell.vplace);
        m_table.cells.SetCell(cell.col + 1, p.top + 1, rec);
    }
    for (const auto& column : extra) {
        for (const auto& [r, c] : column) {
            CCellData rec;
            rec.hplace = static_cast<std::uint8_t>(m_cols.places[static_cast<std::size_t>(c)]);
            m_table.cells.SetCell(c + 1, r + 1, rec);
        }
    }
    for (int r = 0; r < m; ++r)
        for (int e = 0; e <= n; ++e)
            if (const int kind = vEdge[static_cast<std::size_t>(r)][static_cast<std::size_t>(e)])
                m_table.vLines.SetLine(r + 1, e + 1, kind);
    for (int e = 0; e <= m; ++e)
        for (int c = 0; c < n; ++c)
            if (const int kind = hKind(e, c))
                m_table.hLines.SetLine(c + 1, e + 1, kind);
}

} // namespace

void ReadLatexTable(const CSourceText& text, CImportedTable& table) {
    const CLatexScanner sc(text);
    const CFound found = FindTable(sc);
    CLatexTableReader reader(sc, found, table);
    reader.Read();
}

} // namespace importer_detail
