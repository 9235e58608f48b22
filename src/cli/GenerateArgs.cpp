#include "GenerateArgs.h"

#include "Generator.h"
#include "TextCodec.h"

#include <algorithm>
#include <charconv>

namespace {

// A whole decimal int, sign allowed.
std::optional<int> ParseInt(std::string_view s) {
    int v = 0;
    const char* end = s.data() + s.size();
    const auto r = std::from_chars(s.data(), end, v);
    if (s.empty() || r.ec != std::errc() || r.ptr != end)
        return std::nullopt;
    return v;
}

} // namespace

// "C1,R1,C2,R2", each 1..250.
std::optional<CCellRect> ParseRange(std::string_view s) {
    int v[4];
    for (int i = 0; i < 4; ++i) {
        const std::size_t comma = i < 3 ? s.find(',') : s.size();
        if (comma == std::string_view::npos)
            return std::nullopt;
        const std::optional<int> n = ParseInt(s.substr(0, comma));
        if (!n || !IsCellIndex(*n))
            return std::nullopt;
        v[i] = *n;
        s.remove_prefix(i < 3 ? comma + 1 : comma);
    }
    return CCellRect{v[0], v[1], v[2], v[3]}.Normalized();
}

// KEY=VALUE into the record; the error text when it does not fit.
std::optional<std::string> SetOption(COptionsRecord& o, std::string_view arg) {
    const std::size_t eq = arg.find('=');
    if (eq == std::string_view::npos)
        return "option '" + std::string(arg) + "' is not KEY=VALUE";
    const std::string_view key = arg.substr(0, eq);
    const std::string_view value = arg.substr(eq + 1);
    const COptionField* f = FindOptionField(key);
    if (!f) {
        std::string names;
        for (const COptionField& field : OPTION_FIELDS)
            names += std::string(names.empty() ? "" : ", ") + field.name;
        return "unknown option key '" + std::string(key) + "' (keys: " + names + ")";
    }
    if (f->intMember) {
        const std::optional<int> n = ParseInt(value);
        if (!n)
            return "option " + std::string(key) + " needs a decimal number, not '" +
                   std::string(value) + "'";
        o.*f->intMember = *n;
        return std::nullopt;
    }
    std::optional<std::string> bytes = Utf8ToCp932(value);
    if (!bytes)
        return "the value of option " + std::string(key) + " cannot be written in code page 932";
    o.*f->stringMember = std::move(*bytes);
    return std::nullopt;
}

std::optional<std::string> ParseGenerateArgs(const std::vector<std::string>& args,
                                             const std::vector<std::string>& extraNames,
                                             const CExtraArg& extra, CGenerateArgs& out) {
    bool filesOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (filesOnly || name == "-" || name.empty() || name[0] != '-') {
            if (out.path)
                return "more than one FILE given";
            out.path = name;
            continue;
        }
        if (name == "--") {
            filesOnly = true;
            continue;
        }
        if (name == "-h" || name == "--help") {
            out.help = true;
            return std::nullopt;
        }
        if (const std::size_t eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        const bool own = std::find(extraNames.begin(), extraNames.end(), name) != extraNames.end();
        if (!own && name != "--target" && name != "--range" && name != "--option" &&
            name != "--text-format" && name != "--input-encoding")
            return "unknown option '" + name + "'";
        if (!value) {
            if (i + 1 >= args.size())
                return name + " needs a value";
            value = args[++i];
        }
        if (own) {
            if (std::optional<std::string> error = extra(name, *value))
                return error;
        } else if (name == "--target") {
            if (*value == "tabular")
                out.target = TARGET_TABULAR;
            else if (*value == "array")
                out.target = TARGET_ARRAY;
            else if (*value == "html")
                out.target = TARGET_HTML;
            else
                return "--target must be tabular, array or html, not '" + *value + "'";
        } else if (name == "--range") {
            out.range = ParseRange(*value);
            if (!out.range)
                return "--range must be C1,R1,C2,R2 with numbers from 1 to 250, not '" + *value +
                       "'";
        } else if (name == "--option") {
            if (std::optional<std::string> error = SetOption(out.options, *value))
                return error;
        } else if (name == "--input-encoding") {
            out.inputEncoding = ParseEncoding(*value);
            if (!out.inputEncoding)
                return "--input-encoding must be utf-8 or cp932, not '" + *value + "'";
        } else {
            const std::optional<TextFormat> f = ParseTextFormat(*value);
            if (!f)
                return "--text-format must be csv or tab, not '" + *value + "'";
            out.textFormat = *f;
        }
    }
    return std::nullopt;
}
