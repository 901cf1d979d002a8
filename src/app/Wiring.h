#pragma once
// Connects the main window's controls and menu items to the behaviour behind them.
#include "forms/AboutForm.h"
#include "forms/ForGlyphmere.h"
#include "forms/MainForm.h"
#include "forms/ReadForm.h"
#include "platform/Services.h"

namespace app {

void wirePreview(forms::MainForm& main, platform::Services& services);
void wireEditing(forms::MainForm& main, platform::Services& services);
void wireReport(forms::MainForm& main, platform::Services& services);

struct Windows {
    forms::ReadForm& splash;
    forms::MainForm& main;
    forms::AboutForm& about;
    forms::ForGlyphmere& feedback;
};

void wireLaunches(Windows windows, platform::Services& services);
void wireAbout(Windows windows, platform::Services& services);
void wireFeedback(Windows windows, platform::Services& services);

} // namespace app
