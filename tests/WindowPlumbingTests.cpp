// The plumbing between the window system and our objects: a window bound to its object for
// exactly its life, a subclass that follows its owner and goes with it or with the window,
// and no exception from a handler ever reaching the system.
#include "controls/WindowClass.h"
#include "platform/WindowProcedure.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

constexpr UINT count = WM_APP + 1, fail = WM_APP + 2;

struct Handler {
    Handler() = default;
    Handler(const Handler&) = delete; // a subclass's handler stays where it is
    Handler& operator=(const Handler&) = delete;
    int counted = 0;
    bool sawCreation = false, sawDestruction = false;
    LRESULT windowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        sawCreation |= message == WM_NCCREATE && platform::boundObject<Handler>(window) == this;
        sawDestruction |= message == WM_NCDESTROY;
        return handled(message) ? 7 : DefWindowProcW(window, message, wParam, lParam);
    }
    LRESULT subclassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        return handled(message) ? 7 : DefSubclassProc(window, message, wParam, lParam);
    }
    bool handled(UINT message) {
        if (message == fail)
            throw std::runtime_error("a handler that fails");
        if (message != count)
            return false;
        ++counted;
        return true;
    }
};

HWND plainWindow() {
    return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                           nullptr);
}

TEST(WindowPlumbing, AWindowIsBoundToItsObjectForItsWholeLifeAndAFailureStaysInside) {
    const ATOM bound = controls::registerWindowClass(
        {.name = L"TestBoundWindow",
         .procedure = platform::boundProcedure<&Handler::windowMessage>});
    ASSERT_NE(bound, 0);
    Handler handler;
    HWND window = CreateWindowExW(0, MAKEINTATOM(bound), L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, nullptr, &handler);
    ASSERT_TRUE(window);
    EXPECT_TRUE(handler.sawCreation) << "bound from WM_NCCREATE on";
    EXPECT_EQ(SendMessageW(window, count, 0, 0), 7);
    EXPECT_EQ(SendMessageW(window, fail, 0, 0), 0) << "the system's own answer";
    EXPECT_EQ(SendMessageW(window, count, 0, 0), 7) << "and the window works on";
    EXPECT_EQ(handler.counted, 2);
    DestroyWindow(window);
    EXPECT_TRUE(handler.sawDestruction);
}

TEST(WindowPlumbing, ASubclassFollowsItsOwnerAndGoesWithItOrWithTheWindow) {
    HWND window = plainWindow();
    ASSERT_TRUE(window);
    Handler handler;
    auto first = platform::Subclass::install<&Handler::subclassMessage>(window, handler);
    EXPECT_EQ(SendMessageW(window, count, 0, 0), 7);
    EXPECT_EQ(SendMessageW(window, fail, 0, 0), 0) << "a failure stops at the subclass";
    platform::Subclass moved = std::move(first);
    EXPECT_FALSE(first);
    EXPECT_EQ(SendMessageW(window, count, 0, 0), 7) << "the subclass followed its owner";
    moved.reset();
    EXPECT_EQ(SendMessageW(window, count, 0, 0), 0) << "removed with its owner";
    EXPECT_EQ(handler.counted, 2);

    platform::Subclass last =
        platform::Subclass::install<&Handler::subclassMessage>(window, handler);
    ASSERT_TRUE(last);
    DestroyWindow(window);
    EXPECT_FALSE(last) << "gone with the window: its owner has nothing left to remove";
}

} // namespace
