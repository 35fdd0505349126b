#include "TreeState.h"

#include <algorithm>

namespace varnolt {

namespace {

const TreeNode* Find(const TreeNode& root, const TreePath& path) {
    if (path.empty() || path.front() != root.text) {
        return nullptr;
    }
    const TreeNode* node = &root;
    for (std::size_t i = 1; i < path.size(); ++i) {
        const auto& children = node->children;
        auto it = std::find_if(children.begin(), children.end(),
                               [&](const TreeNode& child) { return child.text == path[i]; });
        if (it == children.end()) {
            return nullptr;
        }
        node = &*it;
    }
    return node;
}

// The path of the first placeholder below `node`, which is at `path`.
std::optional<TreePath> FindPlaceholder(const TreeNode& node, TreePath& path) {
    for (const TreeNode& child : node.children) {
        path.push_back(child.text);
        if (child.placeholder) {
            return path;
        }
        if (auto found = FindPlaceholder(child, path)) {
            return found;
        }
        path.pop_back();
    }
    return std::nullopt;
}

void AddUnique(std::vector<TreePath>& paths, const TreePath& path) {
    if (std::find(paths.begin(), paths.end(), path) == paths.end()) {
        paths.push_back(path);
    }
}

// Every ancestor of the node at `path`, so that it shows.
void AddAncestors(std::vector<TreePath>& expanded, const TreePath& path) {
    for (std::size_t length = 1; length < path.size(); ++length) {
        AddUnique(expanded, TreePath(path.begin(), path.begin() + length));
    }
}

}  // namespace

TreePath ChildPath(const TreeItemContext& item, const std::string& childText) {
    TreePath path;
    for (const auto* ancestor : {&item.greatGrandparent, &item.grandparent, &item.parent}) {
        if (*ancestor) {
            path.push_back(**ancestor);
        }
    }
    path.push_back(item.text);
    path.push_back(childText);
    return path;
}

bool HasPath(const TreeNode& root, const TreePath& path) {
    return Find(root, path) != nullptr;
}

TreeState KeptTreeState(const TreeState& before, const TreeNode& root,
                        const std::optional<TreePath>& created) {
    TreeState kept;
    kept.expanded.push_back({root.text});
    for (const TreePath& path : before.expanded) {
        if (HasPath(root, path)) {
            AddUnique(kept.expanded, path);
        }
    }

    if (created && HasPath(root, *created)) {
        kept.selected = created;
        kept.revealSelected = true;
    } else if (before.selected) {
        // A node that went (a renamed entry, a changed total) leaves the
        // selection on what held it.
        TreePath path = *before.selected;
        while (!path.empty() && !HasPath(root, path)) {
            path.pop_back();
        }
        if (!path.empty()) {
            kept.selected = std::move(path);
        }
    }

    TreePath start{root.text};
    if (std::optional<TreePath> placeholder = FindPlaceholder(root, start)) {
        AddAncestors(kept.expanded, *placeholder);
        if (!kept.selected) {
            kept.selected = placeholder;
        }
    }
    if (kept.revealSelected) {
        AddAncestors(kept.expanded, *kept.selected);
    }
    return kept;
}

}  // namespace varnolt
