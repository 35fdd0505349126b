#include <gtest/gtest.h>

#include "connection/TreeState.h"

namespace varnolt {
namespace {

using Paths = std::vector<TreePath>;

// Root, "Phonebook" with Office (Login settings) and Home, "Provider" with one.
TreeNode Tree(bool withEntries) {
    TreeNode root{"Varnolt", ImageRole::Program, {}};
    TreeNode& phonebook = root.Add("Phonebook", ImageRole::Phonebook);
    if (withEntries) {
        phonebook.Add("Office", ImageRole::Entry).Add("Login settings", ImageRole::LoginSettings);
        phonebook.Add("Home", ImageRole::Entry);
    } else {
        phonebook.Add("No entries", ImageRole::Entry).placeholder = true;
    }
    root.Add("Provider", ImageRole::ProviderList).Add("City Net", ImageRole::Provider);
    return root;
}

const TreePath kOffice{"Varnolt", "Phonebook", "Office"};
const TreePath kLogin{"Varnolt", "Phonebook", "Office", "Login settings"};
const TreePath kHint{"Varnolt", "Phonebook", "No entries"};

TEST(KeptTreeState, WhatWasLeftStaysWhereItIsStillThere) {
    struct Case {
        const char* name;
        TreeState before;
        bool withEntries;
        std::optional<TreePath> created;
        TreeState kept;
    };
    const Case cases[] = {
        {"first build", {}, true, std::nullopt, {{{"Varnolt"}}, std::nullopt, false}},
        {"kept",
         {{{"Varnolt"}, {"Varnolt", "Provider"}, kOffice}, kLogin, false},
         true,
         std::nullopt,
         {{{"Varnolt"}, {"Varnolt", "Provider"}, kOffice}, kLogin, false}},
        {"gone",
         {{{"Varnolt"}, {"Varnolt", "Phonebook", "Work"}},
          TreePath{"Varnolt", "Phonebook", "Work", "Autolaunch"}},
         true,
         std::nullopt,
         {{{"Varnolt"}}, TreePath{"Varnolt", "Phonebook"}, false}},
        {"created",
         {{{"Varnolt"}}, kOffice},
         true,
         kLogin,
         {{{"Varnolt"}, {"Varnolt", "Phonebook"}, kOffice}, kLogin, true}},
        {"created but not there",
         {{}, kOffice},
         true,
         TreePath{"Varnolt", "Phonebook", "Work"},
         {{{"Varnolt"}}, kOffice, false}},
        {"placeholder",
         {},
         false,
         std::nullopt,
         {{{"Varnolt"}, {"Varnolt", "Phonebook"}}, kHint, false}},
        {"placeholder beside a selection",
         {{{"Varnolt"}}, TreePath{"Varnolt", "Provider"}},
         false,
         std::nullopt,
         {{{"Varnolt"}, {"Varnolt", "Phonebook"}}, TreePath{"Varnolt", "Provider"}, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TreeState kept = KeptTreeState(c.before, Tree(c.withEntries), c.created);
        EXPECT_EQ(kept.expanded, c.kept.expanded);
        EXPECT_EQ(kept.selected, c.kept.selected);
        EXPECT_EQ(kept.revealSelected, c.kept.revealSelected);
    }
}

TEST(ChildPath, RunsFromTheRootThroughTheItemsAncestors) {
    TreeItemContext autolaunch{"Autolaunch", "Office", "Phonebook", "Varnolt", RootChild::None};
    EXPECT_EQ(ChildPath(autolaunch, "Mail"),
              (TreePath{"Varnolt", "Phonebook", "Office", "Autolaunch", "Mail"}));
    TreeItemContext provider{"Provider", "Varnolt", std::nullopt, std::nullopt,
                             RootChild::Provider};
    EXPECT_EQ(ChildPath(provider, "A"), (TreePath{"Varnolt", "Provider", "A"}));
}

}  // namespace
}  // namespace varnolt
