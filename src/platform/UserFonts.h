#pragma once
// Fonts installed for the current user alone, as Windows 10 version 1809 and later install
// them: the file in the user's own font folder, a value under the user's Fonts key naming
// it, the font added for the session and every window told. Nothing that is there already
// is ever overwritten, and a failure part-way leaves nothing behind.
#include <string>
#include <vector>

namespace platform::userFonts {

// FOLDERID_LocalAppData\Microsoft\Windows\Fonts, never from the environment; empty when the
// system does not say.
std::wstring folder();

// Whether this Windows takes fonts for one user: version 10.0, build 17763 or later.
bool supported();

struct FontFile {
    std::wstring source;   // the bytes to install
    std::wstring fileName; // the name it takes in the folder
    std::wstring value;    // the value's name: the full name and its kind, "X (TrueType)"
};

enum class Outcome { done, alreadyThere, failed };

// Installs every file or none. `alreadyThere` when a file of that name or a value of that
// name exists: nothing is changed then.
Outcome install(const std::vector<FontFile>& files);

// The files in the folder that the user's Fonts key names for a face of this full name, as
// install names them ("X (TrueType)" or "X (OpenType)").
std::vector<std::wstring> filesNamed(const std::wstring& fullName);

// Takes away what install made for these files (full paths in the folder): the session's
// font, the values that name them, the files.
Outcome remove(const std::vector<std::wstring>& files);

} // namespace platform::userFonts
