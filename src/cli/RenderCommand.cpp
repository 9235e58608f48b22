#include "Commands.h"

#include "CliLoad.h"
#include "FileIo.h"
#include "GenerateArgs.h"
#include "Generator.h"
#include "Render.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <ostream>

namespace {

int Usage(CCliStreams& io, const std::string& message) {
    io.err << "brindle render: " << message << "\n" << UsageText();
    return EXIT_USAGE;
}

// A positive decimal number (fractions allowed) up to max.
std::optional<double> ParsePositive(const std::string& s, double max) {
    double v = 0;
    const char* end = s.data() + s.size();
    const auto r = std::from_chars(s.data(), end, v);
    if (s.empty() || r.ec != std::errc() || r.ptr != end || !(v > 0) || v > max)
        return std::nullopt;
    return v;
}

bool EndsWithNoCase(const std::string& s, std::string_view suffix) {
    if (s.size() < suffix.size())
        return false;
    return std::equal(suffix.begin(), suffix.end(), s.end() - suffix.size(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

int ExitStatus(RenderStatus status) {
    switch (status) {
    case RenderStatus::Ok:
        return EXIT_OK;
    case RenderStatus::NoEngine:
        return EXIT_NO_TEX;
    default:
        return EXIT_TEX_ERROR;
    }
}

} // namespace

// brindle render --target tabular|array|html [--range C1,R1,C2,R2] [--option KEY=VALUE]...
//                [--text-format csv|tab] [--input-encoding utf-8|cp932] [--dpi N]
//                [--time-limit S] FILE -o OUT.png|OUT.pdf
int RunRender(const std::vector<std::string>& args, CCliStreams& io) {
    CGenerateArgs a;
    std::optional<std::string> output;
    CRenderSettings settings;
    const auto own = [&](const std::string& name,
                         const std::string& value) -> std::optional<std::string> {
        if (name == "-o" || name == "--output") {
            if (!EndsWithNoCase(value, ".png") && !EndsWithNoCase(value, ".pdf"))
                return "the output file must end in .png or .pdf, not '" + value + "'";
            output = value;
        } else if (name == "--dpi") {
            const std::optional<double> dpi = ParsePositive(value, 2400);
            if (!dpi)
                return "--dpi must be a number above 0 and at most 2400, not '" + value + "'";
            settings.dpi = *dpi;
        } else {
            const std::optional<double> s = ParsePositive(value, 3600);
            if (!s)
                return "--time-limit must be seconds above 0 and at most 3600, not '" + value + "'";
            settings.timeLimit = std::chrono::milliseconds(static_cast<long long>(*s * 1000));
        }
        return std::nullopt;
    };
    if (const std::optional<std::string> error =
            ParseGenerateArgs(args, {"-o", "--output", "--dpi", "--time-limit"}, own, a))
        return Usage(io, *error);
    if (a.help) {
        io.out << UsageText();
        return EXIT_OK;
    }
    if (!a.target)
        return Usage(io, "--target is required");
    if (*a.target == TARGET_HTML) {
        io.err << "brindle render: rendering HTML is not available in the command-line tool "
                  "(the editor's rendered preview shows it)\n";
        return EXIT_USAGE;
    }
    if (!a.path)
        return Usage(io, "no FILE given");
    if (!output)
        return Usage(io, "-o OUT.png or -o OUT.pdf is required");
    const bool pdf = EndsWithNoCase(*output, ".pdf");
    settings.wantPdf = pdf;

    CCliTable table;
    if (LoadTableForCli(*a.path, a.textFormat, a.inputEncoding, table, io.err) != EXIT_OK)
        return EXIT_IO;
    const CCellRect region =
        a.range ? *a.range : UsedRegion(table.cells, table.hLines, table.vLines);
    std::string error;
    const std::optional<CRenderSource> source =
        MakeRenderSource(*a.target, {table.cells, table.spans, table.hLines, table.vLines}, region,
                         a.options, error);
    if (!source) {
        io.err << "brindle render: " << error << "\n";
        return EXIT_TEX_ERROR;
    }
    const CRenderResult result = Render(*source, settings);
    if (result.status != RenderStatus::Ok) {
        io.err << "brindle render: " << result.message << "\n";
        for (const std::string& line : result.texLines)
            io.err << line << "\n";
        if (result.sourceLine > 0)
            io.err << "source line " << result.sourceLine << ": " << result.sourceText << "\n";
        return ExitStatus(result.status);
    }
    std::string bytes = result.pdf;
    if (!pdf) {
        std::optional<std::string> png = EncodePng(result.picture, settings.tempRoot, error);
        if (!png) {
            io.err << "brindle render: cannot encode the picture: " << error << "\n";
            return EXIT_IO;
        }
        bytes = std::move(*png);
    }
    if (const CFileIoResult w = ReplaceFileContent(*output, bytes); !w.ok) {
        io.err << "brindle render: cannot write " << *output << ": " << w.error << "\n";
        return EXIT_IO;
    }
    return EXIT_OK;
}
