#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Whole-file byte access with error texts that name the reason (from errno).
struct CFileIoResult {
    bool ok = true;
    std::string error;       // the system's reason when !ok, e.g. "No such file or directory"
    bool openFailed = false; // reading: the file could not be opened (or is a folder)
};

// Inputs that are not regular files (a FIFO, a character device, standard input) are read
// as a stream up to this many bytes; a table file takes a few MB at most.
inline constexpr std::size_t MAX_STREAM_INPUT_BYTES = std::size_t{512} << 20;

// Reads the whole input with one open: a regular file up to its size, anything else as a
// stream of at most maxStreamBytes ("File too large" beyond). A directory is refused as an
// open failure; a failure after the file was opened is a read failure.
CFileIoResult ReadWholeFile(const std::string& path, std::string& bytes,
                            std::size_t maxStreamBytes = MAX_STREAM_INPUT_BYTES);
// The same for an open descriptor (standard input); the descriptor stays open.
CFileIoResult ReadWholeFd(int fd, std::string& bytes,
                          std::size_t maxStreamBytes = MAX_STREAM_INPUT_BYTES);

// Puts bytes into the file at path the way careful editors save:
// - a symbolic link is followed and the file it names is written (the link stays);
// - an existing directory, FIFO, device or other non-regular file is refused, never replaced;
// - a read-only file is refused ("Permission denied"), for root too (by its mode bits);
// - a file with other hard links, owned by another user, or in a folder this process cannot
//   write, is rewritten in place (links, owner and group kept) once the content is complete;
// - otherwise a new file is written beside it and renamed over it, keeping mode, owner and
//   group where permitted, so a failure or a kill leaves the old file whole. The new file has
//   no name until it is complete where the file system allows it (O_TMPFILE); otherwise it
//   has a hidden name that a later save of the same file removes once its process is gone.
// A file-size limit is an ordinary write error (SIGXFSZ is ignored).
CFileIoResult ReplaceFileContent(const std::string& path, const std::string& bytes);

// True when path names an existing regular file that this process may write: the file's
// mode bits must give write permission (to the user's class; for root, to anyone).
bool IsWritableFile(const std::string& path);

// The file a path finally names once its symbolic links are followed (the path itself when
// it is not a link); no value for a loop or a link chain that is too long.
std::optional<std::string> FollowLinks(const std::string& path);
