#pragma once

#include "platform/Prompts.h"

namespace varnolt {

// Message boxes as QMessageBox and file choosers as QFileDialog, parented to
// the active window.
class QtPrompts final : public Prompts {
public:
    PromptAnswer MessageBox(const std::string& text, const std::string& title, PromptIcon icon,
                            PromptButtons buttons) override;
    std::optional<std::string> ChooseOpenFile(const FileRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const FileRequest& request) override;
};

}  // namespace varnolt
