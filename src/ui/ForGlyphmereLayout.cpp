#include "ui/Fonts.h"
#include "ui/ForGlyphmere.h"
#include "ui/Product.h"
#include "ui/res/resource.h"

#include <string>

namespace ui {

using namespace controls;

namespace {

constexpr COLORREF scrollBar = systemColor(COLOR_SCROLLBAR);

constexpr ControlLayout label(std::wstring_view name, std::wstring_view caption, Place place) {
    return {.name = name,
            .kind = Kind::Label,
            .container = L"Frame2",
            .caption = caption,
            .place = place,
            .font = labelFont};
}

ControlLayout link(std::wstring_view name, std::wstring_view caption, Place place,
                   std::wstring_view toolTip) {
    return {.name = name,
            .kind = Kind::LinkLabel,
            .container = L"Frame2",
            .caption = caption,
            .place = place,
            .font = linkFont,
            .flags = HandCursor,
            .toolTip = toolTip,
            .foreColor = linkBlue};
}

constexpr ControlLayout picture(std::wstring_view name, Place place, int id,
                                std::wstring_view toolTip, unsigned flags = 0) {
    return {.name = name,
            .kind = Kind::Image,
            .container = L"Frame2",
            .place = place,
            .flags = flags,
            .toolTip = toolTip,
            .picture = id};
}

const std::wstring firstDomain(product::firstSiteDomain);
const std::wstring secondDomain(product::secondSiteDomain);
const std::wstring reviewTip = L"Add a review at " + std::wstring(product::firstSiteName);
const std::wstring firstGoto = L"Goto " + std::wstring(product::firstSiteOwner) + L":";
const std::wstring firstTip = L"Goto " + firstDomain;
const std::wstring secondGoto = L"Goto " + std::wstring(product::secondSiteName) + L":";
const std::wstring secondTip = L"Goto " + secondDomain;

// Front to back.
const ControlLayout controls[] = {
    {.name = L"Frame1", .kind = Kind::Frame, .place = {-100, -118, 653, 467}},
    {.name = L"Frame2", .kind = Kind::Frame, .container = L"Frame1", .place = {116, 126, 471, 267}},
    {.name = L"Label1",
     .kind = Kind::Label,
     .container = L"Frame2",
     .caption = L"Glad to hear that you liked it. These are several things you can do: ",
     .place = {14, 18},
     .font = tahomaBold},
    picture(L"Image3", {442, 14, 16, 16}, IDP_CLOSE, L"Close this window", HandCursor),
    picture(L"Image29", {18, 46, 30, 30}, IDP_CONTACT, L"Contact us"),
    label(L"Label2", L"* Contact us if you have any suggestions, opinions or notes about it on:",
          {50, 46}),
    link(L"Label6", product::supportAddress, {58, 60}, L"Contact Quillwright Software"),
    {.name = L"Line1",
     .kind = Kind::Line,
     .container = L"Frame2",
     .from = {18, 84},
     .to = {442, 84},
     .foreColor = scrollBar,
     .thickness = 2},
    picture(L"Image31", {16, 96, 30, 30}, IDP_REVIEW, reviewTip),
    label(L"Label3", L"* Tell all your friends and relatives about Glyphmere", {50, 96}),
    link(L"Label4", L"Tell-a-friend", {58, 110}, L"Tell-a-friend about Glyphmere"),
    {.name = L"Mail",
     .kind = Kind::TextBox,
     .container = L"Frame2",
     .place = {288, 110, 139, 19},
     .font = labelFont,
     .flags = Hidden},
    {.name = L"Line2",
     .kind = Kind::Line,
     .container = L"Frame2",
     .from = {18, 136},
     .to = {442, 136},
     .foreColor = scrollBar,
     .thickness = 2},
    picture(L"Image30", {16, 150, 30, 30}, IDP_TELL_A_FRIEND, L"Tell-a-friend"),
    label(L"Label5", L"* Vote for Glyphmere at the following websites:", {50, 154}),
    label(L"Label7", firstGoto, {60, 176}),
    link(L"Label8", firstDomain, {118, 176}, firstTip),
    picture(L"Image1", {60, 192, 14, 14}, IDP_NOTE, L"Note!", HandCursor),
    label(L"Label9", L"Search for Glyphmere, Open its page and click on \"Rate it!\" link.",
          {80, 192}),
    label(L"Label11", secondGoto, {60, 218}),
    link(L"Label12", secondDomain, {138, 218}, secondTip),
    picture(L"Image2", {60, 234, 14, 14}, IDP_NOTE, L"Note!", HandCursor),
    label(L"Label13", L"Search for Glyphmere, Open its page and click on \"Rate it!\" list.",
          {80, 234}),
};

const FormLayout layout{
    .name = L"ForGlyphmere",
    .caption = L"I Like Glyphmere",
    .clientWidth = 504,
    .clientHeight = 289,
    .icon = IDI_FEEDBACK,
    .controls = controls,
};

} // namespace

const FormLayout& forGlyphmereLayout() {
    return layout;
}

} // namespace ui
