#pragma once
// The dpi a window is shown at, and the system's sizes at that dpi. Windows 10 answers for
// each window; older systems have one dpi for the whole screen, and these fall back to it.
#include <windows.h>

namespace controls {

int windowDpi(HWND window);
// The dpi of the main screen as the system started with it: where a window opens, mostly.
int screenDpi();
// The size of a window whose client area is this large, with this frame, at that dpi.
SIZE frameSize(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, bool menu, int dpi);
// GetSystemMetrics for that dpi.
int systemMetric(int metric, int dpi);

} // namespace controls
