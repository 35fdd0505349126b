#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace varnolt {

// SIGTERM, SIGINT and SIGHUP end the program in order instead of killing it
// mid-call: the handler only writes a byte to a pipe, and `quit` runs on the
// UI thread when the event loop reads it. One instance per program.
class QuitSignals final : public QObject {
    Q_OBJECT
public:
    explicit QuitSignals(std::function<void()> quit);
    ~QuitSignals() override;

private:
    std::function<void()> m_quit;
    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace varnolt
