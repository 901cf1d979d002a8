#include "platform/Clipboard.h"

#include "platform/Handles.h"

#include <cstring>

namespace platform::clipboard {

Opened::Opened(HWND owner) {
    constexpr int attempts = 25;
    for (int attempt = 0; attempt < attempts && !open_; ++attempt) {
        open_ = OpenClipboard(owner) != 0;
        if (!open_)
            Sleep(20);
    }
}

Opened::~Opened() {
    if (open_)
        CloseClipboard();
}

Result setText(HWND owner, const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    GlobalBlock memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory)
        return Result::Failed;
    {
        const LockedBlock target(memory.get());
        if (!target)
            return Result::Failed;
        std::memcpy(target.data(), text.c_str(), bytes);
    }
    const Opened clipboard(owner);
    if (!clipboard)
        return Result::Busy;
    if (!EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, memory.get()))
        return Result::Failed;
    memory.release(); // the clipboard owns the memory now
    return Result::Done;
}

std::optional<std::wstring> text(HWND owner) {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT))
        return std::nullopt;
    const Opened clipboard(owner);
    if (!clipboard)
        return std::nullopt;
    const LockedBlock data(GetClipboardData(CF_UNICODETEXT));
    if (!data)
        return std::nullopt;
    // Bounded by the block's size: a text without its final NUL is still read safely.
    const auto* chars = static_cast<const wchar_t*>(data.data());
    return std::wstring(chars, wcsnlen(chars, data.size() / sizeof(wchar_t)));
}

} // namespace platform::clipboard
