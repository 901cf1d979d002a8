#include "controls/CheckBox.h"

#include "platform/WindowText.h"

namespace controls {

void CheckBox::create(HWND parent, int id, const RECT& place) {
    HWND window = createWindow(parent, id, place, L"BUTTON", BS_AUTOCHECKBOX);
    lateClicks_ = platform::Subclass::install<&CheckBox::dropClickWithoutInput>(window, *this);
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
    // Once the user has clicked a grayed box away, clicks toggle between two states again.
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    if ((style & BS_TYPEMASK) == BS_AUTO3STATE && value() != 2)
        SetWindowLongPtrW(hwnd(), GWL_STYLE, (style & ~BS_TYPEMASK) | BS_AUTOCHECKBOX);
    click(); // none while its window waits, whoever sent it
}

} // namespace controls
