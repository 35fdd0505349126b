#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "LogWorld.h"
#include "TempDir.h"
#include "app/LocalTime.h"
#include "log/LogViewLogic.h"
#include "posix/PosixExportFile.h"
#include "sqlite/SqliteSettingsStore.h"

namespace varnolt {
namespace {

namespace fs = std::filesystem;

// The six values of a stored record in key order; nullptr: not stored.
using StoredRecord = std::array<const char*, 6>;

void Store(SettingsStore& store, int n, const StoredRecord& values) {
    const char* const keys[] = {"Entry #", "User #", "From #", "To #", "Costs #", "Total Costs #"};
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] != nullptr) {
            store.WriteString("__LOG file", keys[i] + std::to_string(n), values[i]);
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

struct LogView : test::LogWorld {
    FakeTable table;
    PosixExportFile files;
    LogViewLogic logic{log, prompts, table, files};
};

// Answers every export with `result`, keeping the name and the bytes it was given.
struct ScriptedExportFile final : ExportFile {
    ExportResult Write(const std::string& path,
                       const std::function<void(std::ostream&)>& fill) override {
        std::ostringstream out;
        fill(out);
        written.push_back(path + "|" + out.str());
        return result;
    }
    ExportResult result;
    std::vector<std::string> written;
};

const std::string kFrame = "+-------------------------------------------------------------+\r\n";
const std::string kAsciiBanner =
    kFrame + "|                      Varnolt LOG-file                       |\r\n" + kFrame +
    "|    Varnolt 0.63 NT [Beta] - dial-up calls and their fees    |\r\n" + kFrame +
    "|       \u00a9 Kessendral, exported from the settings store        |\r\n" + kFrame +
    "\r\n\r\n";
const std::string kTabbedBanner =
    "Varnolt LOG-file\r\nVarnolt 0.63 NT [Beta] - dial-up calls and their fees\r\n"
    "\u00a9 Kessendral, exported from the settings store\r\n\r\n\r\n"
    "Phonebook\tUser\tFrom\tTo\tCosts\tTotal costs\t\r\n";
const StoredRecord kOffice = {"Office",         "anna",    "05.03. 09:07 h",
                              "05.03. 09:41 h", "3.48 DM", "4 DM"};
const std::string kOfficeBlock =
    "---------------------------------\r\nPhonebook\tOffice\r\nUser\t\tanna\r\n"
    "From\t\t05.03. 09:07 h\r\nTo\t\t05.03. 09:41 h\r\nCosts\t\t3.48 DM\r\nTotal costs\t4 DM\r\n";
const std::string kOfficeLine = "Office\tanna\t05.03. 09:07 h\t05.03. 09:41 h\t3.48 DM\t4 DM\t\r\n";

TEST(LogExport, WritesExactlyTheseBytesFromTheStoredLog) {
    const struct {
        int count;  // "Anzahl"
        std::vector<StoredRecord> records;
        std::string ascii, tabbed;
    } cases[] = {
        {0, {}, kAsciiBanner, kTabbedBanner},
        {1, {kOffice}, kAsciiBanner + kOfficeBlock, kTabbedBanner + kOfficeLine},
        // Costs and total missing; non-ASCII text, a TAB and a line feed in values.
        {3,
         {kOffice,
          {"Home", "bert", "31.12. 23:50 h", "01.01. 00:20 h", nullptr, nullptr},
          {"B\u00fcro K\u00f6ln", "an\tna", "1", "2", "3.48 \u20ac", "first\nsecond"}},
         kAsciiBanner + kOfficeBlock +
             "---------------------------------\r\nPhonebook\tHome\r\nUser\t\tbert\r\n"
             "From\t\t31.12. 23:50 h\r\nTo\t\t01.01. 00:20 h\r\nCosts\t\t<unknown>\r\n"
             "Total costs\t0\r\n"
             "---------------------------------\r\nPhonebook\tB\u00fcro K\u00f6ln\r\n"
             "User\t\tan\tna\r\nFrom\t\t1\r\nTo\t\t2\r\nCosts\t\t3.48 \u20ac\r\n"
             "Total costs\tfirst\r\nsecond\r\n",
         kTabbedBanner + kOfficeLine +
             "Home\tbert\t31.12. 23:50 h\t01.01. 00:20 h\t<unknown>\t0\t\r\n"
             "B\u00fcro K\u00f6ln\tan\tna\t1\t2\t3.48 \u20ac\tfirst\r\nsecond\t\r\n"},
        // A hand-edited count far above the records writes only what is there.
        {1'000'000, {kOffice}, kAsciiBanner + kOfficeBlock, kTabbedBanner + kOfficeLine},
        // A number with no value stored is left out.
        {3,
         {kOffice, {}, kOffice},
         kAsciiBanner + kOfficeBlock + kOfficeBlock,
         kTabbedBanner + kOfficeLine + kOfficeLine},
    };
    const FileRequest ascii{
        "Export LOG into ASCII-file ...", {{"Varnolt LOG files (*.LOG)", "*.LOG"}}, "*.LOG", "LOG"};
    const FileRequest tabbed{
        "Export LOG into Excel-file ...", {{"Tabbed text files (*.TXT)", "*.TXT"}}, "*.TXT", "TXT"};
    test::TempDir dir;
    const fs::path path = dir.path() / "export";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        LogView view;
        for (std::size_t n = 0; n < c.records.size(); ++n) {
            Store(view.store, static_cast<int>(n + 1), c.records[n]);
        }
        view.store.WriteInt("__LOG file", "Anzahl", c.count);
        for (auto [format, request, expected] : {std::tuple{LogExportFormat::Ascii, ascii, c.ascii},
                                                 {LogExportFormat::Tabbed, tabbed, c.tabbed}}) {
            std::ofstream(path) << std::string(4096, 'x');  // replaced, not appended to
            view.prompts.ChooseFile(path.string());
            view.logic.OnExport(format);
            std::ifstream in(path, std::ios::binary);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), expected);
            EXPECT_EQ(view.prompts.saveChoosers().back(), request);
        }
        EXPECT_TRUE(view.prompts.shown().empty());  // success is not reported
    }
}

