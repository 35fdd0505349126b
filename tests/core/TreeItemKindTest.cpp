#include <gtest/gtest.h>

#include <vector>

#include "connection/TreeItemKind.h"

namespace varnolt {
namespace {

using K = TreeItemKind;

// An item given by the texts from the root down to it.
TreeItemContext At(std::vector<std::string> path, RootChild rootChild = RootChild::None) {
    TreeItemContext item;
    item.text = path.back();
    path.pop_back();
    std::optional<std::string>* ancestors[] = {&item.parent, &item.grandparent,
                                               &item.greatGrandparent};
    for (auto* ancestor : ancestors) {
        if (path.empty()) {
            break;
        }
        *ancestor = path.back();
        path.pop_back();
    }
    item.rootChild = rootChild;
    return item;
}

struct Case {
    const char* what;
    TreeItemContext item;
    TreeItemKind kind;
};

const std::string V = "Varnolt";
const std::string PB = "Phonebook";
const std::string PR = "Provider";
const std::string OV = "Overall call-fee indicator";

TEST(ClassifyTreeItem, EveryKindOfItem) {
    const Case cases[] = {
        {"root", At({V}), K::Root},
        {"overall indicator", At({V, OV}, RootChild::OverallIndicator), K::OverallIndicator},
        {"phonebook", At({V, PB}, RootChild::Phonebook), K::PhonebookItem},
        {"provider list", At({V, PR}, RootChild::Provider), K::ProviderItem},
        {"overall costs", At({V, OV, "Costs: 0 EUR"}), K::OverallChild},
        {"entry", At({V, PB, "Office"}), K::Entry},
        {"login settings", At({V, PB, "Office", "Login settings"}), K::EntryLoginSettings},
        {"autolaunch", At({V, PB, "Office", "Autolaunch"}), K::EntryAutolaunch},
        {"call-fee", At({V, PB, "Office", "Call-fee indicator"}), K::EntryCallFee},
        {"user", At({V, PB, "Office", "Login settings", "User: jane"}), K::LoginSettingsChild},
        {"application", At({V, PB, "Office", "Autolaunch", "Mail"}), K::Application},
        {"scale", At({V, PB, "Office", "Call-fee indicator", "Scale: x"}), K::CallFeeChild},
        {"provider", At({V, PR, "City Net"}), K::Provider},
        {"member", At({V, PR, "City Net", "Office"}), K::ProviderMember},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyTreeItem(c.item), c.kind) << c.what;
    }
}

// Entries, providers and applications may carry any text, including the
// fixed texts of the tree; they must still be told apart by their place.
TEST(ClassifyTreeItem, NamesThatLookLikeFixedItems) {
    const Case cases[] = {
        {"entry named Phonebook", At({V, PB, PB}), K::Entry},
        {"its login settings", At({V, PB, PB, "Login settings"}), K::EntryLoginSettings},
        {"its autolaunch", At({V, PB, PB, "Autolaunch"}), K::EntryAutolaunch},
        {"its user", At({V, PB, PB, "Login settings", "User: a"}), K::LoginSettingsChild},
        {"its application named Login settings", At({V, PB, PB, "Autolaunch", "Login settings"}),
         K::Application},
        {"entry named Login settings", At({V, PB, "Login settings"}), K::Entry},
        {"its own login settings", At({V, PB, "Login settings", "Login settings"}),
         K::EntryLoginSettings},
        {"its redial", At({V, PB, "Login settings", "Login settings", "Redial after 10 secs"}),
         K::LoginSettingsChild},
        {"entry named Provider", At({V, PB, PR}), K::Entry},
        {"its call-fee", At({V, PB, PR, "Call-fee indicator"}), K::EntryCallFee},
        {"entry named Varnolt", At({V, PB, V}), K::Entry},
        {"its scale", At({V, PB, V, "Call-fee indicator", "Scale: x"}), K::CallFeeChild},
        {"its autolaunch", At({V, PB, V, "Autolaunch"}), K::EntryAutolaunch},
        {"entry named like the overall indicator", At({V, PB, OV}), K::Entry},
        {"its costs", At({V, PB, OV, "Call-fee indicator", "Costs: 0 EUR"}), K::CallFeeChild},
        {"application named Autolaunch", At({V, PB, "Office", "Autolaunch", "Autolaunch"}),
         K::Application},
        {"provider named Phonebook", At({V, PR, PB}), K::Provider},
        {"its member", At({V, PR, PB, "Office"}), K::ProviderMember},
        {"member named Login settings", At({V, PR, "City Net", "Login settings"}),
         K::ProviderMember},
        {"provider named Provider", At({V, PR, PR}), K::Provider},
        {"its member named Autolaunch", At({V, PR, PR, "Autolaunch"}), K::ProviderMember},
        {"member named Call-fee indicator of provider Phonebook",
         At({V, PR, PB, "Call-fee indicator"}), K::ProviderMember},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyTreeItem(c.item), c.kind) << c.what;
    }
}

TEST(ClassifyTreeItem, TheRootsChildrenAreKnownByIdentityNotText) {
    // A root child always has its fixed text, but only identity counts.
    EXPECT_EQ(ClassifyTreeItem(At({V, "renamed"}, RootChild::Phonebook)), K::PhonebookItem);
    EXPECT_EQ(ClassifyTreeItem(At({V, PB})), K::Other);
    EXPECT_EQ(ClassifyTreeItem(At({V, PR})), K::Other);
    // So is the placeholder: an entry may carry its text.
    TreeItemContext hint = At({V, PB, "No entries yet"});
    EXPECT_EQ(ClassifyTreeItem(hint), K::Entry);
    hint.placeholder = true;
    EXPECT_EQ(ClassifyTreeItem(hint), K::Placeholder);
    // Anything outside the known shape is nothing in particular.
    EXPECT_EQ(ClassifyTreeItem(At({"Elsewhere", PB, "Office"})), K::Other);
    EXPECT_EQ(ClassifyTreeItem(At({V, OV, "Costs: 0 EUR", "deeper"})), K::Other);
}

}  // namespace
}  // namespace varnolt
