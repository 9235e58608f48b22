#pragma once

#include "CliLoad.h"
#include "ModelTypes.h"
#include "Options.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The arguments that generate and render share.
struct CGenerateArgs {
    std::optional<int> target;
    std::optional<CCellRect> range;
    COptionsRecord options;
    TextFormat textFormat = TextFormat::Csv;
    std::optional<TextEncoding> inputEncoding; // of a text FILE; detected when not given
    std::optional<std::string> path;
    bool help = false;
};

// A command's own option with its value; the error text when the value does not fit.
using CExtraArg =
    std::function<std::optional<std::string>(const std::string& name, const std::string& value)>;

// Reads FILE, "--", -h/--help and "NAME VALUE" or "NAME=VALUE" for --target, --range, --option,
// --text-format, --input-encoding and the names in extraNames (handed to extra). The error text of
// the first argument that does not fit; parsing stops at -h/--help.
std::optional<std::string> ParseGenerateArgs(const std::vector<std::string>& args,
                                             const std::vector<std::string>& extraNames,
                                             const CExtraArg& extra, CGenerateArgs& out);

// "C1,R1,C2,R2", each 1..250, corners ordered.
std::optional<CCellRect> ParseRange(std::string_view s);

// KEY=VALUE into the record; the error text when it does not fit.
std::optional<std::string> SetOption(COptionsRecord& o, std::string_view arg);
