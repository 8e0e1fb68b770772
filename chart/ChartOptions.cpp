// The chart-options tab strip: its pages, the common apply, the cancels, the typed
// chart limits and automatic scaling.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <cmath>
#include <utility>

#include "AutoScale.h"
#include "ChartTables.h"
#include "Controls.h"
#include "Global.h"
#include "PictureBox.h"
#include "Widgets.h"
#include "frmZolvane.h"

using Chart::Make;
using Platform::Label;
using Platform::PictureBox;
using Platform::Place;

namespace {

constexpr int32_t White = 0xFFFFFF;
// Typed limits must lie in this range of display degrees.
constexpr double LowestLimit = -200;
constexpr double HighestLimit = 500;

// Painted in the window colour like the labels on it.
QWidget* MakePage() {
    auto* page = new QWidget;
    page->setAutoFillBackground(true);
    return page;
}

// Instructions that may take two lines at wider fonts.
Label* MakeNote(QWidget* parent, const char* name, const char* caption, int l, int t, int w) {
    auto* label = Make<Label>(parent, name, l, t, w, 450, caption);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

PictureBox* MakePicture(QWidget* parent, const char* name, int l, int t, int w, int h) {
    auto* picture = Make<PictureBox>(parent, name, l, t, w, h);
    picture->SetBackColor(White);
    return picture;
}

// A colour button shows its family's colour in its caption.
void SetForeColor(QPushButton* button, int32_t rgb) {
    QPalette p = button->palette();
    p.setColor(QPalette::ButtonText, Platform::ToQColor(rgb));
    button->setPalette(p);
}

QString ShownLimit(float limit) {
    const double shown = static_cast<double>(Global::TempScale) * limit - Global::TempOffset;
    return QString::fromStdString(Global::FormatValue(shown, 0));
}

float StoredLimit(double typed) {
    return static_cast<float>((typed + Global::TempOffset) / Global::TempScale);
}

}  // namespace

void frmZolvane::BuildChartOptions() {
    tabChart = new QTabWidget(centralWidget());
    tabChart->setObjectName("tabChart");
    Place(tabChart, 120, 0, 3375, 4935);
    // Four captions must fit the width of the column: tabs with less padding than the
    // style's, so no scroll arrows hide a page.
    tabChart->setStyleSheet(
        "QTabBar::tab { padding: 3px 6px; margin-right: 1px; border: 1px solid palette(mid);"
        " border-bottom: none; border-top-left-radius: 3px; border-top-right-radius: 3px;"
        " background: palette(button); }"
        "QTabBar::tab:selected { background: palette(window); }"
        "QTabBar::tab:!selected { margin-top: 2px; }");

    auto* axis = MakePage();
    lblAxisOptions =
        Make<Label>(axis, "lblAxisOptions", 120, 120, 3075, 255, "Choose the Parameters to Plot");
    const std::pair<QCheckBox**, const char*> axes[] = {{&chkDryAxis, "chkDryAxis"},
                                                        {&chkWetAxis, "chkWetAxis"},
                                                        {&chkDewAxis, "chkDewAxis"},
                                                        {&chkRHAxis, "chkRHAxis"},
                                                        {&chkHumidAxis, "chkHumidAxis"}};
    const char* familyCaptions[] = {"Dry Bulb", "Wet Bulb", "Dew Point", "Relative Humidity",
                                    "Humidity Ratio"};
    for (int i = 0; i < 5; ++i)
        *axes[i].first =
            Make<QCheckBox>(axis, axes[i].second, 360, 480 + 360 * i, 2655, 300, familyCaptions[i]);
    cmdOK = Make<QPushButton>(axis, "cmdOK", 360, 2520, 1215, 345, "OK");
    cmdCancel = Make<QPushButton>(axis, "cmdCancel", 1800, 2520, 1215, 345, "Cancel");
    tabChart->addTab(axis, "Axis");

    auto* color = MakePage();
    lblColorOptions =
        MakeNote(color, "lblColorOptions", "Choose the Parameter to change the plot color", 120, 120, 3075);
    const std::pair<QPushButton**, const char*> buttons[] = {
        {&cmdDry, "cmdDry"}, {&cmdWet, "cmdWet"}, {&cmdDew, "cmdDew"}, {&cmdRH, "cmdRH"}, {&cmdW, "cmdW"}};
    for (int i = 0; i < 5; ++i)
        *buttons[i].first =
            Make<QPushButton>(color, buttons[i].second, 360, 720 + 420 * i, 2535, 345, familyCaptions[i]);
    cmdColorOK = Make<QPushButton>(color, "cmdColorOK", 1020, 2940, 1215, 345, "OK");
    tabChart->addTab(color, "Line Color");

    auto* style = MakePage();
    lblStyle1 = MakeNote(style, "lblStyle1", "Highlight the Parameters to change", 120, 120, 3075);
    const struct {
        Label** label;
        const char* labelName;
        PictureBox** box;
        const char* boxName;
    } families[] = {{&lblDry, "lblDry", &picDry, "picDry"},
                    {&lblWet, "lblWet", &picWet, "picWet"},
                    {&lblDew, "lblDew", &picDew, "picDew"},
                    {&lblRH, "lblRH", &picRH, "picRH"},
                    {&lblW, "lblW", &picW, "picW"}};
    for (int i = 0; i < 5; ++i) {
        const int top = 600 + 360 * i;
        *families[i].label =
            Make<Label>(style, families[i].labelName, 240, top, 1635, 255, familyCaptions[i]);
        *families[i].box = MakePicture(style, families[i].boxName, 1920, top, 1215, 255);
    }
    lblDirection = MakeNote(style, "lblDirection", "Choose from the line styles below", 120, 2460, 3075);
    const std::pair<PictureBox**, const char*> samples[] = {{&picSolid, "picSolid"},
                                                            {&picDash, "picDash"},
                                                            {&picDot, "picDot"},
                                                            {&picDashDot, "picDashDot"},
                                                            {&picDashDotDot, "picDashDotDot"}};
    for (int i = 0; i < 5; ++i)
        *samples[i].first = MakePicture(style, samples[i].second, 120 + 630 * i, 2940, 555, 255);
    cmdStyleOK = Make<QPushButton>(style, "cmdStyleOK", 1020, 3420, 1215, 345, "OK");
    tabChart->addTab(style, "Line Style");

    auto* scale = MakePage();
    chkAutoScale = Make<QCheckBox>(scale, "chkAutoScale", 240, 240, 2775, 300, "Automatic Scaling");
    frmScale = new QGroupBox("Chart Limits", scale);
    frmScale->setObjectName("frmScale");
    Place(frmScale, 60, 660, 3195, 1695);
    const struct {
        Label** label;
        const char* labelName;
        const char* caption;
        QLineEdit** text;
        const char* textName;
    } limits[] = {
        {&lblScaleMaxDry, "lblScaleMaxDry", "Maximum Dry Bulb (F)", &txtScaleMaxDry, "txtScaleMaxDry"},
        {&lblScaleMinDry, "lblScaleMinDry", "Minimum Dry Bulb (F)", &txtScaleMinDry, "txtScaleMinDry"},
        {&lblScaleMaxDew, "lblScaleMaxDew", "Maximum Dew Point (F)", &txtScaleMaxDew, "txtScaleMaxDew"},
    };
    for (int i = 0; i < 3; ++i) {
        const int top = 360 + 420 * i;
        *limits[i].label =
            Make<Label>(frmScale, limits[i].labelName, 90, top + 15, 2220, 255, limits[i].caption);
        *limits[i].text = Make<QLineEdit>(frmScale, limits[i].textName, 2355, top, 750, 300);
    }
    cmdScaleOK = Make<QPushButton>(scale, "cmdScaleOK", 240, 2580, 1215, 345, "OK");
    cmdScaleCancel = Make<QPushButton>(scale, "cmdScaleCancel", 1800, 2580, 1215, 345, "Cancel");
    tabChart->addTab(scale, "Scale");

    tabChart->hide();
}

void frmZolvane::ConnectChartOptionHandlers() {
    connect(mnuOptionsChart, &QAction::triggered, this, [this] { mnuOptionsChart_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdScaleOK, &QPushButton::clicked, this, [this] { cmdScaleOK_Click(); });
    connect(cmdScaleCancel, &QPushButton::clicked, this, [this] { cmdScaleCancel_Click(); });
    // Also runs when the box is set from code, as opening the tab strip relies on.
    connect(chkAutoScale, &QCheckBox::toggled, this, [this] { chkAutoScale_Click(); });

    connect(cmdColorOK, &QPushButton::clicked, this, [this] { cmdColorOK_Click(); });
    connect(cmdStyleOK, &QPushButton::clicked, this, [this] { cmdStyleOK_Click(); });
    const std::pair<QPushButton*, void (frmZolvane::*)()> colorButtons[] = {
        {cmdDry, &frmZolvane::cmdDry_Click},
        {cmdWet, &frmZolvane::cmdWet_Click},
        {cmdDew, &frmZolvane::cmdDew_Click},
        {cmdRH, &frmZolvane::cmdRH_Click},
        {cmdW, &frmZolvane::cmdW_Click}};
    for (auto [button, handler] : colorButtons)
        connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });

