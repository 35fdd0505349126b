// Figures of the SQLite settings store: single reads and writes (each its own
// committed transaction) and writes into a section that already holds many values.
#include <benchmark/benchmark.h>

#include <string>

#include "TempDir.h"
#include "sqlite/SqliteSettingsStore.h"

namespace {

using varnolt::SqliteSettingsStore;

std::string LogKey(int i) {
    std::string key = "#";
    key += std::to_string(i);
    return key;
}

void BM_ReadString(benchmark::State& state) {
    varnolt::test::TempDir dir;
    SqliteSettingsStore store((dir.path() / "b.db").string());
    store.WriteString("All entries", "Total costs", "12.34");
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.ReadString("All entries", "Total costs", "0"));
    }
}
BENCHMARK(BM_ReadString);

void BM_ReadInt(benchmark::State& state) {
    varnolt::test::TempDir dir;
    SqliteSettingsStore store((dir.path() / "b.db").string());
    store.WriteInt("All entries", "Sound", 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.ReadInt("All entries", "Sound", 0));
    }
}
BENCHMARK(BM_ReadInt);

// One WriteString into a store that already holds `range(0)` values.
void BM_WriteString(benchmark::State& state) {
    varnolt::test::TempDir dir;
    SqliteSettingsStore store((dir.path() / "b.db").string());
    const int existing = static_cast<int>(state.range(0));
    for (int i = 0; i < existing; ++i) {
        store.WriteString("__LOG file", LogKey(i), "Office\t12.34");
    }
    int n = 0;
    for (auto _ : state) {
        store.WriteString("All entries", "Last connect", std::to_string(++n));
    }
}
BENCHMARK(BM_WriteString)->Arg(0)->Arg(120000)->Unit(benchmark::kMicrosecond);

// 120,000 WriteString calls into one section, each its own transaction.
void BM_Write120000(benchmark::State& state) {
    for (auto _ : state) {
        varnolt::test::TempDir dir;
        SqliteSettingsStore store((dir.path() / "b.db").string());
        for (int i = 0; i < 120000; ++i) {
            store.WriteString("__LOG file", LogKey(i), "Office\t12.34");
        }
    }
}
BENCHMARK(BM_Write120000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
