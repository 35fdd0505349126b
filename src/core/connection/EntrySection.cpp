#include "connection/EntrySection.h"

#include <algorithm>

#include "app/NumberText.h"
#include "connection/PhonebookTexts.h"
#include "meter/CallJournal.h"
#include "provider/AutoconnectChoice.h"

namespace varnolt {
namespace {

// Every section the program writes under a fixed name. Those beginning with
// "__" are reserved by their prefix as well; they are listed for the message.
constexpr std::string_view kProgramSections[] = {
    kAllEntriesSection, "Holiday database", AutoconnectChoice::kSection, kProviderListSection,
    "__LOG file",       "__Scale manager",  kCallJournalSection,
};

constexpr std::string_view kProgramPrefix = "__";
constexpr std::string_view kProvider = "Provider";
constexpr std::string_view kAutolaunchInfix = " Autolaunch #";
constexpr std::string_view kMovedPrefix = "__Entry \"";
constexpr std::string_view kMovedSuffix = "\"";

bool EndsInAutolaunchNumber(std::string_view name) {
    const std::size_t digits = name.find_last_not_of("0123456789") + 1;
    return digits < name.size() && name.substr(0, digits).ends_with(kAutolaunchInfix);
}

}  // namespace

ReservedName ReservedEntryName(std::string_view entryName) {
    if (std::find(std::begin(kProgramSections), std::end(kProgramSections), entryName) !=
        std::end(kProgramSections)) {
        return ReservedName::ProgramSection;
    }
    if (entryName.starts_with(kProgramPrefix)) {
        return ReservedName::ProgramPrefix;
    }
    // "Provider" itself: its applications would be "Provider Autolaunch #n".
    if (entryName.starts_with(kProvider) &&
        (entryName.size() == kProvider.size() || entryName[kProvider.size()] == ' ')) {
        return ReservedName::ProviderSection;
    }
    if (EndsInAutolaunchNumber(entryName)) {
        return ReservedName::AutolaunchSection;
    }
    return ReservedName::None;
}

std::string EntrySection(std::string_view entryName) {
    std::string section;
    if (ReservedEntryName(entryName) == ReservedName::None) {
        section.assign(entryName);
    } else {
        section.reserve(kMovedPrefix.size() + entryName.size() + kMovedSuffix.size());
        section.append(kMovedPrefix).append(entryName).append(kMovedSuffix);
    }
    return section;
}

std::string AutolaunchSectionPrefix(std::string_view entryName) {
    return EntrySection(entryName).append(kAutolaunchInfix);
}

std::string AutolaunchSection(std::string_view entryName, int number) {
    return AutolaunchSectionPrefix(entryName) + FormatInt(number);
}

}  // namespace varnolt
