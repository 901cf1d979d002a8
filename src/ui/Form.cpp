#include "ui/Form.h"

#include "ui/Dpi.h"
#include "ui/DroppedFiles.h"
#include "ui/Geometry.h"
#include "ui/WindowClass.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

namespace ui {

namespace {

constexpr int firstControlId = 100;
constexpr DWORD formStyle = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD formExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;

// Registered when the first form is made.
ATOM formClass = 0;

// A row whose kind its member's class does not show is a mistake in the program's own
// tables: a debugger hears of it, and the window goes on without that control (whose calls
// then do nothing) rather than failing its user.
void refuse(const FormSpec& form, const ControlSpec& row) {
    const std::wstring report = std::wstring(form.name) + L"." + std::wstring(row.name) +
                                L": the row's kind is not one its member shows; left out\n";
    OutputDebugStringW(report.c_str());
}

HWND firstTabStop(HWND window) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED))
            return child;
    }
    return nullptr;
}

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
             .procedure = procedure,
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
        SetMenu(hwnd_, buildMenuBar(menu_));
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

void Form::createControls() {
    // The tab order follows the stacking of the windows: the controls that take the focus
    // are made first, in tab order, then the others front to back.
    std::vector<const ControlSpec*> order;
    for (const auto& row : layout_.controls)
        order.push_back(&row);
    std::stable_sort(order.begin(), order.end(), [](const ControlSpec* a, const ControlSpec* b) {
        const bool aTabs = a->tabIndex >= 0, bTabs = b->tabIndex >= 0;
        if (aTabs != bTabs)
            return aTabs;
        return aTabs && a->tabIndex < b->tabIndex;
    });

    for (const ControlSpec* row : order) {
        Control* c = control(row->name);
        if (!c)
            continue;
        c->layout_ = row;
        const bool field = row->kind == Kind::TextBox || row->kind == Kind::ListBox;
        c->backColor_ = field ? GetSysColor(COLOR_WINDOW) : backgroundAt(layout_, *row, dpi_);
        const COLORREF fore = row->foreColor != noColor
                                  ? row->foreColor
                                  : systemColor(field ? COLOR_WINDOWTEXT : COLOR_BTNTEXT);
        c->foreColor_ = resolveColor(fore);
        const int id = firstControlId + static_cast<int>(created_.size());
        created_.push_back(c);
        if (c->shows(*row))
            c->create(hwnd_, id, pixels(layout_, *row, dpi_));
        else
            refuse(layout_, *row);
    }

    toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    for (Control* c : created_)
        if (!c->layout().toolTip.empty())
            setToolTip(*c, std::wstring(c->layout().toolTip));

    UINT_PTR timerId = 1;
    for (Timer* timer : timers_) {
        const ControlSpec* row = findControl(layout_, timer->name());
        if (row && row->kind == Kind::Timer)
            timer->start(hwnd_, timerId++, *row);
        else if (row)
            refuse(layout_, *row);
    }
}

void Form::setToolTip(const Control& control, const std::wstring& text) {
    if (!toolTips_ || !control.hwnd())
        return;
    std::wstring copy = text; // the message takes a pointer that is not const
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(control.hwnd());
    tool.lpszText = copy.data();
    // Asking the tool-tip control whether it knows the tool would copy the old text into
    // the buffer given, however long: the form remembers instead.
    const bool known = std::find(tipped_.begin(), tipped_.end(), control.hwnd()) != tipped_.end();
    if (known)
        SendMessageW(toolTips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    else if (SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)))
        tipped_.push_back(control.hwnd());
    // A label takes the mouse only when it has something to say.
    wchar_t windowClass[16] = {};
    GetClassNameW(control.hwnd(), windowClass, 16);
    if (_wcsicmp(windowClass, L"Static") == 0)
        SetWindowLongPtrW(control.hwnd(), GWL_STYLE,
                          GetWindowLongPtrW(control.hwnd(), GWL_STYLE) | SS_NOTIFY);
}

HFONT Form::font(const FontSpec& wanted) {
    for (const auto& known : fonts_)
        if (known.description == wanted)
            return known.handle.get();
    platform::Font handle(CreateFontW(layoutFontHeight(wanted.points, dpi_), 0, 0, 0, wanted.weight,
                                      wanted.italic, wanted.underline, wanted.strikeout,
                                      wanted.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                      DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, wanted.face));
    if (!handle)
        return nullptr; // a failure is tried again next time, not remembered as a font
    auto face = std::make_unique<std::wstring>(wanted.face ? wanted.face : L"");
    FontSpec description = wanted;
    description.face = face->c_str();
    fonts_.push_back({std::move(face), description, std::move(handle)});
    return fonts_.back().handle.get();
}

