#include "app/Wiring.h"

#include "aboutfeedback/AboutWindow.h"
#include "aboutfeedback/FeedbackWindow.h"
#include "editing/EditCommands.h"
#include "editing/OpenFile.h"
#include "forms/Product.h"
#include "preview/Effects.h"
#include "preview/FindFont.h"
#include "preview/FontChoice.h"
#include "preview/FontListCommands.h"
#include "report/ReportCommand.h"
#include "shell/LaunchCommands.h"
#include "shell/ShellOpen.h"
#include "shell/WebAndMail.h"

namespace app {

void wirePreview(forms::MainForm& main, platform::Services& services) {
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
    main.RefreshListMenu.onClick = [&main] { preview::refreshList(main); };
    main.RefreshList.onClick = [&main] { preview::refreshList(main); };
    main.CopyFontName.onClick = [&main, &prompts] { preview::copyFontName(main, prompts); };
}

void wireEditing(forms::MainForm& main, platform::Services& services) {
    auto& prompts = services.prompts;
    auto& system = services.system;
    main.Undo.onClick = [&main] { editing::undoEdit(main); };
    main.UndoButton.onClick = [&main] { editing::undoEdit(main); };
    main.CutMenu.onClick = [&main] { editing::cutSelection(main); };
    main.Cut.onClick = [&main] { editing::cutSelection(main); };
    main.CopyMenu.onClick = [&main] { editing::copySelection(main); };
    main.Copy.onClick = [&main] { editing::copySelection(main); };
    main.PasteMenu.onClick = [&main] { editing::pasteText(main); };
    main.Paste.onClick = [&main] { editing::pasteText(main); };
    main.DeleteMenu.onClick = [&main] { editing::deleteSelection(main); };
    main.Delete.onClick = [&main] { editing::deleteSelection(main); };
    main.SelectAll.onClick = [&main] { editing::selectAll(main); };
    main.OpenFileMenu.onClick = [&main, &prompts, &system] {
        editing::openTextFile(main, prompts, system);
    };
    main.OpenButton.onClick = [&main, &prompts, &system] {
        editing::openTextFile(main, prompts, system);
    };
    main.onFilesDropped = [&main, &system](const std::vector<std::wstring>& files) {
        editing::openDroppedFiles(main, system, files);
    };
}

void wireReport(forms::MainForm& main, platform::Services& services) {
    auto& prompts = services.prompts;
    main.ReportMenu.onClick = [&main, &prompts] { report::saveReport(main, prompts); };
    main.SaveReport.onClick = [&main, &prompts] { report::saveReport(main, prompts); };
}

// The handlers below outlive the calls that make them: each names what it captures, and
// captures only forms and services, which live as long as the program (the locals are
// references to them, never copies).
void wireLaunches(Windows w, platform::Services& services) {
    forms::ReadForm& splash = w.splash;
    forms::MainForm& main = w.main;
    forms::AboutForm& about = w.about;
    forms::ForGlyphmere& feedback = w.feedback;
    auto& shell = services.shell;
    main.OpenWinFonts.onClick = [&splash, &shell] { shell::openFontsFolder(shell, splash); };
    main.FontFolder.onClick = [&splash, &shell] { shell::openFontsFolder(shell, splash); };
    main.CharacterMapMenu.onClick = [&splash, &shell] { shell::openCharacterMap(shell, splash); };
    main.CharacterMap.onClick = [&splash, &shell] { shell::openCharacterMap(shell, splash); };
    main.HowInstall.onClick = [&splash, &services] { shell::openHowTo(services, splash); };
    main.License.onClick = [&splash, &services, &main] {
        shell::openLicense(services, splash, main.hwnd());
    };
    main.DonatePicture.onClick = [&splash, &services] { shell::openDonation(services, splash); };
    main.Contact.onClick = [&shell] { shell::mailSupport(shell); };
    main.ProductPageMenu.onClick = [&shell] { shell::openProductPage(shell); };
    // The about and feedback windows are not modal, but the main window waits while one is open.
    main.AboutMenu.onClick = [&main, &about] { aboutfeedback::openAbout(about, main); };
    main.FeedbackMenu.onClick = [&main, &feedback] { aboutfeedback::openFeedback(feedback, main); };
}

void wireAbout(Windows w, platform::Services& services) {
    forms::ReadForm& splash = w.splash;
    forms::MainForm& main = w.main;
    forms::AboutForm& about = w.about;
    auto& shell = services.shell;
    about.onLoad = [&about, &services] { aboutfeedback::aboutLoaded(about, services.system); };
    about.LicenseButton.onClick = [&splash, &services, &about] {
        shell::openLicense(services, splash, about.hwnd());
    };
    about.DonatePicture.onClick = [&splash, &services] { shell::openDonation(services, splash); };
    about.VoteLink.onClick = [&shell] { shell::openProductPage(shell); };
    about.SupportMailLink.onClick = [&shell] { shell::mailSupport(shell); };
    // Every way of closing gives the main window back.
    about.OkButton.onClick = [&main, &about] { aboutfeedback::closeAbout(about, main); };
    about.onEscape = [&main, &about] { aboutfeedback::closeAbout(about, main); };
    about.onCloseRequest = [&main, &about] { aboutfeedback::closeAbout(about, main); };
}

void wireFeedback(Windows w, platform::Services& services) {
    forms::ReadForm& splash = w.splash;
    forms::MainForm& main = w.main;
    forms::ForGlyphmere& feedback = w.feedback;
    auto& shell = services.shell;
    feedback.SupportMailLink.onClick = [&shell] { shell::mailSupport(shell); };
    feedback.TellAFriendLink.onClick = [&feedback, &services] {
        aboutfeedback::tellAFriend(feedback, services);
    };
    feedback.FirstSiteLink.onClick = [&splash, &shell] {
        shell::shellOpen(shell, splash.hwnd(), std::wstring(forms::product::firstSiteHome), L"",
                         L"");
    };
    feedback.SecondSiteLink.onClick = [&splash, &shell] {
        shell::shellOpen(shell, splash.hwnd(), std::wstring(forms::product::secondSiteHome), L"",
                         L"");
    };
    feedback.FirstSiteNotePicture.onClick = [&feedback, &services] {
        aboutfeedback::firstSiteNote(feedback, services.prompts);
    };
    feedback.SecondSiteNotePicture.onClick = [&feedback, &services] {
        aboutfeedback::secondSiteNote(feedback, services.prompts);
    };
    feedback.ClosePicture.onClick = [&main, &feedback] {
        aboutfeedback::closeFeedback(feedback, main);
    };
    feedback.onEscape = [&main, &feedback] { aboutfeedback::closeFeedback(feedback, main); };
    feedback.onCloseRequest = [&main, &feedback] { aboutfeedback::closeFeedback(feedback, main); };
}

} // namespace app
