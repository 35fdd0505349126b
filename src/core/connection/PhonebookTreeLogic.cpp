#include "PhonebookTreeLogic.h"

#include <algorithm>

#include "app/SheetMessages.h"
#include "connection/EntrySection.h"
#include "connection/PhonebookTexts.h"
#include "connection/PhonebookTreeBuilder.h"
#include "connection/PhonebookTreeView.h"
#include "connection/TreeCommands.h"
#include "platform/RemoteAccess.h"
#include "platform/SettingsStore.h"
#include "tariff/EntryScale.h"

namespace varnolt {

PhonebookTreeLogic::PhonebookTreeLogic(SettingsStore& store, RemoteAccess& dialer,
                                       const Locale& locale, SheetHost& host,
                                       PhonebookTreeView& view)
    : m_store(store), m_dialer(dialer), m_locale(locale), m_host(host), m_view(view) {
    m_handlers[kCmdNewEntry] = [this](const TreeItemContext&) { NewEntry(); };
    m_handlers[kCmdEditEntry] = [this](const TreeItemContext& selected) { EditEntry(selected); };
    for (const ScaleChoice& choice : kScaleChoices) {
        m_handlers[choice.command] = [this, &choice](const TreeItemContext& selected) {
            ChooseScale(choice, selected);
        };
    }
}

void PhonebookTreeLogic::InstallHandler(int command, Handler handler) {
    if (handler) {
        m_handlers[command] = std::move(handler);
    } else {
        m_handlers.erase(command);
    }
    UpdateDialButton();
}

bool PhonebookTreeLogic::HasHandler(int command) const {
    return m_handlers.count(command) != 0;
}

void PhonebookTreeLogic::Rebuild(const std::optional<TreePath>& created) {
    const TreeNode root = PhonebookTreeBuilder(m_dialer, m_store, m_locale).Build();
    m_view.ShowTree(root, KeptTreeState(m_view.CurrentTreeState(), root, created));
}

void PhonebookTreeLogic::OnSelectionChanged(const std::optional<TreeItemContext>& selected) {
    m_selectedKind = selected ? std::optional(ClassifyTreeItem(*selected)) : std::nullopt;
    UpdateDialButton();
}

void PhonebookTreeLogic::UpdateDialButton() {
    // A button that would do nothing stays greyed, whatever is selected.
    const int command = m_selectedKind ? DialButtonCommand(*m_selectedKind) : 0;
    m_view.EnableDialButton(m_dialAllowed && command != 0 && HasHandler(command));
}

void PhonebookTreeLogic::SetDialAllowed(bool allowed) {
    m_dialAllowed = allowed;
    UpdateDialButton();
}

void PhonebookTreeLogic::PressDial(const TreeItemContext& selected) {
    if (const int command = DialButtonCommand(ClassifyTreeItem(selected))) {
        RunCommand(command, selected);
    }
}

PopupMenu PhonebookTreeLogic::ContextMenu(const TreeItemContext& selected) const {
    const TreeItemKind kind = ClassifyTreeItem(selected);
    auto available = [this](int command) { return HasHandler(command); };
    if (kind != TreeItemKind::CallFeeChild) {
        return ContextMenuFor(kind, available);
    }
    // The scale menu marks the entry's scale; the entry is two levels up.
    const std::string& entry = *selected.grandparent;
    return ContextMenuFor(kind, available, ResolveEntryScale(m_store, entry));
}

void PhonebookTreeLogic::ChooseScale(const ScaleChoice& choice, const TreeItemContext& selected) {
    // Only an item under an entry's call-fee indicator names an entry two levels up.
    if (ClassifyTreeItem(selected) != TreeItemKind::CallFeeChild) {
        return;
    }
    const std::string identifier = ScaleIdentifier(choice.scale);
    m_view.SetSelectedSiblingText(0, ScaleItemText(identifier));
    m_store.WriteString(EntrySection(*selected.grandparent), "Scale", identifier);
}

void PhonebookTreeLogic::RunCommand(int command, const TreeItemContext& selected) {
    auto it = m_handlers.find(command);
    if (it != m_handlers.end()) {
        // A copy: a handler may replace handlers while it runs.
        Handler handler = it->second;
        handler(selected);
    }
}

void PhonebookTreeLogic::OnDoubleClick(const TreeItemContext& item) {
    const DoubleClickAction action = DoubleClickFor(ClassifyTreeItem(item));
    switch (action.kind) {
        case DoubleClickAction::Kind::SelectPage:
            m_host.SendNotification(WM_SELECT_PAGE, action.value);
            if (ClassifyTreeItem(item) == TreeItemKind::CallFeeChild) {
                SelectEntryScale(*item.grandparent);
            }
            break;
        case DoubleClickAction::Kind::Command:
            RunCommand(action.value, item);
            break;
        case DoubleClickAction::Kind::None:
            break;
    }
}

void PhonebookTreeLogic::SelectEntryScale(const std::string& entry) {
    const std::optional<ScaleId> scale = ScaleFromIdentifier(ResolveEntryScale(m_store, entry));
    const auto at = std::find(kAllScales.begin(), kAllScales.end(), scale);
    if (at != kAllScales.end()) {
        m_host.SendNotification(WM_SELECT_SCALE, static_cast<int>(at - kAllScales.begin()));
    }
}

void PhonebookTreeLogic::OnDeleteKey(const TreeItemContext& selected) {
    if (int command = DeleteKeyCommand(ClassifyTreeItem(selected))) {
        RunCommand(command, selected);
    }
}

void PhonebookTreeLogic::OnInsertKey(const TreeItemContext& selected) {
    if (int command = InsertKeyCommand(ClassifyTreeItem(selected))) {
        RunCommand(command, selected);
    }
}

bool PhonebookTreeLogic::OnEnterKey(const TreeItemContext& selected) {
    const int command = EnterKeyCommand(ClassifyTreeItem(selected));
    if (command != 0) {
        RunCommand(command, selected);
    }
    return command != 0;
}

void PhonebookTreeLogic::NewEntry() {
    // The dialog's result is not examined: the rebuild shows what it did, with
    // the entry that was not there before selected.
    const std::vector<std::string> before = m_view.BranchTexts(RootChild::Phonebook);
    m_dialer.CreateEntryDialog();
    std::optional<TreePath> created;
    for (const std::string& name : m_dialer.EnumEntries()) {
        if (std::find(before.begin(), before.end(), name) == before.end()) {
            created = TreePath{std::string(kRootText), std::string(kPhonebookText), name};
            break;
        }
    }
    Rebuild(created);
    m_host.SendNotification(WM_RELOAD_AUTOCONNECT, 0);
}

void PhonebookTreeLogic::EditEntry(const TreeItemContext& selected) {
    // A renamed entry keeps its old name in the tree until the next rebuild.
    m_dialer.EditEntryDialog(selected.text);
}

}  // namespace varnolt
