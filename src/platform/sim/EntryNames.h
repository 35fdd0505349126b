#pragma once

#include <string>

namespace varnolt {

// Entry and user names are compared without regard to case, as a dialer does:
// simple case folding of the Latin, Greek and Cyrillic letters. Invalid UTF-8
// bytes are kept as they are.
std::string FoldCase(const std::string& name);
bool EqualIgnoringCase(const std::string& a, const std::string& b);

// Why a name cannot name an entry (empty, too long, control characters, not
// text), as a message for the user; empty when the name is fine. Uniqueness is
// the phonebook's to check.
std::string EntryNameProblem(const std::string& name);

// Why a name given to an entry, new or renamed, is one the program keeps for
// its own settings (see EntrySection); empty when it is free. An entry that
// already bears such a name keeps it.
std::string ReservedNameProblem(const std::string& name);

// Number of characters (code points) in UTF-8 text.
std::size_t CharacterCount(const std::string& text);

}  // namespace varnolt
