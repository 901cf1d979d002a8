#include "app/MessageLoop.h"

#include "controls/Form.h"

namespace app {

void MessageLoop::setShortcuts(HWND window, HACCEL accelerators) {
    shortcutWindow_ = window;
    accelerators_ = accelerators;
}

void MessageLoop::process(MSG& message) {
    if (shortcutWindow_ && accelerators_ && IsWindow(shortcutWindow_) &&
        (message.hwnd == shortcutWindow_ || IsChild(shortcutWindow_, message.hwnd)) &&
        TranslateAcceleratorW(shortcutWindow_, accelerators_, &message))
        return;
    if (controls::Form::keyTaken(message))
        return;
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (!controls::Form::isForm(root) || !IsDialogMessageW(root, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    controls::Form::dispatched(message);
}

void MessageLoop::yield() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam)); // for the outer loop
            return;
        }
        process(message);
    }
}

int MessageLoop::run() {
    MSG message;
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) // WM_QUIT
            return static_cast<int>(message.wParam);
        if (got == -1)
            return 1;
        process(message);
    }
}

} // namespace app
