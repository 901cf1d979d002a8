#include "preview/FontFileFaces.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <numeric>
#include <optional>
#include <utility>

namespace preview {

namespace {

// A hostile file must not make the reading run long or take much memory: what lies past
// these bounds is not read, and the result says so.
constexpr size_t maxFaces = 256;
constexpr size_t maxTables = 4096;
constexpr size_t maxNameRecords = 4096;
// Real fonts name a family in a few dozen languages at most; this bounds the decoding and
// sorting of one name table.
constexpr size_t maxFamilyRecords = 256;
// GDI keeps a face name in 32 units, its terminating NUL among them.
constexpr size_t faceNameUnits = 31;
// No code page takes more than four bytes for a unit, so these bytes hold as much of a
// bitmap font's name as GDI keeps.
constexpr size_t maxFaceNameBytes = 4 * faceNameUnits;
constexpr std::uint16_t windowsPlatform = 3, macintoshPlatform = 1, usEnglish = 0x0409;
constexpr std::uint16_t familyNameId = 1;

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

// The name as GDI keeps it: up to its first NUL, at most faceNameUnits units.
std::wstring keptName(std::wstring name) {
    name.resize(std::min({name.find(L'\0'), name.size(), faceNameUnits}));
    return name;
}

// The names in their order, without empty ones and later copies. Sorted to find the copies,
// so that many names take no time that grows with their square.
std::vector<std::wstring> distinct(std::vector<std::wstring> names) {
    std::vector<size_t> order(names.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return names[a] < names[b]; });
    std::vector<bool> copy(names.size(), false);
    for (size_t i = 1; i < order.size(); ++i)
        copy[order[i]] = names[order[i]] == names[order[i - 1]];
    std::vector<std::wstring> kept;
    for (size_t i = 0; i < names.size(); ++i) {
        if (!copy[i] && !names[i].empty())
            kept.push_back(std::move(names[i]));
    }
    return kept;
}

// --- TrueType and OpenType ---

// Each UTF-16 unit one wchar_t, so that on Windows the name is the one GDI reports. Only the
// units kept are decoded, by default those GDI keeps; an odd last byte is no unit.
std::wstring fromUtf16Be(std::string_view text, size_t maxUnits = faceNameUnits) {
    std::wstring name;
    const size_t units = std::min(text.size() / 2, maxUnits);
    for (size_t i = 0; i < units; ++i) {
        const auto unit = static_cast<wchar_t>(be16(text, 2 * i));
        if (unit == L'\0')
            break;
        name.push_back(unit);
    }
    return name;
}

// Mac Roman's characters from 0x80 up; below, it is ASCII.
constexpr std::array<std::uint16_t, 128> macRomanHigh = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, 0x00E0, 0x00E2, 0x00E4, 0x00E3,
    0x00E5, 0x00E7, 0x00E9, 0x00E8, 0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3,
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, 0x2020, 0x00B0, 0x00A2, 0x00A3,
    0x00A7, 0x2022, 0x00B6, 0x00DF, 0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8,
    0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202, 0x2211, 0x220F, 0x03C0, 0x222B, 0x00AA,
    0x00BA, 0x03A9, 0x00E6, 0x00F8, 0x00BF, 0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB,
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153, 0x2013, 0x2014, 0x201C, 0x201D,
    0x2018, 0x2019, 0x00F7, 0x25CA, 0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02,
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1, 0x00CB, 0x00C8, 0x00CD, 0x00CE,
    0x00CF, 0x00CC, 0x00D3, 0x00D4, 0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC,
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7};

// A Macintosh name of any script, taken as Mac Roman: the system may do the same.
std::wstring fromMacRoman(std::string_view text, size_t maxUnits = faceNameUnits) {
    std::wstring name;
    for (const char c : text.substr(0, maxUnits)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0)
            break;
        name.push_back(static_cast<wchar_t>(byte < 0x80 ? byte : macRomanHigh[byte - 0x80]));
    }
    return name;
}

// Names read, and whether everything that should hold them could be read.
struct Names {
    std::vector<std::wstring> names;
    bool whole = false;
};

