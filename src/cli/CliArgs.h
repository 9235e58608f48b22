#pragma once

#include "CliLoad.h"

#include <iosfwd>
#include <string>
#include <vector>

// Arguments of a command that reads a table: --text-format and the file names.
struct CTableArgs {
    TextFormat textFormat = TextFormat::Csv;
    std::vector<std::string> files;
    bool help = false;
};

// Parses "--text-format csv|tab" (also "--text-format=csv"), "-h"/"--help" and "--".
// False with a one-line problem for anything else that starts with "-".
bool ParseTableArgs(const std::vector<std::string>& args, CTableArgs& parsed, std::string& problem);

// Prints the readable listing of `brindle dump` (format in DumpCommand.cpp).
void DumpTable(const CCliTable& table, std::ostream& out);
