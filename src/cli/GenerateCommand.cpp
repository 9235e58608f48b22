#include "Commands.h"

#include "CliLoad.h"
#include "GenerateArgs.h"
#include "Generator.h"

#include <optional>
#include <ostream>

namespace {

int Usage(CCliStreams& io, const std::string& message) {
    io.err << "brindle generate: " << message << "\n" << UsageText();
    return EXIT_USAGE;
}

} // namespace

// brindle generate --target tabular|array|html [--range C1,R1,C2,R2] [--option KEY=VALUE]...
//                  [--text-format csv|tab] FILE
int RunGenerate(const std::vector<std::string>& args, CCliStreams& io) {
    CGenerateArgs a;
    if (const std::optional<std::string> error = ParseGenerateArgs(args, {}, nullptr, a))
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
    if (LoadTableForCli(*a.path, a.textFormat, table, io.err) != EXIT_OK)
        return EXIT_IO;
    const CCellRect region =
        a.range ? *a.range : UsedRegion(table.cells, table.hLines, table.vLines);
    std::string source;
    GenerateSource(*a.target, {table.cells, table.spans, table.hLines, table.vLines}, region,
                   a.options, source);
    io.out.write(source.data(), static_cast<std::streamsize>(source.size()));
    io.out.flush();
    if (!io.out) {
        io.err << "brindle generate: cannot write the generated text to standard output\n";
        return EXIT_IO;
    }
    return EXIT_OK;
}
