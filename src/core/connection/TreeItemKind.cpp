#include "TreeItemKind.h"

#include "connection/PhonebookTexts.h"

namespace varnolt {

namespace {
bool Is(const std::optional<std::string>& text, std::string_view expected) {
    return text && *text == expected;
}
}  // namespace

TreeItemKind ClassifyTreeItem(const TreeItemContext& item) {
    if (item.placeholder) {
        return TreeItemKind::Placeholder;
    }
    switch (item.rootChild) {
        case RootChild::OverallIndicator:
            return TreeItemKind::OverallIndicator;
        case RootChild::Phonebook:
            return TreeItemKind::PhonebookItem;
        case RootChild::Provider:
            return TreeItemKind::ProviderItem;
        case RootChild::None:
            break;
    }
    if (!item.parent) {
        return TreeItemKind::Root;
    }

    // Two levels below the root: the grandparent is the root.
    if (Is(item.grandparent, kRootText)) {
        if (*item.parent == kPhonebookText) {
            return TreeItemKind::Entry;
        }
        if (*item.parent == kProviderText) {
            return TreeItemKind::Provider;
        }
        if (*item.parent == kOverallIndicatorText) {
            return TreeItemKind::OverallChild;
        }
    }

    // Three levels below: an entry's own items, or a provider's members.
    if (Is(item.greatGrandparent, kRootText)) {
        if (Is(item.grandparent, kPhonebookText)) {
            if (item.text == kLoginSettingsText) {
                return TreeItemKind::EntryLoginSettings;
            }
            if (item.text == kAutolaunchText) {
                return TreeItemKind::EntryAutolaunch;
            }
            if (item.text == kCallFeeIndicatorText) {
                return TreeItemKind::EntryCallFee;
            }
        }
        if (Is(item.grandparent, kProviderText)) {
            return TreeItemKind::ProviderMember;
        }
    }

    // Four levels below: the children of an entry's items.
    if (Is(item.greatGrandparent, kPhonebookText)) {
        if (*item.parent == kLoginSettingsText) {
            return TreeItemKind::LoginSettingsChild;
        }
        if (*item.parent == kAutolaunchText) {
            return TreeItemKind::Application;
        }
        if (*item.parent == kCallFeeIndicatorText) {
            return TreeItemKind::CallFeeChild;
        }
    }
    return TreeItemKind::Other;
}

}  // namespace varnolt
