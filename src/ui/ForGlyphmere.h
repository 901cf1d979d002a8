#pragma once
// The feedback window: write to the maker, tell a friend, vote for the program. Each member
// bears the name its layout gives it.
#include "controls/Decoration.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/PictureButton.h"
#include "controls/TextBox.h"

namespace ui {

const controls::FormLayout& forGlyphmereLayout();

class ForGlyphmere : public controls::Form {
public:
    ForGlyphmere() : Form(forGlyphmereLayout()) {}

    controls::Decoration Frame1{*this, L"Frame1"};      // the background band
    controls::Decoration Frame2{*this, L"Frame2"};      // holds every other control
    controls::Label Label1{*this, L"Label1"};           // the greeting
    controls::PictureButton Image3{*this, L"Image3"};   // "Close this window"
    controls::PictureButton Image29{*this, L"Image29"}; // "Contact us", no action
    controls::Label Label2{*this, L"Label2"};           // "* Contact us ..."
    controls::Label Label6{*this, L"Label6"};           // the support address, a link
    controls::Decoration Line1{*this, L"Line1"};
    controls::PictureButton Image31{*this, L"Image31"}; // "Add a review", no action
    controls::Label Label3{*this, L"Label3"};           // "* Tell all your friends ..."
    controls::Label Label4{*this, L"Label4"};           // "Tell-a-friend", a link
    controls::TextBox Mail{*this, L"Mail"};             // the friend's address, never shown
    controls::Decoration Line2{*this, L"Line2"};
    controls::PictureButton Image30{*this, L"Image30"}; // "Tell-a-friend", no action
    controls::Label Label5{*this, L"Label5"};           // "* Vote for Glyphmere ..."
    controls::Label Label7{*this, L"Label7"};           // "Goto" the first site
    controls::Label Label8{*this, L"Label8"};           // the first site, a link
    controls::PictureButton Image1{*this, L"Image1"};   // the first site's "Note!"
    controls::Label Label9{*this, L"Label9"};           // how to vote at the first site
    controls::Label Label11{*this, L"Label11"};         // "Goto" the second site
    controls::Label Label12{*this, L"Label12"};         // the second site, a link
    controls::PictureButton Image2{*this, L"Image2"};   // the second site's "Note!"
    controls::Label Label13{*this, L"Label13"};         // how to vote at the second site
};

} // namespace ui
