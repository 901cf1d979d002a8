#pragma once
// A window's text, whatever its length.
#include <windows.h>

#include <string>

namespace platform {

std::wstring windowText(HWND window);

} // namespace platform
