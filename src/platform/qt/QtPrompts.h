#pragma once

#include "platform/Prompts.h"

namespace varnolt {

// Message boxes as QMessageBox, parented to the active window.
class QtPrompts final : public Prompts {
public:
    PromptAnswer MessageBox(const std::string& text, const std::string& title, PromptIcon icon,
                            PromptButtons buttons) override;
};

}  // namespace varnolt
