#pragma once
// The about window's behaviour.
#include "forms/AboutForm.h"
#include "forms/MainForm.h"
#include "platform/System.h"

namespace aboutfeedback {

// AboutMenu: the main window waits while the about window is open; should that window
// not be made (no handles left), the main window does not wait for it.
void openAbout(forms::AboutForm& about, forms::MainForm& main);
// Once, when the window is made: the user's name.
void aboutLoaded(forms::AboutForm& about, platform::System& system);
// "OK": back to the main window.
void closeAbout(forms::AboutForm& about, forms::MainForm& main);

} // namespace aboutfeedback
