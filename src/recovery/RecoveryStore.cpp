#include "RecoveryStore.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kCopySuffix = ".recovery";
constexpr std::string_view kAsideSuffix = ".unreadable";

CFileIoResult Failure(int err) {
    return {false, std::strerror(err)};
}

bool EndsWith(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

std::string HomeFolder(const std::function<const char*(const char*)>& getEnv) {
    if (const char* home = getEnv("HOME"); home && home[0] == '/')
        return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return "/";
}

// rename that never replaces a file; link and unlink where the file system cannot.
int RenameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    if (::link(from.c_str(), to.c_str()) != 0)
        return errno;
    ::unlink(from.c_str());
    return 0;
}

} // namespace

std::string DefaultRecoveryFolder(const std::function<const char*(const char*)>& getEnv) {
    std::string state;
    if (const char* xdg = getEnv("XDG_STATE_HOME"); xdg && xdg[0] == '/')
        state = xdg;
    else
        state = HomeFolder(getEnv) + "/.local/state";
    while (state.size() > 1 && state.back() == '/')
        state.pop_back();
    return state + "/visual-brindle/recovery";
}

CRecoveryStore::CRecoveryStore(std::string folder, CProcessId self)
    : m_folder(std::move(folder)), m_self(std::move(self)) {}

std::string CRecoveryStore::OwnCopyPath() const {
    return m_folder + "/" + m_self.ToString() + std::string(kCopySuffix);
}

CFileIoResult CRecoveryStore::EnsureFolder() const {
    struct stat st {};
    if (::stat(m_folder.c_str(), &st) != 0) {
        // Every missing folder on the way is private to the user, as XDG asks.
        for (std::size_t slash = m_folder.find('/', 1);; slash = m_folder.find('/', slash + 1)) {
            const std::string part = m_folder.substr(0, slash);
            if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
                return Failure(errno);
            if (slash == std::string::npos)
                break;
        }
        if (::stat(m_folder.c_str(), &st) != 0)
            return Failure(errno);
    }
    if (!S_ISDIR(st.st_mode))
        return Failure(ENOTDIR);
    if (st.st_uid != ::geteuid())
        return {false, "The folder belongs to another user"};
    if ((st.st_mode & 077) != 0 && ::chmod(m_folder.c_str(), 0700) != 0)
        return Failure(errno);
    return {};
}

CFileIoResult CRecoveryStore::WriteOwnCopy(const std::string& bytes) const {
    if (CFileIoResult folder = EnsureFolder(); !folder.ok)
        return folder;
    return ReplaceFileContent(OwnCopyPath(), bytes);
}

CFileIoResult CRecoveryStore::RemoveOwnCopy() const {
    if (::unlink(OwnCopyPath().c_str()) != 0 && errno != ENOENT)
        return Failure(errno);
    return {};
}

std::vector<CStoredCopy> CRecoveryStore::ListCopies() const {
    std::vector<CStoredCopy> copies;
    DIR* dir = ::opendir(m_folder.c_str());
    if (!dir)
        return copies;
    while (const dirent* e = ::readdir(dir)) {
        const std::string_view name = e->d_name;
        if (name.empty() || name[0] == '.' || !EndsWith(name, kCopySuffix))
            continue;
        CStoredCopy copy;
        copy.path = m_folder + "/" + std::string(name);
        struct stat st {};
        if (::lstat(copy.path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        copy.owner = CProcessId::Parse(name.substr(0, name.size() - kCopySuffix.size()));
        copy.modifiedAt = st.st_mtime;
        copies.push_back(std::move(copy));
    }
    ::closedir(dir);
    std::sort(copies.begin(), copies.end(), [](const CStoredCopy& a, const CStoredCopy& b) {
        return a.modifiedAt != b.modifiedAt ? a.modifiedAt > b.modifiedAt : a.path < b.path;
    });
    return copies;
}

CFileIoResult CRecoveryStore::Claim(const std::string& path) const {
    if (const int err = RenameNoReplace(path, OwnCopyPath()))
        return Failure(err);
    return {};
}

std::optional<std::string> CRecoveryStore::MoveAside(const std::string& path,
                                                     std::string& error) const {
    for (int n = 1; n < 1000; ++n) {
        std::string aside = path + std::string(kAsideSuffix);
        if (n > 1)
            aside += '-' + std::to_string(n);
        const int err = RenameNoReplace(path, aside);
        if (err == 0)
            return aside;
        if (err != EEXIST) {
            error = std::strerror(err);
            return std::nullopt;
        }
    }
    error = std::strerror(EEXIST);
    return std::nullopt;
}
