// Figures of the end-of-call accounting (totals and log append, one
// transaction) with an empty log and with 100,000 calls logged, and of
// reading the whole log, in the SQLite settings store.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "FakeClock.h"
#include "FixedLocale.h"
#include "RecordingSheetHost.h"
#include "ScriptedDialer.h"
#include "TempDir.h"
#include "RecordingTreeView.h"
#include "app/LocalTime.h"
#include "connection/PhonebookTreeBuilder.h"
#include "log/CConnectionLog.h"
#include "meter/CallAccounting.h"
#include "platform/StoreTransaction.h"
#include "sqlite/SqliteSettingsStore.h"

namespace {

using namespace varnolt;

// A program's store holding `records` logged calls, with what accounting needs.
struct LoggedStore {
    explicit LoggedStore(int records)
        : store((dir.path() / "log.db").string()),
          log(store, locale, dialer, host),
          accounting(store, clock, locale, log, host, tree) {
        dialer.AddEntry("Office");
        StoreTransaction transaction(store);
        for (int n = 0; n < records; ++n) {
            log.Append(n % 3 == 0 ? "Home" : "Office", "anna", MakeLocal(1996, 3, 5, 9, 7, 0),
                       MakeLocal(1996, 3, 5, 9, 41, 0), 0.12f * (n % 40), 0.5f * n);
        }
        tree.ShowTree(PhonebookTreeBuilder(dialer, store, locale).Build());
    }

    test::TempDir dir;
    SqliteSettingsStore store;
    test::FakeClock clock;
    test::FixedLocale locale{"DM"};
    test::ScriptedDialer dialer;
    test::RecordingSheetHost host;
    test::RecordingTreeView tree;
    CConnectionLog log;
    CallAccounting accounting;
};

LoggedStore& Shared(int records) {
    static std::unique_ptr<LoggedStore> empty, full;
    auto& slot = records == 0 ? empty : full;
    if (!slot) {
        slot = std::make_unique<LoggedStore>(records);
    }
    return *slot;
}

// Each call finds exactly `records` calls logged before it.
void BM_AccountCall(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    LoggedStore& logged = Shared(records);
    const EndedCall call{"Office", "anna", MakeLocal(1996, 3, 5, 9, 7, 15), 0.36f};
    for (auto _ : state) {
        state.PauseTiming();
        logged.store.WriteInt("__LOG file", "Anzahl", records);
        state.ResumeTiming();
        logged.accounting.AccountCall(call);
    }
    state.counters["records"] = logged.log.Count();
}
BENCHMARK(BM_AccountCall)->Arg(0)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_ReadWholeLog(benchmark::State& state) {
    LoggedStore& logged = Shared(static_cast<int>(state.range(0)));
    std::size_t read = 0;
    for (auto _ : state) {
        read = logged.log.ReadAll().size();
        benchmark::DoNotOptimize(read);
    }
    state.counters["records"] = static_cast<double>(read);
}
BENCHMARK(BM_ReadWholeLog)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
