#include "FileIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
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

} // namespace

CFileIoResult ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return OpenFailure(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        return OpenFailure(err);
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        return OpenFailure(EISDIR);
    }
    if (st.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            return Failure(err);
        }
        if (n == 0)
            break;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return {};
}

CFileIoResult AtomicWriteFile(const std::string& path, const std::string& bytes) {
    struct stat old {};
    const bool existed = ::stat(path.c_str(), &old) == 0;
    if (existed && S_ISDIR(old.st_mode))
        return Failure(EISDIR);

    std::string tmp = path + ".XXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0)
        return Failure(errno);
    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(tmp.c_str());
        return Failure(err);
    };
    const mode_t mode = existed ? (old.st_mode & 07777) : static_cast<mode_t>(0666 & ~[] {
        const mode_t m = ::umask(0);
        ::umask(m);
        return m;
    }());
    if (::fchmod(fd, mode) != 0)
        return fail(errno);
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return Failure(err);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return Failure(err);
    }
    return {};
}

bool IsWritableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), W_OK) == 0;
}
