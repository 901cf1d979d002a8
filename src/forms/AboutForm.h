#pragma once
// The about window: name, version, rights, the user's name, contact and the licence.
#include "ui/Form.h"

namespace forms {

const ui::FormSpec& aboutFormLayout();

class AboutForm : public ui::Form {
public:
    AboutForm() : Form(aboutFormLayout()) {}

    ui::PictureButton Image3{*this, L"Image3"};
    ui::Label Label3{*this, L"Label3"};
    ui::Label Label4{*this, L"Label4"};
    ui::Label Label2{*this, L"Label2"};
    ui::Label UserName{*this, L"UserName"};
    ui::PictureButton Image1{*this, L"Image1"};
    ui::Label Label8{*this, L"Label8"};
    ui::Label Label9{*this, L"Label9"};
    ui::Label Label6{*this, L"Label6"};
    ui::Label Label15{*this, L"Label15"};
    ui::Label Label10{*this, L"Label10"};
    ui::Label Label12{*this, L"Label12"};
    ui::Label Label5{*this, L"Label5"};
    ui::Label Label14{*this, L"Label14"};
    ui::CommandButton About_License{*this, L"About_License"};
    ui::CommandButton MinimizeToTray2{*this, L"MinimizeToTray2"};
};

} // namespace forms
