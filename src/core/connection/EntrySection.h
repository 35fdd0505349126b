#pragma once

#include <string>
#include <string_view>

namespace varnolt {

// Why an entry's name cannot be its settings section: the section would be,
// or could become, one the program or another entry writes.
enum class ReservedName {
    None,               // the name is free
    ProgramSection,     // a section the program writes itself ("All entries", "__LOG file", ...)
    ProgramPrefix,      // begins with "__", like the program's internal sections and the moved ones
    ProviderSection,    // "Provider", or begins with "Provider ": a provider's section
    AutolaunchSection,  // ends in " Autolaunch #" and a number: another entry's application
};

ReservedName ReservedEntryName(std::string_view entryName);

// The section that holds an entry's own values (totals, last connect, scale,
// redial delay, the autolaunch count). It is the entry's name, except for a
// reserved name, whose values move to `__Entry "<name>"`. A moved section
// begins with "__" and ends with a quote, so it is never a program section, a
// provider's, another entry's, nor one of an entry's autolaunch sections.
std::string EntrySection(std::string_view entryName);

// Sections of an entry's autolaunch applications: the prefix and the n-th,
// following the entry's section.
std::string AutolaunchSectionPrefix(std::string_view entryName);
std::string AutolaunchSection(std::string_view entryName, int number);

}  // namespace varnolt
