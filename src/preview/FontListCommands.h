#pragma once
// Three commands on the font list: how many fonts, repaint, copy the selected name.
namespace platform {
class Prompts;
}
namespace ui {
class MainForm;
}

namespace preview {

class FontFilePreview;

// The installed fonts: the list's entries but those of font files previewed.
void countFonts(ui::MainForm& mainForm, platform::Prompts& prompts,
                const FontFilePreview& fontFiles);
void refreshList(ui::MainForm& mainForm);
void copyFontName(ui::MainForm& mainForm, platform::Prompts& prompts);

} // namespace preview
