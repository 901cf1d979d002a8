#include "controls/TextBox.h"

#include "controls/Form.h"
#include "platform/WindowText.h"

#include <utility>

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
    multiLine_ = (flags & MultiLine) != 0;
    if (multiLine_)
        SendMessageW(window, EM_SETLIMITTEXT, 0, 0); // no 30,000-character ceiling
}

void TextBox::buttonReleased() {
    raise(onClick);
}

// A multi-line box wants every key, Tab and Esc too, so the window's dialog keys would never
// see them: its Tab, Esc and Ctrl+C are taken here, from the program's loop. Not a subclass:
// under Wine every message to a subclassed control costs a round trip to the server, and the
// sample gets many with each new font.
bool TextBox::keyPressed(const MSG& key) {
    if (!multiLine_)
        return false;
    if (key.message == WM_CHAR && key.wParam == 0x03 && onCopyKey) { // Ctrl+C
        raise(onCopyKey);
        return true;
    }
    if (key.wParam == VK_TAB) { // to the next control, as in any dialog; it types nothing
        if (key.message == WM_KEYDOWN)
            form().tabFrom(hwnd(), GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    if (key.wParam == VK_ESCAPE) {
        // A read-only box's window closes on Esc, as a dialog does; the sample's must not quit.
        if (readOnly_ && key.message == WM_KEYDOWN)
            SendMessageW(form().hwnd(), WM_COMMAND, IDCANCEL, 0);
        return true;
    }
    return false;
}

std::wstring TextBox::text() const {
    // Inside its own Change, the text the change was seen with: each read of an edit control
    // is two messages, and under Wine a box with a tool tip answers each through the server.
    if (inChange_ && seen_)
        return *seen_;
    return platform::windowText(hwnd());
}

int TextBox::textLength() const {
    return GetWindowTextLengthW(hwnd());
}

// While `flag` lives, it holds `value`; then it is as it was.
struct TextBox::Holding {
    bool& flag;
    bool was;
    Holding(bool& held, bool value) : flag(held), was(std::exchange(held, value)) {}
    ~Holding() { flag = was; }
};

template <typename Edit> void TextBox::changeByCode(Edit&& edit) {
    const Holding reading(inChange_, false); // the box changes: what it holds is read anew
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
    std::wstring now = platform::windowText(hwnd()); // read anew, even inside a Change
    if (seen_ == now)
        return;
    seen_ = std::move(now);
    const Holding inChange(inChange_, true);
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
