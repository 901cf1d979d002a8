#include "app/Startup.h"

#include "platform/CallbackGuard.h"
#include "platform/FontCollection.h"
#include "preview/FontChoice.h"
#include "ui/MainForm.h"
#include "ui/ReadForm.h"

#include <optional>
#include <string>

namespace app {

namespace {

// A step that fails is skipped; the next one runs.
template <typename Step> void step(Step&& action) {
    platform::guardCallback(
        "a step of the reading", [&] { action(); }, [] {});
}

} // namespace

void loadMainForm(ui::MainForm& mainForm, platform::FontCollection& fonts,
                  const std::function<void()>& yield) {
    mainForm.WhichOne.setText(L"BigText");
    yield();
    const int count = fonts.count();
    for (int index = 0; index < count; ++index) {
        mainForm.FontList.addItem(fonts.faceName(index));
        yield();
    }
    // The first font, the size and the name for now: one font made for the three.
    const controls::SampleBox::Batch oneFont(mainForm.BigText);
    mainForm.FontList.setText(mainForm.FontList.list(0));
    mainForm.Sizelist.setText(L"8");
    mainForm.BigText.setFontName(L"Tahoma");
}

void readingSequence(ui::ReadForm& readForm, ui::MainForm& mainForm) {
    // The load and the sample's reset make one font, before the window shows it.
    std::optional<controls::SampleBox::Batch> oneFont(std::in_place, mainForm.BigText);
    step([&] { mainForm.load(); });
    step([&] { mainForm.BigText.setFontSize(preview::pointsOf(L"8").value()); });
    step([&] { mainForm.BigText.setFontBold(false); });
    step([&] { mainForm.BigText.setFontStrikethru(false); });
    step([&] { mainForm.BigText.setFontUnderline(false); });
    step([&] { mainForm.BigText.setFontItalic(false); });
    step([&] { mainForm.BigText.setFontName(mainForm.FontList.text()); });
    oneFont.reset();
    step([&] { mainForm.show(); });
    step([&] { readForm.hide(); });
    step([&] {
        if (!readForm.visible()) {
            mainForm.bringToFront();
            readForm.ReadingTimer.setEnabled(false);
        }
    });
}

} // namespace app
