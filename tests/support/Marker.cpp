// Stands in for a program that the shell may start: it leaves "<its own path>.ran" beside
// itself and ends, so a test sees which copy of a name really ran.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t self[MAX_PATH * 4] = {};
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH * 4 - 5);
    if (length == 0 || length >= MAX_PATH * 4 - 5)
        return 1;
    lstrcatW(self, L".ran");
    const HANDLE mark =
        CreateFileW(self, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (mark == INVALID_HANDLE_VALUE)
        return 1;
    CloseHandle(mark);
    return 0;
}
