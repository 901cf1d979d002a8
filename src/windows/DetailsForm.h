#pragma once
// DetailsForm's behaviour: what it shows of the font selected in the main window, and its
// commands.
#include "preview/FontDetails.h"

namespace platform {
struct Services;
}
namespace preview {
class FontFilePreview;
}
namespace ui {
class DetailsForm;
class MainForm;
} // namespace ui

namespace windows {

class Details {
public:
    Details(ui::DetailsForm& form, ui::MainForm& mainForm, platform::Services& services,
            preview::FontFilePreview& previews)
        : form_(form), mainForm_(mainForm), services_(services), previews_(previews) {}

    // The details of the font selected in the list; the main window waits while they show.
    void open();
    // Back to the main window.
    void close();
    // The rows the selection touches, to the clipboard.
    void copyRows();
    // Explorer, with the font's first file selected.
    void showInFolder();
    // The font's own address of that name ID, in the browser: only http and https.
    void openAddress(std::uint16_t id);
    // A previewed family's files installed for this user; one so installed removed again,
    // once the user says yes.
    void install();
    void remove();

    const preview::FontFacts& facts() const { return facts_; }

private:
    void read(const std::wstring& family);
    void fill();
    void tell(const std::wstring& text);
    std::vector<std::wstring> filesToRemove() const;

    ui::DetailsForm& form_;
    ui::MainForm& mainForm_;
    platform::Services& services_;
    preview::FontFilePreview& previews_;
    preview::FontFacts facts_;
};

} // namespace windows
