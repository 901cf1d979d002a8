#include "controls/PictureButton.h"

#include "controls/Accessible.h"
#include "controls/Form.h"
#include "controls/WindowClass.h"
#include "platform/WindowProcedure.h"

namespace controls {

PictureButton::~PictureButton() {
    platform::unbindObject(hwnd()); // going before its window: no more messages reach it
}

void PictureButton::create(HWND parent, int id, const RECT& place) {
    // The second press of a double-click comes as its own message, so that it is not taken
    // for a second click.
    static ATOM pictureClass = 0;
    if (!pictureClass)
        pictureClass = registerWindowClass(
            {.name = L"GlyphmerePicture",
             // Control::createWindow passes the control as a Control*.
             .procedure = platform::boundProcedure<&PictureButton::handle, Control>,
             .style = CS_DBLCLKS});
    if (!pictureClass)
        return;
    loadPicture(place.right - place.left, place.bottom - place.top);
    createWindow(parent, id, place, MAKEINTATOM(pictureClass), 0);
}

void PictureButton::loadPicture(int width, int height) {
    // The picture holds an image for each common scale; the nearest one is taken.
    icon_.reset(layout().picture
                    ? static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                                    MAKEINTRESOURCEW(layout().picture), IMAGE_ICON,
                                                    width, height, LR_DEFAULTCOLOR))
                    : nullptr);
}

void PictureButton::rescale(const RECT& place) {
    moveTo(place);
    loadPicture(place.right - place.left, place.bottom - place.top);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void PictureButton::releaseWindowResources() {
    icon_.reset();
}

LRESULT PictureButton::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paint(platform::Painting(window).dc());
        return 0;
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_UPDATEUISTATE: {
        // The focus rectangle shows or hides with the window's keyboard cues.
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        InvalidateRect(window, nullptr, FALSE);
        return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        return onFocusChange(window);
    case WM_LBUTTONDOWN:
        return onButtonDown(window);
    case WM_LBUTTONDBLCLK:
        return 0; // one click was raised already, by the first press
    case WM_LBUTTONUP:
        return onButtonUp(window, lParam);
    case WM_CAPTURECHANGED:
        pressed_ = false;
        return 0;
    case WM_KEYDOWN:
        if (onKeyDown(wParam, lParam))
            return 0;
        break;
    case WM_KEYUP:
        if (onKeyUp(wParam))
            return 0;
        break;
    case WM_GETDLGCODE:
        return dialogCode(lParam);
    case STM_GETICON: // as a picture control answers
        return reinterpret_cast<LRESULT>(icon_.get());
    case BM_CLICK: // what a screen reader's default action sends
        click();
        return 0;
    case WM_GETOBJECT:
        if (const LRESULT answer = accessibleObject(window, wParam, lParam))
            return answer;
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT PictureButton::onFocusChange(HWND window) {
    spacePressed_ = false;
    InvalidateRect(window, nullptr, FALSE);
    return 0;
}

LRESULT PictureButton::onButtonDown(HWND window) {
    // Like a toolbar button: the click does not move the focus away from the text.
    pressed_ = true;
    SetCapture(window);
    return 0;
}

LRESULT PictureButton::onButtonUp(HWND window, LPARAM at) {
    if (!pressed_)
        return 0;
    pressed_ = false;
    ReleaseCapture();
    RECT r;
    GetClientRect(window, &r);
    const POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    if (PtInRect(&r, point))
        click();
    return 0;
}

bool PictureButton::onKeyDown(WPARAM key, LPARAM flags) {
    // As a push button: Space clicks when it goes up, Enter when it goes down; the presses
    // a held key repeats click nothing.
    if (key != VK_SPACE && key != VK_RETURN)
        return false;
    if (!(HIWORD(flags) & KF_REPEAT)) {
        if (key == VK_SPACE)
            spacePressed_ = true;
        else
            click();
    }
    return true;
}

bool PictureButton::onKeyUp(WPARAM key) {
    if (key != VK_SPACE || !spacePressed_)
        return false;
    spacePressed_ = false;
    click();
    return true;
}

LRESULT PictureButton::dialogCode(LPARAM message) const {
    // Enter runs the button rather than going to the window as a dialog's default.
    const auto* key = reinterpret_cast<const MSG*>(message);
    const bool enter = key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
    return DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
}

LRESULT PictureButton::accessibleObject(HWND window, WPARAM wParam, LPARAM objectId) {
    if (!asksForClient(objectId))
        return 0;
    // A picture that does something is a button; one that does nothing, a graphic.
    const auto role = onClick ? AccessibleRole::PushButton : AccessibleRole::Graphic;
    return answerClient(window, wParam, accessibleName(layout().toolTip), role);
}

void PictureButton::paint(HDC dc) {
    RECT r;
    GetClientRect(hwnd(), &r);
    FillRect(dc, &r, form().brush(backColor()));
    if (icon_)
        DrawIconEx(dc, 0, 0, icon_.get(), r.right, r.bottom, 0, nullptr, DI_NORMAL);
    // As a standard button: the focus shows unless the window hides its keyboard cues.
    if (GetFocus() == hwnd() && !(SendMessageW(hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS))
        DrawFocusRect(dc, &r);
}

} // namespace controls
