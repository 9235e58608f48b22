#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Exit statuses of the command-line tool.
inline constexpr int EXIT_OK = 0;
inline constexpr int EXIT_USAGE = 1;
inline constexpr int EXIT_IO = 2;
inline constexpr int EXIT_NOT_FOUND = 3;
inline constexpr int EXIT_TEX_ERROR = 4; // render: TeX stopped on an error or ran out of time
inline constexpr int EXIT_NO_TEX = 5;    // render: the TeX engine is not installed

// Streams a command reads and writes; tests pass string streams.
struct CCliStreams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// Each command takes the arguments after its name.
int RunDump(const std::vector<std::string>& args, CCliStreams& io);
int RunConvert(const std::vector<std::string>& args, CCliStreams& io);
int RunGenerate(const std::vector<std::string>& args, CCliStreams& io);
int RunInsert(const std::vector<std::string>& args, CCliStreams& io);
int RunRender(const std::vector<std::string>& args, CCliStreams& io);
int RunImport(const std::vector<std::string>& args, CCliStreams& io);

// The whole tool: argv without the program name.
int RunBrindle(const std::vector<std::string>& args, CCliStreams& io);

// Usage text printed for -h, --help and every usage error.
const char* UsageText();
