#pragma once
// The main window's commands that start something outside: the Fonts folder, the
// character map, and the documents and the donation program beside the program.
#include <windows.h>

#include <string>

namespace platform {
class Shell;
class System;
struct Services;
} // namespace platform
namespace ui {
class ReadForm;
}

namespace shell {

// The documents and the donation program lie in the program's own folder.
std::wstring besideProgram(platform::System& system, const std::wstring& name);

// Where the system does not say where its folder is, a message says so and nothing runs.
void openFontsFolder(platform::Services& services, const ui::ReadForm& readForm, HWND owner);
void openCharacterMap(platform::Services& services, const ui::ReadForm& readForm, HWND owner);
void openHowTo(platform::Services& services, const ui::ReadForm& readForm);
void openDonation(platform::Services& services, const ui::ReadForm& readForm);
// Tested by opening it for reading first; a warning, owned by `owner`, when that fails.
void openLicense(platform::Services& services, const ui::ReadForm& readForm, HWND owner);

} // namespace shell
