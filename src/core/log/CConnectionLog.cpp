#include "log/CConnectionLog.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <utility>

#include "app/NumberText.h"
#include "app/SheetMessages.h"
#include "app/StoredList.h"
#include "app/UiText.h"
#include "connection/EntrySection.h"
#include "connection/PhonebookTexts.h"
#include "meter/TotalCosts.h"
#include "platform/Locale.h"
#include "platform/Prompts.h"
#include "platform/RemoteAccess.h"
#include "platform/StoreTransaction.h"

namespace varnolt {
namespace {

constexpr const char* kSection = "__LOG file";
constexpr const char* kCount = "Anzahl";
const std::string kAllEntries(kAllEntriesSection);

// The six values of a record: key prefix (the record number follows) and field.
struct Field {
    std::string_view key;
    std::string CLogRecord::*text;
};
constexpr Field kFields[] = {
    {"Entry #", &CLogRecord::entry}, {"User #", &CLogRecord::user},
    {"From #", &CLogRecord::from},   {"To #", &CLogRecord::to},
    {"Costs #", &CLogRecord::costs}, {"Total Costs #", &CLogRecord::totalCosts},
};

std::string Key(const Field& field, int n) {
    return std::string(field.key) + FormatInt(n);
}

const StoredList& Records() {
    static const StoredList list = [] {
        std::vector<StoredList::KeyPattern> keys;
        for (const Field& field : kFields) {
            keys.push_back({std::string(field.key), ""});
        }
        return StoredList::InSection(kSection, std::move(keys));
    }();
    return list;
}

// Where each record met in a pass lies, by its number. The numbers up to a
// bound that grows with the records met are looked up in a plain index, the
// rest in a map, so memory follows what is stored however high the numbers.
class RecordSlots {
public:
    // The slot of record n, and whether n is new.
    std::pair<std::size_t, bool> Find(int n) {
        const auto at = static_cast<std::size_t>(n);
        if (at >= m_index.size() && at < Bound()) {
            Grow(at + 1);
        }
        if (at < m_index.size()) {
            std::size_t& slot = m_index[at];  // 0: none yet, else the slot + 1
            const bool added = slot == 0;
            if (added) {
                slot = ++m_count;
            }
            return {slot - 1, added};
        }
        const auto [it, added] = m_beyond.try_emplace(n, m_count);
        m_count += added ? 1 : 0;
        return {it->second, added};
    }
    // Every slot, in number order.
    void InOrder(const std::function<void(std::size_t slot)>& each) const {
        for (const std::size_t slot : m_index) {
            if (slot != 0) {
                each(slot - 1);
            }
        }
        for (const auto& [n, slot] : m_beyond) {
            each(slot);
        }
    }

private:
    std::size_t Bound() const { return 8 * m_count + 4096; }
    // Numbers the index now covers leave the map.
    void Grow(std::size_t size) {
        m_index.resize(std::min(std::max(size, 2 * m_index.size()), Bound()));
        while (!m_beyond.empty() &&
               static_cast<std::size_t>(m_beyond.begin()->first) < m_index.size()) {
            m_index[static_cast<std::size_t>(m_beyond.begin()->first)] =
                m_beyond.begin()->second + 1;
            m_beyond.erase(m_beyond.begin());
        }
    }

