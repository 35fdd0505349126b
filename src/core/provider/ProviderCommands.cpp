#include "ProviderCommands.h"

#include "app/SheetMessages.h"
#include "app/UiText.h"
#include "connection/PhonebookTreeBuilder.h"
#include "connection/PhonebookTreeLogic.h"
#include "connection/PhonebookTreeView.h"
#include "connection/TreeCommands.h"
#include "platform/Prompts.h"
#include "provider/CProviderStore.h"
#include "provider/ProviderDialogs.h"

namespace varnolt {

void ProviderCommands::InstallInto(PhonebookTreeLogic& tree) {
    tree.InstallHandler(kCmdNewProvider,
                        [this](const TreeItemContext& selected) { New(selected); });
    tree.InstallHandler(kCmdEditProvider,
                        [this](const TreeItemContext& selected) { Edit(selected); });
    tree.InstallHandler(kCmdDeleteProvider,
                        [this](const TreeItemContext& selected) { Delete(selected); });
}

void ProviderCommands::New(const TreeItemContext& selected) {
    if (ClassifyTreeItem(selected) != TreeItemKind::ProviderItem) {
        return;
    }
    std::string description;
    if (!m_dialogs.EditProvider(description, 0)) {
        return;
    }
    m_view.AddSelectedChild(ProviderNode(m_store, description));
    m_view.ExpandSelected();
    m_view.SelectPath(ChildPath(selected, description));
    m_host.SendNotification(WM_RELOAD_AUTOCONNECT, 0);
}

void ProviderCommands::Edit(const TreeItemContext& selected) {
    if (ClassifyTreeItem(selected) != TreeItemKind::Provider) {
        return;
    }
    // A description no stored number carries (the store changed behind the
    // tree) opens as a new provider, which OK appends.
    const int number = ProviderList(m_store).FindFirst(selected.text, ProviderList::kUnknown);
    std::string description = selected.text;
    if (!m_dialogs.EditProvider(description, number)) {
        return;
    }
    m_view.ReplaceSelected(ProviderNode(m_store, description));
    // The autoconnect list names providers by description.
    if (number == 0 || description != selected.text) {
        m_host.SendNotification(WM_RELOAD_AUTOCONNECT, 0);
    }
}

void ProviderCommands::Delete(const TreeItemContext& selected) {
    if (ClassifyTreeItem(selected) != TreeItemKind::Provider) {
        return;
    }
    if (m_prompts.MessageBox(FillText(VARNOLT_TEXT("Delete provider '%1' ?"), {selected.text}),
                             VARNOLT_TEXT("Delete provider..."), PromptIcon::Question,
                             PromptButtons::YesNo) != PromptAnswer::Yes) {
        return;
    }
    // A description no stored number carries leaves the store and its count
    // alone: only the item goes, which nothing stored backs.
    const int number = ProviderList(m_store).FindLast(selected.text, ProviderList::kNone);
    if (number != 0 && !CProviderStore(m_store).Remove(number)) {
        return;  // not kept: the item stays with the provider
    }
    m_view.DeleteSelected();
    if (number != 0) {
        m_host.SendNotification(WM_RELOAD_AUTOCONNECT, 0);
    }
}

}  // namespace varnolt
