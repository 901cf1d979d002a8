#pragma once
// The main window: the banner, the finding and choosing column, the size, effects and
// sample column, and the menu bar. Each member bears the name its layout gives it.
#include "controls/CheckBox.h"
#include "controls/CommonDialog.h"
#include "controls/Decoration.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/ListBox.h"
#include "controls/MenuItem.h"
#include "controls/PictureButton.h"
#include "controls/SampleBox.h"
#include "controls/TextBox.h"
#include "ui/MainMenu.h"

namespace ui {

const controls::FormLayout& mainFormLayout();
const controls::CommonDialogSettings& forOpenSettings();
const controls::CommonDialogSettings& forReportSettings();
const controls::CommonDialogSettings& colorsSettings();

class MainForm : public controls::Form {
public:
    MainForm() : Form(mainFormLayout(), mainMenu()) {}

    // The white banner, whose lower edge shows as a line across the window.
    controls::Decoration Frame3{*this, L"Frame3"};
    controls::PictureButton Image4{*this, L"Image4"}; // "Donate with PayPal"
    controls::PictureButton Image3{*this, L"Image3"}; // the logo
    controls::Label Label3{*this, L"Label3"};         // the welcome's third line
    controls::Label Label2{*this, L"Label2"};         // the welcome's second line
    controls::Label Label1{*this, L"Label1"};         // "Welcome to Glyphmere"
    controls::PictureButton Image9{*this, L"Image9"}; // "Exit Glyphmere"
    controls::PictureButton Image8{*this, L"Image8"}; // "Minimize to taskbar"

    // The panel that holds every working control.
    controls::Decoration FontFrame{*this, L"FontFrame"};

    // Tool row
    controls::PictureButton RefreshList{*this, L"RefreshList"};
    controls::PictureButton FontFolder{*this, L"FontFolder"};
    controls::PictureButton SaveReport{*this, L"SaveReport"};
    controls::PictureButton CopyFontName{*this, L"CopyFontName"};
    controls::PictureButton FontCounterTool{*this, L"FontCounterTool"};
    controls::PictureButton CharacterMap{*this, L"CharacterMap"};
    controls::Decoration ToolLine1{*this, L"ToolLine1"};
    controls::Decoration ToolLine2{*this, L"ToolLine2"};
    controls::Decoration ToolLine3{*this, L"ToolLine3"};
    controls::Decoration ToolLine4{*this, L"ToolLine4"};
    controls::Decoration ToolLine5{*this, L"ToolLine5"};
    controls::Decoration ToolRule{*this, L"ToolRule"};
    controls::Decoration ColumnLine{*this, L"ColumnLine"};

    // Effects row
    controls::PictureButton Image1{*this, L"Image1"}; // the effects picture, no action
    controls::CheckBox Bold{*this, L"Bold"};
    controls::CheckBox Italic{*this, L"Italic"};
    controls::CheckBox Underline{*this, L"Underline"};
    controls::CheckBox Strikeout{*this, L"Strikeout"};
    controls::Label RemoveLabel{*this, L"RemoveLabel"};
    controls::Decoration EffectsTop{*this, L"EffectsTop"};
    controls::Decoration EffectsBottom{*this, L"EffectsBottom"};
    controls::Decoration EffectsDivider{*this, L"EffectsDivider"};

    // Finding and choosing a font
    controls::PictureButton Image2{*this, L"Image2"}; // "Search >", no action
    controls::TextBox FontFind{*this, L"FontFind"};
    controls::ListBox FontList{*this, L"FontList"};

