#include "FileIo.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <new>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

CFileIoResult Failure(int err) {
    return {false, std::strerror(err)};
}

CFileIoResult OpenFailure(int err) {
    CFileIoResult r = Failure(err);
    r.openFailed = true;
    return r;
}

// Closes a descriptor when it goes.
class CFd {
public:
    explicit CFd(int fd) : m_fd(fd) {}
    ~CFd() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CFd(const CFd&) = delete;
    CFd& operator=(const CFd&) = delete;
    int Get() const { return m_fd; }
    // Closes now and reports close's own error (0 when fine).
    int Close() {
        const int fd = m_fd;
        m_fd = -1;
        return fd >= 0 && ::close(fd) != 0 ? errno : 0;
    }

private:
    int m_fd;
};

// Reads from fd until the end or until limit bytes; EFBIG when there is more than limit.
int ReadStream(int fd, std::string& bytes, std::size_t limit, bool moreIsAnError) {
    char buf[65536];
    for (;;) {
        const std::size_t room = limit - bytes.size();
        const std::size_t want = room < sizeof buf ? (moreIsAnError ? room + 1 : room) : sizeof buf;
        if (want == 0)
            return 0;
        const ssize_t n = ::read(fd, buf, want);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return 0;
        if (static_cast<std::size_t>(n) > room)
            return EFBIG;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
}

CFileIoResult ReadOpenFile(int fd, std::string& bytes, std::size_t maxStreamBytes) {
    bytes.clear();
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return OpenFailure(errno);
    if (S_ISDIR(st.st_mode))
        return OpenFailure(EISDIR);
    int err = 0;
    try {
        if (S_ISREG(st.st_mode) && st.st_size > 0) {
            // A regular file is read by its size, whatever it is.
            const auto size = static_cast<std::size_t>(st.st_size);
            bytes.reserve(size);
            err = ReadStream(fd, bytes, size, false);
        } else {
            // A stream, or a file that does not know its size (as under /proc).
            err = ReadStream(fd, bytes, maxStreamBytes, true);
        }
    } catch (const std::bad_alloc&) {
        err = ENOMEM;
    }
    if (err != 0) {
        bytes.clear();
        bytes.shrink_to_fit();
        return Failure(err);
    }
    return {};
}

int WriteAll(int fd, const std::string& bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return 0;
}

// Past a file-size limit the write fails with EFBIG instead of the process being killed.
void IgnoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

std::string Folder(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Hidden temporary names beside a file: ".NAME.brindle-PID-XXXXXX".
std::string TempPrefix(const std::string& path) {
    std::string prefix(1, '.');
    prefix += BaseName(path);
    prefix += ".brindle-";
    return prefix;
}

// Removes the temporary files of earlier saves of path whose process is gone.
void RemoveStaleTemporaries(const std::string& path) {
    const std::string folder = Folder(path);
    const std::string prefix = TempPrefix(path);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
        if (pid <= 0 || pid == ::getpid())
            continue;
        if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            ::unlink((folder + "/" + name).c_str());
    }
    ::closedir(dir);
}

mode_t NewFileMode() {
    const mode_t m = ::umask(0);
    ::umask(m);
    return static_cast<mode_t>(0666 & ~m);
}

bool ModeAllowsWriting(const struct stat& st) {
    if (::geteuid() == 0)
        return (st.st_mode & 0222) != 0;
    if (st.st_uid == ::geteuid())
        return (st.st_mode & S_IWUSR) != 0;
    return true; // group and others: left to access(), which knows groups and ACLs
}

// A write that would pass the file-size limit or the free space fails before it starts, so
// an in-place rewrite never stops half way for these reasons.
int CheckRoomFor(int fd, std::size_t size, std::size_t oldSize) {
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        size > limit.rlim_cur)
        return EFBIG;
    struct statvfs fs {};
    if (size > oldSize && ::fstatvfs(fd, &fs) == 0 &&
        static_cast<unsigned long long>(fs.f_bavail) * fs.f_frsize < size - oldSize)
        return ENOSPC;
    return 0;
}

CFileIoResult RewriteInPlace(const std::string& path, const struct stat& old,
                             const std::string& bytes) {
    CFd fd(::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW));
    if (fd.Get() < 0)
        return Failure(errno);
    if (const int err = CheckRoomFor(fd.Get(), bytes.size(), static_cast<std::size_t>(old.st_size)))
        return Failure(err);
    if (const int err = WriteAll(fd.Get(), bytes))
        return Failure(err);
    if (::ftruncate(fd.Get(), static_cast<off_t>(bytes.size())) != 0 || ::fsync(fd.Get()) != 0)
        return Failure(errno);
    if (const int err = fd.Close())
        return Failure(err);
    return {};
}

