// Figures of a real call: the Phonebook page in its sheet (offscreen) dials
// the simulated service with the Qt timers and clock, as the program does.
//   1. CPU time of the whole process while a call is up and nothing else
//      happens (default 60 s); the goal is under 0.5 % of one core.
//   2. Units charged for a call on a scale with a 1 s cycle (default 120 s)
//      against the ideal count: one unit at connect, and one for each meter
//      tick between the first, which starts the 1 s charge timer, and the
//      last, which finds the line down and stops it.
// Usage: dial_bench [idle seconds] [call seconds]
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "RealService.h"
#include "app/NumberText.h"

namespace {

using namespace varnolt;

// The page's timers, counting the meter ticks.
class WatchedTimers final : public Timers {
public:
    void SetHandler(Handler handler) override {
        m_inner.SetHandler([this, handler = std::move(handler)](int id) {
            meterTicks += id == CaptionMeter::kMeterTickId ? 1 : 0;
            if (handler) {
                handler(id);
            }
        });
    }
    void Start(int id, int periodMs) override { m_inner.Start(id, periodMs); }
    void Stop(int id) override { m_inner.Stop(id); }
    bool IsRunning(int id) const override { return m_inner.IsRunning(id); }

    int meterTicks = 0;

private:
    QtTimers m_inner;
};

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

int Seconds(int argc, char** argv, int index, int fallback) {
    return argc > index ? std::atoi(argv[index]) : fallback;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int idleSeconds = Seconds(argc, argv, 1, 60);
    const int callSeconds = Seconds(argc, argv, 2, 120);

    WatchedTimers timers;  // outlives the page, which stops them when it goes
    test::RealService real;
    real.AddEntry("Idle line", 1, 0);
    real.AddEntry("Metered line", 1, callSeconds);
    real.MeterEachSecond("Metered line");
    real.Open(timers);
    ConnectionMachine& connection = *real.page->Connection();

    if (!real.Dial(0)) {
        std::fprintf(stderr, "the idle line did not connect\n");
        return 1;
    }
    test::RunEventsFor(2000);  // past the first ticks
    const double cpuBefore = CpuSeconds();
    const std::int64_t wallBefore = real.clock.TickMs();
    test::RunEventsFor(idleSeconds * 1000);
    const double cpu = CpuSeconds() - cpuBefore;
    const double wall = static_cast<double>(real.clock.TickMs() - wallBefore) / 1000.0;
    connection.HangUp();
    std::printf("connected and idle: %.3f s CPU in %.1f s = %.3f %% of one core (goal < 0.5 %%)\n",
                cpu, wall, 100.0 * cpu / wall);

    timers.meterTicks = 0;
    if (!real.Dial(1) ||
        !test::WaitUntil([&] { return !connection.IsConnected(); }, (callSeconds + 30) * 1000)) {
        std::fprintf(stderr, "the metered call did not run its course\n");
        return 1;
    }
    const int charged =
        static_cast<int>(ScanFloat(real.store.ReadString("Metered line", "Total costs", "0")));
    const int ideal = 1 + std::max(0, timers.meterTicks - 2);
    std::printf("call of %d s at a 1 s cycle: %d units charged, ideal %d (%s)\n", callSeconds,
                charged, ideal, charged == ideal ? "none lost or doubled" : "MISMATCH");
    return charged == ideal ? 0 : 1;
}
