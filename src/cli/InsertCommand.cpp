#include "Commands.h"

#include "CliLoad.h"
#include "KeywordInsert.h"
#include "TextCodec.h"

#include <istream>
#include <iterator>
#include <optional>
#include <ostream>

namespace {

int Usage(CCliStreams& io, const std::string& message) {
    io.err << "brindle insert: " << message << "\n" << UsageText();
    return EXIT_USAGE;
}

} // namespace

// brindle insert [--keyword K] [--encoding E] FILE: stdin goes into FILE right after the
// first K. Standard input and K are in E (UTF-8 unless told); the file's own encoding is
// detected and kept.
int RunInsert(const std::vector<std::string>& args, CCliStreams& io) {
    std::string keywordUtf8 = DEFAULT_KEYWORD;
    TextEncoding encoding = TextEncoding::Utf8;
    std::optional<std::string> path;
    bool filesOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (filesOnly || a == "-" || a.empty() || a[0] != '-') {
            if (path)
                return Usage(io, "more than one FILE given");
            path = a;
        } else if (a == "--") {
            filesOnly = true;
        } else if (a == "-h" || a == "--help") {
            io.out << UsageText();
            return EXIT_OK;
        } else if (a == "--keyword") {
            if (i + 1 >= args.size())
                return Usage(io, "--keyword needs a value");
            keywordUtf8 = args[++i];
        } else if (a.rfind("--keyword=", 0) == 0) {
            keywordUtf8 = a.substr(10);
        } else if (a == "--encoding" || a.rfind("--encoding=", 0) == 0) {
            std::string value;
            if (a.size() > 10) {
                value = a.substr(11);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return Usage(io, "--encoding needs a value");
            }
            const std::optional<TextEncoding> e = ParseEncoding(value);
            if (!e)
                return Usage(io, "--encoding must be utf-8 or cp932, not '" + value + "'");
            encoding = *e;
        } else {
            return Usage(io, "unknown option '" + a + "'");
        }
    }
    if (!path)
        return Usage(io, "no FILE given");
    std::string text;
    std::string reason;
    if (!ReadAllInput(io.in, text, reason)) {
        io.err << "brindle insert: cannot read standard input: " << reason
               << "; the file is unchanged\n";
        return EXIT_IO;
    }
    const COutputResult r = InsertIntoFile(*path, keywordUtf8, text, encoding);
    switch (r.status) {
    case COutputStatus::ok:
        return EXIT_OK;
    case COutputStatus::keywordNotFound:
        io.err << "brindle insert: keyword '" << keywordUtf8 << "' not found in '" << *path
               << "'; the file is unchanged\n";
        return EXIT_NOT_FOUND;
    case COutputStatus::openFailed:
        io.err << "brindle insert: cannot open '" << *path
               << "' for reading and writing: " << r.error << "\n";
        return EXIT_IO;
    case COutputStatus::notConvertible:
        if (encoding == TextEncoding::Utf8 && !IsValidUtf8(text)) {
            io.err << "brindle insert: standard input is not valid UTF-8 (--encoding cp932 "
                      "reads it as code page 932); the file is unchanged\n";
            return EXIT_IO;
        }
        io.err << "brindle insert: the text holds a character that " << EncodingName(r.fileEncoding)
               << " (the encoding of '" << *path << "') cannot hold; the file is unchanged\n";
        return EXIT_IO;
    case COutputStatus::newFileFailed:
    case COutputStatus::replaceFailed:
        break;
    }
    io.err << "brindle insert: cannot replace '" << *path << "': " << r.error
           << "; the file is unchanged\n";
    return EXIT_IO;
}
