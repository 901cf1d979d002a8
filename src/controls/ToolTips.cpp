#include "controls/ToolTips.h"

#include <commctrl.h>

#include <algorithm>

namespace controls {

void ToolTips::create(HWND form) {
    form_ = form;
    window_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
}

void ToolTips::windowGone() {
    form_ = nullptr;
    window_ = nullptr;
    tipped_.clear();
}

void ToolTips::set(HWND control, const std::wstring& text) {
    if (!window_ || !control)
        return;
    std::wstring copy = text; // the message takes a pointer that is not const
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = form_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = copy.data();
    // Asking the tool-tip control whether it knows the tool would copy the old text into
    // the buffer given, however long: the form remembers instead.
    const bool known = std::find(tipped_.begin(), tipped_.end(), control) != tipped_.end();
    if (known)
        SendMessageW(window_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    else if (SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)))
        tipped_.push_back(control);
    // A label takes the mouse only when it has something to say.
    wchar_t windowClass[16] = {};
    GetClassNameW(control, windowClass, 16);
    if (_wcsicmp(windowClass, L"Static") == 0)
        SetWindowLongPtrW(control, GWL_STYLE, GetWindowLongPtrW(control, GWL_STYLE) | SS_NOTIFY);
}

} // namespace controls
