#pragma once
// The general launch: open whatever it is given with the shell's "Open" verb.
#include "platform/Shell.h"

#include <string>

namespace shell {

// Owned by the splash window, which lives hidden for the whole run. Nothing is checked
// before and nothing examined after.
void shellOpen(platform::Shell& shell, HWND splash, const std::wstring& file,
               const std::wstring& parameters, const std::wstring& folder);

} // namespace shell
