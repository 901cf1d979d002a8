#include "ui/Form.h"

#include "ui/Geometry.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int firstControlId = 100;

// A row whose kind its member's class does not show is a mistake in the program's own
// tables: a debugger hears of it, and the window goes on without that control (whose calls
// then do nothing) rather than failing its user.
void refuse(const FormSpec& form, const ControlSpec& row) {
    const std::wstring report = std::wstring(form.name) + L"." + std::wstring(row.name) +
                                L": the row's kind is not one its member shows; left out\n";
    OutputDebugStringW(report.c_str());
}

} // namespace

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

    createToolTips();

    UINT_PTR timerId = 1;
    for (Timer* timer : timers_) {
        const ControlSpec* row = findControl(layout_, timer->name());
        if (row && row->kind == Kind::Timer)
            timer->start(hwnd_, timerId++, *row);
        else if (row)
            refuse(layout_, *row);
    }
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

} // namespace ui
