#include "platform/WindowText.h"

#include <iterator>

namespace platform {

std::wstring windowText(HWND window) {
    // A short text in one message, not two: under Wine each message to a subclassed control
    // asks the server for the subclass chain.
    wchar_t shortText[128];
    const int copied = GetWindowTextW(window, shortText, static_cast<int>(std::size(shortText)));
    if (copied < static_cast<int>(std::size(shortText)) - 1)
        return std::wstring(shortText, static_cast<size_t>(copied));
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace platform
