#pragma once
// The report of the current choice, as text. Pure: no window system.
#include <string>

namespace report {

struct Choice {
    std::wstring font;
    std::wstring size;
    bool bold = false, underline = false, strikeout = false, italic = false;
};

// " No one used", or the words of the effects used, in the order Bold, Underline,
// Strikeout, Italic, each followed by a space.
std::wstring effectsText(const Choice& choice);

// The twelve lines; `separator` ends each of the first eleven, CR LF the last.
std::wstring reportText(const Choice& choice, const std::wstring& separator);

} // namespace report
