#pragma once
// Font files shown before they are installed: each added for this program alone, its
// families joining the font list in their sorted places, all taken away again when the main
// window unloads. The families shown are exactly those the system then lists for the file.
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
    explicit FontFilePreview(platform::Prompts& prompts) : prompts_(prompts) {}

    // Whether a file is one to preview, by its name: .ttf, .otf, .ttc, .otc, .fon or .fnt.
    static bool isFontFile(const std::wstring& path);

    // Previews each file in turn, then selects the first family of the first one shown, as a
    // click on the list would. A file that cannot be read, holds no font or a family the
    // list has already gets a message that names it, adds nothing, and the next one goes on.
    void preview(ui::MainForm& mainForm, const std::vector<std::wstring>& paths);

    // How many entries of the list are previewed families, not installed ones.
    int families() const;

    // The main window unloads: every file goes, and its families with it.
    void removeAll() {
        fonts_.removeAll();
        shown_.clear();
    }

private:
    // The families the file gave the list; none, after a message, when it gave none.
    std::vector<std::wstring> previewOne(ui::MainForm& mainForm, const std::wstring& path);
    void tell(ui::MainForm& mainForm, const std::wstring& what, const std::wstring& path);

    struct Shown {
        std::wstring path;
        std::vector<std::wstring> families; // in the list because of the file
    };
    platform::Prompts& prompts_;
    platform::PrivateFonts fonts_;
    std::vector<Shown> shown_;
};

} // namespace preview
