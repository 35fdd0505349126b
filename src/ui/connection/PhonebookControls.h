#pragma once

#include "connection/TreeDispatch.h"

class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QWidget;

namespace varnolt {

// The Phonebook page's controls, made and laid out on the page, empty.
struct PhonebookControls {
    QTreeWidget* tree = nullptr;
    QLabel* status = nullptr;
    QProgressBar* progress = nullptr;
    QPushButton* dial = nullptr;
    QPushButton* cancel = nullptr;
};
PhonebookControls MakePhonebookControls(QWidget& page);

// Fills a menu with the page logic's lines; each action carries its command.
void FillPopupMenu(QMenu& menu, const PopupMenu& items);

}  // namespace varnolt
