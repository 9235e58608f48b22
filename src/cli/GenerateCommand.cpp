#include "Commands.h"

#include "CliLoad.h"
#include "GenerateArgs.h"
#include "Generator.h"
#include "TextCodec.h"

#include <optional>
#include <ostream>

namespace {

int Usage(CCliStreams& io, const std::string& message) {
    io.err << "brindle generate: " << message << "\n" << UsageText();
    return EXIT_USAGE;
}

} // namespace

// brindle generate --target tabular|array|html [--range C1,R1,C2,R2] [--option KEY=VALUE]...
//                  [--text-format csv|tab] [--input-encoding E] [--encoding E] FILE
int RunGenerate(const std::vector<std::string>& args, CCliStreams& io) {
    CGenerateArgs a;
    TextEncoding output = TextEncoding::Utf8;
    const CExtraArg own = [&output](const std::string&,
                                    const std::string& value) -> std::optional<std::string> {
        const std::optional<TextEncoding> e = ParseEncoding(value);
        if (!e)
            return "--encoding must be utf-8 or cp932, not '" + value + "'";
        output = *e;
        return std::nullopt;
    };
    if (const std::optional<std::string> error = ParseGenerateArgs(args, {"--encoding"}, own, a))
        return Usage(io, *error);
    if (a.help) {
        io.out << UsageText();
        return EXIT_OK;
    }
    if (!a.target)
        return Usage(io, "--target is required");
    if (!a.path)
        return Usage(io, "no FILE given");

    CCliTable table;
    if (LoadTableForCli(*a.path, a.textFormat, a.inputEncoding, table, io.err) != EXIT_OK)
        return EXIT_IO;
    const CCellRect region =
        a.range ? *a.range : UsedRegion(table.cells, table.hLines, table.vLines);
    std::string source;
    GenerateSource(*a.target, {table.cells, table.spans, table.hLines, table.vLines}, region,
                   a.options, source);
    if (output == TextEncoding::Utf8) {
        std::optional<std::string> utf8 = Cp932ToUtf8(source);
        if (!utf8) {
            io.err << "brindle generate: the table holds bytes that are not code page 932 "
                      "characters, so the text cannot be written as UTF-8; --encoding cp932 "
                      "writes it as it is\n";
            return EXIT_IO;
        }
        source = std::move(*utf8);
    }
    io.out.write(source.data(), static_cast<std::streamsize>(source.size()));
    io.out.flush();
    if (!io.out) {
        io.err << "brindle generate: cannot write the generated text to standard output\n";
        return EXIT_IO;
    }
    return EXIT_OK;
}
