#include "windows/AboutForm.h"

#include "platform/System.h"
#include "ui/AboutForm.h"
#include "ui/MainForm.h"
#include "windows/Waiting.h"

namespace windows {

void aboutFormLoaded(ui::AboutForm& aboutForm, platform::System& system) {
    const std::wstring name = system.userName();
    aboutForm.UserName.setCaption(name);
    // A name longer than its room ends in "..."; the tip shows it whole.
    aboutForm.setToolTip(aboutForm.UserName, name);
}

void openAboutForm(ui::AboutForm& aboutForm, ui::MainForm& mainForm) {
    showWhileMainWaits(aboutForm, mainForm, [&] { aboutForm.show(); });
}

void closeAboutForm(ui::AboutForm& aboutForm, ui::MainForm& mainForm) {
    backToMain(aboutForm, mainForm);
}

} // namespace windows
