#pragma once

#include <string>
#include <vector>

#include "connection/PhonebookTreeView.h"

namespace varnolt::test {

// A Phonebook tree view that keeps the last tree and logs, in order, every
// change it was asked to make to the selected item and its neighbours.
class RecordingTreeView final : public PhonebookTreeView {
public:
    void ShowTree(const TreeNode& root) override {
        tree = root;
        log.push_back("tree");
    }
    void EnableDialButton(bool enable) override { dialEnabled = enable; }
    void SetSelectedSiblingText(int position, const std::string& text) override {
        log.push_back("sibling " + std::to_string(position) + ": " + text);
    }
    void SetSelectedChildText(int position, const std::string& text) override {
        log.push_back("child " + std::to_string(position) + ": " + text);
    }
    void AddSelectedChild(const std::string& text, ImageRole) override {
        log.push_back("add child: " + text);
    }
    void DeleteSelectedSibling(int position) override {
        log.push_back("delete sibling " + std::to_string(position));
    }

    TreeNode tree;
    std::vector<std::string> log;
    bool dialEnabled = true;
};

}  // namespace varnolt::test
