// The control layer: the semantics the program's handlers rely on.
#include "app/MessageLoop.h"
#include "controls/Form.h"
#include "controls/SampleBox.h"
#include "controls/Timer.h"
#include "support/Drive.h"
#include "support/GdiCount.h"
#include "support/MessageSpy.h"
#include "support/WindowText.h"
#include "ui/MainForm.h"
#include "ui/res/resource.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <utility>
#include <vector>

namespace {

using namespace controls;
using namespace ui;

constexpr ControlLayout testControls[] = {
    {.name = L"Plain", .kind = Kind::ListBox, .place = {10, 10, 150, 120}, .tabIndex = 0},
    {.name = L"SortedList",
     .kind = Kind::ListBox,
     .place = {170, 10, 150, 120},
     .flags = Sorted,
     .tabIndex = 1},
    {.name = L"Check",
     .kind = Kind::CheckBox,
     .caption = L"Check",
     .place = {10, 140, 80, 16},
     .tabIndex = 2},
    {.name = L"Single", .kind = Kind::TextBox, .place = {10, 160, 150, 20}, .tabIndex = 3},
    {.name = L"Sample",
     .kind = Kind::TextBox,
     .place = {170, 140, 200, 100},
     .flags = MultiLine | HScroll | VScroll,
     .tabIndex = 4},
    {.name = L"Picture",
     .kind = Kind::PictureBox,
     .place = {10, 190, 32, 32},
     .toolTip = L"Report...",
     .picture = IDP_REPORT,
     .tabIndex = 5},
};

constexpr FormLayout testLayout{.name = L"TestForm",
                                .caption = L"Control layer",
                                .clientWidth = 400,
                                .clientHeight = 260,
                                .controls = testControls};

class TestForm : public Form {
public:
    TestForm() : Form(testLayout) {}
    ListBox Plain{*this, L"Plain"};
    ListBox SortedList{*this, L"SortedList"};
    CheckBox Check{*this, L"Check"};
    TextBox Single{*this, L"Single"};
    SampleBox Sample{*this, L"Sample"};
    PictureButton Picture{*this, L"Picture"};
};

class ControlLayer : public testing::Test {
protected:
    void SetUp() override {
        form.show();
        for (const wchar_t* name : {L"Alpha", L"Beta", L"beta", L"Gamma"})
            form.Plain.addItem(name);
        form.Plain.onClick = [this] { ++listClicks; };
        form.Check.onClick = [this] { ++checkClicks; };
        form.Single.onChange = [this] { ++singleChanges; };
        form.Sample.onChange = [this] { ++sampleChanges; };
    }

