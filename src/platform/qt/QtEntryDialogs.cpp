#include "QtEntryDialogs.h"

#include <QApplication>

#include "QtEntryDialog.h"

namespace varnolt {

void QtEntryDialogs::ShowNewEntry(const Submit& submit) {
    QtEntryDialog dialog(QtEntryDialog::Mode::New, PhonebookEntry{}, submit, m_prompts,
                         QApplication::activeWindow());
    dialog.exec();
}

void QtEntryDialogs::ShowEditEntry(const PhonebookEntry& entry, const Submit& submit) {
    QtEntryDialog dialog(QtEntryDialog::Mode::Edit, entry, submit, m_prompts,
                         QApplication::activeWindow());
    dialog.exec();
}

}  // namespace varnolt
