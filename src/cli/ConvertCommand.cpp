#include "CliArgs.h"
#include "Commands.h"
#include "FileIo.h"

#include <ostream>

namespace {

bool HasCsvExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return false;
    std::string ext = path.substr(dot + 1);
    for (char& ch : ext)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return ext == "CSV";
}

} // namespace

int RunConvert(const std::vector<std::string>& args, CCliStreams& io) {
    CTableArgs parsed;
    std::string problem;
    if (!ParseTableArgs(args, parsed, problem)) {
        io.err << "brindle convert: " << problem << '\n' << UsageText();
        return EXIT_USAGE;
    }
    if (parsed.help) {
        io.out << UsageText();
        return EXIT_OK;
    }
    if (parsed.files.size() != 2) {
        io.err << "brindle convert: expected INPUT and OUTPUT\n" << UsageText();
        return EXIT_USAGE;
    }
    const std::string& output = parsed.files[1];
    if (HasCsvExtension(output)) {
        // The editor refuses a CSV name as well: the text file would be overwritten with
        // the native format.
        io.err << "brindle: CSV形式での保存は出来ません。\n"
               << "brindle: cannot write " << output
               << ": the native format is not saved under a CSV name\n";
        return EXIT_IO;
    }
    CCliDocument table(io.err, parsed.textFormat);
    if (const int status = LoadTableForCli(parsed.files[0], table, io.err); status != EXIT_OK)
        return status;
    const CFileIoResult written = ReplaceFileContent(output, table.doc.SerializeToBytes());
    if (!written.ok) {
        io.err << "brindle: cannot write " << output << ": " << written.error << '\n';
        return EXIT_IO;
    }
    return EXIT_OK;
}
