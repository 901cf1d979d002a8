#include "Version.h"
#include "ui/Fonts.h"
#include "ui/MainForm.h"
#include "ui/res/resource.h"

namespace ui {

using namespace controls;

namespace {

constexpr COLORREF scrollBar = systemColor(COLOR_SCROLLBAR);

// The welcome's longer lines end where the donation picture begins, whatever font draws them:
// a font wider than the one they were laid out in is cut there. (Not with "...": Wine
// measures this font wider than it draws it, and would end lines that fit.)
constexpr int bannerTextWidth = 678 - 112;

constexpr ControlLayout picture(std::wstring_view name, std::wstring_view container, Place place,
                                int id, std::wstring_view toolTip, int tabIndex = -1) {
    return {.name = name,
            .kind = tabIndex >= 0 ? Kind::PictureBox : Kind::Image,
            .container = container,
            .place = place,
            .flags = HandCursor,
            .toolTip = toolTip,
            .picture = id,
            .tabIndex = tabIndex};
}

constexpr ControlLayout silverLine(std::wstring_view name, Point from, Point to) {
    return {.name = name,
            .kind = Kind::Line,
            .container = L"FontFrame",
            .from = from,
            .to = to,
            .foreColor = silver};
}

constexpr ControlLayout effectBox(std::wstring_view name, std::wstring_view caption, Place place,
                                  FontDescription font, int tabIndex) {
    return {.name = name,
            .kind = Kind::CheckBox,
            .container = L"FontFrame",
            .caption = caption,
            .place = place,
            .font = font,
            .tabIndex = tabIndex};
}

// Front to back within each container.
constexpr ControlLayout controls[] = {
    // The white banner; only its lower edge shows, as a line across the window.
    {.name = L"Frame3", .kind = Kind::Frame, .place = {-38, -6, 789, 77}, .backColor = white},
    picture(L"Image4", L"Frame3", {678, 30, 60, 21}, IDP_DONATE, L"Donate with PayPal"),
    {.name = L"Image3",
     .kind = Kind::Image,
     .container = L"Frame3",
     .place = {50, 14, 56, 56},
     .picture = IDP_LOGO},
    {.name = L"Label3",
     .kind = Kind::Label,
     .container = L"Frame3",
     .caption = L"You can display your explored Windows fonts in an easy and elegant manner no "
                L"matter how many fonts you have.",
     .place = {112, 48},
     .maxWidth = bannerTextWidth},
    {.name = L"Label2",
     .kind = Kind::Label,
     .container = L"Frame3",
     .caption = L"Glyphmere is a small program which gives you the ability to explore your "
                L"Windows fonts.",
     .place = {112, 34},
     .maxWidth = bannerTextWidth},
    {.name = L"Label1",
     .kind = Kind::Label,
     .container = L"Frame3",
     .caption = L"Welcome to Glyphmere " GLYPHMERE_VERSION_W,
     .place = {112, 20},
     .font = tahomaBold},
    picture(L"Image9", L"Frame3", {718, 14, 16, 16}, IDP_CLOSE, L"Exit Glyphmere"),
    picture(L"Image8", L"Frame3", {697, 14, 16, 16}, IDP_MINIMIZE, L"Minimize to taskbar"),

    // The main panel with every working control.
    {.name = L"FontFrame", .kind = Kind::Frame, .place = {12, 76, 689, 441}},

    // Tool row
    picture(L"RefreshList", L"FontFrame", {10, 20, 32, 32}, IDP_REFRESH, L"Refresh fonts list"),
    picture(L"FontFolder", L"FontFrame", {49, 20, 32, 32}, IDP_FOLDER,
            L"Open Windows Fonts folder"),
    picture(L"SaveReport", L"FontFrame", {88, 20, 32, 32}, IDP_REPORT, L"Report..."),
    picture(L"CopyFontName", L"FontFrame", {127, 20, 32, 32}, IDP_COPY_NAME, L"Copy font name"),
    picture(L"FontCounterTool", L"FontFrame", {167, 20, 32, 32}, IDP_COUNTER, L"Fonts Counter"),
    picture(L"CharacterMap", L"FontFrame", {206, 20, 32, 32}, IDP_CHARMAP,
            L"Run Windows\u00AE Character Map"),
    silverLine(L"ToolLine1", {45, 22}, {45, 50}),
    silverLine(L"ToolLine2", {84, 22}, {84, 50}),
    silverLine(L"ToolLine3", {123, 22}, {123, 50}),
    silverLine(L"ToolLine4", {162, 22}, {162, 50}),
    silverLine(L"ToolLine5", {202, 22}, {202, 50}),
    {.name = L"ToolRule",
     .kind = Kind::Line,
     .container = L"FontFrame",
     .from = {12, 60},
     .to = {230, 60},
     .foreColor = scrollBar},
    silverLine(L"ColumnLine", {242, 22}, {242, 426}),

    // Effects row
    {.name = L"Image1",
     .kind = Kind::Image,
     .container = L"FontFrame",
     .place = {254, 20, 32, 32},
     .picture = IDP_EFFECTS},
    effectBox(L"Bold", L"Bold", {292, 30, 45, 13}, tahomaBold, 2),
    effectBox(L"Italic", L"Italic", {341, 30, 43, 13}, {.italic = true}, 3),
    effectBox(L"Underline", L"Underline", {391, 30, 65, 13}, {.underline = true}, 4),
    effectBox(L"Strikeout", L"Strikeout", {462, 30, 63, 13}, {.strikeout = true}, 5),
    {.name = L"RemoveLabel",
     .kind = Kind::LinkLabel,
     .container = L"FontFrame",
     .caption = L"Remove all effects",
     .place = {536, 28},
     .font = {.weight = FW_BOLD, .underline = true},
     .flags = HandCursor,
     .toolTip = L"Remove all selected effects ( Bold - Italic - Underline - Strikeout )",
     .foreColor = linkBlue},
    silverLine(L"EffectsTop", {290, 24}, {666, 24}),
    silverLine(L"EffectsBottom", {290, 48}, {666, 48}),
    silverLine(L"EffectsDivider", {528, 28}, {528, 44}),

    // Finding and choosing a font
    {.name = L"Image2",
     .kind = Kind::Image,
     .container = L"FontFrame",
     .place = {10, 69, 18, 17},
     .toolTip = L"Search >",
     .picture = IDP_SEARCH},
    {.name = L"FontFind",
     .kind = Kind::TextBox,
     .container = L"FontFrame",
     .place = {32, 68, 197, 19},
     .font = boldLabelFont,
     .toolTip = L"Search",
     .tabIndex = 0},
    {.name = L"FontList",
     .kind = Kind::ListBox,
     .container = L"FontFrame",
     .place = {10, 96, 219, 329},
     .font = labelFont,
     .flags = Sorted,
     .tabIndex = 1},

    // Size and sample
    {.name = L"Sizelist",
     .kind = Kind::ListBox,
     .container = L"FontFrame",
     .place = {256, 60, 415, 134},
     .font = tahomaBold,
     .foreColor = black,
     .tabIndex = 6,
     .items = {8, 72}},
    {.name = L"Label6",
     .kind = Kind::Label,
     .container = L"FontFrame",
     .caption = L"Insert your custom text here:",
     .place = {256, 210},
     .maxWidth = 408 - 256}, // never over the picture buttons beside it
    picture(L"OpenButton", L"FontFrame", {408, 210, 16, 16}, IDP_OPEN, L"Open File..."),
    picture(L"ColorClick", L"FontFrame", {432, 210, 16, 16}, IDP_COLORS, L"Colors", 9),
    picture(L"Cut", L"FontFrame", {457, 210, 16, 16}, IDP_CUT, L" Cut ", 12),
    picture(L"Copy", L"FontFrame", {481, 210, 16, 16}, IDP_COPY, L" Copy ", 13),
    picture(L"Paste", L"FontFrame", {506, 210, 16, 16}, IDP_PASTE, L" Paste ", 8),
    picture(L"Delete", L"FontFrame", {530, 210, 16, 16}, IDP_DELETE, L" Delete ", 11),
    picture(L"UndoButton", L"FontFrame", {555, 210, 16, 16}, IDP_UNDO, L"Undo"),
    picture(L"ClearText", L"FontFrame", {579, 210, 16, 16}, IDP_CLEAR, L" Remove Current Text ",
            10),
    {.name = L"BigText",
     .kind = Kind::TextBox,
     .container = L"FontFrame",
     .place = {256, 232, 417, 194},
     .font = labelFont,
     .flags = MultiLine | HScroll | VScroll,
     .foreColor = black,
     .tabIndex = 7},
    silverLine(L"SampleRule", {256, 204}, {670, 204}),
    silverLine(L"ButtonLine1", {403, 210}, {403, 226}),
    silverLine(L"ButtonLine2", {427, 210}, {427, 226}),
    silverLine(L"ButtonLine3", {452, 210}, {452, 226}),
    silverLine(L"ButtonLine4", {476, 210}, {476, 226}),
    silverLine(L"ButtonLine5", {501, 210}, {501, 226}),
    silverLine(L"ButtonLine6", {525, 210}, {525, 226}),
    silverLine(L"ButtonLine7", {550, 210}, {550, 226}),
    silverLine(L"ButtonLine8", {574, 210}, {574, 226}),
    silverLine(L"ButtonLine9", {599, 210}, {599, 226}),

    // Never shown, never focused.
    {.name = L"WhichOne",
     .kind = Kind::TextBox,
     .container = L"FontFrame",
     .caption = L"WhichOne",
     .place = {256, 0, 0, 0},
     .flags = Hidden | Disabled},
    {.name = L"EnterLine",
     .kind = Kind::TextBox,
     .container = L"FontFrame",
     .caption = L" \r\n",
     .place = {256, 0, 0, 0},
     .flags = Hidden | MultiLine | VScroll},
};

constexpr FormLayout layout{
    .name = L"MainForm",
    .caption = L"Glyphmere - Version " GLYPHMERE_VERSION_W,
    .clientWidth = 716,
    .clientHeight = 529,
    .icon = IDI_PROGRAM,
    .controls = controls,
    .acceptsFiles = true,
};

constexpr CommonDialogSettings forOpen{L"ForOpen", L"Open File", L"Text File (*.txt)|*.txt"};
constexpr CommonDialogSettings forReport{L"ForReport", L"Save Report As",
                                         L"Glyphmere Report *.txt|*.txt"};
constexpr CommonDialogSettings colors{L"Colors", L"", L""};

} // namespace

const FormLayout& mainFormLayout() {
    return layout;
}
const CommonDialogSettings& forOpenSettings() {
    return forOpen;
}
const CommonDialogSettings& forReportSettings() {
    return forReport;
}
const CommonDialogSettings& colorsSettings() {
    return colors;
}

} // namespace ui
