#pragma once

#include <optional>
#include <string>
#include <vector>

#include "connection/TreeItemKind.h"
#include "connection/TreeNode.h"

namespace varnolt {

// A node of the Phonebook tree by the exact texts from the root down to it.
// Of siblings with the same text it names the first, as the commands do.
using TreePath = std::vector<std::string>;

// How the user left the tree: the nodes shown expanded and the one selected.
struct TreeState {
    std::vector<TreePath> expanded;
    std::optional<TreePath> selected;
    // Scroll the selection into view (a node just made) instead of keeping
    // the scroll position.
    bool revealSelected = false;
};

// The path of a child of the item; the item's ancestors up to the root must
// be in its context, as they are for items up to three levels below the root.
TreePath ChildPath(const TreeItemContext& item, const std::string& childText);

// Whether the tree has a node at that path.
bool HasPath(const TreeNode& root, const TreePath& path);

// The state a rebuilt tree takes over from the old one. Nodes still there stay
// expanded, the root always is. The selection stays, or falls back to its
// nearest ancestor still there; a node just created is selected and revealed
// instead. An empty phonebook's placeholder is always in view, and selected
// when nothing else is, so Enter acts on it at once.
TreeState KeptTreeState(const TreeState& before, const TreeNode& root,
                        const std::optional<TreePath>& created = std::nullopt);

}  // namespace varnolt
