#include "preview/FontChoice.h"

#include <cwchar>

namespace preview {

std::optional<float> pointsOf(const std::wstring& text) {
    if (text.empty())
        return std::nullopt;
    wchar_t* end = nullptr;
    const float points = std::wcstof(text.c_str(), &end);
    if (end != text.c_str() + text.size())
        return std::nullopt;
    return points;
}

void fontChosen(forms::MainForm& main) {
    auto& sample = main.BigText;
    ui::SampleBox::Batch oneFont(sample);
    // Each step goes on when one before it could not be done: with no size selected the
    // size stays; with no font selected the sample keeps its font.
    if (const auto points = pointsOf(main.Sizelist.text()))
        sample.setFontSize(*points);
    sample.setFontName(main.FontList.text());
    // Only unchecked effects are forced off; a checked one stays as the sample holds it.
    if (main.Bold.value() == 0)
        sample.setFontBold(false);
    if (main.Italic.value() == 0)
        sample.setFontItalic(false);
    if (main.Underline.value() == 0)
        sample.setFontUnderline(false);
    if (main.Strikeout.value() == 0)
        sample.setFontStrikethru(false);
}

void sizeChosen(forms::MainForm& main) {
    if (const auto points = pointsOf(main.Sizelist.text()))
        main.BigText.setFontSize(*points);
}

void sampleUsed(forms::MainForm& main) {
    main.WhichOne.setText(L"BigText");
}

void clearSample(forms::MainForm& main) {
    main.BigText.setText(L"");
}

} // namespace preview
