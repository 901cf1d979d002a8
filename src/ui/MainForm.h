#pragma once
// The main window: the banner, the finding and choosing column, the size, effects and
// sample column, and the menu bar.
#include "ui/CommonDialog.h"
#include "ui/Form.h"
#include "ui/SampleBox.h"

namespace ui {

const FormSpec& mainFormLayout();
const CommonDialogSpec& forOpenSettings();
const CommonDialogSpec& forReportSettings();
const CommonDialogSpec& colorsSettings();

class MainForm : public Form {
public:
    MainForm() : Form(mainFormLayout(), mainMenu()) {}

    // Banner
    PictureButton Image4{*this, L"Image4"};
    PictureButton Image3{*this, L"Image3"};
    Label Label3{*this, L"Label3"};
    Label Label2{*this, L"Label2"};
    Label Label1{*this, L"Label1"};
    PictureButton Image9{*this, L"Image9"};
    PictureButton Image8{*this, L"Image8"};

    // Tool row
    PictureButton RefreshList{*this, L"RefreshList"};
    PictureButton FontFolder{*this, L"FontFolder"};
    PictureButton SaveReport{*this, L"SaveReport"};
    PictureButton CopyFontName{*this, L"CopyFontName"};
    PictureButton FontCounterTool{*this, L"FontCounterTool"};
    PictureButton CharacterMap{*this, L"CharacterMap"};

    // Effects row
    PictureButton Image1{*this, L"Image1"};
    CheckBox Bold{*this, L"Bold"};
    CheckBox Italic{*this, L"Italic"};
    CheckBox Underline{*this, L"Underline"};
    CheckBox Strikeout{*this, L"Strikeout"};
    Label RemoveLabel{*this, L"RemoveLabel"};

    // Finding and choosing a font
    PictureButton Image2{*this, L"Image2"};
    TextBox FontFind{*this, L"FontFind"};
    ListBox FontList{*this, L"FontList"};

    // Size and sample
    ListBox Sizelist{*this, L"Sizelist"};
    Label Label6{*this, L"Label6"};
    PictureButton OpenButton{*this, L"OpenButton"};
    PictureButton ColorClick{*this, L"ColorClick"};
    PictureButton Cut{*this, L"Cut"};
    PictureButton Copy{*this, L"Copy"};
    PictureButton Paste{*this, L"Paste"};
    PictureButton Delete{*this, L"Delete"};
    PictureButton UndoButton{*this, L"UndoButton"};
    PictureButton ClearText{*this, L"ClearText"};
    SampleBox BigText{*this, L"BigText"};

    // Never shown
    TextBox WhichOne{*this, L"WhichOne"};
    TextBox EnterLine{*this, L"EnterLine"};

    // Menu items
    MenuItem Minimize{*this, L"Minimize"};
    MenuItem Quit{*this, L"Quit"};
    MenuItem ReportMenu{*this, L"ReportMenu"};
    MenuItem OpenFileMenu{*this, L"OpenFileMenu"};
    MenuItem RefreshLisr{*this, L"RefreshLisr"};
    MenuItem OpenWinFonts{*this, L"OpenWinFonts"};
    MenuItem CharacterMapButton{*this, L"CharacterMapButton"};
    MenuItem FontsCounter{*this, L"FontsCounter"};
    MenuItem Undo{*this, L"Undo"};
    MenuItem Cut2{*this, L"Cut2"};
    MenuItem Copy2{*this, L"Copy2"};
    MenuItem Paste2{*this, L"Paste2"};
    MenuItem Delete2{*this, L"Delete2"};
    MenuItem RemoveEffects{*this, L"RemoveEffects"};
    MenuItem SelectAll{*this, L"SelectAll"};
    MenuItem RemoveAll{*this, L"RemoveAll"};
    MenuItem License{*this, L"License"};
    MenuItem HowInstall{*this, L"HowInstall"};
    MenuItem Contact{*this, L"Contact"};
    MenuItem LikeIt{*this, L"LikeIt"};
    MenuItem Downloadcom{*this, L"Downloadcom"};
    MenuItem AboutPro{*this, L"AboutPro"};

    // Common dialogs
    CommonDialog ForOpen{forOpenSettings()};
    CommonDialog ForReport{forReportSettings()};
    CommonDialog Colors{colorsSettings()};
};

} // namespace ui
