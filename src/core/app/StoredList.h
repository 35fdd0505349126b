#pragma once

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
// land where no reader looks. Items missing below that number read with their
// defaults. Appends go after the last item the list shows.
class StoredList {
public:
    struct KeyPattern {
        std::string prefix;
        std::string suffix;
    };

    // Items under keys of `section`; an item counts as stored when any of the
    // patterns names a stored value.
    static StoredList InSection(std::string section, std::vector<KeyPattern> keys, int first = 1);
    // Items as whole sections sectionPrefix + n.
    static StoredList AsSections(std::string sectionPrefix, int first = 1);

    // How many items the list shows for its stored count.
    int Length(const SettingsStore& store, int count) const;
    // The highest number stored; first - 1 when nothing is.
    int HighestStored(const SettingsStore& store) const;

private:
    StoredList(std::string section, std::vector<KeyPattern> keys, int first, bool sections);
    bool IsStored(const SettingsStore& store, int number) const;

    std::string m_section;  // or the section prefix
    std::vector<KeyPattern> m_keys;
    int m_first;
    bool m_sections;
};

}  // namespace varnolt
