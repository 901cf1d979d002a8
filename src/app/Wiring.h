#pragma once
// Connects the main window's controls and menu items to the behaviour behind them.
#include "platform/Services.h"
#include "ui/MainForm.h"

namespace app {

void wirePreview(ui::MainForm& main, platform::Services& services);
void wireEditing(ui::MainForm& main, platform::Services& services);
void wireReport(ui::MainForm& main, platform::Services& services);

} // namespace app
