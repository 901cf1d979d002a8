// The splash the bare Win32 way, for the time-to-splash row to set Glyphmere's start
// against: a plain window with the splash's texts in static controls, its pictures as
// static icons, the close picture's tool tip, its rule and background painted, its timer
// running. It stays until it is ended.
#include "BareCopy.h"
#include "controls/Geometry.h"
#include "ui/ReadForm.h"
#include "ui/res/resource.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace {

using controls::Kind;

const controls::FormLayout* splash = nullptr;

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    if (message != WM_PAINT)
        return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    for (auto row = splash->controls.rbegin(); row != splash->controls.rend(); ++row) {
        const bool line = row->kind == Kind::Line;
        if (!line && row->kind != Kind::FilledRect)
            continue;
        const RECT r =
            line ? controls::linePixels(*splash, *row, dpi) : controls::pixels(*splash, *row, dpi);
        const HBRUSH brush =
            CreateSolidBrush(controls::resolveColor(line ? row->foreColor : row->backColor));
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    }
    EndPaint(window, &paint);
    return 0;
}

HFONT fontOf(const controls::FontDescription& look, int dpi) {
    return CreateFontW(-static_cast<int>(look.points * static_cast<float>(dpi) / 72.0f + 0.5f), 0,
                       0, 0, look.weight, look.italic, look.underline, look.strikeout,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, look.face);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    OutputDebugStringA("M main");
    INITCOMMONCONTROLSEX common{sizeof common, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&common);
    OutputDebugStringA("M icc");
    splash = &ui::readFormLayout();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = L"BareSplash";
    RegisterClassW(&windowClass);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;
    const std::wstring caption(splash->caption);
    const HWND window =
        CreateWindowExW(exStyle, L"BareSplash", caption.c_str(), style, CW_USEDEFAULT,
                        CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, nullptr);
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    OutputDebugStringA("M window");
    ReleaseDC(nullptr, screen);
    RECT frame{0, 0, MulDiv(splash->clientWidth, dpi, 96), MulDiv(splash->clientHeight, dpi, 96)};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    for (const int metric : {SM_CXSMICON, SM_CXICON}) {
        const int size = GetSystemMetrics(metric);
        SendMessageW(window, WM_SETICON, metric == SM_CXICON ? ICON_BIG : ICON_SMALL,
                     reinterpret_cast<LPARAM>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM),
                                                         IMAGE_ICON, size, size, 0)));
    }

    const HWND tips = bench::bareToolTips(window);
    for (const auto& row : splash->controls) {
        RECT r = controls::pixels(*splash, row, dpi);
        const std::wstring text(row.caption);
        HWND control = nullptr;
        if (row.kind == Kind::Timer) {
            SetTimer(window, 1, static_cast<UINT>(row.interval), nullptr);
        } else if (row.kind == Kind::Label) {
            const HFONT font = fontOf(row.font, dpi);
            if (row.place.width == 0) { // as wide as its text, within its room
                const HDC dc = GetDC(window);
                const HGDIOBJ before = SelectObject(dc, font);
                RECT fit{};
                DrawTextW(dc, text.c_str(), -1, &fit, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
                SelectObject(dc, before);
                ReleaseDC(window, dc);
                r.right = r.left + (row.maxWidth
                                        ? std::min<LONG>(fit.right, MulDiv(row.maxWidth, dpi, 96))
                                        : fit.right);
                r.bottom = r.top + MulDiv(13, dpi, 96);
            }
            control = CreateWindowExW(0, L"STATIC", text.c_str(),
                                      WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX,
                                      r.left, r.top, r.right - r.left, r.bottom - r.top, window,
                                      nullptr, instance, nullptr);
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        } else if (row.kind == Kind::Image) {
            control = bench::barePicture(window, r, row.picture, 0);
        }
        if (control)
            bench::addBareToolTip(tips, window, control, row.toolTip);
    }
    OutputDebugStringA("M controls");
    ShowWindow(window, SW_SHOW);
    OutputDebugStringA("M showwindow");
    UpdateWindow(window);
    OutputDebugStringA("M shown");

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
