#pragma once
// What the system and a font's own tables say about a family it lists, installed or
// previewed: nothing read from a file by us, nothing guessed.
#include "preview/FontDetails.h"

#include <string>
#include <vector>

namespace platform {

// The facts of the family's regular face, as the system makes it for drawing: its name
// table's strings, outlines, embedding permission and glyph count, the styles the system
// has of the family, and the files DirectWrite finds the face in. When the system draws
// another face for the name, only the family is given. `where` is left for the caller.
preview::FontFacts readFontFacts(const std::wstring& family);

// The full names of the family's faces the system lists ("Arial", "Arial Bold", ...).
std::vector<std::wstring> fullNamesOf(const std::wstring& family);

} // namespace platform
