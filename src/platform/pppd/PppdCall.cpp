#include "PppdCall.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>

namespace varnolt::pppd {
namespace {

// Both ends of a pipe, closed when they go out of scope.
struct Pipe {
    int read = -1;
    int write = -1;
    Pipe() {
        int fds[2];
        // Close-on-exec: no other child inherits them; pppd's end is made
        // inheritable in pppd's child process only.
        if (::pipe2(fds, O_CLOEXEC) == 0) {
            read = fds[0];
            write = fds[1];
        }
    }
    ~Pipe() {
        CloseRead();
        CloseWrite();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    void CloseRead() {
        if (read >= 0) {
            ::close(read);
            read = -1;
        }
    }
    void CloseWrite() {
        if (write >= 0) {
            ::close(write);
            write = -1;
        }
    }
};

// The whole password, before pppd runs: it fits the pipe's buffer (pppd takes
// at most 255 bytes), so writing never waits for the reader.
bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0) {
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

PppdCall::PppdCall(RasHandle handle, RemoteAccess::DialNotify notify)
    : m_handle(handle), m_notify(std::move(notify)) {
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setInputChannelMode(QProcess::ManagedInputChannel);
    QObject::connect(&m_process, &QProcess::readyReadStandardOutput, this,
                     [this] { ReadOutput(); });
    QObject::connect(&m_process, &QProcess::finished, this,
                     [this](int code, QProcess::ExitStatus status) { Finished(code, status); });
}

PppdCall::~PppdCall() {
    HangUp();
}

bool PppdCall::Start(const QString& program, QStringList arguments, const std::string& password) {
    Pipe pipe;
    if (!password.empty()) {
        if (pipe.read < 0 || !WriteAll(pipe.write, password)) {
            return false;
        }
        // pppd reads the password up to the end of the pipe.
        pipe.CloseWrite();
        arguments << "plugin"
                  << "passwordfd.so"
                  << "passwordfd" << QString::number(pipe.read);
        const int fd = pipe.read;
        m_process.setChildProcessModifier([fd] { ::fcntl(fd, F_SETFD, 0); });
    }
    m_process.start(program, arguments, QIODevice::ReadOnly);
    return m_process.waitForStarted();
}

void PppdCall::ReadOutput() {
    m_partial += m_process.readAllStandardOutput().toStdString();
    std::size_t end;
    while ((end = m_partial.find('\n')) != std::string::npos) {
        std::string line = m_partial.substr(0, end);
        m_partial.erase(0, end + 1);
        Line(line);
    }
}

void PppdCall::Line(const std::string& line) {
    if (const std::optional<unsigned> state = m_log.Read(line)) {
        m_state = *state;
        Notify(*state, 0);
    }
}

void PppdCall::Finished(int exitCode, QProcess::ExitStatus status) {
    ReadOutput();
    if (!m_partial.empty()) {
        Line(std::exchange(m_partial, {}));
    }
    m_state = kStateDisconnected;
    Notify(kStateDisconnected, m_log.FailureCode(exitCode, status == QProcess::CrashExit));
}

void PppdCall::Notify(unsigned state, int error) {
    if (!m_silenced && m_notify) {
        m_notify(m_handle, state, error);
    }
}

void PppdCall::HangUp(std::chrono::milliseconds grace) {
    m_silenced = true;
    if (m_process.state() == QProcess::NotRunning) {
        return;
    }
    m_process.terminate();
    const QDeadlineTimer deadline(grace);
    while (m_process.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        if (!m_process.waitForFinished(20)) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        }
    }
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(1000);
    }
}

}  // namespace varnolt::pppd
