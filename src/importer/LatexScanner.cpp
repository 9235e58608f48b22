#include "LatexScanner.h"

namespace importer_detail {

std::string_view CLatexScanner::ControlAt(std::size_t i, std::size_t limit) const {
    if (i >= limit || m_s[i] != '\\')
        return {};
    const std::size_t end = std::min(ControlEnd(i), limit);
    return m_s.substr(i + 1, end - i - 1);
}

std::size_t CLatexScanner::CommentEnd(std::size_t i) const {
    std::size_t j = i;
    while (j < m_s.size() && m_s[j] != '\n' && m_s[j] != '\r')
        ++j;
    if (j < m_s.size() && m_s[j] == '\r')
        ++j;
    if (j < m_s.size() && m_s[j] == '\n')
        ++j;
    while (j < m_s.size() && (m_s[j] == ' ' || m_s[j] == '\t'))
        ++j;
    return j;
}

std::size_t CLatexScanner::SkipBlanks(std::size_t i, std::size_t limit, bool* rowComment) const {
    while (i < limit) {
        const char c = m_s[i];
        if (IsBlank(c)) {
            ++i;
        } else if (c == '%') {
            if (rowComment && m_s.substr(i, 8) == "%<<-----")
                *rowComment = true;
            i = std::min(CommentEnd(i), limit);
        } else {
            break;
        }
    }
    return i;
}

CLatexScanner::CRange CLatexScanner::ReadGroup(std::size_t i, std::size_t limit) const {
    int depth = 1;
    std::size_t j = i + 1;
    while (j < limit) {
        const char c = m_s[j];
        if (c == '\\') {
            // Verbatim text hides its braces here as it does where cells are split.
            j = ControlAt(j, limit) == "verb" ? VerbEnd(j, limit) : ControlEnd(j);
        } else if (c == '%') {
            j = CommentEnd(j);
        } else if (c == '{') {
            ++depth;
            ++j;
        } else if (c == '}') {
            if (--depth == 0)
                return {i + 1, j, j + 1};
            ++j;
        } else {
            j += Cp932CharLength(m_s, j);
        }
    }
    Fail(i, "unbalanced braces: this '{' is never closed (expected '}')");
}

CLatexScanner::CRange CLatexScanner::ReadBracket(std::size_t i, std::size_t limit) const {
    std::size_t j = i + 1;
    while (j < limit) {
        const char c = m_s[j];
        if (c == '\\') {
            j = ControlAt(j, limit) == "verb" ? VerbEnd(j, limit) : ControlEnd(j);
        } else if (c == '%') {
            j = CommentEnd(j);
        } else if (c == '{') {
            j = ReadGroup(j, limit).after;
        } else if (c == ']') {
            return {i + 1, j, j + 1};
        } else {
            j += Cp932CharLength(m_s, j);
        }
    }
    Fail(i, "this '[' is never closed (expected ']')");
}

CLatexScanner::CRange CLatexScanner::ReadArgument(std::size_t i, std::size_t limit,
                                                  std::string_view what) const {
    const std::size_t j = SkipBlanks(i, limit);
    if (j >= limit || m_s[j] == '}' || m_s[j] == '&')
        Fail(j, "expected " + std::string(what));
    if (m_s[j] == '{')
        return ReadGroup(j, limit);
    const std::size_t end = std::min(TokenEnd(j), limit);
    return {j, end, end};
}

std::optional<CLatexScanner::CRange> CLatexScanner::ReadOptional(std::size_t& i,
                                                                 std::size_t limit) const {
    const std::size_t j = SkipBlanks(i, limit);
    if (j >= limit || m_s[j] != '[')
        return std::nullopt;
    const CRange r = ReadBracket(j, limit);
    i = r.after;
    return r;
}

std::optional<CLatexScanner::CRange> CLatexScanner::ReadParens(std::size_t& i,
                                                               std::size_t limit) const {
    const std::size_t j = SkipBlanks(i, limit);
    if (j >= limit || m_s[j] != '(')
        return std::nullopt;
    for (std::size_t k = j + 1; k < limit; k += Cp932CharLength(m_s, k)) {
        if (m_s[k] == ')') {
            i = k + 1;
            return CRange{j + 1, k, k + 1};
        }
    }
    Fail(j, "this '(' is never closed (expected ')')");
}

std::size_t CLatexScanner::VerbEnd(std::size_t i, std::size_t limit) const {
    std::size_t j = ControlEnd(i);
    if (j < limit && m_s[j] == '*')
        ++j;
    if (j >= limit)
        return j;
    const char delim = m_s[j];
    for (std::size_t k = j + 1; k < limit; k += Cp932CharLength(m_s, k)) {
        if (m_s[k] == delim)
            return k + 1;
        if (m_s[k] == '\n' || m_s[k] == '\r')
            break;
    }
    Fail(i, "\\verb text is not closed on its line (expected '" + std::string(1, delim) + "')");
}

std::string CLatexScanner::CleanText(std::size_t begin, std::size_t end) const {
    // Without a comment or a backslash byte nothing is escaped; where every lead byte has a
    // trail byte from 0x40 on, no blank belongs to a double-byte character (a lead byte takes
    // any byte after it, a blank too): the text is the range without its blanks around.
    const std::string_view range = m_s.substr(begin, end - begin);
    bool plain = range.find_first_of("%\\") == std::string_view::npos;
    for (std::size_t k = 0; k < range.size() && plain; ++k) {
        if (IsCp932LeadByte(static_cast<unsigned char>(range[k]))) {
            plain = k + 1 < range.size() && static_cast<unsigned char>(range[k + 1]) >= 0x40;
            ++k;
        }
    }
    if (plain) {
        std::size_t b = 0, e = range.size();
        while (b < e && IsBlank(range[b]))
            ++b;
        while (e > b && IsBlank(range[e - 1]))
            --e;
        return std::string(range.substr(b, e - b));
    }
    std::string out;
    out.reserve(end - begin);
    std::size_t solid = 0; // length of out up to the end of its last non-blank token
    std::size_t i = begin;
    while (i < end) {
        const char c = m_s[i];
        if (c == '%') {
            i = CommentEnd(i);
            continue;
        }
        if (IsBlank(c)) {
            if (!out.empty())
                out.push_back(c);
            ++i;
            continue;
        }
        std::size_t j = std::min(TokenEnd(i), end);
        if (c == '\\' && m_s.substr(i, j - i) == "\\verb") {
            // Verbatim text, '%' and all.
            try {
                j = std::min(VerbEnd(i, end), end);
            } catch (const CSourceError&) {
            }
        }
        out.append(m_s.data() + i, j - i);
        solid = out.size();
        i = j;
    }
    out.resize(solid);
    return out;
}

bool CLatexScanner::IsBlankRange(std::size_t begin, std::size_t end) const {
    return SkipBlanks(begin, end) >= end;
}

void CLatexScanner::Fail(std::size_t offset, std::string message) const {
    throw CSourceError{offset, std::move(message)};
}

std::optional<long long> ParseWholeNumber(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        negative = s[i++] == '-';
    const std::size_t digits = i;
    long long v = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        v = std::min<long long>(v * 10 + (s[i] - '0'), 1'000'000'000);
        ++i;
    }
    if (i == digits)
        return std::nullopt;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    if (i != s.size())
        return std::nullopt;
    return negative ? -v : v;
}

} // namespace importer_detail
