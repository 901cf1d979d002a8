#pragma once
// Files dropped as the shell drops them: an HDROP, posted as WM_DROPFILES.
#include "support/GlobalMemory.h"

#include <windows.h>

#include <string>
#include <vector>

// The drop's memory: DROPFILES, then each wide name ending in a NUL, then one more NUL.
platform::GlobalBlock makeDrop(const std::vector<std::wstring>& files);

// Posts the drop to the window, at a point of its client area; whoever handles it frees it.
bool postDrop(HWND window, const std::vector<std::wstring>& files);
