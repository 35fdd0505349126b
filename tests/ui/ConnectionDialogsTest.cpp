#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "ScriptedPrompts.h"
#include "WidgetLookup.h"
#include "connection/CAutolaunchDlg.h"
#include "connection/CDialDlg.h"
#include "connection/CLoginSettingsDlg.h"

namespace varnolt {
namespace {

using test::Child;
using test::Press;
using test::PressKey;

QLineEdit* Edit(QWidget& dialog, const char* name) {
    return Child<QLineEdit>(&dialog, name);
}

// A failed check says so once and leaves the dialog open with what was entered.
void ExpectStillOpen(QDialog& dialog, const test::ScriptedPrompts& prompts) {
    EXPECT_EQ(prompts.shown().size(), 1u);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST(LoginSettingsDialogUi, TheDelayStepsOnlyWithTheArrowsAndAUserNameIsRequired) {
    test::ScriptedPrompts prompts;
    CLoginSettingsDlg dialog({"", "secret", 25}, prompts);
    dialog.show();
    EXPECT_EQ(Edit(dialog, "passwordEdit")->echoMode(), QLineEdit::Password);
    auto* redial = Child<QSpinBox>(&dialog, "redialSpin");
    redial->setFocus();
    PressKey(redial, Qt::Key_7, "7");
    PressKey(redial, Qt::Key_Up);
    EXPECT_EQ(redial->text(), "26");
    redial->setValue(redial->maximum());
    EXPECT_EQ(redial->text(), "3600");  // plain digits whatever the locale

    Press(dialog, QDialogButtonBox::Ok);
    ExpectStillOpen(dialog, prompts);
    EXPECT_EQ(Edit(dialog, "passwordEdit")->text(), "secret");
    Edit(dialog, "userEdit")->setText("joe");
    Press(dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(dialog.Settings(), (LoginSettings{"joe", "secret", 3600}));

    // A stored delay outside the range is shown, and stored, clamped.
    for (const auto& [stored, shown] : {std::pair{0, 1}, std::pair{9999, 3600}}) {
        CLoginSettingsDlg clamped({"jane", "", stored}, prompts);
        Press(clamped, QDialogButtonBox::Ok);
        EXPECT_EQ(clamped.Settings().redialDelay, shown);
    }
}

TEST(DialDialogUi, TakesAnEmptyUserButRefusesToRememberAnEmptyPassword) {
    test::ScriptedPrompts prompts;
    CDialDlg dialog("Office", {"jane", "", true}, prompts);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Connect to Office");
    EXPECT_EQ(Edit(dialog, "passwordEdit")->echoMode(), QLineEdit::Password);
    Press(dialog, QDialogButtonBox::Ok);
    ExpectStillOpen(dialog, prompts);

    Edit(dialog, "userEdit")->clear();
    Child<QCheckBox>(&dialog, "rememberCheck")->setChecked(false);
    Press(dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(dialog.Credentials(), (DialCredentials{"", "", false}));
}

TEST(AutolaunchDialogUi, TheChooserFillsPathAndDescriptionAndBothAreRequired) {
    test::ScriptedPrompts prompts;
    CAutolaunchDlg dialog({"", "typed before", 3}, prompts);
    dialog.show();
    auto* startup = Child<QComboBox>(&dialog, "startupList");
    EXPECT_EQ(startup->count(), 6);
    EXPECT_EQ(startup->currentText(), "EXPLORE maximized");
    Press(dialog, QDialogButtonBox::Ok);
    ExpectStillOpen(dialog, prompts);
    EXPECT_EQ(Edit(dialog, "descriptionEdit")->text(), "typed before");

    prompts.ChooseFile("/usr/lib/thunderbird/thunderbird.sh");
    Child<QPushButton>(&dialog, "applicationButton")->click();
    // Programs here have no extension: none is added, and every file can be chosen.
    ASSERT_EQ(prompts.choosers().size(), 1u);
    EXPECT_EQ(prompts.choosers()[0],
              (FileRequest{"Autolaunch program...",
                           {{"Executables (*.EXE)", "*.EXE"}, {"All files", "*"}},
                           "*.EXE",
                           ""}));
    startup->setCurrentIndex(4);
    Press(dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(dialog.Application(),
              (AutolaunchApplication{"/usr/lib/thunderbird/thunderbird.sh", "thunderbird", 4}));

    // A stored mode outside the list selects nothing, and stays as it was.
    CAutolaunchDlg odd({"/x", "X", 6}, prompts);
    EXPECT_EQ(Child<QComboBox>(&odd, "startupList")->currentIndex(), -1);
    Press(odd, QDialogButtonBox::Ok);
    EXPECT_EQ(odd.Application().startup, 6);
}

}  // namespace
}  // namespace varnolt
