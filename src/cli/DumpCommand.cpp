#include "Commands.h"

#include <ostream>

int RunDump(const std::vector<std::string>&, CCliStreams& io) {
    io.err << "brindle: this command is not available yet\n";
    return EXIT_USAGE;
}
