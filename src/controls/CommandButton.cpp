#include "controls/CommandButton.h"

namespace controls {

void CommandButton::create(HWND parent, int id, const RECT& place) {
    createWindow(parent, id, place, L"BUTTON", BS_PUSHBUTTON);
}

void CommandButton::notify(WORD code) {
    if (code == BN_CLICKED)
        click(); // none while its window waits, whoever sent it
}

} // namespace controls
