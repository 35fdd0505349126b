// Figures of the holiday lookup the fee meter makes every second during a
// call, on a database of 1,000 holidays in the SQLite settings store.
#include <benchmark/benchmark.h>

#include "TempDir.h"
#include "holiday/CHolidayDatabase.h"
#include "platform/StoreTransaction.h"
#include "sqlite/SqliteSettingsStore.h"

namespace {

using varnolt::CHolidayDatabase;

constexpr int kHolidays = 1000;

// One store for all runs: filling it takes longer than the figures measured.
struct Fixture {
    Fixture() : store((dir.path() / "holidays.db").string()), database(store) {
        varnolt::StoreTransaction transaction(store);
        for (int i = 0; i < kHolidays; ++i) {
            // Odd days repeat every year, even days are single dates.
            const int year = i % 2 == 0 ? 0 : 1990 + i % 40;
            database.Insert({"Holiday " + std::to_string(i), 1 + i % 28, 1 + (i / 28) % 12, year});
        }
    }
    varnolt::test::TempDir dir;
    varnolt::SqliteSettingsStore store;
    CHolidayDatabase database;
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

// No holiday has day 31: one read per holiday.
void BM_IsHolidayNoDayMatches(benchmark::State& state) {
    CHolidayDatabase& db = Shared().database;
    for (auto _ : state) {
        benchmark::DoNotOptimize(db.IsHoliday(31, 12, 2026));
    }
}
BENCHMARK(BM_IsHolidayNoDayMatches)->Unit(benchmark::kMicrosecond);

// Matches nothing, but about 36 holidays share the day and 3 the month as well.
void BM_IsHolidayNoMatchSameDays(benchmark::State& state) {
    CHolidayDatabase& db = Shared().database;
    for (auto _ : state) {
        benchmark::DoNotOptimize(db.IsHoliday(2, 2, 1800));
    }
}
BENCHMARK(BM_IsHolidayNoMatchSameDays)->Unit(benchmark::kMicrosecond);

// A yearly holiday found.
void BM_IsHolidayMatch(benchmark::State& state) {
    CHolidayDatabase& db = Shared().database;
    for (auto _ : state) {
        benchmark::DoNotOptimize(db.IsHoliday(1, 1, 2026));
    }
}
BENCHMARK(BM_IsHolidayMatch)->Unit(benchmark::kMicrosecond);

// Filling the page's list: every holiday read.
void BM_ReadAll(benchmark::State& state) {
    CHolidayDatabase& db = Shared().database;
    for (auto _ : state) {
        benchmark::DoNotOptimize(db.ReadAll());
    }
}
BENCHMARK(BM_ReadAll)->Unit(benchmark::kMicrosecond);

}  // namespace
