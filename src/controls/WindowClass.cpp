#include "controls/WindowClass.h"

#include <string>

namespace controls {

ATOM registerWindowClass(const WindowClassDescription& wanted) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = wanted.style;
    wc.lpfnWndProc = wanted.procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = wanted.background;
    wc.lpszClassName = wanted.name;
    if (const ATOM atom = RegisterClassExW(&wc))
        return atom;
    const DWORD error = GetLastError();
    if (error == ERROR_CLASS_ALREADY_EXISTS) {
        // Ours only when it runs the same procedure: another's would get our windows' messages.
        WNDCLASSEXW known{};
        known.cbSize = sizeof known;
        // The call answers the class's atom, though it is declared to answer a BOOL.
        const BOOL atom = GetClassInfoExW(wc.hInstance, wanted.name, &known);
        if (atom && known.lpfnWndProc == wanted.procedure)
            return static_cast<ATOM>(atom);
    }
    const std::wstring report = L"Window class " + std::wstring(wanted.name ? wanted.name : L"") +
                                L" not registered, error " + std::to_wstring(error) + L"\n";
    OutputDebugStringW(report.c_str());
    return 0;
}

} // namespace controls
