#include <gtest/gtest.h>
#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <set>
#include <thread>

#include "TempDir.h"
#include "sim/SimulatedService.h"

namespace varnolt {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto kSecond = 10ms;  // one second of the virtual line
constexpr auto kPatience = 5s;  // generous: a wait that times out is a failure

struct Heard {
    RasHandle handle;
    unsigned state;
    int error;
    std::thread::id thread;
    Clock::time_point at;
};

bool EndsDial(const Heard& h) {
    return h.error != 0 || h.state == ras::kStateConnected;
}

// Records notifications from any thread; tests wait on it with a deadline.
class Listener {
public:
    RemoteAccess::DialNotify Notify() {
        return [this](RasHandle handle, unsigned state, int error) { Add(handle, state, error); };
    }
    void Add(RasHandle handle, unsigned state, int error) {
        std::lock_guard lock(m_mutex);
        m_heard.push_back({handle, state, error, std::this_thread::get_id(), Clock::now()});
        m_changed.notify_all();
    }
    bool WaitFor(const std::function<bool(const std::vector<Heard>&)>& done) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, kPatience, [&] { return done(m_heard); });
    }
    bool WaitForEnd() {
        return WaitFor([](const auto& heard) { return !heard.empty() && EndsDial(heard.back()); });
    }
    bool WaitForState(unsigned state) {
        return WaitFor(
            [&](const auto& heard) { return !heard.empty() && heard.back().state == state; });
    }
    std::vector<Heard> heard() const {
        std::lock_guard lock(m_mutex);
        return m_heard;
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Heard> m_heard;
};

// Plays the user of the service's dialogs: each typed entry is one press of
// OK; when none is left, Cancel.
class ScriptedEntryDialogs final : public EntryDialogs {
public:
    std::deque<PhonebookEntry> typed;
    std::vector<std::string> answers;  // the service's reply to each OK
    std::vector<std::string> edited;   // names the Edit dialog was opened with

    void ShowNewEntry(const Submit& submit) override { Drive(submit); }
    void ShowEditEntry(const PhonebookEntry& entry, const Submit& submit) override {
        edited.push_back(entry.name);
        Drive(submit);
    }

private:
    void Drive(const Submit& submit) {
        while (!typed.empty()) {
            answers.push_back(submit(typed.front()));
            typed.pop_front();
            if (answers.back().empty()) {
                return;
            }
        }
    }
};

PhonebookEntry Named(const std::string& name, LineAnswer answer = LineAnswer::Connect,
                     int connectSeconds = 3, int dropSeconds = 0) {
    PhonebookEntry entry;
    entry.name = name;
    entry.answer = answer;
    entry.connectSeconds = connectSeconds;
    entry.dropSeconds = dropSeconds;
    return entry;
}

class SimulatedServiceTest : public ::testing::Test {
protected:
    void Add(const PhonebookEntry& entry) { ASSERT_EQ(m_phonebook.AddEntry(entry), ""); }
    // Ends every worker: what was heard by now is all there will be.
    void StopService() { m_service.reset(); }

    test::TempDir m_dir;
    PhonebookDatabase m_phonebook{(m_dir.path() / "phonebook.db").string()};
    ScriptedEntryDialogs m_dialogs;
    std::unique_ptr<SimulatedService> m_service =
        std::make_unique<SimulatedService>(m_phonebook, m_dialogs, kSecond);
};

