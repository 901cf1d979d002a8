#pragma once
// The family names inside a font file, read from its bytes before the file is added to the
// system, so that a dropped file's families can be shown. Pure: no window system, so it
// also builds, is checked and is fuzzed on its own.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace preview {

// One face of a font file and the family names it goes by, best first.
struct FontFace {
    std::vector<std::wstring> familyNames;

    bool operator==(const FontFace&) const = default;
};

// Every face the file holds, in file order; empty when the bytes are not a font file it
// knows or are damaged so that no face can be read. Pure.
//
// TrueType and OpenType fonts and their collections give the name table's family names:
// the Windows names, US English first, then the Macintosh ASCII ones when no Windows
// name can be used. Each bitmap font (.fnt, or each one inside a .fon) gives its face name,
// decoded with fromAnsi. Names GDI could not use are left out: empty ones, ones with a NUL
// and ones of 32 or more UTF-16 units. On Windows each wchar_t is one UTF-16 unit, as GDI
// reports the name; natively the units are kept one per wchar_t all the same.
std::vector<FontFace> readFontFaces(std::string_view bytes,
                                    const std::function<std::wstring(std::string_view)>& fromAnsi);

} // namespace preview
