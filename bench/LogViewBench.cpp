// Figures of the LOG view page over 100,000 logged calls in the SQLite store
// (offscreen): the first show (set-up, fill, layout and paint), a Reload
// after one more call was logged, and the ASCII export to a file. First of
// all, the first show of a hand-edited log: "Anzahl" 2147483647 over 10
// records, one of them numbered 2147483647, with the process's peak memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QPushButton>
#include <QTreeView>
#include <climits>
#include <filesystem>
#include <memory>
#include <string>

#include "FixedLocale.h"
#include "RecordingSheetHost.h"
#include "ScriptedDialer.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "app/LocalTime.h"
#include "log/CLogviewPage.h"
#include "posix/PosixExportFile.h"
#include "platform/StoreTransaction.h"
#include "sqlite/SqliteSettingsStore.h"

namespace {

using namespace varnolt;

class LoggedCalls {
public:
    LoggedCalls() : m_store((m_dir.path() / "log.db").string()) {
        StoreTransaction transaction(m_store);
        for (int n = 0; n < 100'000; ++n) {
            LogCall();
        }
    }

    void LogCall() {
        ++m_calls;
        m_log.Append(m_calls % 3 == 0 ? "Home" : "Office", "anna", MakeLocal(1996, 3, 5, 9, 7, 0),
                     MakeLocal(1996, 3, 5, 9, 41, 0), 0.12f * static_cast<float>(m_calls % 40),
                     0.5f * static_cast<float>(m_calls));
    }

    // A page shown as the sheet shows it, set up and filled.
    std::unique_ptr<CLogviewPage> ShowPage() {
        auto page = std::make_unique<CLogviewPage>(m_store, m_locale, m_dialer, m_prompts, m_files,
                                                     m_host);
        page->resize(640, 480);
        page->show();
        QApplication::processEvents();
        return page;
    }

    test::TempDir m_dir;
    SqliteSettingsStore m_store;
    test::FixedLocale m_locale{"DM"};
    test::ScriptedDialer m_dialer;
    test::ScriptedPrompts m_prompts;
    PosixExportFile m_files;
    test::RecordingSheetHost m_host;
    CConnectionLog m_log{m_store, m_locale, m_dialer, m_host};
    int m_calls = 0;
};

int Rows(const CLogviewPage& page) {
    return page.findChild<QTreeView*>("logTable")->model()->rowCount();
}

// The peak resident memory of the process so far, in MB.
double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KB
}

void BM_FirstShowOfAHugeCount(benchmark::State& state) {
    test::TempDir dir;
    SqliteSettingsStore store((dir.path() / "log.db").string());
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, INT_MAX}) {
        const std::string i = std::to_string(n);
        for (const char* key :
             {"Entry #", "User #", "From #", "To #", "Costs #", "Total Costs #"}) {
            store.WriteString("__LOG file", key + i, "call " + i);
        }
    }
    store.WriteInt("__LOG file", "Anzahl", INT_MAX);
    test::FixedLocale locale{"DM"};
    test::ScriptedDialer dialer;
    test::ScriptedPrompts prompts;
    test::RecordingSheetHost host;
    PosixExportFile files;
    int rows = 0;
    for (auto _ : state) {
        auto page = std::make_unique<CLogviewPage>(store, locale, dialer, prompts, files, host);
        page->resize(640, 480);
        page->show();
        QApplication::processEvents();
        state.PauseTiming();
        rows = Rows(*page);
        page.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
    state.counters["peak_MB"] = PeakMegabytes();
}
// Before the 100,000 calls are made, so that the peak is this one's.
BENCHMARK(BM_FirstShowOfAHugeCount)->Unit(benchmark::kMillisecond);

LoggedCalls& Shared() {
    static LoggedCalls calls;
    return calls;
}

void BM_FirstShow(benchmark::State& state) {
    LoggedCalls& calls = Shared();
    int rows = 0;
    for (auto _ : state) {
        std::unique_ptr<CLogviewPage> page = calls.ShowPage();
        state.PauseTiming();
        rows = Rows(*page);
        page.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_FirstShow)->Unit(benchmark::kMillisecond);

void BM_ReloadAfterOneMoreCall(benchmark::State& state) {
    LoggedCalls& calls = Shared();
    std::unique_ptr<CLogviewPage> page = calls.ShowPage();
    for (auto _ : state) {
        state.PauseTiming();
        calls.LogCall();
        state.ResumeTiming();
        page->OnReloadLog();
        QApplication::processEvents();
    }
    state.counters["rows"] = Rows(*page);
}
BENCHMARK(BM_ReloadAfterOneMoreCall)->Unit(benchmark::kMillisecond);

void BM_AsciiExport(benchmark::State& state) {
    LoggedCalls& calls = Shared();
    std::unique_ptr<CLogviewPage> page = calls.ShowPage();
    auto* button = page->findChild<QPushButton*>("asciiExportButton");
    const std::filesystem::path path = calls.m_dir.path() / "calls.LOG";
    for (auto _ : state) {
        calls.m_prompts.ChooseFile(path.string());
        button->click();
    }
    state.counters["rows"] = Rows(*page);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}
BENCHMARK(BM_AsciiExport)->Unit(benchmark::kMillisecond);

}  // namespace
