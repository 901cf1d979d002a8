#pragma once
// The main window's menu: its table, from which the menu bar and its shortcuts are made.
#include "controls/MenuTable.h"

#include <span>

namespace ui {

std::span<const controls::MenuItemLayout> mainMenu();

} // namespace ui
