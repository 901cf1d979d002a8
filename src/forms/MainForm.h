#pragma once
// The main window: the banner, the finding and choosing column, the size, effects and
// sample column, and the menu bar.
// Members are named for what they are; the string beside each is the control's stored
// name, by which its layout table and outside tools know it.
#include "forms/MainMenu.h"
#include "ui/CommonDialog.h"
#include "ui/Form.h"
#include "ui/SampleBox.h"

namespace forms {

const ui::FormSpec& mainFormLayout();
const ui::CommonDialogSpec& forOpenSettings();
const ui::CommonDialogSpec& forReportSettings();
const ui::CommonDialogSpec& colorsSettings();

class MainForm : public ui::Form {
public:
    MainForm() : Form(mainFormLayout(), mainMenu()) {}

    // Banner
    ui::PictureButton DonatePicture{*this, L"Image4"};
    ui::PictureButton LogoPicture{*this, L"Image3"};
    ui::Label DescriptionLine2{*this, L"Label3"};
    ui::Label DescriptionLine1{*this, L"Label2"};
    ui::Label WelcomeLabel{*this, L"Label1"};
    ui::PictureButton ExitPicture{*this, L"Image9"};
    ui::PictureButton MinimizePicture{*this, L"Image8"};

    // Tool row
    ui::PictureButton RefreshList{*this, L"RefreshList"};
    ui::PictureButton FontFolder{*this, L"FontFolder"};
    ui::PictureButton SaveReport{*this, L"SaveReport"};
    ui::PictureButton CopyFontName{*this, L"CopyFontName"};
    ui::PictureButton FontCounterTool{*this, L"FontCounterTool"};
    ui::PictureButton CharacterMap{*this, L"CharacterMap"};

    // Effects row
    ui::PictureButton EffectsPicture{*this, L"Image1"};
    ui::CheckBox Bold{*this, L"Bold"};
    ui::CheckBox Italic{*this, L"Italic"};
    ui::CheckBox Underline{*this, L"Underline"};
    ui::CheckBox Strikeout{*this, L"Strikeout"};
    ui::Label RemoveLabel{*this, L"RemoveLabel"};

    // Finding and choosing a font
    ui::PictureButton SearchPicture{*this, L"Image2"};
    ui::TextBox FontFind{*this, L"FontFind"};
    ui::ListBox FontList{*this, L"FontList"};

    // Size and sample
    ui::ListBox Sizelist{*this, L"Sizelist"};
    ui::Label SampleLabel{*this, L"Label6"};
    ui::PictureButton OpenButton{*this, L"OpenButton"};
    ui::PictureButton ColorClick{*this, L"ColorClick"};
    ui::PictureButton Cut{*this, L"Cut"};
    ui::PictureButton Copy{*this, L"Copy"};
    ui::PictureButton Paste{*this, L"Paste"};
    ui::PictureButton Delete{*this, L"Delete"};
    ui::PictureButton UndoButton{*this, L"UndoButton"};
    ui::PictureButton ClearText{*this, L"ClearText"};
    ui::SampleBox BigText{*this, L"BigText"};

    // Never shown
    ui::TextBox WhichOne{*this, L"WhichOne"};
    ui::TextBox EnterLine{*this, L"EnterLine"};

    // Menu items
    ui::MenuItem Minimize{*this, L"Minimize"};
    ui::MenuItem Quit{*this, L"Quit"};
    ui::MenuItem ReportMenu{*this, L"ReportMenu"};
    ui::MenuItem OpenFileMenu{*this, L"OpenFileMenu"};
    ui::MenuItem RefreshListMenu{*this, L"RefreshLisr"};
    ui::MenuItem OpenWinFonts{*this, L"OpenWinFonts"};
    ui::MenuItem CharacterMapMenu{*this, L"CharacterMapButton"};
    ui::MenuItem FontsCounter{*this, L"FontsCounter"};
    ui::MenuItem Undo{*this, L"Undo"};
    ui::MenuItem CutMenu{*this, L"Cut2"};
    ui::MenuItem CopyMenu{*this, L"Copy2"};
    ui::MenuItem PasteMenu{*this, L"Paste2"};
    ui::MenuItem DeleteMenu{*this, L"Delete2"};
    ui::MenuItem RemoveEffects{*this, L"RemoveEffects"};
    ui::MenuItem SelectAll{*this, L"SelectAll"};
    ui::MenuItem RemoveAll{*this, L"RemoveAll"};
    ui::MenuItem License{*this, L"License"};
    ui::MenuItem HowInstall{*this, L"HowInstall"};
    ui::MenuItem Contact{*this, L"Contact"};
    ui::MenuItem FeedbackMenu{*this, L"LikeIt"};
    ui::MenuItem ProductPageMenu{*this, L"Downloadcom"};
    ui::MenuItem AboutMenu{*this, L"AboutPro"};

    // Common dialogs
    ui::CommonDialog ForOpen{forOpenSettings()};
    ui::CommonDialog ForReport{forReportSettings()};
    ui::CommonDialog Colors{colorsSettings()};
};

} // namespace forms
