#pragma once

#include "ProcessId.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What a recovery copy says about the table it holds.
struct CRecoveryHeader {
    enum Kind { Native, Imported, Untitled };
    Kind kind = Untitled;
    // The document's path name as it was (for Imported, the text file it came from).
    std::string path;
    std::int64_t savedAt = 0; // seconds since 1970 (UTC)
    CProcessId owner;         // the editor that wrote it

    bool operator==(const CRecoveryHeader&) const = default;
};

// A recovery copy: a few text lines, then the native table file's bytes.
//   Visual Brindle recovery copy 1
//   owner PID-START-BOOT
//   saved SECONDS
//   kind native|imported|untitled
//   path LENGTH
//   <path bytes>
//   data LENGTH
//   <native bytes>
struct CRecoveryCopy {
    CRecoveryHeader header;
    std::string nativeBytes;
};

std::string EncodeRecoveryCopy(const CRecoveryHeader& header, std::string_view nativeBytes);
// The copy in bytes, or no value with reason set (English, e.g. "the copy ends early").
// The native part must be a complete table in the current format.
std::optional<CRecoveryCopy> DecodeRecoveryCopy(std::string_view bytes, std::string& reason);

// The name the question shows: the file's name without its folder, or "Untitled".
std::string RecoveryDocumentName(const CRecoveryHeader& header);
// The local time of savedAt as "YYYY/MM/DD HH:MM:SS".
std::string RecoveryTimeText(std::int64_t savedAt);
