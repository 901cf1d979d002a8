#pragma once
// The main window's commands that start something outside: the Fonts folder, the
// character map, the documents beside the program, mail, the web page.
#include "forms/ReadForm.h"
#include "platform/Services.h"

#include <string>

namespace shell {

// The documents and the donation program lie in the program's own folder.
std::wstring besideProgram(platform::System& system, const std::wstring& name);

void openFontsFolder(platform::Shell& shell,
                     const forms::ReadForm& splash); // OpenWinFonts, FontFolder
void openCharacterMap(platform::Shell& shell,
                      const forms::ReadForm& splash); // CharacterMapMenu, CharacterMap
void openHowTo(platform::Services& services, const forms::ReadForm& splash); // HowInstall
void openDonation(platform::Services& services,
                  const forms::ReadForm& splash); // DonatePicture, about's DonatePicture
// Tested by opening it for reading first; a warning, owned by `owner`, when that fails.
void openLicense(platform::Services& services, const forms::ReadForm& splash,
                 HWND owner); // License, about's LicenseButton

} // namespace shell
