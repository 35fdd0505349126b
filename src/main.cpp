// The composition root: builds the real platform objects and injects them.
#include <QApplication>
#include <QCommandLineParser>
#include <QDesktopServices>
#include <QLocale>
#include <QSessionManager>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <memory>
#include <thread>

#include "app/AppIdentity.h"
#include "app/CRASSheet.h"
#include "app/ProgramPages.h"
#include "app/QuitSignals.h"
#include "app/Translation.h"
#include "connection/CTreePage.h"
#include "meter/CallDisplay.h"
#include "networkmanager/NetworkManagerService.h"
#include "networkmanager/ServiceChoice.h"
#include "posix/PosixExportFile.h"
#include "pppd/PppdService.h"
#include "qt/DesktopNotifications.h"
#include "qt/QtClock.h"
#include "qt/QtEntryDialogs.h"
#include "qt/QtLocale.h"
#include "qt/QtPrompts.h"
#include "qt/QtShell.h"
#include "qt/QtSound.h"
#include "qt/QtTimers.h"
#include "sim/PhonebookDatabase.h"
#include "sim/SimulatedService.h"
#include "sqlite/FileCallLock.h"
#include "sqlite/SqliteSettingsStore.h"

namespace {

// Test-only: holds the start-up recovery open just before it commits, so
// that a test can kill the program in the middle of it. Unset, nothing waits.
std::function<void()> RecoveryPauseForTests() {
    const char* ms = std::getenv("VARNOLT_TEST_RECOVERY_PAUSE_MS");
    if (ms == nullptr) {
        return {};
    }
    return [pause = std::chrono::milliseconds(std::atoi(ms))] {
        std::cerr << "varnolt: test pause before the recovery commits" << std::endl;
        std::this_thread::sleep_for(pause);
    };
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(varnolt::kProgramName);
    QCoreApplication::setApplicationVersion(VARNOLT_VERSION);
    QCommandLineParser options;
    options.setApplicationDescription("Dial-up connections with a live call-fee meter.");
    const QCommandLineOption help = options.addHelpOption();
    const QCommandLineOption version = options.addVersionOption();
    const QCommandLineOption noAutoconnect(
        "no-autoconnect", "Start without dialing the entry or provider chosen for autoconnect.");
    options.addOption(noAutoconnect);
    const varnolt::ServiceOptions serviceOptions;
    serviceOptions.AddTo(options);
    // Before any GUI object and any file: --help and --version need no display.
    // Other mistakes wait for process() below, once Qt has taken its own options.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    options.parse(arguments);
    if (options.isSet(version) || options.isSet(help) || options.isSet("help-all")) {
        const QCoreApplication core(argc, argv);  // names the program in the usage line
        if (options.isSet(version)) {
            options.showVersion();  // exits
        }
        options.showHelp();  // exits
    }

    QApplication app(argc, argv);
    // Wayland compositors match the window to its menu entry, name and icon, by this.
    QGuiApplication::setDesktopFileName("varnolt");
    // The user's language (LANGUAGE, then LC_ALL/LANG); the tests install none.
    const auto translations = varnolt::InstallTranslations(QLocale::system().uiLanguages());
    options.process(app);
    const std::optional<varnolt::ServiceKind> serviceKind = serviceOptions.Kind(options);
    if (!serviceKind) {
        return 2;
    }

    // The store is named after the executable, so a renamed copy starts afresh.
    const std::string storePath =
        varnolt::StorePathForExecutable(QCoreApplication::applicationFilePath().toStdString());
    varnolt::SqliteSettingsStore store(storePath);
    // A store kept only in memory leaves no journal to recover.
    varnolt::FileCallLock callLock(varnolt::CallLockPath(store.IsPersistent() ? storePath : ""));
    varnolt::QtPrompts prompts;
    varnolt::QtLocale locale;
    varnolt::QtClock clock;
    varnolt::QtTimers timers;
    varnolt::QtShell shell;
    varnolt::QtSound sound;
    varnolt::PosixExportFile files;

    // The embedded dialer; its phonebook is shared by every program name.
    const std::string phonebookPath = varnolt::ConfigFilePath(varnolt::kCompanyKey, "phonebook.db");
    varnolt::PhonebookDatabase phonebook(phonebookPath);
    varnolt::QtEntryDialogs entryDialogs(prompts);
    std::unique_ptr<varnolt::RemoteAccess> dialer;
    // pppd's logins live beside the settings store, in a database of their own.
    std::unique_ptr<varnolt::pppd::PppdLogins> pppdLogins;
    if (*serviceKind == varnolt::ServiceKind::NetworkManager) {
        dialer = std::make_unique<varnolt::NetworkManagerService>(
            QDBusConnection::systemBus(), prompts, serviceOptions.AllConnections(options));
    } else if (*serviceKind == varnolt::ServiceKind::Pppd) {
        pppdLogins = std::make_unique<varnolt::pppd::PppdLogins>(
            varnolt::ConfigFilePath(varnolt::kCompanyKey, "pppd-logins.db"));
        dialer =
            std::make_unique<varnolt::PppdService>(*pppdLogins, prompts, [](const QString& path) {
                return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
            });
    } else {
        dialer = std::make_unique<varnolt::SimulatedService>(phonebook, entryDialogs);
    }

    varnolt::CRASSheet sheet(QSystemTrayIcon::isSystemTrayAvailable());
    varnolt::CTreePage* phonebookPage = varnolt::AddProgramPages(
        sheet, {store,
                *dialer,
                locale,
                prompts,
                clock,
                timers,
                sound,
                shell,
                callLock,
                files,
                {storePath, store.IsPersistent(), store.IsReadOnly()},
                {phonebookPath, phonebook.IsPersistent(), phonebook.IsReadOnly()},
                *serviceKind == varnolt::ServiceKind::NetworkManager ? "NetworkManager"
                : *serviceKind == varnolt::ServiceKind::Pppd         ? "pppd"
                                                                     : ""});

    // The call window and the desktop notifications follow the page's calls.
    varnolt::DesktopNotifications notifications([&sheet] { return sheet.TrayIcon(); });
    varnolt::CallDisplay callDisplay(store, locale, notifications, *phonebookPage->Connection());

    // Start-up, in this order. First the calls that killed or crashed programs
    // left in their journals are accounted, so the tree and the log show them.
    phonebookPage->Connection()->RecoverCall(RecoveryPauseForTests());
    // A refused file is named in a box once the sheet is on screen.
    for (const std::string& refusal : {store.Refusal(), phonebook.Refusal(),
                                       pppdLogins ? pppdLogins->Refusal() : std::string()}) {
        if (!refusal.empty()) {
            QTimer::singleShot(0, &sheet, [&prompts, refusal] {
                prompts.MessageBox(refusal, varnolt::kProgramName, varnolt::PromptIcon::Exclamation,
                                   varnolt::PromptButtons::Ok);
            });
        }
    }
    // Only then the autoconnect choice, dialed once the sheet is on screen.
    phonebookPage->SetAutoconnectAtStartup(!options.isSet(noAutoconnect));
    // Told to end, by a signal or the desktop session, the program closes
    // without asking; a connected call is accounted on the way.
    const varnolt::QuitSignals quitSignals([&sheet] { sheet.EndProgram(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &sheet,
                     [&sheet](QSessionManager&) { sheet.EndProgram(); });
    sheet.exec();
    return 0;
}
