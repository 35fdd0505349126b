#pragma once

#include <functional>
#include <map>
#include <optional>

#include "connection/TreeDispatch.h"
#include "connection/TreeItemKind.h"
#include "connection/TreeState.h"

namespace varnolt {

class Locale;
class PhonebookTreeView;
class RemoteAccess;
class SettingsStore;
class SheetHost;

// The Phonebook page's tree logic: builds and rebuilds the tree, decides what
// menus, double clicks and keys do with an item, and runs the commands. The
// entry commands New and Edit are its own; every other command runs through a
// handler that the capability owning it installs. Until then that command's
// menu items are greyed and its keys and double clicks do nothing.
class PhonebookTreeLogic {
public:
    using Handler = std::function<void(const TreeItemContext& selected)>;

    PhonebookTreeLogic(SettingsStore& store, RemoteAccess& dialer, const Locale& locale,
                       SheetHost& host, PhonebookTreeView& view);

    void InstallHandler(int command, Handler handler);
    bool HasHandler(int command) const;

    // Builds the tree afresh from the phonebook and the store, keeping what
    // was expanded and selected; a node just created there is selected instead.
    void Rebuild(const std::optional<TreePath>& created = std::nullopt);

    // The selection changed (nullopt: nothing selected).
    void OnSelectionChanged(const std::optional<TreeItemContext>& selected);

    // The context menu of the selected item; empty when it has none.
    PopupMenu ContextMenu(const TreeItemContext& selected) const;
    // A command chosen from a menu or pressed as a button.
    void RunCommand(int command, const TreeItemContext& selected);
    // The "&Dial" button: dials an entry or hands a provider over.
    void PressDial(const TreeItemContext& selected);
    // Whether "&Dial" may be used at all (not while a call is dialed or up).
    void SetDialAllowed(bool allowed);
    bool DialAllowed() const { return m_dialAllowed; }
    void OnDoubleClick(const TreeItemContext& item);
    void OnDeleteKey(const TreeItemContext& selected);
    void OnInsertKey(const TreeItemContext& selected);
    // Whether Enter did something; if not, it goes on to the window.
    bool OnEnterKey(const TreeItemContext& selected);

private:
    void NewEntry();
    void EditEntry(const TreeItemContext& selected);
    void ChooseScale(const ScaleChoice& choice, const TreeItemContext& selected);
    // The Scale manager, just selected, shows the entry's scale.
    void SelectEntryScale(const std::string& entry);
    void UpdateDialButton();

    SettingsStore& m_store;
    RemoteAccess& m_dialer;
    const Locale& m_locale;
    SheetHost& m_host;
    PhonebookTreeView& m_view;
    std::map<int, Handler> m_handlers;
    std::optional<TreeItemKind> m_selectedKind;
    bool m_dialAllowed = true;
};

}  // namespace varnolt
