#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <functional>

#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "WhenModal.h"
#include "WidgetLookup.h"
#include "qt/QtEntryDialog.h"
#include "qt/QtEntryDialogs.h"
#include "sim/SimulatedService.h"

namespace varnolt {
namespace {

using test::Child;
using test::Press;

class QtEntryDialogTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(m_actsRun, m_actsScheduled) << "a dialog never opened"; }

    // Acts on the modal entry dialog from inside its event loop, once it is up.
    void WhenModal(std::function<void(QtEntryDialog&)> act) {
        ++m_actsScheduled;
        test::WhenModal<QtEntryDialog>(m_watches, [this, act = std::move(act)](QtEntryDialog& d) {
            ++m_actsRun;
            act(d);
        });
    }

    EntryDialogs::Submit AddToPhonebook() {
        return [this](const PhonebookEntry& entry) { return m_phonebook.AddEntry(entry); };
    }

    test::TempDir m_dir;
    PhonebookDatabase m_phonebook{(m_dir.path() / "phonebook.db").string()};
    test::ScriptedPrompts m_prompts;
    QObject m_watches;
    int m_actsScheduled = 0;
    int m_actsRun = 0;
};

TEST_F(QtEntryDialogTest, NewEntryRefusesBadNamesAndKeepsWhatWasTyped) {
    PhonebookEntry office;
    office.name = "Office";
    ASSERT_EQ(m_phonebook.AddEntry(office), "");

    QtEntryDialog dialog(QtEntryDialog::Mode::New, PhonebookEntry{}, AddToPhonebook(), m_prompts);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "New entry");
    EXPECT_EQ(Child<QLabel>(&dialog, "device")->text(), "Simulated modem");
    EXPECT_EQ(Child<QSpinBox>(&dialog, "connectSeconds")->value(), 3);
    EXPECT_EQ(Child<QSpinBox>(&dialog, "dropSeconds")->text(), "never");
    EXPECT_FALSE(Child<QLineEdit>(&dialog, "accountUser")->isEnabled());
    EXPECT_EQ(Child<QLineEdit>(&dialog, "accountPassword")->echoMode(), QLineEdit::Password);

    auto* name = Child<QLineEdit>(&dialog, "entryName");
    Child<QLineEdit>(&dialog, "phoneNumber")->setText("030 1234");
    Child<QComboBox>(&dialog, "answer")->setCurrentIndex(static_cast<int>(LineAnswer::Busy));
    EXPECT_FALSE(Child<QSpinBox>(&dialog, "connectSeconds")->isEnabled());
    Child<QComboBox>(&dialog, "answer")->setCurrentIndex(static_cast<int>(LineAnswer::Connect));
    Child<QSpinBox>(&dialog, "connectSeconds")->setValue(7);
    Child<QSpinBox>(&dialog, "dropSeconds")->setValue(60);
    Child<QCheckBox>(&dialog, "accountRequired")->setChecked(true);
    EXPECT_TRUE(Child<QLineEdit>(&dialog, "accountUser")->isEnabled());
    Child<QLineEdit>(&dialog, "accountUser")->setText("anna");
    Child<QLineEdit>(&dialog, "accountPassword")->setText("pw");

    const struct {
        QString name;
        const char* message;
    } refused[] = {
        {"", "Please enter a name for the entry."},
        {"OFFICE", "already exists"},
        {QString(257, 'x'), "at most 256 characters"},
        {"Tab\tname", "control characters"},
    };
    for (const auto& r : refused) {
        name->setText(r.name);
        Press(dialog, QDialogButtonBox::Ok);
        ASSERT_FALSE(m_prompts.shown().empty());
        const auto& shown = m_prompts.shown().back();
        EXPECT_NE(shown.text.find(r.message), std::string::npos) << shown.text;
        EXPECT_EQ(shown.title, "Error...");
        EXPECT_EQ(shown.icon, PromptIcon::Stop);
        EXPECT_TRUE(dialog.isVisible()) << r.message;
        EXPECT_EQ(name->text(), r.name);
        EXPECT_EQ(Child<QLineEdit>(&dialog, "phoneNumber")->text(), "030 1234");
        EXPECT_EQ(Child<QSpinBox>(&dialog, "connectSeconds")->value(), 7);
    }
    EXPECT_EQ(m_prompts.shown().size(), std::size(refused));

    name->setText("Branch");
    Press(dialog, QDialogButtonBox::Ok);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(m_prompts.shown().size(), std::size(refused));
    const auto stored = m_phonebook.FindEntry("Branch");
    ASSERT_TRUE(stored);
    EXPECT_EQ(*stored, dialog.Entry());
    EXPECT_EQ(stored->phoneNumber, "030 1234");
    EXPECT_EQ(stored->dropSeconds, 60);
    EXPECT_EQ(stored->accountPassword, "pw");
}

TEST_F(QtEntryDialogTest, EditShowsTheEntryAndRenamesIt) {
    PhonebookEntry office;
    office.name = "Office";
    office.phoneNumber = "0800";
    office.answer = LineAnswer::NoDialTone;
    office.connectSeconds = 12;
    office.accountRequired = true;
    office.accountUser = "anna";
    office.accountPassword = "pw";
    ASSERT_EQ(m_phonebook.AddEntry(office), "");

    QtEntryDialog dialog(
        QtEntryDialog::Mode::Edit, office,
        [this](const PhonebookEntry& e) { return m_phonebook.UpdateEntry("Office", e); },
        m_prompts);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Edit entry");
    EXPECT_EQ(dialog.Entry(), office);
    // The remote side's account does not matter when it never answers.
    EXPECT_FALSE(Child<QLineEdit>(&dialog, "accountUser")->isEnabled());

    Child<QLineEdit>(&dialog, "entryName")->setText("Head office");
    Press(dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(m_phonebook.EntryNames(10), std::vector<std::string>{"Head office"});
    EXPECT_EQ(m_phonebook.FindEntry("Head office")->phoneNumber, "0800");
}

TEST_F(QtEntryDialogTest, TheServiceShowsItsDialogsModally) {
    QtEntryDialogs dialogs(m_prompts);
    SimulatedService service(m_phonebook, dialogs);

    WhenModal([](QtEntryDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "newEntryDialog");
        Child<QLineEdit>(&dialog, "entryName")->setText("Modem pool");
        Press(dialog, QDialogButtonBox::Ok);
    });
    service.CreateEntryDialog();
    EXPECT_EQ(service.EnumEntries(), std::vector<std::string>{"Modem pool"});

    WhenModal([](QtEntryDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "editEntryDialog");
        EXPECT_EQ(Child<QLineEdit>(&dialog, "entryName")->text(), "Modem pool");
        Child<QLineEdit>(&dialog, "entryName")->setText("Changed");
        Press(dialog, QDialogButtonBox::Cancel);
    });
    service.EditEntryDialog("MODEM POOL");
    EXPECT_EQ(service.EnumEntries(), std::vector<std::string>{"Modem pool"});
    EXPECT_TRUE(m_prompts.shown().empty());
}

}  // namespace
}  // namespace varnolt
