#include "Cp932Text.h"

#include "TextCodec.h"

#include <QList>

#include <string_view>

namespace {

// Decodes one piece that failed as a whole, character by character.
void AppendLossy(std::string_view s, std::string& out, bool& ok) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n =
            IsCp932LeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
        if (const auto u = Cp932ToUtf8(s.substr(i, n))) {
            out += *u;
        } else {
            out += "\xEF\xBF\xBD";
            ok = false;
        }
        i += n;
    }
}

} // namespace

QString Cp932ToQString(const std::string& cp932, bool* ok) {
    if (const auto utf8 = Cp932ToUtf8(cp932)) {
        if (ok)
            *ok = true;
        return QString::fromStdString(*utf8);
    }
    // Line by line, so that only the lines holding a bad byte go character by character.
    bool allRead = true;
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    const std::string_view s(cp932);
    for (std::size_t start = 0; start < s.size();) {
        std::size_t end = s.find('\n', start);
        end = end == std::string_view::npos ? s.size() : end + 1;
        const std::string_view line = s.substr(start, end - start);
        if (const auto u = Cp932ToUtf8(line))
            out += *u;
        else
            AppendLossy(line, out, allRead);
        start = end;
    }
    if (ok)
        *ok = allRead;
    return QString::fromStdString(out);
}

std::optional<std::string> QStringToCp932(const QString& text, QString* bad) {
    if (auto cp932 = Utf8ToCp932(text.toStdString()))
        return cp932;
    if (bad) {
        bad->clear();
        const QList<uint> codes = text.toUcs4();
        for (const uint code : codes) {
            const char32_t c = code;
            const QString one = QString::fromUcs4(&c, 1);
            if (!Utf8ToCp932(one.toStdString())) {
                *bad = one;
                break;
            }
        }
    }
    return std::nullopt;
}

QString WithCrLf(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return out;
}
