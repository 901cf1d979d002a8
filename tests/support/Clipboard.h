#pragma once
// The real clipboard, filled and read without the program's own clipboard code; a keeper
// that puts back what the user had there; a busy program that holds it open.
#include <windows.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

struct ClipboardFormat {
    UINT format;
    std::string bytes; // the block's bytes, as GlobalSize counts them
};

// A format of our own, standing for whatever else another program leaves there.
UINT otherFormat();
// Replaces what the clipboard holds by these formats. Answers whether it could.
bool putOnClipboard(const std::vector<ClipboardFormat>& formats);
// The text up to its NUL, or "(no text)".
std::wstring clipboardText();

// Reads what the clipboard holds when made and puts it back when it goes. Every format
// held in a global memory block comes back byte for byte, the text (CF_UNICODETEXT)
// included, and with it the text forms the system makes from it. Formats held as GDI
// objects (bitmaps, palettes, metafiles) or drawn by their owner cannot be copied and are
// not put back; neither is anything when the clipboard could not be read at first.
class ClipboardKeeper {
public:
    ClipboardKeeper();
    ~ClipboardKeeper();

private:
    std::optional<std::vector<ClipboardFormat>> saved_;
};

// Keeps the clipboard open from another thread, as a busy program does, while it lives,
// but five seconds at the most: a program that never stops trying then gets it, and the
// test fails where it would otherwise hang.
class ClipboardHolder {
public:
    ClipboardHolder();
    ~ClipboardHolder();
    bool opened() const { return opened_; }
    // From now on, lets go as soon as the window (of this thread) stops answering: its
    // thread is then busy in something it does, such as waiting for the clipboard.
    void letGoOnceBusy(HWND window);

private:
    std::atomic<bool> holding_{false}, release_{false}, opened_{false}, answered_{false};
    std::atomic<HWND> watched_{nullptr};
    std::thread thread_;
};
