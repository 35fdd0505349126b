#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/Clock.h"

namespace varnolt {

class CConnectionLog;
class Locale;
class PhonebookTreeView;
class SettingsStore;
class SheetHost;

// What the accounting needs of a call that has ended. A plain record: the
// tree may be rebuilt during a call, so nothing here points into it.
struct EndedCall {
    std::string entryName;
    std::string userName;
    LocalDateTime connectTime;
    float callFee = 0.0f;
};

// "%.2i.%.2i.%i at %.2i:%.2i:%.2i h": when a call came up.
std::string LastConnectText(const LocalDateTime& connectTime);

// End-of-call accounting: adds the call to its entry's and the overall totals,
// records when each was last connected, appends it to the connection log and
// shows the new totals in the Phonebook tree.
class CallAccounting {
public:
    CallAccounting(SettingsStore& store, const Clock& clock, const Locale& locale,
                   CConnectionLog& log, SheetHost& host, PhonebookTreeView& tree);

    enum class Outcome { Accounted, LoggingOff, Failed };

    // Runs only while "Filelogging" is 1. Both totals are the stored ones read
    // now plus the call's fee, so what happened to them during the call (a
    // cleared log, another call, logging switched off for a while) is kept.
    // Totals, last-connect texts, the log record and what `sameTransaction`
    // writes commit in one transaction: all of them or none. With logging off
    // only `sameTransaction` runs, in a transaction of its own. The call ended
    // at `end`, by default now. Failed: the store did not commit, nothing was
    // kept and the tree shows nothing new.
    Outcome AccountCall(const EndedCall& call, const std::function<void()>& sameTransaction = {},
                        const std::optional<LocalDateTime>& end = std::nullopt);

private:
    // Rewrites the overall and the entry's totals items from the store; an
    // entry not in the tree is skipped. Only item texts change.
    void RefreshTotalsDisplay(const std::string& entryName);

    SettingsStore& m_store;
    const Clock& m_clock;
    const Locale& m_locale;
    CConnectionLog& m_log;
    SheetHost& m_host;
    PhonebookTreeView& m_tree;
};

}  // namespace varnolt
