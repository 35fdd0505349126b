// The tray icon under a real system tray: an X server and a tray of its own,
// started here, and the clicks a user makes sent through the X server. The
// program's other UI tests run offscreen, where no tray exists.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QThread>
#include <cstdlib>
#include <string>

#include "ChildProcess.h"
#include "app/CRASSheet.h"
#include "app/CSheetPage.h"

namespace varnolt::test {
namespace {

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

// Xvfb on a display it picks itself, with trayer as its system tray.
class TrayDesktop {
public:
    // Empty when started; otherwise why not.
    std::string Start() {
        if (std::system(
                "{ command -v Xvfb && command -v trayer && command -v xdotool; } >/dev/null") !=
            0) {
            return "Xvfb, trayer or xdotool is not installed (Debian packages xvfb, trayer, "
                   "xdotool)";
        }
        int pipe[2];
        if (::pipe(pipe) != 0) {
            return "no pipe";
        }
        const std::string fd = std::to_string(pipe[1]);
        m_server.emplace([&] {
            ::close(pipe[0]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1600x1200x24",
                     "-nolisten", "tcp", static_cast<char*>(nullptr));
            return 127;
        });
        ::close(pipe[1]);
        std::string display;
        char c = 0;
        while (::read(pipe[0], &c, 1) == 1 && c != '\n') {
            display += c;
        }
        ::close(pipe[0]);
        if (display.empty()) {
            return "Xvfb did not start";
        }
        ::setenv("DISPLAY", (":" + display).c_str(), 1);
        m_tray.emplace([] {
            ::execlp("trayer", "trayer", "--edge", "bottom", "--align", "right", "--widthtype",
                     "pixel", "--width", "96", "--height", "32", static_cast<char*>(nullptr));
            return 127;
        });
        return {};
    }

    ~TrayDesktop() {
        // The tray goes before the server it runs on, which removes its lock file.
        if (m_tray) {
            m_tray->Terminate();
        }
        if (m_server) {
            m_server->Terminate();
        }
    }

private:
    std::optional<ChildProcess> m_server;
    std::optional<ChildProcess> m_tray;
};

// Moves the pointer there and clicks, as a user does.
void ClickAt(QPoint global, int button) {
    // Made before the fork: the child of a program with threads only execs.
    const std::string x = std::to_string(global.x()), y = std::to_string(global.y()),
                      b = std::to_string(button);
    ChildProcess click([&] {
        ::execlp("xdotool", "xdotool", "mousemove", x.c_str(), y.c_str(), "click", b.c_str(),
                 static_cast<char*>(nullptr));
        return 127;
    });
    EXPECT_EQ(ExitCode(click.Wait()), 0);
}

class Phonebook : public CSheetPage {
public:
    bool connected = false;
    int hangUps = 0;
    bool IsConnected() const override { return connected; }
    void OnMenuHangUp() override { ++hangUps; }
};

TEST(SystemTray, RightClickOpensTheMenuAndLeftClickBringsTheSheetBackUnlessConnected) {
    TrayDesktop desktop;
    if (const std::string why = desktop.Start(); !why.empty()) {
        GTEST_SKIP() << why;
    }
    // The tray of this test, not one a desktop session may offer over D-Bus.
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/varnolt-tray-test", 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    int argc = 1;
    char name[] = "tray_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    ASSERT_TRUE(WaitUntil(&QSystemTrayIcon::isSystemTrayAvailable, 10'000)) << "no tray came up";

    CRASSheet sheet(true);
    auto* phonebook = new Phonebook;
    sheet.AddPage(kPagePhonebook, phonebook);
    sheet.show();
    QSystemTrayIcon* icon = sheet.TrayIcon();
    ASSERT_NE(icon, nullptr);
    // Docked, the icon sits in the tray at the screen's lower right, clear of the sheet.
    ASSERT_TRUE(WaitUntil([&] { return icon->geometry().top() > 600; }, 10'000)) << "not docked";
    ASSERT_FALSE(sheet.frameGeometry().intersects(icon->geometry()));
    const QPoint center = icon->geometry().center();

    sheet.EnableHangUpCommand(true);
    QMenu* menu = icon->contextMenu();
    ASSERT_NE(menu, nullptr);
    ClickAt(center, 3);
    ASSERT_TRUE(WaitUntil([&] { return menu->isVisible(); }, 5'000)) << "no menu";
    const QRect hangUp = menu->actionGeometry(sheet.HangUpAction());
    ClickAt(menu->mapToGlobal(hangUp.center()), 1);
    EXPECT_TRUE(WaitUntil([&] { return phonebook->hangUps == 1; }, 5'000));
    EXPECT_TRUE(WaitUntil([&] { return !menu->isVisible(); }, 5'000));

    sheet.showMinimized();
    ClickAt(center, 1);
    EXPECT_TRUE(WaitUntil([&] { return !sheet.isMinimized(); }, 5'000));

    // Connected, the sheet stays minimised: the menu ends the call.
    phonebook->connected = true;
    sheet.showMinimized();
    ClickAt(center, 1);
    QElapsedTimer settle;
    settle.start();
    WaitUntil([&] { return settle.elapsed() > 500; }, 1'000);
    EXPECT_TRUE(sheet.isMinimized());
    phonebook->connected = false;
}

}  // namespace
}  // namespace varnolt::test
