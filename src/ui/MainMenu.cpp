#include "ui/MainMenu.h"

namespace ui {

namespace {

using controls::alt;
using controls::ctrl;
using controls::MenuItemLayout;
using controls::plain;

constexpr MenuItemLayout mainMenuRows[] = {
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
    {L"FontDetails", L"Font Details...", alt(VK_RETURN)},
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

} // namespace

std::span<const MenuItemLayout> mainMenu() {
    return mainMenuRows;
}

} // namespace ui
