#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "connection/TreeItemKind.h"
#include "tariff/ScaleId.h"

namespace varnolt {

// One line of a pop-up menu as plain data; the page turns it into a widget.
struct MenuItem {
    std::string text;
    int command = 0;
    bool separator = false;
    bool enabled = true;
    bool checkable = false;
    bool checked = false;

    bool operator==(const MenuItem&) const = default;
};
using PopupMenu = std::vector<MenuItem>;

// What a double click on an item does.
struct DoubleClickAction {
    enum class Kind { None, Command, SelectPage };
    Kind kind = Kind::None;
    int value = 0;  // the command, or the page index

    bool operator==(const DoubleClickAction&) const = default;
};

// The scale choices in menu order; the first four are built in.
struct ScaleChoice {
    ScaleId scale;
    int command;
};
extern const std::array<ScaleChoice, 7> kScaleChoices;
// The scale choice of a command, if it is one.
const ScaleChoice* ScaleChoiceOf(int command);
constexpr int kBuiltinScaleCount = 4;

// Whether a command has a handler yet: the items of commands without one are
// shown greyed.
using CommandAvailable = std::function<bool(int command)>;

// The context menu of an item, by the first matching rule; empty for no menu.
// checkedScale is the entry's resolved scale identifier (only used for the
// scale menu of a child of an entry's call-fee indicator).
PopupMenu ContextMenuFor(TreeItemKind kind, const CommandAvailable& available,
                         std::string_view checkedScale = {});

DoubleClickAction DoubleClickFor(TreeItemKind kind);
// The command of the Delete and Insert keys on an item; 0 for none.
int DeleteKeyCommand(TreeItemKind kind);
int InsertKeyCommand(TreeItemKind kind);
// The command of Enter on an item; 0 for none (the key then goes on to the window).
int EnterKeyCommand(TreeItemKind kind);

// The command the "&Dial" button runs on an item: an entry is dialed, a
// provider is handed to provider dialing; 0 for every other item.
int DialButtonCommand(TreeItemKind kind);

}  // namespace varnolt
