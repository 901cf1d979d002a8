#include "BareCopy.h"

#include "controls/Layout.h"

#include <commctrl.h>

#include <string>

namespace bench {

HWND bareToolTips(HWND host) {
    return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, host, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

namespace {

LRESULT CALLBACK pictureProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto icon = reinterpret_cast<HICON>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY)
        DestroyIcon(icon);
    if (message != WM_PAINT)
        return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT r;
    GetClientRect(window, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    DrawIconEx(dc, 0, 0, icon, r.right, r.bottom, 0, nullptr, DI_NORMAL);
    EndPaint(window, &paint);
    return 0;
}

} // namespace

HWND barePicture(HWND host, const RECT& place, int picture, DWORD style) {
    static const ATOM pictureClass = [] {
        WNDCLASSW c{};
        c.lpfnWndProc = pictureProcedure;
        c.hInstance = GetModuleHandleW(nullptr);
        c.hCursor = LoadCursorW(nullptr, IDC_HAND);
        c.lpszClassName = L"GlyphmereBenchBarePicture";
        return RegisterClassW(&c);
    }();
    const int width = place.right - place.left, height = place.bottom - place.top;
    const HWND window = CreateWindowExW(0, MAKEINTATOM(pictureClass), L"",
                                        style | WS_CHILD | WS_VISIBLE, place.left, place.top, width,
                                        height, host, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(
        window, GWLP_USERDATA,
        reinterpret_cast<LONG_PTR>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(picture),
                                              IMAGE_ICON, width, height, 0)));
    return window;
}

void addBareToolTip(HWND tips, HWND host, HWND control, std::wstring_view text) {
    if (text.empty())
        return;
    std::wstring tip(text);
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = host;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = tip.data();
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

HWND bareCopyOf(const controls::Control& control, HWND host, HWND tips, bool withText) {
    const HWND original = control.hwnd();
    wchar_t kind[32]{};
    GetClassNameW(original, kind, 32);
    RECT r;
    GetWindowRect(original, &r);
    MapWindowPoints(nullptr, GetParent(original), reinterpret_cast<POINT*>(&r), 2);
    DWORD style = static_cast<DWORD>(GetWindowLongPtrW(original, GWL_STYLE));
    // A list drops its scroll bar from its style while it has nothing to scroll; the
    // program made it with one.
    if (lstrcmpiW(kind, L"ListBox") == 0)
        style |= WS_VSCROLL;
    if (const int picture = control.layout().picture) {
        const HWND copy = barePicture(host, r, picture, style & WS_TABSTOP);
        addBareToolTip(tips, host, copy, control.layout().toolTip);
        return copy;
    }
    std::wstring text(withText ? static_cast<size_t>(GetWindowTextLengthW(original)) + 1 : 1,
                      L'\0');
    if (withText)
        text.resize(static_cast<size_t>(
            GetWindowTextW(original, text.data(), static_cast<int>(text.size()))));
    const HWND copy =
        CreateWindowExW(static_cast<DWORD>(GetWindowLongPtrW(original, GWL_EXSTYLE)), kind,
                        text.c_str(), style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                        host, nullptr, GetModuleHandleW(nullptr), nullptr);
    addBareToolTip(tips, host, copy, control.layout().toolTip);
    return copy;
}

} // namespace bench
