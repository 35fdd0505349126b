#include <gtest/gtest.h>
#include <sys/wait.h>

#include <functional>
#include <string>

#include "ChildProcess.h"
#include "FixedLocale.h"
#include "RecordingSheetHost.h"
#include "ScriptedDialer.h"
#include "TempDir.h"
#include "holiday/CHolidayDatabase.h"
#include "log/CConnectionLog.h"
#include "sqlite/SqliteSettingsStore.h"

namespace varnolt {
namespace {

// A numbered list that two program instances append to at once.
struct SharedList {
    const char* name;
    std::function<void(SettingsStore& store, const std::string& who)> append;
    // The names of the items 1..count, as the list reads them.
    std::function<std::vector<std::string>(SettingsStore& store)> read;
};

void PrintTo(const SharedList& list, std::ostream* os) {
    *os << list.name;
}

class TwoInstances : public ::testing::TestWithParam<SharedList> {};

TEST_P(TwoInstances, AppendingAtOnceLoseNothing) {
    constexpr int kEach = 300;
    test::TempDir dir;
    const std::string path = (dir.path() / "Varnolt.db").string();
    auto appendMany = [&](const std::string& who) {
        SqliteSettingsStore store(path);
        for (int i = 0; i < kEach; ++i) {
            GetParam().append(store, who);
        }
    };
    test::ChildProcess child([&] {
        appendMany("child");
        return 0;
    });
    appendMany("parent");
    const int status = child.Wait();
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    SqliteSettingsStore store(path);
    const std::vector<std::string> items = GetParam().read(store);
    ASSERT_EQ(items.size(), 2u * kEach);
    EXPECT_EQ(std::count(items.begin(), items.end(), "child"), kEach);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, TwoInstances,
    ::testing::Values(
        SharedList{"Holidays",
                   [](SettingsStore& store, const std::string& who) {
                       CHolidayDatabase(store).Insert({who, 1, 1, 0});
                   },
                   [](SettingsStore& store) {
                       std::vector<std::string> names;
                       for (const CHolidayEntry& holiday : CHolidayDatabase(store).ReadAll()) {
                           names.push_back(holiday.description);
                       }
                       return names;
                   }},
        SharedList{"ConnectionLog",
                   [](SettingsStore& store, const std::string& who) {
                       test::FixedLocale locale;
                       test::ScriptedDialer dialer;
                       test::RecordingSheetHost host;
                       CConnectionLog(store, locale, dialer, host).Append(who, "", {}, {}, 0, 0);
                   },
                   [](SettingsStore& store) {
                       test::FixedLocale locale;
                       test::ScriptedDialer dialer;
                       test::RecordingSheetHost host;
                       std::vector<std::string> names;
                       for (const CLogRecord& record :
                            CConnectionLog(store, locale, dialer, host).ReadAll()) {
                           names.push_back(record.entry);
                       }
                       return names;
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace varnolt
