// Stands in for a program that the shell may start: it leaves "<its own path>.ran".
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    wchar_t mark[MAX_PATH + 8] = {};
    if (!GetModuleFileNameW(nullptr, mark, MAX_PATH))
        return 1;
    lstrcatW(mark, L".ran");
    CloseHandle(CreateFileW(mark, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    return 0;
}
