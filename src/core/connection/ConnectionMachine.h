#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/UiText.h"
#include "connection/CallObserver.h"
#include "connection/DialStatus.h"
#include "log/CConnectionLog.h"
#include "meter/BudgetWatch.h"
#include "meter/CallAccounting.h"
#include "meter/CallJournal.h"
#include "meter/CaptionMeter.h"
#include "platform/RemoteAccess.h"
#include "tariff/FeeMeter.h"

namespace varnolt {

class CallLock;
class Clock;
class ConnectionDialogs;
class ConnectionView;
class Locale;
class PhonebookTreeLogic;
class PhonebookTreeView;
class Prompts;
class SettingsStore;
class SheetHost;
class SheetWindow;
class Shell;
class Sound;
class Timers;

// The Phonebook page's one connection: dialing an entry, watching the attempt,
// counting down and redialing after a failure, metering the call while the
// line is up and accounting it when the line goes down. A provider is dialed
// the same way, its entries in turn, the next one after a short pause. Driven
// by the page's timers; the service's notification only sets the dial
// status, which the watch timers read. Keeps the entry's name, never a tree
// item, so a tree rebuilt meanwhile changes nothing.
class ConnectionMachine {
public:
    enum class State { Idle, Dialing, Countdown, Connected };

    static constexpr int kWatchDialTimer = 100;  // 250 ms: the attempt
    static constexpr int kWatchDialMs = 250;
    static constexpr int kRedialTimer = 200;  // 1000 ms: the countdown
    static constexpr int kRedialMs = 1000;
    // 300 and 400 belong to the caption and fee meters. Every stop of "all
    // timers" stops all six.
    static constexpr int kProviderWatchTimer = 500;  // 500 ms: a member's attempt
    static constexpr int kProviderWatchMs = 500;
    static constexpr int kProviderPauseTimer = 600;  // 1000 ms: before the next member
    static constexpr int kProviderPauseMs = 1000;
    // Not one of the six: it outlives every call until what failed to save is saved.
    static constexpr int kSaveRetryTimer = 700;  // 30 s: commits a call's accounting again
    static constexpr int kSaveRetryMs = 30'000;

    static constexpr const char* kIdleText = VARNOLT_TEXT("no connection established");

    struct Services {
        SettingsStore& store;
        RemoteAccess& dialer;
        const Clock& clock;
        Timers& timers;
        const Locale& locale;
        Sound& sound;
        Shell& shell;
        Prompts& prompts;
        CallLock& callLock;  // of the running-call journal
    };
    struct Views {
        ConnectionView& page;
        PhonebookTreeView& tree;
        ConnectionDialogs& dialogs;
        SheetHost& host;
        SheetWindow& sheet;
    };

    ConnectionMachine(const Services& services, const Views& views);
    // Hangs up what is still dialed, so no notification outlives the machine.
    ~ConnectionMachine();
    ConnectionMachine(const ConnectionMachine&) = delete;
    ConnectionMachine& operator=(const ConnectionMachine&) = delete;

    // Hands "&Dial", "&Dial provider" and "Cancel" to the tree.
    void InstallInto(PhonebookTreeLogic& tree);

    // "&Dial" on an entry; ignored while a dial, countdown or call runs.
    void Dial(const std::string& entryName);
    // "&Dial provider", or "&Dial" on a provider; ignored likewise. Refused,
    // dialing nothing, when the provider has no entries or any of them lacks a
    // stored user name or password.
    void DialProvider(const std::string& description);
    // "Cancel", "Hang up connection" of the sheet or the call window: ends
    // whatever runs; a call that came up is accounted, as any end of it is.
    void HangUp();
    void MenuHangUp() { HangUp(); }
    void OnTimer(int id);
    // Who is told of the call's moments besides the page; nullptr: nobody.
    void SetCallObserver(CallObserver* observer);
    // At start-up, before anything may dial: accounts the calls that programs
    // killed while connected left in their journals, and tells the user.
    void RecoverCall(const std::function<void()>& beforeCommit = {});
    // Whether the program may close: while a call is connected the user is
    // asked first, and keeping it connected is the answer that needs no care.
    bool MayClose();
    // The program ends (its window closes, a signal, the session ends): ends
    // whatever runs, accounting a connected call without touching the window,
    // then a last try to save a call whose accounting failed.
    void ProgramEnds();

