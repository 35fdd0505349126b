// The composition root: builds the real platform objects and injects them.
#include <QApplication>
#include <QCommandLineParser>
#include <QSystemTrayIcon>

#include "app/AppIdentity.h"
#include "app/CRASSheet.h"
#include "app/SheetMessages.h"
#include "connection/CTreePage.h"
#include "holiday/CHoliday.h"
#include "log/CLogviewPage.h"
#include "meter/CStylePage.h"
#include "options/CAboutPage.h"
#include "options/COptionsPage.h"
#include "qt/QtClock.h"
#include "qt/QtEntryDialogs.h"
#include "qt/QtLocale.h"
#include "qt/QtPrompts.h"
#include "qt/QtShell.h"
#include "qt/QtSound.h"
#include "qt/QtTimers.h"
#include "sim/PhonebookDatabase.h"
#include "sim/SimulatedService.h"
#include "sqlite/SqliteSettingsStore.h"
#include "tariff/CCostPage.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(varnolt::kProgramName);
    QApplication::setApplicationVersion(VARNOLT_VERSION);
    // Wayland compositors match the window to its menu entry, name and icon, by this.
    QGuiApplication::setDesktopFileName("varnolt");

    // Before the store opens: --help and --version touch no settings.
    QCommandLineParser options;
    options.setApplicationDescription("Dial-up connections with a live call-fee meter.");
    options.addHelpOption();
    options.addVersionOption();
    options.process(app);

    // The store is named after the executable, so a renamed copy starts afresh.
    const std::string storePath =
        varnolt::StorePathForExecutable(QCoreApplication::applicationFilePath().toStdString());
    varnolt::SqliteSettingsStore store(storePath);
    varnolt::QtPrompts prompts;
    varnolt::QtLocale locale;
    varnolt::QtClock clock;
    varnolt::QtTimers timers;
    varnolt::QtShell shell;
    varnolt::QtSound sound;

    // The embedded dialer; its phonebook is shared by every program name.
    const std::string phonebookPath = varnolt::ConfigFilePath(varnolt::kCompanyKey, "phonebook.db");
    varnolt::PhonebookDatabase phonebook(phonebookPath);
    varnolt::QtEntryDialogs entryDialogs(prompts);
    varnolt::SimulatedService dialer(phonebook, entryDialogs);

    varnolt::CRASSheet sheet(QSystemTrayIcon::isSystemTrayAvailable());
    auto* phonebookPage = new varnolt::CTreePage(store, dialer, locale, prompts, sheet);
    phonebookPage->InstallDialing(clock, timers, sound, shell, sheet);
    sheet.AddPage(varnolt::kPagePhonebook, phonebookPage);
    sheet.AddPage(varnolt::kPageLogView,
                  new varnolt::CLogviewPage(store, locale, dialer, prompts, sheet));
    sheet.AddPage(varnolt::kPageScaleManager, new varnolt::CCostPage(store, locale, prompts));
    sheet.AddPage(varnolt::kPageHolidayDatabase, new varnolt::CHoliday(store, clock, prompts));
    sheet.AddPage(varnolt::kPageOptions, new varnolt::COptionsPage(store, prompts));
    sheet.AddPage(varnolt::kPageWindowStyles, new varnolt::CStylePage(store));
    sheet.AddPage(
        varnolt::kPageAbout,
        new varnolt::CAboutPage({storePath, store.IsPersistent(), store.IsReadOnly()},
                                {phonebookPath, phonebook.IsPersistent(), phonebook.IsReadOnly()}));
    sheet.exec();
    return 0;
}
