#pragma once

#include <optional>
#include <string>
#include <vector>

#include "connection/TreeItemKind.h"
#include "connection/TreeNode.h"
#include "connection/TreeState.h"

namespace varnolt {

// What the Phonebook tree logic asks of the page that shows it.
class PhonebookTreeView {
public:
    virtual ~PhonebookTreeView() = default;
    // Replaces every item with the given tree, in the given state: the nodes
    // at its expanded paths expanded, the rest collapsed, the node at its
    // selected path selected.
    virtual void ShowTree(const TreeNode& root, const TreeState& state) = 0;
    // How the user left the tree (never with revealSelected); empty before it is built.
    virtual TreeState CurrentTreeState() const = 0;
    // Selects the node at that path and scrolls it into view, expanding what
    // holds it; nothing when there is none.
    virtual void SelectPath(const TreePath& path) = 0;
    virtual void EnableDialButton(bool enable) = 0;
    // Rewrites the text of the child at `position` (from 0) of the selected
    // item's parent; items carry no data, so others find them by position.
    virtual void SetSelectedSiblingText(int position, const std::string& text) = 0;
    // Rewrites the texts of the overall indicator's costs and last-connect items.
    virtual void SetOverallTotals(const std::string& costs, const std::string& lastConnect) = 0;
    // Rewrites the texts of the costs and last-connect items under the entry
    // of that name; false, changing nothing, when the tree has no such entry.
    virtual bool SetEntryTotals(const std::string& entryName, const std::string& costs,
                                const std::string& lastConnect) = 0;
    // Rewrites the text of the child at `position` of the "Login settings"
    // item of the entry of that name; nothing when the tree has no such entry.
    virtual void SetEntryLoginText(const std::string& entryName, int position,
                                   const std::string& text) = 0;
    // Rewrites the text of the selected item's child at `position`.
    virtual void SetSelectedChildText(int position, const std::string& text) = 0;
    // Adds a child, with its own children, after the selected item's last one.
    virtual void AddSelectedChild(const TreeNode& child) = 0;
    virtual void ExpandSelected() = 0;
    // Gives the selected item the node's text and its children instead of its own.
    virtual void ReplaceSelected(const TreeNode& node) = 0;
    // Deletes the child at `position` of the selected item's parent.
    virtual void DeleteSelectedSibling(int position) = 0;
    // Deletes the selected item with its children.
    virtual void DeleteSelected() = 0;
    // The exact texts of the children of the root's "Phonebook" or "Provider"
    // item, in order, without a placeholder; none before the tree is built.
    virtual std::vector<std::string> BranchTexts(RootChild branch) const = 0;
    // Selects the child at `position` of that item and returns it as commands
    // see it; none when there is no such child.
    virtual std::optional<TreeItemContext> SelectBranchChild(RootChild branch, int position) = 0;
};

}  // namespace varnolt
