#include "ui/Controls.h"

#include "ui/Accessible.h"
#include "ui/Form.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

namespace ui {

void raise(const Event& event) {
    if (!event)
        return;
    try {
        event();
    } catch (...) {
        // A handler that fails ends there; the window system never sees the exception.
    }
}

// ---- Control ----

std::wstring Control::windowText(HWND window) {
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

Control::Control(Form& form, std::wstring_view name) : form_(form), name_(name) {
    form.bind(*this);
}

Control::~Control() {
    HWND window = hwnd_;
    hwnd_ = nullptr;
    form_.forget(*this);
    if (window && IsWindow(window))
        DestroyWindow(window);
}

bool Control::visible() const {
    return hwnd_ && IsWindowVisible(hwnd_);
}
bool Control::enabled() const {
    return hwnd_ && IsWindowEnabled(hwnd_);
}
void Control::setFocus() {
    if (hwnd_)
        SetFocus(hwnd_);
}

HWND Control::createWindow(HWND parent, int id, const RECT& place, const wchar_t* windowClass,
                           DWORD style, DWORD exStyle) {
    const ControlSpec& s = layout();
    style |= WS_CHILD;
    if (!(s.flags & Hidden))
        style |= WS_VISIBLE;
    if (s.flags & Disabled)
        style |= WS_DISABLED;
    if (s.tabIndex >= 0)
        style |= WS_TABSTOP;
    const std::wstring caption(s.caption);
    hwnd_ = CreateWindowExW(exStyle, windowClass, caption.c_str(), style, place.left, place.top,
                            place.right - place.left, place.bottom - place.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), this);
    if (hwnd_)
        SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form_.font(s.font)), FALSE);
    return hwnd_;
}

void Control::moveTo(const RECT& place) {
    SetWindowPos(hwnd_, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::rescale(const RECT& place) {
    moveTo(place);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form_.font(layout().font)), TRUE);
}

// ---- Label ----

