#pragma once

#include <string>
#include <vector>

#include "connection/PhonebookTreeView.h"

namespace varnolt::test {

// A Phonebook tree view that keeps the last tree and logs, in order, every
// change it was asked to make to the selected item and its neighbours. Totals
// it writes into the kept tree, by the positions the page uses.
class RecordingTreeView final : public PhonebookTreeView {
public:
    void ShowTree(const TreeNode& root, const TreeState& state) override {
        tree = root;
        shownState = state;
        log.push_back("tree");
    }
    // A tree shown as a first build shows it.
    void ShowTree(const TreeNode& root) { ShowTree(root, KeptTreeState({}, root)); }
    TreeState CurrentTreeState() const override { return leftState; }
    void SelectPath(const TreePath& path) override {
        std::string joined;
        for (const std::string& text : path) {
            joined += (joined.empty() ? "" : "/") + text;
        }
        log.push_back("reveal " + joined);
    }
    void EnableDialButton(bool enable) override { dialEnabled = enable; }
    void SetSelectedSiblingText(int position, const std::string& text) override {
        log.push_back("sibling " + std::to_string(position) + ": " + text);
    }
    void SetEntryLoginText(const std::string& entryName, int position,
                           const std::string& text) override {
        log.push_back("login " + entryName + " " + std::to_string(position) + ": " + text);
    }
    void SetSelectedChildText(int position, const std::string& text) override {
        log.push_back("child " + std::to_string(position) + ": " + text);
    }
    void AddSelectedChild(const TreeNode& child) override {
        log.push_back("add child: " + Outline(child));
    }
    void ExpandSelected() override { log.push_back("expand"); }
    void ReplaceSelected(const TreeNode& node) override {
        log.push_back("replace: " + Outline(node));
    }
    void DeleteSelectedSibling(int position) override {
        log.push_back("delete sibling " + std::to_string(position));
    }
    void DeleteSelected() override { log.push_back("delete"); }
    std::vector<std::string> BranchTexts(RootChild branch) const override {
        std::vector<std::string> texts;
        if (const TreeNode* node = Branch(branch)) {
            for (const TreeNode& child : node->children) {
                texts.push_back(child.text);
            }
        }
        return texts;
    }
    std::optional<TreeItemContext> SelectBranchChild(RootChild branch, int position) override {
        const TreeNode* node = Branch(branch);
        if (node == nullptr || position < 0 ||
            static_cast<std::size_t>(position) >= node->children.size()) {
            return std::nullopt;
        }
        const std::string& text = node->children[static_cast<std::size_t>(position)].text;
        log.push_back("select " + node->text + "/" + text);
        return TreeItemContext{text, node->text, tree.text, std::nullopt, RootChild::None};
    }
    void SetOverallTotals(const std::string& costs, const std::string& lastConnect) override {
        if (!tree.children.empty()) {
            SetTotals(tree.children[0], 0, costs, lastConnect);
        }
    }
    bool SetEntryTotals(const std::string& entryName, const std::string& costs,
                        const std::string& lastConnect) override {
        for (std::size_t i = 0; tree.children.size() > 1 && i < tree.children[1].children.size();
             ++i) {
            TreeNode& entry = tree.children[1].children[i];
            if (entry.text == entryName) {
                SetTotals(entry.children.at(2), 1, costs, lastConnect);
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
    TreeState shownState;  // as the last tree was shown
    TreeState leftState;   // as the "user" left the tree
    std::vector<std::string> log;
    bool dialEnabled = true;

private:
    const TreeNode* Branch(RootChild branch) const {
        const std::size_t position = branch == RootChild::Phonebook ? 1 : 2;
        return tree.children.size() > position ? &tree.children[position] : nullptr;
    }
    static void SetTotals(TreeNode& indicator, std::size_t first, const std::string& costs,
                          const std::string& lastConnect) {
        indicator.children.at(first).text = costs;
        indicator.children.at(first + 1).text = lastConnect;
    }
};

}  // namespace varnolt::test
