#pragma once

#include <QGroupBox>
#include <array>

#include "provider/AutoconnectGroupLogic.h"
#include "provider/AutoconnectGroupView.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace varnolt {

// The Options page's group "Autoconnect at startup": the entry or provider
// dialed when the program starts. The decisions are AutoconnectGroupLogic's.
class CAutoconnectGroup final : public QGroupBox, private AutoconnectGroupView {
    Q_OBJECT
public:
    CAutoconnectGroup(SettingsStore& store, RemoteAccess& dialer, Prompts& prompts,
                      QWidget* parent = nullptr);

    // Shows the stored choice.
    void SetUp() { m_logic.SetUp(); }
    // Lists the entries and providers afresh.
    void Refill() { m_logic.Refill(); }

private:
    void FillList(Choice list, const std::vector<std::string>& items,
                  const std::string& select) override;
    std::string SelectedItem(Choice list) const override;
    void EnableList(Choice list, bool enable) override;
    void SetAutoconnectChecked(bool checked) override;
    bool AutoconnectChecked() const override;
    void CheckRadio(Choice choice) override;
    bool RadioChecked(Choice choice) const override;
    void EnableRadios(bool enable) override;

    AutoconnectGroupLogic m_logic;
    QCheckBox* m_autoconnect = nullptr;
    // By Choice: the phonebook's, then the providers'.
    std::array<QRadioButton*, 2> m_radios{};
    std::array<QComboBox*, 2> m_lists{};
    QPushButton* m_save = nullptr;
};

}  // namespace varnolt
