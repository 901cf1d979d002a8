#include "controls/Dpi.h"

#include "platform/Handles.h"

namespace controls {

namespace {

// A user32 function that only newer systems have: null where it is missing.
template <typename Function> Function newerUser32(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

} // namespace

int windowDpi(HWND window) {
    static const auto forWindow = newerUser32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    if (forWindow)
        if (const UINT dpi = forWindow(window))
            return static_cast<int>(dpi);
    const platform::WindowDC dc(window);
    const int dpi = dc.get() ? GetDeviceCaps(dc.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : 96;
}

int screenDpi() {
    static const auto forSystem = newerUser32<UINT(WINAPI*)()>("GetDpiForSystem");
    if (forSystem)
        if (const UINT dpi = forSystem())
            return static_cast<int>(dpi);
    const platform::WindowDC dc(nullptr);
    const int dpi = dc.get() ? GetDeviceCaps(dc.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : 96;
}

SIZE frameSize(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, bool menu, int dpi) {
    static const auto adjustForDpi =
        newerUser32<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, clientWidth, clientHeight};
    if (!adjustForDpi || !adjustForDpi(&frame, style, menu, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&frame, style, menu, exStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

int systemMetric(int metric, int dpi) {
    static const auto forDpi = newerUser32<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
    return forDpi ? forDpi(metric, static_cast<UINT>(dpi)) : GetSystemMetrics(metric);
}

} // namespace controls
