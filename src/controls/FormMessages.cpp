#include "controls/Control.h"
#include "controls/DroppedFiles.h"
#include "controls/Form.h"
#include "controls/MenuItem.h"
#include "controls/Timer.h"
#include "platform/WindowProcedure.h"

namespace controls {

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

void Form::dispatched(const MSG& message) {
    if (message.message != WM_LBUTTONUP || !message.hwnd)
        return;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (!isForm(root))
        return;
    if (const Form* form = platform::boundObject<Form>(root))
        if (Control* c = form->controlOf(message.hwnd))
            c->buttonReleased();
}

bool Form::keyTaken(const MSG& message) {
    if ((message.message != WM_KEYDOWN && message.message != WM_CHAR) || !message.hwnd)
        return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (!isForm(root))
        return false;
    const Form* form = platform::boundObject<Form>(root);
    Control* c = form ? form->controlOf(message.hwnd) : nullptr;
    return c && c->keyPressed(message);
}

void Form::tabFrom(HWND control, bool back) {
    HWND next = GetNextDlgTabItem(hwnd_, control, back);
    if (!next || next == control)
        return;
    // A text box tabbed into has its text selected, as the dialog keys leave it.
    if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageW(next, EM_SETSEL, 0, -1);
    SetFocus(next);
}

LRESULT Form::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        hwnd_ = window; // before CreateWindowExW answers: the messages until then need it
        break;
    case WM_COMMAND:
        onCommand(wParam, lParam);
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return onControlColors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                               GetSysColor(COLOR_BTNFACE));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return onControlColors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                               GetSysColor(COLOR_WINDOW));
    case WM_SETCURSOR:
        if (onSetCursor(reinterpret_cast<HWND>(wParam), lParam))
            return TRUE;
        break;
    case WM_TIMER:
        for (Timer* timer : timers_)
            timer->timerMessage(wParam);
        return 0;
    case WM_PAINT:
        paintDecorations(platform::Painting(window).dc());
        return 0;
    case WM_ACTIVATE:
        if (onActivate(wParam))
            return 0;
        break;
    case WM_SETFOCUS:
        if (onSetFocus(reinterpret_cast<HWND>(wParam)))
            return 0;
        break;
    case WM_CLOSE:
        raise(onCloseRequest);
        return 0;
    case WM_DROPFILES:
        onDropFiles(wParam);
        return 0;
    case WM_COPYDATA:
        return onCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case reminderMessage:
        raise(onReminder);
        return 0;
    case WM_ENABLE:
        if (wParam)
            raise(onEnabled);
        break;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_NCDESTROY:
        releaseResources();
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Form::onCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam) {
        if (Control* c = controlOf(reinterpret_cast<HWND>(lParam)))
            c->notify(HIWORD(wParam));
        return;
    }
    // A window that waits for a dialog, a message box or another window of the program runs
    // no command: a menu's WM_COMMAND can still come, posted by another program or queued
    // behind the command that opened the dialog.
    if (!IsWindowEnabled(hwnd_))
        return;
    if (LOWORD(wParam) == IDCANCEL) {
        raise(onEscape);
    } else if (const int row = LOWORD(wParam) - firstMenuId;
               row >= 0 && static_cast<size_t>(row) < menu_.size()) {
        if (const MenuItem* item = menuItem(menu_[static_cast<size_t>(row)].name))
            raise(item->onClick);
    }
}

LRESULT Form::onControlColors(HDC dc, HWND child, COLORREF defaultBack) {
    const Control* c = controlOf(child);
    if (!c) {
        SetBkColor(dc, defaultBack);
        return reinterpret_cast<LRESULT>(brush(defaultBack));
    }
    SetTextColor(dc, c->foreColor());
    SetBkColor(dc, c->backColor());
    return reinterpret_cast<LRESULT>(brush(c->backColor()));
}

bool Form::onSetCursor(HWND child, LPARAM hit) {
    if (LOWORD(hit) != HTCLIENT)
        return false;
    const Control* c = controlOf(child);
    if (!c || !(c->layout().flags & HandCursor))
        return false;
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}

bool Form::onActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus))
            lastFocus_ = focus;
        return false;
    }
    return !HIWORD(wParam) && focusWhereTheUserWas();
}

bool Form::onSetFocus(HWND previous) {
    // The window itself took the focus, as when it is restored from the taskbar: it goes on
    // to the control that had it, for the window is only a frame.
    if (canTakeFocus(hwnd_, previous))
        lastFocus_ = previous;
    return focusWhereTheUserWas();
}

bool Form::focusWhereTheUserWas() {
    // Back where the user was, or the first control in the tab order.
    HWND target = canTakeFocus(hwnd_, lastFocus_) ? lastFocus_ : firstTabStop(hwnd_);
    return target && SetFocus(target);
}

void Form::onDropFiles(WPARAM drop) {
    const std::vector<std::wstring> files = takeDroppedFiles(drop);
    // A window that waits for a dialog or a message box takes no drop, as it takes no click.
    if (!files.empty() && onFilesDropped && IsWindowEnabled(hwnd_))
        raise([&] { onFilesDropped(files); });
}

bool Form::onCopyData(const COPYDATASTRUCT* data) {
    if (!data || !onDataReceived || (data->cbData && !data->lpData))
        return false;
    bool taken = false;
    raise([&] {
        taken = onDataReceived(
            data->dwData, std::string_view(static_cast<const char*>(data->lpData), data->cbData));
    });
    return taken;
}

void Form::onDpiChanged(int dpi, const RECT* suggested) {
    // Moved to a screen of another dpi: the layout again at the new scale, where the system
    // suggests.
    rescale(dpi);
    if (suggested)
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace controls
