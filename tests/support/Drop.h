#pragma once
// Files dropped as the shell drops them: an HDROP, posted as WM_DROPFILES.
#include <windows.h>

#include <string>
#include <vector>

// The drop's memory: DROPFILES, then each wide name ending in a NUL, then one more NUL.
// Whoever handles the drop frees it.
HGLOBAL makeDrop(const std::vector<std::wstring>& files);

// Posts the drop to the window, at a point of its client area.
bool postDrop(HWND window, const std::vector<std::wstring>& files);