    State CurrentState() const { return m_state; }
    bool IsConnected() const { return m_state == State::Connected; }
    FeeMeter& Meter() { return m_meter; }

private:
    void StartDial(const std::string& entryName);
    // Asks for what the entry cannot be dialed without; false when cancelled.
    bool AskCredentials(const std::string& entryName, RasDialParams& params, bool passwordStored);
    // Dials the entry and starts watching the attempt; false, back to idle
    // with the service's error shown, when the dial failed at once.
    bool DialAndWatch(const std::string& entryName, const RasDialParams& params);
    // Whether the provider can be dialed as stored; says why not.
    bool MembersDialable(const std::vector<std::string>& members);
    void DialMember();
    // Watches an entry's attempt (timer 100) or a member's (timer 500).
    void WatchDial();
    // One tick of a countdown whose bar runs to `full`: the count climbs to
    // full + 1, and the tick after stops `timer`, sets count and bar back to 0
    // and returns true.
    bool CountDownTick(int& count, int full, int timer);
    void CountDown();
    void PauseBeforeNextMember();
    void WatchLine();
    // A charge unit fell due: charged, or with the hang-up at the call limit
    // on, the call ends instead when the unit would take it above the limit.
    void ChargeUnit();
    // Hangs up instead of charging a unit at this price when it would pass the
    // call limit and the user asked for that; true when it did.
    bool HangUpBeforeUnit(float price);
    void ReportBudget();
    void ConnectionMade();
    // programEnds: the window goes, so it is neither restored nor closed after.
    void ConnectionEnded(bool programEnds = false);
    void RetrySaving();
    // Each notice of the journal on stderr; those for a message box in one box.
    void ShowNotices();
    void StopAllTimers();
    // Back to idle: the tree and "&Dial" usable, Cancel and the sheet's
    // hang-up command greyed, the bar at 0.
    void ShowIdle();
    void AllowCancel(bool allow);
    void ShowStatus(const std::string& text, const std::string& toolTip = {});
    void HangUpHandle();
    bool DialingProvider() const { return !m_members.empty(); }

    SettingsStore& m_store;
    RemoteAccess& m_dialer;
    const Clock& m_clock;
    Timers& m_timers;
    Sound& m_sound;
    Shell& m_shell;
    Prompts& m_prompts;
    ConnectionView& m_view;
    PhonebookTreeView& m_tree;
    ConnectionDialogs& m_dialogs;
    SheetHost& m_host;
    SheetWindow& m_sheet;

    FeeMeter m_meter;
    CaptionMeter m_captionMeter;
    CConnectionLog m_log;
    CallAccounting m_accounting;
    CallJournal m_journal;
    BudgetWatch m_budget;

    State m_state = State::Idle;
    RasHandle m_handle = 0;
    std::string m_entry;
    std::string m_user;
    std::string m_status;
    CallObserver* m_observer;
    // The dials made since the user's command, the current one included.
    int m_attempt = 0;
    int m_redialDelay = 0;
    int m_redialCount = 0;
    // The entries of the provider being dialed, in dialing order (none for an
    // entry), the one dialed now and the pause's count.
    std::vector<std::string> m_members;
    std::size_t m_member = 0;
    int m_pauseCount = 0;
    // The dial whose notifications count; those of any earlier one are
    // ignored. Read on the service's thread.
    std::atomic<std::uint64_t> m_dialNumber{0};
    DialStatus m_dialStatus;
};

}  // namespace varnolt
