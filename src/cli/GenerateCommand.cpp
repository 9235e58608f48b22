#include "Commands.h"

#include "CliLoad.h"
#include "Generator.h"
#include "TextCodec.h"

#include <charconv>
#include <optional>
#include <ostream>
#include <string_view>

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

int Usage(CCliStreams& io, const std::string& message) {
    io.err << "brindle generate: " << message << "\n" << UsageText();
    return EXIT_USAGE;
}

} // namespace

// brindle generate --target tabular|array|html [--range C1,R1,C2,R2] [--option KEY=VALUE]...
//                  [--text-format csv|tab] FILE
int RunGenerate(const std::vector<std::string>& args, CCliStreams& io) {
    std::optional<int> target;
    std::optional<CCellRect> range;
    COptionsRecord options;
    TextFormat textFormat = TextFormat::Csv;
    std::optional<std::string> path;

    bool filesOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (filesOnly || name == "-" || name.empty() || name[0] != '-') {
            if (path)
                return Usage(io, "more than one FILE given");
            path = name;
            continue;
        }
        if (name == "--") {
            filesOnly = true;
            continue;
        }
        if (name == "-h" || name == "--help") {
            io.out << UsageText();
            return EXIT_OK;
        }
        if (const std::size_t eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        if (name != "--target" && name != "--range" && name != "--option" &&
            name != "--text-format")
            return Usage(io, "unknown option '" + name + "'");
        if (!value) {
            if (i + 1 >= args.size())
                return Usage(io, name + " needs a value");
            value = args[++i];
        }
        if (name == "--target") {
            if (*value == "tabular")
                target = TARGET_TABULAR;
            else if (*value == "array")
                target = TARGET_ARRAY;
            else if (*value == "html")
                target = TARGET_HTML;
            else
                return Usage(io, "--target must be tabular, array or html, not '" + *value + "'");
        } else if (name == "--range") {
            range = ParseRange(*value);
            if (!range)
                return Usage(io, "--range must be C1,R1,C2,R2 with numbers from 1 to 250, not '" +
                                     *value + "'");
        } else if (name == "--option") {
            if (const std::optional<std::string> error = SetOption(options, *value))
                return Usage(io, *error);
        } else {
            const std::optional<TextFormat> f = ParseTextFormat(*value);
            if (!f)
                return Usage(io, "--text-format must be csv or tab, not '" + *value + "'");
            textFormat = *f;
        }
    }
    if (!target)
        return Usage(io, "--target is required");
    if (!path)
        return Usage(io, "no FILE given");

    CCliTable table;
    if (LoadTableForCli(*path, textFormat, table, io.err) != EXIT_OK)
        return EXIT_IO;
    const CCellRect region = range ? *range : UsedRegion(table.cells, table.hLines, table.vLines);
    std::string source;
    GenerateSource(*target, {table.cells, table.spans, table.hLines, table.vLines}, region, options,
                   source);
    io.out.write(source.data(), static_cast<std::streamsize>(source.size()));
    io.out.flush();
    if (!io.out) {
        io.err << "brindle generate: cannot write the generated text to standard output\n";
        return EXIT_IO;
    }
    return EXIT_OK;
}
