#include "CTreePage.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <utility>

#include "PhonebookControls.h"
#include "TreeIcons.h"
#include "TreeItemData.h"
#include "TreeStateKeeper.h"
#include "connection/CAutolaunchDlg.h"
#include "connection/CDialDlg.h"
#include "connection/CLoginSettingsDlg.h"
#include "connection/TreeCommands.h"
#include "provider/CProviderDialog.h"
#include "qt/CoreText.h"

namespace varnolt {

namespace {

constexpr int kProgressMaximum = 10;

// The root's children in the order the tree shows them.
constexpr RootChild kRootChildren[] = {RootChild::OverallIndicator, RootChild::Phonebook,
                                       RootChild::Provider};

// Sets the text of a child by position; a missing parent or child is skipped.
void SetChildText(QTreeWidgetItem* parent, int position, const std::string& text) {
    if (QTreeWidgetItem* child = parent != nullptr ? parent->child(position) : nullptr) {
        SetItemText(child, text);
    }
}

}  // namespace

CTreePage::CTreePage(SettingsStore& store, RemoteAccess& dialer, const Locale& locale,
                     Prompts& prompts, SheetHost& host, QWidget* parent)
    : CSheetPage(parent),
      m_store(store),
      m_dialer(dialer),
      m_locale(locale),
      m_host(host),
      m_prompts(prompts),
      m_logic(store, dialer, locale, host, static_cast<PhonebookTreeView&>(*this)),
      m_loginSettings(store, dialer, *this, *this),
      m_autolaunch(store, prompts, *this, *this),
      m_entries({store, dialer, locale, prompts, *this, host}, m_logic),
      m_providers(store, prompts, *this, *this, host),
      m_autoconnect(store, dialer, prompts, *this, m_logic),
      m_presentMenu([](QMenu& menu, const QPoint& globalPos) { return menu.exec(globalPos); }) {
    setObjectName("CTreePage");
    m_loginSettings.InstallInto(m_logic);
    m_autolaunch.InstallInto(m_logic);
    m_entries.InstallInto(m_logic);
    m_providers.InstallInto(m_logic);
}

CTreePage::~CTreePage() = default;

void CTreePage::InstallDialing(const Clock& clock, Timers& timers, Sound& sound, Shell& shell,
                               SheetWindow& sheet, CallLock& callLock) {
    m_connection = std::make_unique<ConnectionMachine>(
        ConnectionMachine::Services{m_store, m_dialer, clock, timers, m_locale, sound, shell,
                                    m_prompts, callLock},
        ConnectionMachine::Views{*this, *this, *this, m_host, sheet});
    m_connection->InstallInto(m_logic);
}

bool CTreePage::IsConnected() const {
    return m_connection != nullptr && m_connection->IsConnected();
}

void CTreePage::OnMenuHangUp() {
    if (m_connection != nullptr) {
        m_connection->MenuHangUp();
    }
}

bool CTreePage::MayClose() {
    return m_connection == nullptr || m_connection->MayClose();
}

void CTreePage::OnSheetClosing() {
    if (m_connection != nullptr) {
        m_connection->ProgramEnds();
    }
}

QIcon CTreePage::RoleIcon(ImageRole role) {
    return TreeRoleIcon(role);
}

void CTreePage::OnInitPage() {
    const PhonebookControls controls = MakePhonebookControls(*this);
    m_tree = controls.tree;
    m_status = controls.status;
    m_progress = controls.progress;
    m_dial = controls.dial;
    m_cancel = controls.cancel;
    m_tree->installEventFilter(this);
    m_tree->viewport()->installEventFilter(this);

    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &CTreePage::OnSelectionChanged);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int) { m_logic.OnDoubleClick(ContextOf(item)); });
    connect(m_dial, &QPushButton::clicked, this, [this] {
        if (auto selected = SelectedContext()) {
            m_logic.PressDial(*selected);
        }
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_logic.RunCommand(kCmdCancel, SelectedContext().value_or(TreeItemContext{}));
    });

    m_status->setText(CoreText(ConnectionMachine::kIdleText));
    for (int role = 0; role < kImageRoleCount; ++role) {
        m_images[role] = RoleIcon(static_cast<ImageRole>(role));
    }
    m_logic.Rebuild();
    m_progress->setRange(0, kProgressMaximum);
    m_progress->setValue(0);
    m_cancel->setEnabled(false);
}

void CTreePage::showEvent(QShowEvent* event) {
    CSheetPage::showEvent(event);  // the first time, builds the tree
    // The page is first shown as its sheet is: queued, the run comes once the
    // sheet is on screen, so a dial dialog has a visible parent, and before any
    // input the sheet can receive.
    if (std::exchange(m_autoconnectDue, false)) {
        QMetaObject::invokeMethod(
            this, [this] { m_autoconnect.Run(); }, Qt::QueuedConnection);
    }
}