    const std::pair<Label*, void (frmZolvane::*)()> labels[] = {{lblDry, &frmZolvane::lblDry_Click},
                                                                {lblWet, &frmZolvane::lblWet_Click},
                                                                {lblDew, &frmZolvane::lblDew_Click},
                                                                {lblRH, &frmZolvane::lblRH_Click},
                                                                {lblW, &frmZolvane::lblW_Click}};
    for (auto [label, handler] : labels)
        connect(label, &Label::clicked, this, [this, handler] { (this->*handler)(); });

    const std::pair<PictureBox*, void (frmZolvane::*)()> familyBoxes[] = {{picDry, &frmZolvane::picDry_Click},
                                                                          {picWet, &frmZolvane::picWet_Click},
                                                                          {picDew, &frmZolvane::picDew_Click},
                                                                          {picRH, &frmZolvane::picRH_Click},
                                                                          {picW, &frmZolvane::picW_Click}};
    for (int family = 0; family < 5; ++family) {
        auto [box, handler] = familyBoxes[family];
        connect(box, &PictureBox::Click, this, [this, handler] { (this->*handler)(); });
        connect(box, &PictureBox::Paint, this, [this, family] { DrawFamilySample(family); });
    }

    const std::pair<PictureBox*, void (frmZolvane::*)()> styleBoxes[] = {
        {picSolid, &frmZolvane::picSolid_Click},
        {picDash, &frmZolvane::picDash_Click},
        {picDot, &frmZolvane::picDot_Click},
        {picDashDot, &frmZolvane::picDashDot_Click},
        {picDashDotDot, &frmZolvane::picDashDotDot_Click}};
    for (int16_t style = 0; style < 5; ++style) {
        auto [box, handler] = styleBoxes[style];
        connect(box, &PictureBox::Click, this, [this, handler] { (this->*handler)(); });
        connect(box, &PictureBox::Paint, this, [this, style] { DrawStyleSample(style); });
    }
}

