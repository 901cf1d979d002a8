#include "preview/FontFilePreview.h"

#include "platform/CodePage.h"
#include "platform/Files.h"
#include "platform/Prompts.h"
#include "preview/FontFileFaces.h"
#include "ui/MainForm.h"
#include "ui/Messages.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace preview {

namespace {

// Said of a file that holds no font the system takes, or is damaged.
constexpr const wchar_t* notAFont =
    L"This is not a font file that Glyphmere can show, or it is damaged:";

// Larger than any font file in use, small enough to read whole at once.
constexpr unsigned long long largestFontFile = 64ull << 20;

// One message names at most this many files, however many a drop refused.
constexpr size_t filesNamed = 12;

bool sameText(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

std::wstring extensionOf(const std::wstring& path) {
    std::wstring extension = path.substr(path.find_last_of(L'.'));
    CharLowerBuffW(extension.data(), static_cast<DWORD>(extension.size()));
    return extension;
}

// The families a file is shown under, best first: each face under the first of its names
// that appeared with it or is a previewed family it joins, then whatever else appeared.
std::vector<std::wstring> showingOrder(const std::vector<FontFace>& faces,
                                       const platform::FamilySet& appeared,
                                       const platform::FamilySet& joined) {
    std::vector<std::wstring> order;
    platform::FamilySet taken;
    const auto take = [&](const std::wstring& family) {
        if (taken.insert(family).second)
            order.push_back(family);
    };
    for (const FontFace& face : faces)
        for (const std::wstring& name : face.familyNames) {
            const auto at = appeared.find(name);
            const auto joining = joined.find(name);
            if (at != appeared.end() || joining != joined.end()) {
                take(at != appeared.end() ? *at : *joining);
                break;
            }
        }
    for (const std::wstring& family : appeared)
        take(family);
    return order;
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

void FontFilePreview::tell(ui::MainForm& mainForm, const std::vector<Problem>& problems) {
    if (problems.empty())
        return;
    // Grouped by what went wrong, in the order first seen, each file under its reason.
    const std::wstring sep = mainForm.EnterLine.text();
    std::vector<std::wstring> reasons;
    for (const Problem& problem : problems)
        if (std::find(reasons.begin(), reasons.end(), problem.what) == reasons.end())
            reasons.push_back(problem.what);
    std::wstring text;
    size_t named = 0;
    for (const std::wstring& reason : reasons) {
        if (named == filesNamed)
            break;
        text += (text.empty() ? L"" : sep + sep) + reason + sep;
        for (const Problem& problem : problems)
            if (problem.what == reason && named < filesNamed) {
                text += sep + problem.path;
                ++named;
            }
    }
    if (problems.size() > named)
        text += sep + sep + L"And " + std::to_wstring(problems.size() - named) + L" more.";
    prompts_.messageBox(mainForm.hwnd(), text, ui::message::warning, ui::message::title);
}

platform::FamilySet FontFilePreview::previewed() const {
    platform::FamilySet families;
    for (const Shown& file : shown_)
        families.insert(file.families.begin(), file.families.end());
    return families;
}

std::vector<std::pair<std::wstring, std::wstring>>
FontFilePreview::copiesOf(const std::wstring& family) const {
    std::vector<std::pair<std::wstring, std::wstring>> files;
    for (const Shown& file : shown_)
        if (std::any_of(file.families.begin(), file.families.end(),
                        [&](const std::wstring& shown) { return sameText(shown, family); }))
            files.emplace_back(file.path, file.copy);
    return files;
}

std::vector<std::wstring> FontFilePreview::filesOf(const std::wstring& family) const {
    std::vector<std::wstring> files;
    for (const auto& [path, copy] : copiesOf(family))
        files.push_back(path);
    return files;
}

void FontFilePreview::setLoaded(const std::wstring& family, bool loaded) {
    for (const auto& file : copiesOf(family)) {
        if (loaded)
            fonts_.add(file.second);
        else
            fonts_.remove(file.second);
    }
}

void FontFilePreview::installed(const std::wstring& family) {
    for (const auto& file : copiesOf(family)) {
        const std::wstring& copy = file.second;
        fonts_.remove(copy);
        copies_.remove(copy);
        std::erase_if(shown_, [&](const Shown& shown) { return shown.copy == copy; });
    }
}

void FontFilePreview::forget(ui::MainForm& mainForm, const std::wstring& path) {
    const auto file = std::find_if(shown_.begin(), shown_.end(),
                                   [&](const Shown& shown) { return sameText(shown.path, path); });
    if (file == shown_.end())
        return;
    const Shown gone = std::move(*file);
    shown_.erase(file);
    fonts_.remove(gone.copy);
    copies_.remove(gone.copy);
    const platform::FamilySet stillShown = previewed();
    for (const std::wstring& family : gone.families)
        if (!stillShown.contains(family))
            mainForm.FontList.removeItem(family);
}

FontFilePreview::Previewed FontFilePreview::previewOne(ui::MainForm& mainForm,
                                                       const std::wstring& given,
                                                       std::vector<Problem>& problems) {
    const std::wstring path = platform::files::fullPath(given);
    // Read once: the bytes checked here are the bytes the system is given.
    const auto bytes = platform::files::readAll(path, largestFontFile);
    if (!bytes) {
        problems.push_back({L"Glyphmere could not read the font file:", path});
        return {};
    }
    // Faces the reader could not account for might bear any name: such a file is not shown.
    const FontFaces read = readFontFaces(*bytes, platform::fromAnsiCodePage);
    if (read.faces.empty() || !read.complete) {
        problems.push_back({notAFont, path});
        return {};
    }
    forget(mainForm, path); // dropped again: shown as it is now

    // A face under the name of a family the system has, and that is not a previewed one,
    // might show in place of that family: the file is not shown. (Families the list has and
    // the system no longer lists are found as the file's families go into the list.)
    const platform::FamilySet ours = previewed();
    const platform::FamilySet before = platform::PrivateFonts::listedFamilies();
    platform::FamilySet expected;
    for (const FontFace& face : read.faces)
        expected.insert(face.familyNames.begin(), face.familyNames.end());
    const auto listedAlready = [&](const std::wstring& family) {
        problems.push_back(
            {L"A font named \"" + family +
                 L"\" is in the list already, so Glyphmere does not show the one in:",
             path});
    };
    const auto taken = std::find_if(expected.begin(), expected.end(), [&](const auto& family) {
        return !ours.contains(family) && before.contains(family);
    });
    if (taken != expected.end()) {
        listedAlready(*taken);
        return {};
    }

    const std::wstring copy = copies_.copy(*bytes, extensionOf(path));
    if (copy.empty()) {
        problems.push_back({L"Glyphmere could not make its own copy of the font file:", path});
        return {};
    }
    const int fonts = fonts_.add(copy);
    const auto refuse = [&] {
        if (fonts > 0)
            fonts_.remove(copy);
        copies_.remove(copy);
        return Previewed{};
    };
    // The system found more fonts in the file than were read: their names are unknown. Each
    // face may come twice, the second time in its vertical form ("@" and its name).
    if (fonts <= 0 || static_cast<size_t>(fonts) > 2 * read.faces.size()) {
        problems.push_back({notAFont, path});
        return refuse();
    }

    // What the system lists now and did not before is the file's; a family previewed already
    // that the file names takes its styles.
    const platform::FamilySet after = platform::PrivateFonts::listedFamilies();
    platform::FamilySet appeared;
    for (const std::wstring& family : after)
        if (!before.contains(family))
            appeared.insert(family);
    platform::FamilySet joined; // previewed families the system still lists
    for (const std::wstring& family : ours)
        if (after.contains(family))
            joined.insert(family);
    const std::vector<std::wstring> shown = showingOrder(read.faces, appeared, joined);
    if (shown.empty()) {
        problems.push_back({notAFont, path});
        return refuse();
    }
    // The new families into the list, in their sorted places; the previewed ones it joins are
    // there. One the list has already (installed, and gone from the system since) takes the
    // file back out.
    std::vector<std::wstring> added;
    int frontAt = -1;
    for (const std::wstring& family : appeared) {
        const int at = mainForm.FontList.addUnique(family);
        if (at < 0) {
            for (const std::wstring& entry : added)
                mainForm.FontList.removeItem(entry);
            listedAlready(family);
            return refuse();
        }
        // An entry added before the first family moves it down one.
        if (sameText(family, shown.front()))
            frontAt = at;
        else if (frontAt >= 0 && at <= frontAt)
            ++frontAt;
        added.push_back(family);
    }
    shown_.push_back({path, copy, shown});
    return {shown, frontAt};
}

int FontFilePreview::families() const {
    return static_cast<int>(previewed().size());
}

void FontFilePreview::removeAll() {
    fonts_.removeAll();
    copies_.removeCopies();
    shown_.clear();
}

void FontFilePreview::close() {
    removeAll();
    copies_.removeAll();
}

void FontFilePreview::preview(ui::MainForm& mainForm, const std::vector<std::wstring>& paths) {
    std::vector<Problem> problems;
    std::wstring first;
    int firstAt = -1; // known while no later file changes the list
    for (const std::wstring& path : paths) {
        const Previewed shown = previewOne(mainForm, path, problems);
        if (!first.empty())
            firstAt = -1;
        else if (!shown.families.empty())
            std::tie(first, firstAt) = std::pair(shown.families.front(), shown.frontAt);
    }
    if (!first.empty()) {
        // Made once, whether the selection changes the name or the family it names has new
        // faces (a style joined, a file dropped again).
        const controls::SampleBox::Batch oneFont(mainForm.BigText);
        mainForm.BigText.remakeFont();
        // By its place when known: finding the entry by its text reads the whole list.
        if (firstAt >= 0)
            mainForm.FontList.setListIndex(firstAt);
        else
            mainForm.FontList.setText(first);
    }
    tell(mainForm, problems);
}

} // namespace preview