TEST_F(SimulatedServiceTest, EveryAnswerReachesTheCallerAsADialerReportsIt) {
    PhonebookEntry guarded = Named("Guarded");
    guarded.accountRequired = true;
    guarded.accountUser = "anna";
    guarded.accountPassword = "Secret";
    Add(guarded);
    Add(Named("Connect"));
    Add(Named("Busy", LineAnswer::Busy));
    Add(Named("No answer", LineAnswer::NoAnswer));
    Add(Named("No dial tone", LineAnswer::NoDialTone));
    const struct {
        const char* entry;
        RasDialParams params;
        bool accepted;
        int error;
    } cases[] = {
        {"Connect", {"anyone", "anything"}, true, 0},
        {"Busy", {}, true, ras::kErrorLineBusy},
        {"No answer", {}, true, ras::kErrorNoAnswer},
        {"No dial tone", {}, true, ras::kErrorNoDialtone},
        {"Guarded", {"anna", "secret"}, false, ras::kErrorAuthenticationFailure},
        {"Guarded", {"bob", "Secret"}, false, ras::kErrorAuthenticationFailure},
        {"Guarded", {"ANNA", "Secret"}, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.entry) + " as " + c.params.userName);
        Listener listener;
        RasHandle handle = 12345;
        const Clock::time_point dialed = Clock::now();
        ASSERT_EQ(m_service->Dial(c.entry, c.params, listener.Notify(), handle), ras::kPending);
        ASSERT_NE(handle, 0u);
        ASSERT_TRUE(listener.WaitForEnd());

        const auto plan = PlanDial(*m_phonebook.FindEntry(c.entry), c.accepted);
        const auto heard = listener.heard();
        ASSERT_EQ(heard.size(), plan.size());
        for (std::size_t i = 0; i < heard.size(); ++i) {
            EXPECT_EQ(heard[i].handle, handle);
            EXPECT_NE(heard[i].thread, std::this_thread::get_id());
            EXPECT_EQ(heard[i].state, plan[i].state) << i;
            EXPECT_EQ(heard[i].error, plan[i].error) << i;
            EXPECT_GE(heard[i].at - dialed, kSecond * plan[i].atTenths / 10) << i;
        }
        EXPECT_EQ(heard.back().error, c.error);

        unsigned state = 0;
        ASSERT_EQ(m_service->GetConnectStatus(handle, state), ras::kSuccess);
        EXPECT_EQ(state == ras::kStateConnected, c.error == 0);
        EXPECT_EQ(m_service->HangUp(handle), ras::kSuccess);
        EXPECT_NE(m_service->GetConnectStatus(handle, state), ras::kSuccess);
    }
}

TEST_F(SimulatedServiceTest, AnUnknownEntryFailsAtOnceWithoutNotification) {
    Listener listener;
    RasHandle handle = 99;
    EXPECT_EQ(m_service->Dial("Nowhere", {}, listener.Notify(), handle),
              ras::kErrorCannotFindPhonebookEntry);
    EXPECT_EQ(handle, 0u);
    EXPECT_EQ(m_service->HangUp(handle), SimulatedService::kErrorInvalidHandle);
    StopService();
    EXPECT_TRUE(listener.heard().empty());
}

TEST_F(SimulatedServiceTest, StatusSaysConnectedUntilTheRemoteSideDrops) {
    Add(Named("Flaky", LineAnswer::Connect, 1, 2));
    Listener listener;
    std::atomic<unsigned> statusAtConnect{0};
    RasHandle handle = 0;
    const Clock::time_point dialed = Clock::now();
    ASSERT_EQ(m_service->Dial(
                  "Flaky", {},
                  [&](RasHandle h, unsigned state, int error) {
                      if (state == ras::kStateConnected) {
                          // Whoever hears "connected" finds the line up.
                          unsigned now = 0;
                          m_service->GetConnectStatus(h, now);
                          statusAtConnect = now;
                      }
                      listener.Add(h, state, error);
                  },
                  handle),
              ras::kPending);
    ASSERT_TRUE(listener.WaitFor([](const auto& heard) {
        return !heard.empty() && heard.back().error == ras::kErrorDisconnection;
    }));
    EXPECT_EQ(statusAtConnect, ras::kStateConnected);
    const auto heard = listener.heard();
    ASSERT_GE(heard.size(), 2u);
    EXPECT_EQ(heard[heard.size() - 2].state, ras::kStateConnected);
    // Connected after 1 s, dropped 2 s later: both steps count from the dial.
    EXPECT_GE(heard.back().at - dialed, kSecond * 3 - 1ms);
    // The drop is the last word: the status no longer says connected.
    unsigned state = ras::kStateConnected;
    const int status = m_service->GetConnectStatus(handle, state);
    EXPECT_TRUE(status != ras::kSuccess || state != ras::kStateConnected);
}

