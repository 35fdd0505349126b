#include <gtest/gtest.h>

#include <set>
#include <string>

#include "connection/EntrySection.h"

namespace varnolt {
namespace {

TEST(EntrySection, ReservedNamesMoveAndNoSectionIsEverShared) {
    const std::string moved = "__Entry \"";
    const struct {
        std::string name;
        std::string section;
    } cases[] = {
        {"Office", "Office"},
        {"all entries", "all entries"},  // sections compare case and all
        {"_Office", "_Office"},
        {"Office Autolaunch #", "Office Autolaunch #"},
        {"Office Autolaunch #1 x", "Office Autolaunch #1 x"},
        {"All entries", moved + "All entries\""},
        {"_Autoconnect", moved + "_Autoconnect\""},
        {"__LOG file", moved + "__LOG file\""},
        {"__Running call", moved + "__Running call\""},
        {"__Running call 2", moved + "__Running call 2\""},
        {"Provider", moved + "Provider\""},
        {"Provider City Net", moved + "Provider City Net\""},
        {"Office Autolaunch #1", moved + "Office Autolaunch #1\""},
        {"All entries\" Autolaunch #1", moved + "All entries\" Autolaunch #1\""},
        {moved + "Office\"", moved + moved + "Office\"\""},
    };
    // The program's own sections, and a provider's, are taken from the start.
    std::set<std::string> taken = {"All entries",     "Holiday database", "_Autoconnect",
                                   "_Provider List_", "__LOG file",       "__Scale manager",
                                   "__Running call",  "Provider City Net"};
    for (const auto& c : cases) {
        EXPECT_EQ(EntrySection(c.name), c.section) << c.name;
        EXPECT_EQ(AutolaunchSection(c.name, 12), c.section + " Autolaunch #12") << c.name;
        for (const std::string& section :
             {c.section, AutolaunchSection(c.name, 1), AutolaunchSection(c.name, 2)}) {
            EXPECT_TRUE(taken.insert(section).second) << c.name << " shares " << section;
        }
    }
}

}  // namespace
}  // namespace varnolt