void CTreePage::OnReloadPhonebook() {
    // Before set-up there is no tree yet; set-up builds it from the store.
    if (IsInitialised()) {
        m_logic.Rebuild();
    }
}

void CTreePage::InstallCommandHandler(int command, PhonebookTreeLogic::Handler handler) {
    m_logic.InstallHandler(command, std::move(handler));
}

void CTreePage::SetMenuPresenter(MenuPresenter presenter) {
    m_presentMenu = std::move(presenter);
}

QTreeWidgetItem* CTreePage::MakeItem(const TreeNode& node) const {
    auto* item = new QTreeWidgetItem;
    FillItem(item, node);
    return item;
}

void CTreePage::FillItem(QTreeWidgetItem* item, const TreeNode& node) const {
    SetItemText(item, node.text);
    item->setIcon(0, m_images[static_cast<int>(node.image)]);
    if (node.placeholder) {
        item->setData(0, kPlaceholderRole, true);
        QFont font = item->font(0);
        font.setItalic(true);
        item->setFont(0, font);
        item->setForeground(0, m_tree->palette().placeholderText());
    }
    if (!node.note.empty()) {
        item->setToolTip(0, CoreText(node.note));
        QFont font = item->font(0);
        font.setBold(true);
        item->setFont(0, font);
    }
    if (!node.children.empty()) {
        QList<QTreeWidgetItem*> children;
        children.reserve(static_cast<qsizetype>(node.children.size()));
        for (const TreeNode& child : node.children) {
            children.append(MakeItem(child));
        }
        item->addChildren(children);
    }
}

void CTreePage::ShowTree(const TreeNode& root, const TreeState& state) {
    if (m_tree == nullptr) {
        return;
    }
    m_tree->setUpdatesEnabled(false);
    {
        const QSignalBlocker blocker(m_tree);
        const int scroll = m_tree->verticalScrollBar()->value();
        m_tree->clear();
        m_tree->addTopLevelItem(MakeItem(root));
        TreeStateKeeper(*m_tree).Restore(state, scroll);
    }
    m_tree->setUpdatesEnabled(true);
    OnSelectionChanged();
}

TreeState CTreePage::CurrentTreeState() const {
    return m_tree != nullptr ? TreeStateKeeper(*m_tree).Current() : TreeState{};
}

void CTreePage::SelectPath(const TreePath& path) {
    if (m_tree != nullptr) {
        TreeStateKeeper(*m_tree).Reveal(path);
    }
}

void CTreePage::EnableDialButton(bool enable) {
    if (m_dial != nullptr) {
        m_dial->setEnabled(enable);
    }
}

void CTreePage::SetSelectedSiblingText(int position, const std::string& text) {
    QTreeWidgetItem* selected = SelectedItem();
    SetChildText(selected != nullptr ? selected->parent() : nullptr, position, text);
}

namespace {

// Sets the texts of an indicator's costs and last-connect items, its children
// at `first` and the one after.
void SetTotalsTexts(QTreeWidgetItem* indicator, int first, const std::string& costs,
                    const std::string& lastConnect) {
    if (indicator == nullptr || indicator->childCount() < first + 2) {
        return;
    }
    SetItemText(indicator->child(first), costs);
    SetItemText(indicator->child(first + 1), lastConnect);
}

}  // namespace

QTreeWidgetItem* CTreePage::RootChild(int position) const {
    QTreeWidgetItem* root = m_tree != nullptr ? m_tree->topLevelItem(0) : nullptr;
    return root != nullptr ? root->child(position) : nullptr;
}

void CTreePage::SetOverallTotals(const std::string& costs, const std::string& lastConnect) {
    SetTotalsTexts(RootChild(0), 0, costs, lastConnect);
}

QTreeWidgetItem* CTreePage::EntryItem(const std::string& entryName) const {
    QTreeWidgetItem* phonebook = RootChild(1);
    for (int i = 0; phonebook != nullptr && i < phonebook->childCount(); ++i) {
        if (!IsPlaceholder(phonebook->child(i)) && ExactText(phonebook->child(i)) == entryName) {
            return phonebook->child(i);
        }
    }
    return nullptr;
}

bool CTreePage::SetEntryTotals(const std::string& entryName, const std::string& costs,
                               const std::string& lastConnect) {
    QTreeWidgetItem* entry = EntryItem(entryName);
    if (entry == nullptr) {
        return false;
    }
    // The third child is the call-fee indicator; after its scale item come
    // the costs and the last connect.
    SetTotalsTexts(entry->child(2), 1, costs, lastConnect);
    return true;
}

