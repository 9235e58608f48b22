#pragma once

#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs a check as an ordinary user, where permissions stop writes: in a child process as
// nobody (uid and gid 65534) when the tests run as root, else in this process. Returns the
// check's result; a child that cannot drop its rights or dies counts as false. Paths the
// check uses must be reachable for nobody.
inline bool AsOrdinaryUser(const std::function<bool()>& check) {
    if (::geteuid() != 0)
        return check();
    const pid_t pid = ::fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        const gid_t nobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
            ::_exit(3);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

inline constexpr unsigned NOBODY_ID = 65534;
