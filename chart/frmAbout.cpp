#include "frmAbout.h"

#include <QPushButton>
#include <algorithm>
#include <array>
#include <utility>

#include "Global.h"
#include "PictureBox.h"
#include "Psychro.h"
#include "Screen.h"
#include "Widgets.h"

namespace {

using Global::ColorBlue;
using Global::ColorRed;
constexpr int32_t Cyan = 0xFFFF00;
constexpr int32_t Yellow = 0x00FFFF;
constexpr int32_t Navy = 0x800000;
constexpr int32_t White = 0xFFFFFF;
constexpr float Margin = 120;

const std::array<const char*, 7> PublisherContacts = {
    "12 Sample Street",         "Exampleton EX 55501",          "Web: www.example.org/zolvane",
    "Sales: sales@example.org", "Support: support@example.org", "Fax: (555) 555-0142",
    "Phone: (555) 555-0143"};

void PrintLine(Platform::Surface& s, const std::string& text) {
    s.CurrentX = Margin;
    s.Print(text, true);
}

void StartPanel(Platform::Surface& s) {
    s.Cls();
    s.FontTransparent = true;
    s.FontName = "Times New Roman";
    s.CurrentY = Margin / 2;
}

}  // namespace

namespace Chart {

void DrawPublisherPanel(Platform::Surface& s) {
    StartPanel(s);
    s.ForeColor = Cyan;
    s.FontSize = 15;
    s.FontBold = false;
    s.FontItalic = true;
    PrintLine(s, "Zolvane Project");
    s.FontItalic = false;
    s.FontSize = 10;
    for (const char* line : PublisherContacts) PrintLine(s, line);
}

void DrawTitlePanel(Platform::Surface& s, const std::string& title, const std::string& subtitle,
                    const std::string& version) {
    StartPanel(s);
    s.FontItalic = true;
    s.FontBold = true;
    s.ForeColor = ColorRed;
    s.FontSize = 15;
    PrintLine(s, title);
    s.FontBold = false;
    s.FontItalic = false;
    s.ForeColor = Yellow;
    PrintLine(s, subtitle);
    PrintLine(s, version);
    PrintLine(s, "");
    s.FontSize = 10;
    PrintLine(s, "Moist-air chart and air-conditioning process calculations");
    PrintLine(s, "");
    PrintLine(s, "For help with the program, choose Contents or Search Help");
    PrintLine(s, "on the Help menu of the chart window.");
}

void DrawChartPicture(Platform::Surface& s) {
    // 30 to 110 F at sea level, humidity ratio up to 0.03.
    constexpr double MinT = 489.67, MaxT = 569.67, MaxW = 0.03, Press = 14.696;
    const double left = 0.08 * s.Width(), right = 0.92 * s.Width();
    const double top = 0.08 * s.Height(), bottom = 0.92 * s.Height();
    auto x = [&](double t) { return static_cast<float>(left + (t - MinT) / (MaxT - MinT) * (right - left)); };
    auto y = [&](double w) { return static_cast<float>(bottom - w / MaxW * (bottom - top)); };
    auto ratio = [](double t, double phi) {
        return Global::HumidRatioOf(phi * Global::CalcSatPress(static_cast<float>(t)), Press);
    };
    s.Cls();
    s.DrawStyle = 0;
    s.ForeColor = 0;
    s.Line(x(MinT), y(0), x(MaxT), y(0));
    s.Line(x(MaxT), y(0), x(MaxT), y(MaxW));
    for (double t = MinT + 10; t < MaxT; t += 10)
        s.Line(x(t), y(0), x(t), y(std::min(ratio(t, 1), MaxW)), 0x808080);
    for (double w = 0.005; w < MaxW; w += 0.005) {
        double t = MinT;  // where the line meets the saturation curve
        while (t < MaxT && ratio(t, 1) < w) t += 0.5;
        s.Line(x(t), y(w), x(MaxT), y(w), 0x808080);
    }
    for (int k = 2; k <= 10; k += 2) {
        const double phi = k / 10.0;
        for (double t = MinT; t < MaxT; t += 2) {
            const double w1 = ratio(t, phi), w2 = ratio(t + 2, phi);
            if (w2 > MaxW) break;
            s.Line(x(t), y(w1), x(t + 2), y(w2), k == 10 ? 0 : ColorRed);
        }
    }
    // A heating line from 50 F to 85 F at a humidity ratio of 0.006.
    s.Line(x(509.67), y(0.006), x(544.67), y(0.006), ColorBlue);
    s.FillStyle = Platform::FillSolid;
    for (const auto& [t, color] : {std::pair{509.67, ColorRed}, std::pair{544.67, ColorBlue}}) {
        s.ForeColor = color;
        s.FillColor = color;
        s.Circle(x(t), y(0.006), 45);
    }
}

}  // namespace Chart

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    using Chart::Make;
    setObjectName("frmAbout");
    setWindowTitle("About");
    setModal(true);
    setFixedSize(480, 384);
    Image1 = Make<Platform::PictureBox>(this, "Image1", 240, 240, 2400, 2040);
    Picture1 = Make<Platform::PictureBox>(this, "Picture1", 2760, 240, 4200, 2040);
    Picture2 = Make<Platform::PictureBox>(this, "Picture2", 240, 2400, 6720, 2520);
    cmdAboutOK = Make<QPushButton>(this, "cmdAboutOK", 5760, 5160, 1200, 375, "OK");
    cmdAboutOK->setDefault(true);
    Image1->SetBackColor(White);
    Picture1->SetBackColor(Navy);
    Picture2->SetBackColor(Navy);

    connect(Picture1, &Platform::PictureBox::Paint, this, [this] { Picture1_Paint(); });
    connect(Picture2, &Platform::PictureBox::Paint, this, [this] { Picture2_Paint(); });
    connect(Image1, &Platform::PictureBox::Paint, this, [this] { Image1_Paint(); });
    connect(cmdAboutOK, &QPushButton::clicked, this, [this] { cmdAboutOK_Click(); });
    Form_Load();
}

void frmAbout::Form_Load() {
    Platform::CenterForm(*this);
    AboutTitle = "Zolvane";
    AboutSubtitle = "Dazureduzerer Uzirez";
    AboutVersion = "Version 5.7";
}

void frmAbout::cmdAboutOK_Click() {
    accept();
}

void frmAbout::Picture1_Paint() {
    Chart::DrawPublisherPanel(Picture1->surface());
}

void frmAbout::Picture2_Paint() {
    Chart::DrawTitlePanel(Picture2->surface(), AboutTitle, AboutSubtitle, AboutVersion);
}

void frmAbout::Image1_Paint() {
    Chart::DrawChartPicture(Image1->surface());
}
