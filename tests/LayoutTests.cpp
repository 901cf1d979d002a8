// The splash and main windows as laid out: captions, places, tool tips, tab order, the
// menu with its shortcuts, and the keys reaching the menu items through the real loop.
#include "app/MessageLoop.h"
#include "support/Captions.h"
#include "support/Drive.h"
#include "support/MessageSpy.h"
#include "support/WindowText.h"
#include "ui/AboutForm.h"
#include "ui/DetailsForm.h"
#include "ui/ForGlyphmere.h"
#include "ui/MainForm.h"
#include "ui/ReadForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace controls;
using namespace ui;

void expectFixedCaptionOnlyWindow(const Form& form, int width, int height) {
    const LONG_PTR style = GetWindowLongPtrW(form.hwnd(), GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    RECT client;
    GetClientRect(form.hwnd(), &client);
    EXPECT_EQ(client.right, width);
    EXPECT_EQ(client.bottom, height);
}

// Every row of each window's layout is borne by a member of its name: a row without one
// would never be made nor drawn.
TEST(Layouts, EveryRowOfEveryWindowHasAMemberOfItsName) {
    ReadForm readForm;
    MainForm mainForm;
    AboutForm aboutForm;
    ForGlyphmere forGlyphmere;
    DetailsForm detailsForm;
    for (const Form* form : std::initializer_list<const Form*>{&readForm, &mainForm, &aboutForm,
                                                               &forGlyphmere, &detailsForm})
        EXPECT_EQ(form->rowsWithoutMember(), std::vector<std::wstring_view>{})
            << std::wstring(form->layout().name);
}

TEST(SplashLayout, CaptionSizeAndControls) {
    ReadForm readForm;
    readForm.show();
    EXPECT_EQ(windowText(readForm.hwnd()), GLYPHMERE_SPLASH_CAPTION);
    expectFixedCaptionOnlyWindow(readForm, 354, 115);
    EXPECT_EQ(readForm.Label1.caption(), L"Quillwright Software Presents:");
    EXPECT_EQ(readForm.Label2.caption(),
              L"Please wait while reading your Windows installed fonts.");
    EXPECT_EQ(readForm.Label3.caption(), L"This may take a few seconds only.");
    EXPECT_EQ(readForm.Label4.caption(), GLYPHMERE_MAIN_CAPTION);
    EXPECT_EQ(toolTipOf(readForm, readForm.CloseClick), L"Terminate Glyphmere");
    EXPECT_EQ(drive::placeInParent(readForm.CloseClick.hwnd()).left, 328);
    EXPECT_EQ(drive::placeInParent(readForm.CloseClick.hwnd()).top, 6);
    EXPECT_EQ(drive::placeInParent(readForm.Image2.hwnd()).right, 60);
    EXPECT_EQ(drive::placeInParent(readForm.Image2.hwnd()).bottom, 104);
    EXPECT_EQ(drive::placeInParent(readForm.Label2.hwnd()).top, 64);
    EXPECT_EQ(drive::placeInParent(readForm.Label2.hwnd()).bottom, 77)
        << "a label is one 13-pixel line";
    EXPECT_TRUE(readForm.ReadingTimer.enabled());
    EXPECT_EQ(findControl(readForm.layout(), L"ReadingTimer")->interval, 500u);

    // Centred on the screen at its first showing.
    RECT frame;
    GetWindowRect(readForm.hwnd(), &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(readForm.hwnd(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    EXPECT_NEAR((frame.left + frame.right) / 2, (monitor.rcWork.left + monitor.rcWork.right) / 2,
                1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, (monitor.rcWork.top + monitor.rcWork.bottom) / 2,
                1);
}

class MainLayout : public testing::Test {
protected:
    void SetUp() override {
        mainForm.show();
        loop.setShortcuts(mainForm.hwnd(), mainForm.accelerators());
    }
    app::MessageLoop loop;
    MainForm mainForm;
};

TEST_F(MainLayout, EveryRowOfTheTableIsAControlAndEveryControlARow) {
    std::set<std::wstring_view> rows;
    for (const auto& row : mainForm.layout().controls)
        if (row.kind != Kind::Line && row.kind != Kind::Frame && row.kind != Kind::FilledRect &&
            row.kind != Kind::Timer) {
            rows.insert(row.name);
            EXPECT_NE(mainForm.control(row.name), nullptr) << std::wstring(row.name);
        }
    for (const Control* c : drive::controlsOf(mainForm))
        EXPECT_NE(c->hwnd(), nullptr) << std::wstring(c->name());
    // No window but those of the layout's controls.
    EXPECT_EQ(rows.size(), childrenOf(mainForm.hwnd()).size());
}

// The row's top left corner in the client area: its place plus its containers'.
POINT cornerOf(const FormLayout& form, const ControlLayout& row) {
    POINT at{row.place.left, row.place.top};
    for (auto* c = findControl(form, row.container); c; c = findControl(form, c->container)) {
        at.x += c->place.left;
        at.y += c->place.top;
    }
    return at;
}

TEST_F(MainLayout, EveryRowStandsWhereTheTableSaysAndNoControlCoversAnother) {
    EXPECT_EQ(windowText(mainForm.hwnd()), GLYPHMERE_MAIN_CAPTION);
    expectFixedCaptionOnlyWindow(mainForm, 716, 529);
    EXPECT_NE(GetMenu(mainForm.hwnd()), nullptr);
    UpdateWindow(mainForm.hwnd());
    const platform::WindowDC screen(mainForm.hwnd());

    int placed = 0;
    for (const ControlLayout& row : mainForm.layout().controls) {
        const std::wstring name(row.name);
        const POINT corner = cornerOf(mainForm.layout(), row);
        if (row.kind == Kind::Line) {
            // Drawn by the window: its colour at its first point that no control covers.
            const int steps =
                std::max({1, std::abs(row.to.x - row.from.x), std::abs(row.to.y - row.from.y)});
            bool seen = false;
            for (int i = 0; i <= steps && !seen; ++i) {
                const POINT at{corner.x + row.from.x + (row.to.x - row.from.x) * i / steps,
                               corner.y + row.from.y + (row.to.y - row.from.y) * i / steps};
                if (ChildWindowFromPointEx(mainForm.hwnd(), at, CWP_SKIPINVISIBLE) !=
                    mainForm.hwnd())
                    continue;
                EXPECT_EQ(GetPixel(screen.get(), at.x, at.y), resolveColor(row.foreColor)) << name;
                seen = true;
            }
            EXPECT_TRUE(seen) << name << " lies under controls all along";
            continue;
        }
        const Control* control = mainForm.control(row.name);
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
    EXPECT_EQ(placed, static_cast<int>(childrenOf(mainForm.hwnd()).size()))
        << "every control has its row";
    // Labels size themselves to their text in the font at hand; the controls of a fixed
    // size never cover one another.
    for (const auto& [one, other] : drive::overlappingControls(mainForm))
        EXPECT_TRUE(findControl(mainForm.layout(), one)->place.width == 0 ||
                    findControl(mainForm.layout(), other)->place.width == 0)
            << std::wstring(one) << " covers " << std::wstring(other);

    const RECT label = drive::placeInParent(mainForm.Label2.hwnd());
    EXPECT_EQ(label.bottom - label.top, 13) << "a label is one 13-pixel line";
    EXPECT_EQ(mainForm.Label1.caption(), L"Welcome to Glyphmere " GLYPHMERE_VERSION_W);
    EXPECT_EQ(mainForm.Label2.caption(),
              L"Glyphmere is a small program which gives you the ability "
              L"to explore your Windows fonts.");
    EXPECT_EQ(mainForm.Label3.caption(),
              L"You can display your explored Windows fonts in an easy and elegant manner no "
              L"matter how many fonts you have.");
    EXPECT_EQ(mainForm.Label6.caption(), L"Insert your custom text here:");
    EXPECT_EQ(mainForm.RemoveLabel.caption(), L"Remove all effects");
    EXPECT_EQ(mainForm.Bold.caption(), L"Bold");
    EXPECT_EQ(mainForm.Strikeout.caption(), L"Strikeout");
}

// The places as the window was drawn, typed here apart from its table, so that a wrong
// number in the table cannot pass as the table's own: in the banner and in the panel.
TEST_F(MainLayout, ControlsStandWhereTheWindowWasDrawn) {
    constexpr POINT banner{-38, -6}, panel{12, 76};
    const struct {
        const Control& control;
        POINT container;
        int left, top, width, height;
    } rows[] = {
        {mainForm.Image4, banner, 678, 30, 60, 21},
        {mainForm.Image9, banner, 718, 14, 16, 16},
        {mainForm.Image8, banner, 697, 14, 16, 16},
        {mainForm.RefreshList, panel, 10, 20, 32, 32},
        {mainForm.CharacterMap, panel, 206, 20, 32, 32},
        {mainForm.Bold, panel, 292, 30, 45, 13},
        {mainForm.Strikeout, panel, 462, 30, 63, 13},
        {mainForm.FontFind, panel, 32, 68, 197, 19},
        {mainForm.FontList, panel, 10, 96, 219, 329},
        {mainForm.Sizelist, panel, 256, 60, 415, 134},
        {mainForm.ColorClick, panel, 432, 210, 16, 16},
        {mainForm.ClearText, panel, 579, 210, 16, 16},
        {mainForm.BigText, panel, 256, 232, 417, 194},
    };
    for (const auto& row : rows) {
        const RECT r = drive::placeInParent(row.control.hwnd());
        const std::wstring name(row.control.name());
        EXPECT_EQ(r.left, row.container.x + row.left) << name;
        EXPECT_EQ(r.top, row.container.y + row.top) << name;
        EXPECT_EQ(r.right - r.left, row.width) << name;
        EXPECT_EQ(r.bottom - r.top, row.height) << name;
    }
}

TEST_F(MainLayout, ToolTipsHandCursorsAndLinkLook) {
    for (const Control* c : drive::controlsOf(mainForm))
        EXPECT_EQ(toolTipOf(mainForm, *c), c->layout().toolTip) << std::wstring(c->name());

    for (const Control* c : drive::controlsOf(mainForm)) {
        const bool picture =
            c->layout().kind == Kind::Image || c->layout().kind == Kind::PictureBox;
        const bool decorative =
            c->name() == L"Image1" || c->name() == L"Image2" || c->name() == L"Image3";
        const bool hand = (c->layout().flags & HandCursor) != 0;
        if (picture) {
            EXPECT_EQ(hand, !decorative) << std::wstring(c->name());
        }
    }
    EXPECT_TRUE(mainForm.RemoveLabel.layout().flags & HandCursor);
    EXPECT_EQ(mainForm.RemoveLabel.foreColor(), RGB(0, 0, 192));
    LOGFONTW link{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(mainForm.RemoveLabel.hwnd(), WM_GETFONT, 0, 0)),
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
    EXPECT_EQ(fontOf(mainForm.FontFind).lfWeight, FW_BOLD);
    EXPECT_EQ(fontOf(mainForm.FontFind).lfCharSet, 178);
    EXPECT_EQ(fontOf(mainForm.FontList).lfCharSet, 178);
    EXPECT_EQ(fontOf(mainForm.Sizelist).lfWeight, FW_BOLD);
    EXPECT_EQ(fontOf(mainForm.Bold).lfWeight, FW_BOLD);
    EXPECT_TRUE(fontOf(mainForm.Italic).lfItalic);
    EXPECT_TRUE(fontOf(mainForm.Underline).lfUnderline);
    EXPECT_TRUE(fontOf(mainForm.Strikeout).lfStrikeOut);
    EXPECT_EQ(fontOf(mainForm.Label2).lfHeight, -11) << "Tahoma 8.25 points";
    EXPECT_STREQ(fontOf(mainForm.Label2).lfFaceName, L"Tahoma");
    EXPECT_EQ(mainForm.BigText.fontName(), L"Tahoma");
    EXPECT_EQ(mainForm.BigText.foreColor(), RGB(0, 0, 0));
    EXPECT_EQ(mainForm.Sizelist.foreColor(), RGB(0, 0, 0));
}

TEST_F(MainLayout, ListsStartAsStored) {
    ASSERT_EQ(mainForm.Sizelist.listCount(), 65);
    for (int i = 0; i < 65; ++i)
        EXPECT_EQ(mainForm.Sizelist.list(i), std::to_wstring(8 + i));
    EXPECT_EQ(mainForm.Sizelist.listIndex(), -1);
    EXPECT_EQ(mainForm.FontList.listCount(), 0);
    const LONG_PTR fontListStyle = GetWindowLongPtrW(mainForm.FontList.hwnd(), GWL_STYLE);
    EXPECT_TRUE(fontListStyle & LBS_SORT);
    EXPECT_FALSE(GetWindowLongPtrW(mainForm.Sizelist.hwnd(), GWL_STYLE) & LBS_SORT);
    EXPECT_EQ(mainForm.BigText.text(), L"");
    EXPECT_EQ(mainForm.FontFind.text(), L"");
    for (const CheckBox* box :
         {&mainForm.Bold, &mainForm.Italic, &mainForm.Underline, &mainForm.Strikeout})
        EXPECT_EQ(box->value(), 0);
    const LONG_PTR sampleStyle = GetWindowLongPtrW(mainForm.BigText.hwnd(), GWL_STYLE);
    EXPECT_TRUE(sampleStyle & ES_MULTILINE);
    EXPECT_TRUE(sampleStyle & WS_HSCROLL);
    EXPECT_TRUE(sampleStyle & WS_VSCROLL);
}

TEST_F(MainLayout, HiddenHelpersNeverShowNorTakeTheFocus) {
    EXPECT_EQ(mainForm.WhichOne.text(), L"WhichOne");
    EXPECT_FALSE(mainForm.WhichOne.visible());
    EXPECT_FALSE(mainForm.WhichOne.enabled());
    EXPECT_EQ(mainForm.EnterLine.text(), L" \r\n");
    EXPECT_FALSE(mainForm.EnterLine.visible());
    for (HWND at = mainForm.FontFind.hwnd(), first = at;;) {
        EXPECT_NE(at, mainForm.WhichOne.hwnd());
        EXPECT_NE(at, mainForm.EnterLine.hwnd());
        at = GetNextDlgTabItem(mainForm.hwnd(), at, FALSE);
        if (at == first || !at)
            break;
    }
}

TEST_F(MainLayout, TabOrderStartsInTheFindBox) {
    EXPECT_TRUE(drive::pumpUntil(
        loop, [&] { return GetFocus() == mainForm.FontFind.hwnd(); }, 2000))
        << "the find box has the focus at first";
    const std::vector<const Control*> order = {
        &mainForm.FontFind,  &mainForm.FontList,   &mainForm.Bold,      &mainForm.Italic,
        &mainForm.Underline, &mainForm.Strikeout,  &mainForm.Sizelist,  &mainForm.BigText,
        &mainForm.Paste,     &mainForm.ColorClick, &mainForm.ClearText, &mainForm.Delete,
        &mainForm.Cut,       &mainForm.Copy};
    HWND at = mainForm.FontFind.hwnd();
    for (size_t i = 1; i <= order.size(); ++i) {
        at = GetNextDlgTabItem(mainForm.hwnd(), at, FALSE);
        EXPECT_EQ(at, order[i % order.size()]->hwnd()) << "step " << i;
    }

    // Tab through the message loop, as the keyboard does.
    mainForm.FontFind.setFocus();
    drive::pressKey(loop, mainForm.FontFind.hwnd(), VK_TAB);
    EXPECT_EQ(GetFocus(), mainForm.FontList.hwnd());
}

// The window activated and deactivated, as only the window in front is.
using Activation = MainLayout;

TEST_F(Activation, FocusComesBackWhereItWasWhenTheWindowIsActivatedAgain) {
    ui::ReadForm other;
    mainForm.BigText.setFocus();
    other.show(); // takes the activation away
    ASSERT_TRUE(drive::pumpUntil(
        loop, [&] { return GetActiveWindow() != mainForm.hwnd(); }, 2000));
    SetActiveWindow(mainForm.hwnd());
    EXPECT_TRUE(drive::pumpUntil(
        loop, [&] { return GetFocus() == mainForm.BigText.hwnd(); }, 2000));
}

TEST_F(MainLayout, MenuCaptionsShortcutTextsAndSeparators) {
    const std::vector<std::pair<std::wstring, std::vector<std::wstring>>> expected = {
        {L"&Menu", {L"Minimize to Taskbar\tCtrl+T", L"-", L"Exit Glyphmere"}},
        {L"&Miscellaneous Tools",
         {L"Report....\tCtrl+S", L"Open File....\tCtrl+O", L"-", L"Refresh Fonts list\tF1",
          L"Open Windows 'Fonts' folder\tF2", L"Run Windows\u00AE Character Map\tF3", L"-",
          L"Windows Fonts Counter\tF4", L"Font Details...\tAlt+Enter"}},
        {L"&Edit Tools",
         {L"Undo\tCtrl+Z", L"-", L"Cut\tCtrl+X", L"Copy\tCtrl+C", L"Paste\tCtrl+V", L"Delete\tDel",
          L"Remove Effects\tCtrl+R", L"-", L"Select All\tCtrl+A", L"Clear All\tCtrl+E"}},
        {L"&Help and Support",
         {L"Program License Agreement\tCtrl+L", L"How to install fonts in your Windows\tCtrl+F",
          L"-", L"Contact Quillwright Software\tCtrl+M", L"I Like Glyphmere\tCtrl+I",
          L"Glyphmere on the web\tCtrl+W", L"-", L"About Glyphmere\tCtrl+B"}},
    };
    HMENU bar = GetMenu(mainForm.hwnd());
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
        for (const MenuItemLayout& row : mainMenu())
            if (row.shortcut.key) {
                items.push_back(&row);
                if (auto* item = mainForm.menuItem(row.name))
                    item->onClick = [this, name = row.name] { ++clicks[std::wstring(name)]; };
            }
    }
    std::vector<const MenuItemLayout*> items;
    std::map<std::wstring, int> clicks;
};

TEST_F(Shortcuts, EachShortcutRunsItsItemAheadOfTheFocusedTextBox) {
    ASSERT_EQ(items.size(), 22u);
    for (TextBox* box :
         {static_cast<TextBox*>(&mainForm.FontFind), static_cast<TextBox*>(&mainForm.BigText)}) {
        for (const MenuItemLayout* row : items) {
            clicks.clear();
            box->setText(L"abc");
            box->setSelStart(0);
            box->setFocus();
            const UINT modifiers = ((row->shortcut.modifiers & FCONTROL) ? MOD_CONTROL : 0) |
                                   ((row->shortcut.modifiers & FALT) ? MOD_ALT : 0);
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
    const MessageSpy countHelp(mainForm.hwnd(), [&](UINT message, WPARAM, LPARAM) {
        helpRequests += message == WM_HELP ? 1 : 0;
        return std::optional<LRESULT>();
    });
    mainForm.FontList.setFocus();
    // The key and whatever it posts in turn are handled before pressKey returns.
    drive::pressKey(loop, mainForm.FontList.hwnd(), VK_F1);
    EXPECT_EQ(clicks[L"RefreshLisr"], 1);
    EXPECT_EQ(helpRequests, 0);
}

TEST(MainDialogs, StoredSettingsOfTheThreeCommonDialogs) {
    MainForm mainForm;
    EXPECT_EQ(forOpenSettings().title, L"Open File");
    EXPECT_EQ(forOpenSettings().filter, L"Text File (*.txt)|*.txt");
    EXPECT_EQ(forReportSettings().title, L"Save Report As");
    EXPECT_EQ(forReportSettings().filter, L"Glyphmere Report *.txt|*.txt");
    EXPECT_EQ(colorsSettings().title, L"");
    EXPECT_EQ(mainForm.ForOpen.fileName(), L"");
}

} // namespace