void frmZolvane::mnuOptionsChart_Click() {
    using namespace Global;
    tabChart->show();
    tabChart->raise();

    chkDryAxis->setChecked(ShowDryLines);
    chkWetAxis->setChecked(ShowWetLines);
    chkDewAxis->setChecked(ShowDewLines);
    chkRHAxis->setChecked(ShowRHLines);
    chkHumidAxis->setChecked(ShowWLines);

    const std::pair<QPushButton*, int32_t> colors[] = {{cmdDry, DryLineColor},
                                                       {cmdWet, WetLineColor},
                                                       {cmdDew, DewLineColor},
                                                       {cmdRH, RHLineColor},
                                                       {cmdW, WLineColor}};
    for (auto [button, rgb] : colors) SetForeColor(button, rgb);
    // No family is highlighted when the strip opens.
    for (PictureBox* box : {picDry, picWet, picDew, picRH, picW}) box->SetBackColor(White);

    const QString unit = QString::fromStdString(TempUnit);
    lblScaleMaxDry->setText("Maximum Dry Bulb (" + unit + ")");
    lblScaleMinDry->setText("Minimum Dry Bulb (" + unit + ")");
    lblScaleMaxDew->setText("Maximum Dew Point (" + unit + ")");
    txtScaleMaxDry->setText(ShownLimit(ChartMaxDry));
    txtScaleMinDry->setText(ShownLimit(ChartMinDry));
    txtScaleMaxDew->setText(ShownLimit(ChartMaxDew));

    // Only ever ticks: with automatic scaling off the box keeps whatever it shows.
    if (AutoScale) chkAutoScale->setChecked(true);
}