// The family names (name ID 1) of a name table: the Windows ones in US English, then in
// other languages, then the Macintosh ones, each kind in table order.
Names familyNames(std::string_view table) {
    constexpr size_t headerSize = 6, recordSize = 12;
    if (table.size() < headerSize)
        return {};
    const size_t count = be16(table, 2);
    const size_t storageOffset = be16(table, 4);
    const size_t records =
        std::min({count, maxNameRecords, (table.size() - headerSize) / recordSize});
    bool whole = records == count;
    const std::string_view storage = table.substr(std::min(storageOffset, table.size()));

    // Only where the records are, so that no other record's text is ever decoded.
    std::vector<size_t> english, otherLanguages, macintosh;
    size_t families = 0;
    for (size_t i = 0; i < records; ++i) {
        const size_t at = headerSize + i * recordSize;
        const std::uint16_t platform = be16(table, at);
        if (be16(table, at + 6) != familyNameId ||
            (platform != windowsPlatform && platform != macintoshPlatform))
            continue;
        if (++families > maxFamilyRecords) {
            whole = false;
            break;
        }
        if (platform == macintoshPlatform)
            macintosh.push_back(at);
        else
            (be16(table, at + 4) == usEnglish ? english : otherLanguages).push_back(at);
    }

    std::vector<std::wstring> names;
    for (const auto* kind : {&english, &otherLanguages, &macintosh}) {
        for (const size_t at : *kind) {
            const auto text = part(storage, be16(table, at + 10), be16(table, at + 8));
            if (!text)
                whole = false;
            else if (be16(table, at) == windowsPlatform)
                names.push_back(fromUtf16Be(*text));
            else
                names.push_back(fromMacRoman(*text));
        }
    }
    return {distinct(std::move(names)), whole};
}

bool isSfntVersion(std::uint32_t version) {
    return version == 0x00010000 || version == tag("true") || version == tag("OTTO");
}

// The faces of a font or collection. A collection's faces may share a directory and
// directories a name table: each is read once.
class SfntFaces {
public:
    explicit SfntFaces(std::string_view bytes) : bytes_(bytes) {}

    // Adds the face whose table directory starts at `at`, if it has a name; false when it
    // could not be read whole.
    bool add(size_t at, std::vector<FontFace>& faces) {
        auto [entry, added] = directories_.try_emplace(at);
        if (added)
            entry->second = directory(at);
        const Directory& read = entry->second;
        if (read.names && !read.names->names.empty())
            faces.push_back({read.names->names});
        return read.whole;
    }

private:
    struct Directory {
        const Names* names = nullptr;
        bool whole = false;
    };

    Directory directory(size_t at) {
        constexpr size_t headerSize = 12, entrySize = 16;
        if (!fits(bytes_, at, headerSize) || !isSfntVersion(be32(bytes_, at)))
            return {};
        const size_t count = be16(bytes_, at + 4);
        const size_t tables =
            std::min({count, maxTables, (bytes_.size() - at - headerSize) / entrySize});
        bool whole = tables == count;
        std::optional<std::pair<size_t, size_t>> name;
        for (size_t i = 0; i < tables; ++i) {
            const size_t entry = at + headerSize + i * entrySize;
            const size_t offset = be32(bytes_, entry + 8), length = be32(bytes_, entry + 12);
            // A table that ends past the file: it was cut.
            if (!fits(bytes_, offset, length))
                whole = false;
            if (be32(bytes_, entry) != tag("name"))
                continue;
            if (name)
                whole = false; // the system might take the other one
            else
                name = {offset, length};
        }
        if (!name)
            return {};
        const Names& names = nameTable(*name);
        return {&names, whole && names.whole && !names.names.empty()};
    }

    const Names& nameTable(std::pair<size_t, size_t> place) {
        auto [entry, added] = nameTables_.try_emplace(place);
        // What there is of a table cut short still gives its names; the directory has
        // found it cut.
        if (added && place.first <= bytes_.size())
            entry->second = familyNames(bytes_.substr(place.first, place.second));
        return entry->second;
    }

    std::string_view bytes_;
    std::map<size_t, Directory> directories_;
    std::map<std::pair<size_t, size_t>, Names> nameTables_;
};

