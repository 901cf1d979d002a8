#include "preview/FontFileFaces.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace preview {

namespace {

// A hostile file must not make the reading run long or take much memory: only the first
// faces are looked at.
constexpr size_t maxFaces = 256;
constexpr size_t maxNameRecords = 1024;
constexpr size_t maxNamesPerFace = 64;
// GDI keeps a face name in 32 units, its terminating NUL among them.
constexpr size_t faceNameUnits = 32;
// No code page takes more than four bytes for a unit, so a bitmap font's name longer than
// this would be too long anyway.
constexpr size_t maxFaceNameBytes = 4 * faceNameUnits;
constexpr unsigned windowsPlatform = 3, macintoshPlatform = 1, usEnglish = 0x0409;

using Ansi = std::function<std::wstring(std::string_view)>;

// Whether `count` bytes from `offset` lie inside the bytes; compared with what is left, so
// that no sum can overflow.
bool fits(std::string_view bytes, size_t offset, size_t count) {
    return offset <= bytes.size() && count <= bytes.size() - offset;
}

// The part of the bytes at `offset`, when all of it is there.
std::optional<std::string_view> part(std::string_view bytes, size_t offset, size_t count) {
    if (!fits(bytes, offset, count))
        return std::nullopt;
    return bytes.substr(offset, count);
}

// A number of `width` bytes, or 0 when it lies outside the bytes. The callers check whole
// records with fits() first; this only keeps a slip from reading out of bounds.
std::uint32_t number(std::string_view bytes, size_t at, size_t width, bool bigEndian) {
    if (!fits(bytes, at, width))
        return 0;
    std::uint32_t value = 0;
    for (size_t i = 0; i < width; ++i) {
        const size_t index = bigEndian ? at + i : at + width - 1 - i;
        value = value << 8 | static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[index]));
    }
    return value;
}

// sfnt numbers are big-endian, those of bitmap fonts and their executables little-endian.
std::uint16_t be16(std::string_view bytes, size_t at) {
    return static_cast<std::uint16_t>(number(bytes, at, 2, true));
}
std::uint32_t be32(std::string_view bytes, size_t at) {
    return number(bytes, at, 4, true);
}
std::uint16_t le16(std::string_view bytes, size_t at) {
    return static_cast<std::uint16_t>(number(bytes, at, 2, false));
}
std::uint32_t le32(std::string_view bytes, size_t at) {
    return number(bytes, at, 4, false);
}

constexpr std::uint32_t tag(const char (&name)[5]) {
    return static_cast<std::uint32_t>(name[0]) << 24 | static_cast<std::uint32_t>(name[1]) << 16 |
           static_cast<std::uint32_t>(name[2]) << 8 | static_cast<std::uint32_t>(name[3]);
}

// Adds a name GDI can use, once.
void addName(std::vector<std::wstring>& names, const std::wstring& name) {
    if (name.empty() || name.size() >= faceNameUnits || name.find(L'\0') != std::wstring::npos ||
        names.size() >= maxNamesPerFace ||
        std::find(names.begin(), names.end(), name) != names.end())
        return;
    names.push_back(name);
}

// --- TrueType and OpenType ---

// Each UTF-16 unit one wchar_t, so that on Windows the name is the one GDI reports.
std::optional<std::wstring> fromUtf16Be(std::string_view text) {
    if (text.size() % 2)
        return std::nullopt;
    std::wstring name;
    for (size_t i = 0; i < text.size(); i += 2)
        name.push_back(static_cast<wchar_t>(be16(text, i)));
    return name;
}

std::optional<std::wstring> fromAscii(std::string_view text) {
    std::wstring name;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80)
            return std::nullopt; // Mac Roman beyond ASCII is left alone
        name.push_back(static_cast<wchar_t>(byte));
    }
    return name;
}

// The family names (name ID 1) of a name table: Windows ones in US English, then in other
// languages in table order; the Macintosh ones only when no Windows name can be used, since
// GDI lists a font by its Windows name.
std::vector<std::wstring> familyNames(std::string_view table) {
    constexpr size_t recordSize = 12;
    if (table.size() < 6)
        return {};
    const size_t count = be16(table, 2);
    const size_t storageOffset = be16(table, 4);
    if (!fits(table, 6, count * recordSize) || storageOffset > table.size())
        return {};
    const std::string_view storage = table.substr(storageOffset);

    std::vector<std::wstring> english, otherLanguages, macintosh;
    for (size_t i = 0; i < std::min(count, maxNameRecords); ++i) {
        const size_t at = 6 + i * recordSize;
        const unsigned platform = be16(table, at), encoding = be16(table, at + 2),
                       language = be16(table, at + 4), nameId = be16(table, at + 6);
        const auto text = part(storage, be16(table, at + 10), be16(table, at + 8));
        if (nameId != 1 || !text)
            continue;
        // Windows: symbol, Unicode BMP and full Unicode, all stored as UTF-16.
        if (platform == windowsPlatform && (encoding == 0 || encoding == 1 || encoding == 10)) {
            if (auto name = fromUtf16Be(*text))
                (language == usEnglish ? english : otherLanguages).push_back(std::move(*name));
        } else if (platform == macintoshPlatform && encoding == 0) { // Roman
            if (auto name = fromAscii(*text))
                macintosh.push_back(std::move(*name));
        }
    }

    std::vector<std::wstring> names;
    for (const auto& name : english)
        addName(names, name);
    for (const auto& name : otherLanguages)
        addName(names, name);
    if (names.empty()) {
        for (const auto& name : macintosh)
            addName(names, name);
    }
    return names;
}

