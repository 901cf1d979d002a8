// A library planted beside the program under a system library's name. Once loaded it
// leaves "<its own path>.ran" beside itself. It offers the names the program takes from
// those libraries, so that no load fails before it is seen.
#include <windows.h>

extern "C" {
__declspec(dllexport) BOOL WINAPI InitCommonControlsEx(const void*) {
    return FALSE;
}
__declspec(dllexport) BOOL WINAPI SetWindowSubclass(HWND, void*, UINT_PTR, DWORD_PTR) {
    return FALSE;
}
__declspec(dllexport) BOOL WINAPI RemoveWindowSubclass(HWND, void*, UINT_PTR) {
    return FALSE;
}
__declspec(dllexport) LRESULT WINAPI DefSubclassProc(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}
__declspec(dllexport) LRESULT WINAPI LresultFromObject(const GUID*, WPARAM, void*) {
    return 0;
}
__declspec(dllexport) HRESULT WINAPI CreateStdAccessibleObject(HWND, LONG, const GUID*, void**) {
    return E_FAIL;
}
}

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, void*) {
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    wchar_t path[MAX_PATH * 4] = {};
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH * 4 - 5);
    if (length == 0 || length >= MAX_PATH * 4 - 5)
        return TRUE;
    lstrcatW(path, L".ran");
    const HANDLE mark =
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (mark != INVALID_HANDLE_VALUE)
        CloseHandle(mark);
    return TRUE;
}