// A TrueType or OpenType collection: a header with the offsets of the faces' directories.
bool readCollection(std::string_view bytes, std::vector<FontFace>& faces) {
    constexpr size_t headerSize = 12;
    if (bytes.size() < headerSize)
        return false;
    const size_t count = be32(bytes, 8);
    const size_t listed = std::min({count, maxFaces, (bytes.size() - headerSize) / 4});
    bool whole = listed == count;
    SfntFaces reader(bytes);
    for (size_t i = 0; i < listed; ++i) {
        if (!reader.add(be32(bytes, headerSize + i * 4), faces))
            whole = false;
    }
    return whole;
}

// --- Windows bitmap fonts ---

// Adds a bitmap font's face, named by the NUL-terminated name at dfFace; false when it
// could not be read whole.
bool readBitmapFace(std::string_view fnt, const Ansi& fromAnsi, std::vector<FontFace>& faces) {
    constexpr size_t headerSize = 118; // the shorter header, that of version 2
    constexpr size_t sizeField = 2, faceField = 105;
    if (fnt.size() < headerSize || (le16(fnt, 0) != 0x0200 && le16(fnt, 0) != 0x0300))
        return false;
    const size_t faceOffset = le32(fnt, faceField);
    if (faceOffset >= fnt.size())
        return false;
    const std::string_view rest = fnt.substr(faceOffset, maxFaceNameBytes);
    const size_t end = rest.find('\0');
    if (end == std::string_view::npos && rest.size() < maxFaceNameBytes)
        return false; // the file ends inside the name
    const std::string_view name = rest.substr(0, end);
    // The system's code page may not be the one the font was made for: its bytes as Latin-1
    // are a name the system may list it under as well.
    std::vector<std::wstring> names{keptName(fromAnsi(name))};
    const std::string_view kept = name.substr(0, faceNameUnits);
    if (std::any_of(kept.begin(), kept.end(), [](char c) { return (c & 0x80) != 0; })) {
        std::wstring latin1;
        for (const char c : kept)
            latin1.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
        names.push_back(std::move(latin1));
    }
    FontFace face{distinct(std::move(names))};
    if (face.familyNames.empty())
        return false;
    faces.push_back(std::move(face));
    return le32(fnt, sizeField) <= fnt.size(); // shorter than it says: cut
}

// A .fon: a 16-bit Windows executable whose font resources are each a bitmap font.
bool readFontResources(std::string_view bytes, const Ansi& fromAnsi, std::vector<FontFace>& faces) {
    constexpr size_t newHeaderField = 0x3C, newHeaderSize = 0x40, resourceTableField = 0x24;
    constexpr size_t typeSize = 8, resourceSize = 12;
    // The header points at its tables with 16-bit offsets, so they lie within this.
    constexpr size_t tablesReach = 0x10000;
    constexpr std::uint16_t fontType = 0x8008;
    // Beyond 16 a resource would start past 4 GB; a shift as wide as size_t is undefined.
    constexpr std::uint16_t maxShift = 16;
    if (!fits(bytes, newHeaderField, 4))
        return false;
    const size_t newHeader = le32(bytes, newHeaderField);
    if (!fits(bytes, newHeader, newHeaderSize) || bytes.substr(newHeader, 2) != "NE")
        return false; // a PE .fon is not read
    const std::string_view header = bytes.substr(newHeader, tablesReach);
    const size_t tableOffset = le16(header, resourceTableField);
    if (!fits(header, tableOffset, 2))
        return false;
    const std::string_view table = header.substr(tableOffset);
    const std::uint16_t shift = le16(table, 0);
    if (shift > maxShift)
        return false;

    // Type entries, each followed by its resources, up to a type of 0.
    bool whole = true;
    size_t at = 2, fonts = 0;
    while (true) {
        if (!fits(table, at, 2))
            return false;
        const std::uint16_t type = le16(table, at);
        if (type == 0)
            return whole;
        const size_t count = le16(table, at + 2);
        const size_t resources = at + typeSize;
        if (!fits(table, at, typeSize) || !fits(table, resources, count * resourceSize))
            return false;
        for (size_t i = 0; type == fontType && i < count; ++i, ++fonts) {
            if (fonts == maxFaces)
                return false;
            const size_t entry = resources + i * resourceSize;
            const size_t offset = static_cast<size_t>(le16(table, entry)) << shift;
            const size_t length = static_cast<size_t>(le16(table, entry + 2)) << shift;
            const auto fnt = part(bytes, offset, length);
            if (!fnt || !readBitmapFace(*fnt, fromAnsi, faces))
                whole = false;
        }
        at = resources + count * resourceSize;
    }
}

} // namespace

