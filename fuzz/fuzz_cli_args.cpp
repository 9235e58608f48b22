// Runs the whole brindle tool in-process on fuzzed arguments: the input is the argument list
// separated by zero bytes, then (after three zero bytes) standard input. Each run works in a
// private temporary folder holding a few small tables (t.brd, t.csv, t.txt, t.tex, t.html),
// put back before every run; a '/' in an argument becomes '_', so every name is a name in
// that folder and nothing outside it is read or written. PATH is empty, so `render` finds no
// TeX engine and never starts one.
// - The status is one of the documented ones; a failure says something on standard error.
// - A command that fails changes no file; no command leaves a file that no argument names
//   (a temporary file left behind would be one).
// - `generate` that succeeds writes valid UTF-8 unless told --encoding cp932.
#include "CellArray.h"
#include "CellSize.h"
#include "Commands.h"
#include "LineArray.h"
#include "NativeFormat.h"
#include "TextCodec.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

std::string NativeTable() {
    auto cells = std::make_unique<CCellArray>();
    auto h = std::make_unique<CLineArray>();
    auto v = std::make_unique<CLineArray>();
    CCellData d;
    d.text = "\x95\x5c"; // 表 in code page 932
    cells->SetCell(1, 1, d);
    d.text = "span";
    d.colspan = 2;
    d.rowspan = 2;
    d.hplace = 2;
    cells->SetCell(2, 1, d);
    d.text = "$x^2$ & 100%";
    d.colspan = d.rowspan = 1;
    d.hplace = 0;
    cells->SetCell(1, 3, d);
    for (int c = 1; c <= 3; ++c) {
        h->SetLine(c, 1, LINE_DOUBLE);
        h->SetLine(c, 4, LINE_SINGLE);
    }
    for (int r = 1; r <= 3; ++r)
        v->SetLine(r, 1, LINE_SINGLE);
    const CCellSize sizes;
    return WriteNativeBytes(*cells, *h, *v, sizes);
}

// The tables of the folder, by name.
const std::map<std::string, std::string>& Tables() {
    static const std::map<std::string, std::string> tables{
        {"t.brd", NativeTable()},
        {"t.csv", "a,\"b,c\"\r\n表,1\r\n"},
        {"t.txt", "\x95\x5c\tx\r\ny\t\"z\"\r\n"},
        {"t.tex", "%%BrindlePlease%%\n\\begin{tabular}{|l|c|}\\hline\n"
                  "a & \\multicolumn{1}{r|}{b} \\\\ \\cline{1-1}\n表 & 2 \\\\\n"
                  "\\end{tabular}\n"},
        {"t.html", "<HTML><BODY><!-- %%BrindlePlease%% -->\n<TABLE BORDER>\n"
                   "<TR ALIGN=\"center\"> <TD ROWSPAN=\"2\">a</TD> <TD>b</TD> </TR>\n"
                   "<TR> <TD ALIGN=\"left\">c</TD> </TR>\n</TABLE></BODY></HTML>\n"},
    };
    return tables;
}

const std::string& Folder() {
    static const std::string folder = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/brindle-fuzz-XXXXXX";
        Check(::mkdtemp(pattern.data()) != nullptr, "a private temporary folder");
        return pattern;
    }();
    return folder;
}

using CSnapshot = std::map<std::string, std::string>;

// Every entry of the folder by name, with the content of regular files.
CSnapshot Snapshot() {
    CSnapshot s;
    DIR* d = ::opendir(Folder().c_str());
    Check(d != nullptr, "the folder opens");
    while (const dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..")
            continue;
        std::ifstream f(Folder() + "/" + name, std::ios::binary);
        s[name] = std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }
    ::closedir(d);
    return s;
}

void ResetFolder() {
    for (const auto& [name, bytes] : Snapshot())
        Check(std::remove((Folder() + "/" + name).c_str()) == 0, "an entry is removed");
    for (const auto& [name, bytes] : Tables()) {
        std::ofstream f(Folder() + "/" + name, std::ios::binary);
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        Check(f.good(), "a table is written");
    }
}

void RemoveFolder() {
    for (const auto& [name, bytes] : Snapshot())
        std::remove((Folder() + "/" + name).c_str());
    ::rmdir(Folder().c_str());
}

bool HasArgument(const std::vector<std::string>& args, std::string_view name) {
    for (const std::string& a : args)
        if (a.find(name) != std::string::npos)
            return true;
    return false;
}

// True when an argument may name code page 932 (the encoding names in any case).
bool NamesCp932(const std::vector<std::string>& args) {
    for (std::string a : args) {
        for (char& c : a)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        if (a.find("cp932") != std::string::npos || a.find("sjis") != std::string::npos ||
            a.find("shift_jis") != std::string::npos)
            return true;
    }
    return false;
}

constexpr std::size_t MAX_ARGS = 40;

} // namespace

// Crash files go where the fuzzer was started, not into the folder the runs work in.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    ::setenv("PATH", "", 1);
    Folder();
    std::atexit(RemoveFolder);
    for (int i = 1; i < *argc; ++i)
        if (std::strncmp((*argv)[i], "-artifact_prefix=", 17) == 0)
            return 0;
    char cwd[4096];
    if (!::getcwd(cwd, sizeof cwd))
        return 0;
    static std::string prefix = std::string("-artifact_prefix=") + cwd + "/";
    static std::vector<char*> args;
    args.assign(*argv, *argv + *argc);
    args.push_back(prefix.data());
    args.push_back(nullptr);
    *argv = args.data();
    ++*argc;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t mark = bytes.find(std::string_view("\0\0\0", 3));
    const std::string_view argText = bytes.substr(0, mark);
    const std::string input(mark == std::string_view::npos ? "" : bytes.substr(mark + 3));
    std::vector<std::string> args;
    for (std::size_t p = 0; p <= argText.size() && args.size() < MAX_ARGS;) {
        std::size_t end = argText.find('\0', p);
        if (end == std::string_view::npos)
            end = argText.size();
        std::string a(argText.substr(p, end - p));
        for (char& c : a)
            if (c == '/')
                c = '_';
        args.push_back(std::move(a));
        p = end + 1;
    }
    if (argText.empty())
        args.clear();

    ResetFolder();
    const CSnapshot before = Snapshot();
    const int home = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    Check(home >= 0 && ::chdir(Folder().c_str()) == 0, "into the folder");
    std::istringstream in(input);
    std::ostringstream out, err;
    CCliStreams io{in, out, err};
    const int status = RunBrindle(args, io);
    Check(::fchdir(home) == 0, "back from the folder");
    ::close(home);

    Check(status >= EXIT_OK && status <= EXIT_NO_TEX, "a documented status");
    Check(status == EXIT_OK || !err.str().empty(), "a failure says why");
    const CSnapshot after = Snapshot();
    if (status != EXIT_OK)
        Check(after == before, "a failed command changes no file");
    for (const auto& [name, content] : after) {
        if (before.count(name) == 0 && !HasArgument(args, name)) {
            std::fprintf(stderr, "left behind: %s\n", name.c_str());
            Check(false, "no file that no argument names");
        }
    }
    if (status == EXIT_OK && !args.empty() && args[0] == "generate" && !NamesCp932(args))
        Check(IsValidUtf8(out.str()), "generated source is UTF-8 unless told otherwise");
    return 0;
}
