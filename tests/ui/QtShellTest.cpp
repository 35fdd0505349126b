#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDesktopServices>
#include <QDir>
#include <QUrl>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "TempDir.h"
#include "qt/QtShell.h"

namespace varnolt {
namespace {

namespace fs = std::filesystem;

// Receives what the shell hands to the desktop instead of a real desktop.
class DesktopCatcher final : public QObject {
    Q_OBJECT
public:
    std::vector<std::string> opened;

public slots:
    void Open(const QUrl& url) { opened.push_back(url.toLocalFile().toStdString()); }
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> FilesUnder(const fs::path& root) {
    std::vector<std::string> files;
    for (const auto& file : fs::recursive_directory_iterator(root)) {
        files.push_back(fs::relative(file.path(), root).string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

class QtShellTest : public ::testing::Test {
protected:
    QtShellTest() : m_oldCurrent(QDir::currentPath()) {
        QDesktopServices::setUrlHandler("file", &desktop, "Open");
        // Anything a shell might run would land in the current folder.
        QDir::setCurrent(QString::fromStdString(dir.path().string()));
    }
    ~QtShellTest() override {
        QDir::setCurrent(m_oldCurrent);
        QDesktopServices::unsetUrlHandler("file");
    }

    test::TempDir dir;
    DesktopCatcher desktop;
    QtShell shell;

private:
    QString m_oldCurrent;
};

TEST_F(QtShellTest, AProgramStartsAloneAndNoShellEverReadsItsName) {
    // A name a shell would split, quote, substitute and pipe; it starts with
    // a dash, too. The program writes where it was started from and how many
    // arguments it got.
    const std::string name =
        "-x run me; touch injected1 \"q\" 'x' $(touch injected2) | touch injected3 `touch "
        "injected4` && touch injected5";
    const fs::path bin = dir.path() / "bin";
    fs::create_directory(bin);
    const fs::path program = bin / name;
    const fs::path record = dir.path() / "ran.log";
    std::ofstream(program) << "#!/bin/sh\nprintf '%s|%s\\n' \"$0\" \"$#\" >> '" << record.string()
                           << "'\n";
    ASSERT_EQ(::chmod(program.c_str(), 0755), 0);
    test::ScopedEnv path("PATH", bin.string() + ":/usr/bin:/bin");

    shell.Execute(program.string(), ShellVerb::Open, ShowWindow::Maximized);
    shell.Execute(name, ShellVerb::Open, ShowWindow::Normal);  // found through PATH

    const std::string expected = program.string() + "|0\n" + program.string() + "|0\n";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (ReadFile(record) != expected && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    // Anything else would have had time to run by now.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(ReadFile(record), expected);
    EXPECT_EQ(FilesUnder(dir.path()), (std::vector<std::string>{"bin", "bin/" + name, "ran.log"}));
    EXPECT_TRUE(desktop.opened.empty());
}

TEST_F(QtShellTest, DocumentsAndFoldersGoToTheDesktop) {
    const fs::path document = dir.path() / "notes; rm -rf x.txt";
    std::ofstream(document) << "text";
    const fs::path folder = dir.path() / "sub";
    fs::create_directory(folder);
    // Executable, but not a program: the desktop opens it instead.
    const fs::path notProgram = dir.path() / "data.bin";
    std::ofstream(notProgram) << "\x7f\x01";
    ASSERT_EQ(::chmod(notProgram.c_str(), 0755), 0);

    shell.Execute(document.string(), ShellVerb::Open, ShowWindow::Normal);
    shell.Execute(document.string(), ShellVerb::Explore, ShowWindow::Normal);
    shell.Execute(folder.string(), ShellVerb::Open, ShowWindow::Minimized);
    shell.Execute(folder.string(), ShellVerb::Explore, ShowWindow::Maximized);
    shell.Execute("notes; rm -rf x.txt", ShellVerb::Open, ShowWindow::Normal);  // relative
    shell.Execute(notProgram.string(), ShellVerb::Open, ShowWindow::Normal);
    shell.Execute("", ShellVerb::Open, ShowWindow::Normal);

    const std::string base = dir.path().string();
    EXPECT_EQ(desktop.opened,
              (std::vector<std::string>{document.string(), base, folder.string(), folder.string(),
                                        document.string(), notProgram.string()}));
}

}  // namespace
}  // namespace varnolt

#include "QtShellTest.moc"
