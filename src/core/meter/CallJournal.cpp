#include "meter/CallJournal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "app/LocalTime.h"
#include "app/NumberText.h"
#include "app/UiText.h"
#include "connection/PhonebookTexts.h"
#include "meter/CaptionMeter.h"
#include "options/OptionKeys.h"
#include "platform/CallLock.h"
#include "platform/Locale.h"
#include "platform/SettingsStore.h"
#include "platform/StoreTransaction.h"
#include "tariff/CScaleStore.h"
#include "tariff/FeeMeter.h"

namespace varnolt {
namespace {

const std::string kEntryKey = "Entry";
const std::string kUserKey = "User";
const std::string kConnectKey = "Connect time";
const std::string kFeeKey = "Call fee";
const std::string kTotalKey = "Entry total";
const std::string kAliveKey = "Alive at";
const std::string kTextKeys[] = {kEntryKey, kUserKey, kConnectKey, kFeeKey, kTotalKey, kAliveKey};

// "1996-03-05 09:07:15": the local date-time as it was, whatever the time
// zone does before the next start.
std::string MomentText(const LocalDateTime& t) {
    return FormatInt(t.year) + "-" + FormatTwoDigits(t.month) + "-" + FormatTwoDigits(t.day) + " " +
           FormatTwoDigits(t.hour) + ":" + FormatTwoDigits(t.minute) + ":" +
           FormatTwoDigits(t.second);
}

std::optional<LocalDateTime> ParseMoment(std::string_view text) {
    static constexpr char kSeparators[] = " -- ::";  // before each field
    int fields[6] = {};
    const char* at = text.data();
    const char* end = at + text.size();
    for (int i = 0; i < 6; ++i) {
        if (i > 0 && (at == end || *at++ != kSeparators[i])) {
            return std::nullopt;
        }
        const auto [next, error] = std::from_chars(at, end, fields[i]);
        if (error != std::errc() || next == at || *at == '-') {
            return std::nullopt;
        }
        at = next;
    }
    const auto& [year, month, day, hour, minute, second] = fields;
    if (at != end || year < 1 || !IsCalendarDay(year, month, day) || hour > 23 || minute > 59 ||
        second > 60) {
        return std::nullopt;
    }
    return MakeLocal(year, month, day, hour, minute, second);
}

// The most a call of `seconds` could have cost on any scale as the user has
// them now: a unit at connect, one each time the shortest cycle of any scale
// has run, and one more whenever a period with another cycle begins (at most
// once a minute, as periods begin on whole minutes), each at the highest unit
// price of any scale. The journal's times are local, so a clock change during
// the call may hide an hour of it; and the meter sums in single precision,
// whose rounding over many units may add a few percent.
double MostFee(SettingsStore& store, std::int64_t seconds) {
    float highestPrice = 0.0f;
    std::int32_t shortestCycleMs = 0;
    const CScaleStore scales(store);
    for (const ScaleId id : kAllScales) {
        const TariffScale scale = scales.LoadScale(id);
        for (const auto* periods : {&scale.weekdayPeriods, &scale.holidayPeriods}) {
            for (const TariffPeriod& period : *periods) {
                highestPrice = std::max(highestPrice, UnitPrice(period.unit));
                if (const auto cycle = CycleMs(period.cycle);
                    cycle && (shortestCycleMs == 0 || *cycle < shortestCycleMs)) {
                    shortestCycleMs = *cycle;
                }
            }
        }
    }
    const double ms = (static_cast<double>(seconds) + 3600.0) * 1000.0;
    const double cycles = shortestCycleMs > 0 ? std::ceil(ms / shortestCycleMs) : 0.0;
    const double periodStarts = shortestCycleMs > 0 ? std::floor(ms / 60'000.0) + 1.0 : 0.0;
    return (1.0 + cycles + periodStarts) * highestPrice * 1.1 + 0.01;
}

// The amount exactly, so the recovered call adds up as the running one would have.
std::string ExactAmount(float amount) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, amount);
    return std::string(text, result.ptr);
}

}  // namespace

