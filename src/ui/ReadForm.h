#pragma once
// The splash window: shown while the installed font names are read.
#include "ui/Form.h"

namespace ui {

const FormSpec& readFormLayout();

class ReadForm : public Form {
public:
    ReadForm() : Form(readFormLayout()) {}

    Timer ReadingTimer{*this, L"ReadingTimer"};
    PictureButton CloseClick{*this, L"CloseClick"};
    Label Label3{*this, L"Label3"};
    Label Label2{*this, L"Label2"};
    PictureButton Image2{*this, L"Image2"};
    Label Label1{*this, L"Label1"};
    Label Label4{*this, L"Label4"};
};

} // namespace ui
