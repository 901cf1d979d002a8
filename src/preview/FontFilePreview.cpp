#include "preview/FontFilePreview.h"

#include "platform/CodePage.h"
#include "platform/Files.h"
#include "platform/Prompts.h"
#include "preview/FontFileFaces.h"
#include "ui/MainForm.h"
#include "ui/Messages.h"

#include <algorithm>

namespace preview {

namespace {

// Said of a file that holds no font the system takes, or is damaged.
constexpr const wchar_t* notAFont =
    L"This is not a font file that Glyphmere can show, or it is damaged:";

// Larger than any font file in use, small enough to read whole at once.
constexpr unsigned long long largestFontFile = 64ull << 20;

bool sameText(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

} // namespace

bool FontFilePreview::isFontFile(const std::wstring& path) {
    const auto dot = path.find_last_of(L".\\/");
    if (dot == std::wstring::npos || path[dot] != L'.')
        return false;
    const std::wstring extension = path.substr(dot);
    for (const wchar_t* known : {L".ttf", L".otf", L".ttc", L".otc", L".fon", L".fnt"})
        if (sameText(extension, known))
            return true;
    return false;
}

void FontFilePreview::tell(ui::MainForm& mainForm, const std::wstring& what,
                           const std::wstring& path) {
    const std::wstring sep = mainForm.EnterLine.text();
    prompts_.messageBox(mainForm.hwnd(), what + sep + sep + path, ui::message::warning,
                        ui::message::title);
}

std::vector<std::wstring> FontFilePreview::previewOne(ui::MainForm& mainForm,
                                                      const std::wstring& given) {
    const std::wstring path = platform::files::fullPath(given);
    // Shown already: shown again.
    for (const Shown& file : shown_)
        if (sameText(file.path, path))
            return file.families;

    const auto bytes = platform::files::readAll(path, largestFontFile);
    if (!bytes) {
        tell(mainForm, L"Glyphmere could not read the font file:", path);
        return {};
    }
    const std::vector<FontFace> faces = readFontFaces(*bytes, platform::fromAnsiCodePage).faces;
    if (faces.empty()) {
        tell(mainForm, notAFont, path);
        return {};
    }
    // A family of a name the list or the system has already is not shown under that name,
    // since it might then show another font than this file's.
    for (const FontFace& face : faces)
        for (const std::wstring& family : face.familyNames)
            if (mainForm.FontList.findEntry(family) >= 0 ||
                platform::PrivateFonts::familyListed(family)) {
                tell(mainForm,
                     L"A font named \"" + family +
                         L"\" is in the list already, so Glyphmere does not show the one in:",
                     path);
                return {};
            }

    if (!fonts_.add(path)) {
        tell(mainForm, notAFont, path);
        return {};
    }
    // Each face under the first of its names that the system now lists for it.
    std::vector<std::wstring> shown;
    for (const FontFace& face : faces)
        for (const std::wstring& family : face.familyNames)
            if (platform::PrivateFonts::familyListed(family)) {
                if (std::find(shown.begin(), shown.end(), family) == shown.end())
                    shown.push_back(family);
                break;
            }
    if (shown.empty()) {
        fonts_.remove(path);
        tell(mainForm, notAFont, path);
        return {};
    }
    for (const std::wstring& family : shown)
        mainForm.FontList.addItem(family);
    shown_.push_back({path, shown});
    return shown;
}

int FontFilePreview::families() const {
    size_t count = 0;
    for (const Shown& file : shown_)
        count += file.families.size();
    return static_cast<int>(count);
}

void FontFilePreview::preview(ui::MainForm& mainForm, const std::vector<std::wstring>& paths) {
    std::wstring first;
    for (const std::wstring& path : paths) {
        const std::vector<std::wstring> shown = previewOne(mainForm, path);
        if (first.empty() && !shown.empty())
            first = shown.front();
    }
    if (!first.empty())
        mainForm.FontList.setText(first);
}

} // namespace preview