std::string CallJournalSection(int slot) {
    return slot <= 1 ? std::string(kCallJournalSection)
                     : std::string(kCallJournalSection) + " #" + FormatInt(slot);
}

std::string NotAccountedSection(const std::string& journalSection) {
    return journalSection + " (not accounted)";
}

std::optional<JournaledCall> ReadCallJournal(const SettingsStore& store,
                                             const std::string& section) {
    JournaledCall call;
    call.entryName = store.ReadString(section, kEntryKey, "");
    if (call.entryName.empty()) {
        return std::nullopt;
    }
    call.userName = store.ReadString(section, kUserKey, "");
    const auto connect = ParseMoment(store.ReadString(section, kConnectKey, ""));
    const auto alive = ParseMoment(store.ReadString(section, kAliveKey, ""));
    const auto fee = ScanWholeFloat(store.ReadString(section, kFeeKey, ""));
    if (!connect) {
        call.unreadable = FillText(VARNOLT_TEXT("its connect time is no real date and time"), {});
    } else if (!alive) {
        call.unreadable =
            FillText(VARNOLT_TEXT("its \"%1\" is no real date and time"), {kAliveKey});
    } else if (!fee) {
        call.unreadable = FillText(VARNOLT_TEXT("its fee is no number"), {});
    }
    call.connectTime = connect.value_or(LocalDateTime{});
    call.aliveAt = alive.value_or(LocalDateTime{});
    call.callFee = fee.value_or(0.0f);
    call.fileLogging = store.ReadInt(section, kFileLoggingKey, kFileLoggingDefault);
    return call;
}

std::string JournalFault(const JournaledCall& call, SettingsStore& store, const Clock& clock) {
    if (!call.unreadable.empty()) {
        return call.unreadable;
    }
    if (!std::isfinite(call.callFee) || call.callFee < 0.0f) {
        return FillText(VARNOLT_TEXT("its fee is negative"), {});
    }
    const std::int64_t seconds =
        clock.ToCalendarSeconds(call.aliveAt) - clock.ToCalendarSeconds(call.connectTime);
    if (seconds < 0) {
        return FillText(VARNOLT_TEXT("it ends before it begins"), {});
    }
    if (seconds > kLongestJournaledCallSeconds) {
        return FillText(VARNOLT_TEXT("it would have lasted longer than 31 days"), {});
    }
    if (call.callFee > MostFee(store, seconds)) {
        return FillText(VARNOLT_TEXT("its fee is more than the call could have cost"), {});
    }
    return {};
}

CallJournal::CallJournal(SettingsStore& store, const Clock& clock, const Locale& locale,
                         CallLock& lock, FeeMeter& meter, CallAccounting& accounting)
    : m_store(store),
      m_clock(clock),
      m_locale(locale),
      m_lock(lock),
      m_meter(meter),
      m_accounting(accounting) {
    m_meter.SetChargeListener([this](float) { Write(); });
}

void CallJournal::Recover(const std::function<void()>& beforeCommit) {
    const int last = std::clamp(
        m_store.HighestSectionNumber(std::string(kCallJournalSection) + " #"), 1, kMaxCallJournals);
    for (int slot = 1; slot <= last; ++slot) {
        const std::string section = CallJournalSection(slot);
        // Finished calls of earlier versions left their journal's rows, emptied.
        if (InUse(slot) || !m_store.HasValue(section, kEntryKey)) {
            continue;
        }
        if (!m_lock.TryAcquire(slot)) {
            if (const std::optional<JournaledCall> live = ReadCallJournal(m_store, section)) {
                Say(FillText(VARNOLT_TEXT("A call on %1 runs in another instance of the program; "
                                          "it is left to that one."),
                             {live->entryName}));
            }
            continue;
        }
        if (!AccountLeftover(slot, beforeCommit)) {
            Say(FillText(VARNOLT_TEXT("The call left in \"%1\" could not be accounted, as the "
                                      "settings store cannot be written; the next start tries "
                                      "again."),
                         {section}));
        }
        m_lock.Release(slot);
    }
}

