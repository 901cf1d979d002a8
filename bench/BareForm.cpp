#include "BareForm.h"

#include "BareCopy.h"
#include "controls/Decoration.h"
#include "controls/Geometry.h"
#include "ui/res/resource.h"

#include <map>

namespace bench {

namespace {

// The lines, frames and bands of the form whose window this is, back to front.
LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* shape =
        reinterpret_cast<const controls::FormLayout*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    // Made active, the first control in the tab order takes the focus, as in a dialog and in
    // the program's windows: the caret or focus frame is part of what the user sees.
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE)
        if (const HWND first = GetNextDlgTabItem(window, nullptr, FALSE)) {
            SetFocus(first);
            return 0;
        }
    if (message != WM_PAINT || !shape)
        return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    for (auto row = shape->controls.rbegin(); row != shape->controls.rend(); ++row) {
        if (!controls::Decoration::paints(*row))
            continue;
        const bool line = row->kind == controls::Kind::Line;
        RECT r =
            line ? controls::linePixels(*shape, *row, dpi) : controls::pixels(*shape, *row, dpi);
        const COLORREF color = line ? row->foreColor : row->backColor;
        if (color != controls::noColor) {
            const HBRUSH brush = CreateSolidBrush(controls::resolveColor(color));
            FillRect(dc, &r, brush);
            DeleteObject(brush);
        }
        if (row->kind == controls::Kind::Frame)
            DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
    }
    EndPaint(window, &paint);
    return 0;
}

} // namespace

BareForm::BareForm(const controls::Form& shape) : shape_(shape) {
    menu_ = readMenu(GetMenu(shape.hwnd()));
    if (shape.accelerators()) {
        shortcuts_.resize(
            static_cast<size_t>(CopyAcceleratorTableW(shape.accelerators(), nullptr, 0)));
        CopyAcceleratorTableW(shape.accelerators(), shortcuts_.data(),
                              static_cast<int>(shortcuts_.size()));
    }
    for (const auto& row : shape.layout().controls)
        if (const controls::Control* c = shape.control(row.name); c && c->hwnd()) {
            LOGFONTW look{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(c->hwnd(), WM_GETFONT, 0, 0)),
                       sizeof look, &look);
            controls_.push_back({c, look});
        }
    [[maybe_unused]] static const ATOM hostClass = [] {
        WNDCLASSW c{};
        c.lpfnWndProc = procedure;
        c.hInstance = GetModuleHandleW(nullptr);
        c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        c.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        c.lpszClassName = L"GlyphmereBenchBareForm";
        return RegisterClassW(&c);
    }();
}

std::vector<BareForm::MenuCopy> BareForm::readMenu(HMENU menu) {
    std::vector<MenuCopy> items(static_cast<size_t>(std::max(0, GetMenuItemCount(menu))));
    for (size_t i = 0; i < items.size(); ++i) {
        MenuCopy& item = items[i];
        item.text.resize(128);
        item.info.cbSize = sizeof item.info;
        item.info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        item.info.dwTypeData = item.text.data();
        item.info.cch = static_cast<UINT>(item.text.size());
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item.info);
        if (item.info.hSubMenu)
            item.items = readMenu(item.info.hSubMenu);
    }
    return items;
}

HMENU BareForm::makeMenu(std::vector<MenuCopy>& items, bool bar) {
    const HMENU menu = bar ? CreateMenu() : CreatePopupMenu();
    for (size_t i = 0; i < items.size(); ++i) {
        MENUITEMINFOW info = items[i].info;
        info.dwTypeData = items[i].text.data();
        if (info.hSubMenu)
            info.hSubMenu = makeMenu(items[i].items, false);
        InsertMenuItemW(menu, static_cast<UINT>(i), TRUE, &info);
    }
    return menu;
}

void BareForm::make() {
    RECT frame;
    GetWindowRect(shape_.hwnd(), &frame);
    wchar_t caption[128]{};
    GetWindowTextW(shape_.hwnd(), caption, 128);
    host = CreateWindowExW(
        static_cast<DWORD>(GetWindowLongPtrW(shape_.hwnd(), GWL_EXSTYLE)),
        L"GlyphmereBenchBareForm", caption,
        static_cast<DWORD>(GetWindowLongPtrW(shape_.hwnd(), GWL_STYLE)) & ~WS_VISIBLE, frame.left,
        frame.top, frame.right - frame.left, frame.bottom - frame.top, nullptr,
        menu_.empty() ? nullptr : makeMenu(menu_, true), GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(host, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&shape_.layout()));
    if (!shortcuts_.empty())
        shortcutTable_ =
            CreateAcceleratorTableW(shortcuts_.data(), static_cast<int>(shortcuts_.size()));
    for (const int metric : {SM_CXSMICON, SM_CXICON}) {
        const int size = GetSystemMetrics(metric);
        icons_.push_back(static_cast<HICON>(LoadImageW(
            GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, size, size, 0)));
        SendMessageW(host, WM_SETICON, metric == SM_CXICON ? ICON_BIG : ICON_SMALL,
                     reinterpret_cast<LPARAM>(icons_.back()));
    }
    const HWND tips = bareToolTips(host);
    std::map<std::string, HFONT> made; // one for each look
    for (const auto& [control, look] : controls_) {
        const HWND copy = bareCopyOf(*control, host, tips, true);
        HFONT& font = made[std::string(reinterpret_cast<const char*>(&look), sizeof look)];
        if (!font)
            fonts_.push_back(font = CreateFontIndirectW(&look));
        SendMessageW(copy, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        const auto& items = control->layout().items;
        for (int n = items.first; n <= items.last; ++n)
            SendMessageW(copy, LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(std::to_wstring(n).c_str()));
        copies.push_back(copy);
    }
}

void BareForm::destroy() {
    if (host)
        DestroyWindow(host);
    host = nullptr;
    copies.clear();
    if (shortcutTable_)
        DestroyAcceleratorTable(shortcutTable_);
    shortcutTable_ = nullptr;
    for (const HFONT font : fonts_)
        DeleteObject(font);
    for (const HICON icon : icons_)
        DestroyIcon(icon);
    fonts_.clear();
    icons_.clear();
}

} // namespace bench
