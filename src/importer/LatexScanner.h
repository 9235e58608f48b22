#pragma once

#include "SourceText.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace importer_detail {

inline bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

// Token-level reading of LaTeX source in code page 932 bytes: control sequences, comments,
// groups and arguments. A trail byte of a double-byte character (it may be 0x5C, the
// backslash, or 0x7B, the brace) never counts as a character of its own.
class CLatexScanner {
public:
    explicit CLatexScanner(const CSourceText& text) : m_text(text), m_s(text.Bytes()) {}

    std::string_view Bytes() const { return m_s; }
    std::size_t Size() const { return m_s.size(); }
    const CSourceText& Text() const { return m_text; }

    // A balanced range: content [begin, end) and the offset after its closing delimiter.
    struct CRange {
        std::size_t begin = 0;
        std::size_t end = 0;
        std::size_t after = 0;
    };

    // Past the control sequence whose backslash is at i: a run of letters, or one character.
    std::size_t ControlEnd(std::size_t i) const {
        std::size_t j = i + 1;
        if (j >= m_s.size())
            return j;
        if (!IsAsciiLetter(m_s[j]))
            return j + Cp932CharLength(m_s, j);
        while (j < m_s.size() && IsAsciiLetter(m_s[j]))
            ++j;
        return j;
    }
    // The name of the control sequence at i (without the backslash); empty when i holds none.
    std::string_view ControlAt(std::size_t i, std::size_t limit) const;
    // Past the comment at i: the rest of the line, its line break and the next line's blanks.
    std::size_t CommentEnd(std::size_t i) const;
    // Past blanks and comments. rowComment is set when one of the generator's row comment
    // lines ("%<<-----") was passed.
    std::size_t SkipBlanks(std::size_t i, std::size_t limit, bool* rowComment = nullptr) const;
    // Past one character or control sequence at i (comments are not tokens).
    std::size_t TokenEnd(std::size_t i) const {
        return m_s[i] == '\\' ? ControlEnd(i) : i + Cp932CharLength(m_s, i);
    }

    // The group whose '{' is at i; its '}' must come before limit.
    CRange ReadGroup(std::size_t i, std::size_t limit) const;
    // The "[...]" whose '[' is at i; braces inside are balanced.
    CRange ReadBracket(std::size_t i, std::size_t limit) const;
    // One argument after blanks: a group, or a single token. `what` names it in the error.
    CRange ReadArgument(std::size_t i, std::size_t limit, std::string_view what) const;
    // An optional "[...]" after blanks; i moves past it when there is one.
    std::optional<CRange> ReadOptional(std::size_t& i, std::size_t limit) const;
    // An optional "(...)" after blanks, as booktabs' trim argument.
    std::optional<CRange> ReadParens(std::size_t& i, std::size_t limit) const;
    // Past "\verb*|...|" whose backslash is at i.
    std::size_t VerbEnd(std::size_t i, std::size_t limit) const;

    // The source of [begin, end) without comments, trimmed of blanks at both ends (a blank
    // that belongs to a control symbol such as "\ " stays).
    std::string CleanText(std::size_t begin, std::size_t end) const;
    // True when [begin, end) holds nothing but blanks and comments.
    bool IsBlankRange(std::size_t begin, std::size_t end) const;

    [[noreturn]] void Fail(std::size_t offset, std::string message) const;
    std::string Where(std::size_t offset) const { return m_text.Where(offset); }

private:
    const CSourceText& m_text;
    std::string_view m_s;
};

// A whole number after optional blanks and sign; no value for anything else.
std::optional<long long> ParseWholeNumber(std::string_view s);

} // namespace importer_detail
