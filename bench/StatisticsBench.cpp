// Figures of the Statistics page's refresh (read the log, compute, redraw the
// chart and the month's list) over a year of calls in the SQLite store:
// 5,000 and 100,000 records, twelve entries, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeWidget>
#include <memory>
#include <string>

#include "FakeClock.h"
#include "FixedLocale.h"
#include "RecordingSheetHost.h"
#include "ScriptedDialer.h"
#include "TempDir.h"
#include "log/CConnectionLog.h"
#include "log/CStatisticsPage.h"
#include "platform/StoreTransaction.h"
#include "sqlite/SqliteSettingsStore.h"

namespace {

using namespace varnolt;

// Calls spread evenly over the year up to the clock's now, oldest first.
LocalDateTime CallStart(int n, int records) {
    // 365 days from 4 January 1996 to 2 January 1997, the clock's day before.
    const long long minute = static_cast<long long>(n) * 365 * 24 * 60 / records;
    static const int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int day = static_cast<int>(minute / (24 * 60)) + 3;  // days into 1996
    int year = 1996, month = 1;
    while (day >= kDays[month - 1]) {
        day -= kDays[month - 1];
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    return LocalDateTime{year, month, 0, day + 1, static_cast<int>(minute / 60 % 24),
                         static_cast<int>(minute % 60), 0, 0};
}

struct StatisticsWorld {
    explicit StatisticsWorld(int records) : store((dir.path() / "log.db").string()) {
        clock.SetLocal(1997, 1, 3, 15, 12, 0);
        StoreTransaction transaction(store);
        for (int n = 0; n < records; ++n) {
            LocalDateTime end = CallStart(n, records);
            LocalDateTime start = end;
            start.minute = 0;
            log.Append("Provider " + std::to_string(n % 12), "anna", start, end,
                       0.12f * static_cast<float>(n % 40), 0.5f * static_cast<float>(n));
        }
    }

    test::TempDir dir;
    SqliteSettingsStore store;
    test::FixedLocale locale{"DM"};
    test::ScriptedDialer dialer;
    test::RecordingSheetHost host;
    test::FakeClock clock;
    CConnectionLog log{store, locale, dialer, host};
};

void BM_Refresh(benchmark::State& state) {
    StatisticsWorld world(static_cast<int>(state.range(0)));
    CStatisticsPage page(world.store, world.locale, world.dialer, world.clock, world.host);
    page.resize(640, 480);
    page.show();
    QApplication::processEvents();
    for (auto _ : state) {
        page.Refresh();
        page.repaint();
    }
    state.counters["rows"] =
        static_cast<double>(page.findChild<QTreeWidget*>("monthTable")->topLevelItemCount());
}
BENCHMARK(BM_Refresh)->Arg(5'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