void CTreePage::SetEntryLoginText(const std::string& entryName, int position,
                                  const std::string& text) {
    QTreeWidgetItem* entry = EntryItem(entryName);
    SetChildText(entry != nullptr ? entry->child(0) : nullptr, position, text);
}

void CTreePage::ShowStatus(const std::string& text, const std::string& toolTip) {
    if (m_status != nullptr) {
        m_status->setText(CoreText(text));
        m_status->setToolTip(CoreText(toolTip));
    }
}

void CTreePage::SetProgressRange(int maximum) {
    if (m_progress != nullptr) {
        m_progress->setRange(0, maximum);
    }
}

void CTreePage::SetProgress(int position) {
    if (m_progress != nullptr) {
        m_progress->setValue(position);
    }
}

void CTreePage::EnableDialing(bool enable) {
    if (m_tree != nullptr) {
        m_tree->setEnabled(enable);
    }
    m_logic.SetDialAllowed(enable);
}

void CTreePage::EnableCancel(bool enable) {
    if (m_cancel != nullptr) {
        m_cancel->setEnabled(enable);
    }
}

void CTreePage::SetSelectedChildText(int position, const std::string& text) {
    SetChildText(SelectedItem(), position, text);
}

void CTreePage::AddSelectedChild(const TreeNode& child) {
    if (QTreeWidgetItem* selected = SelectedItem()) {
        selected->addChild(MakeItem(child));
    }
}

void CTreePage::ExpandSelected() {
    if (QTreeWidgetItem* selected = SelectedItem()) {
        selected->setExpanded(true);
    }
}

void CTreePage::ReplaceSelected(const TreeNode& node) {
    QTreeWidgetItem* selected = SelectedItem();
    if (selected == nullptr) {
        return;
    }
    qDeleteAll(selected->takeChildren());
    FillItem(selected, node);
}

void CTreePage::DeleteSelectedSibling(int position) {
    QTreeWidgetItem* selected = SelectedItem();
    QTreeWidgetItem* parent = selected != nullptr ? selected->parent() : nullptr;
    if (parent != nullptr && position >= 0 && position < parent->childCount()) {
        delete parent->takeChild(position);
    }
}

void CTreePage::DeleteSelected() {
    delete SelectedItem();
}

QTreeWidgetItem* CTreePage::BranchItem(varnolt::RootChild branch) const {
    return RootChild(branch == varnolt::RootChild::Phonebook ? 1 : 2);
}

std::vector<std::string> CTreePage::BranchTexts(varnolt::RootChild branch) const {
    std::vector<std::string> texts;
    if (QTreeWidgetItem* item = BranchItem(branch)) {
        for (int i = 0; i < item->childCount(); ++i) {
            if (!IsPlaceholder(item->child(i))) {
                texts.push_back(ExactText(item->child(i)));
            }
        }
    }
    return texts;
}

std::optional<TreeItemContext> CTreePage::SelectBranchChild(varnolt::RootChild branch,
                                                            int position) {
    QTreeWidgetItem* item = BranchItem(branch);
    QTreeWidgetItem* child = item != nullptr ? item->child(position) : nullptr;
    if (child == nullptr) {
        return std::nullopt;
    }
    m_tree->setCurrentItem(child);
    return ContextOf(child);
}

std::optional<LoginSettings> CTreePage::EditLoginSettings(const LoginSettings& initial) {
    CLoginSettingsDlg dialog(initial, m_prompts, this);
    return dialog.exec() == QDialog::Accepted ? std::optional(dialog.Settings()) : std::nullopt;
}

std::optional<DialCredentials> CTreePage::AskDialCredentials(const std::string& entryName,
                                                             const DialCredentials& initial) {
    CDialDlg dialog(entryName, initial, m_prompts, this);
    return dialog.exec() == QDialog::Accepted ? std::optional(dialog.Credentials()) : std::nullopt;
}

std::optional<AutolaunchApplication> CTreePage::EditAutolaunchApplication(
    const AutolaunchApplication& initial) {
    CAutolaunchDlg dialog(initial, m_prompts, this);
    return dialog.exec() == QDialog::Accepted ? std::optional(dialog.Application()) : std::nullopt;
}

std::optional<std::string> CTreePage::AskNewEntryName(const std::string& entryName) {
    QInputDialog dialog(this);
    dialog.setObjectName("renameEntryDialog");
    dialog.setWindowTitle(tr("Rename entry"));
    dialog.setLabelText(tr("New name for '%1':").arg(QString::fromStdString(entryName)));
    dialog.setTextValue(QString::fromStdString(entryName));
    return dialog.exec() == QDialog::Accepted ? std::optional(dialog.textValue().toStdString())
                                              : std::nullopt;
}

