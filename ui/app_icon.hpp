// The window icon: the flange seen from its face, at the window's own 24
// pixels and at the sizes desktops show in task bars and launchers.
#pragma once

#include <QIcon>

namespace flange::ui {

QIcon ApplicationIcon();

}  // namespace flange::ui
