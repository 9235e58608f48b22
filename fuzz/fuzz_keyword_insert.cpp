// The keyword scan and the insertion of generated source, over arbitrary text, keyword and
// inserted text (the first three bytes: flags, keyword length, insert length).
// - In memory, for both encodings: the match is the first place where the keyword stands,
//   and in code page 932 only places where a character starts count (never a trail byte);
//   the insertion puts CR LF and the text right after it; no match leaves `out` untouched.
// - Through a file in a private temporary folder: InsertIntoFile detects the file's
//   encoding, converts keyword and text to it and changes the file only on success, which
//   leaves it in its encoding with its byte-order mark first; WriteNewFile writes exactly the
//   converted text or, refused, leaves the file as it was.
#include "KeywordInsert.h"
#include "TextCodec.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
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

// The first offset where keyword stands; in code page 932 text only offsets where a
// character starts count (a lead byte takes the byte after it).
std::size_t FirstMatch(std::string_view text, std::string_view keyword, TextEncoding e) {
    std::vector<bool> start(text.size() + 1, e == TextEncoding::Utf8);
    for (std::size_t i = 0; i < text.size() && e == TextEncoding::Cp932;
         i += IsCp932LeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1)
        start[i] = true;
    start[0] = true;
    for (std::size_t i = 0; i + keyword.size() <= text.size(); ++i)
        if (start[i] && text.substr(i, keyword.size()) == keyword)
            return i;
    return std::string_view::npos;
}

void CheckInMemory(std::string_view text, std::string_view keyword, std::string_view insert,
                   TextEncoding e) {
    const std::size_t p = FindKeywordIn(text, keyword, e);
    Check(p == FirstMatch(text, keyword, e), "the first match where a character starts");
    if (e == TextEncoding::Cp932)
        Check(FindKeyword(text, keyword) == p, "FindKeyword is the code page 932 scan");
    std::string out = "untouched";
    const bool found = InsertAfterKeyword(text, keyword, insert, out, e);
    Check(found == (p != std::string_view::npos), "found when the keyword stands");
    if (!found) {
        Check(out == "untouched", "no match leaves out untouched");
        return;
    }
    const std::size_t cut = p + keyword.size();
    Check(out.size() == text.size() + 2 + insert.size(), "only CR LF and the text are added");
    Check(std::string_view(out).substr(0, cut) == text.substr(0, cut), "text before kept");
    Check(std::string_view(out).substr(cut, 2) == "\r\n", "CR LF right after the keyword");
    Check(std::string_view(out).substr(cut + 2, insert.size()) == insert, "inserted text");
    Check(std::string_view(out).substr(cut + 2 + insert.size()) == text.substr(cut),
          "text after kept");
    Check(FindKeywordIn(out, keyword, e) == p, "the keyword stays the first one");
}

std::optional<std::string> Convert(std::string_view text, TextEncoding from, TextEncoding to) {
    if (from == to) {
        if (to == TextEncoding::Utf8 && !IsValidUtf8(text))
            return std::nullopt;
        // Half a character at the end would take the first byte of what follows it.
        std::size_t i = 0;
        while (i < text.size())
            i += IsCp932LeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        if (to == TextEncoding::Cp932 && i > text.size())
            return std::nullopt;
        return std::string(text);
    }
    return to == TextEncoding::Utf8 ? Cp932ToUtf8(text) : Utf8ToCp932(text);
}

const std::string& ScratchFolder() {
    static const std::string folder = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/brindle-fuzz-XXXXXX";
        Check(::mkdtemp(pattern.data()) != nullptr, "a private temporary folder");
        std::atexit([] { ::rmdir(ScratchFolder().c_str()); });
        return pattern;
    }();
    return folder;
}

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    Check(f.good(), "scratch file written");
}

std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void CheckFiles(std::string_view text, std::string_view keyword, std::string_view insert,
                TextEncoding textEncoding, TextEncoding newFileEncoding, bool missing) {
    const std::string path = ScratchFolder() + "/target.tex";
    std::remove(path.c_str());
    if (missing) {
        const COutputResult r = InsertIntoFile(path, keyword, insert, textEncoding);
        Check(r.status == COutputStatus::openFailed && !r.error.empty(), "no file, no insert");
        Check(!ReadFile(path), "a missing file is not created");
    } else {
        WriteFile(path, text);
        const CTextEncoding detected = DetectTextEncoding(text);
        const TextEncoding fileEncoding = detected.encoding;
        const std::optional<std::string> key = Convert(keyword, textEncoding, fileEncoding);
        const std::optional<std::string> ins = Convert(insert, textEncoding, fileEncoding);
        const std::string_view body = text.substr(detected.bomLength);
        std::string expected;
        const bool found =
            key && InsertAfterKeyword(body, *key, ins.value_or(""), expected, fileEncoding);
        const COutputResult r = InsertIntoFile(path, keyword, insert, textEncoding);
        Check(r.fileEncoding == fileEncoding, "the detected encoding is reported");
        const std::optional<std::string> after = ReadFile(path);
        Check(after.has_value(), "the file stays");
        if (!found) {
            Check(r.status == COutputStatus::keywordNotFound, "keyword not found");
            Check(*after == text, "no keyword, no change");
        } else if (!ins) {
            Check(r.status == COutputStatus::notConvertible, "a text that does not convert");
            Check(*after == text, "a refused conversion changes nothing");
        } else {
            Check(r.status == COutputStatus::ok, "inserted");
            Check(*after == std::string(text.substr(0, detected.bomLength)) + expected,
                  "the converted text right after the first keyword");
            // Generated source ends in CR LF. A text ending in a double-byte character can
            // make it and the code page 932 bytes after it read as UTF-8 (E6 96 + BE), which
            // no detection can tell apart; that case is left out.
            const CTextEncoding now = DetectTextEncoding(*after);
            if (ins->empty() || static_cast<unsigned char>(ins->back()) < 0x80)
                Check(now.encoding == fileEncoding && now.bomLength == detected.bomLength,
                      "the file keeps its encoding and its byte-order mark");
        }
    }
    // A new file over whatever stands there now.
    const std::optional<std::string> before = ReadFile(path);
    const std::optional<std::string> bytes = Convert(text, textEncoding, newFileEncoding);
    const COutputResult w = WriteNewFile(path, text, textEncoding, newFileEncoding);
    Check(w.fileEncoding == newFileEncoding, "the new file's encoding is reported");
    if (bytes) {
        Check(w.status == COutputStatus::ok, "new file written");
        Check(ReadFile(path) == bytes, "the new file holds the converted text");
    } else {
        Check(w.status == COutputStatus::notConvertible, "new file refused");
        Check(ReadFile(path) == before, "a refused new file leaves what was there");
    }
    std::remove(path.c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    const std::uint8_t flags = data[0];
    std::string_view rest(reinterpret_cast<const char*>(data + 3), size - 3);
    const std::string_view keyword = rest.substr(0, data[1] % 32);
    rest.remove_prefix(keyword.size());
    const std::string_view insert = rest.substr(0, data[2]);
    rest.remove_prefix(insert.size());
    const std::string_view text = rest;

    for (const TextEncoding e : {TextEncoding::Utf8, TextEncoding::Cp932})
        CheckInMemory(text, keyword, insert, e);
    const TextEncoding textEncoding = flags & 1 ? TextEncoding::Cp932 : TextEncoding::Utf8;
    const TextEncoding newFileEncoding = flags & 2 ? TextEncoding::Cp932 : TextEncoding::Utf8;
    CheckFiles(text, keyword, insert, textEncoding, newFileEncoding, (flags & 0x0C) == 0x0C);
    return 0;
}