bool CTreePage::EditProvider(std::string& description, int number) {
    CProviderDialog dialog(description, number, m_store, m_dialer, m_prompts, this);
    return dialog.exec() == QDialog::Accepted;
}

QTreeWidgetItem* CTreePage::SelectedItem() const {
    const QList<QTreeWidgetItem*> selected = m_tree->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

TreeItemContext CTreePage::ContextOf(const QTreeWidgetItem* item) const {
    TreeItemContext context;
    context.text = ExactText(item);
    context.placeholder = IsPlaceholder(item);
    const QTreeWidgetItem* parent = item->parent();
    if (parent == nullptr) {
        return context;
    }
    context.parent = ExactText(parent);
    if (parent == m_tree->topLevelItem(0)) {
        const int position = parent->indexOfChild(const_cast<QTreeWidgetItem*>(item));
        if (position >= 0 && position < std::ssize(kRootChildren)) {
            context.rootChild = kRootChildren[position];
        }
    }
    if (const QTreeWidgetItem* grandparent = parent->parent()) {
        context.grandparent = ExactText(grandparent);
        if (const QTreeWidgetItem* greatGrandparent = grandparent->parent()) {
            context.greatGrandparent = ExactText(greatGrandparent);
        }
    }
    return context;
}

std::optional<TreeItemContext> CTreePage::SelectedContext() const {
    if (m_tree == nullptr) {
        return std::nullopt;
    }
    const QTreeWidgetItem* item = SelectedItem();
    return item == nullptr ? std::nullopt : std::optional(ContextOf(item));
}

void CTreePage::OnSelectionChanged() {
    m_logic.OnSelectionChanged(SelectedContext());
}

void CTreePage::OnKeyboardMenu() {
    QTreeWidgetItem* item = SelectedItem();
    if (item == nullptr) {
        return;
    }
    m_tree->scrollToItem(item);
    // Below the item's picture, where a click would have opened it.
    const QRect rect = m_tree->visualItemRect(item);
    const QPoint pos(rect.left() + m_tree->iconSize().width(), rect.bottom());
    OnContextMenu(pos, m_tree->viewport()->mapToGlobal(pos));
}

void CTreePage::OnContextMenu(const QPoint& viewportPos, const QPoint& globalPos) {
    // A click on an item selects it; on empty space the selection stays.
    if (QTreeWidgetItem* hit = m_tree->itemAt(viewportPos)) {
        m_tree->setCurrentItem(hit);
    }
    const std::optional<TreeItemContext> selected = SelectedContext();
    if (!selected) {
        return;
    }
    const PopupMenu items = m_logic.ContextMenu(*selected);
    if (items.empty()) {
        return;
    }
    QMenu menu(this);
    menu.setObjectName("phonebookMenu");
    FillPopupMenu(menu, items);
    QAction* chosen = m_presentMenu ? m_presentMenu(menu, globalPos) : nullptr;
    if (chosen != nullptr && chosen->isEnabled()) {
        m_logic.RunCommand(chosen->data().toInt(), *selected);
    }
}

bool CTreePage::eventFilter(QObject* watched, QEvent* event) {
    if (m_tree != nullptr && watched == m_tree->viewport() &&
        event->type() == QEvent::ContextMenu) {
        auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        OnContextMenu(menuEvent->pos(), menuEvent->globalPos());
        return true;
    }
    if (m_tree != nullptr && watched == m_tree->viewport() && event->type() == QEvent::Resize) {
        // The column is as wide as its longest text, but never narrower than
        // the view, so a selected row is highlighted across the whole view.
        m_tree->header()->setMinimumSectionSize(m_tree->viewport()->width());
    }
    if (m_tree != nullptr && watched == m_tree && event->type() == QEvent::ContextMenu) {
        OnKeyboardMenu();  // the Menu key: mouse clicks reach the viewport
        return true;
    }
    if (m_tree != nullptr && watched == m_tree && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            OnKeyboardMenu();
            return true;
        }
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && SelectedContext() && m_logic.OnEnterKey(*SelectedContext())) {
            return true;
        }
        if (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Insert) {
            if (auto selected = SelectedContext()) {
                if (key->key() == Qt::Key_Delete) {
                    m_logic.OnDeleteKey(*selected);
                } else {
                    m_logic.OnInsertKey(*selected);
                }
            }
            return true;
        }
    }
    return CSheetPage::eventFilter(watched, event);
}

}  // namespace varnolt
