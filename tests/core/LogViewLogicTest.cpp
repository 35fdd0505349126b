#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "LogWorld.h"
#include "TempDir.h"
#include "app/LocalTime.h"
#include "log/LogViewLogic.h"

namespace varnolt {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSection = "__LOG file";

// The six values of a stored record in key order; nullptr: not stored.
using StoredRecord = std::array<const char*, 6>;

void Store(SettingsStore& store, int n, const StoredRecord& values) {
    static const char* const kKeys[] = {"Entry #", "User #",  "From #",
                                        "To #",    "Costs #", "Total Costs #"};
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] != nullptr) {
            store.WriteString(kSection, kKeys[i] + std::to_string(n), values[i]);
        }
    }
}

class FakeTable final : public LogTableView {
public:
    const std::vector<CLogRecord>& Records() const override { return rows; }
    void ShowRecords(std::vector<CLogRecord> records) override { rows = std::move(records); }
    void AppendRecords(std::vector<CLogRecord> records) override {
        rows.insert(rows.end(), records.begin(), records.end());
    }
    std::vector<CLogRecord> rows;
};

class LogViewTest : public ::testing::Test, protected test::LogWorld {
protected:
    std::string ReadFile(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    test::TempDir dir;
    FakeTable table;
    LogViewLogic logic{log, prompts, table};
};

const std::string kFrame = "+-------------------------------------------------------------+\r\n";
const std::string kAsciiBanner =
    kFrame + "|                      Varnolt LOG-file                       |\r\n" + kFrame +
    "|    Varnolt 0.63 NT [Beta] - dial-up calls and their fees    |\r\n" + kFrame +
    "|       \u00a9 Kessendral, exported from the settings store        |\r\n" + kFrame +
    "\r\n\r\n";
const std::string kTabbedBanner =
    "Varnolt LOG-file\r\n"
    "Varnolt 0.63 NT [Beta] - dial-up calls and their fees\r\n"
    "\u00a9 Kessendral, exported from the settings store\r\n"
    "\r\n\r\n"
    "Phonebook\tUser\tFrom\tTo\tCosts\tTotal costs\t\r\n";
const std::string kSeparator = "---------------------------------\r\n";

const StoredRecord kOffice = {"Office",         "anna",    "05.03. 09:07 h",
                              "05.03. 09:41 h", "3.48 DM", "3.48 DM"};
const std::string kOfficeBlock = kSeparator +
                                 "Phonebook\tOffice\r\n"
                                 "User\t\tanna\r\n"
                                 "From\t\t05.03. 09:07 h\r\n"
                                 "To\t\t05.03. 09:41 h\r\n"
                                 "Costs\t\t3.48 DM\r\n"
                                 "Total costs\t3.48 DM\r\n";
const std::string kOfficeLine =
    "Office\tanna\t05.03. 09:07 h\t05.03. 09:41 h\t3.48 DM\t3.48 DM\t\r\n";

struct ExportCase {
    const char* name;
    int count;  // "Anzahl"
    std::vector<StoredRecord> records;
    std::string ascii;
    std::string tabbed;
};

void PrintTo(const ExportCase& c, std::ostream* os) {
    *os << c.name;
}

class ExportBytes : public LogViewTest, public ::testing::WithParamInterface<ExportCase> {};

TEST_P(ExportBytes, AreExactlyThese) {
    const ExportCase& c = GetParam();
    for (std::size_t n = 0; n < c.records.size(); ++n) {
        Store(store, static_cast<int>(n + 1), c.records[n]);
    }
    store.WriteInt(kSection, "Anzahl", c.count);
    const FileRequest ascii{
        "Export LOG into ASCII-file ...", {{"Varnolt LOG files (*.LOG)", "*.LOG"}}, "*.LOG", "LOG"};
    const FileRequest tabbed{
        "Export LOG into Excel-file ...", {{"Tabbed text files (*.TXT)", "*.TXT"}}, "*.TXT", "TXT"};
    for (auto [format, request, expected] : {std::tuple{LogExportFormat::Ascii, ascii, c.ascii},
                                             {LogExportFormat::Tabbed, tabbed, c.tabbed}}) {
        // An existing file is replaced, not appended to.
        const fs::path path = dir.path() / "export";
        std::ofstream(path) << std::string(4096, 'x');
        prompts.ChooseFile(path.string());
        logic.OnExport(format);
        EXPECT_EQ(ReadFile(path), expected);
        EXPECT_EQ(prompts.saveChoosers().back(), request);
    }
    EXPECT_TRUE(prompts.shown().empty());  // success is not reported
}

INSTANTIATE_TEST_SUITE_P(
    Log, ExportBytes,
    ::testing::Values(
        ExportCase{"EmptyLog", 0, {}, kAsciiBanner, kTabbedBanner},
        ExportCase{
            "OneRecord", 1, {kOffice}, kAsciiBanner + kOfficeBlock, kTabbedBanner + kOfficeLine},
        ExportCase{"MissingCostsAndTotal",
                   3,
                   {kOffice,
                    {"Home", "bert", "31.12. 23:50 h", "01.01. 00:20 h", nullptr, nullptr},
                    kOffice},
                   kAsciiBanner + kOfficeBlock + kSeparator +
                       "Phonebook\tHome\r\nUser\t\tbert\r\nFrom\t\t31.12. 23:50 h\r\n"
                       "To\t\t01.01. 00:20 h\r\nCosts\t\t<unknown>\r\nTotal costs\t0\r\n" +
                       kOfficeBlock,
                   kTabbedBanner + kOfficeLine +
                       "Home\tbert\t31.12. 23:50 h\t01.01. 00:20 h\t<unknown>\t0\t\r\n" +
                       kOfficeLine},
        ExportCase{"NonAsciiTabAndLineFeedInValues",
                   1,
                   {{"B\u00fcro K\u00f6ln", "an\tna", "05.03. 09:07 h", "05.03. 09:41 h",
                     "3.48 \u20ac", "first\nsecond"}},
                   kAsciiBanner + kSeparator +
                       "Phonebook\tB\u00fcro K\u00f6ln\r\nUser\t\tan\tna\r\n"
                       "From\t\t05.03. 09:07 h\r\nTo\t\t05.03. 09:41 h\r\n"
                       "Costs\t\t3.48 \u20ac\r\nTotal costs\tfirst\r\nsecond\r\n",
                   kTabbedBanner + "B\u00fcro K\u00f6ln\tan\tna\t05.03. 09:07 h\t05.03. 09:41 h\t"
                                   "3.48 \u20ac\tfirst\r\nsecond\t\r\n"},
        // A hand-edited count far above what is stored writes what is there.
        ExportCase{"CountFarAboveTheRecords",
                   1'000'000,
                   {kOffice},
                   kAsciiBanner + kOfficeBlock,
                   kTabbedBanner + kOfficeLine}),
    [](const auto& info) { return std::string(info.param.name); });

int OpenHandlesTo(const fs::path& path) {
    int open = 0;
    for (const auto& fd : fs::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        open += fs::read_symlink(fd.path(), error) == path;
    }
    return open;
}

TEST_F(LogViewTest, ExportFailuresAreReportedAndNeverTakenForSuccess) {
    prompts.ChooseFile(std::nullopt);
    logic.OnExport(LogExportFormat::Ascii);
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_TRUE(fs::is_empty(dir.path()));

    // No folder is made for a path inside one that does not exist.
    prompts.ChooseFile((dir.path() / "missing" / "calls.LOG").string());
    logic.OnExport(LogExportFormat::Ascii);
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].text,
              "Error, while writing file! Perhaps your disc is write protect or full!");
    EXPECT_EQ(prompts.shown()[0].title, "Error...");
    EXPECT_EQ(prompts.shown()[0].icon, PromptIcon::Stop);
    EXPECT_EQ(prompts.shown()[0].buttons, PromptButtons::Ok);
    EXPECT_TRUE(fs::is_empty(dir.path()));

    // A full disk, whether it shows at a write or only when the file is closed.
    for (int records : {0, 2000}) {
        SCOPED_TRACE(records);
        for (int n = 1; n <= records; ++n) {
            Store(memory, n, kOffice);
        }
        memory.WriteInt(kSection, "Anzahl", records);
        for (LogExportFormat format : {LogExportFormat::Ascii, LogExportFormat::Tabbed}) {
            const std::size_t before = prompts.shown().size();
            prompts.ChooseFile("/dev/full");
            logic.OnExport(format);
            ASSERT_EQ(prompts.shown().size(), before + 1);
            EXPECT_EQ(prompts.shown().back().text, "Disk full while accessing /dev/full.");
            EXPECT_EQ(prompts.shown().back().icon, PromptIcon::Stop);
            EXPECT_EQ(OpenHandlesTo("/dev/full"), 0);
        }
    }
}

