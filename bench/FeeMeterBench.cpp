// One meter tick's period tracking plus one pricing on a user-defined scale of
// 100 periods, read from the SQLite store as the running meter does.
#include <benchmark/benchmark.h>

#include "FakeClock.h"
#include "FakeTimers.h"
#include "TempDir.h"
#include "platform/StoreTransaction.h"
#include "sqlite/SqliteSettingsStore.h"
#include "tariff/CScaleStore.h"
#include "tariff/FeeMeter.h"

namespace {

using namespace varnolt;

void BM_TrackPeriodAndUnitPrice(benchmark::State& state) {
    test::ScopedTimeZone utc("UTC");
    test::TempDir dir;
    SqliteSettingsStore store((dir.path() / "b.db").string());
    const int periods = static_cast<int>(state.range(0));
    TariffScale scale;
    scale.id = ScaleId::User2;
    for (int i = 0; i < periods; ++i) {
        const int from = i * 1440 / periods;
        const int to = (i + 1) * 1440 / periods;
        scale.weekdayPeriods.push_back(
            {from / 60, from % 60, to / 60, to % 60, i % 2 ? "60" : "90", "0.10"});
    }
    {
        StoreTransaction transaction(store);
        CScaleStore(store).SaveScale(scale);
    }
    store.WriteString("Office", "Scale", "Userdefined scale #2");

    test::FakeClock clock;
    test::FakeTimers timers(clock);
    FeeMeter meter(store, clock, timers);
    // A Tuesday, late enough that the last period holds: the whole list is walked.
    clock.SetLocal(2026, 12, 8, 23, 59, 0);
    meter.BeginCall("Office");
    for (auto _ : state) {
        meter.TrackPeriod();
        benchmark::DoNotOptimize(meter.UnitPriceNow());
    }
    state.counters["cycle_ms"] = meter.RunningCycleMs();
}
BENCHMARK(BM_TrackPeriodAndUnitPrice)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace
