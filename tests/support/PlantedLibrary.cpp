// A library planted beside the program under a system library's name. It offers none of
// that library's functions: a program that loads it instead of the system's cannot start.
// Loaded all the same, it leaves a mark beside itself, "<its name>.loaded".
#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        wchar_t path[MAX_PATH] = {};
        const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
        if (length > 0 && length < MAX_PATH)
            CloseHandle(CreateFileW((std::wstring(path, length) + L".loaded").c_str(),
                                    GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                    nullptr));
    }
    return TRUE;
}
