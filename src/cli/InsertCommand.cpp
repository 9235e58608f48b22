#include "Commands.h"

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

// brindle insert [--keyword K] FILE: stdin goes into FILE right after the first K.
int RunInsert(const std::vector<std::string>& args, CCliStreams& io) {
    std::string keywordUtf8 = DEFAULT_KEYWORD;
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
        } else {
            return Usage(io, "unknown option '" + a + "'");
        }
    }
    if (!path)
        return Usage(io, "no FILE given");
    const std::optional<std::string> keyword = Utf8ToCp932(keywordUtf8);
    if (!keyword)
        return Usage(io, "the keyword cannot be written in code page 932");
    const std::string text{std::istreambuf_iterator<char>(io.in), std::istreambuf_iterator<char>()};

    const COutputResult r = InsertIntoFile(*path, *keyword, text, TextEncoding::Cp932);
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
