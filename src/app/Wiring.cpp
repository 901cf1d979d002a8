#include "app/Wiring.h"

#include "editing/EditCommands.h"
#include "editing/OpenFile.h"
#include "forms/Product.h"
#include "preview/Effects.h"
#include "preview/FindFont.h"
#include "preview/FontChoice.h"
#include "preview/FontListCommands.h"
#include "report/ReportCode.h"
#include "secondary/AboutWindow.h"
#include "secondary/FeedbackWindow.h"
#include "shell/LaunchCommands.h"
#include "shell/ShellOpen.h"
#include "shell/Support.h"

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
    main.RefreshLisr.onClick = [&main] { preview::refreshList(main); };
    main.RefreshList.onClick = [&main] { preview::refreshList(main); };
    main.CopyFontName.onClick = [&main, &prompts] { preview::copyFontName(main, prompts); };
}

void wireEditing(forms::MainForm& main, platform::Services& services) {
    auto& prompts = services.prompts;
    auto& system = services.system;
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
    main.OpenFileMenu.onClick = [&main, &prompts, &system] {
        editing::OpenFile(main, prompts, system);
    };
    main.OpenButton.onClick = [&main, &prompts, &system] {
        editing::OpenFile(main, prompts, system);
    };
    main.onFilesDropped = [&main, &system](const std::vector<std::wstring>& files) {
        editing::openDroppedFiles(main, system, files);
    };
}

void wireReport(forms::MainForm& main, platform::Services& services) {
    auto& prompts = services.prompts;
    main.ReportMenu.onClick = [&main, &prompts] { report::ReportCode(main, prompts); };
    main.SaveReport.onClick = [&main, &prompts] { report::ReportCode(main, prompts); };
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
    main.CharacterMapButton.onClick = [&splash, &shell] { shell::openCharacterMap(shell, splash); };
    main.CharacterMap.onClick = [&splash, &shell] { shell::openCharacterMap(shell, splash); };
    main.HowInstall.onClick = [&splash, &services] { shell::openHowTo(services, splash); };
    main.License.onClick = [&splash, &services, &main] {
        shell::openLicense(services, splash, main.hwnd());
    };
    main.Image4.onClick = [&splash, &services] { shell::openDonation(services, splash); };
    main.Contact.onClick = [&shell] { shell::MailSupport(shell); };
    main.Downloadcom.onClick = [&shell] { shell::OpenDownloadPage(shell); };
    // The secondary windows are not modal, but the main window waits while one is open.
    main.AboutPro.onClick = [&main, &about] { secondary::openAbout(about, main); };
    main.LikeIt.onClick = [&main, &feedback] { secondary::openFeedback(feedback, main); };
}

void wireAbout(Windows w, platform::Services& services) {
    forms::ReadForm& splash = w.splash;
    forms::MainForm& main = w.main;
    forms::AboutForm& about = w.about;
    auto& shell = services.shell;
    about.onLoad = [&about, &services] { secondary::aboutLoaded(about, services.system); };
    about.About_License.onClick = [&splash, &services, &about] {
        shell::openLicense(services, splash, about.hwnd());
    };
    about.Image1.onClick = [&splash, &services] { shell::openDonation(services, splash); };
    about.Label10.onClick = [&shell] { shell::OpenDownloadPage(shell); };
    about.Label6.onClick = [&shell] { shell::MailSupport(shell); };
    // Every way of closing gives the main window back.
    about.MinimizeToTray2.onClick = [&main, &about] { secondary::closeAbout(about, main); };
    about.onEscape = [&main, &about] { secondary::closeAbout(about, main); };
    about.onCloseRequest = [&main, &about] { secondary::closeAbout(about, main); };
}

void wireFeedback(Windows w, platform::Services& services) {
    forms::ReadForm& splash = w.splash;
    forms::MainForm& main = w.main;
    forms::ForGlyphmere& feedback = w.feedback;
    auto& shell = services.shell;
    feedback.Label6.onClick = [&shell] { shell::MailSupport(shell); };
    feedback.Label4.onClick = [&feedback, &services] {
        secondary::tellAFriend(feedback, services);
    };
    feedback.Label8.onClick = [&splash, &shell] {
        shell::ShellOpen(shell, splash.hwnd(), std::wstring(forms::product::firstSiteHome), L"",
                         L"");
    };
    feedback.Label12.onClick = [&splash, &shell] {
        shell::ShellOpen(shell, splash.hwnd(), std::wstring(forms::product::secondSiteHome), L"",
                         L"");
    };
    feedback.Image1.onClick = [&feedback, &services] {
        secondary::firstSiteNote(feedback, services.prompts);
    };
    feedback.Image2.onClick = [&feedback, &services] {
        secondary::secondSiteNote(feedback, services.prompts);
    };
    feedback.Image3.onClick = [&main, &feedback] { secondary::closeFeedback(feedback, main); };
    feedback.onEscape = [&main, &feedback] { secondary::closeFeedback(feedback, main); };
    feedback.onCloseRequest = [&main, &feedback] { secondary::closeFeedback(feedback, main); };
}

} // namespace app
