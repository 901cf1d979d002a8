#include "ui/MenuTable.h"

#include <vector>

namespace ui {

namespace {

constexpr Shortcut ctrl(wchar_t key) {
    return {FCONTROL, static_cast<WORD>(key)};
}
constexpr Shortcut plain(WORD key) {
    return {0, key};
}

constexpr MenuSpec mainMenuRows[] = {
    {L"Menu", L"&Menu", {}, true},
    {L"Minimize", L"Minimize to Taskbar", ctrl('T')},
    {L"Linee", L"-"},
    {L"Quit", L"Exit Glyphmere"},
    {L"PTools", L"&Miscellaneous Tools", {}, true},
    {L"ReportMenu", L"Report....", ctrl('S')},
    {L"OpenFileMenu", L"Open File....", ctrl('O')},
    {L"Line16", L"-"},
    {L"RefreshLisr", L"Refresh Fonts list", plain(VK_F1)},
    {L"OpenWinFonts", L"Open Windows 'Fonts' folder", plain(VK_F2)},
    {L"CharacterMapButton", L"Run Windows\u00AE Character Map", plain(VK_F3)},
    {L"Lineerrr", L"-"},
    {L"FontsCounter", L"Windows Fonts Counter", plain(VK_F4)},
    {L"Edit", L"&Edit Tools", {}, true},
    {L"Undo", L"Undo", ctrl('Z')},
    {L"Lineoo", L"-"},
    {L"Cut2", L"Cut", ctrl('X')},
    {L"Copy2", L"Copy", ctrl('C')},
    {L"Paste2", L"Paste", ctrl('V')},
    {L"Delete2", L"Delete", plain(VK_DELETE)},
    {L"RemoveEffects", L"Remove Effects", ctrl('R')},
    {L"Line9", L"-"},
    {L"SelectAll", L"Select All", ctrl('A')},
    {L"RemoveAll", L"Clear All", ctrl('E')},
    {L"Help", L"&Help and Support", {}, true},
    {L"License", L"Program License Agreement", ctrl('L')},
    {L"HowInstall", L"How to install fonts in your Windows", ctrl('F')},
    {L"Line10", L"-"},
    {L"Contact", L"Contact Quillwright Software", ctrl('M')},
    {L"LikeIt", L"I Like Glyphmere", ctrl('I')},
    {L"Downloadcom", L"Glyphmere on the web", ctrl('W')},
    {L"Line", L"-"},
    {L"AboutPro", L"About Glyphmere", ctrl('B')},
};

std::wstring keyName(WORD key) {
    if (key >= VK_F1 && key <= VK_F24)
        return L"F" + std::to_wstring(key - VK_F1 + 1);
    if (key == VK_DELETE)
        return L"Del";
    return std::wstring(1, static_cast<wchar_t>(key));
}

} // namespace

std::span<const MenuSpec> mainMenu() {
    return mainMenuRows;
}

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
