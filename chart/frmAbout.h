// The About box: the program's name, a one-line description and its version, the
// publisher's lines and a small chart, all drawn through the drawing surface.
#pragma once

#include <QDialog>
#include <string>

class QPushButton;

namespace Platform {
class PictureBox;
class Surface;
}  // namespace Platform

class frmAbout : public QDialog {
public:
    explicit frmAbout(QWidget* parent = nullptr);

    std::string AboutTitle, AboutSubtitle, AboutVersion;

    Platform::PictureBox *Picture1, *Picture2, *Image1;
    QPushButton* cmdAboutOK;

    void Form_Load();
    void cmdAboutOK_Click();
    void Picture1_Paint();
    void Picture2_Paint();
    void Image1_Paint();
};

namespace Chart {

// The panels, each drawn whole from the top-left corner, so drawing again gives
// the same picture.
void DrawPublisherPanel(Platform::Surface& target);
void DrawTitlePanel(Platform::Surface& target, const std::string& title, const std::string& subtitle,
                    const std::string& version);
// A small moist-air chart: saturation curve, relative-humidity curves, grid and a
// process line between two points.
void DrawChartPicture(Platform::Surface& target);

}  // namespace Chart
