#include "Commands.h"

#include <csignal>
#include <iostream>
#include <new>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // Past a file-size limit a write fails with an error instead of killing the process.
    std::signal(SIGXFSZ, SIG_IGN);
    std::vector<std::string> args(argv + 1, argv + argc);
    CCliStreams io{std::cin, std::cout, std::cerr};
    try {
        return RunBrindle(args, io);
    } catch (const std::bad_alloc&) {
        std::cerr << "brindle: out of memory\n";
        return EXIT_IO;
    }
}
