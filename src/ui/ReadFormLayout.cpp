#include "Version.h"
#include "ui/ReadForm.h"
#include "ui/res/resource.h"

namespace ui {

using namespace controls;

namespace {

// Front to back.
constexpr ControlLayout controls[] = {
    {.name = L"ReadingTimer", .kind = Kind::Timer, .interval = 500},
    {.name = L"CloseClick",
     .kind = Kind::Image,
     .place = {328, 6, 16, 16},
     .flags = HandCursor,
     .toolTip = L"Terminate Glyphmere",
     .picture = IDP_CLOSE},
    {.name = L"Line1",
     .kind = Kind::Line,
     .from = {14, 48},
     .to = {342, 48},
     .foreColor = systemColor(COLOR_SCROLLBAR)},
    {.name = L"Label3",
     .kind = Kind::Label,
     .caption = L"This may take a few seconds only.",
     .place = {66, 78}},
    {.name = L"Label2",
     .kind = Kind::Label,
     .caption = L"Please wait while reading your Windows installed fonts.",
     .place = {66, 64},
     .maxWidth = 354 - 66 - 2}, // never past the window's edge
    {.name = L"Image2", .kind = Kind::Image, .place = {12, 56, 48, 48}, .picture = IDP_LOGO},
    {.name = L"Label1",
     .kind = Kind::Label,
     .caption = L"Quillwright Software Presents:",
     .place = {14, 12}},
    {.name = L"Label4",
     .kind = Kind::Label,
     .caption = L"Glyphmere - Version " GLYPHMERE_VERSION_W,
     .place = {14, 26},
     .font = tahomaBold},
    {.name = L"Shape1",
     .kind = Kind::FilledRect,
     .place = {-54, -24, 535, 265},
     .backColor = systemColor(COLOR_BTNFACE)},
};

constexpr FormLayout layout{
    .name = L"ReadForm",
    .caption = L"Glyphmere " GLYPHMERE_VERSION_W,
    .clientWidth = 354,
    .clientHeight = 115,
    .icon = IDI_PROGRAM,
    .controls = controls,
};

} // namespace

const FormLayout& readFormLayout() {
    return layout;
}

} // namespace ui
