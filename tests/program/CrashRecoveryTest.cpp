#include <fcntl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "ChildProcess.h"
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

bool WaitFor(const std::function<bool()>& done) {
    for (int i = 0; i < 600 && !done(); ++i) {
        std::this_thread::sleep_for(100ms);
    }
    return done();
}

// A program started with the test's environment (and one more variable), its
// stderr in a file; killed at the latest when it goes out of scope.
class Child {
public:
    Child(const char* program, const std::filesystem::path& log, const char* variable = nullptr)
        : m_log(log), m_process([&] {
              ::dup2(::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
              if (variable != nullptr) {
                  ::putenv(const_cast<char*>(variable));
              }
              ::execl(program, program, nullptr);
              return 127;
          }) {}
    void Kill() { m_process.Kill(); }
    // Whether the program wrote `text` on stderr within a minute.
    bool Said(const std::string& text) const {
        return WaitFor([&] { return Output().find(text) != std::string::npos; });
    }
    std::string Output() const {
        std::ifstream in(m_log);
        return {std::istreambuf_iterator<char>(in), {}};
    }

private:
    std::filesystem::path m_log;
    ChildProcess m_process;
};

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

    Child call(LIVE_CALL_PROGRAM, home.path() / "call.err");
    ASSERT_TRUE(call.Said("connected")) << call.Output();
    ASSERT_TRUE(WaitFor([&] { return fee() >= 3.0f; }));
    {
        Child second(VARNOLT_PROGRAM, home.path() / "second.err");
        EXPECT_TRUE(second.Said("Office runs in another instance")) << second.Output();
    }
    const float seen = fee();
    ASSERT_TRUE(WaitFor([&] { return fee() > seen; }));  // still kept by its own program
    call.Kill();
    const auto killed = std::chrono::system_clock::now().time_since_epoch() / 1s;
    const JournaledCall left = ReadCallJournal(store).value();
    EXPECT_LE(killed - EpochSecondsFromLocal(left.aliveAt), 10);

    {
        Child paused(VARNOLT_PROGRAM, home.path() / "paused.err",
                     "VARNOLT_TEST_RECOVERY_PAUSE_MS=60000");
        ASSERT_TRUE(paused.Said("test pause")) << paused.Output();
    }
    EXPECT_EQ(ReadCallJournal(store).value().aliveAt, left.aliveAt);
    EXPECT_EQ(store.ReadInt("__LOG file", "Anzahl", 0), 0);
    EXPECT_FALSE(store.HasValue("Office", "Total costs"));

    {
        Child next(VARNOLT_PROGRAM, home.path() / "next.err");
        ASSERT_TRUE(next.Said("has been accounted: " + FormatAmount(left.callFee)))
            << next.Output();
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
