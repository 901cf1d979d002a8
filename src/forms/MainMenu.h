#pragma once
// The main window's menu: its table, from which the menu bar and its shortcuts are made.
#include "ui/MenuTable.h"

#include <span>

namespace forms {

std::span<const ui::MenuSpec> mainMenu();

} // namespace forms
