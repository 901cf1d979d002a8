#pragma once
// The family names inside a font file, read from its bytes before the file is added to the
// system: a quick, bounded check of whether it is a font and which names the system may list
// its faces under. Pure: no window system, so it also builds, is checked and is fuzzed on
// its own.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace preview {

struct FontFace {
    // Every name the system could list the face under, best first: the Windows family
    // names (name ID 1) in US English, then in other languages, then the Macintosh ones;
    // each cut at its first NUL and to its first 31 UTF-16 units, as GDI keeps a face name;
    // none empty, none twice.
    std::vector<std::wstring> familyNames;

    bool operator==(const FontFace&) const = default;
};

struct FontFaces {
    std::vector<FontFace> faces; // the faces read, in file order
    // Whether every face the file declares was read whole. When not, the system may find
    // faces and names the reader did not, so a caller must not trust the names alone.
    bool complete = false;
};

// The faces of a TrueType or OpenType font or collection, of a bitmap font (.fnt) or of each
// bitmap font in a .fon. A bitmap font's face name is decoded with fromAnsi and, when it has
// bytes beyond ASCII, byte for byte as well. Bytes that are no font it knows give no faces
// and are not complete. On Windows each wchar_t is one UTF-16 unit, as GDI reports the name;
// natively the units are kept one per wchar_t all the same.
//
// Bounded for a hostile file: at most 256 faces, 4096 records per name table, 256 family
// name records per name table and 4096 tables per directory are looked at, each directory
// and name table once however many faces share it; past a bound the result is incomplete.
FontFaces readFontFaces(std::string_view bytes,
                        const std::function<std::wstring(std::string_view)>& fromAnsi);

// What Windows names an installed TrueType or OpenType file by: its first face's full name
// (name ID 4, as readNameStrings takes it) and whether its outlines are PostScript (CFF)
// ones. None for a file that is neither, or has no full name.
struct InstallName {
    std::wstring fullName;
    bool postScript = false;
};
std::optional<InstallName> readInstallName(std::string_view bytes);

// A font's own strings from its name table (the bytes of its 'name' table alone), by name
// ID: for each ID asked, the Windows string in US English, else in another language, else
// the Macintosh one taken as Mac Roman; each cut at its first NUL and to maxUnits units. An
// ID the table lacks, or whose string is empty or lies outside the table, is left out.
// Bounded as above: at most 4096 records are looked at.
std::map<std::uint16_t, std::wstring>
readNameStrings(std::string_view table, std::span<const std::uint16_t> ids, size_t maxUnits);

} // namespace preview
