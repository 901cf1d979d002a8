#include "support/Drive.h"

#include "controls/Control.h"

#include "support/MessageSpy.h"

#include <cwctype>

namespace drive {

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs,
               const std::function<void()>& between) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() > end)
            return false;
        if (between)
            between();
        else
            Sleep(20);
    }
    return true;
}

bool pumpUntil(app::MessageLoop& loop, const std::function<bool()>& condition, DWORD timeoutMs) {
    return waitUntil(condition, timeoutMs, [&] {
        loop.yield();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    });
}

namespace {
UINT_PTR lastTimerTicked = 0;
void CALLBACK timerTicked(HWND, UINT, UINT_PTR id, DWORD) {
    lastTimerTicked = id;
}
} // namespace

bool pumpPastTimer(app::MessageLoop& loop, UINT intervalMs) {
    const UINT_PTR id = SetTimer(nullptr, 0, intervalMs, timerTicked);
    const bool ticked = id && pumpUntil(
                                  loop, [&] { return lastTimerTicked == id; }, intervalMs + 5000);
    KillTimer(nullptr, id);
    return ticked;
}

RECT placeInParent(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::vector<const controls::Control*> controlsOf(const controls::Form& form) {
    std::vector<const controls::Control*> all;
    for (const auto& layout : form.layout().controls)
        if (const controls::Control* c = form.control(layout.name))
            all.push_back(c);
    return all;
}

ControlPairs overlappingControls(const controls::Form& form) {
    ControlPairs pairs;
    const auto all = controlsOf(form);
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j) {
            RECT a = placeInParent(all[i]->hwnd()), b = placeInParent(all[j]->hwnd()), both;
            if (all[i]->visible() && all[j]->visible() && IntersectRect(&both, &a, &b))
                pairs.insert({all[i]->name(), all[j]->name()});
        }
    return pairs;
}

void click(HWND window, int x, int y) {
    const LPARAM at = MAKELPARAM(x, y);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(window, WM_LBUTTONUP, 0, at);
}

HWND clickChildAt(HWND window, int x, int y) {
    POINT at{x, y};
    HWND child = ChildWindowFromPointEx(window, at, CWP_SKIPINVISIBLE);
    if (!child || child == window)
        return nullptr;
    MapWindowPoints(window, child, &at, 1);
    click(child, at.x, at.y);
    return child;
}

void postKey(HWND window, UINT key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

void postText(HWND window, const std::wstring& text) {
    for (const wchar_t c : text)
        PostMessageW(window, WM_CHAR, c, 1);
}

void click(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    click(window, r.right / 2, r.bottom / 2);
}

bool doubleClick(app::MessageLoop& loop, HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    if (!SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2))
        return false;
    int releases = 0;
    const MessageSpy counter(window, [&](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        releases += message == WM_LBUTTONUP ? 1 : 0;
        return std::nullopt;
    });
    INPUT presses[4] = {};
    for (int i = 0; i < 4; ++i) {
        presses[i].type = INPUT_MOUSE;
        presses[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    }
    return SendInput(4, presses, sizeof(INPUT)) == 4 &&
           pumpUntil(
               loop, [&] { return releases == 2; }, 5000);
}

void pressKey(app::MessageLoop& loop, HWND focus, UINT key, UINT modifiers) {
    // The thread's key state is what the accelerator translation reads for Ctrl and Shift.
    BYTE state[256];
    GetKeyboardState(state);
    const BYTE saved[3] = {state[VK_CONTROL], state[VK_SHIFT], state[VK_MENU]};
    constexpr BYTE pressed = 0x80, released = 0;
    state[VK_CONTROL] = (modifiers & MOD_CONTROL) ? pressed : released;
    state[VK_SHIFT] = (modifiers & MOD_SHIFT) ? pressed : released;
    state[VK_MENU] = (modifiers & MOD_ALT) ? pressed : released;
    SetKeyboardState(state);
    const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    const bool extended = key == VK_DELETE || key == VK_INSERT || key == VK_HOME || key == VK_END;
    // With Alt held, the system sends the keys as system keys, Alt's context bit set.
    const bool alt = (modifiers & MOD_ALT) != 0;
    const LPARAM down =
        1 | (static_cast<LPARAM>(scan) << 16) | (extended ? (1 << 24) : 0) | (alt ? (1 << 29) : 0);
    PostMessageW(focus, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, down);
    PostMessageW(focus, alt ? WM_SYSKEYUP : WM_KEYUP, key,
                 down | (1 << 30) | (static_cast<LPARAM>(1) << 31));
    loop.yield();
    state[VK_CONTROL] = saved[0];
    state[VK_SHIFT] = saved[1];
    state[VK_MENU] = saved[2];
    SetKeyboardState(state);
}

void type(app::MessageLoop& loop, HWND focus, const std::wstring& text) {
    for (const wchar_t c : text) {
        if (iswalpha(c) && c < 128)
            pressKey(loop, focus, static_cast<UINT>(towupper(c)), iswupper(c) ? MOD_SHIFT : 0);
        else if (c == L' ')
            pressKey(loop, focus, VK_SPACE);
        else if (iswdigit(c))
            pressKey(loop, focus, static_cast<UINT>(c));
        else {
            PostMessageW(focus, WM_CHAR, c, 1);
            loop.yield();
        }
    }
}

} // namespace drive
