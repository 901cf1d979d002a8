#pragma once
// The sample text box: a text box whose font is built from its own font properties and
// whose text colour it paints itself. It owns exactly one font at a time.
#include "ui/Controls.h"

namespace ui {

class SampleBox : public TextBox {
public:
    using TextBox::TextBox;
    ~SampleBox() override;

    const std::wstring& fontName() const { return name_; }
    bool setFontName(std::wstring_view name); // refuses an empty name
    float fontSize() const { return size_; }
    bool setFontSize(float points); // refuses sizes that are not positive
    bool fontBold() const { return bold_; }
    void setFontBold(bool on);
    bool fontItalic() const { return italic_; }
    void setFontItalic(bool on);
    bool fontUnderline() const { return underline_; }
    void setFontUnderline(bool on);
    bool fontStrikethru() const { return strikethru_; }
    void setFontStrikethru(bool on);
    void setForeColor(COLORREF color);

    HFONT currentFont() const { return font_; }

protected:
    void create(HWND parent, int id, const RECT& place) override;
    void destroyed() override;

private:
    bool applyFont();

    std::wstring name_;
    float size_ = 8.25f;
    bool bold_ = false, italic_ = false, underline_ = false, strikethru_ = false;
    HFONT font_ = nullptr;
};

} // namespace ui
