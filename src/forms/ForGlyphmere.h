#pragma once
// The feedback window: write to the maker, tell a friend, vote for the program. Its class
// and table keep the window's stored name, ForGlyphmere, as every window's class keeps its
// own; everywhere else it is the feedback window.
#include "ui/Form.h"

namespace forms {

const ui::FormSpec& forGlyphmereLayout();

class ForGlyphmere : public ui::Form {
public:
    ForGlyphmere() : Form(forGlyphmereLayout()) {}

    ui::Label Label1{*this, L"Label1"};
    ui::PictureButton Image3{*this, L"Image3"};
    ui::PictureButton Image29{*this, L"Image29"};
    ui::Label Label2{*this, L"Label2"};
    ui::Label Label6{*this, L"Label6"};
    ui::PictureButton Image31{*this, L"Image31"};
    ui::Label Label3{*this, L"Label3"};
    ui::Label Label4{*this, L"Label4"};
    ui::TextBox Mail{*this, L"Mail"};
    ui::PictureButton Image30{*this, L"Image30"};
    ui::Label Label5{*this, L"Label5"};
    ui::Label Label7{*this, L"Label7"};
    ui::Label Label8{*this, L"Label8"};
    ui::PictureButton Image1{*this, L"Image1"};
    ui::Label Label9{*this, L"Label9"};
    ui::Label Label11{*this, L"Label11"};
    ui::Label Label12{*this, L"Label12"};
    ui::PictureButton Image2{*this, L"Image2"};
    ui::Label Label13{*this, L"Label13"};
};

} // namespace forms
