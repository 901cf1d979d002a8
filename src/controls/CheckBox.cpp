#include "controls/CheckBox.h"

#include "controls/Input.h"
#include "platform/WindowText.h"

namespace controls {

void CheckBox::create(HWND parent, int id, const RECT& place) {
    createWindow(parent, id, place, L"BUTTON", BS_AUTOCHECKBOX);
}

int CheckBox::value() const {
    switch (SendMessageW(hwnd(), BM_GETCHECK, 0, 0)) {
    case BST_CHECKED:
        return 1;
    case BST_INDETERMINATE:
        return 2;
    default:
        return 0;
    }
}

void CheckBox::setValue(int value) {
    if (value < 0 || value > 2 || value == this->value())
        return;
    if (value == 2) // a grayed box needs the three-state style
        SetWindowLongPtrW(hwnd(), GWL_STYLE,
                          (GetWindowLongPtrW(hwnd(), GWL_STYLE) & ~BS_TYPEMASK) | BS_AUTO3STATE);
    static constexpr WPARAM states[] = {BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE};
    SendMessageW(hwnd(), BM_SETCHECK, states[value], 0);
    raise(onClick); // the control does not report a change made by code
}

std::wstring CheckBox::caption() const {
    return platform::windowText(hwnd());
}

void CheckBox::notify(WORD code) {
    if (code != BN_CLICKED)
        return;
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    const bool threeStates = (style & BS_TYPEMASK) == BS_AUTO3STATE;
    if (!takesInput(hwnd())) {
        // A click later than the user's (a screen reader's or another program's BM_CLICK
        // while the window waits) has turned the box: it turns back, and nothing runs.
        static constexpr WPARAM before[] = {BST_CHECKED, BST_UNCHECKED, BST_CHECKED};
        static constexpr WPARAM beforeOfThree[] = {BST_INDETERMINATE, BST_UNCHECKED, BST_CHECKED};
        const int now = value();
        SendMessageW(hwnd(), BM_SETCHECK, threeStates ? beforeOfThree[now] : before[now], 0);
        return;
    }
    // Once the user has clicked a grayed box away, clicks toggle between two states again.
    if (threeStates && value() != 2)
        SetWindowLongPtrW(hwnd(), GWL_STYLE, (style & ~BS_TYPEMASK) | BS_AUTOCHECKBOX);
    raise(onClick);
}

} // namespace controls
