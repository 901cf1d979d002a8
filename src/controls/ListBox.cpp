#include "controls/ListBox.h"

namespace controls {

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

int ListBox::findEntry(const std::wstring& text) const {
    const LRESULT found = SendMessageW(hwnd(), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str()));
    return found == LB_ERR ? -1 : static_cast<int>(found);
}

void ListBox::addItem(const std::wstring& entry) {
    SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

int ListBox::addUnique(const std::wstring& entry) {
    const LRESULT added =
        SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    if (added < 0)
        return -1;
    const int at = static_cast<int>(added);
    // The list sorts as the user's locale compares, ignoring case: entries it takes as equal
    // to the new one lie next to it, and an equal one is among them.
    const auto sortsEqual = [&](int index) {
        const std::wstring other = list(index);
        return !other.empty() && CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, other.c_str(),
                                                static_cast<int>(other.size()), entry.c_str(),
                                                static_cast<int>(entry.size())) == CSTR_EQUAL;
    };
    const auto same = [&](int index) {
        const std::wstring other = list(index);
        return CompareStringOrdinal(other.c_str(), static_cast<int>(other.size()), entry.c_str(),
                                    static_cast<int>(entry.size()), TRUE) == CSTR_EQUAL;
    };
    for (const int step : {-1, 1})
        for (int index = at + step; index >= 0 && index < listCount() && sortsEqual(index);
             index += step)
            if (same(index)) {
                SendMessageW(hwnd(), LB_DELETESTRING, static_cast<WPARAM>(at), 0);
                return -1;
            }
    return at;
}

void ListBox::removeItem(const std::wstring& entry) {
    if (const int at = findEntry(entry); at >= 0)
        SendMessageW(hwnd(), LB_DELETESTRING, static_cast<WPARAM>(at), 0);
}

void ListBox::refresh() {
    InvalidateRect(hwnd(), nullptr, TRUE);
    UpdateWindow(hwnd());
}

void ListBox::notify(WORD code) {
    if (code == LBN_SELCHANGE)
        raise(onClick);
}

} // namespace controls
