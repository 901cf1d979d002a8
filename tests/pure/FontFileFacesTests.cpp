// The family names read from a font file's bytes. Pure: built for Windows and, with the
// sanitizers, natively. GLYPHMERE_TEST_FONTS is the folder of tools/make_test_fonts.py's fonts.
#include "preview/FontFileFaces.h"
#include "pure/Latin1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Names = std::vector<std::vector<std::wstring>>;

Names read(const std::string& bytes) {
    Names names;
    for (const auto& face : preview::readFontFaces(bytes, latin1))
        names.push_back(face.familyNames);
    return names;
}

std::string testFont(const char* name) {
    std::ifstream file(std::string(GLYPHMERE_TEST_FONTS) + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::string be(size_t value, size_t size) {
    std::string bytes;
    while (size--)
        bytes.push_back(static_cast<char>(value >> (8 * size) & 0xFF));
    return bytes;
}

// A font of nothing but a name table of family names: (platform, language, name) records.
struct Record {
    size_t platform, language;
    std::u16string name;
};
std::string fontNamed(const std::vector<Record>& records) {
    std::string table = be(0, 2) + be(records.size(), 2) + be(6 + 12 * records.size(), 2);
    std::string storage;
    for (const auto& r : records) {
        std::string text;
        for (const char16_t unit : r.name)
            text += r.platform == 3 ? be(unit, 2) : std::string(1, static_cast<char>(unit));
        table += be(r.platform, 2) + be(r.platform == 3 ? 1 : 0, 2) + be(r.language, 2) + be(1, 2) +
                 be(text.size(), 2) + be(storage.size(), 2);
        storage += text;
    }
    table += storage;
    return be(0x00010000, 4) + be(1, 2) + std::string(6, '\0') + "name" + be(0, 4) + be(28, 4) +
           be(table.size(), 4) + table;
}

TEST(FontFileFaces, FamilyNamesOfEachKindOfFileAsTheSystemListsThem) {
    const std::wstring bitmap = L"Glyphmere Bitmap";
    const struct {
        const char* what;
        std::string bytes;
        Names faces;
    } rows[] = {
        {"TrueType", testFont("GlyphmerePreviewTest.ttf"), {{L"Glyphmere Preview Test"}}},
        {"collection",
         testFont("GlyphmerePreviewTest.ttc"),
         {{L"Glyphmere Preview Test"}, {L"Glyphmere Preview Second"}}},
        {".fnt", testFont("GlyphmereBitmap.fnt"), {{bitmap}}},
        {".fon of two sizes", testFont("GlyphmereBitmap.fon"), {{bitmap}, {bitmap}}},
        {"US English first, then other languages; a Macintosh name only without a Windows one",
         fontNamed({{3, 0x0407, u"Deutsch"}, {1, 0, u"Mac"}, {3, 0x0409, u"English"}}),
         {{L"English", L"Deutsch"}}},
        {"names GDI cannot take are left out",
         fontNamed({{3, 0x0409, u""}, {3, 0x0409, std::u16string(32, u'x')}, {1, 0, u"Mac"}}),
         {{L"Mac"}}},
        {"no font", "Hello, world", {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(read(row.bytes), row.faces) << row.what;
}

TEST(FontFileFaces, DamagedFilesLoseTheirDamagedFacesAndNothingIsReadOutside) {
    // Numbers that point outside: the table count, the name table's offset and length, the
    // count of name records, a collection's count of faces.
    const std::string font = fontNamed({{3, 0x0409, u"Fine"}});
    const std::string pair = testFont("GlyphmerePreviewTest.ttc");
    for (const auto& [bytes, at, value] :
         {std::tuple{font, 4, be(0xFFFF, 2)}, std::tuple{font, 20, be(0xFFFFFFF0, 4)},
          std::tuple{font, 24, be(0xFFFFFFFF, 4)}, std::tuple{font, 30, be(0xFFFF, 2)},
          std::tuple{pair, 8, be(0xFFFFFFFF, 4)}}) {
        std::string damaged = bytes;
        damaged.replace(static_cast<size_t>(at), value.size(), value);
        EXPECT_EQ(read(damaged), Names{}) << "at " << at;
    }
    // Cut anywhere, a file keeps the faces before the cut, loses those after it, and never
    // gains one.
    for (const char* name : {"GlyphmerePreviewTest.ttc", "GlyphmereBitmap.fon"}) {
        const std::string whole = testFont(name);
        const Names all = read(whole);
        for (size_t size = 0; size < whole.size(); ++size) {
            const Names faces = read(whole.substr(0, size));
            ASSERT_LE(faces.size(), all.size()) << name << " cut at " << size;
            ASSERT_TRUE(std::equal(faces.begin(), faces.end(), all.begin()))
                << name << " cut at " << size;
        }
    }
}

} // namespace
