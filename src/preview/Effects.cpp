#include "preview/Effects.h"

#include "ui/MainForm.h"

namespace preview {

void boldSwitched(ui::MainForm& mainForm) {
    mainForm.BigText.setFontBold(mainForm.Bold.value() == 1);
}

void italicSwitched(ui::MainForm& mainForm) {
    mainForm.BigText.setFontItalic(mainForm.Italic.value() == 1);
}

void underlineSwitched(ui::MainForm& mainForm) {
    mainForm.BigText.setFontUnderline(mainForm.Underline.value() == 1);
}

void strikeoutSwitched(ui::MainForm& mainForm) {
    mainForm.BigText.setFontStrikethru(mainForm.Strikeout.value() == 1);
}

void removeAllEffects(ui::MainForm& mainForm) {
    controls::SampleBox::Batch oneFont(mainForm.BigText);
    mainForm.BigText.setFontBold(false);
    mainForm.BigText.setFontItalic(false);
    mainForm.BigText.setFontStrikethru(false);
    mainForm.BigText.setFontUnderline(false);
    // A box that changes raises its own click handling, which agrees.
    mainForm.Bold.setValue(0);
    mainForm.Italic.setValue(0);
    mainForm.Underline.setValue(0);
    mainForm.Strikeout.setValue(0);
}

void pickColor(ui::MainForm& mainForm, platform::Prompts& prompts) {
    // The dialog's colour changes only when the user confirms one; cancelling applies the
    // colour already in place.
    mainForm.Colors.showColor(prompts, mainForm.hwnd(), mainForm.BigText.foreColor());
    mainForm.BigText.setForeColor(mainForm.Colors.color());
}

} // namespace preview
