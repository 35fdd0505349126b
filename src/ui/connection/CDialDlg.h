#pragma once

#include <QDialog>
#include <string>

#include "connection/DialDialogForm.h"

class QCheckBox;
class QLineEdit;

namespace varnolt {

// "Connect to <entry>": the user name and password to dial with, and whether
// to remember the password. Refuses to remember an empty password.
class CDialDlg final : public QDialog {
    Q_OBJECT
public:
    CDialDlg(const std::string& entryName, const DialCredentials& initial, Prompts& prompts,
             QWidget* parent = nullptr);

    // What was entered; valid after OK.
    const DialCredentials& Credentials() const { return m_credentials; }

private:
    void OnOk();

    Prompts& m_prompts;
    DialCredentials m_credentials;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QCheckBox* m_remember = nullptr;
};

}  // namespace varnolt
