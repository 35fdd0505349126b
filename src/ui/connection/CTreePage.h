#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include <QIcon>

#include "app/CSheetPage.h"
#include "connection/AutolaunchCommands.h"
#include "connection/ConnectionDialogs.h"
#include "connection/LoginSettingsCommand.h"
#include "connection/PhonebookTreeLogic.h"
#include "connection/PhonebookTreeView.h"

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
class CTreePage final : public CSheetPage, private PhonebookTreeView, private ConnectionDialogs {
    Q_OBJECT
public:
    // Shows a built context menu and returns the chosen action (nullptr: none).
    using MenuPresenter = std::function<QAction*(QMenu& menu, const QPoint& globalPos)>;

    CTreePage(SettingsStore& store, RemoteAccess& dialer, const Locale& locale, Prompts& prompts,
              SheetHost& host, QWidget* parent = nullptr);
    ~CTreePage() override;

    void OnReloadPhonebook() override;

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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowTree(const TreeNode& root) override;
    void EnableDialButton(bool enable) override;
    void SetSelectedSiblingText(int position, const std::string& text) override;
    void SetOverallTotals(const std::string& costs, const std::string& lastConnect) override;
    bool SetEntryTotals(const std::string& entryName, const std::string& costs,
                        const std::string& lastConnect) override;
    void SetSelectedChildText(int position, const std::string& text) override;
    void AddSelectedChild(const std::string& text, ImageRole image) override;
    void DeleteSelectedSibling(int position) override;

    std::optional<LoginSettings> EditLoginSettings(const LoginSettings& initial) override;
    std::optional<DialCredentials> AskDialCredentials(const std::string& entryName,
                                                      const DialCredentials& initial) override;
    std::optional<AutolaunchApplication> EditAutolaunchApplication(
        const AutolaunchApplication& initial) override;

    QTreeWidgetItem* MakeItem(const TreeNode& node) const;
    QTreeWidgetItem* SelectedItem() const;
    // A root child by position; nullptr before the tree is built.
    QTreeWidgetItem* RootChild(int position) const;
    TreeItemContext ContextOf(const QTreeWidgetItem* item) const;
    std::optional<TreeItemContext> SelectedContext() const;
    void OnContextMenu(const QPoint& viewportPos, const QPoint& globalPos);
    void OnSelectionChanged();

    Prompts& m_prompts;
    std::unique_ptr<PhonebookTreeLogic> m_logic;
    LoginSettingsCommand m_loginSettings;
    AutolaunchCommands m_autolaunch;
    MenuPresenter m_presentMenu;
    std::array<QIcon, kImageRoleCount> m_images;

    QTreeWidget* m_tree = nullptr;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_dial = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace varnolt
