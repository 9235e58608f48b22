#include "Commands.h"

#include "BrindleVersion.h"

#include <ostream>

const char* UsageText() {
    return "usage: brindle COMMAND [OPTIONS] ...\n"
           "       brindle --version\n"
           "\n"
           "commands:\n"
           "  dump [--text-format csv|tab] [--encoding utf-8|cp932] FILE\n"
           "      print the table in FILE: widths, records and lines\n"
           "  convert [--text-format csv|tab] [--encoding utf-8|cp932] INPUT OUTPUT\n"
           "      read INPUT and write it to OUTPUT in the native .brd format\n"
           "  generate --target tabular|array|html [--range C1,R1,C2,R2]\n"
           "           [--option KEY=VALUE]... [--text-format csv|tab]\n"
           "           [--input-encoding utf-8|cp932] [--encoding utf-8|cp932] FILE\n"
           "      write the LaTeX or HTML source of the table to stdout, in UTF-8\n"
           "      unless --encoding cp932\n"
           "  render --target tabular|array|html [--range C1,R1,C2,R2]\n"
           "         [--option KEY=VALUE]... [--text-format csv|tab] [--dpi N]\n"
           "         [--input-encoding utf-8|cp932] [--time-limit SECONDS]\n"
           "         FILE -o OUT.png|OUT.pdf\n"
           "      typeset the LaTeX source with pdflatex (lualatex with luatexja for\n"
           "      Japanese text) and write the table cut to its size as PNG or PDF;\n"
           "      html is shown by the editor only\n"
           "  insert [--keyword K] [--encoding utf-8|cp932] FILE\n"
           "      insert stdin into FILE right after the first keyword K\n"
           "      (default %%BrindlePlease%%); stdin and K are UTF-8 unless\n"
           "      --encoding cp932; FILE keeps its own encoding\n"
           "  import [--format latex|html] [--print-options] [--encoding utf-8|cp932]\n"
           "         INPUT OUTPUT\n"
           "      read the first LaTeX or HTML table of INPUT ('-' for stdin) and write\n"
           "      it to OUTPUT in the native .brd format; the format comes from the\n"
           "      extension (.tex, .html, .htm) or the text; --print-options prints\n"
           "      the 'brindle generate' arguments (target, range, options) found\n"
           "\n"
           "A text FILE (CSV or tab-separated, or table source) is read as UTF-8 when it\n"
           "is valid UTF-8, else as code page 932; --encoding (--input-encoding for\n"
           "generate and render) says which instead.\n"
           "\n"
           "exit status: 0 success, 1 usage error, 2 file not readable or writable\n"
           "(import: also a table source that cannot be read), 3 keyword not found,\n"
           "4 TeX stopped on an error or ran out of time (render), 5 no TeX engine\n"
           "installed (render)\n";
}

namespace {

int RunCommand(const std::vector<std::string>& args, CCliStreams& io) {
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
    if (command == "--version") {
        io.out << "brindle " << kBrindleVersion << "\n";
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
    if (command == "render")
        return RunRender(rest, io);
    if (command == "import")
        return RunImport(rest, io);
    io.err << "brindle: unknown command '" << command << "'\n" << UsageText();
    return EXIT_USAGE;
}

} // namespace

int RunBrindle(const std::vector<std::string>& args, CCliStreams& io) {
    const int status = RunCommand(args, io);
    // Every command's output is complete only once it has been flushed without an error.
    io.out.flush();
    if (!io.out && status == EXIT_OK) {
        io.err << "brindle: cannot write to standard output\n";
        return EXIT_IO;
    }
    return status;
}
