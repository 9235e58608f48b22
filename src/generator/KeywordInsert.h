#pragma once

#include "TextCodec.h"

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
                        std::string& out, TextEncoding encoding = TextEncoding::Cp932);

// Outcome of writing generated source to a file.
enum class COutputStatus {
    ok,
    newFileFailed,   // the new file could not be written
    openFailed,      // the existing file could not be read or is not writable
    keywordNotFound, // the existing file is left unchanged
    replaceFailed,   // read fine, but the new content could not be put in place
    notConvertible,  // the text holds a character the file's encoding cannot; nothing written
};

struct COutputResult {
    COutputStatus status = COutputStatus::ok;
    std::string error;                              // the system's reason, when there is one
    TextEncoding fileEncoding = TextEncoding::Utf8; // what the file was (to be) written in
};

// True when the preview should stay open after this result so that the user can try another
// file: the file could not be opened or written.
inline bool KeepsPreviewOpen(COutputStatus status) {
    return status == COutputStatus::newFileFailed || status == COutputStatus::openFailed ||
           status == COutputStatus::replaceFailed || status == COutputStatus::notConvertible;
}

// Writes text (in textEncoding) to path as a new file in fileEncoding, through a temporary
// file. A file already at path is replaced when it is writable; a directory or a read-only
// file is a failure. A text that does not convert (for UTF-8 text: that is not valid UTF-8)
// is notConvertible and nothing is written.
COutputResult WriteNewFile(const std::string& path, std::string_view text,
                           TextEncoding textEncoding, TextEncoding fileEncoding);

// Inserts CR LF and text right after the first keyword in the existing file at path. The
// file's encoding is detected (DetectTextEncoding) and keyword and text, both in
// textEncoding, are converted to it, so the file stays in one encoding: a UTF-8 file is
// searched byte for byte (after its byte-order mark, which stays first), a code page 932 file
// by its characters. UTF-8 text that is not valid UTF-8 is notConvertible. The new content
// replaces the file atomically, so a failure leaves the old content in place.
COutputResult InsertIntoFile(const std::string& path, std::string_view keyword,
                             std::string_view text, TextEncoding textEncoding);

// Offset of the first keyword in text of the given encoding (npos when there is none).
std::size_t FindKeywordIn(std::string_view text, std::string_view keyword, TextEncoding encoding);

// The message box text for a result (UTF-8): pathUtf8 and keywordUtf8 fill the placeholders.
// Every one of them goes with the exclamation icon.
std::string OutputMessage(const COutputResult& result, const std::string& pathUtf8,
                          const std::string& keywordUtf8);

inline constexpr const char* MSG_OUTPUT_DONE = "完了しました！";

// The name of an encoding as the output method dialog and messages show it.
inline const char* EncodingName(TextEncoding e) {
    return e == TextEncoding::Utf8 ? "UTF-8" : "Shift_JIS (CP932)";
}
