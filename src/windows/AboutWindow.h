#pragma once
// The about window's behaviour.
#include "platform/System.h"
#include "ui/AboutForm.h"
#include "ui/MainForm.h"

namespace windows {

// Once, when the window is made: the user's name.
void aboutLoaded(ui::AboutForm& about, platform::System& system);
// "OK": back to the main window.
void closeAbout(ui::AboutForm& about, ui::MainForm& main);

} // namespace windows
