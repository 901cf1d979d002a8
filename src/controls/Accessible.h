#pragma once
// What a screen reader learns about a control of our own: a name and a role. Everything
// else it asks (place, state, parent, focus) is answered by the system's standard object.
#include <windows.h>

#include <string>
#include <string_view>

namespace controls {

enum class AccessibleRole {
    PushButton, // default action "Press"
    Link,       // default action "Jump"
    Graphic,    // a picture that does nothing
};

// Whether WM_GETOBJECT asks for the window's client area, the object answered below.
bool asksForClient(LPARAM objectId);

// The answer to WM_GETOBJECT for the client area: an object with this name and role, whose
// default action posts BM_CLICK to the window. 0, the system's own answer, should it fail.
LRESULT answerClient(HWND window, WPARAM wParam, const std::wstring& name, AccessibleRole role);

// A tool tip as a name to read out: without the spaces around it or the dots after it.
std::wstring accessibleName(std::wstring_view toolTip);

} // namespace controls
