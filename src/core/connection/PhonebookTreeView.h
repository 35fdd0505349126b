#pragma once

#include "connection/TreeNode.h"

namespace varnolt {

// What the Phonebook tree logic asks of the page that shows it.
class PhonebookTreeView {
public:
    virtual ~PhonebookTreeView() = default;
    // Replaces every item with the given tree; only the root starts expanded.
    virtual void ShowTree(const TreeNode& root) = 0;
    virtual void EnableDialButton(bool enable) = 0;
};

}  // namespace varnolt
