#include "ConnectionMachine.h"

#include <algorithm>

#include "app/AppIdentity.h"
#include "app/NumberText.h"
#include "app/SheetMessages.h"
#include "app/SheetWindow.h"
#include "connection/ConnectionDialogs.h"
#include "connection/ConnectionView.h"
#include "connection/Launch.h"
#include "connection/LoginSettingsForm.h"
#include "connection/PhonebookTexts.h"
#include "connection/PhonebookTreeBuilder.h"
#include "connection/PhonebookTreeLogic.h"
#include "connection/PhonebookTreeView.h"
#include "connection/TreeCommands.h"
#include "options/OptionKeys.h"
#include "platform/SettingsStore.h"
#include "platform/Sound.h"
#include "platform/StoreTransaction.h"
#include "platform/Timers.h"

namespace varnolt {
namespace {

const std::string kAllEntries(kAllEntriesSection);
// Written by the notification, read by the watch timer.
const std::string kStatusKey = "Status";
const std::string kExtendedStatusKey = "Extended Status";

constexpr int kAllTimers[] = {
    ConnectionMachine::kWatchDialTimer,
    ConnectionMachine::kRedialTimer,
    CaptionMeter::kMeterTickId,
    FeeMeter::kChargeTimerId,
    ConnectionMachine::kProviderWatchTimer,
    ConnectionMachine::kProviderPauseTimer,
};

}  // namespace

ConnectionMachine::ConnectionMachine(const Services& services, const Views& views)
    : m_store(services.store),
      m_dialer(services.dialer),
      m_timers(services.timers),
      m_sound(services.sound),
      m_shell(services.shell),
      m_view(views.page),
      m_tree(views.tree),
      m_dialogs(views.dialogs),
      m_host(views.host),
      m_sheet(views.sheet),
      m_meter(services.store, services.clock, services.timers),
      m_captionMeter(services.store, services.locale, m_meter, services.timers, views.sheet),
      m_log(services.store, services.locale, services.dialer, views.host),
      m_accounting(services.store, services.clock, services.locale, m_log, views.host, views.tree),
      m_journal(services.store, services.clock, services.callLock, m_meter, m_accounting),
      m_status(kIdleText) {
    m_timers.SetHandler([this](int id) { OnTimer(id); });
}

ConnectionMachine::~ConnectionMachine() {
    StopAllTimers();
    m_timers.SetHandler(nullptr);
    HangUpHandle();
}

void ConnectionMachine::InstallInto(PhonebookTreeLogic& tree) {
    tree.InstallHandler(kCmdDial, [this](const TreeItemContext& selected) {
        if (ClassifyTreeItem(selected) == TreeItemKind::Entry) {
            Dial(selected.text);
        }
    });
    tree.InstallHandler(kCmdCancel, [this](const TreeItemContext&) { HangUp(); });
}

// --- Idle -> Dialing

void ConnectionMachine::Dial(const std::string& entryName) {
    if (m_state == State::Idle) {
        StartDial(entryName);
    }
}

void ConnectionMachine::StartDial(const std::string& entryName) {
    AllowCancel(true);
    m_handle = 0;
    RasDialParams params;
    bool passwordStored = false;
    m_dialer.GetEntryDialParams(entryName, params, passwordStored);
    m_view.EnableDialing(false);
    m_state = State::Dialing;
    const bool complete = passwordStored && !params.userName.empty() && !params.password.empty();
    if (!complete && !AskCredentials(entryName, params, passwordStored)) {
        return;
    }

    // A poll must never see what an earlier call left behind.
    {
        StoreTransaction transaction(m_store);
        m_store.WriteInt(kAllEntries, kExtendedStatusKey, 0);
        m_store.WriteInt(kAllEntries, kStatusKey, 0);
    }
    m_entry = entryName;
    // Matched by number rather than by handle: the first notification may
    // come before Dial has handed the handle back.
    const std::uint64_t number = ++m_dialNumber;
    auto notify = [this, number](RasHandle, unsigned state, int error) {
        if (number != m_dialNumber.load()) {
            return;
        }
        m_store.WriteInt(kAllEntries, kExtendedStatusKey, state == ras::kStateConnected ? 1 : 0);
        m_store.WriteInt(kAllEntries, kStatusKey, error);
    };
    const int result = m_dialer.Dial(entryName, params, std::move(notify), m_handle);
    if (result == ras::kSuccess || result == ras::kPending) {
        m_user = params.userName;
        m_timers.Start(kWatchDialTimer, kWatchDialMs);
        return;
    }
    ShowStatus("ERROR #" + FormatInt(result) + " '" + m_dialer.ErrorString(result) + "'");
    HangUpHandle();
    m_entry.clear();
    // Cancel and the sheet's hang-up command stay usable; either tidies up.
    m_view.EnableDialing(true);
    m_state = State::Idle;
}

bool ConnectionMachine::AskCredentials(const std::string& entryName, RasDialParams& params,
                                       bool passwordStored) {
    const std::optional<DialCredentials> answer =
        m_dialogs.AskDialCredentials(entryName, {params.userName, params.password, passwordStored});
    if (m_state != State::Dialing) {
        return false;  // hung up from the sheet while the dialog was open
    }
    if (!answer) {
        ShowIdle();
        return false;
    }
    m_dialer.SetEntryDialParams(entryName, {answer->userName, answer->password},
                                !answer->rememberPassword);
    // The items show what the service now holds, also a password just removed.
    const std::array<std::string, 3> texts = LoginItemTexts(m_dialer, m_store, entryName);
    m_tree.SetEntryLoginText(entryName, 0, texts[0]);
    m_tree.SetEntryLoginText(entryName, 1, texts[1]);
    params = {answer->userName, answer->password};
    return true;
}

// --- Dialing -> Countdown | Connected

void ConnectionMachine::WatchDial() {
    if (m_handle == 0) {
        return;
    }
    const int status = m_store.ReadInt(kAllEntries, kStatusKey, 0);
    ShowStatus(m_entry + " - process waiting - authentication running");
    if (ras::IsFailure(status)) {
        ShowStatus("System reports ERROR Code [" + FormatInt(status) + "]");
        HangUpHandle();
        m_timers.Stop(kWatchDialTimer);
        // A hand-edited delay outside the field's range counts as its bound.
        m_redialDelay = std::clamp(m_store.ReadInt(m_entry, "Redial after", 10), kMinRedialDelay,
                                   kMaxRedialDelay);
        m_view.SetProgressRange(m_redialDelay);
        m_state = State::Countdown;
        m_timers.Start(kRedialTimer, kRedialMs);
        return;
    }
    if (m_store.ReadInt(kAllEntries, kExtendedStatusKey, 0) == 1) {
        m_timers.Stop(kWatchDialTimer);
        ConnectionMade();
    }
}

// --- Countdown -> Dialing

void ConnectionMachine::CountDown() {
    // The count climbs to delay + 1; the dial comes on the tick after.
    if (m_redialCount <= m_redialDelay) {
        ++m_redialCount;
        m_view.SetProgress(std::min(m_redialCount, m_redialDelay));
        return;
    }
    m_timers.Stop(kRedialTimer);
    m_redialCount = 0;
    m_view.SetProgress(0);
    const std::string entry = m_entry;
    StartDial(entry);
}

// --- Connected

void ConnectionMachine::ConnectionMade() {
    m_sheet.MinimizeSheet();
    m_state = State::Connected;
    m_meter.BeginCall(m_entry);
    m_journal.Begin(m_user);
    m_captionMeter.StartMetering();
    ShowStatus(m_entry + " - connected");
    const std::string sound = m_store.ReadString(kAllEntries, kSoundKey, kNoSound);
    if (!sound.empty() && sound != kNoSound) {
        m_sound.PlayWave(sound);
    }
    Launch(m_store, m_shell, m_entry);
}

void ConnectionMachine::WatchLine() {
    unsigned state = 0;
    if (m_dialer.GetConnectStatus(m_handle, state) == ras::kSuccess &&
        state == ras::kStateConnected) {
        m_captionMeter.MeterTick();
        m_journal.Tick();
        return;
    }
    ConnectionEnded();
}

// --- Connected -> Idle

void ConnectionMachine::ConnectionEnded() {
    StopAllTimers();
    // Also a line the remote side dropped: the service releases it.
    HangUpHandle();
    m_journal.Finish({m_entry, m_user, m_meter.ConnectTime(), m_meter.CallFee()});
    m_sheet.SetCaption(kProgramCaption);
    m_entry.clear();
    ShowIdle();
    m_sheet.RestoreSheet();
    m_meter.EndCall();
    if (m_store.ReadInt(kAllEntries, kCloseAfterDisconnectKey, kCloseAfterDisconnectDefault) == 1) {
        // Nothing is left to hang up; the sheet's closing does it all the same.
        m_sheet.CloseSheetLater();
    }
}

void ConnectionMachine::HangUp() {
    StopAllTimers();
    HangUpHandle();
    m_entry.clear();
    m_redialCount = 0;
    if (m_state == State::Connected) {
        // Not accounted, but the fee no longer shows once the line is gone.
        m_sheet.SetCaption(kProgramCaption);
        m_meter.EndCall();
        m_journal.Discard();
    }
    ShowIdle();
}

void ConnectionMachine::MenuHangUp() {
    if (m_state == State::Connected) {
        ConnectionEnded();
    } else {
        HangUp();
    }
}

void ConnectionMachine::OnTimer(int id) {
    switch (id) {
        case kWatchDialTimer:
            WatchDial();
            break;
        case kRedialTimer:
            CountDown();
            break;
        case CaptionMeter::kMeterTickId:
            WatchLine();
            break;
        case FeeMeter::kChargeTimerId:
            m_meter.OnChargeTimer();
            break;
        default:
            break;
    }
}

// --- helpers

void ConnectionMachine::StopAllTimers() {
    for (int id : kAllTimers) {
        m_timers.Stop(id);
    }
}

void ConnectionMachine::ShowIdle() {
    m_view.SetProgress(0);
    ShowStatus(kIdleText);
    m_view.EnableDialing(true);
    AllowCancel(false);
    m_state = State::Idle;
}

void ConnectionMachine::AllowCancel(bool allow) {
    // The sheet's command ends what Cancel ends, so both are usable together.
    m_view.EnableCancel(allow);
    m_host.EnableHangUpCommand(allow);
}

void ConnectionMachine::ShowStatus(const std::string& text) {
    if (text != m_status) {
        m_status = text;
        m_view.ShowStatus(text);
    }
}

void ConnectionMachine::HangUpHandle() {
    if (m_handle != 0) {
        m_dialer.HangUp(m_handle);
        m_handle = 0;
    }
}

}  // namespace varnolt
