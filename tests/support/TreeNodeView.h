#pragma once

#include <string>
#include <vector>

#include "connection/PhonebookTreeView.h"

namespace varnolt::test {

// The Phonebook tree as plain nodes, for core tests: keeps the tree it was
// shown and applies text changes to it by the same positions the page uses.
class TreeNodeView final : public PhonebookTreeView {
public:
    void ShowTree(const TreeNode& root) override { tree = root; }
    void EnableDialButton(bool enable) override { dialEnabled = enable; }
    void SetSelectedSiblingText(int, const std::string&) override {}
    void SetOverallTotals(const std::string& costs, const std::string& lastConnect) override {
        if (!tree.children.empty()) {
            SetTexts(tree.children[0], 0, costs, lastConnect);
        }
    }
    bool SetEntryTotals(const std::string& entryName, const std::string& costs,
                        const std::string& lastConnect) override {
        if (tree.children.size() < 2) {
            return false;
        }
        for (TreeNode& entry : tree.children[1].children) {
            if (entry.text == entryName) {
                SetTexts(entry.children.at(2), 1, costs, lastConnect);
                return true;
            }
        }
        return false;
    }

    // The texts of a node and its descendants, one a line, indented by depth.
    static std::string Outline(const TreeNode& node, int depth = 0) {
        std::string out(static_cast<std::size_t>(depth), ' ');
        out += node.text + "\n";
        for (const TreeNode& child : node.children) {
            out += Outline(child, depth + 1);
        }
        return out;
    }

    TreeNode tree;
    bool dialEnabled = false;

private:
    static void SetTexts(TreeNode& indicator, std::size_t first, const std::string& costs,
                         const std::string& lastConnect) {
        indicator.children.at(first).text = costs;
        indicator.children.at(first + 1).text = lastConnect;
    }
};

}  // namespace varnolt::test
