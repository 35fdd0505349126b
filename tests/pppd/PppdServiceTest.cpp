// The service against a stand-in pppd that prints what pppd 2.4.9 prints.
#include "pppd/PppdService.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <QElapsedTimer>
#include <atomic>
#include <mutex>

#include "ScriptedPrompts.h"
#include "StandInPppd.h"
#include "pppd/PppdLog.h"
#include "sqlite/PrivateDatabase.h"

namespace varnolt {
namespace {

using test::ReadFile;
using test::WaitFor;

class PppdServiceTest : public ::testing::Test {
protected:
    PppdService& Service() {
        if (!service) {
            service = std::make_unique<PppdService>(logins, prompts, [this](const QString& path) {
                viewed.push_back(path.toStdString());
                return viewerWorks;
            });
        }
        return *service;
    }
    // Dials and records every notification.
    int Dial(const std::string& entry, const RasDialParams& params = {}) {
        return Service().Dial(
            entry, params,
            [this](RasHandle, unsigned state, int error) {
                std::lock_guard lock(mutex);
                notes.push_back({state, error});
            },
            handle);
    }
    int LastError() {
        std::lock_guard lock(mutex);
        return notes.empty() ? -1 : notes.back().second;
    }
    bool Notified(unsigned state) {
        std::lock_guard lock(mutex);
        return std::any_of(notes.begin(), notes.end(),
                           [state](const auto& note) { return note.first == state; });
    }

