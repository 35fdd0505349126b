#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "RecordingSettingsStore.h"
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
    }

    test::RecordingSettingsStore m_store;
    test::ScriptedPrompts m_prompts;
    const StorageLocation m_settingsAt{"/home/u/.config/Kessendral/varnolt.db", true, false};
    const StorageLocation m_phonebookAt{"", false, false};
    CRASSheet m_sheet{false};
    COptionsPage* m_options = new COptionsPage(m_store, m_prompts);
    CAboutPage* m_about = new CAboutPage(m_settingsAt, m_phonebookAt);
};

TEST_F(OptionsPagesUi, EveryOptionsControlWritesItsKeyWhenUsed) {
    EXPECT_EQ(m_sheet.Tabs()->tabText(m_sheet.Tabs()->indexOf(m_options)), "Options");
    m_sheet.SendNotification(WM_SELECT_PAGE, kPageOptions);
    auto* sound = Child<QCheckBox>(m_options, "soundCheck");
    auto* path = Child<QLineEdit>(m_options, "soundPathEdit");
    auto* browse = Child<QPushButton>(m_options, "browseSoundButton");
    auto* close = Child<QCheckBox>(m_options, "closeAfterDisconnectCheck");
    auto* fileLogging = Child<QCheckBox>(m_options, "fileLoggingCheck");
    ASSERT_TRUE(sound && path && browse && close && fileLogging);
    EXPECT_EQ(Child<QGroupBox>(m_options, "soundGroup")->title(), "Sound");
    EXPECT_EQ(Child<QGroupBox>(m_options, "generalGroup")->title(), "General");
    EXPECT_EQ(sound->text(), "Play sound after successfull connect");
    EXPECT_EQ(browse->text(), "...");
    EXPECT_EQ(close->text(), "Close Varnolt after disconnect");
    EXPECT_EQ(fileLogging->text(), "Enable costmanagment and file-logging");

    // An empty store: the defaults, and nothing written by the set-up.
    EXPECT_FALSE(sound->isChecked());
    EXPECT_FALSE(path->isEnabled());
    EXPECT_FALSE(browse->isEnabled());
    EXPECT_TRUE(path->text().isEmpty());
    EXPECT_FALSE(close->isChecked());
    EXPECT_TRUE(fileLogging->isChecked());
    EXPECT_TRUE(m_store.writes.empty());

    sound->click();
    EXPECT_TRUE(path->isEnabled());
    EXPECT_TRUE(browse->isEnabled());
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(path, &typed);
    EXPECT_EQ(path->text(), "a");
    m_prompts.ChooseFile("/home/u/ring.wav");
    browse->click();
    EXPECT_EQ(path->text(), "/home/u/ring.wav");
    close->click();
    fileLogging->click();
    EXPECT_EQ(m_store.writes, (std::vector<std::string>{
                                  "All entries|Sound=''",
                                  "All entries|Sound='/home/u/ring.wav'",
                                  "All entries|Close after disconnect=1",
                                  "All entries|Filelogging=0",
                              }));
}

TEST_F(OptionsPagesUi, TheAboutPageShowsItselfWithoutTouchingTheStore) {
    m_sheet.SendNotification(WM_SELECT_PAGE, kPageOptions);  // the set-up reads
    const long reads = m_store.reads;
    m_sheet.SendNotification(WM_SELECT_PAGE, kPageAbout);
    m_sheet.SendNotification(WM_SELECT_PAGE, kPageOptions);
    m_sheet.SendNotification(WM_SELECT_PAGE, kPageAbout);
    EXPECT_EQ(m_store.reads, reads);
    EXPECT_TRUE(m_store.writes.empty());
    EXPECT_EQ(m_sheet.Tabs()->tabText(m_sheet.Tabs()->indexOf(m_about)), "About");

    QApplication::processEvents();  // lets the layout place the banner
    auto* banner = Child<QWidget>(m_about, "aboutBanner");
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->geometry().left(), 0);
    EXPECT_EQ(banner->height(), m_about->height());
    EXPECT_FALSE(Child<QLabel>(m_about, "aboutIcon")->pixmap().isNull());
    EXPECT_EQ(Child<QLabel>(m_about, "aboutName")->text(), "Varnolt 0.63 NT [Beta]");
    EXPECT_TRUE(Child<QLabel>(m_about, "settingsLocation")
                    ->text()
                    .endsWith(QString::fromStdString(StorageLocationText(m_settingsAt))));
    EXPECT_TRUE(Child<QLabel>(m_about, "phonebookLocation")
                    ->text()
                    .endsWith(QString::fromStdString(StorageLocationText(m_phonebookAt))));
}

}  // namespace
}  // namespace varnolt
