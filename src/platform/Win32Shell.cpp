#include "platform/Win32Platform.h"

#include <shellapi.h>

namespace platform {

void Win32Shell::execute(HWND owner, const wchar_t* verb, const wchar_t* file,
                         const wchar_t* parameters, const wchar_t* folder, int show) {
    // The result is not examined: a launch that fails shows nothing.
    ShellExecuteW(owner, verb, file, parameters, folder, show);
}

} // namespace platform
