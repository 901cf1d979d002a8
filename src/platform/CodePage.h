#pragma once
// Text in the system's ANSI code page, as files without a byte-order mark or UTF-8 hold it.
#include <string>
#include <string_view>

namespace platform {

std::wstring fromAnsiCodePage(std::string_view bytes);
// What the code page cannot show becomes its default character.
std::string toAnsiCodePage(const std::wstring& text);

} // namespace platform
