#include "preview/FontChoice.h"

#include "ui/MainForm.h"

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

void fontChosen(ui::MainForm& mainForm) {
    auto& sample = mainForm.BigText;
    controls::SampleBox::Batch oneFont(sample);
    // Each step goes on when one before it could not be done: with no size selected the
    // size stays; with no font selected the sample keeps its font.
    if (const auto points = pointsOf(mainForm.Sizelist.text()))
        sample.setFontSize(*points);
    sample.setFontName(mainForm.FontList.text());
    // Only unchecked effects are forced off; a checked one stays as the sample holds it.
    if (mainForm.Bold.value() == 0)
        sample.setFontBold(false);
    if (mainForm.Italic.value() == 0)
        sample.setFontItalic(false);
    if (mainForm.Underline.value() == 0)
        sample.setFontUnderline(false);
    if (mainForm.Strikeout.value() == 0)
        sample.setFontStrikethru(false);
}

void sizeChosen(ui::MainForm& mainForm) {
    if (const auto points = pointsOf(mainForm.Sizelist.text()))
        mainForm.BigText.setFontSize(*points);
}

void sampleUsed(ui::MainForm& mainForm) {
    mainForm.WhichOne.setText(L"BigText");
}

void clearSample(ui::MainForm& mainForm) {
    mainForm.BigText.setText(L"");
}

} // namespace preview
