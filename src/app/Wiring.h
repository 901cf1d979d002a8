#pragma once
// Connects the main window's controls and menu items to the behaviour behind them.
#include "platform/Services.h"
#include "ui/AboutForm.h"
#include "ui/ForGlyphmere.h"
#include "ui/MainForm.h"
#include "ui/ReadForm.h"

namespace app {

void wirePreview(ui::MainForm& main, platform::Services& services);
void wireEditing(ui::MainForm& main, platform::Services& services);
void wireReport(ui::MainForm& main, platform::Services& services);

struct Windows {
    ui::ReadForm& splash;
    ui::MainForm& main;
    ui::AboutForm& about;
    ui::ForGlyphmere& feedback;
};

void wireLaunches(Windows windows, platform::Services& services);
void wireAbout(Windows windows, platform::Services& services);
void wireFeedback(Windows windows, platform::Services& services);

} // namespace app
