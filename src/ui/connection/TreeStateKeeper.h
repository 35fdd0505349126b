#pragma once

#include "connection/TreeState.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace varnolt {

// Reads and sets how a Phonebook tree widget is left, by the exact texts of
// its items: what is expanded, what is selected, where it is scrolled.
class TreeStateKeeper {
public:
    explicit TreeStateKeeper(QTreeWidget& tree) : m_tree(tree) {}

    TreeState Current() const;
    // Gives items freshly built the state; `scrollBefore` is the position the
    // old items were scrolled to, kept unless the selection is to be revealed.
    void Restore(const TreeState& state, int scrollBefore);
    // Selects the item at the path and scrolls it into view.
    void Reveal(const TreePath& path);
    // The item at the path; nullptr for none.
    QTreeWidgetItem* ItemAt(const TreePath& path) const;

private:
    QTreeWidget& m_tree;
};

}  // namespace varnolt
