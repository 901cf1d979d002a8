#pragma once
// The about window: name, version, rights, the user's name, contact and the licence. Each
// member bears the name its layout gives it.
#include "controls/CommandButton.h"
#include "controls/Decoration.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/PictureButton.h"

namespace ui {

const controls::FormLayout& aboutFormLayout();

class AboutForm : public controls::Form {
public:
    AboutForm() : Form(aboutFormLayout()) {}

    controls::PictureButton Image3{*this, L"Image3"}; // the logo
    controls::Label Label3{*this, L"Label3"};         // the product and its version
    controls::Label Label4{*this, L"Label4"};         // the rights notice
    controls::Label Label2{*this, L"Label2"};         // "Registered to:"
    controls::Label UserName{*this, L"UserName"};
    controls::PictureButton Image1{*this, L"Image1"}; // "Donate with PayPal"
    controls::Label Label8{*this, L"Label8"};         // "Contact:"
    controls::Label Label9{*this, L"Label9"};         // "E-Mail :"
    controls::Label Label6{*this, L"Label6"};         // the support address, a link
    controls::Label Label15{*this, L"Label15"};       // the legal warning
    controls::Label Label10{*this, L"Label10"};       // the vote link
    controls::Label Label12{*this, L"Label12"};       // the footer's product line
    controls::Label Label5{*this, L"Label5"};         // the footer's rights notice
    controls::Label Label14{*this, L"Label14"};       // the footer's trademark line
    controls::Decoration Frame1{*this, L"Frame1"};    // holds the two buttons
    controls::CommandButton About_License{*this, L"About_License"};
    controls::CommandButton MinimizeToTray2{*this, L"MinimizeToTray2"}; // "OK"
    controls::Decoration Shape1{*this, L"Shape1"}; // the pale panel behind the texts
};

} // namespace ui