    app::MessageLoop loop;
    TestForm form;
    int listClicks = 0, checkClicks = 0, singleChanges = 0, sampleChanges = 0;
};

TEST_F(ControlLayer, ListSelectionByCodeRaisesClickOnceAndMouseClickRaisesItToo) {
    form.Plain.setListIndex(2);
    EXPECT_EQ(listClicks, 1);
    EXPECT_EQ(form.Plain.text(), L"beta");
    loop.yield(); // nothing else arrives later from the control
    EXPECT_EQ(listClicks, 1);

    // Assigning the same index again is still an assignment, and still handled.
    form.Plain.setListIndex(2);
    EXPECT_EQ(listClicks, 2);

    form.Plain.setListIndex(-1);
    EXPECT_EQ(listClicks, 3);
    EXPECT_EQ(form.Plain.listIndex(), -1);
    EXPECT_EQ(form.Plain.text(), L"");

    // An index beyond the entries changes nothing and raises nothing.
    form.Plain.setListIndex(4);
    EXPECT_EQ(listClicks, 3);
    EXPECT_EQ(form.Plain.listIndex(), -1);

    const int row = static_cast<int>(SendMessageW(form.Plain.hwnd(), LB_GETITEMHEIGHT, 0, 0));
    drive::click(form.Plain.hwnd(), 10, row * 3 + row / 2);
    loop.yield();
    EXPECT_EQ(listClicks, 4);
    EXPECT_EQ(form.Plain.text(), L"Gamma");
}

TEST_F(ControlLayer, ListTextSelectsTheExactEntryOrNone) {
    form.Plain.setText(L"beta");
    EXPECT_EQ(form.Plain.listIndex(), 2) << "case matters: not the entry 'Beta'";
    form.Plain.setText(L"Beta");
    EXPECT_EQ(form.Plain.listIndex(), 1);
    form.Plain.setText(L"Gam"); // a prefix is not the entry
    EXPECT_EQ(form.Plain.listIndex(), -1);
    form.Plain.setText(L"Gamma");
    EXPECT_EQ(form.Plain.listIndex(), 3);
    form.Plain.setText(L"");
    EXPECT_EQ(form.Plain.listIndex(), -1);
    EXPECT_EQ(listClicks, 5);
}

TEST_F(ControlLayer, ListReadsEntriesAndSortsWhereAsked) {
    for (const wchar_t* name : {L"Verdana", L"arial", L"Courier New", L"Arial Black"})
        form.SortedList.addItem(name);
    ASSERT_EQ(form.SortedList.listCount(), 4);
    EXPECT_EQ(form.SortedList.list(0), L"arial");
    EXPECT_EQ(form.SortedList.list(1), L"Arial Black");
    EXPECT_EQ(form.SortedList.list(2), L"Courier New");
    EXPECT_EQ(form.SortedList.list(3), L"Verdana");
    EXPECT_EQ(form.SortedList.list(4), L"");
    EXPECT_EQ(form.SortedList.list(-1), L"");
    EXPECT_EQ(form.Plain.list(0), L"Alpha"); // unsorted: in the order added
    EXPECT_EQ(form.Plain.list(3), L"Gamma");
}

TEST_F(ControlLayer, CheckBoxRaisesClickOnlyWhenItsValueChanges) {
    form.Check.setValue(0);
    EXPECT_EQ(checkClicks, 0);
    form.Check.setValue(1);
    EXPECT_EQ(checkClicks, 1);
    EXPECT_EQ(form.Check.value(), 1);
    form.Check.setValue(1);
    EXPECT_EQ(checkClicks, 1);
    loop.yield();
    EXPECT_EQ(checkClicks, 1);

    SendMessageW(form.Check.hwnd(), BM_CLICK, 0, 0); // the user's click
    EXPECT_EQ(checkClicks, 2);
    EXPECT_EQ(form.Check.value(), 0);
}

TEST_F(ControlLayer, TextChangesRaiseChangeOnceWhateverTheirSource) {
    form.Single.setText(L"abc");
    EXPECT_EQ(singleChanges, 1);
    form.Sample.setText(L"line one\r\nline two");
    EXPECT_EQ(sampleChanges, 1) << "a multi-line box reports no change of its own";
    loop.yield();
    EXPECT_EQ(singleChanges, 1);
    EXPECT_EQ(sampleChanges, 1);

    form.Single.setSelStart(3);
    form.Single.setSelText(L"d");
    EXPECT_EQ(form.Single.text(), L"abcd");
    EXPECT_EQ(singleChanges, 2);

    form.Single.setFocus();
    PostMessageW(form.Single.hwnd(), WM_CHAR, L'e', 1);
    loop.yield();
    EXPECT_EQ(form.Single.text(), L"abcde");
    EXPECT_EQ(singleChanges, 3);
}

// Inside its Change a box's text is read once; what the handler then changes, by code or
// through the box's own messages, is read anew, and outside a Change it is always read.
TEST_F(ControlLayer, TextReadInsideChangeIsWhatTheBoxHolds) {
    const std::function<void(HWND)> edits[] = {
        [this](HWND) { form.Single.setText(L"by code"); },
        [](HWND box) { SendMessageW(box, EM_SETSEL, 0, -1), SendMessageW(box, WM_CLEAR, 0, 0); }};
    for (const auto& edit : edits) {
        bool edited = false;
        form.Single.onChange = [&] {
            if (!std::exchange(edited, true))
                edit(form.Single.hwnd());
            EXPECT_EQ(form.Single.text(), windowText(form.Single.hwnd()));
        };
        form.Single.setText(L"changed");
        EXPECT_TRUE(edited);
    }
    form.Single.onChange = {};
    form.Sample.setText(L"known"); // a multi-line box reports no text set by message
    SendMessageW(form.Sample.hwnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"unreported"));
    EXPECT_EQ(form.Sample.text(), L"unreported");
}

