#pragma once
// The process's current folder is never a folder of the user's: the shell looks bare
// names such as "Fonts" up there, so a download folder holding a "Fonts" folder or a
// program of a system name would be taken for the system's.
#include <string>

namespace platform::currentFolder {

// Makes the Windows folder current: at start-up, and after each file dialog, which leaves
// the chosen file's folder current. A folder of the user's that it leaves is remembered.
void leaveUserFolder();

// Where the file dialogs open: the folder the user was last in, at first the one the
// program was started from; empty when none is known.
const std::wstring& userFolder();

} // namespace platform::currentFolder
