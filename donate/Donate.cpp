// "Donate with PayPal.exe": opens Quillwright Software's donation page in the browser.
#include <windows.h>

#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", L"https://donate.quillwright.example/glyphmere", nullptr,
                      nullptr, SW_SHOWNORMAL));
    return result > 32 ? 0 : 1;
}