TEST_F(SimulatedServiceTest, HangUpIsPromptAndFinalInEveryPhase) {
    const struct {
        const char* phase;
        PhonebookEntry entry;
        std::function<bool(Listener&)> reach;
    } phases[] = {
        {"dialing", Named("Slow", LineAnswer::Connect, 1000),
         [](Listener& l) { return l.WaitForState(2); }},
        {"ringing", Named("Ringing", LineAnswer::NoAnswer),
         [](Listener& l) { return l.WaitForState(2); }},
        {"connected, drop pending", Named("Long call", LineAnswer::Connect, 0, 1000),
         [](Listener& l) { return l.WaitForState(ras::kStateConnected); }},
        {"connected for good", Named("Steady", LineAnswer::Connect, 0),
         [](Listener& l) { return l.WaitForState(ras::kStateConnected); }},
        {"failed", Named("Engaged", LineAnswer::Busy), [](Listener& l) { return l.WaitForEnd(); }},
    };
    std::vector<std::unique_ptr<Listener>> listeners;
    std::vector<std::size_t> heardAtHangUp;
    for (const auto& p : phases) {
        SCOPED_TRACE(p.phase);
        Add(p.entry);
        listeners.push_back(std::make_unique<Listener>());
        RasHandle handle = 0;
        ASSERT_EQ(m_service->Dial(p.entry.name, {}, listeners.back()->Notify(), handle),
                  ras::kPending);
        ASSERT_TRUE(p.reach(*listeners.back()));
        // Lets the worker settle into its wait for the far step; the outcome
        // does not depend on it, only what the test can catch does.
        std::this_thread::sleep_for(20ms);
        // Still in the phase under test (a slow machine must not turn one case into another).
        ASSERT_TRUE(listeners.back()->heard().empty() ||
                    listeners.back()->heard().back().error == 0 ||
                    std::string(p.phase) == "failed");
        const Clock::time_point before = Clock::now();
        EXPECT_EQ(m_service->HangUp(handle), ras::kSuccess);
        EXPECT_LT(Clock::now() - before, 1s);  // the next step is seconds away
        heardAtHangUp.push_back(listeners.back()->heard().size());
        unsigned state = 0;
        EXPECT_EQ(m_service->GetConnectStatus(handle, state),
                  SimulatedService::kErrorInvalidHandle);
        EXPECT_EQ(m_service->HangUp(handle), SimulatedService::kErrorInvalidHandle);
    }
    EXPECT_EQ(m_service->HangUp(0), SimulatedService::kErrorInvalidHandle);
    StopService();
    for (std::size_t i = 0; i < listeners.size(); ++i) {
        EXPECT_EQ(listeners[i]->heard().size(), heardAtHangUp[i]) << phases[i].phase;
    }
}

TEST_F(SimulatedServiceTest, HangUpWaitsForANotificationInProgress) {
    Add(Named("Office", LineAnswer::Connect, 1));
    std::mutex mutex;
    std::condition_variable changed;
    bool inside = false, hangingUp = false, hangUpReturned = false;
    bool returnedTooEarly = false;
    std::atomic<int> after{0};
    RasHandle handle = 0;
    ASSERT_EQ(m_service->Dial(
                  "Office", {},
                  [&](RasHandle, unsigned state, int) {
                      std::unique_lock lock(mutex);
                      if (hangUpReturned)
                          ++after;
                      if (state != 2)
                          return;
                      inside = true;
                      changed.notify_all();
                      // Stays inside until the hang-up has begun, then gives a
                      // hang-up that does not wait ample time to return.
                      changed.wait_for(lock, kPatience, [&] { return hangingUp; });
                      changed.wait_for(lock, 300ms, [&] { return hangUpReturned; });
                      returnedTooEarly = hangUpReturned;
                  },
                  handle),
              ras::kPending);
    {
        std::unique_lock lock(mutex);
        ASSERT_TRUE(changed.wait_for(lock, kPatience, [&] { return inside; }));
    }
    std::thread hangUp([&] {
        {
            std::lock_guard lock(mutex);
            hangingUp = true;
            changed.notify_all();
        }
        m_service->HangUp(handle);
        std::lock_guard lock(mutex);
        hangUpReturned = true;
        changed.notify_all();
    });
    hangUp.join();
    StopService();
    EXPECT_FALSE(returnedTooEarly);
    EXPECT_EQ(after, 0);
}

