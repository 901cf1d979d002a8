#pragma once
// A window the main window waits for while it is open, as a dialog would have it wait.
#include "controls/Form.h"

namespace windows {

// The main window waits, then `show` runs. However the showing ends, failed or thrown out
// of, the main window does not wait for a window that is not there.
template <typename Show>
void showWhileMainWaits(controls::Form& window, controls::Form& main, Show&& show) {
    main.setEnabled(false);
    struct GiveBack {
        controls::Form& window;
        controls::Form& main;
        ~GiveBack() {
            if (!window.visible())
                main.setEnabled(true);
        }
    } giveBack{window, main};
    show();
}

// Back to the main window.
inline void backToMain(controls::Form& window, controls::Form& main) {
    main.setEnabled(true);
    main.bringToFront();
    window.hide();
}

} // namespace windows
