#include "controls/Control.h"

#include "controls/Form.h"
#include "controls/Input.h"

namespace controls {

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

bool Control::make(HWND parent, int id, const ControlLayout& layout, const RECT& place,
                   COLORREF foreColor, COLORREF backColor) {
    layout_ = &layout;
    foreColor_ = foreColor;
    backColor_ = backColor;
    if (!shows(layout))
        return false;
    create(parent, id, place);
    return true;
}

void Control::windowGone() {
    releaseWindowResources();
    hwnd_ = nullptr;
    layout_ = nullptr;
}

bool Control::visible() const {
    return hwnd_ && IsWindowVisible(hwnd_);
}
bool Control::enabled() const {
    return hwnd_ && IsWindowEnabled(hwnd_);
}
void Control::setVisible(bool visible) {
    if (hwnd_)
        ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}
void Control::setEnabled(bool enabled) {
    if (hwnd_)
        EnableWindow(hwnd_, enabled);
}
void Control::setFocus() {
    if (hwnd_)
        SetFocus(hwnd_);
}

HWND Control::createWindow(HWND parent, int id, const RECT& place, const wchar_t* windowClass,
                           DWORD style, DWORD exStyle) {
    const ControlLayout& s = layout();
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

void Control::click() {
    if (takesInput(hwnd_))
        raise(onClick);
}

void Control::moveTo(const RECT& place) {
    SetWindowPos(hwnd_, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::rescale(const RECT& place) {
    moveTo(place);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form_.font(layout().font)), TRUE);
}

} // namespace controls
