#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>

#include "TempDir.h"
#include "app/AppIdentity.h"
#include "app/LocalTime.h"
#include "app/NumberText.h"
#include "log/CConnectionLog.h"
#include "meter/CallJournal.h"
#include "sqlite/SqliteSettingsStore.h"

namespace varnolt::test {
namespace {

using namespace std::chrono_literals;

// A program started with the test's environment (and one more variable), its
// stderr read through a pipe; killed at the latest when it goes out of scope.
class Child {
public:
    explicit Child(const char* program, const char* variable = nullptr) {
        int pipe[2];
        EXPECT_EQ(::pipe2(pipe, O_CLOEXEC), 0);
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(pipe[1], STDERR_FILENO);
            if (variable != nullptr) {
                ::putenv(const_cast<char*>(variable));
            }
            ::execl(program, program, nullptr);
            ::_exit(127);
        }
        ::close(pipe[1]);
        m_stderr = pipe[0];
    }
    ~Child() {
        Kill();
        ::close(m_stderr);
    }
    void Kill() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
            m_pid = -1;
        }
    }
    // Whether the program wrote `text` on stderr within a minute.
    bool Said(const std::string& text) {
        const auto deadline = std::chrono::steady_clock::now() + 60s;
        pollfd readable{m_stderr, POLLIN, 0};
        char buffer[4096];
        while (output.find(text) == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            const ssize_t got = left > 0ms && ::poll(&readable, 1, int(left.count())) > 0
                                    ? ::read(m_stderr, buffer, sizeof buffer)
                                    : 0;
            if (got <= 0) {
                return false;
            }
            output.append(buffer, static_cast<std::size_t>(got));
        }
        return true;
    }

    std::string output;

private:
    pid_t m_pid = -1;
    int m_stderr = -1;
};

bool WaitFor(const std::function<bool()>& done) {
    for (int i = 0; i < 600 && !done(); ++i) {
        std::this_thread::sleep_for(100ms);
    }
    return done();
}

// The program is killed during a call on the simulated service, once more in
// the middle of the recovery, and started again.
TEST(CrashRecovery, AKilledCallIsAccountedAtTheNextStartUpToWhenItWasLastSeen) {
    TempDir home;
    ScopedEnv homeFolder("HOME", home.path().string());
    ScopedEnv config("XDG_CONFIG_HOME", (home.path() / "config").string());
    ScopedEnv temporary("TMPDIR", home.path().string());  // what a killed program leaves
    ScopedEnv offscreen("QT_QPA_PLATFORM", "offscreen");
    SqliteSettingsStore store(ConfigFilePath(kCompanyKey, "varnolt.db"));
    store.WriteString("All entries", "Total costs", "10.00");
    auto fee = [&store] { return ReadCallJournal(store).value_or(JournaledCall{}).callFee; };

    Child call(LIVE_CALL_PROGRAM);
    ASSERT_TRUE(call.Said("connected")) << call.output;
    ASSERT_TRUE(WaitFor([&] { return fee() >= 3.0f; }));
    {
        Child second(VARNOLT_PROGRAM);
        EXPECT_TRUE(second.Said("Office runs in another instance")) << second.output;
    }
    const float seen = fee();
    ASSERT_TRUE(WaitFor([&] { return fee() > seen; }));  // still kept by its own program
    call.Kill();
    const auto killed = std::chrono::system_clock::now().time_since_epoch() / 1s;
    const JournaledCall left = ReadCallJournal(store).value();
    EXPECT_LE(killed - EpochSecondsFromLocal(left.aliveAt), 10);

    {
        Child paused(VARNOLT_PROGRAM, "VARNOLT_TEST_RECOVERY_PAUSE_MS=60000");
        ASSERT_TRUE(paused.Said("test pause")) << paused.output;
    }
    EXPECT_EQ(ReadCallJournal(store).value().aliveAt, left.aliveAt);
    EXPECT_EQ(store.ReadInt("__LOG file", "Anzahl", 0), 0);
    EXPECT_FALSE(store.HasValue("Office", "Total costs"));

    {
        Child next(VARNOLT_PROGRAM);
        ASSERT_TRUE(next.Said("has been accounted: " + FormatAmount(left.callFee))) << next.output;
    }
    EXPECT_FALSE(ReadCallJournal(store));
    EXPECT_EQ(store.ReadString("Office", "Total costs", ""), FormatAmount(left.callFee));
    EXPECT_EQ(store.ReadString("All entries", "Total costs", ""),
              FormatAmount(10.0f + left.callFee));
    for (const char* section : {"Office", "All entries"}) {
        EXPECT_EQ(store.ReadString(section, "Last connect", ""), LastConnectText(left.connectTime));
    }
    EXPECT_EQ(store.ReadInt("__LOG file", "Anzahl", 0), 1);
    EXPECT_EQ(store.ReadString("__LOG file", "To #1", ""), LogTimeText(left.aliveAt));
}

}  // namespace
}  // namespace varnolt::test
