#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "meter/CallWindowView.h"

class QFormLayout;
class QLabel;
class QPushButton;

namespace varnolt {

class SettingsStore;

// The small window that shows a running call while the sheet is minimised:
// a tool window that stays on top, opens where the user left it (when that is
// still on a screen) and has "Hang up", which ends the call as the sheet's
// "Hang up connection" does. It shows the texts it is given, nothing else.
class CCallWindow final : public QWidget, public CallWindowView {
    Q_OBJECT
public:
    CCallWindow(SettingsStore& store, std::function<void()> hangUp, QWidget* parent = nullptr);
    ~CCallWindow() override;

    void ShowCall(const CallMeterTexts& texts) override;
    void UpdateCall(const CallMeterTexts& texts) override;
    void ShowMessage(const std::string& text) override;
    void CloseCall() override;

    QPushButton* HangUpButton() const { return m_hangUpButton; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    // The stored place when a screen shows it, else the top right corner of
    // the primary screen's free area.
    void MoveToPlace();
    void KeepPlace();

    SettingsStore& m_store;
    std::function<void()> m_hangUp;
    static constexpr std::size_t kRowCount = 9;
    QFormLayout* m_form = nullptr;
    std::array<QLabel*, kRowCount> m_values{};
    QLabel* m_message = nullptr;
    QPushButton* m_hangUpButton = nullptr;
};

}  // namespace varnolt
