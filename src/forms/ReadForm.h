#pragma once
// The splash window: shown while the installed font names are read.
#include "ui/Form.h"

namespace forms {

const ui::FormSpec& readFormLayout();

class ReadForm : public ui::Form {
public:
    ReadForm() : Form(readFormLayout()) {}

    ui::Timer ReadingTimer{*this, L"ReadingTimer"};
    ui::PictureButton CloseClick{*this, L"CloseClick"};
    ui::Label Label3{*this, L"Label3"};
    ui::Label Label2{*this, L"Label2"};
    ui::PictureButton Image2{*this, L"Image2"};
    ui::Label Label1{*this, L"Label1"};
    ui::Label Label4{*this, L"Label4"};
};

} // namespace forms