    test::StandInPppd pppd;
    test::TempDir config;
    pppd::PppdLogins logins{(config.path() / "pppd-logins.db").string()};
    test::ScriptedPrompts prompts;
    std::vector<std::string> viewed;
    bool viewerWorks = true;
    std::unique_ptr<PppdService> service;
    RasHandle handle = 0;
    std::mutex mutex;
    std::vector<std::pair<unsigned, int>> notes;
};

TEST_F(PppdServiceTest, ListsPeerFilesByNameWithoutHiddenFilesBackupsOrFolders) {
    for (const char* name : {"provider", "isdn", "office~", ".hidden", "provider.dpkg-old",
                             "provider.dpkg-dist", "isdn.ucf-new", "Arcor"}) {
        pppd.AddPeer(name);
    }
    std::filesystem::create_directory(pppd.Peers() / "folder");
    EXPECT_EQ((std::vector<std::string>{"Arcor", "isdn", "provider"}), Service().EnumEntries());
}

TEST_F(PppdServiceTest, AtMostFiveHundredPeersAreListed) {
    for (int i = 0; i < 505; ++i) {
        pppd.AddPeer("peer" + std::to_string(1000 + i));
    }
    const std::vector<std::string> names = Service().EnumEntries();
    ASSERT_EQ(500u, names.size());
    EXPECT_EQ("peer1499", names.back());
}

TEST_F(PppdServiceTest, AnUnreadablePeersFolderGivesNoEntriesAndOneMessage) {
    // A file where the folder should be: root may read any folder, but never this.
    std::filesystem::remove(pppd.Peers());
    std::ofstream(pppd.Peers()) << "not a folder\n";
    EXPECT_TRUE(Service().EnumEntries().empty());
    EXPECT_TRUE(Service().EnumEntries().empty());
    ASSERT_EQ(1u, prompts.shown().size());
    EXPECT_NE(prompts.shown()[0].text.find(pppd.Peers().string()), std::string::npos);
}

TEST_F(PppdServiceTest, LoginsAreKeptInTheServicesOwnPrivateDatabase) {
    pppd.AddPeer("provider");
    ASSERT_EQ(ras::kSuccess, Service().SetEntryDialParams("provider", {"jane", "secret"}, false));
    RasDialParams params;
    bool stored = false;
    ASSERT_EQ(ras::kSuccess, Service().GetEntryDialParams("provider", params, stored));
    EXPECT_EQ("jane", params.userName);
    EXPECT_EQ("secret", params.password);
    EXPECT_TRUE(stored);
    ASSERT_EQ(ras::kSuccess, Service().SetEntryDialParams("provider", {"jane", "secret"}, true));
    {
        // A second service on the same file sees what the first kept.
        pppd::PppdLogins again((config.path() / "pppd-logins.db").string());
        EXPECT_EQ("jane", again.Find("provider").userName);
        EXPECT_FALSE(again.Find("provider").passwordStored);
        EXPECT_EQ("", again.Find("provider").password);
    }
    struct stat info {};
    ASSERT_EQ(0, ::stat((config.path() / "pppd-logins.db").c_str(), &info));
    EXPECT_EQ(0600u, info.st_mode & 0777);
    EXPECT_EQ(ras::kErrorCannotFindPhonebookEntry,
              Service().GetEntryDialParams("missing", params, stored));
}

TEST_F(PppdServiceTest, NewEntryNamesThePeersFolderAndEditShowsThePeerFile) {
    pppd.AddPeer("provider");
    Service().CreateEntryDialog();
    ASSERT_EQ(1u, prompts.shown().size());
    EXPECT_NE(prompts.shown()[0].text.find(pppd.Peers().string()), std::string::npos);
    EXPECT_NE(prompts.shown()[0].text.find("pppconfig"), std::string::npos);
    Service().EditEntryDialog("provider");
    EXPECT_EQ((std::vector<std::string>{(pppd.Peers() / "provider").string()}), viewed);
    EXPECT_EQ(1u, prompts.shown().size());
    viewerWorks = false;
    Service().EditEntryDialog("provider");
    EXPECT_EQ(2u, prompts.shown().size());
}

TEST_F(PppdServiceTest, APasswordComesOnItsFileDescriptorNeverInArgumentsOrEnvironment) {
    pppd.AddPeer("provider");
    pppd.Script(R"(printf '%s\n' "$@" > "$OUT/args"
tr '\0' '\n' < /proc/$$/cmdline > "$OUT/cmdline"
tr '\0' '\n' < /proc/$$/environ > "$OUT/environ"
while [ $# -gt 0 ]; do [ "$1" = passwordfd ] && eval "cat <&$2" > "$OUT/password"; shift; done
echo 'Serial connection established.'
exit 19)");
    ASSERT_EQ(ras::kPending, Dial("provider", {"jane", "s3cr3t-word"}));
    ASSERT_TRUE(WaitFor([&] { return LastError() > 0; }));
    EXPECT_EQ(ras::kErrorAuthenticationFailure, LastError());
    EXPECT_EQ("s3cr3t-word", ReadFile(pppd.Out() / "password"));
    const std::string args = ReadFile(pppd.Out() / "args");
    EXPECT_EQ(
        0u, args.find("call\nprovider\nnodetach\nuser\njane\nplugin\npasswordfd.so\npasswordfd\n"))
        << args;
    for (const char* file : {"args", "cmdline", "environ"}) {
        EXPECT_EQ(std::string::npos, ReadFile(pppd.Out() / file).find("s3cr3t"));
    }
    EXPECT_TRUE(Notified(pppd::kStateDeviceConnected));
    // Kept for the user until the attempt is hung up.
    EXPECT_NE(Service().DialOutput(handle).find("Serial connection established."),
              std::string::npos);
    EXPECT_EQ(Service().DialOutput(handle + 1), "");
}

TEST_F(PppdServiceTest, AnEmptyPasswordLeavesUserAndPasswordToThePeerFile) {
    pppd.AddPeer("provider");
    pppd.Script(R"(printf '%s\n' "$@" > "$OUT/args"
exit 19)");
    ASSERT_EQ(ras::kPending, Dial("provider", {"jane", ""}));
    ASSERT_TRUE(WaitFor([&] { return LastError() > 0; }));
    EXPECT_EQ("call\nprovider\nnodetach\n", ReadFile(pppd.Out() / "args"));
}

TEST_F(PppdServiceTest, HangUpEndsPppdWithSigtermAndNothingIsReportedAfterwards) {
    pppd.AddPeer("provider");
    pppd.Script(R"(trap 'echo TERM > "$OUT/term"; echo "Terminating on signal 15"; exit 5' TERM
echo 'Serial connection established.'
while true; do sleep 0.05; done)");
    ASSERT_EQ(ras::kPending, Dial("provider"));
    ASSERT_TRUE(WaitFor([&] { return Notified(pppd::kStateDeviceConnected); }));
    const std::size_t before = notes.size();
    EXPECT_EQ(ras::kSuccess, Service().HangUp(handle));
    EXPECT_EQ("TERM\n", ReadFile(pppd.Out() / "term"));
    test::RunFor(200);
    EXPECT_EQ(before, notes.size());
}

TEST_F(PppdServiceTest, APppdThatIgnoresSigtermIsKilledAfterFiveSecondsWithoutFreezing) {
    pppd.AddPeer("provider");
    pppd.Script(R"(trap '' TERM
echo $$ > "$OUT/pid"
echo 'Serial connection established.'
while true; do sleep 0.05; done)");
    ASSERT_EQ(ras::kPending, Dial("provider"));
    ASSERT_TRUE(WaitFor([&] { return Notified(pppd::kStateDeviceConnected); }));
    const pid_t pid = std::stoi(ReadFile(pppd.Out() / "pid"));
    QTimer tick;
    int ticks = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(100);
    QElapsedTimer took;
    took.start();
    EXPECT_EQ(ras::kSuccess, Service().HangUp(handle));
    EXPECT_GE(took.elapsed(), 4900);
    EXPECT_LT(took.elapsed(), 7000);
    EXPECT_GE(ticks, 40);  // the window's timers kept running all the while
    EXPECT_NE(0, ::kill(pid, 0));
}

TEST_F(PppdServiceTest, AProgramThatCannotRunIsAFailureOfItsOwn) {
    pppd.AddPeer("provider");
    EXPECT_EQ(pppd::kErrorNotStarted, Dial("provider"));
    EXPECT_EQ(0u, handle);
    EXPECT_NE(Service().ErrorString(pppd::kErrorNotStarted).find(pppd.Program().string()),
              std::string::npos);
    EXPECT_EQ(ras::kErrorCannotFindPhonebookEntry, Dial("missing"));
}

}  // namespace
}  // namespace varnolt
