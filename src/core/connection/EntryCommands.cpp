#include "EntryCommands.h"

#include "app/SheetMessages.h"
#include "app/UiText.h"
#include "connection/ConnectionDialogs.h"
#include "connection/EntrySection.h"
#include "connection/EntrySettings.h"
#include "connection/PhonebookTreeLogic.h"
#include "connection/TreeCommands.h"
#include "meter/TotalCosts.h"
#include "platform/Locale.h"
#include "platform/Prompts.h"
#include "platform/RemoteAccess.h"
#include "platform/SettingsStore.h"

namespace varnolt {

namespace {

constexpr const char* kDeleteTitle = VARNOLT_TEXT("Delete entry");
constexpr const char* kRenameTitle = VARNOLT_TEXT("Rename entry");
// The call's accounting writes under the entry's name when it ends.
constexpr const char* kBusyText =
    VARNOLT_TEXT("An entry cannot be deleted or renamed while a call is dialed or connected.");
constexpr const char* kNotKeptText =
    VARNOLT_TEXT("The settings of the entry could not be changed; they stay under its old name.");

}  // namespace

void EntryCommands::InstallInto(PhonebookTreeLogic& tree) {
    tree.InstallHandler(kCmdDeleteEntry,
                        [this](const TreeItemContext& selected) { Delete(selected); });
    tree.InstallHandler(kCmdRenameEntry,
                        [this](const TreeItemContext& selected) { Rename(selected); });
}

void EntryCommands::Delete(const TreeItemContext& selected) {
    if (ClassifyTreeItem(selected) != TreeItemKind::Entry || !Idle(kDeleteTitle)) {
        return;
    }
    const std::string& name = selected.text;
    std::string costs =
        m_services.store.ReadString(EntrySection(name), kTotalCostsKey, kUnknownTotal);
    if (costs == kUnknownTotal) {
        costs = "0";
    }
    const std::string question = FillText(
        VARNOLT_TEXT("Delete entry '%1' with total costs of %2 %3 ?\nIts calls stay in the log "
                     "and in the overall total."),
        {name, costs, m_services.locale.CurrencySymbol()});
    if (m_services.prompts.MessageBox(question, kDeleteTitle, PromptIcon::Question,
                                      PromptButtons::YesNo) != PromptAnswer::Yes ||
        !Accepted(m_services.dialer.DeleteEntry(name), kDeleteTitle)) {
        return;
    }
    if (!EntrySettings(m_services.store).Remove(name)) {
        m_services.prompts.MessageBox(kNotKeptText, kDeleteTitle, PromptIcon::Exclamation,
                                      PromptButtons::Ok);
    }
    Refresh(selected, nullptr);
}

void EntryCommands::Rename(const TreeItemContext& selected) {
    if (ClassifyTreeItem(selected) != TreeItemKind::Entry || !Idle(kRenameTitle)) {
        return;
    }
    const std::string& name = selected.text;
    const std::optional<std::string> newName = m_services.dialogs.AskNewEntryName(name);
    if (!newName || *newName == name ||
        !Accepted(m_services.dialer.RenameEntry(name, *newName), kRenameTitle)) {
        return;
    }
    if (!EntrySettings(m_services.store).Move(name, *newName)) {
        m_services.prompts.MessageBox(kNotKeptText, kRenameTitle, PromptIcon::Exclamation,
                                      PromptButtons::Ok);
    }
    Refresh(selected, &*newName);
}

bool EntryCommands::Idle(const char* title) {
    if (m_tree.DialAllowed()) {
        return true;
    }
    m_services.prompts.MessageBox(kBusyText, title, PromptIcon::Exclamation, PromptButtons::Ok);
    return false;
}

bool EntryCommands::Accepted(int code, const char* title) {
    if (code == ras::kSuccess) {
        return true;
    }
    m_services.prompts.MessageBox(m_services.dialer.ErrorString(code), title, PromptIcon::Stop,
                                  PromptButtons::Ok);
    return false;
}

void EntryCommands::Refresh(const TreeItemContext& selected, const std::string* shownName) {
    std::optional<TreePath> shown;
    if (shownName != nullptr && selected.parent && selected.grandparent) {
        shown = TreePath{*selected.grandparent, *selected.parent, *shownName};
    }
    m_tree.Rebuild(shown);
    m_services.host.SendNotification(WM_RELOAD_AUTOCONNECT, 0);
}

}  // namespace varnolt
