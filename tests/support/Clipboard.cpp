#include "support/Clipboard.h"

#include "support/GlobalMemory.h"
#include "support/Wait.h"

#include <cstring>

namespace {

// Opens the clipboard, waiting a little while another program holds it; closes it again.
class OpenedClipboard {
public:
    OpenedClipboard() : opened_(waitUntil([] { return OpenClipboard(nullptr) != 0; }, 2000)) {}
    ~OpenedClipboard() {
        if (opened_)
            CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    explicit operator bool() const { return opened_; }

private:
    bool opened_;
};

// Formats whose data is a GDI object or is drawn by the owner: no bytes to copy.
bool heldInMemory(UINT format) {
    switch (format) {
    case CF_BITMAP:
    case CF_METAFILEPICT:
    case CF_PALETTE:
    case CF_ENHMETAFILE:
    case CF_OWNERDISPLAY:
    case CF_DSPBITMAP:
    case CF_DSPMETAFILEPICT:
    case CF_DSPENHMETAFILE:
        return false;
    default:
        return format < CF_GDIOBJFIRST || format > CF_GDIOBJLAST;
    }
}

// The bytes of a format on the opened clipboard.
std::optional<std::string> bytesOf(UINT format) {
    HANDLE data = GetClipboardData(format);
    if (!data)
        return std::nullopt;
    const void* start = GlobalLock(data);
    if (!start)
        return std::nullopt;
    std::string bytes(static_cast<const char*>(start), GlobalSize(data));
    GlobalUnlock(data);
    return bytes;
}

} // namespace

UINT otherFormat() {
    return RegisterClipboardFormatW(L"Glyphmere.Test.Other");
}

bool putOnClipboard(const std::vector<ClipboardFormat>& formats) {
    const OpenedClipboard clipboard;
    if (!clipboard || !EmptyClipboard())
        return false;
    for (const ClipboardFormat& each : formats) {
        GlobalMemory block = globalCopy(each.bytes);
        if (!block || !SetClipboardData(each.format, block.get()))
            return false;
        block.release(); // the clipboard's now
    }
    return true;
}

std::optional<std::string> clipboardBytes(UINT format) {
    const OpenedClipboard clipboard;
    if (!clipboard || !IsClipboardFormatAvailable(format))
        return std::nullopt;
    return bytesOf(format);
}

std::wstring clipboardText() {
    const auto bytes = clipboardBytes(CF_UNICODETEXT);
    if (!bytes)
        return L"(no text)";
    std::wstring text(bytes->size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), bytes->data(), text.size() * sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
}

ClipboardKeeper::ClipboardKeeper() {
    const OpenedClipboard clipboard;
    if (!clipboard)
        return;
    std::vector<ClipboardFormat> found;
    for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format))
        if (heldInMemory(format))
            if (auto bytes = bytesOf(format))
                found.push_back({format, std::move(*bytes)});
    saved_ = std::move(found);
}

ClipboardKeeper::~ClipboardKeeper() {
    if (saved_)
        putOnClipboard(*saved_);
}

ClipboardHolder::ClipboardHolder() : thread_([this] { hold(); }) {
    while (!holding_)
        Sleep(1);
}

ClipboardHolder::~ClipboardHolder() {
    release_ = true;
    thread_.join();
}

void ClipboardHolder::letGoOnceBusy(HWND window) {
    watched_ = window;
    // Answered once before the caller goes on, so that a later silence means busy.
    waitUntil([&] { return answered_.load(); }, 5000,
              [] {
                  MSG message;
                  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
                  MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_SENDMESSAGE);
              });
}

void ClipboardHolder::hold() {
    opened_ = OpenClipboard(nullptr) != 0;
    holding_ = true;
    const ULONGLONG end = GetTickCount64() + 5000;
    while (!release_ && GetTickCount64() < end) {
        if (HWND window = watched_) {
            DWORD_PTR ignored = 0;
            const bool answers = SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL,
                                                     answered_ ? 200 : 5000, &ignored) != 0;
            if (answered_ && !answers)
                break;
            answered_ = answered_ || answers;
        }
        Sleep(5);
    }
    if (opened_)
        CloseClipboard();
}
