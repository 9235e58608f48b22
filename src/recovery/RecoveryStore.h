#pragma once

#include "FileIo.h"
#include "ProcessId.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The private folder of recovery copies: $XDG_STATE_HOME/visual-brindle/recovery (an absolute
// XDG_STATE_HOME only), else ~/.local/state/visual-brindle/recovery.
std::string DefaultRecoveryFolder(const std::function<const char*(const char*)>& getEnv =
                                      [](const char* name) {
                                          return static_cast<const char*>(std::getenv(name));
                                      });

// A recovery copy found in the folder.
struct CStoredCopy {
    std::string path;
    std::optional<CProcessId> owner; // from the file name
    std::int64_t modifiedAt = 0;     // the file's modification time, seconds
};

// One copy per running editor, named after its process: "PID-START-BOOT.recovery".
// Moved-aside copies that could not be read end in ".unreadable".
class CRecoveryStore {
public:
    CRecoveryStore(std::string folder, CProcessId self);

    const std::string& Folder() const { return m_folder; }
    const CProcessId& Self() const { return m_self; }
    std::string OwnCopyPath() const;

    // Writes this editor's copy with the same replacement as a save, creating the folder
    // (mode 0700) first when it is missing.
    CFileIoResult WriteOwnCopy(const std::string& bytes) const;
    // Removes this editor's copy; no copy is no error.
    CFileIoResult RemoveOwnCopy() const;

    // The copies in the folder, this editor's own included, newest first.
    std::vector<CStoredCopy> ListCopies() const;
    // Takes over another editor's copy by renaming it to this editor's name, so no other
    // editor can take it too. "No such file or directory" when another one was faster.
    CFileIoResult Claim(const std::string& path) const;
    // Renames a copy to "NAME.unreadable" (or "NAME.unreadable-2", ...) beside it, never
    // replacing a file. The new path, or no value with error set.
    std::optional<std::string> MoveAside(const std::string& path, std::string& error) const;

private:
    CFileIoResult EnsureFolder() const;

    std::string m_folder;
    CProcessId m_self;
};
