#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "FakeClock.h"
#include "FakeTimers.h"
#include "FixedLocale.h"
#include "RealService.h"
#include "RecordingSettingsStore.h"
#include "RecordingShell.h"
#include "ScriptedDialer.h"
#include "ScriptedPrompts.h"
#include "WhenModal.h"
#include "WidgetLookup.h"
#include "app/CRASSheet.h"
#include "app/ProgramPages.h"
#include "connection/CDialDlg.h"
#include "connection/CTreePage.h"
#include "qt/QtSound.h"

namespace varnolt::test {
namespace {

QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->itemText(i);
    }
    return items;
}

// The sheet with the program's pages, on fakes. The phonebook lists "Office"
// (password stored), "beta" and "Alpha"; the one provider is "City Net".
struct Program {
    Program() {
        dialer.AddEntry("Office", "jane", "secret", true);
        dialer.AddEntry("beta");
        dialer.AddEntry("Alpha");
        store.memory.WriteInt("_Provider List_", "nCount", 1);
        store.memory.WriteString("_Provider List_", "Provider #1", "City Net");
    }
    void Choose(const char* type, const char* entry) {
        store.memory.WriteInt("_Autoconnect", "Autoconnect", 1);
        store.memory.WriteString("_Autoconnect", "Type", type);
        store.memory.WriteString("_Autoconnect", "Entry", entry);
    }
    void Open(bool autoconnect = true) {
        phonebook = AddProgramPages(
            sheet, {store, dialer, locale, prompts, clock, timers, sound, shell, {}, {}});
        phonebook->SetAutoconnectAtStartup(autoconnect);
        sheet.show();
    }
    QWidget* ShowOptions() {
        sheet.SendNotification(WM_SELECT_PAGE, kPageOptions);
        return sheet.Page(kPageOptions);
    }
    QString SelectedItem() const {
        const QList<QTreeWidgetItem*> selected = phonebook->Tree()->selectedItems();
        return selected.isEmpty() ? QString() : selected.first()->text(0);
    }

    RecordingSettingsStore store;
    ScriptedDialer dialer;
    FixedLocale locale;
    ScriptedPrompts prompts;
    FakeClock clock;
    FakeTimers timers{clock};
    QtSound sound;
    RecordingShell shell;
    CRASSheet sheet{false};
    CTreePage* phonebook = nullptr;
};

TEST(ProgramSheet, HasItsSevenPagesInOrderAndShowsThePhonebookFirst) {
    Program p;
    CRASSheet& sheet = p.sheet;
    p.Open();
    QStringList pages;
    for (int i = 0; i < sheet.Tabs()->count(); ++i) {
        pages << sheet.Tabs()->tabText(i) + " " +
                     sheet.Tabs()->widget(i)->metaObject()->className();
    }
    EXPECT_EQ(pages,
              (QStringList{"Phonebook varnolt::CTreePage", "LOG view varnolt::CLogviewPage",
                           "Scale manager varnolt::CCostPage", "Holiday database varnolt::CHoliday",
                           "Options varnolt::COptionsPage", "Window styles varnolt::CStylePage",
                           "About varnolt::CAboutPage"}));
    EXPECT_EQ(sheet.Tabs()->currentWidget(), p.phonebook);
    EXPECT_TRUE(p.phonebook->isVisible());
}

TEST(ProgramSheet, TheStoredEntryIsSelectedAndDialedOnceTheSheetIsOnScreen) {
    for (bool autoconnect : {true, false}) {
        SCOPED_TRACE(autoconnect);
        Program p;
        p.Choose("Phonebook", "Office");
        p.Open(autoconnect);
        EXPECT_TRUE(p.dialer.dials().empty());  // not before the sheet is on screen
        QApplication::processEvents();
        EXPECT_EQ(p.dialer.dials().size(), autoconnect ? 1u : 0u);
        EXPECT_EQ(p.SelectedItem(), autoconnect ? "Office" : "");
    }
}

