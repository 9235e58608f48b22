#pragma once

#include <optional>
#include <string>
#include <string_view>

// A running process, told apart from a later one that gets the same number: its start time
// (clock ticks after boot, from /proc/PID/stat) and the boot it runs in.
struct CProcessId {
    long pid = 0;
    unsigned long long startTicks = 0;
    std::string bootId; // 32 hex digits; empty where the system does not say

    bool operator==(const CProcessId&) const = default;

    // This process.
    static CProcessId Self();
    // The process with this number as it runs now; no value when there is none.
    static std::optional<CProcessId> Running(long pid);

    // "PID-START-BOOT", the stem of a file name; Parse reads it back.
    std::string ToString() const;
    static std::optional<CProcessId> Parse(std::string_view text);
};

// True while the process still runs: same number, same start time, same boot.
bool IsProcessAlive(const CProcessId& id);
