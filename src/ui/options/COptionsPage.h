#pragma once

#include <array>

#include "app/CSheetPage.h"
#include "options/OptionsPageLogic.h"
#include "options/OptionsPageView.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace varnolt {

class CAutoconnectGroup;
class RemoteAccess;

// The "Options" page: the connect sound, the general switches and the budget, each stored
// the moment it is used, and the choice dialed at start-up, stored by its own
// "&Save". The decisions are OptionsPageLogic's and the autoconnect group's.
class COptionsPage final : public CSheetPage, private OptionsPageView {
    Q_OBJECT
public:
    COptionsPage(SettingsStore& store, RemoteAccess& dialer, Prompts& prompts,
                 QWidget* parent = nullptr);
    ~COptionsPage() override;

    // Lists the entries and providers afresh; nothing before the page is set up.
    void OnReloadAutoconnect() override;

protected:
    void OnInitPage() override;

private:
    void SetSoundChecked(bool checked) override;
    void EnableSoundPath(bool enable) override;
    std::string SoundPath() const override;
    void SetSoundPath(const std::string& path) override;
    void SetCloseAfterDisconnectChecked(bool checked) override;
    void SetFileLoggingChecked(bool checked) override;
    void SetShowCallWindowChecked(bool checked) override;
    std::string LimitText(BudgetKind kind) const override;
    void SetLimitText(BudgetKind kind, const std::string& text) override;
    void SetHangUpAtCallLimitChecked(bool checked) override;

    SettingsStore& m_store;
    RemoteAccess& m_dialer;
    Prompts& m_prompts;
    OptionsPageLogic m_logic;
    CAutoconnectGroup* m_autoconnect = nullptr;
    QCheckBox* m_sound = nullptr;
    QLineEdit* m_soundPath = nullptr;
    QPushButton* m_browse = nullptr;
    QCheckBox* m_closeAfterDisconnect = nullptr;
    QCheckBox* m_fileLogging = nullptr;
    QCheckBox* m_showCallWindow = nullptr;
    // By BudgetKind: the call's, the month's.
    std::array<QLineEdit*, 2> m_limits{};
    QCheckBox* m_hangUpAtCallLimit = nullptr;
};

}  // namespace varnolt