bool CallJournal::AccountLeftover(int slot, const std::function<void()>& beforeCommit) {
    const std::string section = CallJournalSection(slot);
    const std::optional<JournaledCall> left = ReadCallJournal(m_store, section);
    if (!left) {
        if (!m_store.HasValue(section, kEntryKey)) {
            return true;
        }
        StoreTransaction transaction(m_store);
        m_store.RemoveSection(section);
        return transaction.Commit();
    }
    auto remove = [&] {
        m_store.RemoveSection(section);
        if (beforeCommit) {
            beforeCommit();
        }
    };
    const std::string fault = JournalFault(*left, m_store, m_clock);
    if (!fault.empty()) {
        // Kept as found, so nothing of it is lost, but added to no total.
        const std::string aside = NotAccountedSection(section);
        StoreTransaction transaction(m_store);
        m_store.RemoveSection(aside);
        for (const std::string& key : kTextKeys) {
            if (m_store.HasValue(section, key)) {
                m_store.WriteString(aside, key, m_store.ReadString(section, key, ""));
            }
        }
        m_store.WriteInt(aside, kFileLoggingKey, left->fileLogging);
        remove();
        if (!transaction.Commit()) {
            return false;
        }
        Say(FillText(VARNOLT_TEXT("The record of a call on %1 left running in \"%2\" was not "
                                  "accounted, as %3; its values are kept in \"%4\"."),
                     {left->entryName, section, fault, aside}),
            true);
        return true;
    }
    CallAccounting::Outcome outcome = CallAccounting::Outcome::LoggingOff;
    if (left->fileLogging == 1) {
        outcome = m_accounting.AccountCall(
            {left->entryName, left->userName, left->connectTime, left->callFee}, remove,
            left->aliveAt);
    } else {
        StoreTransaction transaction(m_store);
        remove();
        outcome = transaction.Commit() ? outcome : CallAccounting::Outcome::Failed;
    }
    if (outcome == CallAccounting::Outcome::Failed) {
        return false;
    }
    const std::string connected = LastConnectText(left->connectTime);
    const std::string seen = LastConnectText(left->aliveAt);
    Say(outcome == CallAccounting::Outcome::Accounted
            ? FillText(VARNOLT_TEXT("The call on %1 that was running when the program ended "
                                    "(connected %2, last seen %3) has been accounted: %4; this fee "
                                    "is the one last saved and may be short of the real one."),
                       {left->entryName, connected, seen, FormatAmount(left->callFee)})
            : FillText(VARNOLT_TEXT("The call on %1 that was running when the program ended "
                                    "(connected %2, last seen %3) was not accounted, as cost "
                                    "management was off."),
                       {left->entryName, connected, seen}));
    return true;
}

void CallJournal::Begin(const std::string& userName) {
    m_user = userName;
    m_fileLogging =
        m_store.ReadInt(std::string(kAllEntriesSection), kFileLoggingKey, kFileLoggingDefault);
    m_running = true;
    m_writeFailureSaid = false;
    Keep();
}

void CallJournal::Tick() {
    if (!m_running) {
        return;
    }
    if (m_slot == 0) {
        Keep();
    } else if (m_clock.TickMs() - m_writtenMs >= kRewriteMs - CaptionMeter::kMeterTickMs / 2) {
        Write();
    }
}

bool CallJournal::Finish(const EndedCall& call) {
    m_running = false;
    const Unsaved unsaved{call, m_clock.Now(), std::exchange(m_slot, 0)};
    if (!RetryUnsaved() || !Save(unsaved)) {
        m_unsaved.push_back(unsaved);
        Say(FillText(VARNOLT_TEXT("The costs of the call on %1 (%2) could not be saved, as the "
                                  "settings store cannot be written; the program tries again "
                                  "every 30 seconds and when it closes."),
                     {call.entryName, AmountText(call.callFee, m_locale.CurrencySymbol())}),
            true);
        return false;
    }
    return true;
}

