#include <gtest/gtest.h>

#include <chrono>
#include <climits>

#include "FixedLocale.h"
#include "MemorySettingsStore.h"
#include "ScriptedDialer.h"
#include "connection/PhonebookTreeBuilder.h"

namespace varnolt {
namespace {

using test::FixedLocale;
using test::MemorySettingsStore;
using test::ScriptedDialer;

// The tree as indented lines, one blank per level.
void Outline(const TreeNode& node, int depth, std::string& out) {
    out.append(static_cast<std::size_t>(depth), ' ').append(node.text).append("\n");
    for (const TreeNode& child : node.children) {
        Outline(child, depth + 1, out);
    }
}
std::string Outline(const TreeNode& node) {
    std::string out;
    Outline(node, 0, out);
    return out;
}

const TreeNode& Child(const TreeNode& node, std::size_t index) {
    return node.children.at(index);
}

class PhonebookTreeBuilderTest : public ::testing::Test {
protected:
    TreeNode Build() { return PhonebookTreeBuilder(dialer, store, locale).Build(); }
    // The n-th entry under "Phonebook".
    TreeNode Entry(std::size_t index) { return Child(Child(Build(), 1), index); }

    MemorySettingsStore store;
    ScriptedDialer dialer;
    FixedLocale locale{"EUR"};
};

TEST_F(PhonebookTreeBuilderTest, EmptyPhonebookStillHasTheRootAndItsThreeChildren) {
    const TreeNode root = Build();
    EXPECT_EQ(Outline(root),
              "Varnolt\n"
              " Overall call-fee indicator\n"
              "  Costs: 0 EUR\n"
              "  Last connect: <unknown>\n"
              " Phonebook\n"
              "  No entries yet: right-click here (or press Shift+F10) and choose New entry.\n"
              " Provider\n");
    // Only that line is a placeholder, and only while there are no entries.
    EXPECT_TRUE(Child(Child(root, 1), 0).placeholder);
    EXPECT_FALSE(Child(root, 1).placeholder);
    dialer.AddEntry("Office");
    EXPECT_FALSE(Entry(0).placeholder);
    EXPECT_EQ(Child(Build(), 1).children.size(), 1u);
}

TEST_F(PhonebookTreeBuilderTest, EntryWithEverySettingAndItsImages) {
    dialer.AddEntry("Office", "jane", "secret", true);
    store.WriteString("All entries", "Total costs", "3.48");
    store.WriteString("All entries", "Last connect", "01.02.1999 at 10:11:12 h");
    store.WriteInt("Office", "Redial after", 45);
    store.WriteInt("Office", "Autolaunch", 2);
    store.WriteString("Office Autolaunch #1", "Description", "Mail");
    store.WriteString("Office Autolaunch #2", "Description", "News");
    store.WriteString("Office", "Scale", "Deutsche Telekom Fern");
    store.WriteString("Office", "Total costs", "12.36");
    store.WriteString("Office", "Last connect", "03.04.1999 at 05:06:07 h");
    locale.SetSymbol("DM");

    TreeNode root = Build();
    EXPECT_EQ(Outline(root),
              "Varnolt\n"
              " Overall call-fee indicator\n"
              "  Costs: 3.48 DM\n"
              "  Last connect: 01.02.1999 at 10:11:12 h\n"
              " Phonebook\n"
              "  Office\n"
              "   Login settings\n"
              "    User: jane\n"
              "    Password: *****\n"
              "    Redial after 45 secs\n"
              "   Autolaunch\n"
              "    Mail\n"
              "    News\n"
              "   Call-fee indicator\n"
              "    Scale: Deutsche Telekom Fern\n"
              "    Costs: 12.36 DM\n"
              "    Last connect: 03.04.1999 at 05:06:07 h\n"
              " Provider\n");

    const TreeNode& overall = Child(root, 0);
    const TreeNode& entry = Child(Child(root, 1), 0);
    const TreeNode& login = Child(entry, 0);
    const TreeNode& fees = Child(entry, 2);
    const std::vector<std::pair<const TreeNode*, ImageRole>> images = {
        {&root, ImageRole::Program},
        {&overall, ImageRole::CallFeeIndicator},
        {&Child(overall, 0), ImageRole::Costs},
        {&Child(overall, 1), ImageRole::LastConnect},
        {&Child(root, 1), ImageRole::Phonebook},
        {&entry, ImageRole::Entry},
        {&login, ImageRole::LoginSettings},
        {&Child(login, 0), ImageRole::User},
        {&Child(login, 1), ImageRole::Password},
        {&Child(login, 2), ImageRole::Redial},
        {&Child(entry, 1), ImageRole::Autolaunch},
        {&Child(Child(entry, 1), 1), ImageRole::Application},
        {&fees, ImageRole::CallFeeIndicator},
        {&Child(fees, 0), ImageRole::Scale},
        {&Child(fees, 1), ImageRole::Costs},
        {&Child(fees, 2), ImageRole::LastConnect},
        {&Child(root, 2), ImageRole::ProviderList},
    };
    for (const auto& [node, role] : images) {
        EXPECT_EQ(node->image, role) << node->text;
    }
}

TEST_F(PhonebookTreeBuilderTest, EntryDefaultsAndTheServicesOrder) {
    dialer.AddEntry("Zeta");
    dialer.AddEntry("Alpha");
    TreeNode root = Build();
    const TreeNode& phonebook = Child(root, 1);
    ASSERT_EQ(phonebook.children.size(), 2u);
    EXPECT_EQ(Child(phonebook, 0).text, "Zeta");  // not sorted
    EXPECT_EQ(Outline(Child(phonebook, 1)),
              "Alpha\n"
              " Login settings\n"
              "  User: \n"
              "  Password: <no password defined>\n"
              "  Redial after 10 secs\n"
              " Autolaunch\n"
              " Call-fee indicator\n"
              "  Scale: Deutsche Telekom City\n"
              "  Costs: 0 EUR\n"
              "  Last connect: <unknown>\n");
    // Only a line made outside the program carries the remark, not in its text.
    dialer.connectedOutside = {"Alpha"};
    root = Build();
    EXPECT_EQ(Child(Child(root, 1), 0).note, "");
    EXPECT_EQ(Child(Child(root, 1), 1).text, "Alpha");
    EXPECT_NE(Child(Child(root, 1), 1).note.find("not metered"), std::string::npos);
}

TEST_F(PhonebookTreeBuilderTest, PasswordShownOnlyWhenStoredAndNotEmpty) {
    struct Case {
        const char* password;
        bool stored;
        const char* shown;
    };
    const Case cases[] = {
        {"secret", true, "Password: *****"},
        {"", true, "Password: <no password defined>"},
        {"secret", false, "Password: <no password defined>"},
        {"", false, "Password: <no password defined>"},
    };
    for (const Case& c : cases) {
        dialer.AddEntry(std::string("E") + c.password + (c.stored ? "1" : "0"), "u", c.password,
                        c.stored);
    }
    TreeNode phonebook = Child(Build(), 1);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(Child(Child(Child(phonebook, i), 0), 1).text, cases[i].shown)
            << "entry " << Child(phonebook, i).text;
    }
}

TEST_F(PhonebookTreeBuilderTest, ScaleNamesAndUnknownAmounts) {
    struct Case {
        const char* stored;  // nullptr: nothing stored
        const char* shown;
    };
    const Case scales[] = {
        {nullptr, "Scale: Deutsche Telekom City"},
        {"Userdefined", "Scale: Userdefined scale #1"},
        {"Userdefined scale #3", "Scale: Userdefined scale #3"},
        {"userdefined", "Scale: userdefined"},  // exact comparison
        {"Mondtarif", "Scale: Mondtarif"},      // unknown scales show as stored
    };
    for (std::size_t i = 0; i < std::size(scales); ++i) {
        const std::string name = std::string("E").append(std::to_string(i));
        dialer.AddEntry(name);
        if (scales[i].stored != nullptr) {
            store.WriteString(name, "Scale", scales[i].stored);
        }
    }
    store.WriteString("E0", "Total costs", "<unknown>");
    store.WriteString("E1", "Total costs", "<unknown> ");  // not the marker: shown as stored
    store.WriteString("All entries", "Total costs", "<unknown>");

    TreeNode root = Build();
    EXPECT_EQ(Child(Child(root, 0), 0).text, "Costs: 0 EUR");
    for (std::size_t i = 0; i < std::size(scales); ++i) {
        EXPECT_EQ(Child(Child(Child(Child(root, 1), i), 2), 0).text, scales[i].shown);
    }
    EXPECT_EQ(Child(Child(Child(Child(root, 1), 0), 2), 1).text, "Costs: 0 EUR");
    EXPECT_EQ(Child(Child(Child(Child(root, 1), 1), 2), 1).text, "Costs: <unknown>  EUR");
}

TEST_F(PhonebookTreeBuilderTest, CurrencySymbolIsReadOncePerBuild) {
    for (const char* name : {"A", "B", "C"}) {
        dialer.AddEntry(name);
    }
    Build();
    EXPECT_EQ(locale.Reads(), 1);
    locale.SetSymbol("$");
    TreeNode root = Build();
    EXPECT_EQ(locale.Reads(), 2);
    EXPECT_EQ(Child(Child(Child(Child(root, 1), 2), 2), 1).text, "Costs: 0 $");
}

TEST_F(PhonebookTreeBuilderTest, AutolaunchListFollowsTheCountWithinBounds) {
    // Gap at #2: it keeps its place with the default text.
    store.WriteInt("Gap", "Autolaunch", 3);
    store.WriteString("Gap Autolaunch #1", "Description", "Mail");
    store.WriteString("Gap Autolaunch #2", "Path", "/usr/bin/xterm");
    store.WriteString("Gap Autolaunch #3", "Description", "<none>");
    store.WriteString("Gap Autolaunch #4", "Description", "above the count");
    // A count above what is stored ends at the last stored application.
    store.WriteInt("Over", "Autolaunch", 2);
    store.WriteString("Over Autolaunch #1", "Description", "Only");
    // Hand-edited counts: negative, and huge with two stored applications.
    store.WriteInt("Negative", "Autolaunch", -4);
    store.WriteString("Negative Autolaunch #1", "Description", "hidden");
    store.WriteInt("Huge", "Autolaunch", INT_MAX);
    store.WriteString("Huge Autolaunch #1", "Description", "One");
    store.WriteString("Huge Autolaunch #2", "Description", "Two");
    // The count is an integer; a text there reads as 0.
    store.WriteString("Text", "Autolaunch", "3");
    store.WriteString("Text Autolaunch #1", "Description", "hidden");
    for (const char* name : {"Gap", "Over", "Negative", "Huge", "Text"}) {
        dialer.AddEntry(name);
    }

    const auto start = std::chrono::steady_clock::now();
    TreeNode phonebook = Child(Build(), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

    auto applications = [&](std::size_t entry) {
        std::string texts;
        for (const TreeNode& app : Child(Child(phonebook, entry), 1).children) {
            EXPECT_EQ(app.image, ImageRole::Application);
            texts += app.text + ";";
        }
        return texts;
    };
    EXPECT_EQ(applications(0), "Mail;<none>;<none>;");
    EXPECT_EQ(applications(1), "Only;");
    EXPECT_EQ(applications(2), "");
    EXPECT_EQ(applications(3), "One;Two;");
    EXPECT_EQ(applications(4), "");
}

TEST_F(PhonebookTreeBuilderTest, ProvidersWithTheirMembers) {
    store.WriteInt("_Provider List_", "nCount", 3);
    store.WriteString("_Provider List_", "Provider #1", "City Net");
    store.WriteString("_Provider List_", "Provider #3", "Empty");
    // #2 missing: a gap, left out with whatever its "<unknown>" section holds.
    store.WriteInt("Provider City Net", "How much entries", 3);
    store.WriteString("Provider City Net", "Phonebook #1", "Office");
    store.WriteString("Provider City Net", "Phonebook #3", "Home");
    store.WriteInt("Provider <unknown>", "How much entries", 1);
    store.WriteString("Provider <unknown>", "Phonebook #1", "Stray");

    TreeNode root = Build();
    EXPECT_EQ(Outline(Child(root, 2)),
              "Provider\n"
              " City Net\n"
              "  Office\n"
              "  Home\n"
              " Empty\n");
    const TreeNode& provider = Child(Child(root, 2), 0);
    EXPECT_EQ(provider.image, ImageRole::Provider);
    EXPECT_EQ(Child(provider, 0).image, ImageRole::Entry);
}

TEST_F(PhonebookTreeBuilderTest, HandEditedProviderCountsAreBounded) {
    store.WriteInt("_Provider List_", "nCount", INT_MAX);
    store.WriteString("_Provider List_", "Provider #1", "A");
    store.WriteString("_Provider List_", "Provider #2", "B");
    store.WriteInt("Provider A", "How much entries", INT_MAX);
    store.WriteString("Provider A", "Phonebook #1", "Office");
    store.WriteInt("Provider B", "How much entries", -1);
    store.WriteString("Provider B", "Phonebook #1", "hidden");

    const auto start = std::chrono::steady_clock::now();
    TreeNode root = Build();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(Outline(Child(root, 2)),
              "Provider\n"
              " A\n"
              "  Office\n"
              " B\n");

    store.WriteInt("_Provider List_", "nCount", -2);
    EXPECT_TRUE(Child(Build(), 2).children.empty());
}

}  // namespace
}  // namespace varnolt
