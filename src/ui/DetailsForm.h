#pragma once
// The font details window: what the system and the font say about the selected font, with
// its files shown in Explorer, its own web addresses opened, a previewed font installed for
// this user and one installed so removed. Each member bears the name its
// layout gives it.
#include "controls/CommandButton.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/TextBox.h"

namespace ui {

const controls::FormLayout& detailsFormLayout();

class DetailsForm : public controls::Form {
public:
    DetailsForm() : Form(detailsFormLayout()) {}

    controls::TextBox Facts{*this, L"Facts"}; // a row a fact, "label: value", read-only
    controls::Label Label1{*this, L"Label1"}; // the heading over Facts
    controls::CommandButton ShowInFolder{*this, L"ShowInFolder"};
    controls::CommandButton VendorSite{*this, L"VendorSite"};
    controls::CommandButton DesignerSite{*this, L"DesignerSite"};
    controls::CommandButton LicencePage{*this, L"LicencePage"};
    controls::CommandButton InstallFont{*this, L"InstallFont"}; // a previewed font, for this user
    controls::CommandButton RemoveFont{*this, L"RemoveFont"};   // one installed for this user
    controls::CommandButton CloseDetails{*this, L"CloseDetails"};
};

} // namespace ui
