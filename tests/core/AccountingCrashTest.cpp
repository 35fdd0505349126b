#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "ChildProcess.h"
#include "FakeClock.h"
#include "FixedLocale.h"
#include "ForwardingSettingsStore.h"
#include "RecordingSheetHost.h"
#include "RecordingTreeView.h"
#include "ScriptedDialer.h"
#include "TempDir.h"
#include "app/LocalTime.h"
#include "log/CConnectionLog.h"
#include "meter/CallAccounting.h"
#include "sqlite/SqliteSettingsStore.h"

namespace varnolt::test {
namespace {

// What the accounting and the log store need around them.
struct Program {
    explicit Program(SettingsStore& store)
        : log(store, locale, dialer, host), accounting(store, clock, locale, log, host, tree) {
        dialer.AddEntry("Office");
        dialer.AddEntry("Home");
    }

    FakeClock clock;
    FixedLocale locale{"DM"};
    ScriptedDialer dialer;
    RecordingSheetHost host;
    RecordingTreeView tree;
    CConnectionLog log;
    CallAccounting accounting;
};

struct Operation {
    const char* name;
    std::function<void(Program&)> run;
};

void PrintTo(const Operation& op, std::ostream* os) {
    *os << op.name;
}

// Every value in the database, in one text.
std::string Dump(const std::string& path) {
    sqlite3* db = nullptr;
    std::string out;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* rows = nullptr;
        sqlite3_prepare_v2(db,
                           "SELECT section || '|' || key || '=' || kind || ':' || quote(value)"
                           " FROM settings ORDER BY section, key",
                           -1, &rows, nullptr);
        while (rows != nullptr && sqlite3_step(rows) == SQLITE_ROW) {
            out += reinterpret_cast<const char*>(sqlite3_column_text(rows, 0));
            out += "\n";
        }
        sqlite3_finalize(rows);
    }
    sqlite3_close(db);
    return out;
}

class KilledMidway : public ::testing::TestWithParam<Operation> {
protected:
    // A store with three logged calls and totals, as it stands before the operation.
    std::string Seeded(const std::string& name) {
        const std::string path = (m_dir.path() / name).string();
        SqliteSettingsStore store(path);
        Program program(store);
        for (int n = 1; n <= 3; ++n) {
            program.accounting.AccountCall(
                {n == 2 ? "Home" : "Office", "anna", MakeLocal(1996, 3, n, 9, 0, 0), 0.12f * n});
        }
        return path;
    }

    TempDir m_dir;
};

// Killed after any one of its writes, or right after it committed, the
// operation leaves the store exactly as before or exactly as after it.
TEST_P(KilledMidway, LeavesTheStoreAsBeforeOrAsAfter) {
    const std::string before = Dump(Seeded("before.db"));
    const std::string afterPath = Seeded("after.db");
    int writes = 0;
    {
        SqliteSettingsStore store(afterPath);
        ForwardingSettingsStore counted(store);
        Program program(counted);
        GetParam().run(program);
        writes = counted.ValueWrites();
    }
    const std::string after = Dump(afterPath);
    ASSERT_NE(before, after);
    ASSERT_GT(writes, 2);

    for (int k = 1; k <= writes + 1; ++k) {
        const std::string path = Seeded("killed-" + std::to_string(k) + ".db");
        ChildProcess child([&] {
            SqliteSettingsStore store(path);
            ForwardingSettingsStore killing(store);
            auto die = [] { ::kill(::getpid(), SIGKILL); };
            if (k <= writes) {
                killing.afterWrite = [&](int n) {
                    if (n == k) {
                        die();
                    }
                };
            } else {
                killing.afterTransaction = die;
            }
            Program program(killing);
            GetParam().run(program);
            return 0;
        });
        const int status = child.Wait();
        ASSERT_TRUE(WIFSIGNALED(status)) << "write " << k;
        EXPECT_EQ(Dump(path), k <= writes ? before : after) << "killed after write " << k;
    }
}

// A file system that is full: no file may grow past 4 KB (the store is larger).
TEST_F(KilledMidway, OnAFullFileSystemTheAccountingReportsFailureAndKeepsNothing) {
    const std::string path = Seeded("full.db");
    {
        SqliteSettingsStore store(path);
        store.WriteString("__Running call", "Entry", "Office");
    }
    const std::string before = Dump(path);
    ChildProcess child([&] {
        SqliteSettingsStore store(path);
        Program program(store);
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit full{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &full);
        const auto outcome = program.accounting.AccountCall(
            {"Office", "anna", MakeLocal(1996, 3, 5, 9, 7, 15), 0.36f},
            [&store] { store.RemoveSection("__Running call"); });
        return outcome == CallAccounting::Outcome::Failed && program.host.sent.empty() ? 0 : 1;
    });
    EXPECT_EQ(ExitCode(child.Wait()), 0);
    EXPECT_EQ(Dump(path), before);
}

INSTANTIATE_TEST_SUITE_P(
    Store, KilledMidway,
    ::testing::Values(Operation{"AccountCall",
                                [](Program& p) {
                                    p.accounting.AccountCall(
                                        {"Office", "anna", MakeLocal(1996, 3, 5, 9, 7, 15), 0.36f});
                                }},
                      Operation{"ClearLog", [](Program& p) { p.log.Clear(); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace varnolt::test
