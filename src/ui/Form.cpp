#include "ui/Form.h"

#include "ui/Dpi.h"
#include "ui/Geometry.h"
#include "ui/WindowClass.h"
#include "ui/WindowProcedure.h"

#include <shellapi.h>

#include <algorithm>

namespace ui {

namespace {

constexpr DWORD formStyle = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD formExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;

// Registered when the first form is made.
ATOM formClass = 0;

} // namespace

Form::Form(const FormSpec& layout, std::span<const MenuSpec> menu) : layout_(layout), menu_(menu) {}

Form::~Form() {
    if (hwnd_)
        DestroyWindow(hwnd_);
}

bool Form::isForm(HWND window) {
    return window && formClass && GetClassLongPtrW(window, GCW_ATOM) == formClass;
}

void Form::load() {
    if (hwnd_)
        return;
    createWindow();
    if (!hwnd_)
        return;
    createControls();
    raise(onLoad);
}

void Form::createWindow() {
    if (!formClass)
        formClass = registerWindowClass(
            {.name = L"GlyphmereForm",
             .procedure = boundProcedure<&Form::handle>,
             .background = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1))});
    if (!formClass)
        return;
    const std::wstring caption(layout_.caption);
    CreateWindowExW(formExStyle, MAKEINTATOM(formClass), caption.c_str(), formStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!hwnd_)
        return;
    dpi_ = windowDpi(hwnd_);
    if (!menu_.empty()) {
        platform::Menu bar = buildMenuBar(menu_);
        if (SetMenu(hwnd_, bar.get()))
            bar.release(); // the window's now, destroyed with it
        accelerators_.reset(buildAccelerators(menu_));
    }
    fitToClient();
    loadIcons();
    if (layout_.acceptsFiles)
        DragAcceptFiles(hwnd_, TRUE);
}

void Form::fitToClient() {
    const int width = scale(layout_.clientWidth, dpi_);
    const int height = scale(layout_.clientHeight, dpi_);
    const SIZE frame = frameSize(width, height, formStyle, formExStyle, !menu_.empty(), dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.cx, frame.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps onto a second line, or a frame other than foreseen, takes its
    // room from the client area: give it back.
    RECT client;
    GetClientRect(hwnd_, &client);
    const int wider = width - client.right, taller = height - client.bottom;
    if (wider || taller)
        SetWindowPos(hwnd_, nullptr, 0, 0, frame.cx + wider, frame.cy + taller,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::loadIcons() {
    if (!layout_.icon)
        return;
    const auto load = [this](int metric) {
        const int size = systemMetric(metric, dpi_);
        return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                             MAKEINTRESOURCEW(layout_.icon), IMAGE_ICON, size, size,
                                             LR_DEFAULTCOLOR));
    };
    platform::Icon small(load(SM_CXSMICON)), big(load(SM_CXICON));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    // The window shows the new ones now: the old ones go.
    smallIcon_ = std::move(small);
    bigIcon_ = std::move(big);
}

void Form::rescale(int dpi) {
    if (!hwnd_ || dpi <= 0 || dpi == dpi_)
        return;
    dpi_ = dpi;
    // Every control takes its place and font for the new dpi; the old fonts go after.
    auto oldFonts = std::move(fonts_);
    fonts_.clear();
    for (Control* c : created_)
        if (c && c->hwnd())
            c->rescale(pixels(layout_, c->layout(), dpi_));
    oldFonts.clear();
    loadIcons();
    fitToClient();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Form::unload() {
    if (!hwnd_)
        return;
    raise(onUnload);
    if (hwnd_)
        DestroyWindow(hwnd_);
}

void Form::releaseResources() {
    for (Timer* timer : timers_)
        timer->stop();
    for (Control* c : created_) {
        if (!c)
            continue;
        c->releaseWindowResources();
        c->hwnd_ = nullptr;
        c->layout_ = nullptr;
    }
    created_.clear();
    fonts_.clear();
    brushes_.clear();
    accelerators_.reset();
    smallIcon_.reset();
    bigIcon_.reset();
    toolTips_ = nullptr; // a child of the form: gone with it
    tipped_.clear();
    lastFocus_ = nullptr;
    shownOnce_ = false;
    hwnd_ = nullptr;
}

void Form::show() {
    load();
    if (!hwnd_)
        return;
    if (!shownOnce_) {
        shownOnce_ = true;
        RECT frame;
        GetWindowRect(hwnd_, &frame);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& work = monitor.rcWork;
        const int width = frame.right - frame.left, height = frame.bottom - frame.top;
        SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - width) / 2,
                     work.top + std::max(0L, (work.bottom - work.top - height) / 2), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
}

void Form::hide() {
    if (hwnd_)
        ShowWindow(hwnd_, SW_HIDE);
}

bool Form::visible() const {
    return hwnd_ && IsWindowVisible(hwnd_);
}

void Form::setEnabled(bool enabled) {
    if (hwnd_)
        EnableWindow(hwnd_, enabled);
}

bool Form::enabled() const {
    return hwnd_ && IsWindowEnabled(hwnd_);
}

void Form::bringToFront() {
    if (!hwnd_)
        return;
    BringWindowToTop(hwnd_);
    SetForegroundWindow(hwnd_);
}

void Form::minimize() {
    if (hwnd_)
        ShowWindow(hwnd_, SW_MINIMIZE);
}

bool Form::minimized() const {
    return hwnd_ && IsIconic(hwnd_);
}

} // namespace ui
