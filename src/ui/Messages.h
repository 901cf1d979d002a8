#pragma once
// The program's message boxes: the title they all carry and the two styles they use.
#include <windows.h>

#include <string>

namespace ui::message {

inline const std::wstring title = L"Glyphmere";
constexpr UINT information = MB_OK | MB_ICONINFORMATION; // style 64
constexpr UINT warning = MB_OK | MB_ICONWARNING;         // style 48

} // namespace ui::message
