#pragma once

#include <atomic>
#include <chrono>
#include <string>
#include <vector>

// Lets another thread stop a render: Cancel kills the running compile at once. One token per
// render; safe to call from any thread, any number of times.
class CRenderCancel {
public:
    CRenderCancel();
    ~CRenderCancel();
    CRenderCancel(const CRenderCancel&) = delete;
    CRenderCancel& operator=(const CRenderCancel&) = delete;

    void Cancel();
    bool IsCancelled() const { return m_cancelled.load(); }
    // Becomes readable once cancelled; -1 when the system gave no descriptor.
    int WakeFd() const { return m_fd; }

private:
    std::atomic<bool> m_cancelled{false};
    int m_fd = -1;
};

// One program run in its own process group, killed with the whole group when its time is up.
struct CChildRequest {
    std::string program; // full path
    std::vector<std::string> args;
    std::vector<std::string> env; // NAME=VALUE, the whole environment
    std::string workDir;
    std::string outputFile; // standard output and standard error; standard input is empty
    std::chrono::milliseconds timeLimit{20000};
    // Folders the program may write below; where the system supports it, writing anywhere
    // else is refused (and so is opening network connections).
    std::vector<std::string> writableDirs;
};

struct CChildOutcome {
    enum Kind { Exited, Killed, TimedOut, Cancelled, StartFailed };
    Kind kind = StartFailed;
    int exitCode = -1;     // Exited
    std::string error;     // StartFailed: the system's reason
    bool confined = false; // the write confinement was in force
};

CChildOutcome RunChild(const CChildRequest& request, const CRenderCancel* cancel);

// The full path of program in the folders of searchPath (':'-separated), or empty.
std::string FindOnPath(const std::string& program, const std::string& searchPath);
