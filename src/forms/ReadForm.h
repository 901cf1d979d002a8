#pragma once
// The splash window: shown while the installed font names are read.
// Members are named for what they are; the string beside each is the control's stored
// name, by which its layout table and outside tools know it.
#include "ui/Form.h"

namespace forms {

const ui::FormSpec& readFormLayout();

class ReadForm : public ui::Form {
public:
    ReadForm() : Form(readFormLayout()) {}

    ui::Timer ReadingTimer{*this, L"ReadingTimer"};
    ui::PictureButton CloseClick{*this, L"CloseClick"};
    ui::Label ReadingNoteLabel{*this, L"Label3"};
    ui::Label ReadingLabel{*this, L"Label2"};
    ui::PictureButton LogoPicture{*this, L"Image2"};
    ui::Label PresentsLabel{*this, L"Label1"};
    ui::Label ProductLabel{*this, L"Label4"};
};

} // namespace forms
