#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "meter/CallAccounting.h"
#include "platform/Clock.h"

namespace varnolt {

class CallLock;
class FeeMeter;
class SettingsStore;

// A running call as its journal keeps it.
struct JournaledCall {
    std::string entryName;
    std::string userName;
    LocalDateTime connectTime;
    float callFee = 0.0f;
    int fileLogging = 1;    // "Filelogging" when the call came up
    LocalDateTime aliveAt;  // when the program was last seen running the call
    bool readable = true;   // false: a time or an amount cannot be read
};

// The section of the journal; "Entry" is empty, or missing, when there is none.
inline constexpr const char* kCallJournalSection = "__Running call";

// The journal in the store; none when there is none.
std::optional<JournaledCall> ReadCallJournal(const SettingsStore& store);

// Keeps the connected call in the store, so that a program killed, crashed
// or cut off from power during a call loses no more than its last seconds:
// the next start accounts the call up to the moment it was last seen alive.
// Rewritten in one transaction at each charged unit and at the meter tick
// that comes about 10 s after the last rewrite; removed by every end, with
// the accounting in the same transaction. Only the process holding the
// CallLock writes it, from its first write until it is removed, so a journal
// found while nobody holds the lock was left by a program that died.
class CallJournal {
public:
    // The longest a call runs without a rewrite, give or take half a meter tick.
    static constexpr std::int64_t kRewriteMs = 10'000;

    // Listens to the meter's charges.
    CallJournal(SettingsStore& store, const Clock& clock, CallLock& lock, FeeMeter& meter,
                CallAccounting& accounting);

    // At start-up, before anything may dial: a journal that no living program
    // keeps is accounted as its call's end would have been, with the moment
    // last seen alive as the end (not when "Filelogging" was off at connect),
    // and removed in the same transaction. `beforeCommit` runs inside that
    // transaction. Returns a line for the user; empty when there was nothing.
    std::string Recover(const std::function<void()>& beforeCommit = {});

    // The call came up: after the meter's BeginCall.
    void Begin(const std::string& userName);
    // Each meter tick while the line is up.
    void Tick();
    // The line was found down: the call is accounted and the journal removed
    // in one transaction.
    void Finish(const EndedCall& call);
    // Ended without accounting (Cancel, the sheet closing): the journal goes.
    void Discard();

private:
    // Takes the lock for the running call and writes its journal; a journal
    // found on taking it was left by a program that died and is accounted
    // first. While another program keeps its own call, this one is not
    // journaled; each tick tries again.
    void Keep();
    std::string AccountLeftover(const std::function<void()>& beforeCommit);
    void Write();
    void Remove(const std::function<void()>& beforeCommit = {});
    void Release();

    SettingsStore& m_store;
    const Clock& m_clock;
    CallLock& m_lock;
    FeeMeter& m_meter;
    CallAccounting& m_accounting;

    bool m_running = false;  // a call is up
    bool m_kept = false;     // this process holds the lock and writes the journal
    std::string m_user;
    int m_fileLogging = 1;
    std::int64_t m_writtenMs = 0;
};

}  // namespace varnolt
