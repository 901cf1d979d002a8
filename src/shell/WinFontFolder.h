#pragma once
// The general launch: open whatever it is given with the shell's "Open" verb.
#include <string>

namespace platform {
class Shell;
}
namespace ui {
class ReadForm;
}

namespace shell::WinFontFolder {

// Owned by ReadForm, which lives hidden for the whole run. Nothing is checked before and
// nothing examined after.
void ShellOpen(platform::Shell& shell, const ui::ReadForm& readForm, const std::wstring& file,
               const std::wstring& parameters, const std::wstring& folder);

} // namespace shell::WinFontFolder
