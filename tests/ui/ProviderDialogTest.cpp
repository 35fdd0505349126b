#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLineEdit>
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

// The root's text, " +" when it is expanded, and the entries under it.
QStringList Shown(QTreeWidget* tree) {
    const QTreeWidgetItem* root = tree->topLevelItem(0);
    QStringList texts{root->text(0) + (root->isExpanded() ? " +" : "")};
    for (int i = 0; i < root->childCount(); ++i) {
        texts << root->child(i)->text(0);
    }
    return texts;
}

struct ProviderDialogUi : ::testing::Test {
    ProviderDialogUi() { dialog.show(); }
    QTreeWidget* Tree(const char* name) { return Child<QTreeWidget>(&dialog, name); }
    QTreeWidgetItem* Entry(const char* tree, int index) {
        return Tree(tree)->topLevelItem(0)->child(index);
    }

    test::MemorySettingsStore store;
    test::ScriptedDialer dialer = [] {
        test::ScriptedDialer phonebook;
        for (const char* entry : {"E1", "E2", "E3"}) {
            phonebook.AddEntry(entry);
        }
        return phonebook;
    }();
    test::ScriptedPrompts prompts;
    std::string description;
    CProviderDialog dialog{description, 0, store, dialer, prompts};
};

TEST_F(ProviderDialogUi, EntriesMoveBothWaysInTheOrderMoved) {
    QTreeWidget* available = Tree("availableTree");
    QTreeWidget* members = Tree("providerTree");
    auto* add = Child<QPushButton>(&dialog, "addButton");
    EXPECT_EQ(dialog.windowTitle(), "Provider");
    EXPECT_EQ(Shown(members), QStringList{"Provider"});

    // With nothing or a root selected nothing moves.
    add->click();
    available->setCurrentItem(available->topLevelItem(0));
    add->click();
    emit members->itemDoubleClicked(members->topLevelItem(0), 0);
    EXPECT_EQ(Shown(available), (QStringList{"Phonebook +", "E1", "E2", "E3"}));

    available->setCurrentItem(Entry("availableTree", 2));
    add->click();
    emit available->itemDoubleClicked(Entry("availableTree", 0), 0);
    EXPECT_EQ(Shown(available), (QStringList{"Phonebook +", "E2"}));
    EXPECT_EQ(Shown(members), (QStringList{"Provider +", "E3", "E1"}));

    members->setCurrentItem(Entry("providerTree", 0));
    Child<QPushButton>(&dialog, "removeButton")->click();
    emit members->itemDoubleClicked(Entry("providerTree", 0), 0);
    EXPECT_EQ(Shown(available), (QStringList{"Phonebook +", "E2", "E3", "E1"}));
}

TEST_F(ProviderDialogUi, OkSaysWhatIsWrongAndStaysOpenUntilItCanSave) {
    store.WriteInt("_Provider List_", "nCount", 1);
    store.WriteString("_Provider List_", "Provider #1", "City Net");
    auto* edit = Child<QLineEdit>(&dialog, "descriptionEdit");
    auto* ok = Child<QDialogButtonBox>(&dialog, "buttons")->button(QDialogButtonBox::Ok);
    ok->click();
    edit->setText("City Net");
    ok->click();
    emit Tree("availableTree")->itemDoubleClicked(Entry("availableTree", 1), 0);
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

    edit->setText("City Net 2");
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(description, "City Net 2");
    EXPECT_EQ(store.ReadString("Provider City Net 2", "Phonebook #1", "-"), "E2");
}

}  // namespace
}  // namespace varnolt
