#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>

#include "MemorySettingsStore.h"
#include "ScriptedDialer.h"
#include "ScriptedPrompts.h"
#include "WidgetLookup.h"
#include "provider/CProviderDialog.h"

namespace varnolt {
namespace {

using test::Child;

// The texts under a list's root, and whether the root is expanded.
QStringList Shown(QTreeWidget* tree) {
    QStringList texts;
    const QTreeWidgetItem* root = tree->topLevelItem(0);
    texts << root->text(0) + (root->isExpanded() ? " +" : "");
    for (int i = 0; i < root->childCount(); ++i) {
        texts << root->child(i)->text(0);
    }
    return texts;
}

void DoubleClick(QTreeWidget* tree, QTreeWidgetItem* item) {
    tree->scrollToItem(item);
    const QPoint pos = tree->visualItemRect(item).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const bool down = type != QEvent::MouseButtonRelease;
        QMouseEvent event(type, pos, tree->viewport()->mapToGlobal(pos), Qt::LeftButton,
                          down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(tree->viewport(), &event);
    }
}

struct ProviderDialogUi : ::testing::Test {
    ProviderDialogUi() {
        for (const char* entry : {"E1", "E2", "E3"}) {
            dialer.AddEntry(entry);
        }
    }

    test::MemorySettingsStore store;
    test::ScriptedDialer dialer;
    test::ScriptedPrompts prompts;
    std::string description;
};

TEST_F(ProviderDialogUi, EntriesMoveBothWaysInTheOrderMoved) {
    CProviderDialog dialog(description, 0, store, dialer, prompts);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Provider");
    auto* available = Child<QTreeWidget>(&dialog, "availableTree");
    auto* members = Child<QTreeWidget>(&dialog, "providerTree");
    auto* add = Child<QPushButton>(&dialog, "addButton");
    auto* remove = Child<QPushButton>(&dialog, "removeButton");
    EXPECT_EQ(Shown(available), (QStringList{"Phonebook +", "E1", "E2", "E3"}));
    EXPECT_EQ(Shown(members), QStringList{"Provider"});

    // Nothing or a root selected: nothing moves.
    add->click();
    available->setCurrentItem(available->topLevelItem(0));
    add->click();
    DoubleClick(members, members->topLevelItem(0));
    EXPECT_EQ(Shown(members), QStringList{"Provider"});

    available->setCurrentItem(available->topLevelItem(0)->child(2));
    add->click();
    DoubleClick(available, available->topLevelItem(0)->child(0));
    EXPECT_EQ(Shown(available), (QStringList{"Phonebook +", "E2"}));
    EXPECT_EQ(Shown(members), (QStringList{"Provider +", "E3", "E1"}));

    members->setCurrentItem(members->topLevelItem(0)->child(0));
    remove->click();
    DoubleClick(members, members->topLevelItem(0)->child(0));
    EXPECT_EQ(Shown(available), (QStringList{"Phonebook +", "E2", "E3", "E1"}));
    EXPECT_EQ(Shown(members), (QStringList{"Provider +"}));
}

TEST_F(ProviderDialogUi, OkSaysWhatIsWrongAndStaysOpenUntilItCanSave) {
    store.WriteInt("_Provider List_", "nCount", 1);
    store.WriteString("_Provider List_", "Provider #1", "City Net");
    CProviderDialog dialog(description, 0, store, dialer, prompts);
    dialog.show();
    auto* edit = Child<QLineEdit>(&dialog, "descriptionEdit");
    auto* available = Child<QTreeWidget>(&dialog, "availableTree");
    auto* ok = Child<QDialogButtonBox>(&dialog, "buttons")->button(QDialogButtonBox::Ok);

    ok->click();
    edit->setText("City Net");
    ok->click();
    DoubleClick(available, available->topLevelItem(0)->child(1));
    ok->click();
    std::vector<std::string> messages;
    for (const auto& shown : prompts.shown()) {
        EXPECT_EQ(shown.title, "Error...");
        EXPECT_EQ(shown.icon, PromptIcon::Stop);
        messages.push_back(shown.text);
    }
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "Description for this provider missing !",
                            "At least to have to add one phonebook entry to the provider list !",
                            "This decsription is in use by another provider !\n\n"
                            "Change the description for this one !"}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(store.ReadInt("_Provider List_", "nCount", 0), 1);

    edit->setText("City Net 2");
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(description, "City Net 2");
    EXPECT_EQ(store.ReadString("Provider City Net 2", "Phonebook #1", "-"), "E2");
}

}  // namespace
}  // namespace varnolt
