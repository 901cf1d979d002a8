#include "ui/DetailsForm.h"
#include "ui/res/resource.h"

namespace ui {

using namespace controls;

namespace {

constexpr ControlLayout button(std::wstring_view name, std::wstring_view caption, int left,
                               int width, int tabIndex, unsigned flags = Disabled) {
    return {.name = name,
            .kind = Kind::Button,
            .caption = caption,
            .place = {left, 320, width, 25},
            .flags = flags,
            .tabIndex = tabIndex};
}

// Front to back. Install and Remove share a place: the window shows the one that applies.
constexpr ControlLayout controls[] = {
    {.name = L"Facts",
     .kind = Kind::TextBox,
     .place = {12, 30, 496, 278},
     .flags = MultiLine | VScroll | ReadOnly,
     .tabIndex = 0},
    {.name = L"Label1",
     .kind = Kind::Label,
     .caption = L"What Windows and the font say:",
     .place = {12, 12}},
    button(L"ShowInFolder", L"Show in &Folder", 12, 92, 1),
    button(L"VendorSite", L"&Vendor's Site", 110, 84, 2),
    button(L"DesignerSite", L"&Designer's Site", 200, 90, 3),
    button(L"LicencePage", L"&Licence Page", 296, 84, 4),
    button(L"InstallFont", L"&Install", 386, 60, 5, Hidden),
    button(L"RemoveFont", L"&Remove", 386, 60, 6, Hidden),
    button(L"CloseDetails", L"Close", 452, 56, 7, 0),
};

constexpr FormLayout layout{
    .name = L"DetailsForm",
    .caption = L"Font Details",
    .clientWidth = 520,
    .clientHeight = 357,
    .icon = IDI_PROGRAM,
    .controls = controls,
};

} // namespace

const FormLayout& detailsFormLayout() {
    return layout;
}

} // namespace ui