    // Size and sample
    controls::ListBox Sizelist{*this, L"Sizelist"};
    controls::Label Label6{*this, L"Label6"}; // "Insert your custom text here:"
    controls::PictureButton OpenButton{*this, L"OpenButton"};
    controls::PictureButton ColorClick{*this, L"ColorClick"};
    controls::PictureButton Cut{*this, L"Cut"};
    controls::PictureButton Copy{*this, L"Copy"};
    controls::PictureButton Paste{*this, L"Paste"};
    controls::PictureButton Delete{*this, L"Delete"};
    controls::PictureButton UndoButton{*this, L"UndoButton"};
    controls::PictureButton ClearText{*this, L"ClearText"};
    controls::SampleBox BigText{*this, L"BigText"};
    controls::Decoration SampleRule{*this, L"SampleRule"};
    controls::Decoration ButtonLine1{*this, L"ButtonLine1"};
    controls::Decoration ButtonLine2{*this, L"ButtonLine2"};
    controls::Decoration ButtonLine3{*this, L"ButtonLine3"};
    controls::Decoration ButtonLine4{*this, L"ButtonLine4"};
    controls::Decoration ButtonLine5{*this, L"ButtonLine5"};
    controls::Decoration ButtonLine6{*this, L"ButtonLine6"};
    controls::Decoration ButtonLine7{*this, L"ButtonLine7"};
    controls::Decoration ButtonLine8{*this, L"ButtonLine8"};
    controls::Decoration ButtonLine9{*this, L"ButtonLine9"};

    // Never shown
    controls::TextBox WhichOne{*this, L"WhichOne"};   // names the editing commands' target
    controls::TextBox EnterLine{*this, L"EnterLine"}; // the report's line separator

    // The menu bar
    controls::MenuItem Menu{*this, L"Menu"}; // top-level menu
    controls::MenuItem Minimize{*this, L"Minimize"};
    controls::MenuItem Linee{*this, L"Linee"}; // separator
    controls::MenuItem Quit{*this, L"Quit"};
    controls::MenuItem PTools{*this, L"PTools"}; // top-level menu
    controls::MenuItem ReportMenu{*this, L"ReportMenu"};
    controls::MenuItem OpenFileMenu{*this, L"OpenFileMenu"};
    controls::MenuItem Line16{*this, L"Line16"}; // separator
    controls::MenuItem RefreshLisr{*this, L"RefreshLisr"};
    controls::MenuItem OpenWinFonts{*this, L"OpenWinFonts"};
    controls::MenuItem CharacterMapButton{*this, L"CharacterMapButton"};
    controls::MenuItem Lineerrr{*this, L"Lineerrr"}; // separator
    controls::MenuItem FontsCounter{*this, L"FontsCounter"};
    controls::MenuItem FontDetails{*this, L"FontDetails"}; // opens DetailsForm
    controls::MenuItem Edit{*this, L"Edit"};               // top-level menu
    controls::MenuItem Undo{*this, L"Undo"};
    controls::MenuItem Lineoo{*this, L"Lineoo"}; // separator
    controls::MenuItem Cut2{*this, L"Cut2"};
    controls::MenuItem Copy2{*this, L"Copy2"};
    controls::MenuItem Paste2{*this, L"Paste2"};
    controls::MenuItem Delete2{*this, L"Delete2"};
    controls::MenuItem RemoveEffects{*this, L"RemoveEffects"};
    controls::MenuItem Line9{*this, L"Line9"}; // separator
    controls::MenuItem SelectAll{*this, L"SelectAll"};
    controls::MenuItem RemoveAll{*this, L"RemoveAll"};
    controls::MenuItem Help{*this, L"Help"}; // top-level menu
    controls::MenuItem License{*this, L"License"};
    controls::MenuItem HowInstall{*this, L"HowInstall"};
    controls::MenuItem Line10{*this, L"Line10"}; // separator
    controls::MenuItem Contact{*this, L"Contact"};
    controls::MenuItem LikeIt{*this, L"LikeIt"};           // opens ForGlyphmere
    controls::MenuItem Downloadcom{*this, L"Downloadcom"}; // the product's web page
    controls::MenuItem Line{*this, L"Line"};               // separator
    controls::MenuItem AboutPro{*this, L"AboutPro"};       // opens AboutForm

    // Common dialogs
    controls::CommonDialog ForOpen{forOpenSettings()};
    controls::CommonDialog ForReport{forReportSettings()};
    controls::CommonDialog Colors{colorsSettings()};
};

} // namespace ui
