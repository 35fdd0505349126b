#pragma once

#include <string>
#include <vector>

namespace varnolt {

// What the "Autoconnect at startup" group's logic needs of its controls: the
// check box, the radio buttons "Phonebookentry" and "Providerentry", each with
// its drop-down list.
class AutoconnectGroupView {
public:
    enum class Choice { Phonebook, Provider };

    virtual ~AutoconnectGroupView() = default;

    // Replaces the items of a choice's list, which sorts them itself, and
    // selects the first item, in the list's order, that equals `select`
    // ignoring case; none when no item does.
    virtual void FillList(Choice list, const std::vector<std::string>& items,
                          const std::string& select) = 0;
    // The exact text of the list's selected item; empty when none is selected.
    virtual std::string SelectedItem(Choice list) const = 0;
    virtual void EnableList(Choice list, bool enable) = 0;

    virtual void SetAutoconnectChecked(bool checked) = 0;
    virtual bool AutoconnectChecked() const = 0;
    // Checks one radio button, which clears the other.
    virtual void CheckRadio(Choice choice) = 0;
    virtual bool RadioChecked(Choice choice) const = 0;
    // Both radio buttons together.
    virtual void EnableRadios(bool enable) = 0;
};

}  // namespace varnolt
