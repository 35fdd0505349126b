// LoadScale of a user-defined scale from the SQLite settings store, as the fee
// meter does it on every tick of a call.
#include <benchmark/benchmark.h>

#include <string>

#include "TempDir.h"
#include "platform/StoreTransaction.h"
#include "sqlite/SqliteSettingsStore.h"
#include "tariff/CScaleStore.h"

namespace {

using namespace varnolt;

// Scale #2 with range(0) weekday and range(1) Sunday/holiday periods.
void BM_LoadScale(benchmark::State& state) {
    test::TempDir dir;
    SqliteSettingsStore store((dir.path() / "b.db").string());
    CScaleStore scales(store);
    TariffScale scale{.id = ScaleId::User2};
    for (int i = 0; i < state.range(0) + state.range(1); ++i) {
        const TariffPeriod period{i % 24, 0, i % 24 + 1, 0, "22.5", "0.12"};
        (i < state.range(0) ? scale.weekdayPeriods : scale.holidayPeriods).push_back(period);
    }
    {
        StoreTransaction transaction(store);
        scales.SaveScale(scale);
    }
    for (auto _ : state) {
        TariffScale loaded = scales.LoadScale(ScaleId::User2);
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK(BM_LoadScale)
    ->ArgNames({"weekday", "holiday"})
    ->Args({200, 0})
    ->Args({100, 100})
    ->Args({200, 200})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