HBRUSH Form::brush(COLORREF color) {
    auto [at, added] = brushes_.try_emplace(color);
    if (added)
        at->second.reset(CreateSolidBrush(color));
    return at->second.get();
}

void Form::forget(Control& control) {
    std::erase(controls_, &control);
    std::replace(created_.begin(), created_.end(), &control, static_cast<Control*>(nullptr));
}

void Form::forget(Timer& timer) {
    std::erase(timers_, &timer);
}

void Form::forget(MenuItem& item) {
    std::erase(menuItems_, &item);
}

Control* Form::control(std::wstring_view name) const {
    for (Control* c : controls_)
        if (c->name() == name)
            return c;
    return nullptr;
}

Control* Form::controlOf(HWND child) const {
    const int index = GetDlgCtrlID(child) - firstControlId;
    if (index < 0 || static_cast<size_t>(index) >= created_.size())
        return nullptr;
    Control* c = created_[static_cast<size_t>(index)];
    return c && c->hwnd_ == child ? c : nullptr;
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

void Form::paintDecorations(HDC dc) {
    // Back to front, so that a band lies behind the lines drawn on it.
    for (auto row = layout_.controls.rbegin(); row != layout_.controls.rend(); ++row) {
        switch (row->kind) {
        case Kind::FilledRect: {
            const RECT r = pixels(layout_, *row, dpi_);
            FillRect(dc, &r, brush(resolveColor(row->backColor)));
            break;
        }
        case Kind::Frame: {
            RECT r = pixels(layout_, *row, dpi_);
            if (row->backColor != noColor)
                FillRect(dc, &r, brush(resolveColor(row->backColor)));
            DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
            break;
        }
        case Kind::Line: {
            const RECT r = linePixels(layout_, *row, dpi_);
            FillRect(dc, &r, brush(resolveColor(row->foreColor)));
            break;
        }
        default:
            break;
        }
    }
}

LRESULT Form::colors(HDC dc, HWND child, COLORREF defaultBack) {
    const Control* c = controlOf(child);
    if (!c) {
        SetBkColor(dc, defaultBack);
        return reinterpret_cast<LRESULT>(brush(defaultBack));
    }
    SetTextColor(dc, c->foreColor());
    SetBkColor(dc, c->backColor());
    return reinterpret_cast<LRESULT>(brush(c->backColor()));
}

void Form::filesDropped(WPARAM drop) {
    const std::vector<std::wstring> files = takeDroppedFiles(drop);
    // A window that waits for a dialog or a message box takes no drop, as it takes no click.
    if (!files.empty() && onFilesDropped && IsWindowEnabled(hwnd_))
        raise([&] { onFilesDropped(files); });
}

LRESULT CALLBACK Form::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Form*>(create->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    try {
        return self->handle(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT Form::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam) {
            if (Control* c = controlOf(reinterpret_cast<HWND>(lParam)))
                c->notify(HIWORD(wParam));
        } else if (LOWORD(wParam) == IDCANCEL) {
            raise(onEscape);
        } else if (const int row = LOWORD(wParam) - firstMenuId;
                   row >= 0 && static_cast<size_t>(row) < menu_.size()) {
            for (MenuItem* item : menuItems_)
                if (item->name() == menu_[static_cast<size_t>(row)].name)
                    raise(item->onClick);
        }
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return colors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                      GetSysColor(COLOR_BTNFACE));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return colors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                      GetSysColor(COLOR_WINDOW));
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT)
            if (const Control* c = controlOf(reinterpret_cast<HWND>(wParam));
                c && (c->layout().flags & HandCursor)) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
        break;
    case WM_TIMER:
        for (Timer* timer : timers_)
            if (timer->id_ == wParam && timer->enabled())
                raise(timer->onTick);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        paintDecorations(dc);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd_, focus))
                lastFocus_ = focus;
        } else if (!HIWORD(wParam)) {
            // Back where the user was, or the first control in the tab order.
            HWND target = lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_)
                              ? lastFocus_
                              : firstTabStop(hwnd_);
            if (target) {
                SetFocus(target);
                return 0;
            }
        }
        break;
    case WM_CLOSE:
        raise(onCloseRequest);
        return 0;
    case WM_DROPFILES:
        filesDropped(wParam);
        return 0;
    case WM_DPICHANGED: {
        // Moved to a screen of another dpi: the layout again at the new scale, where the
        // system suggests.
        rescale(HIWORD(wParam));
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        if (suggested)
            SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_NCDESTROY: {
        HWND window = hwnd_;
        releaseResources();
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

} // namespace ui
