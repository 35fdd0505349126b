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

// The program's options, described in the language installed when they are made.
struct ProgramOptions {
    ProgramOptions()
        : help(parser.addHelpOption()),
          version(parser.addVersionOption()),
          noAutoconnect(
              "no-autoconnect",
              QCoreApplication::translate("main",
                                          "Start without dialing the entry or provider chosen for "
                                          "autoconnect.")) {
        parser.setApplicationDescription(
            QCoreApplication::translate("main", "Dial-up connections with a live call-fee meter."));
        parser.addOption(noAutoconnect);
        service.AddTo(parser);
    }

    QCommandLineParser parser;
    const QCommandLineOption help;
    const QCommandLineOption version;
    const QCommandLineOption noAutoconnect;
    const varnolt::ServiceOptions service;
};

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(varnolt::kProgramName);
    QCoreApplication::setApplicationVersion(VARNOLT_VERSION);
    ProgramOptions options;
    // Before any GUI object and any file: --help and --version need no display.
    // Other mistakes wait for process() below, once Qt has taken its own options.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    options.parser.parse(arguments);
    if (options.parser.isSet(options.version) || options.parser.isSet(options.help) ||
        options.parser.isSet("help-all")) {
        const QCoreApplication core(argc, argv);  // names the program in the usage line
        const auto translations = varnolt::InstallTranslations(QLocale::system().uiLanguages());
        ProgramOptions described;  // now in the user's language
        described.parser.parse(arguments);
        if (described.parser.isSet(described.version)) {
            described.parser.showVersion();  // exits
        }
        described.parser.showHelp();  // exits
    }

    QApplication app(argc, argv);
    // Wayland compositors match the window to its menu entry, name and icon, by this.
    QGuiApplication::setDesktopFileName("varnolt");
    // The user's language (LANGUAGE, then LC_ALL/LANG); the tests install none.
    const auto translations = varnolt::InstallTranslations(QLocale::system().uiLanguages());
    options.parser.process(app);
    const std::optional<varnolt::ServiceKind> serviceKind = options.service.Kind(options.parser);
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
            QDBusConnection::systemBus(), prompts, options.service.AllConnections(options.parser));
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
    phonebookPage->SetAutoconnectAtStartup(!options.parser.isSet(options.noAutoconnect));
    // Told to end, by a signal or the desktop session, the program closes
    // without asking; a connected call is accounted on the way.
    const varnolt::QuitSignals quitSignals([&sheet] { sheet.EndProgram(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &sheet,
                     [&sheet](QSessionManager&) { sheet.EndProgram(); });
    sheet.exec();
    return 0;
}