bool isSfntVersion(std::uint32_t version) {
    return version == 0x00010000 || version == tag("true") || version == tag("OTTO");
}

// The face whose table directory starts at `directory`.
std::optional<FontFace> sfntFace(std::string_view bytes, size_t directory) {
    constexpr size_t headerSize = 12, entrySize = 16;
    if (!fits(bytes, directory, headerSize) || !isSfntVersion(be32(bytes, directory)))
        return std::nullopt;
    const size_t tables = be16(bytes, directory + 4);
    const size_t entries = directory + headerSize;
    if (!fits(bytes, entries, tables * entrySize))
        return std::nullopt;
    for (size_t i = 0; i < tables; ++i) {
        const size_t at = entries + i * entrySize;
        if (be32(bytes, at) != tag("name"))
            continue;
        const auto table = part(bytes, be32(bytes, at + 8), be32(bytes, at + 12));
        if (!table)
            return std::nullopt;
        FontFace face{familyNames(*table)};
        if (face.familyNames.empty())
            return std::nullopt;
        return face;
    }
    return std::nullopt;
}

// A TrueType or OpenType collection: a header with the offsets of the faces' directories.
void readCollection(std::string_view bytes, std::vector<FontFace>& faces) {
    constexpr size_t headerSize = 12;
    if (bytes.size() < headerSize)
        return;
    const size_t count = be32(bytes, 8);
    if (count > (bytes.size() - headerSize) / 4)
        return; // more faces than the file has room to list
    for (size_t i = 0; i < std::min(count, maxFaces); ++i) {
        if (auto face = sfntFace(bytes, be32(bytes, headerSize + i * 4)))
            faces.push_back(std::move(*face));
    }
}

// --- Windows bitmap fonts ---

// A bitmap font's face: the NUL-terminated name at dfFace.
std::optional<FontFace> bitmapFace(std::string_view fnt, const Ansi& fromAnsi) {
    constexpr size_t headerSize = 118; // the shorter header, that of version 2
    constexpr size_t faceField = 105;
    if (fnt.size() < headerSize || (le16(fnt, 0) != 0x0200 && le16(fnt, 0) != 0x0300))
        return std::nullopt;
    const size_t faceOffset = le32(fnt, faceField);
    if (faceOffset >= fnt.size())
        return std::nullopt;
    const std::string_view rest = fnt.substr(faceOffset, maxFaceNameBytes);
    const size_t end = rest.find('\0');
    if (end == std::string_view::npos)
        return std::nullopt;
    FontFace face;
    addName(face.familyNames, fromAnsi(rest.substr(0, end)));
    if (face.familyNames.empty())
        return std::nullopt;
    return face;
}

// A .fon: a 16-bit Windows executable whose font resources are each a bitmap font.
void readFontResources(std::string_view bytes, const Ansi& fromAnsi, std::vector<FontFace>& faces) {
    constexpr size_t newHeaderField = 0x3C, newHeaderSize = 0x40, resourceTableField = 0x24;
    constexpr size_t typeSize = 8, resourceSize = 12;
    constexpr std::uint16_t fontType = 0x8008;
    // Beyond 16 a resource would start past 4 GB; a shift as wide as size_t is undefined.
    constexpr std::uint16_t maxShift = 16;
    if (!fits(bytes, newHeaderField, 4))
        return;
    const size_t newHeader = le32(bytes, newHeaderField);
    if (!fits(bytes, newHeader, newHeaderSize) || bytes.substr(newHeader, 2) != "NE")
        return; // a PE .fon is not read
    const std::string_view header = bytes.substr(newHeader);
    const size_t tableOffset = le16(header, resourceTableField);
    if (!fits(header, tableOffset, 2))
        return;
    const std::string_view table = header.substr(tableOffset);
    const std::uint16_t shift = le16(table, 0);
    if (shift > maxShift)
        return;

    // Type entries, each followed by its resources, up to a type of 0.
    size_t at = 2, fonts = 0;
    while (fits(table, at, 2) && le16(table, at) != 0 && fonts < maxFaces) {
        if (!fits(table, at, typeSize))
            return;
        const std::uint16_t type = le16(table, at);
        const size_t count = le16(table, at + 2);
        const size_t resources = at + typeSize;
        if (!fits(table, resources, count * resourceSize))
            return;
        for (size_t i = 0; type == fontType && i < count && fonts < maxFaces; ++i, ++fonts) {
            const size_t entry = resources + i * resourceSize;
            const size_t offset = static_cast<size_t>(le16(table, entry)) << shift;
            const size_t length = static_cast<size_t>(le16(table, entry + 2)) << shift;
            if (const auto fnt = part(bytes, offset, length)) {
                if (auto face = bitmapFace(*fnt, fromAnsi))
                    faces.push_back(std::move(*face));
            }
        }
        at = resources + count * resourceSize;
    }
}

} // namespace

std::vector<FontFace> readFontFaces(std::string_view bytes, const Ansi& fromAnsi) {
    std::vector<FontFace> faces;
    if (bytes.size() < 4)
        return faces;
    const std::uint32_t signature = be32(bytes, 0);
    if (signature == tag("ttcf")) {
        readCollection(bytes, faces);
    } else if (isSfntVersion(signature)) {
        if (auto face = sfntFace(bytes, 0))
            faces.push_back(std::move(*face));
    } else if (bytes.substr(0, 2) == "MZ") {
        readFontResources(bytes, fromAnsi, faces);
    } else if (auto face = bitmapFace(bytes, fromAnsi)) {
        faces.push_back(std::move(*face));
    }
    return faces;
}

} // namespace preview
