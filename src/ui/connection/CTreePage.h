#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include <QIcon>

#include "app/CSheetPage.h"
#include "connection/AutolaunchCommands.h"
#include "connection/ConnectionDialogs.h"
#include "connection/ConnectionMachine.h"
#include "connection/ConnectionView.h"
#include "connection/EntryCommands.h"
#include "connection/LoginSettingsCommand.h"
#include "connection/PhonebookTreeLogic.h"
#include "connection/PhonebookTreeView.h"
#include "provider/AutoconnectStartup.h"
#include "provider/ProviderCommands.h"
#include "provider/ProviderDialogs.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace varnolt {

class Locale;
class Prompts;
class RemoteAccess;
class SettingsStore;
class SheetHost;

// The Phonebook page: the tree of entries and providers with its menus, keys
// and double clicks, the connection status line, the redial progress bar and
// the "&Dial" and "Cancel" buttons. What an item means and what a command does
// is decided by PhonebookTreeLogic; this page moves data between it and Qt.
// It also runs the dialogs its commands open.
class CTreePage final : public CSheetPage,
                        private PhonebookTreeView,
                        private ConnectionDialogs,
                        private ProviderDialogs,
                        private ConnectionView {
    Q_OBJECT
public:
    // Shows a built context menu and returns the chosen action (nullptr: none).
    using MenuPresenter = std::function<QAction*(QMenu& menu, const QPoint& globalPos)>;

    CTreePage(SettingsStore& store, RemoteAccess& dialer, const Locale& locale, Prompts& prompts,
              SheetHost& host, QWidget* parent = nullptr);
    ~CTreePage() override;

    void OnReloadPhonebook() override;

    // Dialing, with what a call reaches beyond the page. Until then "&Dial"
    // and "Cancel" do nothing.
    void InstallDialing(const Clock& clock, Timers& timers, Sound& sound, Shell& shell,
                        SheetWindow& sheet, CallLock& callLock);
    // The call's state; nullptr before InstallDialing.
    ConnectionMachine* Connection() const { return m_connection.get(); }

    // Whether the stored autoconnect choice is dialed when the page is first
    // shown; it is unless turned off before.
    void SetAutoconnectAtStartup(bool run) { m_autoconnectDue = run; }

    bool IsConnected() const override;
    void OnMenuHangUp() override;
    bool MayClose() override;
    void OnSheetClosing() override;

    // Capabilities hand in the commands they carry out.
    void InstallCommandHandler(int command, PhonebookTreeLogic::Handler handler);
    // Replaces the modal menu (tests record the menu instead of running it).
    void SetMenuPresenter(MenuPresenter presenter);

    QTreeWidget* Tree() const { return m_tree; }
    // The tree as core logic sees it (the end-of-call accounting rewrites its totals).
    PhonebookTreeView& TreeView() { return *this; }
    // The picture of an image role, 16 by 16.
    static QIcon RoleIcon(ImageRole role);

protected:
    void OnInitPage() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowTree(const TreeNode& root, const TreeState& state) override;
    TreeState CurrentTreeState() const override;
    void SelectPath(const TreePath& path) override;
    void EnableDialButton(bool enable) override;
    void SetSelectedSiblingText(int position, const std::string& text) override;
    void SetOverallTotals(const std::string& costs, const std::string& lastConnect) override;
    bool SetEntryTotals(const std::string& entryName, const std::string& costs,
                        const std::string& lastConnect) override;
    void SetEntryLoginText(const std::string& entryName, int position,
                           const std::string& text) override;
    void SetSelectedChildText(int position, const std::string& text) override;
    void AddSelectedChild(const TreeNode& child) override;
    void ExpandSelected() override;
    void ReplaceSelected(const TreeNode& node) override;
    void DeleteSelectedSibling(int position) override;
    void DeleteSelected() override;
    std::vector<std::string> BranchTexts(varnolt::RootChild branch) const override;
    std::optional<TreeItemContext> SelectBranchChild(varnolt::RootChild branch,
                                                     int position) override;

    std::optional<LoginSettings> EditLoginSettings(const LoginSettings& initial) override;
    std::optional<DialCredentials> AskDialCredentials(const std::string& entryName,
                                                      const DialCredentials& initial) override;
    std::optional<AutolaunchApplication> EditAutolaunchApplication(
        const AutolaunchApplication& initial) override;
    std::optional<std::string> AskNewEntryName(const std::string& entryName) override;
    bool EditProvider(std::string& description, int number) override;

    void ShowStatus(const std::string& text, const std::string& toolTip) override;
    void SetProgressRange(int maximum) override;
    void SetProgress(int position) override;
    void EnableDialing(bool enable) override;
    void EnableCancel(bool enable) override;

    QTreeWidgetItem* MakeItem(const TreeNode& node) const;
    // Gives an item the node's text, picture and children.
    void FillItem(QTreeWidgetItem* item, const TreeNode& node) const;
    // The entry item of that exact name under "Phonebook"; nullptr for none.
    QTreeWidgetItem* EntryItem(const std::string& entryName) const;
    QTreeWidgetItem* SelectedItem() const;
    // A root child by position; nullptr before the tree is built.
    QTreeWidgetItem* RootChild(int position) const;
    // The root's "Phonebook" or "Provider" item; nullptr before the tree is built.
    QTreeWidgetItem* BranchItem(varnolt::RootChild branch) const;
    TreeItemContext ContextOf(const QTreeWidgetItem* item) const;
    std::optional<TreeItemContext> SelectedContext() const;
    void OnContextMenu(const QPoint& viewportPos, const QPoint& globalPos);
    // The selected item's menu, at the item.
    void OnKeyboardMenu();
    void OnSelectionChanged();

    SettingsStore& m_store;
    RemoteAccess& m_dialer;
    const Locale& m_locale;
    SheetHost& m_host;
    Prompts& m_prompts;
    PhonebookTreeLogic m_logic;
    LoginSettingsCommand m_loginSettings;
    AutolaunchCommands m_autolaunch;
    EntryCommands m_entries;
    ProviderCommands m_providers;
    AutoconnectStartup m_autoconnect;
    bool m_autoconnectDue = true;
    std::unique_ptr<ConnectionMachine> m_connection;
    MenuPresenter m_presentMenu;
    std::array<QIcon, kImageRoleCount> m_images;

    QTreeWidget* m_tree = nullptr;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_dial = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace varnolt
