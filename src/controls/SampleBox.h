#pragma once
// The sample text box: a text box whose font is built from its own font properties and
// whose text colour it paints itself. It owns exactly one font at a time.
#include "controls/TextBox.h"
#include "platform/Handles.h"

namespace controls {

class SampleBox : public TextBox {
public:
    using TextBox::TextBox;

    // Holds back rebuilding the font until the outermost batch ends, so that a handler
    // setting several properties makes one font and one repaint.
    class Batch {
    public:
        explicit Batch(SampleBox& box) : box_(box) { ++box_.batches_; }
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        SampleBox& box_;
    };

    const std::wstring& fontName() const { return name_; }
    bool setFontName(std::wstring_view name); // refuses an empty name
    float fontSize() const { return size_; }
    bool setFontSize(float points); // refuses sizes that are not positive
    bool fontBold() const { return bold_; }
    void setFontBold(bool on) { change(bold_, on); }
    bool fontItalic() const { return italic_; }
    void setFontItalic(bool on) { change(italic_, on); }
    bool fontUnderline() const { return underline_; }
    void setFontUnderline(bool on) { change(underline_, on); }
    bool fontStrikethru() const { return strikethru_; }
    void setFontStrikethru(bool on) { change(strikethru_, on); }
    void setForeColor(COLORREF color);
    // The faces behind the font's name changed (a font file added or replaced under it): a new
    // font, so that the sample shows what is there now.
    void remakeFont() {
        stale_ = true;
        if (!batches_)
            applyFont();
    }

    void rescale(const RECT& place) override;

protected:
    void create(HWND parent, int id, const RECT& place) override;
    void releaseWindowResources() override;

private:
    template <typename T> void change(T& property, T value) {
        if (property == value)
            return; // the font in place already shows it
        property = std::move(value);
        stale_ = true;
        if (!batches_)
            applyFont();
    }
    void applyFont();

    std::wstring name_;
    float size_ = 8.25f;
    bool bold_ = false, italic_ = false, underline_ = false, strikethru_ = false;
    platform::Font font_;
    int batches_ = 0;
    bool stale_ = false;
};

} // namespace controls
