// The real prompts: the input box, a modal dialog with the prompt, an edit field, OK and
// Cancel; and the owner of each box.
#include "platform/Win32Platform.h"
#include "support/Drive.h"
#include "support/WindowText.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// What the "user" does once the dialog is up; run from a timer inside its modal loop.
std::function<void(HWND)> answer;
std::wstring promptSeen;
HWND ownerSeen;

void CALLBACK onTimer(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindWindowW(nullptr, L"Tell-a-friend");
    if (!dialog || !IsWindowVisible(dialog))
        return;
    KillTimer(nullptr, id);
    for (HWND label : childrenOfClass(dialog, L"Static"))
        promptSeen = windowText(label);
    ownerSeen = GetWindow(dialog, GW_OWNER);
    answer(dialog);
}

HWND editOf(HWND dialog) {
    const auto edits = childrenOfClass(dialog, L"Edit");
    return edits.empty() ? nullptr : edits.front();
}

std::wstring ask(std::function<void(HWND)> user, HWND owner = nullptr) {
    answer = std::move(user);
    promptSeen.clear();
    SetTimer(nullptr, 0, 20, onTimer);
    platform::Win32Prompts prompts;
    return prompts.inputBox(owner, L"Please insert your friend's full mail address:",
                            L"Tell-a-friend", L"");
}

TEST(InputBox, EnterAndOkAnswerTheTypedTextEscAndCancelAnEmptyOne) {
    EXPECT_EQ(ask([](HWND d) {
                  drive::postText(editOf(d), L"friend@example.org");
                  drive::postKey(editOf(d), VK_RETURN);
              }),
              L"friend@example.org");
    EXPECT_EQ(promptSeen, L"Please insert your friend's full mail address:");

    EXPECT_EQ(ask([](HWND d) {
                  drive::postText(editOf(d), L"a b");
                  PostMessageW(childWithText(d, L"Button", L"OK"), BM_CLICK, 0, 0);
              }),
              L"a b");
    EXPECT_EQ(ask([](HWND d) {
                  drive::postText(editOf(d), L"not sent");
                  drive::postKey(editOf(d), VK_ESCAPE);
              }),
              L"");
    EXPECT_EQ(ask([](HWND d) {
                  drive::postText(editOf(d), L"not sent");
                  PostMessageW(childWithText(d, L"Button", L"Cancel"), BM_CLICK, 0, 0);
              }),
              L"");
}

TEST(Prompts, EachBoxBelongsToTheWindowThatAsksAlsoWhenNoneIsActive) {
    // A window of the program that is not active, as when another program is in front.
    HWND owner = CreateWindowExW(0, L"STATIC", L"asking", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    ASSERT_EQ(GetActiveWindow(), nullptr);
    ownerSeen = nullptr;
    ask([](HWND d) { drive::postKey(editOf(d), VK_ESCAPE); }, owner);
    EXPECT_EQ(ownerSeen, owner) << "the input box";

    ownerSeen = nullptr;
    answer = [](HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); };
    SetTimer(nullptr, 0, 20, onTimer);
    platform::Win32Prompts().messageBox(owner, L"A note", MB_OK, L"Tell-a-friend");
    EXPECT_EQ(ownerSeen, owner) << "the message box";
    DestroyWindow(owner);
}

} // namespace
