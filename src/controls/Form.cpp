#include "controls/Form.h"

#include "controls/Control.h"
#include "controls/Decoration.h"
#include "controls/Dpi.h"
#include "controls/Geometry.h"
#include "controls/MenuItem.h"
#include "controls/Timer.h"
#include "controls/WindowClass.h"
#include "platform/WindowProcedure.h"

#include <shellapi.h>

#include <algorithm>

namespace controls {

namespace {

constexpr DWORD formStyle = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD formExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;

// Where a window of that size is centred on the main screen's work area.
POINT centredOnScreen(SIZE frame) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    return {work.left + (work.right - work.left - frame.cx) / 2,
            work.top + std::max(0L, (work.bottom - work.top - frame.cy) / 2)};
}

constexpr int firstControlId = 100;

// Registered when the first form is made.
ATOM formClass = 0;

// A layout whose kind its member's class does not show, or a member without a layout, is a
// mistake in the program's own tables: a debugger hears of it, and the window goes on
// without that control (whose calls then do nothing) rather than failing its user.
void refuse(const FormLayout& form, std::wstring_view name, const wchar_t* why) {
    const std::wstring report =
        std::wstring(form.name) + L"." + std::wstring(name) + L": " + why + L"; left out\n";
    OutputDebugStringW(report.c_str());
}
void refuse(const FormLayout& form, const ControlLayout& layout) {
    refuse(form, layout.name, L"the layout's kind is not one its member shows");
}

} // namespace

Form::Form(const FormLayout& layout, std::span<const MenuItemLayout> menu)
    : layout_(layout), menu_(menu) {}

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
    startTimers();
    raise(onLoad);
}

void Form::createWindow() {
    if (!formClass)
        formClass = registerWindowClass(
            {.name = L"GlyphmereForm",
             .procedure = platform::boundProcedure<&Form::handle>,
             .background = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1))});
    if (!formClass)
        return;
    // Made with its menu bar, at the size and place it takes at the screen's dpi: at the
    // window's own dpi, or with a menu bar that wraps, it is fitted again.
    const int dpi = screenDpi();
    const SIZE frame = frameSize(scale(layout_.clientWidth, dpi), scale(layout_.clientHeight, dpi),
                                 formStyle, formExStyle, !menu_.empty(), dpi);
    const POINT at = centredOnScreen(frame);
    platform::Menu bar = menu_.empty() ? platform::Menu() : buildMenuBar(menu_);
    const std::wstring caption(layout_.caption);
    CreateWindowExW(formExStyle, MAKEINTATOM(formClass), caption.c_str(), formStyle, at.x, at.y,
                    frame.cx, frame.cy, nullptr, bar.get(), GetModuleHandleW(nullptr), this);
    if (!hwnd_)
        return;
    bar.release(); // the window's now, destroyed with it
    dpi_ = windowDpi(hwnd_);
    fonts_ = FontCache(dpi_);
    if (!menu_.empty())
        accelerators_.reset(buildAccelerators(menu_));
    fitToClient(dpi_ != dpi);
    loadIcons();
    if (layout_.acceptsFiles)
        DragAcceptFiles(hwnd_, TRUE);
}

