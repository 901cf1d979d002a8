#include "app/Startup.h"

#include "preview/FontChoice.h"

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
    main.FontList.setText(main.FontList.list(0));
    main.Sizelist.setText(L"8");
    main.BigText.setFontName(L"Tahoma");
}

void readingSequence(forms::ReadForm& splash, forms::MainForm& main) {
    step([&] { main.load(); });
    step([&] { main.BigText.setFontSize(preview::pointsOf(L"8").value()); });
    step([&] { main.BigText.setFontBold(false); });
    step([&] { main.BigText.setFontStrikethru(false); });
    step([&] { main.BigText.setFontUnderline(false); });
    step([&] { main.BigText.setFontItalic(false); });
    step([&] { main.BigText.setFontName(main.FontList.text()); });
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
