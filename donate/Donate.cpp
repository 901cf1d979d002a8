// "Donate with PayPal.exe": opens Quillwright Software's donation page in the browser. It
// lies beside glyphmere.exe, in a download folder as often as not, so it loads no library
// from there.
#include "platform/LibrarySearch.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    platform::librariesFromTheSystemOnly();
    // The shell may hand the page over through COM, which wants the thread's apartment first.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", L"https://donate.quillwright.example/glyphmere", nullptr,
                      nullptr, SW_SHOWNORMAL));
    if (SUCCEEDED(com))
        CoUninitialize();
    return result > 32 ? 0 : 1;
}
