#include "TreeDispatch.h"

#include <algorithm>

#include "app/SheetMessages.h"
#include "app/UiText.h"
#include "connection/PhonebookTexts.h"
#include "connection/TreeCommands.h"

namespace varnolt {

const std::array<ScaleChoice, 7> kScaleChoices = {{
    {ScaleId::City, kCmdScaleCity},
    {ScaleId::Region50, kCmdScaleRegion50},
    {ScaleId::Region200, kCmdScaleRegion200},
    {ScaleId::Fern, kCmdScaleFern},
    {ScaleId::User1, kCmdScaleUserdefined1},
    {ScaleId::User2, kCmdScaleUserdefined2},
    {ScaleId::User3, kCmdScaleUserdefined3},
}};

const ScaleChoice* ScaleChoiceOf(int command) {
    auto it =
        std::find_if(kScaleChoices.begin(), kScaleChoices.end(),
                     [command](const ScaleChoice& choice) { return choice.command == command; });
    return it == kScaleChoices.end() ? nullptr : &*it;
}

namespace {

// A menu line of a rule: a command with its text, or a separator (command 0).
struct Line {
    const char* text;
    int command;
};
constexpr Line kSeparator{"", 0};

enum class MenuShape { Fixed, Scale };

struct MenuRule {
    TreeItemKind kind;
    MenuShape shape;
    std::vector<Line> lines;  // empty: no menu
};

// The context menu rules in order; the first matching one wins.
const std::vector<MenuRule>& MenuRules() {
    static const std::vector<MenuRule> rules = {
        {TreeItemKind::Entry,
         MenuShape::Fixed,
         {{VARNOLT_TEXT("&Dial entry"), kCmdDial},
          kSeparator,
          {VARNOLT_TEXT("&Edit entry..."), kCmdEditEntry},
          kSeparator,
          {VARNOLT_TEXT("De&lete entry"), kCmdDeleteEntry},
          {VARNOLT_TEXT("&Rename entry..."), kCmdRenameEntry}}},
        {TreeItemKind::EntryLoginSettings,
         MenuShape::Fixed,
         {{VARNOLT_TEXT("&Edit login settings..."), kCmdEditLoginSettings}}},
        {TreeItemKind::EntryAutolaunch,
         MenuShape::Fixed,
         {{VARNOLT_TEXT("&Insert application..."), kCmdInsertApplication}}},
        {TreeItemKind::EntryCallFee, MenuShape::Fixed, {}},
        {TreeItemKind::CallFeeChild, MenuShape::Scale, {}},
        {TreeItemKind::Application,
         MenuShape::Fixed,
         {{VARNOLT_TEXT("&Edit application..."), kCmdEditApplication},
          kSeparator,
          {VARNOLT_TEXT("&Delete application..."), kCmdDeleteApplication}}},
        {TreeItemKind::LoginSettingsChild,
         MenuShape::Fixed,
         {{VARNOLT_TEXT("&Edit login settings..."), kCmdEditLoginSettings}}},
        {TreeItemKind::PhonebookItem,
         MenuShape::Fixed,
         {{VARNOLT_TEXT("&New entry..."), kCmdNewEntry}}},
        {TreeItemKind::Placeholder,
         MenuShape::Fixed,
         {{VARNOLT_TEXT("&New entry..."), kCmdNewEntry}}},
        {TreeItemKind::ProviderItem,
         MenuShape::Fixed,
         {{VARNOLT_TEXT("&New provider..."), kCmdNewProvider}}},
        {TreeItemKind::Provider,
         MenuShape::Fixed,
         {{VARNOLT_TEXT("&Dial provider"), kCmdDialProvider},
          kSeparator,
          {VARNOLT_TEXT("&Edit provider..."), kCmdEditProvider},
          {VARNOLT_TEXT("&Delete provider..."), kCmdDeleteProvider}}},
    };
    return rules;
}

struct DoubleClickRule {
    TreeItemKind kind;
    DoubleClickAction action;
};
constexpr DoubleClickRule kDoubleClickRules[] = {
    {TreeItemKind::CallFeeChild, {DoubleClickAction::Kind::SelectPage, kPageScaleManager}},
    {TreeItemKind::Application, {DoubleClickAction::Kind::Command, kCmdEditApplication}},
    {TreeItemKind::LoginSettingsChild, {DoubleClickAction::Kind::Command, kCmdEditLoginSettings}},
    {TreeItemKind::OverallChild, {DoubleClickAction::Kind::SelectPage, kPageLogView}},
    {TreeItemKind::Placeholder, {DoubleClickAction::Kind::Command, kCmdNewEntry}},
};

struct KeyRule {
    TreeItemKind kind;
    int command;
};
constexpr KeyRule kDeleteKeyRules[] = {
    {TreeItemKind::Application, kCmdDeleteApplication},
    {TreeItemKind::Provider, kCmdDeleteProvider},
};
constexpr KeyRule kInsertKeyRules[] = {
    {TreeItemKind::PhonebookItem, kCmdNewEntry},
    {TreeItemKind::ProviderItem, kCmdNewProvider},
    {TreeItemKind::EntryAutolaunch, kCmdInsertApplication},
    {TreeItemKind::Placeholder, kCmdNewEntry},
};
constexpr KeyRule kEnterKeyRules[] = {
    {TreeItemKind::Placeholder, kCmdNewEntry},
};

template <typename Rules>
auto FirstMatch(const Rules& rules, TreeItemKind kind) {
    auto it = std::find_if(std::begin(rules), std::end(rules),
                           [kind](const auto& rule) { return rule.kind == kind; });
    return it == std::end(rules) ? nullptr : &*it;
}

MenuItem CommandItem(std::string text, int command, const CommandAvailable& available) {
    MenuItem item;
    item.text = std::move(text);
    item.command = command;
    item.enabled = available && available(command);
    return item;
}

MenuItem SeparatorItem() {
    MenuItem item;
    item.separator = true;
    return item;
}

PopupMenu ScaleMenu(const CommandAvailable& available, std::string_view checkedScale) {
    PopupMenu menu;
    for (std::size_t i = 0; i < kScaleChoices.size(); ++i) {
        if (i == kBuiltinScaleCount) {
            menu.push_back(SeparatorItem());
        }
        const ScaleChoice& choice = kScaleChoices[i];
        const std::string identifier = ScaleIdentifier(choice.scale);
        MenuItem item = CommandItem(ScaleItemText(identifier), choice.command, available);
        item.checkable = true;
        item.checked = identifier == checkedScale;
        menu.push_back(std::move(item));
    }
    return menu;
}

}  // namespace

PopupMenu ContextMenuFor(TreeItemKind kind, const CommandAvailable& available,
                         std::string_view checkedScale) {
    const MenuRule* rule = FirstMatch(MenuRules(), kind);
    if (rule == nullptr) {
        return {};
    }
    if (rule->shape == MenuShape::Scale) {
        return ScaleMenu(available, checkedScale);
    }
    PopupMenu menu;
    for (const Line& line : rule->lines) {
        menu.push_back(line.command == 0 ? SeparatorItem()
                                         : CommandItem(line.text, line.command, available));
    }
    return menu;
}

DoubleClickAction DoubleClickFor(TreeItemKind kind) {
    const DoubleClickRule* rule = FirstMatch(kDoubleClickRules, kind);
    return rule == nullptr ? DoubleClickAction{} : rule->action;
}

int DeleteKeyCommand(TreeItemKind kind) {
    const KeyRule* rule = FirstMatch(kDeleteKeyRules, kind);
    return rule == nullptr ? 0 : rule->command;
}

int InsertKeyCommand(TreeItemKind kind) {
    const KeyRule* rule = FirstMatch(kInsertKeyRules, kind);
    return rule == nullptr ? 0 : rule->command;
}

int EnterKeyCommand(TreeItemKind kind) {
    const KeyRule* rule = FirstMatch(kEnterKeyRules, kind);
    return rule == nullptr ? 0 : rule->command;
}

int DialButtonCommand(TreeItemKind kind) {
    switch (kind) {
        case TreeItemKind::Entry:
            return kCmdDial;
        case TreeItemKind::Provider:
            return kCmdDialProvider;
        default:
            return 0;
    }
}

}  // namespace varnolt
