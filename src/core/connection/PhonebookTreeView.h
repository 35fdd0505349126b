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
    // Rewrites the text of the child at `position` (from 0) of the selected
    // item's parent; items carry no data, so others find them by position.
    virtual void SetSelectedSiblingText(int position, const std::string& text) = 0;
};

}  // namespace varnolt
