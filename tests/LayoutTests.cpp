// The splash and main windows as laid out: captions, places, tool tips, tab order, the
// menu with its shortcuts, and the keys reaching the menu items through the real loop.
#include "app/MessageLoop.h"
#include "forms/MainForm.h"
#include "forms/ReadForm.h"
#include "support/Captions.h"
#include "support/Drive.h"
#include "support/MessageSpy.h"
#include "support/WindowText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace ui;
using namespace forms;

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
    EXPECT_EQ(windowText(splash.hwnd()), GLYPHMERE_SPLASH_CAPTION);
    expectFixedCaptionOnlyWindow(splash, 354, 115);
    EXPECT_EQ(splash.PresentsLabel.caption(), L"Quillwright Software Presents:");
    EXPECT_EQ(splash.ReadingLabel.caption(),
              L"Please wait while reading your Windows installed fonts.");
    EXPECT_EQ(splash.ReadingNoteLabel.caption(), L"This may take a few seconds only.");
    EXPECT_EQ(splash.ProductLabel.caption(), GLYPHMERE_MAIN_CAPTION);
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

// The row's top left corner in the client area: its place plus its containers'.
POINT cornerOf(const FormSpec& form, const ControlSpec& row) {
    POINT at{row.place.left, row.place.top};
    for (auto* c = findControl(form, row.container); c; c = findControl(form, c->container)) {
        at.x += c->place.left;
        at.y += c->place.top;
    }
    return at;
}

TEST_F(MainLayout, EveryRowStandsWhereTheTableSaysAndNoControlCoversAnother) {
    EXPECT_EQ(windowText(main.hwnd()), GLYPHMERE_MAIN_CAPTION);
    expectFixedCaptionOnlyWindow(main, 716, 529);
    EXPECT_NE(GetMenu(main.hwnd()), nullptr);
    UpdateWindow(main.hwnd());
    const platform::WindowDC screen(main.hwnd());

    int placed = 0;
    for (const ControlSpec& row : main.layout().controls) {
        const std::wstring name(row.name);
        const POINT corner = cornerOf(main.layout(), row);
        if (row.kind == Kind::Line) {
            // Drawn by the window: its colour at its first point that no control covers.
            const int steps =
                std::max({1, std::abs(row.to.x - row.from.x), std::abs(row.to.y - row.from.y)});
            bool seen = false;
            for (int i = 0; i <= steps && !seen; ++i) {
                const POINT at{corner.x + row.from.x + (row.to.x - row.from.x) * i / steps,
                               corner.y + row.from.y + (row.to.y - row.from.y) * i / steps};
                if (ChildWindowFromPointEx(main.hwnd(), at, CWP_SKIPINVISIBLE) != main.hwnd())
                    continue;
                EXPECT_EQ(GetPixel(screen.get(), at.x, at.y), resolveColor(row.foreColor)) << name;
                seen = true;
            }
            EXPECT_TRUE(seen) << name << " lies under controls all along";
            continue;
        }
        const Control* control = main.control(row.name);
        if (!control)
            continue; // a frame: where its controls stand, checked with them
        const RECT r = drive::placeInParent(control->hwnd());
        EXPECT_EQ(r.left, corner.x) << name;
        EXPECT_EQ(r.top, corner.y) << name;
        if (row.place.width > 0) {
            EXPECT_EQ(r.right - r.left, row.place.width) << name;
            EXPECT_EQ(r.bottom - r.top, row.place.height) << name;
        } else if (row.maxWidth > 0) {
            EXPECT_LE(r.right - r.left, row.maxWidth) << name;
        }
        ++placed;
    }
    EXPECT_EQ(placed, static_cast<int>(main.controls().size())) << "every control has its row";
    // Labels size themselves to their text in the font at hand; the controls of a fixed
    // size never cover one another.
    for (const auto& [one, other] : drive::overlappingControls(main))
        EXPECT_TRUE(findControl(main.layout(), one)->place.width == 0 ||
                    findControl(main.layout(), other)->place.width == 0)
            << std::wstring(one) << " covers " << std::wstring(other);

    const RECT label = drive::placeInParent(main.DescriptionLine1.hwnd());
    EXPECT_EQ(label.bottom - label.top, 13) << "a label is one 13-pixel line";
    EXPECT_EQ(main.WelcomeLabel.caption(), L"Welcome to Glyphmere " GLYPHMERE_VERSION_W);
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
    for (const Control* c : main.controls())
        EXPECT_EQ(toolTipOf(main, *c), c->layout().toolTip) << std::wstring(c->name());

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
    EXPECT_TRUE(drive::pumpUntil(
        loop, [&] { return GetFocus() == main.FontFind.hwnd(); }, 2000))
        << "the find box has the focus at first";
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

// The window activated and deactivated, as only the window in front is.
using Activation = MainLayout;

TEST_F(Activation, FocusComesBackWhereItWasWhenTheWindowIsActivatedAgain) {
    forms::ReadForm other;
    main.BigText.setFocus();
    other.show(); // takes the activation away
    ASSERT_TRUE(drive::pumpUntil(
        loop, [&] { return GetActiveWindow() != main.hwnd(); }, 2000));
    SetActiveWindow(main.hwnd());
    EXPECT_TRUE(drive::pumpUntil(
        loop, [&] { return GetFocus() == main.BigText.hwnd(); }, 2000));
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

TEST_F(Shortcuts, F1RunsRefreshAndOpensNoHelp) {
    int helpRequests = 0;
    const MessageSpy countHelp(main.hwnd(), [&](UINT message, WPARAM, LPARAM) {
        helpRequests += message == WM_HELP ? 1 : 0;
        return std::optional<LRESULT>();
    });
    main.FontList.setFocus();
    // The key and whatever it posts in turn are handled before pressKey returns.
    drive::pressKey(loop, main.FontList.hwnd(), VK_F1);
    EXPECT_EQ(clicks[L"RefreshLisr"], 1);
    EXPECT_EQ(helpRequests, 0);
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
