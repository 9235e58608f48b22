#include "Commands.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    CCliStreams io{std::cin, std::cout, std::cerr};
    const int status = RunBrindle(args, io);
    std::cout.flush();
    return status;
}