std::map<std::uint16_t, std::wstring>
readNameStrings(std::string_view table, std::span<const std::uint16_t> ids, size_t maxUnits) {
    constexpr size_t headerSize = 6, recordSize = 12;
    std::map<std::uint16_t, std::wstring> strings;
    if (table.size() < headerSize)
        return strings;
    const size_t records = std::min(
        {size_t{be16(table, 2)}, maxNameRecords, (table.size() - headerSize) / recordSize});
    const std::string_view storage = table.substr(std::min(size_t{be16(table, 4)}, table.size()));
    // For each ID its best record: rank 0 Windows in US English, 1 Windows in another
    // language, 2 Macintosh; the first in the table of its rank.
    std::map<std::uint16_t, std::pair<int, size_t>> best;
    for (size_t i = 0; i < records; ++i) {
        const size_t at = headerSize + i * recordSize;
        const std::uint16_t platform = be16(table, at), id = be16(table, at + 6);
        if (std::find(ids.begin(), ids.end(), id) == ids.end() ||
            (platform != windowsPlatform && platform != macintoshPlatform))
            continue;
        const int rank =
            platform == macintoshPlatform ? 2 : (be16(table, at + 4) == usEnglish ? 0 : 1);
        const auto [kept, added] = best.try_emplace(id, rank, at);
        if (!added && rank < kept->second.first)
            kept->second = {rank, at};
    }
    for (const auto& [id, record] : best) {
        const size_t at = record.second;
        const auto text = part(storage, be16(table, at + 10), be16(table, at + 8));
        if (!text)
            continue;
        std::wstring decoded = be16(table, at) == windowsPlatform ? fromUtf16Be(*text, maxUnits)
                                                                  : fromMacRoman(*text, maxUnits);
        if (!decoded.empty())
            strings.emplace(id, std::move(decoded));
    }
    return strings;
}

std::optional<InstallName> readInstallName(std::string_view bytes) {
    constexpr size_t headerSize = 12, entrySize = 16, fullNameUnits = 256;
    if (bytes.size() < headerSize)
        return std::nullopt;
    const size_t at = be32(bytes, 0) == tag("ttcf") ? be32(bytes, headerSize) : 0;
    if (!fits(bytes, at, headerSize) || !isSfntVersion(be32(bytes, at)))
        return std::nullopt;
    const size_t tables = std::min(size_t{be16(bytes, at + 4)}, maxTables);
    InstallName name;
    std::optional<std::string_view> nameTable;
    for (size_t i = 0; i < tables && fits(bytes, at + headerSize + (i + 1) * entrySize, 0); ++i) {
        const size_t entry = at + headerSize + i * entrySize;
        const std::uint32_t kind = be32(bytes, entry);
        if (kind == tag("CFF ") || kind == tag("CFF2"))
            name.postScript = true;
        else if (kind == tag("name"))
            nameTable = part(bytes, be32(bytes, entry + 8), be32(bytes, entry + 12));
    }
    static constexpr std::uint16_t fullNameId[] = {4};
    if (nameTable) {
        auto strings = readNameStrings(*nameTable, fullNameId, fullNameUnits);
        if (const auto found = strings.find(4); found != strings.end())
            name.fullName = std::move(found->second);
    }
    if (name.fullName.empty())
        return std::nullopt;
    return name;
}

FontFaces readFontFaces(std::string_view bytes, const Ansi& fromAnsi) {
    FontFaces read;
    if (bytes.size() < 4)
        return read;
    const std::uint32_t signature = be32(bytes, 0);
    if (signature == tag("ttcf"))
        read.complete = readCollection(bytes, read.faces);
    else if (isSfntVersion(signature))
        read.complete = SfntFaces(bytes).add(0, read.faces);
    else if (bytes.substr(0, 2) == "MZ")
        read.complete = readFontResources(bytes, fromAnsi, read.faces);
    else
        read.complete = readBitmapFace(bytes, fromAnsi, read.faces);
    return read;
}

} // namespace preview
