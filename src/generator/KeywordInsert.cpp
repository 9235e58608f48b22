#include "KeywordInsert.h"

#include "FileIo.h"
#include "TextCodec.h"

#include <cstring>
#include <optional>
#include <sys/stat.h>

std::size_t FindKeyword(std::string_view text, std::string_view keyword) {
    const std::size_t len = text.size();
    const std::size_t k = keyword.size();
    if (k > len)
        return std::string_view::npos;
    for (std::size_t i = 0; i + k <= len;) {
        if (std::memcmp(text.data() + i, keyword.data(), k) == 0)
            return i;
        i += IsCp932LeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    }
    return std::string_view::npos;
}

std::size_t FindKeywordIn(std::string_view text, std::string_view keyword, TextEncoding encoding) {
    // No byte of a UTF-8 multi-byte character is an ASCII byte, so a plain search never
    // matches inside one.
    return encoding == TextEncoding::Utf8 ? text.find(keyword) : FindKeyword(text, keyword);
}

bool InsertAfterKeyword(std::string_view text, std::string_view keyword, std::string_view insert,
                        std::string& out, TextEncoding encoding) {
    const std::size_t p = FindKeywordIn(text, keyword, encoding);
    if (p == std::string_view::npos)
        return false;
    const std::size_t cut = p + keyword.size();
    std::string result;
    result.reserve(text.size() + 2 + insert.size());
    result.append(text.substr(0, cut));
    result.append("\r\n");
    result.append(insert);
    result.append(text.substr(cut));
    out = std::move(result);
    return true;
}

namespace {

// True when the last byte of a code page 932 text is a lead byte without its trail byte.
bool EndsInCutCharacter(std::string_view cp932) {
    std::size_t i = 0;
    while (i < cp932.size())
        i += IsCp932LeadByte(static_cast<unsigned char>(cp932[i])) ? 2 : 1;
    return i > cp932.size();
}

// text converted from one encoding to the other; no value when it cannot be. A UTF-8 text
// that is not valid UTF-8 is refused even when it goes into UTF-8: written as it is, it would
// leave the file in no encoding at all. Likewise a code page 932 text that ends in half a
// character: its lead byte would take the first byte of what follows it in the file.
std::optional<std::string> Convert(std::string_view text, TextEncoding from, TextEncoding to) {
    if (from == to) {
        if (to == TextEncoding::Utf8 && !IsValidUtf8(text))
            return std::nullopt;
        if (to == TextEncoding::Cp932 && EndsInCutCharacter(text))
            return std::nullopt;
        return std::string(text);
    }
    return to == TextEncoding::Utf8 ? Cp932ToUtf8(text) : Utf8ToCp932(text);
}

COutputResult NotConvertible(TextEncoding fileEncoding) {
    return {COutputStatus::notConvertible, {}, fileEncoding};
}

} // namespace

COutputResult WriteNewFile(const std::string& path, std::string_view text,
                           TextEncoding textEncoding, TextEncoding fileEncoding) {
    const std::optional<std::string> bytes = Convert(text, textEncoding, fileEncoding);
    if (!bytes)
        return NotConvertible(fileEncoding);
    const CFileIoResult w = ReplaceFileContent(path, *bytes);
    if (!w.ok)
        return {COutputStatus::newFileFailed, w.error, fileEncoding};
    return {COutputStatus::ok, {}, fileEncoding};
}

COutputResult InsertIntoFile(const std::string& path, std::string_view keyword,
                             std::string_view text, TextEncoding textEncoding) {
    // Only a regular file can take the text; a FIFO or a device is not even opened.
    const std::string target = FollowLinks(path).value_or(path);
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode))
        return {COutputStatus::openFailed, "Not a regular file", TextEncoding::Utf8};
    std::string content;
    const CFileIoResult r = ReadWholeFile(target, content);
    if (!r.ok)
        return {COutputStatus::openFailed, r.error, TextEncoding::Utf8};
    const CTextEncoding detected = DetectTextEncoding(content);
    const TextEncoding fileEncoding = detected.encoding;
    if (!IsWritableFile(target))
        return {COutputStatus::openFailed, "Permission denied", fileEncoding};
    const std::optional<std::string> key = Convert(keyword, textEncoding, fileEncoding);
    const std::optional<std::string> insert = Convert(text, textEncoding, fileEncoding);
    // The search starts after a byte-order mark, which stays first (an empty keyword matches
    // right after it). A keyword the file's encoding cannot hold cannot be in the file.
    const std::string_view bom = std::string_view(content).substr(0, detected.bomLength);
    std::string updated;
    if (!key || !InsertAfterKeyword(std::string_view(content).substr(bom.size()), *key,
                                    insert.value_or(""), updated, fileEncoding))
        return {COutputStatus::keywordNotFound, {}, fileEncoding};
    if (!insert)
        return NotConvertible(fileEncoding);
    updated.insert(0, bom);
    const CFileIoResult w = ReplaceFileContent(target, updated);
    if (!w.ok)
        return {COutputStatus::replaceFailed, w.error, fileEncoding};
    return {COutputStatus::ok, {}, fileEncoding};
}

std::string OutputMessage(const COutputResult& result, const std::string& pathUtf8,
                          const std::string& keywordUtf8) {
    switch (result.status) {
    case COutputStatus::ok:
        return MSG_OUTPUT_DONE;
    case COutputStatus::newFileFailed:
    case COutputStatus::replaceFailed:
        return "ファイルを開けません！\n" + pathUtf8;
    case COutputStatus::openFailed:
        return pathUtf8 + "\nファイルを開けません！";
    case COutputStatus::keywordNotFound:
        return keywordUtf8 + "\n指定のキーワードが見つかりません！";
    case COutputStatus::notConvertible:
        return pathUtf8 + "\n" + EncodingName(result.fileEncoding) +
               " で表せない文字が含まれているため、書き込みませんでした！";
    }
    return {};
}
