#pragma once
// The feedback window: write to the maker, tell a friend, vote for the program. Its class
// and table keep the window's stored name, ForGlyphmere, as every window's class keeps its
// own; everywhere else it is the feedback window.
// Members are named for what they are; the string beside each is the control's stored
// name, by which its layout table and outside tools know it.
#include "ui/Form.h"

namespace forms {

const ui::FormSpec& forGlyphmereLayout();

class ForGlyphmere : public ui::Form {
public:
    ForGlyphmere() : Form(forGlyphmereLayout()) {}

    ui::Label GreetingLabel{*this, L"Label1"};
    ui::PictureButton ClosePicture{*this, L"Image3"};
    ui::PictureButton ContactPicture{*this, L"Image29"};
    ui::Label ContactLabel{*this, L"Label2"};
    ui::Label SupportMailLink{*this, L"Label6"};
    ui::PictureButton ReviewPicture{*this, L"Image31"};
    ui::Label TellFriendsLabel{*this, L"Label3"};
    ui::Label TellAFriendLink{*this, L"Label4"};
    ui::TextBox Mail{*this, L"Mail"};
    ui::PictureButton TellAFriendPicture{*this, L"Image30"};
    ui::Label VoteLabel{*this, L"Label5"};
    ui::Label FirstSiteLabel{*this, L"Label7"};
    ui::Label FirstSiteLink{*this, L"Label8"};
    ui::PictureButton FirstSiteNotePicture{*this, L"Image1"};
    ui::Label FirstSiteHowTo{*this, L"Label9"};
    ui::Label SecondSiteLabel{*this, L"Label11"};
    ui::Label SecondSiteLink{*this, L"Label12"};
    ui::PictureButton SecondSiteNotePicture{*this, L"Image2"};
    ui::Label SecondSiteHowTo{*this, L"Label13"};
};

} // namespace forms
