#pragma once
// The input box: a modal dialog made in memory from its own template, with the prompt, an
// edit field, OK and Cancel.
#include <windows.h>

#include <string>

namespace platform {

// The text typed, or empty when the user cancels.
std::wstring runInputDialog(HWND owner, const std::wstring& prompt, const std::wstring& title,
                            const std::wstring& initial);

} // namespace platform