TEST_F(ControlLayer, TextIsReadWholeWhateverItsLength) {
    for (size_t power = 1; power <= 8192; power *= 2) // about each power of two, where buffers end
        for (const size_t length : {power - 1, power, power + 1}) {
            form.Single.setText(std::wstring(length, L'w') + L"!");
            ASSERT_EQ(form.Single.text(), std::wstring(length, L'w') + L"!") << length;
        }
}

TEST_F(ControlLayer, ChangesByCodeThatChangeNothingRaiseNothing) {
    form.Single.setText(L"abc");
    form.Sample.setText(L"text");
    singleChanges = sampleChanges = 0;
    form.Single.setText(L"abc");
    form.Sample.setText(L"text");
    form.Single.setSelStart(1);
    form.Single.setSelText(L""); // no selection: nothing to remove
    form.Single.setSelLength(2);
    form.Single.setSelText(L"bc"); // the same text over itself
    SendMessageW(form.Sample.hwnd(), EM_EMPTYUNDOBUFFER, 0, 0);
    form.Sample.undo(); // nothing to undo
    EXPECT_EQ(singleChanges, 0);
    EXPECT_EQ(sampleChanges, 0);
    EXPECT_EQ(form.Single.text(), L"abc");

    form.Single.undo(); // the box's last edit put "bc" over "bc": still nothing
    form.Single.setSelText(L"X");
    EXPECT_EQ(singleChanges, 1);
}

TEST_F(ControlLayer, SelectionPropertiesAndUndoableSelText) {
    form.Sample.setText(L"hello world");
    form.Sample.setSelStart(6);
    form.Sample.setSelLength(5);
    EXPECT_EQ(form.Sample.selStart(), 6);
    EXPECT_EQ(form.Sample.selLength(), 5);
    EXPECT_EQ(form.Sample.selText(), L"world");

    form.Sample.setSelText(L"there");
    EXPECT_EQ(form.Sample.text(), L"hello there");
    EXPECT_EQ(form.Sample.selLength(), 0);
    EXPECT_EQ(form.Sample.selStart(), 11);

    SendMessageW(form.Sample.hwnd(), EM_UNDO, 0, 0);
    EXPECT_EQ(form.Sample.text(), L"hello world");
}

TEST_F(ControlLayer, FocusAndClickEventsOfTextBoxes) {
    int focused = 0, clicked = 0;
    form.Sample.onGotFocus = [&] { ++focused; };
    form.Sample.onClick = [&] { ++clicked; };
    form.Single.setFocus();
    form.Sample.setFocus();
    EXPECT_EQ(focused, 1);
    drive::click(form.Sample.hwnd(), 5, 5);
    loop.yield();
    EXPECT_EQ(clicked, 1);
}

// The pixels a window paints of itself, as the system asks for them to print it.
std::vector<COLORREF> paintedPixels(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    HDC screen = GetDC(window);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(window, screen);
    return pixels;
}

