#pragma once

#include <string>
#include <vector>

namespace varnolt {

// The Provider dialog's controls as its logic drives them: the description
// edit and two lists of entries, each shown as a tree under one root.
class ProviderDialogView {
public:
    enum class List { Available, Provider };

    virtual ~ProviderDialogView() = default;
    virtual void SetDescription(const std::string& text) = 0;
    // Replaces every node of the list with its root and these entries under it.
    virtual void FillList(List list, const std::vector<std::string>& names, bool expand) = 0;
    // Adds an entry at the end of the list's root and expands the root.
    virtual void AppendEntry(List list, const std::string& name) = 0;
    // Deletes the entry at `index` (from 0) under the list's root.
    virtual void RemoveEntry(List list, int index) = 0;
};

}  // namespace varnolt