struct ReloadCase {
    const char* name;
    std::function<void(CConnectionLog&, SettingsStore&)> change;
    bool readsAll;
};

TEST_F(LogViewTest, ReloadKeepsTheTableEqualToTheLogReadingOnlyWhatWasAdded) {
    // Every call logged differs from the earlier ones in its grand total.
    int calls = 0;
    auto logCalls = [&calls](int n) {
        return [&calls, n](CConnectionLog& log, SettingsStore&) {
            for (int i = 0; i < n; ++i, ++calls) {
                log.Append("Entry", "anna", MakeLocal(1996, 3, 5, 9, 7, 0),
                           MakeLocal(1996, 3, 5, 9, 41, 0), 0.12f,
                           0.12f * static_cast<float>(calls));
            }
        };
    };
    // Another instance of the program cleared the log, then logged n calls.
    auto clearedThen = [&logCalls](int n) {
        return [more = logCalls(n)](CConnectionLog& log, SettingsStore& store) {
            store.WriteInt(kSection, "Anzahl", 0);
            more(log, store);
        };
    };
    const ReloadCase cases[] = {
        {"nothing new", logCalls(0), false},
        {"one more call", logCalls(1), false},
        {"cleared, then fewer calls", clearedThen(2), true},
        {"cleared, then as many calls", clearedThen(3), true},
        {"cleared, then more calls", clearedThen(5), true},
        {"many more calls", logCalls(501), true},
    };
    for (const ReloadCase& c : cases) {
        SCOPED_TRACE(c.name);
        store.WriteInt(kSection, "Anzahl", 0);
        logCalls(3)(log, store);
        logic.Reload();
        ASSERT_EQ(table.rows, log.ReadAll());
        c.change(log, store);
        store.sectionReads = 0;
        logic.Reload();
        const bool readAll = store.sectionReads > 0;
        EXPECT_EQ(table.rows, log.ReadAll());
        EXPECT_EQ(readAll, c.readsAll);
    }
}

}  // namespace
}  // namespace varnolt
