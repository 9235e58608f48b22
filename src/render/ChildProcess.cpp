#include "ChildProcess.h"

#include <linux/landlock.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// Access rights of the write confinement, by the kernel's confinement version; some of them
// are newer than the system headers.
constexpr std::uint64_t FS_REFER = 1ULL << 13;    // version 2
constexpr std::uint64_t FS_TRUNCATE = 1ULL << 14; // version 3
constexpr std::uint64_t NET_BIND_TCP = 1ULL << 0; // version 4
constexpr std::uint64_t NET_CONNECT_TCP = 1ULL << 1;

struct CRulesetAttr {
    std::uint64_t handledAccessFs;
    std::uint64_t handledAccessNet;
};

class CFd {
public:
    explicit CFd(int fd = -1) : m_fd(fd) {}
    ~CFd() { Reset(); }
    CFd(const CFd&) = delete;
    CFd& operator=(const CFd&) = delete;
    int Get() const { return m_fd; }
    void Reset(int fd = -1) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

// A confinement that refuses writing outside dirs (and TCP), or -1 when the kernel has none.
int MakeWriteRuleset(const std::vector<std::string>& dirs) {
    const long version =
        ::syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION);
    if (version < 1)
        return -1;
    std::uint64_t write = LANDLOCK_ACCESS_FS_WRITE_FILE | LANDLOCK_ACCESS_FS_REMOVE_DIR |
                          LANDLOCK_ACCESS_FS_REMOVE_FILE | LANDLOCK_ACCESS_FS_MAKE_CHAR |
                          LANDLOCK_ACCESS_FS_MAKE_DIR | LANDLOCK_ACCESS_FS_MAKE_REG |
                          LANDLOCK_ACCESS_FS_MAKE_SOCK | LANDLOCK_ACCESS_FS_MAKE_FIFO |
                          LANDLOCK_ACCESS_FS_MAKE_BLOCK | LANDLOCK_ACCESS_FS_MAKE_SYM;
    if (version >= 2)
        write |= FS_REFER;
    if (version >= 3)
        write |= FS_TRUNCATE;
    CRulesetAttr attr{write, NET_BIND_TCP | NET_CONNECT_TCP};
    const std::size_t attrSize = version >= 4 ? sizeof attr : sizeof attr.handledAccessFs;
    const int ruleset =
        static_cast<int>(::syscall(SYS_landlock_create_ruleset, &attr, attrSize, 0));
    if (ruleset < 0)
        return -1;
    const auto allow = [&](const std::string& path, std::uint64_t access) {
        const int fd = ::open(path.c_str(), O_PATH | O_CLOEXEC);
        if (fd < 0)
            return;
        landlock_path_beneath_attr rule{};
        rule.allowed_access = access;
        rule.parent_fd = fd;
        ::syscall(SYS_landlock_add_rule, ruleset, LANDLOCK_RULE_PATH_BENEATH, &rule, 0);
        ::close(fd);
    };
    for (const std::string& dir : dirs)
        allow(dir, write);
    allow("/dev/null", LANDLOCK_ACCESS_FS_WRITE_FILE | (version >= 3 ? FS_TRUNCATE : 0));
    ::fcntl(ruleset, F_SETFD, FD_CLOEXEC);
    return ruleset;
}

std::vector<char*> CStrings(const std::vector<std::string>& v) {
    std::vector<char*> p;
    p.reserve(v.size() + 1);
    for (const std::string& s : v)
        p.push_back(const_cast<char*>(s.c_str()));
    p.push_back(nullptr);
    return p;
}

void KillGroup(pid_t pid) {
    ::kill(-pid, SIGKILL);
}

int WaitExit(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

// Only calls that are safe between fork and exec.
[[noreturn]] void ExecChild(const CChildRequest& r, char* const* argv, char* const* envp, int outFd,
                            int nullFd, int ruleset, int errWrite, pid_t parent) {
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(127);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    for (int sig = 1; sig < NSIG; ++sig)
        ::sigaction(sig, &dfl, nullptr);
    int err = 0;
    if (::dup2(nullFd, 0) < 0 || ::dup2(outFd, 1) < 0 || ::dup2(outFd, 2) < 0 ||
        ::chdir(r.workDir.c_str()) < 0)
        err = errno;
    if (!err && ruleset >= 0 &&
        (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) < 0 ||
         ::syscall(SYS_landlock_restrict_self, ruleset, 0) < 0))
        err = errno;
    if (!err) {
#ifdef SYS_close_range
        ::syscall(SYS_close_range, 3U, ~0U, 4U /* CLOSE_RANGE_CLOEXEC */);
#endif
        ::execve(r.program.c_str(), argv, envp);
        err = errno;
    }
    [[maybe_unused]] ssize_t n = ::write(errWrite, &err, sizeof err);
    ::_exit(127);
}

} // namespace

