#pragma once
// Connects the windows' controls and menu items to the behaviour behind them.
namespace platform {
struct Services;
}
namespace preview {
class FontFilePreview;
}
namespace ui {
class AboutForm;
class ForGlyphmere;
class MainForm;
class ReadForm;
} // namespace ui

namespace app {

void wirePreview(ui::MainForm& mainForm, platform::Services& services,
                 const preview::FontFilePreview& fontFiles);
void wireEditing(ui::MainForm& mainForm, platform::Services& services);
void wireReport(ui::MainForm& mainForm, platform::Services& services);

struct Windows {
    ui::ReadForm& readForm;
    ui::MainForm& mainForm;
    ui::AboutForm& aboutForm;
    ui::ForGlyphmere& forGlyphmere;
};

void wireLaunches(Windows windows, platform::Services& services);
void wireAboutForm(Windows windows, platform::Services& services);
void wireForGlyphmere(Windows windows, platform::Services& services);

} // namespace app
