#pragma once
// Whether a window would take the user's input now.
#include <windows.h>

namespace controls {

// As the mouse finds it: shown and enabled, and so is each window it lies in. A window that
// waits for a dialog, a message box or another window of the program takes no click.
inline bool takesInput(HWND window) {
    for (HWND at = window; at;
         at = (GetWindowLongPtrW(at, GWL_STYLE) & WS_CHILD) ? GetParent(at) : nullptr)
        if (!IsWindowVisible(at) || !IsWindowEnabled(at))
            return false;
    return window != nullptr;
}

} // namespace controls
