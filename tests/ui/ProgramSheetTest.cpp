#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "FakeCallLock.h"
#include "FakeClock.h"
#include "FakeTimers.h"
#include "FixedLocale.h"
#include "RecordingSettingsStore.h"
#include "RecordingShell.h"
#include "ScriptedDialer.h"
#include "ScriptedPrompts.h"
#include "WidgetLookup.h"
#include "app/CRASSheet.h"
#include "app/ProgramPages.h"
#include "connection/CTreePage.h"
#include "posix/PosixExportFile.h"
#include "qt/QtSound.h"

namespace varnolt::test {
namespace {

// The program's sheet on fakes, "Autoconnect" on for the phonebook entry
// `entry`. The phonebook lists "Office", "beta" and "Alpha"; the one
// provider is "City Net".
struct Program {
    explicit Program(const char* entry) {
        for (const char* name : {"Office", "beta", "Alpha"}) {
            dialer.AddEntry(name, "jane", "secret", true);
        }
        store.memory.WriteInt("_Provider List_", "nCount", 1);
        store.memory.WriteString("_Provider List_", "Provider #1", "City Net");
        store.memory.WriteInt("_Autoconnect", "Autoconnect", 1);
        store.memory.WriteString("_Autoconnect", "Entry", entry);
        phonebook = AddProgramPages(
            sheet,
            {store, dialer, locale, prompts, clock, timers, sound, shell, lock, files, {}, {}});
        sheet.show();
    }

    RecordingSettingsStore store;
    ScriptedDialer dialer;
    FixedLocale locale;
    ScriptedPrompts prompts;
    FakeClock clock;
    FakeTimers timers{clock};
    QtSound sound;
    RecordingShell shell;
    FakeCallLock lock;
    PosixExportFile files;
    CRASSheet sheet{false};
    CTreePage* phonebook = nullptr;
};

TEST(ProgramSheet, ShowsItsEightPagesWithThePhonebookFirstThenDialsTheChosenEntry) {
    Program p("Office");
    EXPECT_TRUE(p.dialer.dials().empty());  // not before the sheet is on screen
    QStringList pages;
    for (int i = 0; i < p.sheet.Tabs()->count(); ++i) {
        pages << p.sheet.Tabs()->tabText(i) + " " +
                     p.sheet.Tabs()->widget(i)->metaObject()->className();
    }
    EXPECT_EQ(pages,
              (QStringList{"Phonebook varnolt::CTreePage", "LOG view varnolt::CLogviewPage",
                           "Scale manager varnolt::CCostPage", "Holiday database varnolt::CHoliday",
                           "Options varnolt::COptionsPage", "Window styles varnolt::CStylePage",
                           "About varnolt::CAboutPage", "Statistics varnolt::CStatisticsPage"}));
    EXPECT_EQ(p.sheet.Tabs()->currentWidget(), p.phonebook);

    QApplication::processEvents();
    ASSERT_EQ(p.dialer.dials().size(), 1u);
    EXPECT_EQ(p.phonebook->Tree()->currentItem()->text(0), "Office");
}

// The lists sort and select ignoring case; start-up matches exactly.
TEST(ProgramSheet, TheOptionsGroupShowsAChoiceStartUpCannotFindThenSavesAndRefills) {
    Program p("office");
    QApplication::processEvents();
    EXPECT_EQ(p.prompts.shown().at(0).text,
              "The phonebookentry you selected for autoconnecting doesn't exist !");
    const long reads = p.store.reads;
    p.sheet.SendNotification(WM_RELOAD_AUTOCONNECT, 0);  // the page is not set up yet
    EXPECT_EQ(p.store.reads, reads);

    p.sheet.SendNotification(WM_SELECT_PAGE, kPageOptions);
    QWidget* options = p.sheet.Page(kPageOptions);
    auto* entries = Child<QComboBox>(options, "phonebookEntryList");
    auto* providers = Child<QComboBox>(options, "providerEntryList");
    QStringList shown;
    for (int i = 0; i < entries->count(); ++i) {
        shown << entries->itemText(i);
    }
    EXPECT_EQ(shown, (QStringList{"Alpha", "beta", "Office"}));
    EXPECT_EQ(entries->currentText(), "Office");
    EXPECT_TRUE(entries->isEnabled() && !providers->isEnabled());

    Child<QCheckBox>(options, "autoconnectCheck")->click();
    EXPECT_FALSE(entries->isEnabled());
    Child<QCheckBox>(options, "autoconnectCheck")->click();
    Child<QRadioButton>(options, "providerEntryRadio")->click();
    EXPECT_TRUE(providers->isEnabled() && !entries->isEnabled());
    providers->setCurrentIndex(0);
    p.store.writes.clear();
    Child<QPushButton>(options, "saveAutoconnectButton")->click();
    EXPECT_EQ(p.store.writes, (std::vector<std::string>{"BEGIN", "_Autoconnect|Autoconnect=1",
                                                        "_Autoconnect|Type='Provider'",
                                                        "_Autoconnect|Entry='City Net'", "END"}));

    p.store.memory.WriteInt("_Provider List_", "nCount", 2);
    p.store.memory.WriteString("_Provider List_", "Provider #2", "Aether");
    p.sheet.SendNotification(WM_RELOAD_AUTOCONNECT, 0);
    EXPECT_EQ(providers->currentIndex(), 1);  // after "Aether"
    EXPECT_EQ(providers->currentText(), "City Net");
}

}  // namespace
}  // namespace varnolt::test
