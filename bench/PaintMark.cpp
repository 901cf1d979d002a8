// paint_mark.dll: after each WM_PAINT a window procedure of the timed process returns,
// the time, for the time-to-splash row to read once the process waits for input.
#include "PaintMark.h"

namespace {

bench::PaintMarks* marks() {
    static bench::PaintMarks* shared = [] {
        const HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, bench::paintMarksName);
        return mapping ? static_cast<bench::PaintMarks*>(MapViewOfFile(
                             mapping, FILE_MAP_WRITE, 0, 0, sizeof(bench::PaintMarks)))
                       : nullptr;
    }();
    return shared;
}

LRESULT CALLBACK afterMessage(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_PAINT)
        if (bench::PaintMarks* shared = marks();
            shared && shared->process == GetCurrentProcessId()) {
            FILETIME now;
            GetSystemTimePreciseAsFileTime(&now);
            shared->lastPainted = static_cast<LONGLONG>(
                (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime);
        }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

// The hook for every process of the session, which loads this library to call it. Plain C
// calling, so that its name is the same to every compiler.
extern "C" __declspec(dllexport) HHOOK installPaintMarks() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&afterMessage), &self);
    return SetWindowsHookExW(WH_CALLWNDPROCRET, afterMessage, self, 0);
}
