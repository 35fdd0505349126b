#include "TreeStateKeeper.h"

#include <QScrollBar>
#include <QTreeWidget>

#include "TreeItemData.h"

namespace varnolt {

namespace {

TreePath PathOf(const QTreeWidgetItem* item) {
    TreePath path;
    for (; item != nullptr; item = item->parent()) {
        path.insert(path.begin(), ExactText(item));
    }
    return path;
}

// Also below a collapsed item: expanding it again shows them as they were.
void CollectExpanded(const QTreeWidgetItem* item, std::vector<TreePath>& expanded) {
    if (item->isExpanded()) {
        expanded.push_back(PathOf(item));
    }
    for (int i = 0; i < item->childCount(); ++i) {
        CollectExpanded(item->child(i), expanded);
    }
}

}  // namespace

TreeState TreeStateKeeper::Current() const {
    TreeState state;
    if (QTreeWidgetItem* top = m_tree.topLevelItem(0)) {
        CollectExpanded(top, state.expanded);
    }
    const QList<QTreeWidgetItem*> selected = m_tree.selectedItems();
    if (!selected.isEmpty()) {
        state.selected = PathOf(selected.first());
    }
    return state;
}

QTreeWidgetItem* TreeStateKeeper::ItemAt(const TreePath& path) const {
    QTreeWidgetItem* item = nullptr;
    for (std::size_t depth = 0; depth < path.size(); ++depth) {
        const int count = item != nullptr ? item->childCount() : m_tree.topLevelItemCount();
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < count && next == nullptr; ++i) {
            QTreeWidgetItem* child = item != nullptr ? item->child(i) : m_tree.topLevelItem(i);
            if (ExactText(child) == path[depth]) {
                next = child;
            }
        }
        if (next == nullptr) {
            return nullptr;
        }
        item = next;
    }
    return item;
}

void TreeStateKeeper::Restore(const TreeState& state, int scrollBefore) {
    for (const TreePath& path : state.expanded) {
        if (QTreeWidgetItem* item = ItemAt(path)) {
            item->setExpanded(true);
        }
    }
    QTreeWidgetItem* selected = state.selected ? ItemAt(*state.selected) : nullptr;
    if (selected != nullptr) {
        m_tree.setCurrentItem(selected);
    }
    if (selected != nullptr && state.revealSelected) {
        m_tree.scrollToItem(selected);
    } else {
        m_tree.doItemsLayout();  // the scroll range of the new items
        m_tree.verticalScrollBar()->setValue(scrollBefore);
    }
}

void TreeStateKeeper::Reveal(const TreePath& path) {
    if (QTreeWidgetItem* item = ItemAt(path)) {
        for (QTreeWidgetItem* parent = item->parent(); parent != nullptr;
             parent = parent->parent()) {
            parent->setExpanded(true);
        }
        m_tree.setCurrentItem(item);
        m_tree.scrollToItem(item);
    }
}

}  // namespace varnolt
