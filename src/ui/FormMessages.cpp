#include "ui/Form.h"

#include "ui/WindowProcedure.h"

namespace ui {

namespace {

HWND firstTabStop(HWND window) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED))
            return child;
    }
    return nullptr;
}

// Whether the focus may go back to this control of the window.
bool canTakeFocus(HWND window, HWND control) {
    return control && IsWindow(control) && IsChild(window, control) && IsWindowVisible(control) &&
           IsWindowEnabled(control);
}

} // namespace

bool Form::focusWhereTheUserWas() {
    // Back where the user was, or the first control in the tab order.
    HWND target = canTakeFocus(hwnd_, lastFocus_) ? lastFocus_ : firstTabStop(hwnd_);
    return target && SetFocus(target);
}

LRESULT Form::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        hwnd_ = window; // before CreateWindowExW answers: the messages until then need it
        break;
    case WM_COMMAND:
        if (lParam) {
            if (Control* c = controlOf(reinterpret_cast<HWND>(lParam)))
                c->notify(HIWORD(wParam));
        } else if (LOWORD(wParam) == IDCANCEL) {
            raise(onEscape);
        } else if (const int row = LOWORD(wParam) - firstMenuId;
                   row >= 0 && static_cast<size_t>(row) < menu_.size()) {
            for (MenuItem* item : menuItems_)
                if (item->name() == menu_[static_cast<size_t>(row)].name)
                    raise(item->onClick);
        }
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return colors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                      GetSysColor(COLOR_BTNFACE));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return colors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                      GetSysColor(COLOR_WINDOW));
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT)
            if (const Control* c = controlOf(reinterpret_cast<HWND>(wParam));
                c && (c->layout().flags & HandCursor)) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
        break;
    case WM_TIMER:
        for (Timer* timer : timers_)
            if (timer->id_ == wParam && timer->enabled())
                raise(timer->onTick);
        return 0;
    case WM_PAINT: {
        const Painting painting(window);
        paintDecorations(painting.dc());
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd_, focus))
                lastFocus_ = focus;
        } else if (!HIWORD(wParam) && focusWhereTheUserWas()) {
            return 0;
        }
        break;
    case WM_SETFOCUS:
        // The window itself took the focus, as when it is restored from the taskbar: it goes
        // on to the control that had it, for the window is only a frame.
        if (canTakeFocus(hwnd_, reinterpret_cast<HWND>(wParam)))
            lastFocus_ = reinterpret_cast<HWND>(wParam);
        if (focusWhereTheUserWas())
            return 0;
        break;
    case WM_CLOSE:
        raise(onCloseRequest);
        return 0;
    case WM_DROPFILES:
        filesDropped(wParam);
        return 0;
    case WM_DPICHANGED: {
        // Moved to a screen of another dpi: the layout again at the new scale, where the
        // system suggests.
        rescale(HIWORD(wParam));
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        if (suggested)
            SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_NCDESTROY:
        releaseResources();
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace ui
