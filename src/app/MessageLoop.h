#pragma once
// The program's one message loop. Every message takes the same road, also those handled
// while the font reading yields: the main window's shortcut keys first (so a shortcut
// wins over the focused control's own handling of the key), then the forms' keyboard
// navigation, then translation and dispatch; last, a control hears of the mouse button
// released over it (a text box's click), which costs its other messages nothing.
#include <windows.h>

namespace app {

class MessageLoop {
public:
    void setShortcuts(HWND window, HACCEL accelerators);

    void process(MSG& message);
    // Handles every message already waiting, then returns.
    void yield();
    // Runs until the quit message; answers its exit code.
    int run();

private:
    HWND shortcutWindow_ = nullptr;
    HACCEL accelerators_ = nullptr; // the main window's own, borrowed
};

} // namespace app