void Form::createControls() {
    // The tab order follows the stacking of the windows: the controls that take the focus
    // are made first, in tab order, then the others front to back.
    std::vector<const ControlLayout*> order;
    for (const auto& layout : layout_.controls)
        order.push_back(&layout);
    std::stable_sort(order.begin(), order.end(),
                     [](const ControlLayout* a, const ControlLayout* b) {
                         const bool aTabs = a->tabIndex >= 0, bTabs = b->tabIndex >= 0;
                         if (aTabs != bTabs)
                             return aTabs;
                         return aTabs && a->tabIndex < b->tabIndex;
                     });

    for (const ControlLayout* layout : order) {
        Control* c = control(layout->name);
        if (!c)
            continue;
        const bool field = layout->kind == Kind::TextBox || layout->kind == Kind::ListBox;
        const COLORREF back =
            field ? GetSysColor(COLOR_WINDOW) : backgroundAt(layout_, *layout, dpi_);
        const COLORREF fore = resolveColor(
            layout->foreColor != noColor ? layout->foreColor
                                         : systemColor(field ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
        const int id = firstControlId + static_cast<int>(created_.size());
        created_.push_back(c);
        if (!c->make(hwnd_, id, *layout, pixels(layout_, *layout, dpi_), fore, back))
            refuse(layout_, *layout);
    }

    for (const Control* c : controls_)
        if (!findControl(layout_, c->name()))
            refuse(layout_, c->name(), L"a member without a layout");
    for (const std::wstring_view name : rowsWithoutMember())
        refuse(layout_, name, L"a row without a member");

    toolTips_.create(hwnd_);
    for (Control* c : created_)
        if (c->hwnd() && !c->layout().toolTip.empty())
            setToolTip(*c, std::wstring(c->layout().toolTip));

    for (const Decoration* decoration : decorations_) {
        const ControlLayout* layout = findControl(layout_, decoration->name());
        if (!layout)
            refuse(layout_, decoration->name(), L"a member without a layout");
        else if (!Decoration::paints(*layout))
            refuse(layout_, *layout);
    }
}

std::vector<std::wstring_view> Form::rowsWithoutMember() const {
    const auto named = [](std::wstring_view name) {
        return [name](const auto* member) { return member->name() == name; };
    };
    std::vector<std::wstring_view> rows;
    for (const ControlLayout& row : layout_.controls)
        if (std::none_of(controls_.begin(), controls_.end(), named(row.name)) &&
            std::none_of(decorations_.begin(), decorations_.end(), named(row.name)) &&
            std::none_of(timers_.begin(), timers_.end(), named(row.name)))
            rows.push_back(row.name);
    return rows;
}

void Form::startTimers() {
    UINT_PTR timerId = 1;
    for (Timer* timer : timers_) {
        const ControlLayout* layout = findControl(layout_, timer->name());
        if (layout && layout->kind == Kind::Timer)
            timer->start(hwnd_, timerId++, *layout);
        else if (layout)
            refuse(layout_, *layout);
    }
}

void Form::fitToClient(bool centre) {
    const int width = scale(layout_.clientWidth, dpi_);
    const int height = scale(layout_.clientHeight, dpi_);
    RECT client;
    GetClientRect(hwnd_, &client);
    if (!centre && client.right == width && client.bottom == height)
        return;
    const SIZE frame = frameSize(width, height, formStyle, formExStyle, !menu_.empty(), dpi_);
    const POINT at = centre ? centredOnScreen(frame) : POINT{};
    SetWindowPos(hwnd_, nullptr, at.x, at.y, frame.cx, frame.cy,
                 (centre ? 0 : SWP_NOMOVE) | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps onto a second line, or a frame other than foreseen, takes its
    // room from the client area: give it back.
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

void Form::paintDecorations(HDC dc) {
    // Back to front, so that a band lies behind the lines drawn on it.
    for (auto layout = layout_.controls.rbegin(); layout != layout_.controls.rend(); ++layout)
        if (Decoration::paints(*layout))
            for (const Decoration* decoration : decorations_)
                if (decoration->name() == layout->name)
                    decoration->paint(dc, *layout);
}

void Form::rescale(int dpi) {
    if (!hwnd_ || dpi <= 0 || dpi == dpi_)
        return;
    dpi_ = dpi;
    // Every control takes its place and font for the new dpi; the old fonts go after.
    const FontCache oldFonts = std::exchange(fonts_, FontCache(dpi_));
    for (Control* c : created_)
        if (c && c->hwnd())
            c->rescale(pixels(layout_, c->layout(), dpi_));
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
    for (Control* c : created_)
        if (c)
            c->windowGone();
    created_.clear();
    fonts_ = FontCache(dpi_);
    brushes_ = BrushCache();
    accelerators_.reset();
    smallIcon_.reset();
    bigIcon_.reset();
    toolTips_.windowGone(); // a child of the form: gone with it
    lastFocus_ = nullptr;
    hwnd_ = nullptr;
}

void Form::forget(Control& control) {
    std::erase(controls_, &control);
    std::replace(created_.begin(), created_.end(), &control, static_cast<Control*>(nullptr));
}

void Form::forget(Decoration& decoration) {
    std::erase(decorations_, &decoration);
}

void Form::forget(MenuItem& item) {
    std::erase(menuItems_, &item);
}

void Form::forget(Timer& timer) {
    std::erase(timers_, &timer);
}

Control* Form::control(std::wstring_view name) const {
    for (Control* c : controls_)
        if (c->name() == name)
            return c;
    return nullptr;
}

MenuItem* Form::menuItem(std::wstring_view name) const {
    for (MenuItem* item : menuItems_)
        if (item->name() == name)
            return item;
    return nullptr;
}

Control* Form::controlOf(HWND child) const {
    const int index = GetDlgCtrlID(child) - firstControlId;
    if (index < 0 || static_cast<size_t>(index) >= created_.size())
        return nullptr;
    Control* c = created_[static_cast<size_t>(index)];
    return c && c->hwnd() == child ? c : nullptr;
}

void Form::setToolTip(const Control& control, const std::wstring& text) {
    toolTips_.set(control.hwnd(), text);
}

void Form::show() {
    load();
    if (!hwnd_)
        return;
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
}

void Form::setCaption(const std::wstring& caption) {
    if (hwnd_)
        SetWindowTextW(hwnd_, caption.c_str());
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

void Form::remind() {
    if (hwnd_)
        PostMessageW(hwnd_, reminderMessage, 0, 0);
}

void Form::minimize() {
    if (hwnd_)
        ShowWindow(hwnd_, SW_MINIMIZE);
}

} // namespace controls
