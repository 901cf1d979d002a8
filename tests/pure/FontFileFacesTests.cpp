// The family names read from a font file's bytes. Pure: built for Windows and, with the
// sanitizers, natively. GLYPHMERE_TEST_FONTS is the folder of tools/make_test_fonts.py's fonts.
#include "editing/TextDecoding.h"
#include "preview/FontFileFaces.h"
#include "pure/Latin1.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Names = std::vector<std::vector<std::wstring>>;
using Ansi = std::function<std::wstring(std::string_view)>;

// The faces' names and whether the file was read whole.
std::pair<Names, bool> read(std::string_view bytes, const Ansi& fromAnsi = latin1) {
    const auto faces = preview::readFontFaces(bytes, fromAnsi);
    Names names;
    for (const auto& face : faces.faces)
        names.push_back(face.familyNames);
    return {names, faces.complete};
}

std::string testFont(const std::string& name) {
    std::ifstream file(GLYPHMERE_TEST_FONTS "Glyphmere" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::string be(size_t value, size_t size) {
    std::string bytes;
    while (size--)
        bytes.push_back(static_cast<char>(value >> (8 * size) & 0xFF));
    return bytes;
}
std::string le(size_t value, size_t size) {
    std::string bytes = be(value, size);
    return {bytes.rbegin(), bytes.rend()};
}

// A name record: platform, encoding, language, name ID and the text's bytes.
struct Record {
    size_t platform, encoding, language, id;
    std::string text;
};
Record windows(std::u16string_view name, size_t language = 0x0409, size_t encoding = 1,
               size_t id = 1) {
    std::string text;
    for (const char16_t unit : name)
        text += be(unit, 2);
    return {3, encoding, language, id, text};
}
Record mac(std::string text) {
    return {1, 0, 0, 1, std::move(text)};
}
std::string patched(std::string bytes, size_t at, const std::string& value) {
    return bytes.replace(at, value.size(), value);
}

// A font of nothing but a name table, its directory at `at` in the file.
std::string fontNamed(const std::vector<Record>& records, size_t at = 0) {
    std::string table = be(0, 2) + be(records.size(), 2) + be(6 + 12 * records.size(), 2);
    std::string storage;
    for (const auto& r : records) {
        table += be(r.platform, 2) + be(r.encoding, 2) + be(r.language, 2) + be(r.id, 2) +
                 be(r.text.size(), 2) + be(storage.size(), 2);
        storage += r.text;
    }
    table += storage;
    return be(0x00010000, 4) + be(1, 2) + std::string(6, '\0') + "name" + be(0, 4) +
           be(at + 28, 4) + be(table.size(), 4) + table;
}

// A collection of `count` faces that all share one directory.
std::string collectionOf(size_t count, const std::vector<Record>& records) {
    std::string bytes = "ttcf" + be(0x00010000, 4) + be(count, 4);
    for (size_t i = 0; i < count; ++i)
        bytes += be(12 + 4 * count, 4);
    return bytes + fontNamed(records, bytes.size());
}

// A .fon of `count` font resources, each the same bitmap font after the resource table.
std::string fonOf(size_t count, const std::string& fnt) {
    std::string bytes = "MZ" + std::string(0x3A, '\0') + le(0x40, 4) + "NE" +
                        std::string(0x22, '\0') + le(0x40, 2) + std::string(0x1A, '\0') + le(0, 2) +
                        le(0x8008, 2) + le(count, 2) + le(0, 4);
    for (size_t i = 0; i < count; ++i)
        bytes += le(0x80 + 10 + 12 * count + 2, 2) + le(fnt.size(), 2) + std::string(8, '\0');
    return bytes + le(0, 2) + fnt;
}

// A file, the faces' names read from it and whether it was read whole.
struct Row {
    const char* what;
    std::string bytes;
    Names faces;
    bool complete;
    Ansi fromAnsi = latin1;
};

TEST(FontFileFaces, FamilyNamesOfEachKindOfFileAsTheSystemListsThem) {
    const std::wstring bitmap = L"Glyphmere Bitmap", test = L"Glyphmere Preview Test";
    // A system whose code page is UTF-8.
    std::string accented = testFont("Bitmap.fnt");
    accented.replace(accented.find("Bitmap"), 2, "\xC3\xA9");
    const Ansi utf8 = [](std::string_view bytes) { return editing::decodeText(bytes, latin1); };
    Record odd = windows(u"Od");
    odd.text += 'd';
    const Row rows[] = {
        {"TrueType", testFont("PreviewTest.ttf"), {{test}}, true},
        {"its Bold", testFont("PreviewTest-Bold.ttf"), {{test}}, true},
        {"collection", testFont("PreviewTest.ttc"), {{test}, {L"Glyphmere Preview Second"}}, true},
        {"past 64 KB", testFont("PreviewLarge.ttf"), {{L"Glyphmere Preview Large"}}, true},
        {"long name", testFont("LongName.ttf"), {{L"Glyphmere Preview With A Rather"}}, true},
        {".fnt", testFont("Bitmap.fnt"), {{bitmap}}, true},
        {".fon of two sizes", testFont("Bitmap.fon"), {{bitmap}, {bitmap}}, true},
        {"UTF-8", accented, {{L"Glyphmere \u00E9tmap", L"Glyphmere \u00C3\u00A9tmap"}}, true, utf8},
        {"languages and platforms in order, encodings, an odd last byte, Mac Roman, family only",
         fontNamed({windows(u"Deutsch", 0x0407), mac("Mac"), windows(u"English"),
                    windows(u"Symbol", 0x0409, 0), odd, mac("Caf\x8E"),
                    windows(u"F", 0x0409, 1, 4)}),
         {{L"English", L"Symbol", L"Od", L"Deutsch", L"Mac", L"Caf\u00E9"}},
         true},
        {"cut at a NUL and to 31 units; none empty or twice",
         fontNamed({windows(u""), windows(std::u16string(32, u'x')),
                    windows(std::u16string(u"Nul\0after", 9)), mac(std::string(33, 'x')),
                    windows(u"Nul", 0x0407)}),
         {{std::wstring(31, L'x'), L"Nul"}},
         true},
        {"no font", "Hello, world", {}, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(read(row.bytes, row.fromAnsi), std::pair(row.faces, row.complete)) << row.what;
}

TEST(FontFileFaces, PastItsLimitsOrDamagedAFileIsReadIncomplete) {
    const Record fine = windows(u"Fine");
    std::vector<Record> many(4097, {3, 1, 0x0409, 2, ""}); // a family name, then others
    many[0] = fine;
    const std::string font = fontNamed({fine}), ttf = testFont("PreviewTest.ttf");
    const std::string fnt = testFont("Bitmap.fnt"), pair = testFont("PreviewTest.ttc");
    const Names one = {{L"Fine"}}, test = {{L"Glyphmere Preview Test"}};
    const Names hidden(256, {L"Glyphmere Hidden Test"}), bitmaps(256, {L"Glyphmere Bitmap"});
    const Row rows[] = {
        {"256 faces", collectionOf(256, {fine}), Names(256, {L"Fine"}), true},
        {"257 faces", collectionOf(257, {fine}), Names(256, {L"Fine"}), false},
        {"a face hidden past them", testFont("HidesTahoma.ttc"), hidden, false},
        {"256 bitmap fonts", fonOf(256, fnt), bitmaps, true},
        {"257 bitmap fonts", fonOf(257, fnt), bitmaps, false},
        {"4096 name records", fontNamed({many.begin(), many.end() - 1}), one, true},
        {"4097 name records", fontNamed(many), one, false},
        {"256 family names", fontNamed(std::vector(256, fine)), one, true},
        {"257 family names", fontNamed(std::vector(257, fine)), one, false},
        {"tables", patched(font, 4, be(0xFFFF, 2)), one, false},
        {"name table's offset", patched(font, 20, be(0xFFFFFFF0, 4)), {}, false},
        {"name table's length", patched(font, 24, be(0xFFFFFFFF, 4)), one, false},
        {"name records", patched(font, 30, be(0xFFFF, 2)), one, false},
        {"a name's length", patched(font, 42, be(0xFFFF, 2)), {}, false},
        {"faces", patched(pair, 8, be(0xFFFFFFFF, 4)),
         Names{test[0], {L"Glyphmere Preview Second"}}, false},
        {"bitmap font's size", patched(fnt, 2, le(0xFFFFFF, 4)), {{L"Glyphmere Bitmap"}}, false},
        {"no name table", patched(font, 12, "nams"), {}, false},
        {"two name tables", patched(ttf, 12 + 16 * 9, "name"), test, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(read(row.bytes, row.fromAnsi), std::pair(row.faces, row.complete)) << row.what;
}

TEST(FontFileFaces, ACutFileIsIncompleteAndGainsNoName) {
    // Cut anywhere before its last byte in use. Each cut lies on the heap at its own size, so
    // that a read past it is caught.
    const std::set<std::wstring> names = {L"Glyphmere Bitmap", L"Glyphmere Preview Test",
                                          L"Glyphmere Preview Second"};
    for (const std::string name :
         {"Bitmap.fon", "Bitmap.fnt", "PreviewTest.ttf", "PreviewTest.ttc"}) {
        const std::string whole = testFont(name);
        for (size_t size = 0; size <= whole.find_last_not_of('\0'); ++size) {
            const std::vector<char> cut(whole.data(), whole.data() + size);
            const auto [faces, complete] = read({cut.data(), cut.size()});
            ASSERT_FALSE(complete) << name << " cut at " << size;
            for (const auto& face : faces)
                for (const auto& found : face)
                    ASSERT_TRUE(names.count(found)) << name << " cut at " << size;
        }
    }
}

// A name table alone, as the system gives a font's 'name' table.
std::string nameTable(const std::vector<Record>& records) {
    return fontNamed(records).substr(28);
}
std::string cutShort(std::string table) {
    table.pop_back();
    return table;
}

TEST(FontFileFaces, EachNameIdTakesItsBestString) {
    const std::uint16_t asked[] = {0, 1, 13};
    const struct {
        const char* what;
        std::string table;
        size_t units;
        std::map<std::uint16_t, std::wstring> strings;
    } rows[] = {
        {"Windows English first, whatever the order",
         nameTable({mac("Mac"), windows(u"Fr", 0x040C), windows(u"En")}),
         64,
         {{1, L"En"}}},
        {"another language before the Macintosh",
         nameTable({mac("Mac"), windows(u"Fr", 0x040C)}),
         64,
         {{1, L"Fr"}}},
        {"the Macintosh as Mac Roman", nameTable({mac("\xA9 Mac")}), 64, {{1, L"\u00A9 Mac"}}},
        {"cut at a NUL and to the units asked",
         nameTable({windows(std::u16string_view(u"Copy\0x", 6), 0x0409, 1, 0),
                    windows(u"A long licence", 0x0409, 1, 13)}),
         6,
         {{0, L"Copy"}, {13, L"A long"}}},
        {"an ID not asked, an empty string and text past the table are left out",
         cutShort(nameTable({windows(u"Mark", 0x0409, 1, 7), windows(u"", 0x0409, 1, 0),
                             windows(u"Licence", 0x0409, 1, 13)})),
         64,
         {}},
        {"no table at all", "", 64, {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(preview::readNameStrings(row.table, asked, row.units), row.strings) << row.what;
}

} // namespace
