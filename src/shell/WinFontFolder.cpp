#include "shell/WinFontFolder.h"

#include "platform/Shell.h"
#include "ui/ReadForm.h"

namespace shell::WinFontFolder {

void ShellOpen(platform::Shell& shell, const ui::ReadForm& readForm, const std::wstring& file,
               const std::wstring& parameters, const std::wstring& folder) {
    shell.execute(readForm.hwnd(), L"Open", file.c_str(), parameters.c_str(), folder.c_str(),
                  SW_SHOWNORMAL);
}

} // namespace shell::WinFontFolder
