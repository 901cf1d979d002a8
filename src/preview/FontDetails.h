#pragma once
// What the details window says about a font: the facts the system and the font's own tables
// give, as labelled rows. Pure: it builds and is checked on its own. A font's strings are
// untrusted; they are shown as text, and only an http or https address is ever opened.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace preview {

// The name IDs of the strings the details show.
enum NameId : std::uint16_t {
    copyrightId = 0,
    familyId = 1,
    fullNameId = 4,
    versionId = 5,
    trademarkId = 7,
    vendorId = 8,
    designerId = 9,
    descriptionId = 10,
    vendorUrlId = 11,
    designerUrlId = 12,
    licenceId = 13,
    licenceUrlId = 14,
    typographicFamilyId = 16,
};

struct FontFacts {
    std::wstring family;                           // as the list names it
    std::vector<std::wstring> styles;              // the styles the system has of the family
    std::map<std::uint16_t, std::wstring> strings; // from the font's name table, by ID
    bool trueTypeOutlines = false, postScriptOutlines = false, variable = false;
    bool bitmap = false, vector = false;    // fonts without outlines, from the system's metrics
    std::optional<std::uint16_t> embedding; // the OS/2 table's fsType
    std::optional<std::uint16_t> glyphs;    // the maxp table's count
    std::vector<std::wstring> files;        // full paths, as the system has them
    enum class Where { unknown, allUsers, thisUser, previewed } where = Where::unknown;

    // The name table's string of that ID; empty when the font has none.
    std::wstring string(std::uint16_t id) const {
        const auto found = strings.find(id);
        return found == strings.end() ? std::wstring() : found->second;
    }
};

struct DetailRow {
    std::wstring_view label;
    std::wstring value;
};

// The rows for what the font has, in a fixed order; a fact it lacks has no row. Each value
// is one line: line breaks, tabs and other control and direction-changing characters
// become spaces.
std::vector<DetailRow> detailRows(const FontFacts& facts);

// The rows as the window shows and copies them: "label: value", one to a line.
std::wstring rowsText(const std::vector<DetailRow>& rows);

// The whole rows of the text that a selection from `start`, `length` units long, touches;
// with nothing selected, the row of the caret.
std::wstring rowsTouched(std::wstring_view text, size_t start, size_t length);

// Whether a font's address may be opened: http:// or https:// (any case), a host after it,
// and no space or control character anywhere.
bool isWebAddress(std::wstring_view address);

} // namespace preview
