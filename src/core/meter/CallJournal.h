#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "meter/CallAccounting.h"
#include "platform/Clock.h"

namespace varnolt {

class CallLock;
class FeeMeter;
class Locale;
class SettingsStore;

// A running call as its journal keeps it.
struct JournaledCall {
    std::string entryName;
    std::string userName;
    LocalDateTime connectTime;
    float callFee = 0.0f;
    int fileLogging = 1;    // "Filelogging" when the call came up
    LocalDateTime aliveAt;  // when the program was last seen running the call
    // Why a value cannot be read ("its connect time is no real date and
    // time"); empty when every one can.
    std::string unreadable;
};

// The section of the first journal; "Entry" is empty, or missing, when there is none.
inline constexpr const char* kCallJournalSection = "__Running call";
// Journals are kept in slots 1 up to this, one per call that a running
// program keeps: "__Running call", "__Running call #2", "__Running call #3"...
inline constexpr int kMaxCallJournals = 32;
// The longest call a journal is believed: a month.
inline constexpr std::int64_t kLongestJournaledCallSeconds = 31 * 24 * 3600;

// The section of the journal in `slot` (from 1).
std::string CallJournalSection(int slot);
// Where the values of a journal that cannot be accounted are kept.
std::string NotAccountedSection(const std::string& journalSection);

// A journal in the store; none when there is none.
std::optional<JournaledCall> ReadCallJournal(const SettingsStore& store,
                                             const std::string& section = kCallJournalSection);

// Why a journal cannot be accounted as it stands; empty when it can. Its fee
// must be finite, not negative and not above what its duration could cost,
// its end not before its start and the call not longer than
// kLongestJournaledCallSeconds.
std::string JournalFault(const JournaledCall& call, SettingsStore& store, const Clock& clock);

// Keeps the connected call in the store, so that a program killed, crashed
// or cut off from power during a call loses no more than its last seconds:
// the next start accounts the call up to the moment it was last seen alive.
// Each call that a program keeps has a journal slot of its own, whose lock
// that program holds from the first write until the journal is removed; a
// journal found while nobody holds its lock was left by a program that died.
// Rewritten in one transaction at each charged unit and at the meter tick
// that comes about 10 s after the last rewrite; removed by every end, in the
// transaction that accounts the call. When that transaction fails, the call's
// complete accounting is kept in memory, its journal and lock with it, until
// a retry commits it.
class CallJournal {
public:
    // The longest a call runs without a rewrite, give or take half a meter tick.
    static constexpr std::int64_t kRewriteMs = 10'000;

    // What the user is to be told: always a line on stderr, and in a message
    // box when `box`.
    struct Notice {
        std::string text;
        bool box = false;
    };

    // Listens to the meter's charges.
    CallJournal(SettingsStore& store, const Clock& clock, const Locale& locale, CallLock& lock,
                FeeMeter& meter, CallAccounting& accounting);

    // At start-up, before anything may dial: each journal that no living
    // program keeps is accounted as its call's end would have been, with the
    // moment last seen alive as the end (not when "Filelogging" was off at
    // connect), and removed in the same transaction; one whose values cannot
    // be believed is set aside instead (see JournalFault). `beforeCommit`
    // runs inside each such transaction. What happened is in the notices.
    void Recover(const std::function<void()>& beforeCommit = {});

    // The call came up: after the meter's BeginCall.
    void Begin(const std::string& userName);
    // Each meter tick while the line is up.
    void Tick();
    // The line was found down: the call is accounted and its journal removed
    // in one transaction. False when that failed: the accounting is then kept
    // for RetryUnsaved, and a notice says so.
    bool Finish(const EndedCall& call);

    // Commits again, in order, what failed to commit; true when nothing is left.
    bool RetryUnsaved();
    // The program ends: a last try; what still fails is left in its journal
    // for the next start.
    void ProgramEnds();

    // What has happened since the last call, for the user.
    std::vector<Notice> TakeNotices() { return std::exchange(m_notices, {}); }

private:
    // What still has to commit: the call's accounting (none: only the
    // journal's removal) and the slot of its journal (0: none kept).
    struct Unsaved {
        EndedCall call;
        LocalDateTime end;
        int slot = 0;
    };

    // Takes the first free slot for the running call and writes its journal;
    // a journal found in it was left by a program that died and is accounted
    // first. With no slot to be had the call is not journaled; each tick
    // tries again.
    void Keep();
    bool InUse(int slot) const;
    // Accounts or sets aside what a dead program left in the slot; whether
    // the store committed it (or there was nothing).
    bool AccountLeftover(int slot, const std::function<void()>& beforeCommit);
    void Write();
    bool Save(const Unsaved& unsaved);
    void Say(std::string text, bool box = false);

    SettingsStore& m_store;
    const Clock& m_clock;
    const Locale& m_locale;
    CallLock& m_lock;
    FeeMeter& m_meter;
    CallAccounting& m_accounting;

    bool m_running = false;  // a call is up
    int m_slot = 0;          // the running call's journal; 0 while none is kept
    std::string m_user;
    int m_fileLogging = 1;
    std::int64_t m_writtenMs = 0;
    bool m_writeFailureSaid = false;
    std::vector<Unsaved> m_unsaved;
    std::vector<Notice> m_notices;
};

}  // namespace varnolt
