#include "AutoconnectStartup.h"

#include <algorithm>
#include <utility>

#include "connection/PhonebookTreeLogic.h"
#include "connection/PhonebookTreeView.h"
#include "platform/Prompts.h"
#include "platform/RemoteAccess.h"
#include "provider/AutoconnectChoice.h"
#include "provider/ProviderList.h"

namespace varnolt {

void AutoconnectStartup::Run() {
    if (std::exchange(m_ran, true)) {
        return;
    }
    const AutoconnectChoice choice = AutoconnectChoice::Read(m_store);
    if (!choice.on) {
        return;
    }
    // Only the exact "Provider" dials a provider; anything else is looked up
    // among the phonebook entries.
    const bool provider = choice.type == AutoconnectChoice::kProvider;
    const std::size_t limit = provider ? static_cast<std::size_t>(ProviderList(m_store).Count())
                                       : m_dialer.EnumEntries().size();
    if (provider && limit == 0) {
        return;  // no providers at all: nothing to say
    }
    const RootChild branch = provider ? RootChild::Provider : RootChild::Phonebook;
    const std::vector<std::string> texts = m_view.BranchTexts(branch);
    // Matched exactly: the list on the Options page ignores case, this does not.
    for (std::size_t i = 0; i < std::min(limit, texts.size()); ++i) {
        if (texts[i] == choice.entry) {
            if (auto item = m_view.SelectBranchChild(branch, static_cast<int>(i))) {
                m_tree.PressDial(*item);
            }
            return;
        }
    }
    m_prompts.MessageBox(provider ? kNoProviderText : kNoEntryText, kTitle, PromptIcon::Stop,
                         PromptButtons::Ok);
}

}  // namespace varnolt
