#pragma once
// A menu as one table: captions, access keys, separators and shortcut keys. The menu
// bar, the shortcut text shown beside each item and the accelerator table are all made
// from it, so they cannot disagree.
#include "platform/Handles.h"

#include <windows.h>

#include <span>
#include <string>
#include <string_view>

namespace controls {

struct Shortcut {
    BYTE modifiers = 0; // FCONTROL, FSHIFT, FALT
    WORD key = 0;       // virtual key, 0: none
};

struct MenuItemLayout {
    std::wstring_view name{};
    std::wstring_view caption{}; // "-" is a separator
    Shortcut shortcut{};
    bool topLevel = false; // a menu of the menu bar; the rows after it are its items
};

constexpr int firstMenuId = 1000; // row i of the table has the command id firstMenuId + i

// Shortcuts as a table writes them.
constexpr Shortcut ctrl(wchar_t key) {
    return {FCONTROL, static_cast<WORD>(key)};
}
constexpr Shortcut plain(WORD key) {
    return {0, key};
}
constexpr Shortcut alt(WORD key) {
    return {FALT, key};
}

std::wstring shortcutText(Shortcut shortcut);
// The bar with its popups; an item the system refuses is left out.
platform::Menu buildMenuBar(std::span<const MenuItemLayout> rows);
HACCEL buildAccelerators(std::span<const MenuItemLayout> rows);

} // namespace controls
