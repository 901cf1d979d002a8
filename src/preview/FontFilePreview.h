#pragma once
// Font files shown before they are installed: each added for this program alone, from a
// private copy, its families joining the font list in their sorted places, all taken away
// again when the main window unloads. The system, not our reading of the file, decides which
// families are shown: exactly those it lists after the add that it did not list before, and
// those already previewed that the file adds styles to.
#include "platform/PreviewCopies.h"
#include "platform/PrivateFonts.h"

#include <string>
#include <vector>

namespace platform {
class Prompts;
}
namespace ui {
class MainForm;
}

namespace preview {

class FontFilePreview {
public:
    // The copies go under `copiesFolder`; with none, where PreviewCopies keeps them.
    explicit FontFilePreview(platform::Prompts& prompts, std::wstring copiesFolder = {})
        : prompts_(prompts), copies_(std::move(copiesFolder)) {}

    // Whether a file is one to preview, by its name: .ttf, .otf, .ttc, .otc, .fon or .fnt.
    static bool isFontFile(const std::wstring& path);

    // Previews each file in turn, then selects the first family of the first one shown, as a
    // click on the list would. A file dropped again is shown as it is now. Files that cannot
    // be read, hold no font or a family the list or the system has already add nothing and
    // are named together in one message once the rest are shown.
    void preview(ui::MainForm& mainForm, const std::vector<std::wstring>& paths);

    // How many entries of the list are previewed families, not installed ones.
    int families() const;
    // The files, as dropped, that a previewed family comes from; none for another family.
    std::vector<std::wstring> filesOf(const std::wstring& family) const;
    // Each such file's private copy, beside it.
    std::vector<std::pair<std::wstring, std::wstring>> copiesOf(const std::wstring& family) const;
    // The family's previewed files taken out of the session (their copies kept), or added
    // back: the system keeps one face of a name, so faces installed beside them would leave
    // with them.
    void setLoaded(const std::wstring& family, bool loaded);
    // The family is installed now: its files are no longer previewed, and it stays listed.
    void installed(const std::wstring& family);

    // Every file goes, and its families with it.
    void removeAll();
    // The main window unloads: every file goes, and the folder of their copies.
    void close();

private:
    struct Problem {
        std::wstring what, path;
    };
    struct Shown {
        std::wstring path, copy;
        std::vector<std::wstring> families; // in the list because of the file, best first
    };
    struct Previewed {
        std::vector<std::wstring> families; // best first; none, after noting the problem
        int frontAt = -1; // the first family's index in the list, when the file added it
    };
    Previewed previewOne(ui::MainForm& mainForm, const std::wstring& path,
                         std::vector<Problem>& problems);
    // The file shown before from that path goes, and its families that no other file gives.
    void forget(ui::MainForm& mainForm, const std::wstring& path);
    platform::FamilySet previewed() const;
    void tell(ui::MainForm& mainForm, const std::vector<Problem>& problems);

    platform::Prompts& prompts_;
    // Declared before the fonts, so that the fonts are removed before their copies go.
    platform::PreviewCopies copies_;
    platform::PrivateFonts fonts_;
    std::vector<Shown> shown_;
};

} // namespace preview
