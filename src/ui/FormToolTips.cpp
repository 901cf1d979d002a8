#include "ui/Form.h"

#include <commctrl.h>

#include <algorithm>

namespace ui {

// One tool-tip control for the window, with the tips its table gives.
void Form::createToolTips() {
    toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    for (Control* c : created_)
        if (!c->layout().toolTip.empty())
            setToolTip(*c, std::wstring(c->layout().toolTip));
}

void Form::setToolTip(const Control& control, const std::wstring& text) {
    if (!toolTips_ || !control.hwnd())
        return;
    std::wstring copy = text; // the message takes a pointer that is not const
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(control.hwnd());
    tool.lpszText = copy.data();
    // Asking the tool-tip control whether it knows the tool would copy the old text into
    // the buffer given, however long: the form remembers instead.
    const bool known = std::find(tipped_.begin(), tipped_.end(), control.hwnd()) != tipped_.end();
    if (known)
        SendMessageW(toolTips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    else if (SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)))
        tipped_.push_back(control.hwnd());
    // A label takes the mouse only when it has something to say.
    wchar_t windowClass[16] = {};
    GetClassNameW(control.hwnd(), windowClass, 16);
    if (_wcsicmp(windowClass, L"Static") == 0)
        SetWindowLongPtrW(control.hwnd(), GWL_STYLE,
                          GetWindowLongPtrW(control.hwnd(), GWL_STYLE) | SS_NOTIFY);
}

} // namespace ui