void frmZolvane::cmdOK_Click() {
    using namespace Global;
    ShowDryLines = chkDryAxis->isChecked();
    ShowWetLines = chkWetAxis->isChecked();
    ShowDewLines = chkDewAxis->isChecked();
    ShowRHLines = chkRHAxis->isChecked();
    ShowWLines = chkHumidAxis->isChecked();
    if (AutoScaleChart()) BuildChartTables(Chart::ModeScreen);
    PlotChartPoints(Chart::ModeScreen);
    tabChart->hide();
}

void frmZolvane::cmdCancel_Click() {
    tabChart->hide();
}

void frmZolvane::cmdScaleCancel_Click() {
    tabChart->hide();
}

void frmZolvane::chkAutoScale_Click() {
    Global::AutoScale = chkAutoScale->isChecked();
    const bool manual = !Global::AutoScale;
    for (QWidget* control :
         std::initializer_list<QWidget*>{frmScale, lblScaleMaxDry, lblScaleMinDry, lblScaleMaxDew,
                                         txtScaleMaxDry, txtScaleMinDry, txtScaleMaxDew})
        control->setEnabled(manual);
}

void frmZolvane::cmdScaleOK_Click() {
    using namespace Global;
    // With automatic scaling on, whatever the disabled boxes hold is ignored.
    if (AutoScale) {
        cmdOK_Click();
        return;
    }
    struct Entry {
        QLineEdit* text;
        const char* message;
        double value = 0;
    };
    Entry entries[] = {{txtScaleMaxDew, "Invalid Maximum Dew Point"},
                       {txtScaleMaxDry, "Invalid Maximum Dry Bulb"},
                       {txtScaleMinDry, "Invalid Minimum Dry Bulb"}};
    for (Entry& e : entries) {
        // "abc" or "90F" is not read as 0 or 90.
        const std::optional<double> v = Chart::ReadNumber(e.text);
        if (!v || !(*v >= LowestLimit && *v <= HighestLimit)) {
            ShowMessage(e.message);
            return;
        }
        e.value = *v;
    }
    const float maxDew = StoredLimit(entries[0].value);
    const float maxDry = StoredLimit(entries[1].value);
    const float minDry = StoredLimit(entries[2].value);
    const float minDew = minDry;
    if (!(maxDew > minDew)) {
        ShowMessage("Maximum Dew Point must be greater than the Minimum Dry Bulb");
        return;
    }
    if (!(maxDry > minDew)) {
        ShowMessage("Maximum Dry Bulb must be greater than the Minimum Dry Bulb");
        return;
    }
    if (!(maxDew <= maxDry)) {
        ShowMessage("The Maximum Dew Point must be less than the Maximum Dry Bulb");
        return;
    }
    ChartMaxDew = maxDew;
    ChartMaxDry = maxDry;
    ChartMinDry = minDry;
    ChartMinDew = minDew;
    ScaleChanged = true;
    cmdOK_Click();
}

bool frmZolvane::AutoScaleChart() {
    return Chart::AutoScaleLimits(optUSUnits->isChecked());
}
