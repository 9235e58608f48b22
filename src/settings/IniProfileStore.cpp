#include "IniProfileStore.h"

#include "FileIo.h"

#include <charconv>
#include <climits>
#include <filesystem>
#include <system_error>

namespace {

// Old INI files hold a few hundred bytes; anything far larger is not one of them.
constexpr std::uintmax_t MAX_INI_BYTES = 1 << 20;

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The section a "[Name]" line opens, or no value for any other line.
std::optional<std::string_view> SectionOf(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const std::size_t end = line.find(']');
    return Trim(line.substr(1, end == std::string_view::npos ? std::string_view::npos : end - 1));
}

} // namespace

CIniProfileStore::CIniProfileStore(std::string path) : m_path(std::move(path)) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(m_path, ec);
    std::string bytes;
    if (ec || size > MAX_INI_BYTES || !ReadWholeFile(m_path, bytes).ok)
        return;
    const CTextEncoding detected = DetectTextEncoding(bytes);
    m_encoding = detected.encoding;
    m_bom = detected.bomLength > 0;
    std::string_view text(bytes);
    text.remove_prefix(detected.bomLength);
    const std::size_t firstEnd = text.find('\n');
    if (firstEnd != std::string_view::npos)
        m_eol = firstEnd > 0 && text[firstEnd - 1] == '\r' ? "\r\n" : "\n";
    m_finalEol = text.empty() || text.back() == '\n';
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        m_lines.emplace_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

int CIniProfileStore::FindKey(const std::string& section, const std::string& key,
                              std::string* raw) const {
    bool inSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const std::string_view line = m_lines[i];
        if (const auto name = SectionOf(line)) {
            inSection = SameName(*name, section);
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!inSection || eq == std::string_view::npos || !SameName(Trim(line.substr(0, eq)), key))
            continue;
        if (raw)
            *raw = Trim(line.substr(eq + 1));
        return static_cast<int>(i);
    }
    return -1;
}

int CIniProfileStore::GetInt(const std::string& section, const std::string& key, int def) {
    std::string raw;
    if (FindKey(section, key, &raw) < 0 || raw.empty())
        return def;
    const char* first = raw.data();
    const char* last = raw.data() + raw.size();
    if (*first == '+')
        ++first;
    long long value = 0;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last || value < INT_MIN || value > INT_MAX)
        return def;
    return static_cast<int>(value);
}

std::string CIniProfileStore::GetString(const std::string& section, const std::string& key,
                                        const std::string& def) {
    std::string raw;
    if (FindKey(section, key, &raw) < 0)
        return def;
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"')
        raw = raw.substr(1, raw.size() - 2);
    if (m_encoding == TextEncoding::Cp932)
        return raw;
    const std::optional<std::string> cp932 = Utf8ToCp932(raw);
    return cp932 ? *cp932 : def;
}

bool CIniProfileStore::WriteInt(const std::string& section, const std::string& key, int value) {
    return Write(section, key, std::to_string(value));
}

bool CIniProfileStore::WriteString(const std::string& section, const std::string& key,
                                   const std::string& value) {
    if (value.find_first_of("\r\n") != std::string::npos)
        return false;
    if (m_encoding == TextEncoding::Cp932)
        return Write(section, key, value);
    const std::optional<std::string> utf8 = Cp932ToUtf8(value);
    return utf8 && Write(section, key, *utf8);
}

bool CIniProfileStore::Write(const std::string& section, const std::string& key,
                             const std::string& text) {
    const std::vector<std::string> before = m_lines;
    const int at = FindKey(section, key, nullptr);
    if (at >= 0) {
        std::string& line = m_lines[static_cast<std::size_t>(at)];
        line = line.substr(0, line.find('=') + 1) + text;
    } else {
        // After the last line with content of the section's first appearance.
        int sectionLine = -1;
        int lastContent = -1;
        for (std::size_t i = 0; i < m_lines.size(); ++i) {
            const auto name = SectionOf(m_lines[i]);
            if (sectionLine >= 0 && name)
                break;
            if (sectionLine < 0) {
                if (name && SameName(*name, section))
                    sectionLine = lastContent = static_cast<int>(i);
            } else if (!Trim(m_lines[i]).empty()) {
                lastContent = static_cast<int>(i);
            }
        }
        const std::string entry = key + "=" + text;
        if (sectionLine >= 0) {
            m_lines.insert(m_lines.begin() + lastContent + 1, entry);
        } else {
            m_lines.push_back("[" + section + "]");
            m_lines.push_back(entry);
        }
        m_finalEol = true;
    }
    if (ReplaceFileContent(m_path, Bytes()).ok)
        return true;
    m_lines = before;
    return false;
}

std::string CIniProfileStore::Bytes() const {
    std::string bytes = m_bom ? "\xEF\xBB\xBF" : "";
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        bytes += m_lines[i];
        if (i + 1 < m_lines.size() || m_finalEol)
            bytes += m_eol;
    }
    return bytes;
}
