#include "app/Wiring.h"

#include "preview/Effects.h"
#include "preview/FindFont.h"
#include "preview/FontChoice.h"
#include "preview/FontListCommands.h"

namespace app {

void wirePreview(ui::MainForm& main, platform::Services& services) {
    auto& prompts = services.prompts;
    main.FontList.onClick = [&main] { preview::fontChosen(main); };
    main.Sizelist.onClick = [&main] { preview::sizeChosen(main); };
    main.BigText.onClick = [&main] { preview::sampleUsed(main); };
    main.BigText.onGotFocus = [&main] { preview::sampleUsed(main); };
    main.ClearText.onClick = [&main] { preview::clearSample(main); };
    main.RemoveAll.onClick = [&main] { preview::clearSample(main); };

    main.Bold.onClick = [&main] { preview::boldSwitched(main); };
    main.Italic.onClick = [&main] { preview::italicSwitched(main); };
    main.Underline.onClick = [&main] { preview::underlineSwitched(main); };
    main.Strikeout.onClick = [&main] { preview::strikeoutSwitched(main); };
    main.RemoveEffects.onClick = [&main] { preview::removeAllEffects(main); };
    main.RemoveLabel.onClick = [&main] { preview::removeAllEffects(main); };
    main.ColorClick.onClick = [&main, &prompts] { preview::pickColor(main, prompts); };

    main.FontFind.onChange = [&main] { preview::findAsYouType(main); };
    main.FontFind.onClick = [&main] { preview::findBoxUsed(main); };
    main.FontFind.onGotFocus = [&main] { preview::findBoxUsed(main); };

    main.FontsCounter.onClick = [&main, &prompts] { preview::countFonts(main, prompts); };
    main.FontCounterTool.onClick = [&main, &prompts] { preview::countFonts(main, prompts); };
    main.RefreshLisr.onClick = [&main] { preview::refreshList(main); };
    main.RefreshList.onClick = [&main] { preview::refreshList(main); };
    main.CopyFontName.onClick = [&main, &prompts] { preview::copyFontName(main, prompts); };
}

} // namespace app
