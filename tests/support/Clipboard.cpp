#include "support/Clipboard.h"

#include "support/Drive.h"
#include "support/GlobalMemory.h"

#include <cstring>

namespace {

// The clipboard opened for a scope, once another program lets go of it.
struct OpenedClipboard {
    const bool opened = drive::waitUntil([] { return OpenClipboard(nullptr) != 0; }, 2000);
    ~OpenedClipboard() {
        if (opened)
            CloseClipboard();
    }
};

// Formats held as GDI objects or drawn by their owner: no bytes to copy.
bool heldInMemory(UINT format) {
    for (const UINT gdi : {CF_BITMAP, CF_METAFILEPICT, CF_PALETTE, CF_ENHMETAFILE, CF_OWNERDISPLAY,
                           CF_DSPBITMAP, CF_DSPMETAFILEPICT, CF_DSPENHMETAFILE})
        if (format == gdi)
            return false;
    return format < CF_GDIOBJFIRST || format > CF_GDIOBJLAST;
}

// The bytes of a format on the opened clipboard.
std::optional<std::string> bytesOf(UINT format) {
    HANDLE data = GetClipboardData(format);
    const char* start = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (!start)
        return std::nullopt;
    std::string bytes(start, GlobalSize(data));
    GlobalUnlock(data);
    return bytes;
}

} // namespace

UINT otherFormat() {
    return RegisterClipboardFormatW(L"Glyphmere.Test.Other");
}

bool putOnClipboard(const std::vector<ClipboardFormat>& formats) {
    const OpenedClipboard clipboard;
    if (!clipboard.opened || !EmptyClipboard())
        return false;
    for (const ClipboardFormat& each : formats) {
        platform::GlobalBlock block = globalCopy(each.bytes);
        if (!block || !SetClipboardData(each.format, block.get()))
            return false;
        block.release(); // the clipboard's now
    }
    return true;
}

std::wstring clipboardText() {
    const OpenedClipboard clipboard;
    const auto bytes = clipboard.opened ? bytesOf(CF_UNICODETEXT) : std::nullopt;
    if (!bytes)
        return L"(no text)";
    std::wstring text(bytes->size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), bytes->data(), text.size() * sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
}

ClipboardKeeper::ClipboardKeeper() {
    const OpenedClipboard clipboard;
    if (!clipboard.opened)
        return;
    saved_.emplace();
    for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format))
        if (auto bytes = heldInMemory(format) ? bytesOf(format) : std::nullopt)
            saved_->push_back({format, std::move(*bytes)});
}

ClipboardKeeper::~ClipboardKeeper() {
    if (saved_)
        putOnClipboard(*saved_);
}

ClipboardHolder::ClipboardHolder()
    : thread_([this] {
          opened_ = OpenClipboard(nullptr) != 0;
          holding_ = true;
          const ULONGLONG end = GetTickCount64() + 5000;
          while (!release_ && GetTickCount64() < end) {
              DWORD_PTR ignored = 0;
              if (HWND window = watched_) {
                  const bool answers = SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL,
                                                           answered_ ? 200 : 5000, &ignored);
                  if (answered_ && !answers)
                      break;
                  answered_ = answered_ || answers;
              }
              Sleep(5);
          }
          if (opened_)
              CloseClipboard();
      }) {
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
    drive::waitUntil([&] { return answered_.load(); }, 5000,
                     [] {
                         MSG message;
                         PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
                         MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_SENDMESSAGE);
                     });
}
