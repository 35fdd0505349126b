#pragma once

#include <functional>
#include <string>

#include "PhonebookEntry.h"

namespace varnolt {

// The simulated service's own New entry and Edit entry dialogs. The toolkit
// side implements them; the service stays free of it and testable.
class EntryDialogs {
public:
    // Called when the user confirms: stores the entry and returns empty, upon
    // which the dialog closes; or returns the message to show, after which the
    // dialog stays open with the values as typed.
    using Submit = std::function<std::string(const PhonebookEntry& entry)>;

    virtual ~EntryDialogs() = default;
    virtual void ShowNewEntry(const Submit& submit) = 0;
    virtual void ShowEditEntry(const PhonebookEntry& entry, const Submit& submit) = 0;
};

}  // namespace varnolt
