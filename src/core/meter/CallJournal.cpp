#include "meter/CallJournal.h"

#include <charconv>
#include <string_view>

#include "app/LocalTime.h"
#include "app/NumberText.h"
#include "connection/PhonebookTexts.h"
#include "meter/CaptionMeter.h"
#include "options/OptionKeys.h"
#include "platform/CallLock.h"
#include "platform/SettingsStore.h"
#include "platform/StoreTransaction.h"
#include "tariff/FeeMeter.h"

namespace varnolt {
namespace {

const std::string kSection(kCallJournalSection);
const std::string kEntryKey = "Entry";
const std::string kUserKey = "User";
const std::string kConnectKey = "Connect time";
const std::string kFeeKey = "Call fee";
const std::string kTotalKey = "Entry total";
const std::string kAliveKey = "Alive at";

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
    if (at != end || year < 1 || month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 ||
        minute > 59 || second > 60) {
        return std::nullopt;
    }
    return MakeLocal(year, month, day, hour, minute, second);
}

// The amount exactly, so the recovered call adds up as the running one would have.
std::string ExactAmount(float amount) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, amount);
    return std::string(text, result.ptr);
}

}  // namespace

std::optional<JournaledCall> ReadCallJournal(const SettingsStore& store) {
    JournaledCall call;
    call.entryName = store.ReadString(kSection, kEntryKey, "");
    if (call.entryName.empty()) {
        return std::nullopt;
    }
    call.userName = store.ReadString(kSection, kUserKey, "");
    const auto connect = ParseMoment(store.ReadString(kSection, kConnectKey, ""));
    const auto alive = ParseMoment(store.ReadString(kSection, kAliveKey, ""));
    const auto fee = ScanWholeFloat(store.ReadString(kSection, kFeeKey, ""));
    call.readable = connect && alive && fee;
    call.connectTime = connect.value_or(LocalDateTime{});
    call.aliveAt = alive.value_or(LocalDateTime{});
    call.callFee = fee.value_or(0.0f);
    call.fileLogging = store.ReadInt(kSection, kFileLoggingKey, kFileLoggingDefault);
    return call;
}

CallJournal::CallJournal(SettingsStore& store, const Clock& clock, CallLock& lock, FeeMeter& meter,
                         CallAccounting& accounting)
    : m_store(store), m_clock(clock), m_lock(lock), m_meter(meter), m_accounting(accounting) {
    m_meter.SetChargeListener([this](float) {
        if (m_kept) {
            Write();
        }
    });
}

std::string CallJournal::Recover(const std::function<void()>& beforeCommit) {
    if (m_kept) {
        return {};  // the journal is this program's own running call
    }
    if (!m_lock.TryAcquire()) {
        const std::optional<JournaledCall> live = ReadCallJournal(m_store);
        return live ? "a call on " + live->entryName +
                          " runs in another instance of the program; it is left to that one"
                    : std::string();
    }
    const std::string said = AccountLeftover(beforeCommit);
    m_lock.Release();
    return said;
}

std::string CallJournal::AccountLeftover(const std::function<void()>& beforeCommit) {
    const std::optional<JournaledCall> left = ReadCallJournal(m_store);
    if (!left) {
        return {};
    }
    auto remove = [&] { Remove(beforeCommit); };
    if (!left->readable) {
        remove();
        return "the record of a running call on " + left->entryName + " in \"" + kSection +
               "\" could not be read and was removed";
    }
    bool accounted = false;
    if (left->fileLogging == 1) {
        accounted = m_accounting.AccountCall(
            {left->entryName, left->userName, left->connectTime, left->callFee}, remove,
            left->aliveAt);
    } else {
        remove();
    }
    return "the call on " + left->entryName +
           " that was running when the program ended (connected " +
           LastConnectText(left->connectTime) + ", last seen " + LastConnectText(left->aliveAt) +
           ") " +
           (accounted ? "has been accounted: " + FormatAmount(left->callFee)
                      : "was not accounted, as cost management was off");
}

void CallJournal::Begin(const std::string& userName) {
    m_user = userName;
    m_fileLogging =
        m_store.ReadInt(std::string(kAllEntriesSection), kFileLoggingKey, kFileLoggingDefault);
    m_running = true;
    Keep();
}

void CallJournal::Tick() {
    if (!m_running) {
        return;
    }
    if (!m_kept) {
        Keep();
    } else if (m_clock.TickMs() - m_writtenMs >= kRewriteMs - CaptionMeter::kMeterTickMs / 2) {
        Write();
    }
}

void CallJournal::Finish(const EndedCall& call) {
    m_running = false;
    m_accounting.AccountCall(call, [this] {
        if (m_kept) {
            Remove();
        }
    });
    Release();
}

void CallJournal::Discard() {
    m_running = false;
    if (m_kept) {
        Remove();
    }
    Release();
}

void CallJournal::Keep() {
    if (!m_lock.TryAcquire()) {
        return;
    }
    m_kept = true;
    AccountLeftover({});
    Write();
}

void CallJournal::Write() {
    StoreTransaction transaction(m_store);
    m_store.WriteString(kSection, kEntryKey, m_meter.EntryName());
    m_store.WriteString(kSection, kUserKey, m_user);
    m_store.WriteString(kSection, kConnectKey, MomentText(m_meter.ConnectTime()));
    m_store.WriteString(kSection, kFeeKey, ExactAmount(m_meter.CallFee()));
    // For whoever reads the store: the accounting adds the fee to the total it finds then.
    m_store.WriteString(kSection, kTotalKey, ExactAmount(m_meter.EntryTotal()));
    m_store.WriteInt(kSection, kFileLoggingKey, m_fileLogging);
    m_store.WriteString(kSection, kAliveKey, MomentText(m_clock.Now()));
    m_writtenMs = m_clock.TickMs();
}

void CallJournal::Remove(const std::function<void()>& beforeCommit) {
    // The store deletes nothing: an empty entry is no journal.
    StoreTransaction transaction(m_store);
    for (const std::string& key :
         {kEntryKey, kUserKey, kConnectKey, kFeeKey, kTotalKey, kAliveKey}) {
        m_store.WriteString(kSection, key, "");
    }
    if (beforeCommit) {
        beforeCommit();
    }
}

void CallJournal::Release() {
    if (m_kept) {
        m_lock.Release();
        m_kept = false;
    }
}

}  // namespace varnolt