    std::vector<std::size_t> m_index;
    std::map<int, std::size_t> m_beyond;
    std::size_t m_count = 0;
};

}  // namespace

std::string LogTimeText(const LocalDateTime& time) {
    return FormatTwoDigits(time.day) + "." + FormatTwoDigits(time.month) + ". " +
           FormatTwoDigits(time.hour) + ":" + FormatTwoDigits(time.minute) + " h";
}

bool AskToClearLog(Prompts& prompts) {
    return prompts.MessageBox(VARNOLT_TEXT("Are you sure, to delete all logged costs ?"),
                              VARNOLT_TEXT("Delete LOG..."), PromptIcon::Question,
                              PromptButtons::YesNo) == PromptAnswer::Yes;
}

CConnectionLog::CConnectionLog(SettingsStore& store, const Locale& locale, RemoteAccess& dialer,
                               SheetHost& host)
    : m_store(store), m_locale(locale), m_dialer(dialer), m_host(host) {}

int CConnectionLog::Count() const {
    return Records().Length(m_store, m_store.ReadInt(kSection, kCount, 0));
}

CLogRecord CConnectionLog::Read(int n) const {
    CLogRecord record;
    for (const Field& field : kFields) {
        std::string& text = record.*field.text;
        text = m_store.ReadString(kSection, Key(field, n), text);
    }
    return record;
}

bool CConnectionLog::IsStored(int n) const {
    return std::any_of(std::begin(kFields), std::end(kFields), [&](const Field& field) {
        return m_store.HasValue(kSection, Key(field, n));
    });
}

std::vector<CLogRecord> CConnectionLog::ReadStored(int from, int through) const {
    std::vector<CLogRecord> records;
    for (std::int64_t n = std::max(from, 1); n <= through; ++n) {
        if (IsStored(static_cast<int>(n))) {
            records.push_back(Read(static_cast<int>(n)));
        }
    }
    return records;
}

std::vector<CLogRecord> CConnectionLog::ReadAll() const {
    // One pass over the stored values: each record is made when its first
    // value comes by, so the cost follows what is stored, whatever the count.
    std::vector<CLogRecord> met;
    RecordSlots slots;
    Records().VisitItems(m_store, Count(),
                         [&](int n, std::size_t field, const SectionValues::Value& value) {
                             const auto [slot, added] = slots.Find(n);
                             if (added) {
                                 met.emplace_back();
                             }
                             // A value that is not a text reads as the default.
                             if (value.kind == SectionValues::Kind::Text) {
                                 met[slot].*kFields[field].text = value.text;
                             }
                         });
    std::vector<CLogRecord> records;
    records.reserve(met.size());
    slots.InOrder([&](std::size_t slot) { records.push_back(std::move(met[slot])); });
    return records;
}

void CConnectionLog::Append(const std::string& entryName, const std::string& userName,
                            const LocalDateTime& start, const LocalDateTime& end, float fee,
                            float grandTotal) {
    const std::string symbol = m_locale.CurrencySymbol();
    // Numbered after what the log shows, so that a hand-edited count cannot
    // put the record where no reader looks; when the numbers run out, the
    // records are numbered anew from 1 first.
    StoreTransaction transaction(m_store);
    const std::optional<int> n = Records().Append(m_store, kSection, kCount);
    if (!n) {
        return;
    }
    const std::string values[] = {entryName,
                                  userName,
                                  LogTimeText(start),
                                  LogTimeText(end),
                                  AmountText(fee, symbol),
                                  AmountText(grandTotal, symbol)};
    for (std::size_t i = 0; i < std::size(kFields); ++i) {
        m_store.WriteString(kSection, Key(kFields[i], *n), values[i]);
    }
}

void CConnectionLog::Clear() {
    // The listing comes first: no remote-access call inside a transaction.
    const std::vector<std::string> entries = m_dialer.EnumEntries();
    {
        StoreTransaction transaction(m_store);
        m_store.WriteInt(kSection, kCount, 0);
        m_store.WriteString(kAllEntries, kLastConnectKey, kUnknownTotal);
        m_store.WriteString(kAllEntries, kTotalCostsKey, kUnknownTotal);
        for (const std::string& entry : entries) {
            m_store.WriteString(EntrySection(entry), kLastConnectKey, kUnknownTotal);
            m_store.WriteString(EntrySection(entry), kTotalCostsKey, kUnknownTotal);
        }
    }
    m_host.SendNotification(WM_RELOAD_PHONEBOOK, 0);
}

}  // namespace varnolt
