#include "controls/TextBox.h"

#include "platform/WindowText.h"

#include <commctrl.h>

namespace controls {

void TextBox::create(HWND parent, int id, const RECT& place) {
    const unsigned flags = layout().flags;
    // A read-only box of many lines wraps them; one that takes text keeps each line whole.
    DWORD style =
        (flags & ReadOnly) && (flags & MultiLine) && !(flags & HScroll) ? 0 : ES_AUTOHSCROLL;
    if (flags & MultiLine)
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ((flags & ReadOnly) ? 0 : ES_WANTRETURN);
    readOnly_ = (flags & ReadOnly) != 0;
    if (readOnly_)
        style |= ES_READONLY;
    if (flags & HScroll)
        style |= WS_HSCROLL;
    if (flags & VScroll)
        style |= WS_VSCROLL;
    HWND window = createWindow(parent, id, place, L"EDIT", style, WS_EX_CLIENTEDGE);
    if (!window)
        return;
    seen_ = std::wstring(layout().caption);
    // Only a multi-line box needs a subclass, for Esc and Tab: each message to a subclassed
    // control costs more (under Wine a round trip to the server), and the find box has one
    // for every key typed. Clicks reach a box through the program's loop (buttonReleased).
    if (flags & MultiLine) {
        SendMessageW(window, EM_SETLIMITTEXT, 0, 0); // no 30,000-character ceiling
        subclass_ = platform::Subclass::install<&TextBox::handle>(window, *this);
    }
}

void TextBox::buttonReleased() {
    raise(onClick);
}

LRESULT TextBox::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!readOnly_ && (message == WM_KEYDOWN || message == WM_CHAR) && wParam == VK_ESCAPE)
        return 0; // a multi-line edit would ask its window to close: Esc must not quit
    if (message == WM_CHAR && wParam == 0x03 && onCopyKey) { // Ctrl+C
        raise(onCopyKey);
        return 0;
    }
    if (message == WM_GETDLGCODE) {
        // Tab moves on to the next control, also from a multi-line box; in a read-only box
        // Esc closes the window, as in any dialog.
        LRESULT code = DefSubclassProc(window, message, wParam, lParam);
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        const bool passed =
            key && (key->wParam == VK_TAB || (readOnly_ && key->wParam == VK_ESCAPE));
        if (passed && (key->message == WM_KEYDOWN || key->message == WM_CHAR))
            code &= ~(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | DLGC_WANTTAB);
        return code;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

std::wstring TextBox::text() const {
    return platform::windowText(hwnd());
}

int TextBox::textLength() const {
    return GetWindowTextLengthW(hwnd());
}

template <typename Edit> void TextBox::changeByCode(Edit&& edit) {
    if (onChange)
        seen_ = text(); // as it is now, whatever reached the box without a word
    changingByCode_ = true;
    edit();
    changingByCode_ = false;
    changed();
}

void TextBox::changed() {
    // Only a real change raises Change: an undo with nothing to undo, or a paste of the text
    // already there, must not run the handler, whether code or the box's own menu made it.
    // A box that nobody listens to is not read, and then what it held is not known.
    if (!onChange) {
        seen_.reset();
        return;
    }
    std::wstring now = text();
    if (seen_ == now)
        return;
    seen_ = std::move(now);
    raise(onChange);
}

void TextBox::setText(const std::wstring& text) {
    changeByCode([&] { SetWindowTextW(hwnd(), text.c_str()); });
}

int TextBox::selStart() const {
    DWORD start = 0, end = 0;
    SendMessageW(hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(start);
}

int TextBox::selLength() const {
    DWORD start = 0, end = 0;
    SendMessageW(hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TextBox::setSelStart(int start) {
    SendMessageW(hwnd(), EM_SETSEL, static_cast<WPARAM>(start), start);
    SendMessageW(hwnd(), EM_SCROLLCARET, 0, 0);
}

void TextBox::setSelLength(int length) {
    const int start = selStart();
    SendMessageW(hwnd(), EM_SETSEL, static_cast<WPARAM>(start), start + length);
}

std::wstring TextBox::selText() const {
    const int start = selStart();
    const int length = selLength();
    if (length <= 0)
        return {};
    const std::wstring all = text();
    return all.substr(static_cast<size_t>(start), static_cast<size_t>(length));
}

void TextBox::setSelText(const std::wstring& text) {
    changeByCode(
        [&] { SendMessageW(hwnd(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str())); });
}

void TextBox::undo() {
    changeByCode([&] { SendMessageW(hwnd(), EM_UNDO, 0, 0); });
}

void TextBox::notify(WORD code) {
    if (code == EN_CHANGE && !changingByCode_)
        changed();
    else if (code == EN_SETFOCUS)
        raise(onGotFocus);
}

} // namespace controls