int Label::fittingWidth(const std::wstring& caption) const {
    const platform::WindowDC dc(hwnd() ? hwnd() : form().hwnd());
    const platform::Selection font(dc.get(), form().font(layout().font));
    RECT text{};
    DrawTextW(dc.get(), caption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const int width = text.right - text.left;
    const int widest = layout().maxWidth ? scale(layout().maxWidth, form().dpi()) : width;
    return std::min(width, widest);
}

void Label::create(HWND parent, int id, const RECT& place) {
    RECT r = place;
    if (layout().place.width == 0) {
        // One line of text, as wide as the caption in the label's own font.
        r.right = r.left + fittingWidth(std::wstring(layout().caption));
        r.bottom = r.top + scale(13, form().dpi());
    }
    const bool clickable = layout().kind == Kind::LinkLabel || !layout().toolTip.empty();
    // A label that sizes itself is one line: should the room be short, the end is cut,
    // rather than whole words wrapped out of sight.
    DWORD style = (layout().place.width == 0 ? SS_LEFTNOWORDWRAP : SS_LEFT) | SS_NOPREFIX;
    if (clickable)
        style |= SS_NOTIFY;
    if (layout().flags & EndEllipsis)
        style |= SS_ENDELLIPSIS;
    HWND window = createWindow(parent, id, r, L"STATIC", style);
    if (window && layout().kind == Kind::LinkLabel)
        SetWindowSubclass(window, linkSubclass, 0, reinterpret_cast<DWORD_PTR>(this));
}

Label::~Label() {
    // Going before its window: no message may reach this object any more.
    if (hwnd())
        RemoveWindowSubclass(hwnd(), linkSubclass, 0);
}

LRESULT CALLBACK Label::linkSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<Label*>(data);
    switch (message) {
    case WM_GETOBJECT:
        // The system's object would call it plain text: it is a link, named by its caption.
        if (asksForClient(lParam))
            if (const LRESULT answer =
                    answerClient(window, wParam, windowText(window), AccessibleRole::Link))
                return answer;
        break;
    case BM_CLICK: // what a screen reader's default action sends
        raise(self->onClick);
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, linkSubclass, 0);
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void Label::setCaption(const std::wstring& caption) {
    SetWindowTextW(hwnd(), caption.c_str());
    fitCaption(caption);
}

void Label::fitCaption(const std::wstring& caption) {
    if (layout().place.width != 0)
        return;
    SetWindowPos(hwnd(), nullptr, 0, 0, fittingWidth(caption), scale(13, form().dpi()),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void Label::rescale(const RECT& place) {
    Control::rescale(place);
    fitCaption(caption());
}

void Label::notify(WORD code) {
    if (code == STN_CLICKED)
        raise(onClick);
}

std::wstring Label::caption() const {
    return windowText(hwnd());
}

// ---- CommandButton ----

void CommandButton::create(HWND parent, int id, const RECT& place) {
    createWindow(parent, id, place, L"BUTTON", BS_PUSHBUTTON);
}

void CommandButton::notify(WORD code) {
    if (code == BN_CLICKED)
        raise(onClick);
}

// ---- CheckBox ----

void CheckBox::create(HWND parent, int id, const RECT& place) {
    createWindow(parent, id, place, L"BUTTON", BS_AUTOCHECKBOX);
}

int CheckBox::value() const {
    switch (SendMessageW(hwnd(), BM_GETCHECK, 0, 0)) {
    case BST_CHECKED:
        return 1;
    case BST_INDETERMINATE:
        return 2;
    default:
        return 0;
    }
}

void CheckBox::setValue(int value) {
    if (value < 0 || value > 2 || value == this->value())
        return;
    if (value == 2) // a grayed box needs the three-state style
        SetWindowLongPtrW(hwnd(), GWL_STYLE,
                          (GetWindowLongPtrW(hwnd(), GWL_STYLE) & ~BS_TYPEMASK) | BS_AUTO3STATE);
    static constexpr WPARAM states[] = {BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE};
    SendMessageW(hwnd(), BM_SETCHECK, states[value], 0);
    raise(onClick); // the control does not report a change made by code
}

std::wstring CheckBox::caption() const {
    return windowText(hwnd());
}

void CheckBox::notify(WORD code) {
    if (code != BN_CLICKED)
        return;
    // Once the user has clicked a grayed box away, clicks toggle between two states again.
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    if ((style & BS_TYPEMASK) == BS_AUTO3STATE && value() != 2)
        SetWindowLongPtrW(hwnd(), GWL_STYLE, (style & ~BS_TYPEMASK) | BS_AUTOCHECKBOX);
    raise(onClick);
}

// ---- ListBox ----

void ListBox::create(HWND parent, int id, const RECT& place) {
    DWORD style = LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    if (layout().flags & Sorted)
        style |= LBS_SORT;
    if (createWindow(parent, id, place, L"LISTBOX", style, WS_EX_CLIENTEDGE))
        for (int n = layout().items.first; n <= layout().items.last; ++n)
            addItem(std::to_wstring(n));
}

int ListBox::listCount() const {
    return static_cast<int>(SendMessageW(hwnd(), LB_GETCOUNT, 0, 0));
}

std::wstring ListBox::list(int index) const {
    if (index < 0)
        return {};
    const LRESULT length = SendMessageW(hwnd(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR)
        return {};
    std::wstring entry(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(hwnd(), LB_GETTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
    return entry;
}

int ListBox::listIndex() const {
    const LRESULT index = SendMessageW(hwnd(), LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void ListBox::setListIndex(int index) {
    if (index < -1 || index >= listCount())
        return; // no such entry: nothing changes
    SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    raise(onClick); // the control does not report a change made by code
}

std::wstring ListBox::text() const {
    return list(listIndex());
}

void ListBox::setText(std::wstring_view entry) {
    // The list's own search ignores case; keep looking until the entry matches exactly.
    const std::wstring wanted(entry);
    int found = -1;
    for (LRESULT from = -1;;) {
        const LRESULT at = SendMessageW(hwnd(), LB_FINDSTRINGEXACT, static_cast<WPARAM>(from),
                                        reinterpret_cast<LPARAM>(wanted.c_str()));
        if (at == LB_ERR || (from >= 0 && at <= from))
            break; // none, or the search wrapped round
        if (list(static_cast<int>(at)) == wanted) {
            found = static_cast<int>(at);
            break;
        }
        from = at;
    }
    setListIndex(found);
}

int ListBox::findPrefix(const std::wstring& text) const {
    // From the top (-1).
    const LRESULT found = SendMessageW(hwnd(), LB_FINDSTRING, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str()));
    return found == LB_ERR ? -1 : static_cast<int>(found);
}

void ListBox::addItem(const std::wstring& entry) {
    SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

void ListBox::refresh() {
    InvalidateRect(hwnd(), nullptr, TRUE);
    UpdateWindow(hwnd());
}

void ListBox::notify(WORD code) {
    if (code == LBN_SELCHANGE)
        raise(onClick);
}

// ---- Timer ----

Timer::Timer(Form& form, std::wstring_view name) : form_(form), name_(name) {
    form.bind(*this);
}

void Timer::start(HWND window, UINT_PTR id, const ControlSpec& row) {
    window_ = window;
    id_ = id;
    interval_ = row.interval;
    setEnabled(!(row.flags & Disabled));
}

Timer::~Timer() {
    stop();
    form_.forget(*this);
}

MenuItem::~MenuItem() {
    form_.forget(*this);
}

void Timer::stop() {
    if (window_ && enabled_)
        KillTimer(window_, id_);
    window_ = nullptr;
    enabled_ = false;
}

void Timer::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (!window_)
        return;
    if (enabled)
        SetTimer(window_, id_, interval_, nullptr);
    else
        KillTimer(window_, id_);
}

// ---- MenuItem ----

MenuItem::MenuItem(Form& form, std::wstring_view name) : form_(form), name_(name) {
    form.bind(*this);
}

} // namespace ui
