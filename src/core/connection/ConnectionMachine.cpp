#include "ConnectionMachine.h"

#include "app/UiText.h"

#include <algorithm>
#include <iostream>

#include "app/AppIdentity.h"
#include "app/NumberText.h"
#include "app/SheetMessages.h"
#include "app/SheetWindow.h"
#include "connection/ConnectionDialogs.h"
#include "connection/ConnectionView.h"
#include "connection/EntrySection.h"
#include "connection/Launch.h"
#include "connection/LoginSettingsForm.h"
#include "connection/PhonebookTexts.h"
#include "connection/PhonebookTreeBuilder.h"
#include "connection/PhonebookTreeLogic.h"
#include "connection/PhonebookTreeView.h"
#include "connection/TreeCommands.h"
#include "meter/TotalCosts.h"
#include "options/OptionKeys.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "platform/SettingsStore.h"
#include "platform/Sound.h"
#include "platform/StoreTransaction.h"
#include "platform/Timers.h"
#include "provider/ProviderList.h"

namespace varnolt {
namespace {

const std::string kAllEntries(kAllEntriesSection);
// The pause bar's range: the next member is dialed 4 seconds after a failure.
constexpr int kPauseTicks = 2;

// Whether an entry can be dialed with what the service stores, without asking.
bool Complete(const RasDialParams& params, bool passwordStored) {
    return passwordStored && !params.userName.empty() && !params.password.empty();
}

CallObserver g_nobody;

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
      m_clock(services.clock),
      m_timers(services.timers),
      m_sound(services.sound),
      m_shell(services.shell),
      m_prompts(services.prompts),
      m_view(views.page),
      m_tree(views.tree),
      m_dialogs(views.dialogs),
      m_host(views.host),
      m_sheet(views.sheet),
      m_meter(services.store, services.clock, services.timers),
      m_captionMeter(services.store, services.locale, m_meter, services.timers, views.sheet),
      m_log(services.store, services.locale, services.dialer, views.host),
      m_accounting(services.store, services.clock, services.locale, m_log, views.host, views.tree),
      m_journal(services.store, services.clock, services.locale, services.callLock, m_meter,
                m_accounting),
      m_status(kIdleText),
      m_observer(&g_nobody) {
    m_timers.SetHandler([this](int id) { OnTimer(id); });
}

ConnectionMachine::~ConnectionMachine() {
    StopAllTimers();
    m_timers.Stop(kSaveRetryTimer);
    m_timers.SetHandler(nullptr);
    HangUpHandle();
}

void ConnectionMachine::SetCallObserver(CallObserver* observer) {
    m_observer = observer != nullptr ? observer : &g_nobody;
}

void ConnectionMachine::InstallInto(PhonebookTreeLogic& tree) {
    tree.InstallHandler(kCmdDial, [this](const TreeItemContext& selected) {
        // A provider selected is handed over to provider dialing.
        const TreeItemKind kind = ClassifyTreeItem(selected);
        if (kind == TreeItemKind::Entry) {
            Dial(selected.text);
        } else if (kind == TreeItemKind::Provider) {
            DialProvider(selected.text);
        }
    });
    tree.InstallHandler(kCmdDialProvider, [this](const TreeItemContext& selected) {
        if (ClassifyTreeItem(selected) == TreeItemKind::Provider) {
            DialProvider(selected.text);
        }
    });
    tree.InstallHandler(kCmdCancel, [this](const TreeItemContext&) { HangUp(); });
}

// --- Idle -> Dialing

void ConnectionMachine::Dial(const std::string& entryName) {
    if (m_state == State::Idle) {
        m_attempt = 0;
        StartDial(entryName);
    }
}

void ConnectionMachine::StartDial(const std::string& entryName) {
    AllowCancel(true);
    RasDialParams params;
    bool passwordStored = false;
    m_dialer.GetEntryDialParams(entryName, params, passwordStored);
    m_view.EnableDialing(false);
    m_state = State::Dialing;
    if (!Complete(params, passwordStored) && !AskCredentials(entryName, params, passwordStored)) {
        return;
    }
    // Cancel and the sheet's hang-up command stay usable after a failure at
    // once; either tidies up.
    DialAndWatch(entryName, params);
}

bool ConnectionMachine::DialAndWatch(const std::string& entryName, const RasDialParams& params) {
    // A poll must never see what an earlier call left behind.
    m_dialStatus.Reset();
    m_entry = entryName;
    ++m_attempt;
    // Matched by number rather than by handle: the first notification may
    // come before Dial has handed the handle back.
    const std::uint64_t number = ++m_dialNumber;
    auto notify = [this, number](RasHandle, unsigned state, int error) {
        if (number != m_dialNumber.load()) {
            return;
        }
        m_dialStatus.Set({error, state == ras::kStateConnected});
    };
    const int result = m_dialer.Dial(entryName, params, std::move(notify), m_handle);
    if (result == ras::kSuccess || result == ras::kPending) {
        m_user = params.userName;
        if (DialingProvider()) {
            m_timers.Start(kProviderWatchTimer, kProviderWatchMs);
        } else {
            m_timers.Start(kWatchDialTimer, kWatchDialMs);
        }
        return true;
    }
    ShowStatus(FillText(VARNOLT_TEXT("ERROR #%1 '%2'"),
                        {FormatInt(result), m_dialer.ErrorString(result)}));
    HangUpHandle();
    m_entry.clear();
    m_view.EnableDialing(true);
    m_state = State::Idle;
    return false;
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

// --- Idle -> Dialing a provider

void ConnectionMachine::DialProvider(const std::string& description) {
    if (m_state != State::Idle) {
        return;
    }
    std::vector<std::string> members = ProviderList(m_store).Members(description);
    if (!MembersDialable(members)) {
        return;
    }
    m_members = std::move(members);
    m_member = 0;
    m_attempt = 0;
    m_view.EnableDialing(false);
    AllowCancel(true);
    DialMember();
}

bool ConnectionMachine::MembersDialable(const std::vector<std::string>& members) {
    // A provider without entries would have nothing to go round.
    if (members.empty()) {
        m_prompts.MessageBox(ProviderList::kNoEntriesText, VARNOLT_TEXT("Error..."),
                             PromptIcon::Stop, PromptButtons::Ok);
        return false;
    }
    // No dialog may interrupt the rotation, so every member is checked first.
    for (const std::string& member : members) {
        RasDialParams params;
        bool passwordStored = false;
        m_dialer.GetEntryDialParams(member, params, passwordStored);
        if (!Complete(params, passwordStored)) {
            m_prompts.MessageBox(
                FillText(
                    VARNOLT_TEXT("First you have to save the password for phonebook entry '%1' !"),
                    {member}),
                VARNOLT_TEXT("Error..."), PromptIcon::Stop, PromptButtons::Ok);
            return false;
        }
    }
    return true;
}

void ConnectionMachine::DialMember() {
    const std::string member = m_members[m_member];
    RasDialParams params;
    bool passwordStored = false;
    m_dialer.GetEntryDialParams(member, params, passwordStored);
    m_state = State::Dialing;
    if (!DialAndWatch(member, params)) {
        // A failure at once ends the provider dial.
        m_members.clear();
        AllowCancel(false);
    }
}

// --- Dialing -> Countdown | Connected

void ConnectionMachine::WatchDial() {
    if (m_handle == 0) {
        return;
    }
    const int watchTimer = DialingProvider() ? kProviderWatchTimer : kWatchDialTimer;
    const DialStatus::Report report = m_dialStatus.Get();
    const int status = report.error;
    ShowStatus(FillText(VARNOLT_TEXT("%1 - process waiting - authentication running"), {m_entry}));
    if (ras::IsFailure(status)) {
        const std::string output = m_dialer.DialOutput(m_handle);
        ShowStatus(FillText(VARNOLT_TEXT("System reports ERROR Code [%1]"), {FormatInt(status)}),
                   m_dialer.ErrorString(status) + (output.empty() ? "" : "\n\n" + output));
        HangUpHandle();
        m_observer->RedialAfterFailure(status, m_dialer.ErrorString(status), m_attempt + 1);
        m_timers.Stop(watchTimer);
        m_state = State::Countdown;
        if (DialingProvider()) {
            m_view.SetProgressRange(kPauseTicks);
            m_timers.Start(kProviderPauseTimer, kProviderPauseMs);
            return;
        }
        // A hand-edited delay outside the field's range counts as its bound.
        m_redialDelay =
            std::clamp(m_store.ReadInt(EntrySection(m_entry), kRedialAfterKey, kDefaultRedialDelay),
                       kMinRedialDelay, kMaxRedialDelay);
        m_view.SetProgressRange(m_redialDelay);
        m_timers.Start(kRedialTimer, kRedialMs);
        return;
    }
    if (report.connected) {
        m_timers.Stop(watchTimer);
        ConnectionMade();
    }
}

// --- Countdown -> Dialing

bool ConnectionMachine::CountDownTick(int& count, int full, int timer) {
    if (count <= full) {
        ++count;
        m_view.SetProgress(std::min(count, full));
        return false;
    }
    m_timers.Stop(timer);
    count = 0;
    m_view.SetProgress(0);
    return true;
}

void ConnectionMachine::CountDown() {
    if (CountDownTick(m_redialCount, m_redialDelay, kRedialTimer)) {
        const std::string entry = m_entry;
        StartDial(entry);
    }
}

void ConnectionMachine::PauseBeforeNextMember() {
    // The last member is followed by the first.
    if (CountDownTick(m_pauseCount, kPauseTicks, kProviderPauseTimer)) {
        m_member = (m_member + 1) % m_members.size();
        DialMember();
    }
}

// --- Connected

void ConnectionMachine::ConnectionMade() {
    m_sheet.MinimizeSheet();
    m_state = State::Connected;
    m_meter.BeginCall(m_entry);
    m_journal.Begin(m_user);
    m_captionMeter.StartMetering();
    ShowStatus(FillText(VARNOLT_TEXT("%1 - connected"), {m_entry}));
    const std::string sound = m_store.ReadString(kAllEntries, kSoundKey, kNoSound);
    if (!sound.empty() && sound != kNoSound) {
        m_sound.PlayWave(sound);
    }
    Launch(m_store, m_shell, m_entry);
    m_budget.Begin(m_store, MonthLoggedCosts(m_log.ReadAll(),
                                             m_store.ReadString(kAllEntries, kLastConnectKey, ""),
                                             m_clock.Now()));
    m_observer->Connected(m_entry, m_meter);
    ReportBudget();
}

void ConnectionMachine::ChargeUnit() {
    if (HangUpBeforeUnit(m_meter.UnitPriceNow())) {
        return;
    }
    m_meter.OnChargeTimer();
    ReportBudget();
}

bool ConnectionMachine::HangUpBeforeUnit(float price) {
    // Without cost management the fee stays 0, so no limit can be reached.
    const bool metered = m_store.ReadInt(kAllEntries, kFileLoggingKey, kFileLoggingDefault) != 0;
    if (metered && m_budget.HangUpBefore(m_meter.CallFee(), price)) {
        HangUp();
        return true;
    }
    return false;
}

void ConnectionMachine::ReportBudget() {
    for (BudgetKind kind : m_budget.Crossed(m_meter.CallFee())) {
        m_observer->BudgetCrossed(kind, *m_budget.Limit(kind), m_meter.CallFee());
    }
}

void ConnectionMachine::WatchLine() {
    unsigned state = 0;
    if (m_dialer.GetConnectStatus(m_handle, state) == ras::kSuccess &&
        state == ras::kStateConnected) {
        // A new period charges its first unit in this tick, held to the limits too.
        if (const std::optional<float> price = m_meter.NewPeriodUnit();
            price && HangUpBeforeUnit(*price)) {
            return;
        }
        m_captionMeter.MeterTick();
        ReportBudget();
        m_journal.Tick();
        if (const std::optional<TrafficBytes> traffic = m_dialer.Traffic(m_handle)) {
            m_observer->Traffic(*traffic);
        }
        m_observer->Tick(m_meter);
        // Last: a message box runs the event loop, and with it this page's timers.
        ShowNotices();
        return;
    }
    ConnectionEnded();
}

// --- Connected -> Idle

void ConnectionMachine::ConnectionEnded(bool programEnds) {
    StopAllTimers();
    // Also a line the remote side dropped: the service releases it.
    HangUpHandle();
    if (!m_journal.Finish({m_entry, m_user, m_meter.ConnectTime(), m_meter.CallFee()})) {
        m_timers.Start(kSaveRetryTimer, kSaveRetryMs);
    }
    m_observer->Ended(m_entry, m_meter.ElapsedSeconds(), m_meter.CallFee());
    m_sheet.SetCaption(kProgramCaption);
    m_entry.clear();
    m_members.clear();
    ShowIdle();
    m_meter.EndCall();
    if (programEnds) {
        return;  // the window goes anyway; its closing shows what was not saved
    }
    m_sheet.RestoreSheet();
    // Answered before the sheet may close.
    ShowNotices();
    if (m_store.ReadInt(kAllEntries, kCloseAfterDisconnectKey, kCloseAfterDisconnectDefault) == 1) {
        // Nothing is left to hang up; the sheet's closing does it all the same.
        m_sheet.CloseSheetLater();
    }
}

void ConnectionMachine::RetrySaving() {
    if (m_journal.RetryUnsaved()) {
        m_timers.Stop(kSaveRetryTimer);
    }
    ShowNotices();
}

void ConnectionMachine::RecoverCall(const std::function<void()>& beforeCommit) {
    m_journal.Recover(beforeCommit);
    ShowNotices();
}

bool ConnectionMachine::MayClose() {
    return m_state != State::Connected ||
           m_prompts.MessageBox(
               FillText(VARNOLT_TEXT("A call on %1 is connected. Hang up and quit? "
                                     "The call is accounted before the program "
                                     "ends."),
                        {m_entry}),
               VARNOLT_TEXT("Hang up connection"), PromptIcon::Question,
               PromptButtons::HangUpOrKeepConnected) == PromptAnswer::Yes;
}

void ConnectionMachine::ProgramEnds() {
    if (m_state == State::Connected) {
        ConnectionEnded(true);
    } else {
        HangUp();
    }
    m_timers.Stop(kSaveRetryTimer);
    m_journal.ProgramEnds();
    ShowNotices();
}

void ConnectionMachine::ShowNotices() {
    std::string boxed;
    for (const CallJournal::Notice& notice : m_journal.TakeNotices()) {
        std::cerr << "varnolt: " << notice.text << std::endl;
        if (notice.box) {
            boxed = boxed.empty() ? notice.text
                                  : FillText(VARNOLT_TEXT("%1\n\n%2"), {boxed, notice.text});
        }
    }
    if (!boxed.empty()) {
        m_observer->SaveFailed(boxed);
        m_prompts.MessageBox(boxed, VARNOLT_TEXT("Error..."), PromptIcon::Stop, PromptButtons::Ok);
    }
}

void ConnectionMachine::HangUp() {
    // A call that came up is accounted however it ends.
    if (m_state == State::Connected) {
        ConnectionEnded();
        return;
    }
    StopAllTimers();
    HangUpHandle();
    m_entry.clear();
    m_members.clear();
    m_redialCount = 0;
    m_pauseCount = 0;
    ShowIdle();
}

void ConnectionMachine::OnTimer(int id) {
    switch (id) {
        case kWatchDialTimer:
        case kProviderWatchTimer:
            WatchDial();
            break;
        case kRedialTimer:
            CountDown();
            break;
        case kProviderPauseTimer:
            PauseBeforeNextMember();
            break;
        case CaptionMeter::kMeterTickId:
            WatchLine();
            break;
        case FeeMeter::kChargeTimerId:
            ChargeUnit();
            break;
        case kSaveRetryTimer:
            RetrySaving();
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

void ConnectionMachine::ShowStatus(const std::string& text, const std::string& toolTip) {
    if (text != m_status) {
        m_status = text;
        m_view.ShowStatus(text, toolTip);
    }
}

void ConnectionMachine::HangUpHandle() {
    if (m_handle != 0) {
        m_dialer.HangUp(m_handle);
        m_handle = 0;
    }
}

}  // namespace varnolt