bool CallJournal::RetryUnsaved() {
    // In order, so that the log keeps the calls in the order they ended.
    while (!m_unsaved.empty() && Save(m_unsaved.front())) {
        const EndedCall& saved = m_unsaved.front().call;
        Say(FillText(VARNOLT_TEXT("The costs of the call on %1 (%2) are saved now."),
                     {saved.entryName, AmountText(saved.callFee, m_locale.CurrencySymbol())}));
        m_unsaved.erase(m_unsaved.begin());
    }
    return m_unsaved.empty();
}

void CallJournal::ProgramEnds() {
    if (RetryUnsaved()) {
        return;
    }
    for (const Unsaved& unsaved : m_unsaved) {
        const std::string fee = AmountText(unsaved.call.callFee, m_locale.CurrencySymbol());
        Say(unsaved.slot != 0
                ? FillText(VARNOLT_TEXT("The costs of the call on %1 (%2) could not be saved; the "
                                        "next start accounts the call from its journal."),
                           {unsaved.call.entryName, fee})
                : FillText(VARNOLT_TEXT("The costs of the call on %1 (%2) could not be saved; they "
                                        "are lost."),
                           {unsaved.call.entryName, fee}));
    }
}

bool CallJournal::Save(const Unsaved& unsaved) {
    const std::string section = CallJournalSection(unsaved.slot);
    auto remove = [&] {
        if (unsaved.slot != 0) {
            m_store.RemoveSection(section);
        }
    };
    const bool saved = m_accounting.AccountCall(unsaved.call, remove, unsaved.end) !=
                       CallAccounting::Outcome::Failed;
    if (saved && unsaved.slot != 0) {
        m_lock.Release(unsaved.slot);
    }
    return saved;
}

bool CallJournal::InUse(int slot) const {
    return slot == m_slot ||
           std::any_of(m_unsaved.begin(), m_unsaved.end(),
                       [slot](const Unsaved& unsaved) { return unsaved.slot == slot; });
}

void CallJournal::Keep() {
    for (int slot = 1; slot <= kMaxCallJournals; ++slot) {
        if (InUse(slot) || !m_lock.TryAcquire(slot)) {
            continue;
        }
        if (AccountLeftover(slot, {})) {
            m_slot = slot;
            Write();
            return;
        }
        m_lock.Release(slot);
    }
}

void CallJournal::Write() {
    if (m_slot == 0) {
        return;
    }
    const std::string section = CallJournalSection(m_slot);
    StoreTransaction transaction(m_store);
    m_store.WriteString(section, kEntryKey, m_meter.EntryName());
    m_store.WriteString(section, kUserKey, m_user);
    m_store.WriteString(section, kConnectKey, MomentText(m_meter.ConnectTime()));
    m_store.WriteString(section, kFeeKey, ExactAmount(m_meter.CallFee()));
    // For whoever reads the store: the accounting adds the fee to the total it finds then.
    m_store.WriteString(section, kTotalKey, ExactAmount(m_meter.EntryTotal()));
    m_store.WriteInt(section, kFileLoggingKey, m_fileLogging);
    m_store.WriteString(section, kAliveKey, MomentText(m_clock.Now()));
    m_writtenMs = m_clock.TickMs();
    if (!transaction.Commit() && !m_writeFailureSaid) {
        m_writeFailureSaid = true;
        Say(FillText(VARNOLT_TEXT("The running call on %1 could not be written to the settings "
                                  "store; should the program end before the call, its costs may "
                                  "be lost or short."),
                     {m_meter.EntryName()}),
            true);
    }
}

void CallJournal::Say(std::string text, bool box) {
    m_notices.push_back({std::move(text), box});
}

}  // namespace varnolt
