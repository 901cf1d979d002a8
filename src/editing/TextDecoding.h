#pragma once
// Bytes of a text file as the text to show. Pure: no window system, so it also builds
// and is checked on its own.
#include <functional>
#include <string>
#include <string_view>

namespace editing {

// Turns bytes of the system's ANSI code page into text.
using AnsiDecoder = std::function<std::wstring(std::string_view)>;

// UTF-16 LE or BE and UTF-8 with their byte-order marks (not shown), UTF-8 without one
// when the bytes are valid UTF-8, otherwise the ANSI code page. Line breaks stay as they
// are; a NUL becomes a space, so that nothing after it is lost from sight.
std::wstring decodeText(std::string_view bytes, const AnsiDecoder& fromAnsi);

} // namespace editing
