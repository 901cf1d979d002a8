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

namespace {

// The text as a block the clipboard can own.
GlobalBlock blockOf(const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    GlobalBlock memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    const LockedBlock target(memory.get());
    if (!target)
        return {};
    std::memcpy(target.data(), text.c_str(), bytes);
    return memory;
}

// The open clipboard's text, if it holds any.
std::optional<std::wstring> textOfOpen() {
    const LockedBlock data(GetClipboardData(CF_UNICODETEXT));
    if (!data)
        return std::nullopt;
    // Bounded by the block's size: a text without its final NUL is still read safely.
    const auto* chars = static_cast<const wchar_t*>(data.data());
    return std::wstring(chars, wcsnlen(chars, data.size() / sizeof(wchar_t)));
}

// Hands the block to the open clipboard, which owns it from then on.
bool give(GlobalBlock& memory) {
    if (!memory || !SetClipboardData(CF_UNICODETEXT, memory.get()))
        return false;
    memory.release();
    return true;
}

} // namespace

Result setText(HWND owner, const std::wstring& text) {
    GlobalBlock memory = blockOf(text);
    if (!memory)
        return Result::Failed;
    const Opened clipboard(owner);
    if (!clipboard)
        return Result::Busy;
    const std::optional<std::wstring> before = textOfOpen();
    if (!EmptyClipboard())
        return Result::Failed;
    if (give(memory))
        return Result::Done;
    // Emptied, and the text refused: the user's text goes back.
    if (before) {
        GlobalBlock old = blockOf(*before);
        give(old);
    }
    return Result::Failed;
}

std::optional<std::wstring> text(HWND owner) {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT))
        return std::nullopt;
    const Opened clipboard(owner);
    if (!clipboard)
        return std::nullopt;
    return textOfOpen();
}

} // namespace platform::clipboard
