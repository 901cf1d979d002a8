#pragma once
#include <windows.h>

#include <string>

namespace platform {

// What a file dialog shows and answers; the filter uses "description|pattern" pairs.
struct FileDialogRequest {
    std::wstring title;
    std::wstring filter;
    std::wstring fileName; // in: the name shown at first; out: the chosen full path
    DWORD flags = 0;       // OFN_* flags beyond the ones the dialog always sets
};

// Modal questions to the user. Each call runs its own message loop until answered. The
// owner is the window whose command asks: it waits under the box until it is answered.
class Prompts {
public:
    virtual ~Prompts() = default;
    // Returns the button pressed (IDOK, ...). `style` is the MB_* style number.
    virtual int messageBox(HWND owner, const std::wstring& text, UINT style,
                           const std::wstring& title) = 0;
    // Returns the typed text, or an empty text when cancelled.
    virtual std::wstring inputBox(HWND owner, const std::wstring& prompt, const std::wstring& title,
                                  const std::wstring& initial) = 0;
    // `color` holds the colour selected at first and, when confirmed, the chosen one.
    virtual bool chooseColor(HWND owner, COLORREF& color) = 0;
    virtual bool openFile(HWND owner, FileDialogRequest& request) = 0;
    virtual bool saveFile(HWND owner, FileDialogRequest& request) = 0;
};

} // namespace platform
