#include "app/Wiring.h"

#include "editing/EditCommands.h"
#include "editing/OpenFile.h"
#include "preview/Effects.h"
#include "preview/FindFont.h"
#include "preview/FontChoice.h"
#include "preview/FontListCommands.h"
#include "report/ReportCode.h"

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

void wireEditing(ui::MainForm& main, platform::Services& services) {
    auto& prompts = services.prompts;
    main.Undo.onClick = [&main] { editing::UndoCode(main); };
    main.UndoButton.onClick = [&main] { editing::UndoCode(main); };
    main.Cut2.onClick = [&main] { editing::CutCode(main); };
    main.Cut.onClick = [&main] { editing::CutCode(main); };
    main.Copy2.onClick = [&main] { editing::CopyCode(main); };
    main.Copy.onClick = [&main] { editing::CopyCode(main); };
    main.Paste2.onClick = [&main] { editing::PasteCode(main); };
    main.Paste.onClick = [&main] { editing::PasteCode(main); };
    main.Delete2.onClick = [&main] { editing::DelCode(main); };
    main.Delete.onClick = [&main] { editing::DelCode(main); };
    main.SelectAll.onClick = [&main] { editing::SelectAllCode(main); };
    main.OpenFileMenu.onClick = [&main, &prompts] { editing::OpenFile(main, prompts); };
    main.OpenButton.onClick = [&main, &prompts] { editing::OpenFile(main, prompts); };
}

void wireReport(ui::MainForm& main, platform::Services& services) {
    auto& prompts = services.prompts;
    main.ReportMenu.onClick = [&main, &prompts] { report::ReportCode(main, prompts); };
    main.SaveReport.onClick = [&main, &prompts] { report::ReportCode(main, prompts); };
}

} // namespace app
