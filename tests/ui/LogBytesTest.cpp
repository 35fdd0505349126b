// The stored log and both exports, written as the program writes them into
// the folder VARNOLT_LOG_BYTES (a temporary one without it). ctest runs this
// in German under a German locale and once more under C.UTF-8 and compares
// the files (LogBytesCompare.cmake): data never follows the user's language
// or number format.
#include <gtest/gtest.h>

#include <QPushButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "MeteredCall.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "WidgetLookup.h"
#include "log/CLogviewPage.h"
#include "posix/PosixExportFile.h"

namespace varnolt {
namespace {

TEST(LogBytes, WritesTheLogAndBothExports) {
    test::TempDir temporary;
    const char* named = std::getenv("VARNOLT_LOG_BYTES");
    const std::filesystem::path folder = named != nullptr ? named : temporary.path();

    test::MeteredCall call;
    call.store.WriteString("Home", "Scale", "Deutsche Telekom Region 50");
    call.BeginAt("Office", 1996, 12, 31, 23, 55, 0);
    call.RunUntil(1997, 1, 1, 0, 10, 7);
    call.BeginAt("Home", 1997, 1, 2, 9, 0, 0);
    call.RunUntil(1997, 1, 2, 9, 41, 30);

    test::ScriptedPrompts prompts;
    PosixExportFile files;
    CLogviewPage page(call.store, call.locale, call.dialer, prompts, files, call.host);
    page.show();
    for (const char* button : {"asciiExportButton", "excelExportButton"}) {
        const std::filesystem::path path = folder / button;
        prompts.ChooseFile(path.string());
        test::Child<QPushButton>(&page, button)->click();
        EXPECT_GT(std::filesystem::file_size(path), 0u) << button;
    }

    std::ofstream stored(folder / "stored.txt", std::ios::binary);
    const int count = call.store.ReadInt("__LOG file", "Anzahl", 0);
    EXPECT_EQ(count, 2);
    for (int n = 1; n <= count; ++n) {
        for (const char* key : {"Entry #", "User #", "From #", "To #", "Costs #", "Total Costs #"}) {
            const std::string name = key + std::to_string(n);
            stored << name << '=' << call.store.ReadString("__LOG file", name, "-") << '\n';
        }
    }
    for (const char* section : {"All entries", "Office", "Home"}) {
        for (const char* key : {"Total costs", "Last connect"}) {
            stored << section << '|' << key << '='
                   << call.store.ReadString(section, key, "-") << '\n';
        }
    }
}

}  // namespace
}  // namespace varnolt
