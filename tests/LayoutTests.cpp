// The splash and main windows as laid out: captions, places, tool tips, tab order, the
// menu with its shortcuts, and the keys reaching the menu items through the real loop.
#include "app/MessageLoop.h"
#include "forms/MainForm.h"
#include "forms/ReadForm.h"
#include "support/Drive.h"
#include "ui/WindowProcedure.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace ui;
using namespace forms;

std::wstring toolTipOf(const Form& form, const Control& control) {
    wchar_t text[256] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = form.hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(control.hwnd());
    tool.lpszText = text;
    SendMessageW(form.toolTips(), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
    return text;
}

std::wstring windowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

void expectFixedCaptionOnlyWindow(const Form& form, int width, int height) {
    const LONG_PTR style = GetWindowLongPtrW(form.hwnd(), GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    RECT client;
    GetClientRect(form.hwnd(), &client);
    EXPECT_EQ(client.right, width);
    EXPECT_EQ(client.bottom, height);
}

TEST(SplashLayout, CaptionSizeAndControls) {
    ReadForm splash;
    splash.show();
    EXPECT_EQ(windowText(splash.hwnd()), L"Glyphmere 3.5");
    expectFixedCaptionOnlyWindow(splash, 354, 115);
    EXPECT_EQ(splash.PresentsLabel.caption(), L"Quillwright Software Presents:");
    EXPECT_EQ(splash.ReadingLabel.caption(),
              L"Please wait while reading your Windows installed fonts.");
    EXPECT_EQ(splash.ReadingNoteLabel.caption(), L"This may take a few seconds only.");
    EXPECT_EQ(splash.ProductLabel.caption(), L"Glyphmere - Version 3.5");
    EXPECT_EQ(toolTipOf(splash, splash.CloseClick), L"Terminate Glyphmere");
    EXPECT_EQ(drive::placeInParent(splash.CloseClick.hwnd()).left, 328);
    EXPECT_EQ(drive::placeInParent(splash.CloseClick.hwnd()).top, 6);
    EXPECT_EQ(drive::placeInParent(splash.LogoPicture.hwnd()).right, 60);
    EXPECT_EQ(drive::placeInParent(splash.LogoPicture.hwnd()).bottom, 104);
    EXPECT_EQ(drive::placeInParent(splash.ReadingLabel.hwnd()).top, 64);
    EXPECT_EQ(drive::placeInParent(splash.ReadingLabel.hwnd()).bottom, 77)
        << "a label is one 13-pixel line";
    EXPECT_TRUE(splash.ReadingTimer.enabled());
    EXPECT_EQ(splash.ReadingTimer.interval(), 500u);

    // Centred on the screen at its first showing.
    RECT frame;
    GetWindowRect(splash.hwnd(), &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(splash.hwnd(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    EXPECT_NEAR((frame.left + frame.right) / 2, (monitor.rcWork.left + monitor.rcWork.right) / 2,
                1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, (monitor.rcWork.top + monitor.rcWork.bottom) / 2,
                1);
}

class MainLayout : public testing::Test {
protected:
    void SetUp() override {
        main.show();
        loop.setShortcuts(main.hwnd(), main.accelerators());
    }
    app::MessageLoop loop;
    MainForm main;
};

TEST_F(MainLayout, EveryRowOfTheTableIsAControlAndEveryControlARow) {
    std::set<std::wstring_view> rows;
    for (const auto& row : main.layout().controls)
        if (row.kind != Kind::Line && row.kind != Kind::Frame && row.kind != Kind::FilledRect &&
            row.kind != Kind::Timer) {
            rows.insert(row.name);
            EXPECT_NE(main.control(row.name), nullptr) << std::wstring(row.name);
        }
    for (const Control* c : main.controls()) {
        EXPECT_TRUE(rows.count(c->name())) << std::wstring(c->name());
        EXPECT_NE(c->hwnd(), nullptr) << std::wstring(c->name());
    }
    EXPECT_EQ(rows.size(), main.controls().size());
}

TEST_F(MainLayout, WindowPlacesAndCaptions) {
    EXPECT_EQ(windowText(main.hwnd()), L"Glyphmere - Version 3.5");
    expectFixedCaptionOnlyWindow(main, 716, 529);
    EXPECT_NE(GetMenu(main.hwnd()), nullptr);

    // Places in the client area: the panel lies at (12, 76), the banner at (-38, -6).
    const std::map<std::wstring, RECT> places = {
        {L"FontFind", {44, 144, 241, 163}},    {L"FontList", {22, 172, 241, 501}},
        {L"Sizelist", {268, 136, 683, 270}},   {L"BigText", {268, 308, 685, 502}},
        {L"Bold", {304, 106, 349, 119}},       {L"Italic", {353, 106, 396, 119}},
        {L"Underline", {403, 106, 468, 119}},  {L"Strikeout", {474, 106, 537, 119}},
        {L"RefreshList", {22, 96, 54, 128}},   {L"CharacterMap", {218, 96, 250, 128}},
        {L"Image1", {266, 96, 298, 128}},      {L"Image2", {22, 145, 40, 162}},
        {L"OpenButton", {420, 286, 436, 302}}, {L"ClearText", {591, 286, 607, 302}},
        {L"Image9", {680, 8, 696, 24}},        {L"Image8", {659, 8, 675, 24}},
        {L"Image4", {640, 24, 700, 45}},       {L"Image3", {12, 8, 68, 64}},
    };
    for (const auto& [name, expected] : places) {
        const RECT r = drive::placeInParent(main.control(name)->hwnd());
        EXPECT_EQ(r.left, expected.left) << std::wstring(name);
        EXPECT_EQ(r.top, expected.top) << std::wstring(name);
        EXPECT_EQ(r.right, expected.right) << std::wstring(name);
        EXPECT_EQ(r.bottom, expected.bottom) << std::wstring(name);
    }
    EXPECT_EQ(drive::placeInParent(main.WelcomeLabel.hwnd()).left, 74);
    EXPECT_EQ(drive::placeInParent(main.WelcomeLabel.hwnd()).top, 14);
    EXPECT_EQ(drive::placeInParent(main.RemoveLabel.hwnd()).left, 548);
    EXPECT_EQ(drive::placeInParent(main.SampleLabel.hwnd()).top, 286);

    EXPECT_EQ(main.WelcomeLabel.caption(), L"Welcome to Glyphmere 3.5");
    EXPECT_EQ(main.DescriptionLine1.caption(),
              L"Glyphmere is a small program which gives you the ability "
              L"to explore your Windows fonts.");
    EXPECT_EQ(main.DescriptionLine2.caption(),
              L"You can display your explored Windows fonts in an easy and elegant manner no "
              L"matter how many fonts you have.");
    EXPECT_EQ(main.SampleLabel.caption(), L"Insert your custom text here:");
    EXPECT_EQ(main.RemoveLabel.caption(), L"Remove all effects");
    EXPECT_EQ(main.Bold.caption(), L"Bold");
    EXPECT_EQ(main.Strikeout.caption(), L"Strikeout");
}

TEST_F(MainLayout, ToolTipsHandCursorsAndLinkLook) {
    const std::map<std::wstring, std::wstring> tips = {
        {L"Image4", L"Donate with PayPal"},
        {L"Image9", L"Exit Glyphmere"},
        {L"Image8", L"Minimize to taskbar"},
        {L"RefreshList", L"Refresh fonts list"},
        {L"FontFolder", L"Open Windows Fonts folder"},
        {L"SaveReport", L"Report..."},
        {L"CopyFontName", L"Copy font name"},
        {L"FontCounterTool", L"Fonts Counter"},
        {L"CharacterMap", L"Run Windows\u00AE Character Map"},
        {L"RemoveLabel", L"Remove all selected effects ( Bold - Italic - Underline - Strikeout )"},
        {L"Image2", L"Search >"},
        {L"FontFind", L"Search"},
        {L"OpenButton", L"Open File..."},
        {L"ColorClick", L"Colors"},
        {L"Cut", L" Cut "},
        {L"Copy", L" Copy "},
        {L"Paste", L" Paste "},
        {L"Delete", L" Delete "},
        {L"UndoButton", L"Undo"},
        {L"ClearText", L" Remove Current Text "},
    };
    for (const auto& [name, tip] : tips)
        EXPECT_EQ(toolTipOf(main, *main.control(name)), tip) << std::wstring(name);

    for (const Control* c : main.controls()) {
        const bool picture =
            c->layout().kind == Kind::Image || c->layout().kind == Kind::PictureBox;
        const bool decorative =
            c->name() == L"Image1" || c->name() == L"Image2" || c->name() == L"Image3";
        const bool hand = (c->layout().flags & HandCursor) != 0;
        if (picture) {
            EXPECT_EQ(hand, !decorative) << std::wstring(c->name());
        }
    }
    EXPECT_TRUE(main.RemoveLabel.layout().flags & HandCursor);
    EXPECT_EQ(main.RemoveLabel.foreColor(), RGB(0, 0, 192));
    LOGFONTW link{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(main.RemoveLabel.hwnd(), WM_GETFONT, 0, 0)),
               sizeof link, &link);
    EXPECT_EQ(link.lfWeight, FW_BOLD);
    EXPECT_TRUE(link.lfUnderline);
    EXPECT_STREQ(link.lfFaceName, L"Tahoma");
}

TEST_F(MainLayout, FontsOfTheTellingControls) {
    const auto fontOf = [](const Control& c) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(c.hwnd(), WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        return font;
    };
    EXPECT_EQ(fontOf(main.FontFind).lfWeight, FW_BOLD);
    EXPECT_EQ(fontOf(main.FontFind).lfCharSet, 178);
    EXPECT_EQ(fontOf(main.FontList).lfCharSet, 178);
    EXPECT_EQ(fontOf(main.Sizelist).lfWeight, FW_BOLD);
    EXPECT_EQ(fontOf(main.Bold).lfWeight, FW_BOLD);
    EXPECT_TRUE(fontOf(main.Italic).lfItalic);
    EXPECT_TRUE(fontOf(main.Underline).lfUnderline);
    EXPECT_TRUE(fontOf(main.Strikeout).lfStrikeOut);
    EXPECT_EQ(fontOf(main.DescriptionLine1).lfHeight, -11) << "Tahoma 8.25 points";
    EXPECT_STREQ(fontOf(main.DescriptionLine1).lfFaceName, L"Tahoma");
    EXPECT_EQ(main.BigText.fontName(), L"Tahoma");
    EXPECT_EQ(main.BigText.foreColor(), RGB(0, 0, 0));
    EXPECT_EQ(main.Sizelist.foreColor(), RGB(0, 0, 0));
}

TEST_F(MainLayout, ListsStartAsStored) {
    ASSERT_EQ(main.Sizelist.listCount(), 65);
    for (int i = 0; i < 65; ++i)
        EXPECT_EQ(main.Sizelist.list(i), std::to_wstring(8 + i));
    EXPECT_EQ(main.Sizelist.listIndex(), -1);
    EXPECT_EQ(main.FontList.listCount(), 0);
    const LONG_PTR fontListStyle = GetWindowLongPtrW(main.FontList.hwnd(), GWL_STYLE);
    EXPECT_TRUE(fontListStyle & LBS_SORT);
    EXPECT_FALSE(GetWindowLongPtrW(main.Sizelist.hwnd(), GWL_STYLE) & LBS_SORT);
    EXPECT_EQ(main.BigText.text(), L"");
    EXPECT_EQ(main.FontFind.text(), L"");
    for (const CheckBox* box : {&main.Bold, &main.Italic, &main.Underline, &main.Strikeout})
        EXPECT_EQ(box->value(), 0);
    const LONG_PTR sampleStyle = GetWindowLongPtrW(main.BigText.hwnd(), GWL_STYLE);
    EXPECT_TRUE(sampleStyle & ES_MULTILINE);
    EXPECT_TRUE(sampleStyle & WS_HSCROLL);
    EXPECT_TRUE(sampleStyle & WS_VSCROLL);
}

TEST_F(MainLayout, HiddenHelpersNeverShowNorTakeTheFocus) {
    EXPECT_EQ(main.WhichOne.text(), L"WhichOne");
    EXPECT_FALSE(main.WhichOne.visible());
    EXPECT_FALSE(main.WhichOne.enabled());
    EXPECT_EQ(main.EnterLine.text(), L" \r\n");
    EXPECT_FALSE(main.EnterLine.visible());
    for (HWND at = main.FontFind.hwnd(), first = at;;) {
        EXPECT_NE(at, main.WhichOne.hwnd());
        EXPECT_NE(at, main.EnterLine.hwnd());
        at = GetNextDlgTabItem(main.hwnd(), at, FALSE);
        if (at == first || !at)
            break;
    }
}

TEST_F(MainLayout, TabOrderStartsInTheFindBox) {
    drive::pumpFor(loop, 50);
    EXPECT_EQ(GetFocus(), main.FontFind.hwnd()) << "the find box has the focus at first";
    const std::vector<const Control*> order = {
        &main.FontFind,  &main.FontList, &main.Bold,    &main.Italic, &main.Underline,
        &main.Strikeout, &main.Sizelist, &main.BigText, &main.Paste,  &main.ColorClick,
        &main.ClearText, &main.Delete,   &main.Cut,     &main.Copy};
    HWND at = main.FontFind.hwnd();
    for (size_t i = 1; i <= order.size(); ++i) {
        at = GetNextDlgTabItem(main.hwnd(), at, FALSE);
        EXPECT_EQ(at, order[i % order.size()]->hwnd()) << "step " << i;
    }

    // Tab through the message loop, as the keyboard does.
    main.FontFind.setFocus();
    drive::pressKey(loop, main.FontFind.hwnd(), VK_TAB);
    EXPECT_EQ(GetFocus(), main.FontList.hwnd());
}

TEST_F(MainLayout, FocusComesBackWhereItWasWhenTheWindowIsActivatedAgain) {
    forms::ReadForm other;
    main.BigText.setFocus();
    other.show(); // takes the activation away
    drive::pumpFor(loop, 20);
    ASSERT_NE(GetActiveWindow(), main.hwnd());
    SetActiveWindow(main.hwnd());
    drive::pumpFor(loop, 20);
    EXPECT_EQ(GetFocus(), main.BigText.hwnd());
}

TEST_F(MainLayout, MenuCaptionsShortcutTextsAndSeparators) {
    const std::vector<std::pair<std::wstring, std::vector<std::wstring>>> expected = {
        {L"&Menu", {L"Minimize to Taskbar\tCtrl+T", L"-", L"Exit Glyphmere"}},
        {L"&Miscellaneous Tools",
         {L"Report....\tCtrl+S", L"Open File....\tCtrl+O", L"-", L"Refresh Fonts list\tF1",
          L"Open Windows 'Fonts' folder\tF2", L"Run Windows\u00AE Character Map\tF3", L"-",
          L"Windows Fonts Counter\tF4"}},
        {L"&Edit Tools",
         {L"Undo\tCtrl+Z", L"-", L"Cut\tCtrl+X", L"Copy\tCtrl+C", L"Paste\tCtrl+V", L"Delete\tDel",
          L"Remove Effects\tCtrl+R", L"-", L"Select All\tCtrl+A", L"Clear All\tCtrl+E"}},
        {L"&Help and Support",
         {L"Program License Agreement\tCtrl+L", L"How to install fonts in your Windows\tCtrl+F",
          L"-", L"Contact Quillwright Software\tCtrl+M", L"I Like Glyphmere\tCtrl+I",
          L"Glyphmere on the web\tCtrl+W", L"-", L"About Glyphmere\tCtrl+B"}},
    };
    HMENU bar = GetMenu(main.hwnd());
    ASSERT_EQ(GetMenuItemCount(bar), 4);
    for (int top = 0; top < 4; ++top) {
        wchar_t text[128] = {};
        GetMenuStringW(bar, static_cast<UINT>(top), text, 128, MF_BYPOSITION);
        EXPECT_EQ(text, expected[static_cast<size_t>(top)].first);
        HMENU popup = GetSubMenu(bar, top);
        const auto& items = expected[static_cast<size_t>(top)].second;
        ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(items.size()));
        for (size_t i = 0; i < items.size(); ++i) {
            MENUITEMINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_STATE;
            GetMenuItemInfoW(popup, static_cast<UINT>(i), TRUE, &info);
            if (items[i] == L"-") {
                EXPECT_TRUE(info.fType & MFT_SEPARATOR) << top << "/" << i;
                continue;
            }
            GetMenuStringW(popup, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
            EXPECT_EQ(text, items[i]);
            EXPECT_FALSE(info.fState & (MFS_CHECKED | MFS_DISABLED));
        }
    }
}

class Shortcuts : public MainLayout {
protected:
    void SetUp() override {
        MainLayout::SetUp();
        for (const MenuSpec& row : mainMenu())
            if (row.shortcut.key) {
                items.push_back(&row);
                if (auto* item = itemNamed(row.name))
                    item->onClick = [this, name = row.name] { ++clicks[std::wstring(name)]; };
            }
    }
    MenuItem* itemNamed(std::wstring_view name) {
        for (MenuItem* item : {&main.Minimize,      &main.ReportMenu,
                               &main.OpenFileMenu,  &main.RefreshListMenu,
                               &main.OpenWinFonts,  &main.CharacterMapMenu,
                               &main.FontsCounter,  &main.Undo,
                               &main.CutMenu,       &main.CopyMenu,
                               &main.PasteMenu,     &main.DeleteMenu,
                               &main.RemoveEffects, &main.SelectAll,
                               &main.RemoveAll,     &main.License,
                               &main.HowInstall,    &main.Contact,
                               &main.FeedbackMenu,  &main.ProductPageMenu,
                               &main.AboutMenu})
            if (item->name() == name)
                return item;
        return nullptr;
    }
    std::vector<const MenuSpec*> items;
    std::map<std::wstring, int> clicks;
};

TEST_F(Shortcuts, EachShortcutRunsItsItemAheadOfTheFocusedTextBox) {
    ASSERT_EQ(items.size(), 21u);
    for (TextBox* box :
         {static_cast<TextBox*>(&main.FontFind), static_cast<TextBox*>(&main.BigText)}) {
        for (const MenuSpec* row : items) {
            clicks.clear();
            box->setText(L"abc");
            box->setSelStart(0);
            box->setFocus();
            const UINT modifiers = (row->shortcut.modifiers & FCONTROL) ? MOD_CONTROL : 0;
            drive::pressKey(loop, box->hwnd(), row->shortcut.key, modifiers);
            EXPECT_EQ(clicks[std::wstring(row->name)], 1)
                << std::wstring(row->name) << " in " << std::wstring(box->name());
            EXPECT_EQ(clicks.size(), 1u) << std::wstring(row->name);
            // The key never reached the text box: Del deleted nothing, Ctrl+V pasted nothing.
            EXPECT_EQ(box->text(), L"abc") << std::wstring(row->name);
        }
    }
}

struct HelpCounter {
    int requests = 0;
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_HELP)
            ++requests;
        return DefSubclassProc(window, message, wParam, lParam);
    }
};

TEST_F(Shortcuts, F1RunsRefreshAndOpensNoHelp) {
    HelpCounter help;
    const auto counting = ui::Subclass::install<&HelpCounter::handle>(main.hwnd(), help);
    main.FontList.setFocus();
    drive::pressKey(loop, main.FontList.hwnd(), VK_F1);
    drive::pumpFor(loop, 50);
    EXPECT_EQ(clicks[L"RefreshLisr"], 1);
    EXPECT_EQ(help.requests, 0);
}

TEST(MainDialogs, StoredSettingsOfTheThreeCommonDialogs) {
    MainForm main;
    EXPECT_EQ(main.ForOpen.settings.title, L"Open File");
    EXPECT_EQ(main.ForOpen.settings.filter, L"Text File (*.txt)|*.txt");
    EXPECT_EQ(main.ForReport.settings.title, L"Save Report As");
    EXPECT_EQ(main.ForReport.settings.filter, L"Glyphmere Report *.txt|*.txt");
    EXPECT_EQ(main.Colors.settings.title, L"");
    EXPECT_EQ(main.ForOpen.fileName, L"");
}

} // namespace
