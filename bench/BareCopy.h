#pragma once
// Plain copies of the program's controls for the baselines: made the bare Win32 way, with
// nothing of the program's own code behind them.
#include "controls/Control.h"

#include <windows.h>

#include <string_view>

namespace bench {

// The tool tip window a host's copies share.
HWND bareToolTips(HWND host);

// The control's tool tip, the usual way: the tool tip window follows the pointer over it.
void addBareToolTip(HWND tips, HWND host, HWND control, std::wstring_view text);

// A picture the bare way: a window of a plain class that paints the icon, loaded at the
// window's size, on the host's background.
HWND barePicture(HWND host, const RECT& place, int picture, DWORD style);

// A window of the control's class, styles and place in the host, and its tool tip; the
// program's own picture class becomes a bare picture of the same icon and size. The
// caller gives it a font; `withText` copies the window's text too.
HWND bareCopyOf(const controls::Control& control, HWND host, HWND tips, bool withText);

} // namespace bench
