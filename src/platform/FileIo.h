#pragma once

#include <optional>
#include <string>

// Whole-file byte access with error texts that name the reason (from errno).
struct CFileIoResult {
    bool ok = true;
    std::string error;       // the system's reason when !ok, e.g. "No such file or directory"
    bool openFailed = false; // reading: the file could not be opened (or is a folder)
};

// Reads the whole file into bytes. A failure after the file was opened is a read failure.
CFileIoResult ReadWholeFile(const std::string& path, std::string& bytes);

// Writes bytes to a temporary file in the same folder, flushes it and renames it over path,
// so the previous content survives any failure. Keeps the old file's permission bits.
CFileIoResult AtomicWriteFile(const std::string& path, const std::string& bytes);

// True when path names an existing regular file that this process may open for writing.
bool IsWritableFile(const std::string& path);
