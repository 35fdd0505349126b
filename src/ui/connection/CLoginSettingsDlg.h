#pragma once

#include <QDialog>

#include "connection/LoginSettingsForm.h"

class QLineEdit;
class QSpinBox;

namespace varnolt {

// "Edit login settings": user name, hidden password and the redial delay, which
// only the arrows change. Stays open until a user name is given or it is cancelled.
class CLoginSettingsDlg final : public QDialog {
    Q_OBJECT
public:
    CLoginSettingsDlg(const LoginSettings& initial, Prompts& prompts, QWidget* parent = nullptr);

    // What was entered; valid after OK.
    const LoginSettings& Settings() const { return m_settings; }

private:
    void OnOk();

    Prompts& m_prompts;
    LoginSettings m_settings;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QSpinBox* m_redial = nullptr;
};

}  // namespace varnolt
