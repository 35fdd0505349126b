#pragma once

#include <QDialog>

#include "connection/AutolaunchApplication.h"

class QComboBox;
class QLineEdit;

namespace varnolt {

// "Autolaunch application": the path (typed or chosen with "&Application..."),
// the description and the startup mode. Stays open until path and description
// are both given or it is cancelled.
class CAutolaunchDlg final : public QDialog {
    Q_OBJECT
public:
    CAutolaunchDlg(const AutolaunchApplication& initial, Prompts& prompts,
                   QWidget* parent = nullptr);

    // What was entered; valid after OK.
    const AutolaunchApplication& Application() const { return m_application; }

private:
    void OnChooseFile();
    void OnOk();

    Prompts& m_prompts;
    AutolaunchApplication m_application;
    QLineEdit* m_path = nullptr;
    QLineEdit* m_description = nullptr;
    QComboBox* m_startup = nullptr;
};

}  // namespace varnolt
