#pragma once

#include <string>
#include <vector>

namespace varnolt {

// The small picture shown at a tree item; one per role.
enum class ImageRole {
    Program,
    CallFeeIndicator,
    Costs,
    LastConnect,
    Phonebook,
    Entry,
    LoginSettings,
    User,
    Password,
    Redial,
    Autolaunch,
    Application,
    Scale,
    ProviderList,
    Provider,
};
constexpr int kImageRoleCount = static_cast<int>(ImageRole::Provider) + 1;

// One item of the Phonebook tree as plain data. Items carry nothing but their
// text and picture: other code finds them by text and position.
struct TreeNode {
    // The exact bytes the service or the store gave (an entry name need not be
    // valid UTF-8). A page shows them as best it can and hands these bytes back.
    std::string text;
    ImageRole image = ImageRole::Program;
    std::vector<TreeNode> children;
    // Not an item of the phonebook but a line that says what to do: an empty
    // phonebook's hint. Nothing counts it among the entries.
    bool placeholder = false;
    // A remark on the item's state, shown with it but not part of its text:
    // why an entry that is up already will not be dialed.
    std::string note{};

    TreeNode& Add(std::string childText, ImageRole childImage) {
        children.push_back({std::move(childText), childImage, {}});
        return children.back();
    }
};

}  // namespace varnolt
