#pragma once

#include <string>
#include <string_view>
#include <vector>

// The first error of a TeX run as its log shows it (written with file:line: messages).
struct CTexError {
    // The error line, its context lines ("l.N ..." and the rest of the line), as in the log.
    std::vector<std::string> lines;
    // The error text without the file and line in front.
    std::string message;
    // The file named in front of the error, and its line; empty and 0 when the log names none.
    std::string file;
    int line = 0;
    // The file a "File `...' not found" error names.
    std::string missingFile;
};

// No error found: lines is empty.
CTexError FindTexError(std::string_view log);
