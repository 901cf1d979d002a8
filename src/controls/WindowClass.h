#pragma once
// The layer's own window classes, registered in one way and checked.
#include <windows.h>

namespace controls {

struct WindowClassDescription {
    const wchar_t* name = nullptr;
    WNDPROC procedure = nullptr;
    UINT style = 0;
    HBRUSH background = nullptr;
};

// Registers the class with the arrow cursor and answers its atom. A class of that name that
// this program registered before, with the same procedure, is answered as it is. Anything
// else the system refuses answers 0, and a debugger is told why; the caller makes no window
// then, and may try again later.
ATOM registerWindowClass(const WindowClassDescription& wanted);

} // namespace controls
