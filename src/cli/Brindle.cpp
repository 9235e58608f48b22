#include "Commands.h"

#include <ostream>

const char* UsageText() {
    return "usage: brindle COMMAND [OPTIONS] ...\n"
           "\n"
           "commands:\n"
           "  dump [--text-format csv|tab] FILE\n"
           "      print the table in FILE: widths, records and lines\n"
           "  convert [--text-format csv|tab] INPUT OUTPUT\n"
           "      read INPUT and write it to OUTPUT in the native .brd format\n"
           "  generate --target tabular|array|html [--range C1,R1,C2,R2]\n"
           "           [--option KEY=VALUE]... [--text-format csv|tab] FILE\n"
           "      write the LaTeX or HTML source of the table to stdout\n"
           "  insert [--keyword K] FILE\n"
           "      insert stdin into FILE right after the first keyword K\n"
           "      (default %%BrindlePlease%%)\n"
           "  import [--format latex|html] [--print-options] INPUT OUTPUT\n"
           "      read the first LaTeX or HTML table of INPUT ('-' for stdin) and write\n"
           "      it to OUTPUT in the native .brd format; the format comes from the\n"
           "      extension (.tex, .html, .htm) or the text; --print-options prints\n"
           "      the 'brindle generate' arguments (target, range, options) found\n"
           "\n"
           "exit status: 0 success, 1 usage error, 2 file not readable or writable\n"
           "(import: also a table source that cannot be read), 3 keyword not found\n";
}

int RunBrindle(const std::vector<std::string>& args, CCliStreams& io) {
    if (args.empty()) {
        io.err << UsageText();
        return EXIT_USAGE;
    }
    const std::string& command = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "-h" || command == "--help" || command == "help") {
        io.out << UsageText();
        return EXIT_OK;
    }
    if (command == "dump")
        return RunDump(rest, io);
    if (command == "convert")
        return RunConvert(rest, io);
    if (command == "generate")
        return RunGenerate(rest, io);
    if (command == "insert")
        return RunInsert(rest, io);
    if (command == "import")
        return RunImport(rest, io);
    io.err << "brindle: unknown command '" << command << "'\n" << UsageText();
    return EXIT_USAGE;
}
