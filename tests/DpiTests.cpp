// The four windows at 144 dpi: everything scaled from the 96-dpi tables in one place,
// nothing outside its container, nothing overlapping that does not overlap at 96 dpi.
#include "controls/Dpi.h"
#include "controls/Geometry.h"
#include "support/Drive.h"
#include "support/WindowText.h"
#include "ui/AboutForm.h"
#include "ui/ForGlyphmere.h"
#include "ui/MainForm.h"
#include "ui/ReadForm.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace controls;
using namespace ui;

// The container's visible area in pixels.
RECT containerOf(const Form& form, const ControlLayout& row, int dpi) {
    RECT client;
    GetClientRect(form.hwnd(), &client);
    const ControlLayout* container = findControl(form.layout(), row.container);
    if (!container)
        return client;
    RECT area = pixels(form.layout(), *container, dpi);
    IntersectRect(&area, &area, &client);
    return area;
}

bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

class AtHigherDpi : public testing::TestWithParam<int> {
protected:
    std::unique_ptr<Form> make() {
        switch (GetParam()) {
        case 0:
            return std::make_unique<ReadForm>();
        case 1:
            return std::make_unique<MainForm>();
        case 2:
            return std::make_unique<AboutForm>();
        default:
            return std::make_unique<ForGlyphmere>();
        }
    }
};

TEST_P(AtHigherDpi, TheLayoutScalesWithNothingOutsideAndNoNewOverlap) {
    auto form = make();
    form->show();
    ASSERT_EQ(form->dpi(), 96);
    for (const Control* c : drive::controlsOf(*form))
        EXPECT_TRUE(inside(drive::placeInParent(c->hwnd()), containerOf(*form, c->layout(), 96)))
            << std::wstring(c->name()) << " at 96 dpi";
    const auto before = drive::overlappingControls(*form);

    // A window may not be larger than the screen lets it be (a hosted runner's is 1024 x 768):
    // there the main window at 144 dpi is cut down, and the layout is checked on a larger one.
    const SIZE frame =
        frameSize(scale(form->layout().clientWidth, 144), scale(form->layout().clientHeight, 144),
                  static_cast<DWORD>(GetWindowLongPtrW(form->hwnd(), GWL_STYLE)),
                  static_cast<DWORD>(GetWindowLongPtrW(form->hwnd(), GWL_EXSTYLE)),
                  GetMenu(form->hwnd()) != nullptr, 144);
    if (frame.cx > GetSystemMetrics(SM_CXMAXTRACK) || frame.cy > GetSystemMetrics(SM_CYMAXTRACK))
        GTEST_SKIP() << "at 144 dpi the window is " << frame.cx << " x " << frame.cy
                     << ", more than this screen lets a window be";

    RECT where;
    GetWindowRect(form->hwnd(), &where);
    SendMessageW(form->hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&where));
    EXPECT_EQ(form->dpi(), 144);
    RECT client;
    GetClientRect(form->hwnd(), &client);
    EXPECT_EQ(client.right, scale(form->layout().clientWidth, 144));
    EXPECT_EQ(client.bottom, scale(form->layout().clientHeight, 144));

    for (const Control* c : drive::controlsOf(*form)) {
        const RECT r = drive::placeInParent(c->hwnd());
        EXPECT_TRUE(inside(r, containerOf(*form, c->layout(), 144)))
            << std::wstring(c->name()) << " at 144 dpi";
        const RECT wanted = pixels(form->layout(), c->layout(), 144);
        EXPECT_EQ(r.left, wanted.left) << std::wstring(c->name());
        EXPECT_EQ(r.top, wanted.top) << std::wstring(c->name());
        if (c->layout().place.width > 0) {
            EXPECT_EQ(r.right, wanted.right) << std::wstring(c->name());
        }
    }
    for (const auto& pair : drive::overlappingControls(*form))
        EXPECT_TRUE(before.count(pair))
            << std::wstring(pair.first) << " now overlaps " << std::wstring(pair.second);
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, AtHigherDpi, testing::Values(0, 1, 2, 3));

