#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "DialogTesting.h"
#include "ScriptedPrompts.h"
#include "connection/CAutolaunchDlg.h"
#include "connection/CDialDlg.h"
#include "connection/CLoginSettingsDlg.h"

namespace varnolt {
namespace {

using test::Child;

QString Text(QWidget& dialog, const char* name) {
    return Child<QLineEdit>(dialog, name)->text();
}

void PressOk(QDialog& dialog) {
    Child<QDialogButtonBox>(dialog, "buttons")->button(QDialogButtonBox::Ok)->click();
}

void PressKey(QWidget* widget, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

TEST(LoginSettingsDialogUi, ShowsTheSettingsAndStepsTheDelayOnlyWithTheArrows) {
    test::ScriptedPrompts prompts;
    CLoginSettingsDlg dialog({"jane", "secret", 25}, prompts);
    EXPECT_EQ(dialog.windowTitle(), "Edit login settings");
    EXPECT_EQ(Child<QLabel>(dialog, "userLabel")->text(), "Username:");
    EXPECT_EQ(Child<QLabel>(dialog, "passwordLabel")->text(), "Password:");
    EXPECT_EQ(Child<QLabel>(dialog, "redialLabel")->text(), "Redial after, in secs:");
    EXPECT_EQ(Text(dialog, "userEdit"), "jane");
    EXPECT_EQ(Text(dialog, "passwordEdit"), "secret");
    EXPECT_EQ(Child<QLineEdit>(dialog, "passwordEdit")->echoMode(), QLineEdit::Password);

    auto* redial = Child<QSpinBox>(dialog, "redialSpin");
    ASSERT_NE(redial, nullptr);
    EXPECT_EQ(redial->minimum(), 1);
    EXPECT_EQ(redial->maximum(), 3600);
    EXPECT_TRUE(redial->alignment() & Qt::AlignRight);
    EXPECT_EQ(redial->text(), "25");
    dialog.show();
    redial->setFocus();
    PressKey(redial, Qt::Key_Up);
    EXPECT_EQ(redial->value(), 26);
    QLineEdit* field = redial->findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    EXPECT_TRUE(field->isReadOnly());
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, "7");
    QApplication::sendEvent(redial, &typed);
    EXPECT_EQ(redial->text(), "26");
    redial->setValue(3600);
    EXPECT_EQ(redial->text(), "3600");  // no group separator, whatever the locale

    PressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Settings(), (LoginSettings{"jane", "secret", 3600}));
    EXPECT_TRUE(prompts.shown().empty());
}

TEST(LoginSettingsDialogUi, ShowsAStoredDelayOutsideTheRangeClampedAndStoresThat) {
    for (const auto& [stored, shown] : {std::pair{0, 1}, std::pair{-7, 1}, std::pair{9999, 3600}}) {
        test::ScriptedPrompts prompts;
        CLoginSettingsDlg dialog({"jane", "", stored}, prompts);
        EXPECT_EQ(Child<QSpinBox>(dialog, "redialSpin")->text(), QString::number(shown));
        PressOk(dialog);
        EXPECT_EQ(dialog.Settings().redialDelay, shown);
    }
}

TEST(LoginSettingsDialogUi, AnEmptyUserNameKeepsItOpenWithItsValues) {
    test::ScriptedPrompts prompts;
    CLoginSettingsDlg dialog({"", "", 10}, prompts);
    dialog.show();
    Child<QLineEdit>(dialog, "passwordEdit")->setText("typed");
    PressOk(dialog);
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].text, "You will have to define a username first !");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Text(dialog, "passwordEdit"), "typed");

    Child<QLineEdit>(dialog, "userEdit")->setText("joe");
    PressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Settings(), (LoginSettings{"joe", "typed", 10}));
}

TEST(DialDialogUi, AsksForTheEntryAndRefusesToRememberAnEmptyPassword) {
    test::ScriptedPrompts prompts;
    CDialDlg dialog("Office", {"jane", "", true}, prompts);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Connect to Office");
    EXPECT_FALSE(Child<QLabel>(dialog, "dialIcon")->pixmap().isNull());
    EXPECT_EQ(Child<QLabel>(dialog, "userLabel")->text(), "User:");
    EXPECT_EQ(Child<QLabel>(dialog, "passwordLabel")->text(), "Password:");
    EXPECT_EQ(Text(dialog, "userEdit"), "jane");
    EXPECT_EQ(Child<QLineEdit>(dialog, "passwordEdit")->echoMode(), QLineEdit::Password);
    auto* remember = Child<QCheckBox>(dialog, "rememberCheck");
    EXPECT_EQ(remember->text(), "&Remember password");
    EXPECT_TRUE(remember->isChecked());

    PressOk(dialog);
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].text, "An empty password can't be remembered !");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(remember->isChecked());

    // An empty user name is fine.
    Child<QLineEdit>(dialog, "userEdit")->clear();
    remember->setChecked(false);
    PressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Credentials(), (DialCredentials{"", "", false}));
}

