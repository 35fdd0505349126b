#include "DialDialogForm.h"

namespace varnolt {

std::string DialDialogTitle(const std::string& entryName) {
    return "Connect to " + entryName;
}

bool AcceptDialCredentials(const DialCredentials& credentials, Prompts& prompts) {
    if (!credentials.rememberPassword || !credentials.password.empty()) {
        return true;
    }
    prompts.MessageBox("An empty password can't be remembered !", "Error...", PromptIcon::Stop,
                       PromptButtons::Ok);
    return false;
}

}  // namespace varnolt
