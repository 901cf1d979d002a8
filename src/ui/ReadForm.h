#pragma once
// The splash window: shown while the installed font names are read. Each member bears the
// name its layout gives it.
#include "controls/Decoration.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/PictureButton.h"
#include "controls/Timer.h"

namespace ui {

const controls::FormLayout& readFormLayout();

class ReadForm : public controls::Form {
public:
    ReadForm() : Form(readFormLayout()) {}

    controls::Timer ReadingTimer{*this, L"ReadingTimer"};
    controls::PictureButton CloseClick{*this, L"CloseClick"};
    controls::Decoration Line1{*this, L"Line1"};      // the rule under the titles
    controls::Label Label3{*this, L"Label3"};         // "This may take a few seconds only."
    controls::Label Label2{*this, L"Label2"};         // "Please wait while reading ..."
    controls::PictureButton Image2{*this, L"Image2"}; // the logo
    controls::Label Label1{*this, L"Label1"};         // "Quillwright Software Presents:"
    controls::Label Label4{*this, L"Label4"};         // the product and its version
    controls::Decoration Shape1{*this, L"Shape1"};    // the background
};

} // namespace ui