TEST(AutolaunchDialogUi, ListsTheSixModesAndSelectsTheStoredOne) {
    test::ScriptedPrompts prompts;
    CAutolaunchDlg dialog({"/usr/bin/mutt", "Mail", 3}, prompts);
    EXPECT_EQ(dialog.windowTitle(), "Autolaunch application");
    EXPECT_EQ(Child<QPushButton>(dialog, "applicationButton")->text(), "&Application...");
    EXPECT_EQ(Child<QLabel>(dialog, "descriptionLabel")->text(), "Description:");
    EXPECT_EQ(Child<QLabel>(dialog, "startupLabel")->text(), "Startup:");
    EXPECT_EQ(Text(dialog, "pathEdit"), "/usr/bin/mutt");
    EXPECT_EQ(Text(dialog, "descriptionEdit"), "Mail");
    auto* startup = Child<QComboBox>(dialog, "startupList");
    QStringList modes;
    for (int i = 0; i < startup->count(); ++i) {
        modes << startup->itemText(i);
    }
    EXPECT_EQ(modes, (QStringList{"OPEN normal", "EXPLORE normal", "OPEN maximized",
                                  "EXPLORE maximized", "OPEN minimized", "EXPLORE minimized"}));
    EXPECT_EQ(startup->currentIndex(), 3);

    for (int outside : {6, -1}) {
        CAutolaunchDlg odd({"/x", "X", outside}, prompts);
        EXPECT_EQ(Child<QComboBox>(odd, "startupList")->currentIndex(), -1);
        PressOk(odd);
        EXPECT_EQ(odd.Application().startup, outside);  // left as it was
    }
}

TEST(AutolaunchDialogUi, ChoosingAFileFillsPathAndDescription) {
    test::ScriptedPrompts prompts;
    CAutolaunchDlg dialog({"", "typed before", 0}, prompts);
    dialog.show();
    prompts.ChooseFile(std::nullopt);
    prompts.ChooseFile("/usr/lib/thunderbird/thunderbird.sh");
    auto* choose = Child<QPushButton>(dialog, "applicationButton");
    choose->click();  // cancelled: nothing changes
    EXPECT_EQ(Text(dialog, "pathEdit"), "");
    EXPECT_EQ(Text(dialog, "descriptionEdit"), "typed before");
    choose->click();
    EXPECT_EQ(Text(dialog, "pathEdit"), "/usr/lib/thunderbird/thunderbird.sh");
    EXPECT_EQ(Text(dialog, "descriptionEdit"), "thunderbird");

    // Programs here have no extension: none is added, and every file can be chosen.
    ASSERT_EQ(prompts.choosers().size(), 2u);
    const OpenFileRequest& request = prompts.choosers()[0];
    EXPECT_EQ(request.title, "Autolaunch program...");
    EXPECT_EQ(request.filters,
              (std::vector<FileFilter>{{"Executables (*.EXE)", "*.EXE"}, {"All files", "*"}}));
    EXPECT_EQ(request.proposedName, "*.EXE");
    EXPECT_EQ(request.defaultExtension, "");

    Child<QComboBox>(dialog, "startupList")->setCurrentIndex(5);
    PressOk(dialog);
    EXPECT_EQ(dialog.Application(),
              (AutolaunchApplication{"/usr/lib/thunderbird/thunderbird.sh", "thunderbird", 5}));
}

TEST(AutolaunchDialogUi, AMissingPathOrDescriptionKeepsItOpenWithItsValues) {
    test::ScriptedPrompts prompts;
    CAutolaunchDlg dialog({"", "", 0}, prompts);
    dialog.show();
    Child<QLineEdit>(dialog, "descriptionEdit")->setText("Mail");
    Child<QComboBox>(dialog, "startupList")->setCurrentIndex(2);
    PressOk(dialog);
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].text, "Application path or description misssing!");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Text(dialog, "descriptionEdit"), "Mail");
    EXPECT_EQ(Child<QComboBox>(dialog, "startupList")->currentIndex(), 2);
}

}  // namespace
}  // namespace varnolt
