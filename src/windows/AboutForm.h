#pragma once
// AboutForm's behaviour.
namespace platform {
class System;
}
namespace ui {
class AboutForm;
class MainForm;
} // namespace ui

namespace windows {

// The main window waits while AboutForm is open; should that window not be made (no
// handles left), the main window does not wait for it.
void openAboutForm(ui::AboutForm& aboutForm, ui::MainForm& mainForm);
// Once, when the window is made: the user's name.
void aboutFormLoaded(ui::AboutForm& aboutForm, platform::System& system);
// Back to the main window.
void closeAboutForm(ui::AboutForm& aboutForm, ui::MainForm& mainForm);

} // namespace windows
