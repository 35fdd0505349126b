#pragma once

#include "app/CSheetPage.h"
#include "options/OptionsPageLogic.h"
#include "options/OptionsPageView.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace varnolt {

// The "Options" page: the connect sound and the general switches, each stored
// the moment it is used. The decisions are OptionsPageLogic's.
class COptionsPage final : public CSheetPage, private OptionsPageView {
    Q_OBJECT
public:
    COptionsPage(SettingsStore& store, Prompts& prompts, QWidget* parent = nullptr);
    ~COptionsPage() override;

protected:
    void OnInitPage() override;

private:
    void SetSoundChecked(bool checked) override;
    void EnableSoundPath(bool enable) override;
    std::string SoundPath() const override;
    void SetSoundPath(const std::string& path) override;
    void SetCloseAfterDisconnectChecked(bool checked) override;
    void SetFileLoggingChecked(bool checked) override;

    OptionsPageLogic m_logic;
    QCheckBox* m_sound = nullptr;
    QLineEdit* m_soundPath = nullptr;
    QPushButton* m_browse = nullptr;
    QCheckBox* m_closeAfterDisconnect = nullptr;
    QCheckBox* m_fileLogging = nullptr;
};

}  // namespace varnolt
