#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/SettingsStore.h"

namespace varnolt {

// The number n of a name prefix + n + suffix, n in plain decimal as the program
// writes it (digits only, no leading zero, within int); none otherwise.
std::optional<int> NumberBetween(std::string_view name, std::string_view prefix,
                                 std::string_view suffix);

// One numbered list of the store: a count key plus items numbered from
// `first`. An item lives either under keys prefix + n + suffix of one section
// (a log record, a holiday, a scale period, a provider) or in a whole section
// named sectionPrefix + n (an autolaunch application).
//
// Every list follows one rule: it is as long as its stored count, but never
// longer than the highest number actually stored for it, so a hand-edited
// count far above what is there neither hangs a reader nor makes an append
// land where no reader looks. Appends go after the last item the list shows.
// A number below that one with no value stored at all is a gap: only hand
// edits make them, and a reader that walks the stored items (VisitItems)
// skips them, so its cost follows what is stored, never the count.
class StoredList {
public:
    struct KeyPattern {
        std::string prefix;
        std::string suffix;
        // The kind the list's readers read under these keys.
        SectionValues::Kind kind = SectionValues::Kind::Text;
    };
    // A stored value of item `number` under keys[key].
    using ItemVisitor =
        std::function<void(int number, std::size_t key, const SectionValues::Value& value)>;

    // Items under keys of `section`; an item counts as stored when any of the
    // patterns names a stored value.
    static StoredList InSection(std::string section, std::vector<KeyPattern> keys, int first = 1);
    // Items as whole sections sectionPrefix + n.
    static StoredList AsSections(std::string sectionPrefix, int first = 1);

    // How many items the list shows for its stored count.
    int Length(const SettingsStore& store, int count) const;
    // The highest number stored; first - 1 when nothing is.
    int HighestStored(const SettingsStore& store) const;
    // Hands every stored value of the items first..first + length - 1 to
    // `visit`, in the store's key order, from one pass over the section; gaps
    // are never visited. Items under keys only. False when the store could
    // not read the whole section (what was handed stands).
    bool VisitItems(const SettingsStore& store, int length, const ItemVisitor& visit) const;
    // The numbers among first..first + length - 1 that hold a value, ascending;
    // for items under keys and as sections alike.
    std::vector<int> StoredNumbers(const SettingsStore& store, int length) const;

    // One stored item of a list under keys, its values kept by key.
    struct Item {
        struct Stored {
            SectionValues::Kind kind;
            int number;
            std::string text;
        };
        int number;
        std::vector<std::optional<Stored>> values;  // one per key pattern

        // The value under keys[key] as the store reads it: a missing value or
        // one of the other kind gives the default.
        int Int(std::size_t key, int def) const;
        std::string Text(std::size_t key, const std::string& def) const;
    };
    // The stored items among first..first + length - 1 in number order, from
    // one pass (VisitItems): gaps are left out.
    std::vector<Item> ReadItems(const SettingsStore& store, int length) const;

    // Makes room for one item after the last one the list shows: writes the
    // new count and returns the new item's number. When the next number would
    // pass the largest int, the items under keys are first renumbered
    // first, first + 1, ... in their order, in the same transaction; none
    // when no number is left even then. Call it in the transaction that
    // writes the item, so that another program instance cannot take the same
    // number; the caller writes every key of the new item.
    std::optional<int> Append(SettingsStore& store, const std::string& countSection,
                              const std::string& countKey) const;

private:
    StoredList(std::string section, std::vector<KeyPattern> keys, int first, bool sections);
    bool IsStored(const SettingsStore& store, int number) const;
    std::string KeyOf(std::size_t key, int number) const;
    // Moves the `length` items shown to first, first + 1, ...; how many there are.
    int Renumber(SettingsStore& store, int length) const;

    std::string m_section;  // or the section prefix
    std::vector<KeyPattern> m_keys;
    int m_first;
    bool m_sections;
};

}  // namespace varnolt
