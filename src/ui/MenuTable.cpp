#include "ui/MenuTable.h"

#include <vector>

namespace ui {

namespace {

std::wstring keyName(WORD key) {
    if (key >= VK_F1 && key <= VK_F24)
        return L"F" + std::to_wstring(key - VK_F1 + 1);
    if (key == VK_DELETE)
        return L"Del";
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

HMENU buildMenuBar(std::span<const MenuSpec> rows) {
    HMENU bar = CreateMenu();
    HMENU current = nullptr;
    for (size_t i = 0; i < rows.size(); ++i) {
        const MenuSpec& row = rows[i];
        if (row.topLevel) {
            current = CreatePopupMenu();
            AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(current),
                        std::wstring(row.caption).c_str());
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

HACCEL buildAccelerators(std::span<const MenuSpec> rows) {
    std::vector<ACCEL> keys;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].shortcut.key)
            keys.push_back({static_cast<BYTE>(FVIRTKEY | rows[i].shortcut.modifiers),
                            rows[i].shortcut.key, static_cast<WORD>(firstMenuId + i)});
    return CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

} // namespace ui