// Each text of the about window has a room of its own: none runs under the next control.
TEST(AboutWindow, NoTextRunsUnderAnotherControlAt96Or144Dpi) {
    AboutForm aboutForm;
    aboutForm.show();
    for (const int dpi : {96, 144}) {
        RECT where;
        GetWindowRect(aboutForm.hwnd(), &where);
        SendMessageW(aboutForm.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&where));
        for (const auto& [front, back] : drive::overlappingControls(aboutForm))
            ADD_FAILURE() << std::wstring(front) << " and " << std::wstring(back) << " at " << dpi;
    }
}

// Containers inside containers, one of them reaching past its own container's corner.
constexpr COLORREF bandColor = RGB(10, 20, 30), outerColor = RGB(40, 50, 60);
constexpr ControlLayout nestedRows[] = {
    {.name = L"OnBand", .container = L"Outer", .place = {10, 5, 20, 10}},
    {.name = L"InMiddle", .container = L"Middle", .place = {5, 6, 20, 10}},
    {.name = L"Outside", .place = {300, 300, 10, 10}},
    {.name = L"Band",
     .kind = Kind::FilledRect,
     .container = L"Outer",
     .place = {0, 0, 100, 30},
     .backColor = bandColor},
    {.name = L"Middle", .kind = Kind::Frame, .container = L"Outer", .place = {-10, 20, 80, 60}},
    {.name = L"Outer", .kind = Kind::Frame, .place = {30, 40, 200, 100}, .backColor = outerColor},
};
constexpr FormLayout nestedLayout{.controls = nestedRows};

TEST(Geometry, NestedContainersAddUpAndTheFrontmostFillIsTheBackground) {
    const ControlLayout& onBand = nestedRows[0];
    const ControlLayout& inMiddle = nestedRows[1];
    const POINT origin = containerOrigin(nestedLayout, inMiddle);
    EXPECT_EQ(origin.x, 20);
    EXPECT_EQ(origin.y, 60);
    // Scaled once from the 96-dpi sum, not container by container: (25, 66) to (45, 76).
    const RECT r = pixels(nestedLayout, inMiddle, 144);
    EXPECT_EQ(r.left, 38);
    EXPECT_EQ(r.top, 99);
    EXPECT_EQ(r.right, 68);
    EXPECT_EQ(r.bottom, 114);

    EXPECT_EQ(backgroundAt(nestedLayout, onBand, 144), bandColor) << "the band lies in front";
    // Below the band, inside a frame with no fill of its own: the filled frame behind it.
    EXPECT_EQ(backgroundAt(nestedLayout, inMiddle, 144), outerColor);
    EXPECT_EQ(backgroundAt(nestedLayout, nestedRows[2], 144), GetSysColor(COLOR_BTNFACE));
}

TEST(HigherDpi, FontsPicturesAndTheSampleFollowTheDpi) {
    MainForm mainForm;
    mainForm.show();
    mainForm.BigText.setFontSize(12.0f);
    RECT where;
    GetWindowRect(mainForm.hwnd(), &where);
    SendMessageW(mainForm.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&where));

    LOGFONTW label{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(mainForm.Label2.hwnd(), WM_GETFONT, 0, 0)),
               sizeof label, &label);
    EXPECT_EQ(label.lfHeight, -16) << "Tahoma 8.25 points, 11 pixels at 96 dpi, 16 at 144";
    LOGFONTW sample{};
    GetObjectW(windowFont(mainForm.BigText.hwnd()), sizeof sample, &sample);
    EXPECT_EQ(sample.lfHeight, -24) << "12 points at 144 dpi";

    for (const PictureButton* picture :
         {&mainForm.Image9, &mainForm.RefreshList, &mainForm.Image2}) {
        ICONINFO info{};
        const auto icon = reinterpret_cast<HICON>(SendMessageW(picture->hwnd(), STM_GETICON, 0, 0));
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        EXPECT_EQ(bitmap.bmWidth, scale(picture->layout().place.width, 144))
            << std::wstring(picture->name()) << ": a sharp image of its own size";
    }

    // A label that sizes itself is as wide as its text in the larger font.
    const RECT text = drive::placeInParent(mainForm.Label1.hwnd());
    EXPECT_GT(text.right - text.left, 150);
}

} // namespace
