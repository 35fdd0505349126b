#pragma once

#include <QIcon>

#include "connection/TreeNode.h"

namespace varnolt {

// The picture of a Phonebook tree item's role, 16 by 16.
QIcon TreeRoleIcon(ImageRole role);

}  // namespace varnolt
