#include "QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace varnolt {

namespace {

// The file a path names: a bare name that PATH knows is that program; any
// other path is taken from the current folder.
QFileInfo Resolve(const QString& path) {
    if (!path.contains(QLatin1Char('/'))) {
        const QString program = QStandardPaths::findExecutable(path);
        if (!program.isEmpty()) {
            return QFileInfo(program);
        }
    }
    return QFileInfo(QFileInfo(path).absoluteFilePath());
}

void OpenOnDesktop(const QString& absolutePath) {
    // A file URL of an absolute path: nothing in it can read as an option.
    QDesktopServices::openUrl(QUrl::fromLocalFile(absolutePath));
}

}  // namespace

void QtShell::Execute(const std::string& path, ShellVerb verb, ShowWindow /*window*/) {
    // Neither a detached start nor the desktop's opener can ask another
    // program for a window state here, so the window is left to the program.
    if (path.empty()) {
        return;
    }
    const QFileInfo file = Resolve(QString::fromStdString(path));
    if (verb == ShellVerb::Explore) {
        OpenOnDesktop(file.isDir() ? file.absoluteFilePath() : file.absolutePath());
        return;
    }
    // The program itself, with no arguments: no shell ever reads the path.
    if (file.isFile() && file.isExecutable() &&
        QProcess::startDetached(file.absoluteFilePath(), {})) {
        return;
    }
    OpenOnDesktop(file.absoluteFilePath());
}

}  // namespace varnolt
