#include "Version.h"
#include "ui/AboutForm.h"
#include "ui/Fonts.h"
#include "ui/Product.h"
#include "ui/res/resource.h"

#include <string>

namespace ui {

using namespace controls;

namespace {

// A label that sizes itself, up to `widest` when it has a neighbour on its line.
constexpr ControlLayout label(std::wstring_view name, std::wstring_view caption, Place place,
                              int widest = 0, unsigned flags = 0) {
    return {.name = name,
            .kind = Kind::Label,
            .caption = caption,
            .place = place,
            .font = labelFont,
            .flags = flags,
            .maxWidth = widest};
}

// The texts that join fixed words with the product's names.
const std::wstring voteNote =
    L"Note : If you liked Glyphmere please vote for it at " + std::wstring(product::firstSiteName);
const std::wstring voteTip = L"Vote for Glyphmere at " + std::wstring(product::firstSiteName);

// Front to back.
const ControlLayout controls[] = {
    {.name = L"Image3", .kind = Kind::Image, .place = {32, 30, 56, 56}, .picture = IDP_LOGO},
    label(L"Label3", L"Glyphmere " GLYPHMERE_VERSION_W, {92, 38}),
    label(L"Label4", product::rightsNotice, {92, 52}, 376 - 92, EndEllipsis), // Image1
    // Wine measures this font wider than it draws it: no "..." where the text would fit.
    label(L"Label2", L"Registered to:", {92, 66}, 164 - 92), // UserName
    // Up to the donation picture; a longer name ends in "..." and shows whole in its tip.
    {.name = L"UserName",
     .kind = Kind::Label,
     .caption = L"Computer User",
     .place = {164, 66},
     .font = boldLabelFont,
     .flags = EndEllipsis,
     .maxWidth = 208},
    {.name = L"Image1",
     .kind = Kind::Image,
     .place = {376, 36, 121, 43},
     .flags = HandCursor,
     .toolTip = L"Donate with PayPal",
     .picture = IDP_DONATE},
    label(L"Label8", L"Contact:", {40, 92}),
    label(L"Label9", L"E-Mail :", {40, 108}),
    {.name = L"Label6",
     .kind = Kind::LinkLabel,
     .caption = product::supportAddress,
     .place = {78, 108},
     .font = linkFont,
     .flags = HandCursor,
     .toolTip = L"Contact Quillwright Software",
     .foreColor = linkBlue},
    label(L"Label15", product::legalWarning, {40, 130, 445, 57}),
    {.name = L"Label10",
     .kind = Kind::LinkLabel,
     .caption = voteNote,
     .place = {40, 196},
     .font = linkFont,
     .flags = HandCursor,
     .toolTip = voteTip,
     .foreColor = linkBlue},
    label(L"Label12", L"Glyphmere " GLYPHMERE_VERSION_W, {40, 220}),
    label(L"Label5", product::rightsNotice, {40, 234}),
    label(L"Label14", product::secondRightsLine, {40, 248}),
    {.name = L"Frame1", .kind = Kind::Frame, .place = {-30, 290, 567, 61}},
    {.name = L"About_License",
     .kind = Kind::Button,
     .container = L"Frame1",
     .caption = L"Glyphmere License Agreement",
     .place = {162, 20, 233, 23},
     .tabIndex = 0},
    {.name = L"MinimizeToTray2",
     .kind = Kind::Button,
     .container = L"Frame1",
     .caption = L"OK",
     .place = {406, 20, 135, 23},
     .tabIndex = 1},
    {.name = L"Shape1",
     .kind = Kind::FilledRect,
     .place = {20, 14, 491, 263},
     .backColor = systemColor(COLOR_WINDOW)},
};

const FormLayout layout{
    .name = L"AboutForm",
    .caption = L"About Glyphmere",
    .clientWidth = 533,
    .clientHeight = 348,
    .icon = IDI_PROGRAM,
    .controls = controls,
};

} // namespace

const FormLayout& aboutFormLayout() {
    return layout;
}

} // namespace ui
