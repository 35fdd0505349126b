#pragma once

#include <QByteArray>
#include <QTreeWidgetItem>
#include <string>

#include "qt/CoreText.h"

namespace varnolt {

// An item's text as the exact bytes it was built from. The shown text replaces
// bytes that are not UTF-8 (a hand-edited entry name), so every command reads
// these instead: its section in the store is named by the exact bytes.
inline constexpr int kExactTextRole = Qt::UserRole;
// Set on an empty phonebook's placeholder, which is no entry whatever its text.
inline constexpr int kPlaceholderRole = Qt::UserRole + 1;

inline void SetItemText(QTreeWidgetItem* item, const std::string& text) {
    item->setText(0, CoreText(text));
    item->setData(0, kExactTextRole, QByteArray::fromStdString(text));
}

inline std::string ExactText(const QTreeWidgetItem* item) {
    return item->data(0, kExactTextRole).toByteArray().toStdString();
}

inline bool IsPlaceholder(const QTreeWidgetItem* item) {
    return item->data(0, kPlaceholderRole).toBool();
}

}  // namespace varnolt