TEST_F(ControlLayer, PictureButtonShowsTheFocusRectangleUnlessTheWindowHidesItsCues) {
    HWND picture = form.Picture.hwnd();
    // Keyboard cues shown, as after a key press; Windows hides them until then.
    const auto showCues = [&] {
        SendMessageW(picture, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    };
    showCues();
    form.Single.setFocus();
    const auto plain = paintedPixels(picture);
    form.Picture.setFocus();
    ASSERT_EQ(GetFocus(), picture);
    const auto focused = paintedPixels(picture);
    ASSERT_EQ(focused.size(), plain.size());
    // A dotted line along the edge; inside, the picture as it was.
    RECT client;
    GetClientRect(picture, &client);
    const int width = client.right, height = client.bottom;
    int onEdge = 0, inside = 0;
    for (size_t i = 0; i < plain.size(); ++i) {
        const int x = static_cast<int>(i) % width, y = static_cast<int>(i) / width;
        const bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1;
        if (focused[i] != plain[i])
            ++(edge ? onEdge : inside);
    }
    EXPECT_GE(onEdge, width + height - 4) << "every other pixel around";
    EXPECT_EQ(inside, 0);

    // Keyboard cues hidden, as after a mouse click. Windows tells each child window and then
    // answers its state queries; Wine does neither, so the answer is given here as Windows
    // gives it.
    ValidateRect(picture, nullptr);
    SendMessageW(picture, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
    EXPECT_TRUE(GetUpdateRect(picture, nullptr, FALSE)) << "painted again";
    {
        const MessageSpy cuesHidden(picture, [](UINT message, WPARAM, LPARAM) {
            return message == WM_QUERYUISTATE ? std::optional<LRESULT>(UISF_HIDEFOCUS)
                                              : std::nullopt;
        });
        EXPECT_EQ(paintedPixels(picture), plain);
    }
    showCues();
    EXPECT_EQ(paintedPixels(picture), focused);
}

TEST_F(ControlLayer, SpaceAndEnterRunAFocusedPictureButton) {
    int clicks = 0;
    form.Picture.onClick = [&] { ++clicks; };
    form.Picture.setFocus();
    drive::pressKey(loop, form.Picture.hwnd(), VK_SPACE);
    EXPECT_EQ(clicks, 1);
    drive::pressKey(loop, form.Picture.hwnd(), VK_RETURN);
    EXPECT_EQ(clicks, 2);
    // A held key repeats its press: Space clicks once, as it goes up; Enter only at first.
    const LPARAM again = 1 | LPARAM{1} << 30;
    for (const LPARAM press : {LPARAM{1}, again, again})
        PostMessageW(form.Picture.hwnd(), WM_KEYDOWN, VK_SPACE, press);
    PostMessageW(form.Picture.hwnd(), WM_KEYDOWN, VK_RETURN, again);
    loop.yield();
    EXPECT_EQ(clicks, 2);
    PostMessageW(form.Picture.hwnd(), WM_KEYUP, VK_SPACE, again | LPARAM{1} << 31);
    loop.yield();
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(GetFocus(), form.Picture.hwnd());
    drive::pressKey(loop, form.Picture.hwnd(), VK_TAB);
    EXPECT_EQ(clicks, 3) << "Tab only moves on";
    EXPECT_EQ(GetFocus(), form.Plain.hwnd());
}

TEST_F(ControlLayer, SampleFontFollowsItsPropertiesAndOwnsOneFont) {
    auto& sample = form.Sample;
    ASSERT_TRUE(sample.setFontName(L"Courier New"));
    ASSERT_TRUE(sample.setFontSize(12.0f));
    HFONT first = windowFont(sample.hwnd());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(sample.hwnd(), WM_GETFONT, 0, 0)), first);

    sample.setFontBold(true);
    sample.setFontItalic(true);
    sample.setFontUnderline(true);
    sample.setFontStrikethru(true);
    HFONT now = windowFont(sample.hwnd());
    EXPECT_NE(now, first);
    EXPECT_EQ(GetObjectType(first), 0u) << "the replaced font is freed";
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(sample.hwnd(), WM_GETFONT, 0, 0)), now);

    LOGFONTW described{};
    ASSERT_NE(GetObjectW(now, sizeof described, &described), 0);
    EXPECT_STREQ(described.lfFaceName, L"Courier New");
    EXPECT_EQ(described.lfHeight, -16); // 12 points at 96 dpi
    EXPECT_EQ(described.lfWeight, FW_BOLD);
    EXPECT_TRUE(described.lfItalic && described.lfUnderline && described.lfStrikeOut);
    EXPECT_EQ(described.lfCharSet, DEFAULT_CHARSET);

    EXPECT_FALSE(sample.setFontName(L"")) << "an empty name keeps the font";
    EXPECT_EQ(sample.fontName(), L"Courier New");
    EXPECT_EQ(windowFont(sample.hwnd()), now);
    EXPECT_FALSE(sample.setFontSize(0.0f));
    EXPECT_EQ(sample.fontSize(), 12.0f);

    sample.setForeColor(RGB(200, 10, 20));
    EXPECT_EQ(sample.foreColor(), RGB(200, 10, 20));

    form.unload();
    EXPECT_EQ(GetObjectType(now), 0u) << "unloading frees the last font";
}

