#include "preview/Effects.h"

namespace preview {

void boldSwitched(forms::MainForm& main) {
    main.BigText.setFontBold(main.Bold.value() == 1);
}

void italicSwitched(forms::MainForm& main) {
    main.BigText.setFontItalic(main.Italic.value() == 1);
}

void underlineSwitched(forms::MainForm& main) {
    main.BigText.setFontUnderline(main.Underline.value() == 1);
}

void strikeoutSwitched(forms::MainForm& main) {
    main.BigText.setFontStrikethru(main.Strikeout.value() == 1);
}

void removeAllEffects(forms::MainForm& main) {
    ui::SampleBox::Batch oneFont(main.BigText);
    main.BigText.setFontBold(false);
    main.BigText.setFontItalic(false);
    main.BigText.setFontStrikethru(false);
    main.BigText.setFontUnderline(false);
    // A box that changes raises its own click handling, which agrees.
    main.Bold.setValue(0);
    main.Italic.setValue(0);
    main.Underline.setValue(0);
    main.Strikeout.setValue(0);
}

void pickColor(forms::MainForm& main, platform::Prompts& prompts) {
    // The dialog's colour changes only when the user confirms one; cancelling applies the
    // colour already in place.
    COLORREF chosen = main.BigText.foreColor();
    if (prompts.chooseColor(main.hwnd(), chosen))
        main.Colors.color = chosen;
    main.BigText.setForeColor(main.Colors.color);
}

} // namespace preview
