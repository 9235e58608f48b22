#include "Commands.h"

#include "CellSize.h"
#include "CliLoad.h"
#include "FileIo.h"
#include "Generator.h"
#include "NativeFormat.h"
#include "TableImport.h"
#include "TextCodec.h"

#include <istream>
#include <iterator>
#include <memory>
#include <optional>
#include <ostream>

namespace {

int Usage(CCliStreams& io, const std::string& message) {
    io.err << "brindle import: " << message << "\n" << UsageText();
    return EXIT_USAGE;
}

bool HasCsvName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return false;
    std::string ext = path.substr(dot + 1);
    for (char& c : ext)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return ext == "CSV";
}

// One word for a POSIX shell: bare when it is plain, else in single quotes.
std::string ShellWord(const std::string& word) {
    bool plain = !word.empty();
    for (const char c : word) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '=' || c == '.' ||
                        c == ',' || c == '/' || c == ':' || c == '+';
        plain &= ok;
    }
    if (plain)
        return word;
    std::string out = "'";
    for (const char c : word) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

// The arguments of `brindle generate` that reproduce what was found: the target, the whole
// table as the range, and every option that differs from its default.
std::string GenerateArguments(const CImportedTable& table, std::ostream& err) {
    static const char* const targets[] = {"tabular", "array", "html"};
    std::string line = "--target ";
    line += targets[table.target];
    line += " --range 1,1," + std::to_string(table.columns) + "," + std::to_string(table.rows);
    const COptionsRecord defaults;
    for (const COptionField& f : OPTION_FIELDS) {
        std::string value;
        if (f.intMember) {
            if (table.options.*f.intMember == defaults.*f.intMember)
                continue;
            value = std::to_string(table.options.*f.intMember);
        } else {
            const std::string& bytes = table.options.*f.stringMember;
            if (bytes.empty())
                continue;
            const std::optional<std::string> utf8 = Cp932ToUtf8(bytes);
            if (!utf8) {
                err << "brindle import: warning: " << f.name
                    << " holds bytes that are not code page 932 text; it is not printed\n";
                continue;
            }
            value = *utf8;
        }
        line += " --option " + ShellWord(std::string(f.name) + "=" + value);
    }
    return line;
}

} // namespace

// brindle import [--format latex|html] [--print-options] [--encoding E] INPUT OUTPUT
int RunImport(const std::vector<std::string>& args, CCliStreams& io) {
    std::optional<TableSourceFormat> format;
    std::optional<TextEncoding> encoding;
    bool printOptions = false;
    std::vector<std::string> files;
    bool filesOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string a = args[i];
        if (filesOnly || a == "-" || a.empty() || a[0] != '-') {
            files.push_back(a);
            continue;
        }
        if (a == "--") {
            filesOnly = true;
        } else if (a == "-h" || a == "--help") {
            io.out << UsageText();
            return EXIT_OK;
        } else if (a == "--print-options") {
            printOptions = true;
        } else if (a == "--encoding" || a.rfind("--encoding=", 0) == 0) {
            std::string value;
            if (a == "--encoding") {
                if (i + 1 >= args.size())
                    return Usage(io, "--encoding needs a value (utf-8 or cp932)");
                value = args[++i];
            } else {
                value = a.substr(11);
            }
            encoding = ParseEncoding(value);
            if (!encoding)
                return Usage(io, "--encoding must be utf-8 or cp932, not '" + value + "'");
        } else if (a == "--format" || a.rfind("--format=", 0) == 0) {
            std::string value;
            if (a == "--format") {
                if (i + 1 >= args.size())
                    return Usage(io, "--format needs a value (latex or html)");
                value = args[++i];
            } else {
                value = a.substr(9);
            }
            if (value == "latex")
                format = TableSourceFormat::Latex;
            else if (value == "html")
                format = TableSourceFormat::Html;
            else
                return Usage(io, "--format must be latex or html, not '" + value + "'");
        } else {
            return Usage(io, "unknown option '" + a + "'");
        }
    }
    if (files.size() != 2)
        return Usage(io, "expected INPUT and OUTPUT");
    const std::string& input = files[0];
    const std::string& output = files[1];
    if (HasCsvName(output)) {
        io.err << "brindle import: cannot write " << output
               << ": the native format is not saved under a CSV name\n";
        return EXIT_IO;
    }

    std::string bytes;
    std::string reason;
    if (input == "-") {
        if (!ReadAllInput(io.in, bytes, reason)) {
            io.err << "brindle import: cannot read standard input: " << reason << '\n';
            return EXIT_IO;
        }
    } else if (const CFileIoResult read = ReadWholeFile(input, bytes); !read.ok) {
        io.err << "brindle import: cannot read " << input << ": " << read.error << '\n';
        return EXIT_IO;
    }
    if (!format)
        format = input == "-" ? std::nullopt : TableSourceFormatFromName(input);
    if (!format)
        format = GuessTableSourceFormat(bytes);

    auto table = std::make_unique<CImportedTable>();
    if (const std::optional<CTableImportError> error =
            ImportTableSource(bytes, *format, *table, encoding)) {
        io.err << "brindle import: " << (input == "-" ? "standard input" : input) << ": "
               << error->Describe() << "; " << output << " was not written\n";
        return EXIT_IO;
    }
    for (const std::string& w : table->warnings)
        io.err << "brindle import: warning: " << w << '\n';

    const CCellSize sizes;
    const CFileIoResult written = ReplaceFileContent(
        output, WriteNativeBytes(table->cells, table->hLines, table->vLines, sizes));
    if (!written.ok) {
        io.err << "brindle import: cannot write " << output << ": " << written.error << '\n';
        return EXIT_IO;
    }
    if (printOptions) {
        io.out << GenerateArguments(*table, io.err) << '\n';
        io.out.flush();
    }
    return EXIT_OK;
}
