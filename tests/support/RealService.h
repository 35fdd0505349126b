#pragma once

#include <QApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "FixedLocale.h"
#include "RecordingShell.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "app/CRASSheet.h"
#include "connection/CTreePage.h"
#include "platform/StoreTransaction.h"
#include "qt/QtClock.h"
#include "qt/QtSound.h"
#include "qt/QtTimers.h"
#include "sim/PhonebookDatabase.h"
#include "sim/SimulatedService.h"
#include "sqlite/FileCallLock.h"
#include "sqlite/SqliteSettingsStore.h"
#include "tariff/CScaleStore.h"

namespace varnolt::test {

// Runs the event loop until `done` holds; false when `timeoutMs` passed first.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    poll.start(20);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!done()) {
        loop.exec();
    }
    return done();
}

// Runs the event loop for `ms`, with no wake-up of its own in between.
inline void RunEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The program's own parts on a store and phonebook in `folder` (by default a
// temporary one): the simulated service, the Qt clock, timers and sound, the
// sheet with the Phonebook page.
struct RealService {
    explicit RealService(const std::string& storeFolder = {})
        : folder(storeFolder.empty() ? dir.path().string() : storeFolder) {}

    struct NoEntryDialogs final : EntryDialogs {
        void ShowNewEntry(const Submit&) override {}
        void ShowEditEntry(const PhonebookEntry&, const Submit&) override {}
    };

    // An entry with a stored password whose line connects after `connect`
    // seconds and is hung up by the remote side `drop` seconds later (0: never).
    void AddEntry(const std::string& name, int connect, int drop) {
        PhonebookEntry entry;
        entry.name = name;
        entry.connectSeconds = connect;
        entry.dropSeconds = drop;
        phonebook.AddEntry(entry);
        phonebook.StoreCredentials(name, {"jane", "secret", true});
    }
    // One unit of 1.00 a second for the entry, all day, every day: its fee
    // counts the units.
    void MeterEachSecond(const std::string& entryName) {
        TariffScale scale;
        scale.id = ScaleId::User1;
        scale.weekdayPeriods = {{0, 0, 24, 0, "1", "1.00"}};
        scale.holidayPeriods = scale.weekdayPeriods;
        StoreTransaction transaction(store);
        CScaleStore(store).SaveScale(scale);
        store.WriteString(entryName, "Scale", "Userdefined scale #1");
    }
    // Shows the sheet with the page dialing through `pageTimers`.
    void Open(Timers& pageTimers) {
        page = new CTreePage(store, service, locale, prompts, sheet);
        page->InstallDialing(clock, pageTimers, sound, shell, sheet, callLock);
        sheet.AddPage(kPagePhonebook, page);
        sheet.show();
        QApplication::processEvents();
    }
    // Presses "&Dial" on the entry at `position`; whether the line came up.
    bool Dial(int position) {
        page->Tree()->setCurrentItem(page->Tree()->topLevelItem(0)->child(1)->child(position));
        page->findChild<QPushButton*>("dialButton")->click();
        return WaitUntil([this] { return page->IsConnected(); }, 30'000);
    }

    TempDir dir;
    std::string folder;
    // Named as the program's own store.
    SqliteSettingsStore store{folder + "/varnolt.db"};
    FileCallLock callLock{CallLockPath(folder + "/varnolt.db")};
    PhonebookDatabase phonebook{folder + "/phonebook.db"};
    NoEntryDialogs entryDialogs;
    SimulatedService service{phonebook, entryDialogs};
    QtClock clock;
    QtTimers timers;
    QtSound sound;
    RecordingShell shell;
    FixedLocale locale{"EUR"};
    ScriptedPrompts prompts;
    CRASSheet sheet{false};
    CTreePage* page = nullptr;
};

}  // namespace varnolt::test