TEST_F(SimulatedServiceTest, SurvivesBeingDestroyedWhileANotificationDials) {
    Add(Named("First", LineAnswer::Connect, 1));
    Add(Named("Second", LineAnswer::Connect, 1));
    SimulatedService* service = m_service.get();
    std::atomic<int> redial{-1};
    std::atomic<RasHandle> redialHandle{1};
    std::promise<void> entered;
    RasHandle handle = 0;
    ASSERT_EQ(service->Dial(
                  "First", {},
                  [&](RasHandle own, unsigned state, int) {
                      if (state != 2)
                          return;
                      entered.set_value();
                      // Until the destructor has taken this line away.
                      unsigned status = 0;
                      const auto deadline = Clock::now() + kPatience;
                      while (service->GetConnectStatus(own, status) == ras::kSuccess &&
                             Clock::now() < deadline) {
                          std::this_thread::sleep_for(1ms);
                      }
                      RasHandle next = 0;
                      redial = service->Dial("Second", {}, nullptr, next);
                      redialHandle = next;
                  },
                  handle),
              ras::kPending);
    ASSERT_EQ(entered.get_future().wait_for(kPatience), std::future_status::ready);
    StopService();  // without the fix, a worker left unjoined aborts the process here
    EXPECT_EQ(redial, SimulatedService::kErrorServiceStopping);
    EXPECT_EQ(redialHandle, 0u);
}

TEST_F(SimulatedServiceTest, TheNotificationMayHangUpItsOwnLineAndDialAgain) {
    Add(Named("First", LineAnswer::Connect, 5));
    Add(Named("Second", LineAnswer::Connect, 1));
    Listener first, second;
    std::atomic<int> hangUpResult{-1};
    RasHandle handle = 0;
    ASSERT_EQ(m_service->Dial(
                  "First", {},
                  [&](RasHandle h, unsigned state, int error) {
                      first.Add(h, state, error);
                      if (state == 2 && hangUpResult == -1) {
                          hangUpResult = m_service->HangUp(h);
                          RasHandle next = 0;
                          m_service->Dial("Second", {}, second.Notify(), next);
                      }
                  },
                  handle),
              ras::kPending);
    ASSERT_TRUE(second.WaitForState(ras::kStateConnected));
    EXPECT_EQ(hangUpResult, ras::kSuccess);
    // The second line's handle as its notifications carry it: the first line's
    // notification may connect it before its Dial call has even returned.
    const RasHandle secondHandle = second.heard().back().handle;
    EXPECT_NE(secondHandle, handle);
    unsigned state = 0;
    EXPECT_NE(m_service->GetConnectStatus(handle, state), ras::kSuccess);
    EXPECT_EQ(m_service->GetConnectStatus(secondHandle, state), ras::kSuccess);
    EXPECT_EQ(state, ras::kStateConnected);
    StopService();
    ASSERT_FALSE(first.heard().empty());
    EXPECT_EQ(first.heard().back().state, 2u);  // nothing after the hang-up
}

TEST_F(SimulatedServiceTest, ManyLinesAtOnceNeverHearFromAHungUpHandle) {
    constexpr int kLines = 12;
    const PhonebookEntry kinds[] = {
        Named("", LineAnswer::Connect, 1),
        Named("", LineAnswer::Connect, 2, 1),
        Named("", LineAnswer::Busy),
        Named("", LineAnswer::NoDialTone),
        Named("", LineAnswer::Connect, 0, 1000),
        Named("", LineAnswer::NoAnswer),
    };
    std::array<std::atomic<bool>, kLines> hungUp{};
    std::atomic<int> lateNotifications{0};
    Listener listener;
    std::vector<RasHandle> handles(kLines);
    for (int i = 0; i < kLines; ++i) {
        PhonebookEntry entry = kinds[i % std::size(kinds)];
        entry.name = "Line " + std::to_string(i);
        Add(entry);
        ASSERT_EQ(m_service->Dial(
                      entry.name, {},
                      [&, i](RasHandle h, unsigned state, int error) {
                          if (hungUp[i])
                              ++lateNotifications;
                          listener.Add(h, state, error);
                      },
                      handles[i]),
                  ras::kPending);
    }
    std::atomic<bool> polling{true};
    std::thread poller([&] {
        while (polling) {
            for (RasHandle h : handles) {
                unsigned state = 0;
                m_service->GetConnectStatus(h, state);
            }
        }
    });
    // Hang up every other line as soon as it has made some progress.
    for (int i = 0; i < kLines; i += 2) {
        ASSERT_TRUE(listener.WaitFor([&](const auto& heard) {
            return std::count_if(heard.begin(), heard.end(),
                                 [&](const Heard& h) { return h.handle == handles[i]; }) >= 2;
        }));
        EXPECT_EQ(m_service->HangUp(handles[i]), ras::kSuccess);
        hungUp[i] = true;
    }
    polling = false;
    poller.join();
    StopService();  // the remaining lines are cut mid-call
    EXPECT_EQ(lateNotifications, 0);
    EXPECT_EQ(std::set<RasHandle>(handles.begin(), handles.end()).size(), handles.size());
}

