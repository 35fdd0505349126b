// Figures of the Phonebook tree: the core build from the SQLite store, and the
// full page rebuild into the tree widget (offscreen), for 100, 250 and 500
// entries, each with three autolaunch applications and totals, plus 20
// providers of 5 members.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>

#include "FixedLocale.h"
#include "RecordingSheetHost.h"
#include "ScriptedDialer.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "connection/CTreePage.h"
#include "connection/PhonebookTreeBuilder.h"
#include "platform/StoreTransaction.h"
#include "sqlite/SqliteSettingsStore.h"

namespace {

using namespace varnolt;

class Phonebook {
public:
    explicit Phonebook(int entries) : m_store((m_dir.path() / "bench.db").string()) {
        StoreTransaction transaction(m_store);
        m_store.WriteString("All entries", "Total costs", "1234.56");
        m_store.WriteString("All entries", "Last connect", "01.02.1999 at 10:11:12 h");
        for (int e = 1; e <= entries; ++e) {
            const std::string name = "Entry " + std::to_string(e);
            m_dialer.AddEntry(name, "user" + std::to_string(e), "secret", true);
            m_store.WriteInt(name, "Redial after", 30);
            m_store.WriteInt(name, "Autolaunch", 3);
            for (int a = 1; a <= 3; ++a) {
                const std::string section = name + " Autolaunch #" + std::to_string(a);
                m_store.WriteString(section, "Path", "/usr/bin/app" + std::to_string(a));
                m_store.WriteString(section, "Description", "Application " + std::to_string(a));
                m_store.WriteInt(section, "Startup", 0);
            }
            m_store.WriteString(name, "Scale", "Deutsche Telekom Fern");
            m_store.WriteString(name, "Total costs", "12.36");
            m_store.WriteString(name, "Last connect", "03.04.1999 at 05:06:07 h");
        }
        m_store.WriteInt("_Provider List_", "nCount", 20);
        for (int p = 1; p <= 20; ++p) {
            const std::string description = "Provider " + std::to_string(p);
            m_store.WriteString("_Provider List_", "Provider #" + std::to_string(p), description);
            const std::string section = "Provider " + description;
            m_store.WriteInt(section, "How much entries", 5);
            for (int m = 1; m <= 5; ++m) {
                m_store.WriteString(section, "Phonebook #" + std::to_string(m),
                                    "Entry " + std::to_string(m));
            }
        }
    }

    test::TempDir m_dir;
    SqliteSettingsStore m_store;
    test::ScriptedDialer m_dialer;
    test::FixedLocale m_locale;
    test::RecordingSheetHost m_host;
};

void BM_CoreBuild(benchmark::State& state) {
    Phonebook phonebook(static_cast<int>(state.range(0)));
    PhonebookTreeBuilder builder(phonebook.m_dialer, phonebook.m_store, phonebook.m_locale);
    for (auto _ : state) {
        benchmark::DoNotOptimize(builder.Build());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CoreBuild)
    ->Arg(100)
    ->Arg(250)
    ->Arg(500)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// Rebuild through the page, including the layout and paint that follow.
void BM_PageRebuild(benchmark::State& state) {
    Phonebook phonebook(static_cast<int>(state.range(0)));
    test::ScriptedPrompts prompts;
    CTreePage page(phonebook.m_store, phonebook.m_dialer, phonebook.m_locale, prompts,
                   phonebook.m_host);
    page.resize(560, 480);
    page.show();
    QApplication::processEvents();
    for (auto _ : state) {
        page.OnReloadPhonebook();
        QApplication::processEvents();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_PageRebuild)
    ->Arg(100)
    ->Arg(250)
    ->Arg(500)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