CRenderCancel::CRenderCancel() : m_fd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

CRenderCancel::~CRenderCancel() {
    if (m_fd >= 0)
        ::close(m_fd);
}

void CRenderCancel::Cancel() {
    m_cancelled.store(true);
    if (m_fd >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] ssize_t n = ::write(m_fd, &one, sizeof one);
    }
}

std::string FindOnPath(const std::string& program, const std::string& searchPath) {
    std::size_t start = 0;
    while (start <= searchPath.size()) {
        std::size_t end = searchPath.find(':', start);
        if (end == std::string::npos)
            end = searchPath.size();
        const std::string dir = searchPath.substr(start, end - start);
        start = end + 1;
        // An empty entry would mean the current folder: never taken.
        if (dir.empty())
            continue;
        const std::string path = dir + "/" + program;
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::access(path.c_str(), X_OK) == 0)
            return path;
    }
    return {};
}

CChildOutcome RunChild(const CChildRequest& r, const CRenderCancel* cancel) {
    CChildOutcome outcome;
    std::vector<std::string> argvStrings{r.program};
    argvStrings.insert(argvStrings.end(), r.args.begin(), r.args.end());
    std::vector<char*> argv = CStrings(argvStrings);
    std::vector<char*> envp = CStrings(r.env);

    CFd out(::open(r.outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    CFd null(::open("/dev/null", O_RDONLY | O_CLOEXEC));
    if (out.Get() < 0 || null.Get() < 0) {
        outcome.error = std::strerror(errno);
        return outcome;
    }
    CFd ruleset(MakeWriteRuleset(r.writableDirs));
    outcome.confined = ruleset.Get() >= 0;
    int errPipe[2];
    if (::pipe2(errPipe, O_CLOEXEC) < 0) {
        outcome.error = std::strerror(errno);
        return outcome;
    }
    CFd errRead(errPipe[0]);
    CFd errWrite(errPipe[1]);

    if (cancel && cancel->IsCancelled()) {
        outcome.kind = CChildOutcome::Cancelled;
        return outcome;
    }
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid < 0) {
        outcome.error = std::strerror(errno);
        return outcome;
    }
    if (pid == 0)
        ExecChild(r, argv.data(), envp.data(), out.Get(), null.Get(), ruleset.Get(), errWrite.Get(),
                  parent);
    const auto deadline = std::chrono::steady_clock::now() + r.timeLimit;
    // Both sides set the group, so that killing it cannot miss a child that has not yet.
    ::setpgid(pid, pid);
    errWrite.Reset();
    int childErr = 0;
    ssize_t got;
    while ((got = ::read(errRead.Get(), &childErr, sizeof childErr)) < 0 && errno == EINTR) {
    }
    if (got == static_cast<ssize_t>(sizeof childErr)) {
        WaitExit(pid);
        outcome.error = std::strerror(childErr);
        return outcome;
    }

    CFd pidFd(static_cast<int>(::syscall(SYS_pidfd_open, pid, 0)));
    const int wakeFd = cancel ? cancel->WakeFd() : -1;
    int status = 0;
    for (;;) {
        if (cancel && cancel->IsCancelled()) {
            KillGroup(pid);
            WaitExit(pid);
            outcome.kind = CChildOutcome::Cancelled;
            return outcome;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            KillGroup(pid);
            WaitExit(pid);
            outcome.kind = CChildOutcome::TimedOut;
            return outcome;
        }
        const long long left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count() + 1;
        if (pidFd.Get() >= 0) {
            pollfd fds[2] = {{pidFd.Get(), POLLIN, 0}, {wakeFd, POLLIN, 0}};
            const int ready = ::poll(fds, wakeFd >= 0 ? 2 : 1,
                                     static_cast<int>(std::min(left, wakeFd >= 0 ? left : 20LL)));
            if (ready > 0 && (fds[0].revents & POLLIN)) {
                status = WaitExit(pid);
                break;
            }
        } else {
            // No process descriptor on this kernel: look every few milliseconds.
            const pid_t done = ::waitpid(pid, &status, WNOHANG);
            if (done == pid)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    // Whatever the program left running in its group goes with it.
    KillGroup(pid);
    if (WIFEXITED(status)) {
        outcome.kind = CChildOutcome::Exited;
        outcome.exitCode = WEXITSTATUS(status);
    } else {
        outcome.kind = CChildOutcome::Killed;
    }
    return outcome;
}
