#include "KeywordInsert.h"

#include "FileIo.h"
#include "TextCodec.h"

#include <cstring>
#include <filesystem>
#include <system_error>

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

bool InsertAfterKeyword(std::string_view text, std::string_view keyword, std::string_view insert,
                        std::string& out) {
    const std::size_t p = FindKeyword(text, keyword);
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

// Replacing a symbolic link's target keeps the link.
std::string ResolvedPath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::canonical(path, ec);
    return ec ? path : p.string();
}

} // namespace

COutputResult WriteNewFile(const std::string& path, std::string_view text) {
    const std::string target = ResolvedPath(path);
    // A file already there is replaced only when it could be opened for writing.
    std::error_code ec;
    if (std::filesystem::exists(target, ec) && !IsWritableFile(target))
        return {COutputStatus::newFileFailed, "Permission denied"};
    const CFileIoResult w = AtomicWriteFile(target, std::string(text));
    if (!w.ok)
        return {COutputStatus::newFileFailed, w.error};
    return {};
}

COutputResult InsertIntoFile(const std::string& path, std::string_view keyword,
                             std::string_view text) {
    const std::string target = ResolvedPath(path);
    std::string content;
    const CFileIoResult r = ReadWholeFile(target, content);
    if (!r.ok)
        return {COutputStatus::openFailed, r.error};
    if (!IsWritableFile(target))
        return {COutputStatus::openFailed, "Permission denied"};
    std::string updated;
    if (!InsertAfterKeyword(content, keyword, text, updated))
        return {COutputStatus::keywordNotFound, {}};
    const CFileIoResult w = AtomicWriteFile(target, updated);
    if (!w.ok)
        return {COutputStatus::replaceFailed, w.error};
    return {};
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
    }
    return {};
}