TEST_F(SimulatedServiceTest, DialParamsAreKeptByTheServiceAndPasswordsStayQuiet) {
    const std::string password = "pw-7f3a9c";
    testing::internal::CaptureStderr();
    PhonebookEntry guarded = Named("Office", LineAnswer::Connect, 0);
    guarded.accountRequired = true;
    guarded.accountUser = "anna";
    guarded.accountPassword = password;
    Add(guarded);
    RasDialParams params;
    bool stored = true;
    EXPECT_EQ(m_service->GetEntryDialParams("Nowhere", params, stored),
              ras::kErrorCannotFindPhonebookEntry);
    EXPECT_EQ(m_service->SetEntryDialParams("Nowhere", {"anna", password}, false),
              ras::kErrorCannotFindPhonebookEntry);
    ASSERT_EQ(m_service->GetEntryDialParams("Office", params, stored), ras::kSuccess);
    EXPECT_EQ(params.userName, "");
    EXPECT_EQ(params.password, "");
    EXPECT_FALSE(stored);

    ASSERT_EQ(m_service->SetEntryDialParams("Office", {"anna", password}, false), ras::kSuccess);
    {
        // Kept in the phonebook, so another run finds them.
        PhonebookDatabase reopened((m_dir.path() / "phonebook.db").string());
        SimulatedService again(reopened, m_dialogs, kSecond);
        RasDialParams read;
        ASSERT_EQ(again.GetEntryDialParams("Office", read, stored), ras::kSuccess);
        EXPECT_EQ(read.userName, "anna");
        EXPECT_EQ(read.password, password);
        EXPECT_TRUE(stored);
    }
    for (const char* tried : {"wrong", password.c_str()}) {
        Listener listener;
        RasHandle handle = 0;
        m_service->Dial("Office", {"anna", tried}, listener.Notify(), handle);
        ASSERT_TRUE(listener.WaitForEnd());
        m_service->HangUp(handle);
    }
    ASSERT_EQ(m_service->SetEntryDialParams("Office", {"bert", password}, true), ras::kSuccess);
    ASSERT_EQ(m_service->GetEntryDialParams("Office", params, stored), ras::kSuccess);
    EXPECT_EQ(params.userName, "bert");
    EXPECT_EQ(params.password, "");
    EXPECT_FALSE(stored);
    for (int code : {0, 600, 623, 691})
        m_service->ErrorString(code);
    StopService();
    EXPECT_EQ(testing::internal::GetCapturedStderr().find(password), std::string::npos);
}

TEST_F(SimulatedServiceTest, TheDialogsCreateAndRenameEntries) {
    Add(Named("Office"));
    ASSERT_EQ(m_service->SetEntryDialParams("Office", {"anna", "pw"}, false), ras::kSuccess);

    m_dialogs.typed = {Named(""), Named("OFFICE"), Named("Branch")};
    m_service->CreateEntryDialog();
    ASSERT_EQ(m_dialogs.answers.size(), 3u);
    EXPECT_EQ(m_dialogs.answers[0], "Please enter a name for the entry.");
    EXPECT_NE(m_dialogs.answers[1].find("already exists"), std::string::npos);
    EXPECT_EQ(m_dialogs.answers[2], "");
    m_service->CreateEntryDialog();  // cancelled
    EXPECT_EQ(m_service->EnumEntries(), (std::vector<std::string>{"Office", "Branch"}));

    m_dialogs.answers.clear();
    m_dialogs.typed = {Named("branch"), Named("Head office", LineAnswer::Busy)};
    m_service->EditEntryDialog("office");
    EXPECT_EQ(m_dialogs.edited, std::vector<std::string>{"Office"});
    ASSERT_EQ(m_dialogs.answers.size(), 2u);
    EXPECT_NE(m_dialogs.answers[0].find("already exists"), std::string::npos);
    EXPECT_EQ(m_dialogs.answers[1], "");
    EXPECT_EQ(m_service->EnumEntries(), (std::vector<std::string>{"Head office", "Branch"}));
    RasDialParams params;
    bool stored = false;
    ASSERT_EQ(m_service->GetEntryDialParams("Head office", params, stored), ras::kSuccess);
    EXPECT_EQ(params.userName, "anna");
    EXPECT_EQ(params.password, "pw");
    EXPECT_TRUE(stored);
    EXPECT_EQ(m_service->GetEntryDialParams("Office", params, stored),
              ras::kErrorCannotFindPhonebookEntry);
    EXPECT_EQ(m_phonebook.FindEntry("Head office")->answer, LineAnswer::Busy);

    m_service->EditEntryDialog("Nowhere");
    EXPECT_EQ(m_dialogs.edited.size(), 1u);
}

