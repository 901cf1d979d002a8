#pragma once
// Driving real windows from a test: pumping the program's own message loop, clicks and
// keys that take the path a user's input takes.
#include "app/MessageLoop.h"
#include "controls/Form.h"

#include <windows.h>

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace drive {

// Asks the condition until it holds or the time is up, running `between` after each no
// (by default a short sleep). Answers whether it held.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000,
               const std::function<void()>& between = {});

// Handles messages through the loop until the condition holds or the time runs out.
bool pumpUntil(app::MessageLoop& loop, const std::function<bool()>& condition,
               DWORD timeoutMs = 10000);
// Handles messages until a timer of this interval, set now, has ticked: by then every timer
// of this thread with that interval set before it has fallen due too.
bool pumpPastTimer(app::MessageLoop& loop, UINT intervalMs);

// A child window's place in its parent's client area.
RECT placeInParent(HWND child);
// The pairs of visible controls of the form whose places overlap, by their names.
using ControlPairs = std::set<std::pair<std::wstring_view, std::wstring_view>>;
// The members that the form's layout names, in the layout's order.
std::vector<const controls::Control*> controlsOf(const controls::Form& form);
ControlPairs overlappingControls(const controls::Form& form);

// A left click at a point of the window's client area, posted like the mouse's own.
void click(HWND window, int x, int y);
void click(HWND window); // at the centre
// Two left clicks at the window's centre from the mouse itself, quick enough to make a
// double-click: the system turns the second press into a double-click where the window's
// class asks for that. Answers whether the window had both releases of the button.
bool doubleClick(app::MessageLoop& loop, HWND window);

// The control of the window that lies at a point of its client area, clicked there as the
// mouse clicks; null, and nothing clicked, when no control lies there.
HWND clickChildAt(HWND window, int x, int y);

// A key pressed and released, or the text typed, posted to the window for whatever loop
// runs there: a modal dialog's or another program's.
void postKey(HWND window, UINT key);
void postText(HWND window, const std::wstring& text);

// A key press as the keyboard makes it: into the queue, through the message loop.
// `modifiers` is a combination of MOD_CONTROL, MOD_SHIFT and MOD_ALT.
void pressKey(app::MessageLoop& loop, HWND focus, UINT key, UINT modifiers = 0);

// Types the text key by key into the focused control, each key through the message loop.
void type(app::MessageLoop& loop, HWND focus, const std::wstring& text);

} // namespace drive
