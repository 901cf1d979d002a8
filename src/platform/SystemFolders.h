#pragma once
// The system's folders by their full paths, without a trailing backslash; empty when the
// system does not say.
#include <string>

namespace platform::systemFolders {

std::wstring system(); // System32, or the 32-bit system folder of a 32-bit program
std::wstring fonts();  // the known Fonts folder, else the Windows folder's Fonts
// The user's local application data (FOLDERID_LocalAppData), never from the environment.
std::wstring localAppData();

} // namespace platform::systemFolders
