#include "platform/Clipboard.h"

#include <cstring>

namespace platform::clipboard {

bool open(HWND owner) {
    constexpr int attempts = 25;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (OpenClipboard(owner))
            return true;
        Sleep(20);
    }
    return false;
}

Result setText(HWND owner, const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return Result::Failed;
    if (void* target = GlobalLock(memory)) {
        std::memcpy(target, text.c_str(), bytes);
        GlobalUnlock(memory);
    } else {
        GlobalFree(memory);
        return Result::Failed;
    }
    if (!open(owner)) {
        GlobalFree(memory);
        return Result::Busy;
    }
    Result result = Result::Failed;
    if (EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory))
        result = Result::Done; // the clipboard owns the memory now
    else
        GlobalFree(memory);
    CloseClipboard();
    return result;
}

std::optional<std::wstring> text(HWND owner) {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !open(owner))
        return std::nullopt;
    std::optional<std::wstring> result;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT))
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            // Bounded by the block's size: a text without its final NUL is still read safely.
            const size_t capacity = GlobalSize(data) / sizeof(wchar_t);
            result = std::wstring(chars, wcsnlen(chars, capacity));
            GlobalUnlock(data);
        }
    CloseClipboard();
    return result;
}

} // namespace platform::clipboard
