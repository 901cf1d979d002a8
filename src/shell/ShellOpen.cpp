#include "shell/ShellOpen.h"

namespace shell {

void shellOpen(platform::Shell& shell, HWND splash, const std::wstring& file,
               const std::wstring& parameters, const std::wstring& folder) {
    shell.execute(splash, L"Open", file.c_str(), parameters.c_str(), folder.c_str(), SW_SHOWNORMAL);
}

} // namespace shell
