#pragma once

#include "CliLoad.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// Arguments of a command that reads a table: --text-format and the file names.
struct CTableArgs {
    TextFormat textFormat = TextFormat::Csv;
    std::optional<TextEncoding> encoding; // of a text file; detected when not given
    std::vector<std::string> files;
    bool help = false;
};

// Parses "--text-format csv|tab", "--encoding utf-8|cp932" (also "--name=value"),
// "-h"/"--help" and "--".
// False with a one-line problem for anything else that starts with "-".
bool ParseTableArgs(const std::vector<std::string>& args, CTableArgs& parsed, std::string& problem);

// Prints the readable listing of `brindle dump` (format in DumpCommand.cpp).
void DumpTable(const CCliTable& table, std::ostream& out);
