#include "app/Startup.h"

#include "preview/FontChoice.h"

#include <optional>
#include <string>

namespace app {

namespace {

// A step that fails is skipped without a word; the next one runs.
template <typename Step> void step(Step&& action) {
    try {
        action();
    } catch (...) {
    }
}

} // namespace

void loadMainForm(forms::MainForm& main, platform::FontCollection& fonts,
                  const std::function<void()>& yield) {
    main.WhichOne.setText(L"BigText");
    yield();
    const int count = fonts.count();
    for (int index = 0; index < count; ++index) {
        main.FontList.addItem(fonts.faceName(index));
        yield();
    }
    // The first font, the size and the name for now: one font made for the three.
    const ui::SampleBox::Batch oneFont(main.BigText);
    main.FontList.setText(main.FontList.list(0));
    main.Sizelist.setText(L"8");
    main.BigText.setFontName(L"Tahoma");
}

void readingSequence(forms::ReadForm& splash, forms::MainForm& main) {
    // The load and the sample's reset make one font, before the window shows it.
    std::optional<ui::SampleBox::Batch> oneFont(std::in_place, main.BigText);
    step([&] { main.load(); });
    step([&] { main.BigText.setFontSize(preview::pointsOf(L"8").value()); });
    step([&] { main.BigText.setFontBold(false); });
    step([&] { main.BigText.setFontStrikethru(false); });
    step([&] { main.BigText.setFontUnderline(false); });
    step([&] { main.BigText.setFontItalic(false); });
    step([&] { main.BigText.setFontName(main.FontList.text()); });
    oneFont.reset();
    step([&] { main.show(); });
    step([&] { splash.hide(); });
    step([&] {
        if (!splash.visible()) {
            main.bringToFront();
            splash.ReadingTimer.setEnabled(false);
        }
    });
}

} // namespace app
