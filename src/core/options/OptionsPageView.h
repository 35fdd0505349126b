#pragma once

#include <string>

#include "meter/BudgetWatch.h"

namespace varnolt {

// What the Options page's logic needs of its controls.
class OptionsPageView {
public:
    virtual ~OptionsPageView() = default;

    virtual void SetSoundChecked(bool checked) = 0;
    // The path box and its "..." button together.
    virtual void EnableSoundPath(bool enable) = 0;
    virtual std::string SoundPath() const = 0;
    virtual void SetSoundPath(const std::string& path) = 0;
    virtual void SetCloseAfterDisconnectChecked(bool checked) = 0;
    virtual void SetFileLoggingChecked(bool checked) = 0;
    virtual void SetShowCallWindowChecked(bool checked) = 0;
    virtual std::string LimitText(BudgetKind kind) const = 0;
    virtual void SetLimitText(BudgetKind kind, const std::string& text) = 0;
    virtual void SetHangUpAtCallLimitChecked(bool checked) = 0;
};

}  // namespace varnolt