TEST(ProgramSheet, TheDialDialogOfAnEntryWithoutPasswordHasTheShownSheetAsParent) {
    Program p;
    p.Choose("Phonebook", "beta");
    bool parentShown = false;
    WhenModal<CDialDlg>(p.sheet, [&](CDialDlg& dialog) {
        parentShown = dialog.parentWidget() != nullptr && dialog.parentWidget()->isVisible() &&
                      dialog.parentWidget()->window() == &p.sheet;
        dialog.reject();
    });
    p.Open();
    ASSERT_TRUE(WaitUntil([&] { return parentShown; }, 10'000));
    EXPECT_TRUE(p.dialer.dials().empty());  // cancelled
}

// The Options page selects its list items ignoring case, and reads any type
// but the exact "Phonebook" as a provider; start-up matches exactly and dials
// a provider only for the exact "Provider".
TEST(ProgramSheet, AChoiceStartUpCannotFindIsSaidWhileTheOptionsPageStillShowsIt) {
    struct Case {
        const char* type;
        const char* entry;
        const char* radio;
        const char* list;
        QString shown;
    } cases[] = {
        {"Phonebook", "office", "phonebookEntryRadio", "phonebookEntryList", "Office"},
        {"provider", "City Net", "providerEntryRadio", "providerEntryList", "City Net"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        Program p;
        p.Choose(c.type, c.entry);
        p.Open();
        QApplication::processEvents();
        ASSERT_EQ(p.prompts.shown().size(), 1u);
        EXPECT_EQ(p.prompts.shown()[0].text,
                  "The phonebookentry you selected for autoconnecting doesn't exist !");
        EXPECT_TRUE(p.dialer.dials().empty());
        QWidget* options = p.ShowOptions();
        EXPECT_TRUE(Child<QRadioButton>(options, c.radio)->isChecked());
        EXPECT_EQ(Child<QComboBox>(options, c.list)->currentText(), c.shown);
    }
}

TEST(ProgramSheet, TheAutoconnectGroupSavesTheChoiceAndIsRefilledOnNotice) {
    Program p;
    RecordingSettingsStore& store = p.store;
    CRASSheet& sheet = p.sheet;
    p.Open();
    const long reads = store.reads;
    sheet.SendNotification(WM_RELOAD_AUTOCONNECT, 0);  // the page is not set up yet
    EXPECT_EQ(store.reads, reads);

    QWidget* options = p.ShowOptions();
    EXPECT_EQ(Child<QGroupBox>(options, "autoconnectGroup")->title(), "Autoconnect at startup");
    auto* on = Child<QCheckBox>(options, "autoconnectCheck");
    auto* providerRadio = Child<QRadioButton>(options, "providerEntryRadio");
    auto* entries = Child<QComboBox>(options, "phonebookEntryList");
    auto* providers = Child<QComboBox>(options, "providerEntryList");
    auto* save = Child<QPushButton>(options, "saveAutoconnectButton");
    EXPECT_EQ(on->text() + "|" + Child<QRadioButton>(options, "phonebookEntryRadio")->text() + "|" +
                  providerRadio->text() + "|" + save->text(),
              "Enable autoconnect|Phonebookentry|Providerentry|&Save");
    // Sorted without regard to case; nothing stored, nothing selected.
    EXPECT_EQ(Items(entries), (QStringList{"Alpha", "beta", "Office"}));
    EXPECT_EQ(entries->currentIndex(), -1);
    EXPECT_FALSE(providerRadio->isEnabled() || entries->isEnabled() || providers->isEnabled());

    on->click();
    providerRadio->click();
    EXPECT_TRUE(providers->isEnabled() && !entries->isEnabled());
    providers->setCurrentIndex(0);
    store.writes.clear();
    save->click();
    EXPECT_EQ(store.writes, (std::vector<std::string>{"BEGIN", "_Autoconnect|Autoconnect=1",
                                                      "_Autoconnect|Type='Provider'",
                                                      "_Autoconnect|Entry='City Net'", "END"}));

    store.memory.WriteInt("_Provider List_", "nCount", 2);
    store.memory.WriteString("_Provider List_", "Provider #2", "Aether");
    sheet.SendNotification(WM_RELOAD_AUTOCONNECT, 0);
    EXPECT_EQ(Items(providers), (QStringList{"Aether", "City Net"}));
    EXPECT_EQ(providers->currentText(), "City Net");
}

}  // namespace
}  // namespace varnolt::test
