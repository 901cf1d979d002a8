#pragma once
// The about window: name, version, rights, the user's name, contact and the licence.
// Members are named for what they are; the string beside each is the control's stored
// name, by which its layout table and outside tools know it.
#include "ui/Form.h"

namespace forms {

const ui::FormSpec& aboutFormLayout();

class AboutForm : public ui::Form {
public:
    AboutForm() : Form(aboutFormLayout()) {}

    ui::PictureButton LogoPicture{*this, L"Image3"};
    ui::Label ProductLabel{*this, L"Label3"};
    ui::Label RightsLabel{*this, L"Label4"};
    ui::Label RegisteredToLabel{*this, L"Label2"};
    ui::Label UserName{*this, L"UserName"};
    ui::PictureButton DonatePicture{*this, L"Image1"};
    ui::Label ContactLabel{*this, L"Label8"};
    ui::Label MailLabel{*this, L"Label9"};
    ui::Label SupportMailLink{*this, L"Label6"};
    ui::Label LegalWarningLabel{*this, L"Label15"};
    ui::Label VoteLink{*this, L"Label10"};
    ui::Label FooterProductLabel{*this, L"Label12"};
    ui::Label FooterRightsLabel{*this, L"Label5"};
    ui::Label FooterRightsLine2{*this, L"Label14"};
    ui::CommandButton LicenseButton{*this, L"About_License"};
    ui::CommandButton OkButton{*this, L"MinimizeToTray2"};
};

} // namespace forms
