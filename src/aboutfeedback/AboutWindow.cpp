#include "aboutfeedback/AboutWindow.h"

namespace aboutfeedback {

void aboutLoaded(forms::AboutForm& about, platform::System& system) {
    const std::wstring name = system.userName();
    about.UserName.setCaption(name);
    // A name longer than its room ends in "..."; the tip shows it whole.
    about.setToolTip(about.UserName, name);
}

void openAbout(forms::AboutForm& about, forms::MainForm& main) {
    main.setEnabled(false);
    about.show();
    if (!about.visible())
        main.setEnabled(true);
}

void closeAbout(forms::AboutForm& about, forms::MainForm& main) {
    main.setEnabled(true);
    main.bringToFront();
    about.hide();
}

} // namespace aboutfeedback
