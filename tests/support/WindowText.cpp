#include "support/WindowText.h"

#include <commctrl.h>

#include <cwchar>

std::wstring windowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, 2000, &copied))
        return {};
    text.resize(copied);
    return text;
}

std::wstring classOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

namespace {
BOOL CALLBACK collect(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}
} // namespace

std::wstring listEntry(HWND list, int index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
    return text;
}

HWND topWindowStartingWith(const std::wstring& start) {
    for (HWND window : topWindows())
        if (IsWindowVisible(window) && windowText(window).starts_with(start))
            return window;
    return nullptr;
}

std::vector<HWND> topWindows() {
    std::vector<HWND> all;
    EnumWindows(collect, reinterpret_cast<LPARAM>(&all));
    return all;
}

std::vector<HWND> childrenOf(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, collect, reinterpret_cast<LPARAM>(&children));
    return children;
}

std::vector<HWND> childrenOfClass(HWND parent, const wchar_t* windowClass) {
    std::vector<HWND> found;
    for (HWND child : childrenOf(parent))
        if (_wcsicmp(classOf(child).c_str(), windowClass) == 0)
            found.push_back(child);
    return found;
}

HWND childWithText(HWND parent, const wchar_t* windowClass, const std::wstring& text) {
    for (HWND child : childrenOfClass(parent, windowClass))
        if (windowText(child) == text)
            return child;
    return nullptr;
}

std::wstring toolTipOf(const controls::Form& form, const controls::Control& control) {
    wchar_t text[1024] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = form.hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(control.hwnd());
    tool.lpszText = text;
    SendMessageW(toolTipsOf(form.hwnd()), TTM_GETTEXTW, std::size(text),
                 reinterpret_cast<LPARAM>(&tool));
    return text;
}

HFONT windowFont(HWND window) {
    return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
}

HWND toolTipsOf(HWND form) {
    for (HWND window : topWindows())
        if (GetWindow(window, GW_OWNER) == form &&
            _wcsicmp(classOf(window).c_str(), TOOLTIPS_CLASSW) == 0)
            return window;
    return nullptr;
}
