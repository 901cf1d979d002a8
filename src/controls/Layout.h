#pragma once
// Window layouts as data: every control of a window with its kind, caption, place at
// 96 dpi, font and telling properties. The forms create their controls from these rows.
#include <windows.h>

#include <span>
#include <string_view>

namespace controls {

enum class Kind {
    Timer,
    Label,      // sizes itself to its caption, one line
    LinkLabel,  // dark blue, bold, underlined, hand cursor, clickable
    Image,      // picture button that never takes the focus
    PictureBox, // picture button in the tab order
    CheckBox,
    Button, // a command button
    ListBox,
    TextBox,
    Line,       // decoration drawn by the window
    Frame,      // decoration, and the container of the controls placed in it
    FilledRect, // decoration
};

// Colours follow the usual convention: 0x00BBGGRR, or a system colour index marked by the
// high bit, so the table can say "the button-face colour" whatever the theme.
constexpr COLORREF systemColor(int index) {
    return 0x80000000u | static_cast<COLORREF>(index);
}
constexpr bool isSystemColor(COLORREF color) {
    return (color & 0x80000000u) != 0;
}
COLORREF resolveColor(COLORREF color);

constexpr COLORREF silver = RGB(192, 192, 192);
constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF linkBlue = RGB(0, 0, 192);
constexpr COLORREF noColor = 0xFFFFFFFFu; // "as the system draws it"

struct FontDescription {
    const wchar_t* face = L"Tahoma";
    float points = 8.25f;
    int weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    BYTE charset = ANSI_CHARSET;

    // The face by its name: one name kept in two places is one face.
    friend bool operator==(const FontDescription& a, const FontDescription& b) {
        const auto name = [](const wchar_t* text) { return std::wstring_view(text ? text : L""); };
        return name(a.face) == name(b.face) && a.points == b.points && a.weight == b.weight &&
               a.italic == b.italic && a.underline == b.underline && a.strikeout == b.strikeout &&
               a.charset == b.charset;
    }
};

constexpr FontDescription tahoma{};
constexpr FontDescription tahomaBold{.weight = FW_BOLD};
constexpr BYTE arabicCharset = 178;

struct Place {
    int left = 0, top = 0, width = 0, height = 0; // width 0: a label sizes itself
};
struct Point {
    int x = 0, y = 0;
};
struct NumberItems {
    int first = 0, last = -1; // a list box's stored entries: the numbers first..last as text
};

enum Flag : unsigned {
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    HandCursor = 1u << 2,
    Sorted = 1u << 3,
    MultiLine = 1u << 4,
    VScroll = 1u << 5,
    HScroll = 1u << 6,
    EndEllipsis = 1u << 7, // a label too long for its room ends in "..."
    ReadOnly = 1u << 8,    // a text box whose text can be selected and copied, not changed
};

struct ControlLayout {
    std::wstring_view name{};
    Kind kind = Kind::Label;
    std::wstring_view container{}; // empty: the window's client area
    std::wstring_view caption{};   // caption, text or the timer's nothing
    Place place{};
    Point from{}, to{};            // lines only
    FontDescription font = tahoma; // the window's font unless stated
    unsigned flags = 0;
    std::wstring_view toolTip{};
    int picture = 0;              // resource id of the picture
    COLORREF foreColor = noColor; // text or line colour
    COLORREF backColor = noColor; // fill of frames and rectangles
    int tabIndex = -1;            // position in the tab order, -1: never takes the focus
    UINT interval = 0;            // timers, in milliseconds
    NumberItems items{};          // list boxes
    int thickness = 1;            // lines, in pixels at 96 dpi
    int maxWidth = 0;             // labels that size themselves: at most this wide
};

struct FormLayout {
    std::wstring_view name{};
    std::wstring_view caption{};
    int clientWidth = 0, clientHeight = 0; // 96 dpi, below the menu bar
    int icon = 0;
    std::span<const ControlLayout> controls{}; // front to back
    bool acceptsFiles = false;                 // files dragged from the shell may be dropped
};

// A common dialog's stored settings; whatever else a command needs it sets when it shows it.
struct CommonDialogSettings {
    std::wstring_view name{};
    std::wstring_view title{};
    std::wstring_view filter{}; // "description|pattern"
};

const ControlLayout* findControl(const FormLayout& form, std::wstring_view name);

// The one place where 96-dpi layout units become pixels.
int scale(int value96, int dpi);
// A point size as a character height in pixels, rounded, true to size: the sample's.
int fontHeight(float points, int dpi);
// The windows' own text: its 96-dpi pixel height scaled down to whole pixels, so that text
// never grows faster than the layout around it.
int layoutFontHeight(float points, int dpi);

} // namespace controls