TEST_F(ControlLayer, ABatchOfFontChangesMakesOneFontAndUnchangedPropertiesMakeNone) {
    auto& sample = form.Sample;
    HFONT before = windowFont(sample.hwnd());
    sample.setFontBold(false); // already off
    sample.setFontName(sample.fontName());
    EXPECT_EQ(windowFont(sample.hwnd()), before);
    {
        SampleBox::Batch outer(sample);
        {
            SampleBox::Batch inner(sample);
            sample.setFontName(L"Arial");
            sample.setFontSize(20.0f);
        }
        sample.setFontItalic(true);
        EXPECT_EQ(windowFont(sample.hwnd()), before) << "held back until the outer batch ends";
        EXPECT_EQ(sample.fontName(), L"Arial") << "the properties read back at once";
    }
    HFONT after = windowFont(sample.hwnd());
    EXPECT_NE(after, before);
    EXPECT_EQ(GetObjectType(before), 0u);
    LOGFONTW described{};
    GetObjectW(after, sizeof described, &described);
    EXPECT_STREQ(described.lfFaceName, L"Arial");
    EXPECT_TRUE(described.lfItalic);
}

TEST_F(ControlLayer, AToolTipTakesEachNewTextWhateverItsLength) {
    const LRESULT toolsBefore = SendMessageW(toolTipsOf(form.hwnd()), TTM_GETTOOLCOUNT, 0, 0);
    const std::wstring texts[] = {std::wstring(300, L'L'), L"short", std::wstring(400, L'M')};
    for (const auto& text : texts) {
        form.setToolTip(form.Check, text);
        EXPECT_EQ(toolTipOf(form, form.Check), text);
    }
    EXPECT_EQ(SendMessageW(toolTipsOf(form.hwnd()), TTM_GETTOOLCOUNT, 0, 0), toolsBefore + 1)
        << "one tool, updated";
}

TEST(FormLifetime, UnloadFreesTheFormsFontsAndCanLoadAgain) {
    TestForm form;
    form.load();
    const HFONT shared = form.font(tahoma);
    ASSERT_NE(GetObjectType(shared), 0u);
    EXPECT_EQ(form.font(tahoma), shared) << "one font per description";
    wchar_t face[] = L"Tahoma";
    FontDescription sameText = tahoma;
    sameText.face = face;
    EXPECT_EQ(form.font(sameText), shared) << "the face's name counts, not where it is kept";
    wchar_t passing[] = L"Arial";
    FontDescription arial = tahoma;
    arial.face = passing;
    const HFONT made = form.font(arial);
    passing[0] = L'X'; // the caller's buffer changes; the form kept its own name
    arial.face = L"Arial";
    EXPECT_EQ(form.font(arial), made);
    HWND first = form.hwnd();
    form.unload();
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(GetObjectType(shared), 0u);
    form.load();
    EXPECT_TRUE(IsWindow(form.hwnd()));
    EXPECT_EQ(form.Plain.listCount(), 0);
}

TEST(FormLifetime, DestroyingALoadedWindowFreesEverythingItMade) {
    const auto makeAndDrop = [] {
        MainForm mainForm;
        mainForm.show();
        mainForm.BigText.setFontBold(true);
        mainForm.BigText.setText(L"sample");
        mainForm.FontList.addItem(L"Arial");
        mainForm.FontList.setListIndex(0);
    };
    makeAndDrop(); // the system's own first-use objects
    const int before = gdiObjectCount();
    ASSERT_GE(before, 0) << "the GDI object count cannot be read";
    for (int i = 0; i < 3; ++i)
        makeAndDrop();
    EXPECT_EQ(gdiObjectCount(), before) << "fonts, brushes, icons and pictures all freed";
}

