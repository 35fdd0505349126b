#pragma once

namespace varnolt {

// Command numbers of the Phonebook page: they tie menu items, keys and
// buttons to their handlers.
constexpr int kCmdNewEntry = 1002;
constexpr int kCmdEditEntry = 1003;
constexpr int kCmdDial = 1005;
constexpr int kCmdInsertApplication = 1006;
constexpr int kCmdEditApplication = 1010;
constexpr int kCmdDeleteApplication = 1011;
constexpr int kCmdEditLoginSettings = 1016;
constexpr int kCmdCancel = 1018;
constexpr int kCmdNewProvider = 1036;
constexpr int kCmdEditProvider = 1042;
constexpr int kCmdDialProvider = 1043;
constexpr int kCmdDeleteProvider = 1044;
constexpr int kCmdDeleteEntry = 1150;
constexpr int kCmdRenameEntry = 1151;

// The scale choices of the scale menu.
constexpr int kCmdScaleCity = 1072;
constexpr int kCmdScaleRegion50 = 1073;
constexpr int kCmdScaleRegion200 = 1074;
constexpr int kCmdScaleFern = 1075;
constexpr int kCmdScaleUserdefined1 = 1076;
constexpr int kCmdScaleUserdefined2 = 1145;
constexpr int kCmdScaleUserdefined3 = 1146;

}  // namespace varnolt
