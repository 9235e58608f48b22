#include "TexLog.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

namespace {

// "FILE:LINE: text" as -file-line-error writes it; FILE holds no space and no colon.
bool SplitFileLine(std::string_view s, std::string& file, int& line, std::string& text) {
    const std::size_t colon = s.find(':');
    if (colon == std::string_view::npos || colon == 0 ||
        s.substr(0, colon).find(' ') != std::string_view::npos)
        return false;
    std::size_t end = colon + 1;
    while (end < s.size() && s[end] >= '0' && s[end] <= '9')
        ++end;
    if (end == colon + 1 || end >= s.size() || s[end] != ':' ||
        (end + 1 < s.size() && s[end + 1] != ' '))
        return false;
    file = std::string(s.substr(0, colon));
    std::from_chars(s.data() + colon + 1, s.data() + end, line);
    text = std::string(s.substr(std::min(end + 2, s.size())));
    return true;
}

bool EndsBlock(std::string_view l) {
    return l.empty() || l.starts_with("Here is how much") || l.starts_with("No pages of output") ||
           l.find("==> Fatal error occurred") != std::string_view::npos;
}

} // namespace

CTexError FindTexError(std::string_view log) {
    CTexError e;
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < log.size();) {
        std::size_t end = log.find('\n', start);
        if (end == std::string_view::npos)
            end = log.size();
        std::string_view l = log.substr(start, end - start);
        if (!l.empty() && l.back() == '\r')
            l.remove_suffix(1);
        lines.push_back(l);
        start = end + 1;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view l = lines[i];
        std::string file, text;
        int line = 0;
        if (l.starts_with("! ")) {
            e.message = std::string(l.substr(2));
        } else if (SplitFileLine(l, file, line, text)) {
            e.file = file;
            e.line = line;
            e.message = text;
        } else {
            continue;
        }
        for (std::size_t j = i; j < lines.size() && j < i + 16 && (j == i || !EndsBlock(lines[j]));
             ++j)
            e.lines.emplace_back(lines[j]);
        constexpr std::string_view notFound = "LaTeX Error: File `";
        if (const std::size_t p = e.message.find(notFound); p != std::string::npos) {
            const std::size_t q = e.message.find('\'', p + notFound.size());
            if (q != std::string::npos && e.message.compare(q, 12, "' not found.") == 0)
                e.missingFile = e.message.substr(p + notFound.size(), q - p - notFound.size());
        }
        // Without a file in front, the context line "l.N" gives the line.
        if (e.line == 0) {
            for (const std::string& c : e.lines) {
                if (c.starts_with("l.")) {
                    std::from_chars(c.data() + 2, c.data() + c.size(), e.line);
                    break;
                }
            }
        }
        break;
    }
    return e;
}
