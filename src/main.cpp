// The composition root: builds the real platform objects and injects them.
#include <QApplication>
#include <QCommandLineParser>
#include <QSystemTrayIcon>

#include "app/AppIdentity.h"
#include "app/CRASSheet.h"
#include "app/ProgramPages.h"
#include "connection/CTreePage.h"
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
    const QCommandLineOption noAutoconnect(
        "no-autoconnect", "Start without dialing the entry or provider chosen for autoconnect.");
    options.addOption(noAutoconnect);
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
    varnolt::CTreePage* phonebookPage = varnolt::AddProgramPages(
        sheet, {store,
                dialer,
                locale,
                prompts,
                clock,
                timers,
                sound,
                shell,
                {storePath, store.IsPersistent(), store.IsReadOnly()},
                {phonebookPath, phonebook.IsPersistent(), phonebook.IsReadOnly()}});
    // The autoconnect choice is dialed once the sheet is on screen.
    phonebookPage->SetAutoconnectAtStartup(!options.isSet(noAutoconnect));
    sheet.exec();
    return 0;
}
