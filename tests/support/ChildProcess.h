#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <optional>
#include <thread>
#include <utility>

namespace varnolt::test {

// A forked copy of the test that runs `work` and exits with its result (a work
// that execs a program ends as that program does). One still running when
// this goes out of scope is killed.
class ChildProcess {
public:
    explicit ChildProcess(const std::function<int()>& work) : m_pid(::fork()) {
        EXPECT_GE(m_pid, 0) << "fork failed";
        if (m_pid == 0) {
            ::_exit(work());
        }
    }
    ~ChildProcess() { Kill(); }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return m_pid; }
    // Waits for the end; the status as waitpid gives it.
    int Wait() {
        const pid_t pid = std::exchange(m_pid, -1);
        int status = 0;
        EXPECT_EQ(::waitpid(pid, &status, 0), pid);
        return status;
    }
    // The status, or none when the child still ran after `patience` (it is killed).
    std::optional<int> WaitAtMost(std::chrono::steady_clock::duration patience) {
        const auto deadline = std::chrono::steady_clock::now() + patience;
        int status = 0;
        while (::waitpid(m_pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                Kill();
                return std::nullopt;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        m_pid = -1;
        return status;
    }
    // Asks the child to end (SIGTERM), so it can tidy up, and waits a while for it.
    void Terminate() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            WaitAtMost(std::chrono::seconds(5));
        }
    }
    void Kill() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(std::exchange(m_pid, -1), nullptr, 0);
        }
    }

private:
    pid_t m_pid;
};

// A status from ChildProcess as a shell reports it: the exit code, or 128 plus
// the signal that ended the child.
inline int ExitCode(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace varnolt::test
