#pragma once

#include <QDialog>

#include "platform/Prompts.h"
#include "sim/EntryDialogs.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace varnolt {

// The simulated service's dialog for one phonebook entry, new or edited: the
// name and number a dialer keeps, and how the virtual line's remote side
// behaves. OK hands the values to the service; when it refuses them, its
// message is shown and the dialog stays open with everything as typed.
class QtEntryDialog final : public QDialog {
    Q_OBJECT
public:
    enum class Mode { New, Edit };

    QtEntryDialog(Mode mode, const PhonebookEntry& entry, EntryDialogs::Submit submit,
                  Prompts& prompts, QWidget* parent = nullptr);

    // The values as they stand in the fields.
    PhonebookEntry Entry() const;

    void accept() override;

private:
    void UpdateEnabled();

    EntryDialogs::Submit m_submit;
    Prompts& m_prompts;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_phone = nullptr;
    QComboBox* m_answer = nullptr;
    QSpinBox* m_connectSeconds = nullptr;
    QSpinBox* m_dropSeconds = nullptr;
    QCheckBox* m_accountRequired = nullptr;
    QLineEdit* m_accountUser = nullptr;
    QLineEdit* m_accountPassword = nullptr;
};

}  // namespace varnolt
