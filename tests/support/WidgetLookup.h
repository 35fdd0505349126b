#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QStringList>
#include <QTreeWidget>

namespace varnolt::test {

// The named child widget; a test failure when there is none.
template <typename T>
T* Child(const QObject* parent, const char* name) {
    T* child = parent->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Clicks a standard button of a dialog's "buttons" box.
inline void Press(const QWidget& dialog, QDialogButtonBox::StandardButton which) {
    Child<QDialogButtonBox>(&dialog, "buttons")->button(which)->click();
}

// One key press sent to a widget, as typing it does.
inline void PressKey(QWidget* widget, Qt::Key key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

// The texts of one row of a list, column by column.
inline QStringList RowTexts(const QTreeWidget* list, int row) {
    QStringList texts;
    for (int column = 0; column < list->columnCount(); ++column) {
        texts << list->topLevelItem(row)->text(column);
    }
    return texts;
}

}  // namespace varnolt::test
