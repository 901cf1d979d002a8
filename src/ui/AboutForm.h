#pragma once
// The about window: name, version, rights, the user's name, contact and the licence.
#include "ui/Form.h"

namespace ui {

const FormSpec& aboutFormLayout();

class AboutForm : public Form {
public:
    AboutForm() : Form(aboutFormLayout()) {}

    PictureButton Image3{*this, L"Image3"};
    Label Label3{*this, L"Label3"};
    Label Label4{*this, L"Label4"};
    Label Label2{*this, L"Label2"};
    Label UserName{*this, L"UserName"};
    PictureButton Image1{*this, L"Image1"};
    Label Label8{*this, L"Label8"};
    Label Label9{*this, L"Label9"};
    Label Label6{*this, L"Label6"};
    Label Label15{*this, L"Label15"};
    Label Label10{*this, L"Label10"};
    Label Label12{*this, L"Label12"};
    Label Label5{*this, L"Label5"};
    Label Label14{*this, L"Label14"};
    CommandButton About_License{*this, L"About_License"};
    CommandButton MinimizeToTray2{*this, L"MinimizeToTray2"};
};

} // namespace ui
