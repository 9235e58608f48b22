#pragma once

#include "DocTestUtil.h"
#include "NativeFormat.h"
#include "ProcessId.h"
#include "RecoveryCopy.h"
#include "RecoveryStartup.h"
#include "RecoveryStore.h"

#include <gtest/gtest.h>

#include <csignal>
#include <deque>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace rectest {

// A child process that waits until it is told to end: a live editor, then a dead one.
class CChildProcess {
public:
    CChildProcess() {
        int fds[2];
        EXPECT_EQ(::pipe(fds), 0);
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(fds[1]);
            char c;
            while (::read(fds[0], &c, 1) < 0) {
            }
            ::_exit(0);
        }
        ::close(fds[0]);
        m_pipe = fds[1];
        const std::optional<CProcessId> id = CProcessId::Running(m_pid);
        EXPECT_TRUE(id.has_value());
        m_id = id.value_or(CProcessId{});
    }
    ~CChildProcess() { End(); }
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;

    const CProcessId& Id() const { return m_id; }
    // Kills the child; reap = false leaves it a zombie until the destructor.
    void End(bool reap = true) {
        if (m_pid <= 0)
            return;
        if (m_pipe >= 0) {
            ::kill(m_pid, SIGKILL);
            ::close(m_pipe);
            m_pipe = -1;
        }
        if (!reap) {
            // Killed, not reaped: wait until the kernel shows it as a zombie.
            for (int i = 0; i < 1000 && CProcessId::Running(m_pid); ++i)
                ::usleep(1000);
            return;
        }
        ::waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
    int m_pipe = -1;
    CProcessId m_id;
};

// The identity of an editor that has ended.
inline CProcessId DeadProcess() {
    CChildProcess child;
    CProcessId id = child.Id();
    child.End();
    return id;
}

// A table with a few texts and lines, as native bytes.
inline std::string TableBytes(const std::vector<std::string>& texts) {
    CCellArray cells;
    CLineArray hLines, vLines;
    CCellSize sizes;
    int col = 1;
    for (const std::string& t : texts) {
        CCellData d;
        d.text = t;
        cells.SetCell(col++, 2, d);
    }
    hLines.SetLine(1, 2, LINE_DOUBLE);
    sizes.SetWidth(3, 155);
    return WriteNativeBytes(cells, hLines, vLines, sizes);
}

inline CRecoveryHeader Header(CRecoveryHeader::Kind kind, const std::string& path,
                              const CProcessId& owner, std::int64_t savedAt = 1700000000) {
    CRecoveryHeader h;
    h.kind = kind;
    h.path = path;
    h.owner = owner;
    h.savedAt = savedAt;
    return h;
}

// Where the copy of owner lives in folder.
inline std::string CopyPath(const std::string& folder, const CProcessId& owner) {
    return folder + "/" + owner.ToString() + ".recovery";
}

// The files in a folder, by name.
inline std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The start-up question with scripted answers (Recover when none is left).
class CFakeQuestion : public IRecoveryQuestion {
public:
    std::deque<bool> answers;
    std::vector<std::string> asked;
    bool AskRecover(const std::string& text) override {
        asked.push_back(text);
        if (answers.empty())
            return true;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
};

// A parameterised case's name as a test name: its words joined by '_'.
struct CCaseName {
    template <class Info> std::string operator()(const Info& param) const {
        std::string name;
        for (const char* ch = param.param.name; *ch; ++ch)
            name += std::isalnum(static_cast<unsigned char>(*ch)) ? *ch : '_';
        return name;
    }
};

} // namespace rectest
