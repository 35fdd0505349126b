#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "RecordingSettingsStore.h"
#include "ScriptedDialer.h"
#include "ScriptedPrompts.h"
#include "WidgetLookup.h"
#include "app/CRASSheet.h"
#include "options/CAboutPage.h"
#include "options/COptionsPage.h"

namespace varnolt {
namespace {

using test::Child;

class OptionsPagesUi : public ::testing::Test {
protected:
    OptionsPagesUi() {
        m_sheet.AddPage(kPageOptions, m_options);
        m_sheet.AddPage(kPageAbout, m_about);
        m_sheet.show();
        m_sheet.SendNotification(WM_SELECT_PAGE, kPageOptions);
    }

    test::RecordingSettingsStore m_store;
    test::ScriptedPrompts m_prompts;
    test::ScriptedDialer m_dialer;
    const StorageLocation m_phonebookAt{"", false, false};
    CRASSheet m_sheet{false};
    COptionsPage* m_options = new COptionsPage(m_store, m_dialer, m_prompts);
    CAboutPage* m_about = new CAboutPage({"/home/u/varnolt.db", true, false}, m_phonebookAt);
};

TEST_F(OptionsPagesUi, OptionsControlsShowTheStoreAndWriteOnlyWhenClicked) {
    EXPECT_EQ(Child<QGroupBox>(m_options, "soundGroup")->title(), "Sound");
    EXPECT_EQ(Child<QGroupBox>(m_options, "generalGroup")->title(), "General");
    const std::pair<const char*, const char*> boxes[] = {
        {"soundCheck", "Play sound after successfull connect"},
        {"closeAfterDisconnectCheck", "Close Varnolt after disconnect"},
        {"fileLoggingCheck", "Enable costmanagment and file-logging"},
        {"showCallWindowCheck", "Show call meter window"},
        {"hangUpAtCallLimitCheck", "Hang up when the call limit is reached"}};
    QString checked;  // the set-up from an empty store
    for (const auto& [name, text] : boxes) {
        auto* box = Child<QCheckBox>(m_options, name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), text);
        checked += box->isChecked() ? '1' : '0';
        box->click();
    }
    EXPECT_EQ(checked, "00110");
    auto* path = Child<QLineEdit>(m_options, "soundPathEdit");
    auto* browse = Child<QPushButton>(m_options, "browseSoundButton");
    ASSERT_TRUE(path && browse);
    EXPECT_TRUE(path->isEnabled() && browse->isEnabled());
    test::PressKey(path, Qt::Key_A, "a");
    EXPECT_EQ(path->text(), "a");
    m_prompts.ChooseFile("/home/u/ring.wav");
    browse->click();
    EXPECT_EQ(path->text(), "/home/u/ring.wav");
    EXPECT_EQ(m_store.writes, (std::vector<std::string>{
                                  "All entries|Sound=''",
                                  "All entries|Close after disconnect=1",
                                  "All entries|Filelogging=0",
                                  "All entries|Show call meter window=0",
                                  "All entries|Hang up at call limit=1",
                                  "All entries|Sound='/home/u/ring.wav'",
                              }));
}

TEST_F(OptionsPagesUi, ALimitIsStoredWhenTypedAndGarbageIsRefused) {
    auto* edit = Child<QLineEdit>(m_options, "callLimitEdit");
    ASSERT_NE(edit, nullptr);
    for (const char* typed : {"7.5", "x"}) {
        edit->clear();
        for (QChar c : QString(typed)) {
            test::PressKey(edit, Qt::Key_unknown, c);
        }
        test::PressKey(edit, Qt::Key_Return);
    }
    EXPECT_EQ(edit->text(), "7.50");
    EXPECT_EQ(m_store.writes, std::vector<std::string>{"All entries|Call limit='7.50'"});
    ASSERT_EQ(m_prompts.shown().size(), 1u);
    EXPECT_EQ(m_prompts.shown()[0].title, "Error...");
}

TEST_F(OptionsPagesUi, TheAboutPageShowsItselfWithoutTouchingTheStore) {
    const long reads = m_store.reads;
    for (int page : {kPageAbout, kPageOptions, kPageAbout}) {
        m_sheet.SendNotification(WM_SELECT_PAGE, page);
    }
    EXPECT_EQ(m_store.reads, reads);
    EXPECT_TRUE(m_store.writes.empty());
    QApplication::processEvents();  // lets the layout place the banner
    auto* banner = Child<QWidget>(m_about, "aboutBanner");
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->geometry(), QRect(0, 0, banner->width(), m_about->height()));
    EXPECT_FALSE(Child<QLabel>(m_about, "aboutIcon")->pixmap().isNull());
    // What the sheet was given, told as the core tells it.
    EXPECT_TRUE(Child<QLabel>(m_about, "phonebookLocation")
                    ->text()
                    .endsWith(QString::fromStdString(StorageLocationText(m_phonebookAt))));
}

TEST_F(OptionsPagesUi, TheAboutPageNamesAServiceOtherThanTheSimulatedOne) {
    CAboutPage about({"/home/u/varnolt.db", true, false}, m_phonebookAt, "NetworkManager");
    about.EnsureInitialised();
    const QString text = Child<QLabel>(&about, "phonebookLocation")->text();
    EXPECT_TRUE(text.contains("NetworkManager")) << text.toStdString();
    EXPECT_FALSE(text.contains("simulated"));
}

}  // namespace
}  // namespace varnolt