TEST(LogExport, FailuresAreReportedWithTheNameAndTheSystemsReason) {
    const std::string path = "/home/anna/calls.LOG";
    const std::string kWriteError =
        "Error, while writing file! Perhaps your disc is write protect or full!\n" + path + ": ";
    const std::string kRefused = "Nothing was exported: " + path;
    const struct {
        ExportResult result;
        std::string text;
    } cases[] = {
        {{ExportOutcome::Failed, ENOSPC},
         "Disk full while accessing " + path + ".\nNo space left on device"},
        {{ExportOutcome::Failed, EFBIG}, "Disk full while accessing " + path + ".\nFile too large"},
        {{ExportOutcome::Failed, EACCES}, kWriteError + "Permission denied"},
        {{ExportOutcome::Failed, EIO}, kWriteError + "Input/output error"},
        {{ExportOutcome::IsFolder}, kRefused + " is a folder, not a regular file."},
        {{ExportOutcome::IsPipe}, kRefused + " is a named pipe, not a regular file."},
        {{ExportOutcome::IsDevice}, kRefused + " is a device, not a regular file."},
        {{ExportOutcome::IsSocket}, kRefused + " is a socket, not a regular file."},
        {{ExportOutcome::OtherUsersFile}, kRefused + " belongs to another user."},
        {{ExportOutcome::Written}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        test::LogWorld world;
        FakeTable table;
        ScriptedExportFile files;
        files.result = c.result;
        LogViewLogic logic{world.log, world.prompts, table, files};
        world.prompts.ChooseFile(std::nullopt);  // cancelled: nothing written or said
        logic.OnExport(LogExportFormat::Tabbed);
        world.prompts.ChooseFile(path);
        logic.OnExport(LogExportFormat::Tabbed);
        ASSERT_EQ(files.written, std::vector{path + "|" + kTabbedBanner});
        ASSERT_EQ(world.prompts.shown().size(), c.text.empty() ? 0u : 1u);
        if (!c.text.empty()) {
            EXPECT_EQ(world.prompts.shown()[0].text, c.text);
            EXPECT_EQ(world.prompts.shown()[0].title, "Error...");
            EXPECT_EQ(world.prompts.shown()[0].icon, PromptIcon::Stop);
            EXPECT_EQ(world.prompts.shown()[0].buttons, PromptButtons::Ok);
        }
    }
}

TEST(LogViewReload, KeepsTheTableEqualToTheLogReadingOnlyWhatWasAdded) {
    LogView view;
    int calls = 0;
    auto logCalls = [&](int n) {
        for (int i = 0; i < n; ++i, ++calls) {  // each with a total of its own
            view.log.Append("Office", "anna", MakeLocal(1996, 3, 5, 9, 7, 0),
                            MakeLocal(1996, 3, 5, 9, 41, 0), 0.12f, 0.12f * calls);
        }
    };
    // Calls logged since the last reload, and whether another program
    // instance cleared the log before them.
    for (auto [cleared, added, readsAll] : {std::tuple{false, 0, false},
                                            {false, 1, false},
                                            {true, 2, true},
                                            {true, 3, true},
                                            {true, 5, true},
                                            {false, 501, true}}) {
        SCOPED_TRACE(added);
        view.store.WriteInt("__LOG file", "Anzahl", 0);
        logCalls(3);
        view.logic.Reload();
        if (cleared) {
            view.store.WriteInt("__LOG file", "Anzahl", 0);
        }
        logCalls(added);
        view.store.sectionReads = 0;
        view.logic.Reload();
        EXPECT_EQ(view.store.sectionReads > 0, readsAll);
        EXPECT_EQ(view.table.rows, view.log.ReadAll());
    }
}

TEST(LogViewReload, AHugeCountShowsWhatIsStoredAndTheNextCallRenumbersTheLog) {
    test::TempDir dir;
    SqliteSettingsStore store((dir.path() / "Varnolt.db").string());
    test::FixedLocale locale{"DM"};
    test::ScriptedDialer dialer;
    test::RecordingSheetHost host;
    test::ScriptedPrompts prompts;
    CConnectionLog log{store, locale, dialer, host};
    FakeTable table;
    PosixExportFile files;
    LogViewLogic logic{log, prompts, table, files};
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, INT_MAX}) {
        store.WriteString("__LOG file", "Entry #" + std::to_string(n), "Call " + std::to_string(n));
    }
    store.WriteInt("__LOG file", "Anzahl", INT_MAX);
    logic.Reload();
    ASSERT_EQ(table.rows.size(), 10u);
    EXPECT_EQ(table.rows.back().entry, "Call 2147483647");
    std::vector<CLogRecord> expected = table.rows;

    log.Append("Office", "anna", MakeLocal(1996, 3, 5, 9, 7, 0), MakeLocal(1996, 3, 5, 9, 41, 0),
               0.12f, 0.12f);
    EXPECT_EQ(store.ReadInt("__LOG file", "Anzahl", 0), 11);
    EXPECT_EQ(store.ReadString("__LOG file", "Entry #10", ""), "Call 2147483647");
    logic.Reload();
    expected.push_back(log.Read(11));
    EXPECT_EQ(expected.back().entry, "Office");
    EXPECT_EQ(table.rows, expected);
}

}  // namespace
}  // namespace varnolt
