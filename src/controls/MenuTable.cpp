#include "controls/MenuTable.h"

#include <vector>

namespace controls {

namespace {

std::wstring keyName(WORD key) {
    if (key >= VK_F1 && key <= VK_F24)
        return L"F" + std::to_wstring(key - VK_F1 + 1);
    if (key == VK_DELETE)
        return L"Del";
    if (key == VK_RETURN)
        return L"Enter";
    return std::wstring(1, static_cast<wchar_t>(key));
}

} // namespace

std::wstring shortcutText(Shortcut shortcut) {
    if (!shortcut.key)
        return {};
    std::wstring text;
    if (shortcut.modifiers & FCONTROL)
        text += L"Ctrl+";
    if (shortcut.modifiers & FSHIFT)
        text += L"Shift+";
    if (shortcut.modifiers & FALT)
        text += L"Alt+";
    return text + keyName(shortcut.key);
}

platform::Menu buildMenuBar(std::span<const MenuItemLayout> rows) {
    platform::Menu bar(CreateMenu());
    HMENU current = nullptr; // the popup that takes the rows that follow
    for (size_t i = 0; bar && i < rows.size(); ++i) {
        const MenuItemLayout& row = rows[i];
        if (row.topLevel) {
            // Owned by the bar once appended; until then it goes should the append fail.
            platform::Menu popup(CreatePopupMenu());
            current = popup && AppendMenuW(bar.get(), MF_POPUP | MF_STRING,
                                           reinterpret_cast<UINT_PTR>(popup.get()),
                                           std::wstring(row.caption).c_str())
                          ? popup.release()
                          : nullptr;
        } else if (!current) {
            continue; // its popup was refused
        } else if (row.caption == L"-") {
            AppendMenuW(current, MF_SEPARATOR, 0, nullptr);
        } else {
            std::wstring caption(row.caption);
            if (row.shortcut.key)
                caption += L"\t" + shortcutText(row.shortcut);
            AppendMenuW(current, MF_STRING, firstMenuId + i, caption.c_str());
        }
    }
    return bar;
}

HACCEL buildAccelerators(std::span<const MenuItemLayout> rows) {
    std::vector<ACCEL> keys;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].shortcut.key)
            keys.push_back({static_cast<BYTE>(FVIRTKEY | rows[i].shortcut.modifiers),
                            rows[i].shortcut.key, static_cast<WORD>(firstMenuId + i)});
    return CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

} // namespace controls
