#pragma once

#include <string>
#include <vector>

#include "log/CLogRecord.h"
#include "platform/Clock.h"

namespace varnolt {

class Locale;
class Prompts;
class RemoteAccess;
class SettingsStore;
class SheetHost;

// "%.2i.%.2i. %.2i:%.2i h": day, month, hour, minute of a call's start or end.
std::string LogTimeText(const LocalDateTime& time);

// The question the LOG view asks before it clears the log; true for Yes.
bool AskToClearLog(Prompts& prompts);

// The connection log in the section "__LOG file": a count "Anzahl" and the
// records numbered from 1, each six texts. A number with none of the six
// values stored is a gap (only hand edits make them); the log skips it.
// Keeps no state of its own.
class CConnectionLog {
public:
    CConnectionLog(SettingsStore& store, const Locale& locale, RemoteAccess& dialer,
                   SheetHost& host);

    // The number of the last record the log shows: "Anzahl", but never
    // beyond the last stored record, and 0 for a count below 1. With gaps
    // the log shows fewer records than that.
    int Count() const;
    // Record n; missing values read as their defaults. Never fails.
    CLogRecord Read(int n) const;
    // The records numbered from..through, gaps skipped, read one by one: for
    // a few records.
    std::vector<CLogRecord> ReadStored(int from, int through) const;
    // The records numbered up to Count() in the order they were appended,
    // gaps skipped, from one pass over the stored values.
    std::vector<CLogRecord> ReadAll() const;

    // Appends a record after the last one the log shows, counting and writing
    // in one transaction (joining the caller's, if one is open), so that two
    // program instances appending at once lose nothing. The caller tells the
    // sheet once its transaction has committed.
    void Append(const std::string& entryName, const std::string& userName,
                const LocalDateTime& start, const LocalDateTime& end, float fee, float grandTotal);

    // Empties the log and resets every cost total, all in one transaction,
    // then has the sheet rebuild the Phonebook tree. The question before it
    // is the page's.
    void Clear();

private:
    bool IsStored(int n) const;

    SettingsStore& m_store;
    const Locale& m_locale;
    RemoteAccess& m_dialer;
    SheetHost& m_host;
};

}  // namespace varnolt
