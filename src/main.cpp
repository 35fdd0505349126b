// The composition root: builds the real platform objects and injects them.
#include <QApplication>
#include <QSystemTrayIcon>

#include "app/AppIdentity.h"
#include "app/CRASSheet.h"
#include "app/SheetMessages.h"
#include "connection/CTreePage.h"
#include "holiday/CHoliday.h"
#include "meter/CStylePage.h"
#include "qt/QtClock.h"
#include "qt/QtEntryDialogs.h"
#include "qt/QtLocale.h"
#include "qt/QtPrompts.h"
#include "sim/PhonebookDatabase.h"
#include "sim/SimulatedService.h"
#include "sqlite/SqliteSettingsStore.h"
#include "tariff/CCostPage.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    // The store is named after the executable, so a renamed copy starts afresh.
    varnolt::SqliteSettingsStore store(
        varnolt::StorePathForExecutable(QCoreApplication::applicationFilePath().toStdString()));
    varnolt::QtPrompts prompts;
    varnolt::QtLocale locale;
    varnolt::QtClock clock;

    // The embedded dialer; its phonebook is shared by every program name.
    varnolt::PhonebookDatabase phonebook(
        varnolt::ConfigFilePath(varnolt::kCompanyKey, "phonebook.db"));
    varnolt::QtEntryDialogs entryDialogs(prompts);
    varnolt::SimulatedService dialer(phonebook, entryDialogs);

    varnolt::CRASSheet sheet(QSystemTrayIcon::isSystemTrayAvailable());
    sheet.AddPage(varnolt::kPagePhonebook,
                  new varnolt::CTreePage(store, dialer, locale, prompts, sheet));
    sheet.AddPage(varnolt::kPageScaleManager, new varnolt::CCostPage(store, locale, prompts));
    sheet.AddPage(varnolt::kPageHolidayDatabase, new varnolt::CHoliday(store, clock, prompts));
    sheet.AddPage(varnolt::kPageWindowStyles, new varnolt::CStylePage(store));
    sheet.exec();
    return 0;
}
