#include "CProviderDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/DialogParts.h"
#include "app/SvgPixmap.h"

namespace varnolt {

namespace {

enum Image { kEntryImage, kPhonebookImage, kProviderImage };

QTreeWidget* EntryTree(QWidget* parent, const char* name) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(name);
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setIconSize(QSize(16, 16));
    return tree;
}

// A label naming its field, also to a screen reader: item views take no name
// from their buddy.
QLabel* BuddyLabel(const QString& text, const char* name, QWidget* field) {
    auto* label = new QLabel(text, field->parentWidget());
    label->setObjectName(name);
    label->setBuddy(field);
    field->setAccessibleName(text);
    return label;
}

QPushButton* MoveButton(QWidget* parent, const QString& text, const char* name,
                        const QString& accessibleName) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    // ">>" and "<<" say nothing when read out.
    button->setAccessibleName(accessibleName);
    return button;
}

// The item's place under its list's root; none for the root.
std::optional<int> EntryIndex(QTreeWidgetItem& item) {
    return item.parent() != nullptr ? std::optional(item.parent()->indexOfChild(&item))
                                    : std::nullopt;
}

}  // namespace

CProviderDialog::CProviderDialog(std::string& description, int number, SettingsStore& store,
                                 RemoteAccess& dialer, Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      m_logic(store, dialer, prompts, *this, description, number),
      m_images{SvgIcon(":/icons/tree/entry.svg"), SvgIcon(":/icons/tree/phonebook.svg"),
               SvgIcon(":/icons/tree/provider.svg")} {
    setObjectName("CProviderDialog");
    setWindowTitle(tr("Provider"));

    // Created in visual order, which is the tab order.
    m_description = FreeTextEdit(this, "descriptionEdit");
    m_available = EntryTree(this, "availableTree");
    auto* add = MoveButton(this, ">>", "addButton", tr("Add to provider"));
    auto* remove = MoveButton(this, "<<", "removeButton", tr("Remove from provider"));
    m_members = EntryTree(this, "providerTree");

    auto* grid = new QGridLayout;
    grid->addWidget(BuddyLabel(tr("Provider description:"), "descriptionLabel", m_description), 0,
                    0, 1, 3);
    grid->addWidget(m_description, 1, 0, 1, 3);
    grid->addWidget(BuddyLabel(tr("Available phonebook entries:"), "availableLabel", m_available),
                    2, 0);
    grid->addWidget(BuddyLabel(tr("Provider phonebook entries:"), "providerLabel", m_members), 2,
                    2);
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(add);
    moves->addWidget(remove);
    moves->addStretch();
    grid->addWidget(m_available, 3, 0);
    grid->addLayout(moves, 3, 1);
    grid->addWidget(m_members, 3, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addWidget(OkCancelButtons(*this, [this] {
        if (m_logic.Ok(m_description->text().toStdString())) {
            accept();
        }
    }));

    connect(add, &QPushButton::clicked, this,
            [this] { m_logic.Move(List::Available, SelectedEntry(List::Available)); });
    connect(remove, &QPushButton::clicked, this,
            [this] { m_logic.Move(List::Provider, SelectedEntry(List::Provider)); });
    for (List list : {List::Available, List::Provider}) {
        connect(Tree(list), &QTreeWidget::itemDoubleClicked, this,
                [this, list](QTreeWidgetItem* item) { m_logic.Move(list, EntryIndex(*item)); });
    }

    m_logic.Open();
}

void CProviderDialog::SetDescription(const std::string& text) {
    m_description->setText(QString::fromStdString(text));
}

QTreeWidget* CProviderDialog::Tree(List list) const {
    return list == List::Available ? m_available : m_members;
}

QTreeWidgetItem* CProviderDialog::Root(List list) const {
    return Tree(list)->topLevelItem(0);
}

std::optional<int> CProviderDialog::SelectedEntry(List list) const {
    const QList<QTreeWidgetItem*> selected = Tree(list)->selectedItems();
    return selected.isEmpty() ? std::nullopt : EntryIndex(*selected.first());
}

QTreeWidgetItem* CProviderDialog::EntryItem(const std::string& name) const {
    auto* item = new QTreeWidgetItem({QString::fromStdString(name)});
    item->setIcon(0, m_images[kEntryImage]);
    return item;
}

void CProviderDialog::FillList(List list, const std::vector<std::string>& names, bool expand) {
    QTreeWidget* tree = Tree(list);
    tree->clear();
    const bool available = list == List::Available;
    auto* root = new QTreeWidgetItem({available ? tr("Phonebook") : tr("Provider")});
    root->setIcon(0, m_images[available ? kPhonebookImage : kProviderImage]);
    for (const std::string& name : names) {
        root->addChild(EntryItem(name));
    }
    tree->addTopLevelItem(root);
    root->setExpanded(expand);
}

void CProviderDialog::AppendEntry(List list, const std::string& name) {
    QTreeWidgetItem* root = Root(list);
    root->addChild(EntryItem(name));
    root->setExpanded(true);
}

void CProviderDialog::RemoveEntry(List list, int index) {
    delete Root(list)->takeChild(index);
}

}  // namespace varnolt