// Rows that disagree with the class of the member of their name.
constexpr ControlLayout mismatchedRows[] = {
    {.name = L"Fine",
     .kind = Kind::CheckBox,
     .caption = L"Fine",
     .place = {10, 10, 80, 16},
     .tabIndex = 0},
    {.name = L"NotAList", .kind = Kind::CheckBox, .place = {10, 30, 80, 16}, .tabIndex = 1},
    // A picture box takes the focus, yet the row gives it no place in the tab order.
    {.name = L"Unreachable",
     .kind = Kind::PictureBox,
     .place = {10, 50, 32, 32},
     .picture = IDP_REPORT},
    {.name = L"Drawn", .kind = Kind::Line, .from = {0, 100}, .to = {100, 100}},
    {.name = L"Ticking", .caption = L"tick", .place = {10, 110, 50, 13}, .interval = 100},
};

constexpr FormLayout mismatchedLayout{.name = L"Mismatched",
                                      .caption = L"Mismatched",
                                      .clientWidth = 200,
                                      .clientHeight = 150,
                                      .controls = mismatchedRows};

class MismatchedForm : public Form {
public:
    MismatchedForm() : Form(mismatchedLayout) {}
    CheckBox Fine{*this, L"Fine"};
    ListBox NotAList{*this, L"NotAList"};
    PictureButton Unreachable{*this, L"Unreachable"};
    Label Drawn{*this, L"Drawn"};
    Timer Ticking{*this, L"Ticking"};
};

TEST(FormLifetime, ARowOfAKindItsMemberDoesNotShowIsRefusedAndTheRestWorks) {
    MismatchedForm form;
    form.show();
    ASSERT_TRUE(IsWindow(form.hwnd()));
    EXPECT_NE(form.Fine.hwnd(), nullptr);
    for (const Control* refused :
         {static_cast<const Control*>(&form.NotAList),
          static_cast<const Control*>(&form.Unreachable), static_cast<const Control*>(&form.Drawn)})
        EXPECT_EQ(refused->hwnd(), nullptr) << std::wstring(refused->name());
    EXPECT_FALSE(form.Ticking.enabled()) << "a timer on a label's row never starts";

    // The program's calls on a refused control do nothing, and fail nothing.
    form.NotAList.addItem(L"entry");
    form.NotAList.setText(L"entry");
    EXPECT_EQ(form.NotAList.listCount(), 0);
    form.Drawn.setCaption(L"text");
    EXPECT_EQ(form.Drawn.caption(), L"");
    RECT where;
    GetWindowRect(form.hwnd(), &where);
    SendMessageW(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&where));
    form.Fine.setValue(1);
    EXPECT_EQ(form.Fine.value(), 1);
    form.unload();
    form.load();
    EXPECT_NE(form.Fine.hwnd(), nullptr);
    EXPECT_EQ(form.NotAList.hwnd(), nullptr);
}

TEST(Scaling, LayoutUnitsBecomePixelsByDpi) {
    EXPECT_EQ(scale(716, 96), 716);
    EXPECT_EQ(scale(716, 144), 1074);
    EXPECT_EQ(scale(-38, 144), -57);
    EXPECT_EQ(fontHeight(8.25f, 96), -11);
    EXPECT_EQ(fontHeight(8.0f, 96), -11);
    EXPECT_EQ(fontHeight(72.0f, 96), -96);
    EXPECT_EQ(fontHeight(8.25f, 144), -17);
    EXPECT_EQ(fontHeight(12.0f, 120), -20);
    // The windows' text grows no faster than the layout: 11 pixels at 96 dpi.
    EXPECT_EQ(layoutFontHeight(8.25f, 96), -11);
    EXPECT_EQ(layoutFontHeight(8.25f, 120), -13);
    EXPECT_EQ(layoutFontHeight(8.25f, 144), -16);
    EXPECT_EQ(layoutFontHeight(8.25f, 192), -22);
}

} // namespace
