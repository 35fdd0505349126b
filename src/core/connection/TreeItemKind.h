#pragma once

#include <optional>
#include <string>

namespace varnolt {

// What a Phonebook tree item is. Items carry no data of their own: the kind
// follows from the texts above them and from identity with the root's three
// children.
enum class TreeItemKind {
    Other,
    Root,
    OverallIndicator,
    OverallChild,        // costs or last connect of the overall indicator
    PhonebookItem,       // the root's "Phonebook" child
    Entry,               // a phonebook entry
    EntryLoginSettings,  // an entry's "Login settings" item
    EntryAutolaunch,     // an entry's "Autolaunch" item
    EntryCallFee,        // an entry's "Call-fee indicator" item
    LoginSettingsChild,  // user, password or redial of an entry
    Application,         // an autolaunch application of an entry
    CallFeeChild,        // scale, costs or last connect of an entry
    ProviderItem,        // the root's "Provider" child
    Provider,            // a provider
    ProviderMember,      // an entry of a provider
    Placeholder,         // the hint an empty phonebook shows instead of entries
};

// Which of the root's three children an item is, if any.
enum class RootChild { None, OverallIndicator, Phonebook, Provider };

// An item as classification sees it: its text, the texts of up to three
// ancestors (absent above the root) and its identity among the root's children.
// Texts are the exact bytes of the tree's items, so commands name the entry
// exactly as the service does.
struct TreeItemContext {
    std::string text;
    std::optional<std::string> parent;
    std::optional<std::string> grandparent;
    std::optional<std::string> greatGrandparent;
    RootChild rootChild = RootChild::None;
    // Known by identity like the root's children: an entry may carry the hint's text.
    bool placeholder = false;
};

// The texts of the root's children and of an entry's three items are fixed,
// and the tree is at most four levels deep below the root, so anchoring each
// rule at the root's text two or three levels up keeps entries, providers or
// applications that happen to carry one of those texts ("Phonebook", "Login
// settings", ...) from being mistaken for the items of that name.
TreeItemKind ClassifyTreeItem(const TreeItemContext& item);

}  // namespace varnolt
