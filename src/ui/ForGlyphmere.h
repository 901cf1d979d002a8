#pragma once
// The feedback window: write to the maker, tell a friend, vote for the program.
#include "ui/Form.h"

namespace ui {

const FormSpec& forGlyphmereLayout();

class ForGlyphmere : public Form {
public:
    ForGlyphmere() : Form(forGlyphmereLayout()) {}

    Label Label1{*this, L"Label1"};
    PictureButton Image3{*this, L"Image3"};
    PictureButton Image29{*this, L"Image29"};
    Label Label2{*this, L"Label2"};
    Label Label6{*this, L"Label6"};
    PictureButton Image31{*this, L"Image31"};
    Label Label3{*this, L"Label3"};
    Label Label4{*this, L"Label4"};
    TextBox Mail{*this, L"Mail"};
    PictureButton Image30{*this, L"Image30"};
    Label Label5{*this, L"Label5"};
    Label Label7{*this, L"Label7"};
    Label Label8{*this, L"Label8"};
    PictureButton Image1{*this, L"Image1"};
    Label Label9{*this, L"Label9"};
    Label Label11{*this, L"Label11"};
    Label Label12{*this, L"Label12"};
    PictureButton Image2{*this, L"Image2"};
    Label Label13{*this, L"Label13"};
};

} // namespace ui
