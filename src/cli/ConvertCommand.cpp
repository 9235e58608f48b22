#include "CliArgs.h"
#include "Commands.h"
#include "FileIo.h"
#include "NativeFormat.h"

#include <ostream>

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
    CCliTable table;
    if (const int status =
            LoadTableForCli(parsed.files[0], parsed.textFormat, parsed.encoding, table, io.err);
        status != EXIT_OK)
        return status;
    const CFileIoResult written = ReplaceFileContent(
        output, WriteNativeBytes(table.cells, table.hLines, table.vLines, table.sizes));
    if (!written.ok) {
        io.err << "brindle: cannot write " << output << ": " << written.error << '\n';
        return EXIT_IO;
    }
    return EXIT_OK;
}
