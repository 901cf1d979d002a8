// What the details window says of a font's facts, and what of it may be opened or copied.
#include "preview/FontDetails.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using preview::FontFacts;

FontFacts named(std::map<std::uint16_t, std::wstring> strings) {
    FontFacts facts;
    facts.family = L"Listed";
    facts.strings = std::move(strings);
    return facts;
}

TEST(FontDetails, RowsSayWhatTheFontHasInOneLineEach) {
    FontFacts cff = named({});
    cff.postScriptOutlines = cff.variable = true;
    cff.embedding = 0x0006; // print and restricted: the least restrictive holds
    FontFacts vector = named({});
    vector.vector = true;
    vector.embedding = 0x0308;
    FontFacts bitmap = named({{preview::familyId, L"Named"}, {preview::typographicFamilyId, L""}});
    bitmap.bitmap = true;
    bitmap.embedding = 0x0002;
    FontFacts previewed = named({});
    previewed.trueTypeOutlines = true;
    previewed.glyphs = 3;
    previewed.files = {L"C:\\a.ttf", L"C:\\b.ttf"};
    previewed.where = FontFacts::Where::previewed;
    FontFacts variableOnly = named({});
    variableOnly.variable = true;
    FontFacts mine = named({});
    mine.files = {L"C:\\mine.otf"};
    mine.where = FontFacts::Where::thisUser;
    mine.embedding = 0;
    const struct {
        const char* what;
        FontFacts facts;
        std::wstring text;
    } rows[] = {
        {"only the list's name", named({}), L"Family: Listed\r\n"},
        {"the typographic family first, every string in its place",
         named({{preview::licenceUrlId, L"u"},
                {preview::familyId, L"Named"},
                {preview::typographicFamilyId, L"Typographic"},
                {preview::copyrightId, L"c"},
                {preview::versionId, L"v"}}),
         L"Family: Typographic\r\nVersion: v\r\nCopyright: c\r\nLicence URL: u\r\n"},
        {"breaks, tabs and direction marks become spaces, ends trimmed",
         named({{preview::descriptionId, L"\t one\r\ntwo\u202Ethree\u2066four\u2069 "},
                {preview::vendorId, L"\r\n"}}),
         L"Family: Listed\r\nDescription: one  two three four\r\n"},
        {"no outlines known: nothing to call variable", variableOnly, L"Family: Listed\r\n"},
        {"PostScript outlines, variable", cff,
         L"Family: Listed\r\nType: OpenType, PostScript (CFF) outlines, variable\r\n"
         L"Embedding: Preview and print\r\n"},
        {"a vector font", vector,
         L"Family: Listed\r\nType: Vector\r\nEmbedding: Editable, no subsetting, bitmaps only\r\n"},
        {"a bitmap font", bitmap,
         L"Family: Named\r\nType: Bitmap\r\nEmbedding: Restricted: may not be embedded\r\n"},
        {"two files of a previewed font", previewed,
         L"Family: Listed\r\nType: TrueType outlines\r\nGlyphs: 3\r\n"
         L"Files: C:\\a.ttf, C:\\b.ttf\r\nInstalled: Previewed, not installed\r\n"},
        {"one file of this user's", mine,
         L"Family: Listed\r\nEmbedding: Installable\r\nFile: C:\\mine.otf\r\n"
         L"Installed: Installed for this user\r\n"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(preview::rowsText(preview::detailRows(row.facts)), row.text) << row.what;
}

TEST(FontDetails, OnlyHttpAndHttpsAddressesAreOpened) {
    const struct {
        const wchar_t* address;
        bool opened;
    } rows[] = {
        {L"https://vendor.example/fonts", true},
        {L"HTTP://designer.example/", true},
        {L"http://", false},
        {L"file:///C:/Windows/System32/calc.exe", false},
        {L"javascript:alert(1)", false},
        {L"mailto:a@example.com", false},
        {L"\\\\server\\share\\run.exe", false},
        {L"https://example.com/a b", false},
        {L" https://example.com", false},
        {L"https://example.com/\x7F", false},
        {L"httpsx://example.com", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(preview::isWebAddress(row.address), row.opened) << row.address;
}

TEST(FontDetails, CopyingTakesTheWholeRowsTheSelectionTouches) {
    const std::wstring text = L"A: 1\r\nB: 22\r\nC: 3\r\n";
    const struct {
        size_t start, length;
        const wchar_t* copied;
    } rows[] = {
        {0, 0, L"A: 1\r\n"},                     // the caret's row
        {7, 2, L"B: 22\r\n"},                    // inside one row
        {3, 6, L"A: 1\r\nB: 22\r\n"},            // across two
        {6, 7, L"B: 22\r\n"},                    // a whole row with its break
        {0, text.size(), text.c_str()},          // everything
        {text.size(), 0, L""},                   // after the last row
        {5, 1000, L"A: 1\r\nB: 22\r\nC: 3\r\n"}, // past the end
    };
    for (const auto& row : rows)
        EXPECT_EQ(preview::rowsTouched(text, row.start, row.length), row.copied)
            << row.start << "+" << row.length;
}

} // namespace
