#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr const char* DEFAULT_KEYWORD = "%%BrindlePlease%%";

// Offset of the first occurrence of keyword in text, scanning by code page 932 characters so that
// a match never starts on the second byte of a double-byte character; npos when there is none.
// An empty keyword matches at 0. Zero bytes are ordinary bytes.
std::size_t FindKeyword(std::string_view text, std::string_view keyword);

// text with CR LF and insert placed right after the first keyword; false, out untouched, when
// the keyword is absent.
bool InsertAfterKeyword(std::string_view text, std::string_view keyword, std::string_view insert,
                        std::string& out);

// Outcome of writing generated source to a file.
enum class COutputStatus {
    ok,
    newFileFailed,   // the new file could not be written
    openFailed,      // the existing file could not be read or is not writable
    keywordNotFound, // the existing file is left unchanged
    replaceFailed,   // read fine, but the new content could not be put in place
};

struct COutputResult {
    COutputStatus status = COutputStatus::ok;
    std::string error; // the system's reason, when there is one
};

// True when the preview should stay open after this result so that the user can try another
// file: the file could not be opened or written.
inline bool KeepsPreviewOpen(COutputStatus status) {
    return status == COutputStatus::newFileFailed || status == COutputStatus::openFailed ||
           status == COutputStatus::replaceFailed;
}

// Writes text to path as a new file through a temporary file. A file already at path is
// replaced when it is writable; a directory or a read-only file is a failure.
COutputResult WriteNewFile(const std::string& path, std::string_view text);

// Inserts CR LF and text right after the first keyword in the existing file at path. The new
// content replaces the file atomically, so a failure leaves the old content in place.
COutputResult InsertIntoFile(const std::string& path, std::string_view keyword,
                             std::string_view text);

// The message box text for a result (UTF-8): pathUtf8 and keywordUtf8 fill the placeholders.
// Every one of them goes with the exclamation icon.
std::string OutputMessage(const COutputResult& result, const std::string& pathUtf8,
                          const std::string& keywordUtf8);

inline constexpr const char* MSG_OUTPUT_DONE = "完了しました！";