TEST_F(SimulatedServiceTest, RenameRefusesWhatTheDialogRefusesAndDeleteTakesTheCredentials) {
    Add(Named("Office"));
    Add(Named("Home"));
    ASSERT_EQ(m_service->SetEntryDialParams("Office", {"anna", "pw"}, false), ras::kSuccess);
    const struct {
        const char* from;
        std::string to;
        int code;
    } refused[] = {
        {"Office", "", ras::kErrorInvalidEntryName},
        {"Office", "Tab\there", ras::kErrorInvalidEntryName},
        {"Office", "HOME", ras::kErrorEntryExists},
        {"Office", "All entries", ras::kErrorReservedEntryName},
        {"Office", "Provider City", ras::kErrorReservedEntryName},
        {"Nowhere", "Branch", ras::kErrorCannotFindPhonebookEntry},
    };
    for (const auto& c : refused) {
        EXPECT_EQ(m_service->RenameEntry(c.from, c.to), c.code) << c.to;
    }
    EXPECT_EQ(m_service->EnumEntries(), (std::vector<std::string>{"Office", "Home"}));

    EXPECT_EQ(m_service->RenameEntry("office", "Head office"), ras::kSuccess);
    EXPECT_EQ(m_service->RenameEntry("Home", "HOME"), ras::kSuccess);  // a change of case
    EXPECT_EQ(m_service->EnumEntries(), (std::vector<std::string>{"Head office", "HOME"}));
    RasDialParams params;
    bool stored = false;
    ASSERT_EQ(m_service->GetEntryDialParams("Head office", params, stored), ras::kSuccess);
    EXPECT_EQ(params.userName, "anna");

    EXPECT_EQ(m_service->DeleteEntry("Head office"), ras::kSuccess);
    EXPECT_EQ(m_service->DeleteEntry("Head office"), ras::kErrorCannotFindPhonebookEntry);
    EXPECT_EQ(m_service->EnumEntries(), std::vector<std::string>{"HOME"});
    // Its credentials went with it.
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open((m_dir.path() / "phonebook.db").c_str(), &raw), SQLITE_OK);
    sqlite3_stmt* count = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(raw, "SELECT count(*) FROM credentials", -1, &count, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(count), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(count, 0), 0);
    sqlite3_finalize(count);
    sqlite3_close(raw);
}

TEST_F(SimulatedServiceTest, EnumerationStopsAt500) {
    // Filled in one transaction: adding them one by one is the phonebook's test.
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open((m_dir.path() / "phonebook.db").c_str(), &raw), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(raw,
                           "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n"
                           " WHERE i < 500) INSERT INTO entries(name) SELECT 'Entry ' || i FROM n",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(raw);
    const auto names = m_service->EnumEntries();
    ASSERT_EQ(names.size(), 500u);
    EXPECT_EQ(names.front(), "Entry 0");
    EXPECT_EQ(names.back(), "Entry 499");
}

TEST_F(SimulatedServiceTest, EveryCodeItProducesHasASentence) {
    std::set<std::string> texts;
    for (int code :
         {SimulatedService::kErrorInvalidHandle, ras::kErrorCannotFindPhonebookEntry,
          SimulatedService::kErrorCannotWritePhonebook, ras::kErrorDisconnection,
          ras::kErrorLineBusy, ras::kErrorNoAnswer, ras::kErrorNoDialtone,
          ras::kErrorAuthenticationFailure, SimulatedService::kErrorServiceStopping,
          ras::kErrorInvalidEntryName, ras::kErrorEntryExists, ras::kErrorReservedEntryName}) {
        const std::string text = m_service->ErrorString(code);
        ASSERT_GE(text.size(), 10u) << code;
        EXPECT_LT(text.size(), 255u) << code;
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(text.front()))) << text;
        EXPECT_EQ(text.back(), '.') << text;
        EXPECT_EQ(text.find("error"), std::string::npos) << text;  // not the generic text
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), 12u);
    EXPECT_EQ(m_service->ErrorString(777), "Remote access error 777.");
    EXPECT_EQ(m_service->ErrorString(-2), "Remote access error -2.");
}

}  // namespace
}  // namespace varnolt
