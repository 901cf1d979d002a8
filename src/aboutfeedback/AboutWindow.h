#pragma once
// The about window's behaviour.
#include "forms/AboutForm.h"
#include "forms/MainForm.h"
#include "platform/System.h"

namespace aboutfeedback {

// Once, when the window is made: the user's name.
void aboutLoaded(forms::AboutForm& about, platform::System& system);
// "OK": back to the main window.
void closeAbout(forms::AboutForm& about, forms::MainForm& main);

} // namespace aboutfeedback
