#include "ProcessId.h"

#include "FileIo.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <unistd.h>

namespace {

// Field 22 of /proc/PID/stat; the second field (the command) may hold spaces and ')'.
// No value for a process that has ended and waits to be reaped (state Z or X).
std::optional<unsigned long long> StartTicks(const std::string& statText) {
    const std::size_t close = statText.rfind(')');
    if (close == std::string::npos)
        return std::nullopt;
    std::string_view rest = std::string_view(statText).substr(close + 1);
    // After the command: state is field 3, so the start time is the 20th word.
    for (int field = 3; field <= 22; ++field) {
        const std::size_t begin = rest.find_first_not_of(' ');
        if (begin == std::string_view::npos)
            return std::nullopt;
        rest.remove_prefix(begin);
        const std::size_t end = std::min(rest.find(' '), rest.size());
        if (field == 3 && (rest[0] == 'Z' || rest[0] == 'X'))
            return std::nullopt;
        if (field == 22) {
            unsigned long long ticks = 0;
            const auto [p, ec] = std::from_chars(rest.data(), rest.data() + end, ticks);
            if (ec != std::errc() || p != rest.data() + end)
                return std::nullopt;
            return ticks;
        }
        rest.remove_prefix(end);
    }
    return std::nullopt;
}

std::string BootId() {
    static const std::string id = [] {
        std::string text;
        if (!ReadWholeFile("/proc/sys/kernel/random/boot_id", text, 4096).ok)
            return std::string();
        std::string hex;
        for (char ch : text)
            if ((ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f'))
                hex += ch;
        return hex.size() == 32 ? hex : std::string();
    }();
    return id;
}

bool ProcSupported() {
    static const bool supported = CProcessId::Running(::getpid()).has_value();
    return supported;
}

bool IsHex(std::string_view s) {
    for (char ch : s)
        if (!((ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f')))
            return false;
    return true;
}

} // namespace

CProcessId CProcessId::Self() {
    if (std::optional<CProcessId> self = Running(::getpid()))
        return *self;
    return {::getpid(), 0, BootId()};
}

std::optional<CProcessId> CProcessId::Running(long pid) {
    if (pid <= 0)
        return std::nullopt;
    std::string text;
    if (!ReadWholeFile("/proc/" + std::to_string(pid) + "/stat", text, 4096).ok)
        return std::nullopt;
    const std::optional<unsigned long long> ticks = StartTicks(text);
    if (!ticks)
        return std::nullopt;
    return CProcessId{pid, *ticks, BootId()};
}

std::string CProcessId::ToString() const {
    return std::to_string(pid) + "-" + std::to_string(startTicks) + "-" +
           (bootId.empty() ? std::string("0") : bootId);
}

std::optional<CProcessId> CProcessId::Parse(std::string_view text) {
    const std::size_t a = text.find('-');
    const std::size_t b = a == std::string_view::npos ? a : text.find('-', a + 1);
    if (b == std::string_view::npos)
        return std::nullopt;
    CProcessId id;
    const char* end = text.data() + a;
    if (auto [p, ec] = std::from_chars(text.data(), end, id.pid);
        ec != std::errc() || p != end || id.pid <= 0)
        return std::nullopt;
    end = text.data() + b;
    if (auto [p, ec] = std::from_chars(text.data() + a + 1, end, id.startTicks);
        ec != std::errc() || p != end)
        return std::nullopt;
    const std::string_view boot = text.substr(b + 1);
    if (boot == "0")
        return id;
    if (boot.size() != 32 || !IsHex(boot))
        return std::nullopt;
    id.bootId = boot;
    return id;
}

bool IsProcessAlive(const CProcessId& id) {
    const std::string boot = BootId();
    if (!id.bootId.empty() && !boot.empty() && id.bootId != boot)
        return false; // written before the last reboot
    if (!ProcSupported())
        return id.pid > 0 && (::kill(static_cast<pid_t>(id.pid), 0) == 0 || errno == EPERM);
    const std::optional<CProcessId> now = CProcessId::Running(id.pid);
    return now && now->startTicks == id.startTicks;
}
