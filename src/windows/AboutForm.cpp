#include "windows/AboutForm.h"

#include "platform/System.h"
#include "ui/AboutForm.h"
#include "ui/MainForm.h"

namespace windows {

void aboutFormLoaded(ui::AboutForm& aboutForm, platform::System& system) {
    const std::wstring name = system.userName();
    aboutForm.UserName.setCaption(name);
    // A name longer than its room ends in "..."; the tip shows it whole.
    aboutForm.setToolTip(aboutForm.UserName, name);
}

void openAboutForm(ui::AboutForm& aboutForm, ui::MainForm& mainForm) {
    mainForm.setEnabled(false);
    // However the showing ends, failed or thrown out of, the main window does not wait for
    // a window that is not there.
    struct GiveBack {
        ui::AboutForm& aboutForm;
        ui::MainForm& mainForm;
        ~GiveBack() {
            if (!aboutForm.visible())
                mainForm.setEnabled(true);
        }
    } giveBack{aboutForm, mainForm};
    aboutForm.show();
}

void closeAboutForm(ui::AboutForm& aboutForm, ui::MainForm& mainForm) {
    mainForm.setEnabled(true);
    mainForm.bringToFront();
    aboutForm.hide();
}

} // namespace windows