// Writes bytes into fd with the old file's mode, owner and group and makes them durable.
int FillNewFile(int fd, const struct stat* old, const std::string& bytes) {
    if (const int err = WriteAll(fd, bytes))
        return err;
    if (::fchmod(fd, old ? (old->st_mode & 07777) : NewFileMode()) != 0)
        return errno;
    if (old && (old->st_uid != ::geteuid() || old->st_gid != ::getegid())) {
        // Owner and group where permitted: root keeps both, a user at least a group of theirs.
        if (::fchown(fd, old->st_uid, old->st_gid) != 0)
            (void)::fchown(fd, static_cast<uid_t>(-1), old->st_gid);
        ::fchmod(fd, old->st_mode & 07777); // chown may clear the set-id bits
    }
    return ::fsync(fd) != 0 ? errno : 0;
}

void SyncFolder(const std::string& folder) {
    CFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
}

CFileIoResult ReplaceByRename(const std::string& path, const struct stat* old,
                              const std::string& bytes) {
    const std::string folder = Folder(path);
    RemoveStaleTemporaries(path);
    std::string tmp = folder + "/" + TempPrefix(path) + std::to_string(::getpid()) + "-XXXXXX";

    // Nameless until complete, so a killed process leaves nothing behind.
    CFd anon(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    bool named = false;
    if (anon.Get() >= 0) {
        if (const int err = FillNewFile(anon.Get(), old, bytes))
            return Failure(err);
        const std::string self = "/proc/self/fd/" + std::to_string(anon.Get());
        // linkat cannot replace, so the file gets a hidden name for the moment of the rename.
        for (int attempt = 0; attempt < 100 && !named; ++attempt) {
            std::string name = tmp;
            const int probe = ::mkstemp(name.data()); // reserves a fresh name ...
            if (probe < 0)
                break;
            ::close(probe);
            ::unlink(name.c_str()); // ... which linkat then takes
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                tmp = name;
                named = true;
            } else if (errno != EEXIST) {
                break;
            }
        }
    }
    if (!named) {
        // No O_TMPFILE here (or no /proc): a hidden file with a name from the start.
        CFd fd(::mkstemp(tmp.data()));
        if (fd.Get() < 0)
            return Failure(errno);
        int err = FillNewFile(fd.Get(), old, bytes);
        if (err == 0)
            err = fd.Close();
        if (err != 0) {
            ::unlink(tmp.c_str());
            return Failure(err);
        }
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return Failure(err);
    }
    SyncFolder(folder);
    return {};
}

} // namespace

CFileIoResult ReadWholeFile(const std::string& path, std::string& bytes,
                            std::size_t maxStreamBytes) {
    bytes.clear();
    CFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0)
        return OpenFailure(errno);
    return ReadOpenFile(fd.Get(), bytes, maxStreamBytes);
}

CFileIoResult ReadWholeFd(int fd, std::string& bytes, std::size_t maxStreamBytes) {
    return ReadOpenFile(fd, bytes, maxStreamBytes);
}

std::optional<std::string> FollowLinks(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n < 0)
            return std::nullopt;
        target.resize(static_cast<std::size_t>(n));
        current = !target.empty() && target[0] == '/' ? target : Folder(current) + "/" + target;
    }
    return std::nullopt;
}

CFileIoResult ReplaceFileContent(const std::string& path, const std::string& bytes) {
    IgnoreFileSizeSignal();
    const std::optional<std::string> target = FollowLinks(path);
    if (!target)
        return Failure(ELOOP);
    struct stat old {};
    if (::stat(target->c_str(), &old) != 0) {
        if (errno != ENOENT)
            return Failure(errno);
        return ReplaceByRename(*target, nullptr, bytes);
    }
    if (S_ISDIR(old.st_mode))
        return Failure(EISDIR);
    if (!S_ISREG(old.st_mode))
        return {false, "Not a regular file"};
    if (!IsWritableFile(*target))
        return Failure(EACCES);
    const bool sharedOrForeign = old.st_nlink > 1 || old.st_uid != ::geteuid();
    if (sharedOrForeign || ::access(Folder(*target).c_str(), W_OK | X_OK) != 0)
        return RewriteInPlace(*target, old, bytes);
    return ReplaceByRename(*target, &old, bytes);
}

bool IsWritableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ModeAllowsWriting(st) &&
           ::access(path.c_str(), W_OK) == 0;
}
