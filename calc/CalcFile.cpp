// The calculator window's part of a chart file: the visible calculator's inputs and
// results collected for saving, and restored on opening; the File menu's Open and Save.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

#include "ChartFile.h"
#include "Controls.h"
#include "Global.h"
#include "frmZolvane.h"
#include "frmZolvaneCalc.h"

namespace {

// CalcType 1..5 of a chart file and the frame each names.
struct CalcTypeFrame {
    int16_t frame;
    QGroupBox* frmZolvaneCalc::*box;
};
constexpr CalcTypeFrame TypeFrames[] = {{CalcFrame::HeatMoist, &frmZolvaneCalc::frmHeatMoist},
                                        {CalcFrame::Heat, &frmZolvaneCalc::frmHeat},
                                        {CalcFrame::Cool, &frmZolvaneCalc::frmCool},
                                        {CalcFrame::AirAir, &frmZolvaneCalc::frmAirAir},
                                        {CalcFrame::WatAir, &frmZolvaneCalc::frmWatAir}};

// A control of the layout by name; a missing one reads as empty and takes nothing.
QString TextOf(const QObject* window, const Chart::CalcField& field) {
    if (field.kind == Chart::CalcFieldKind::Text)
        if (auto* box = window->findChild<QLineEdit*>(field.control)) return box->text();
    if (field.kind == Chart::CalcFieldKind::Caption)
        if (auto* label = window->findChild<QLabel*>(field.control)) return label->text();
    return {};
}

void SetTextOf(QObject* window, const Chart::CalcField& field, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (field.kind == Chart::CalcFieldKind::Text) {
        if (auto* box = window->findChild<QLineEdit*>(field.control)) box->setText(value);
    } else if (auto* label = window->findChild<QLabel*>(field.control)) {
        label->setText(value);
    }
}

}  // namespace

void frmZolvaneCalc::ConnectFileHandlers() {
    connect(mnuFileOpen, &QAction::triggered, this, [this] { mnuFileOpen_Click(); });
    connect(mnuFileSave, &QAction::triggered, this, [this] { mnuFileSave_Click(); });
}

void frmZolvaneCalc::mnuFileOpen_Click() {
    // Only a file actually opened, holding no calculator data, closes the window: a
    // cancelled or refused Open keeps every typed input.
    if (chart_.OpenChartFile() && !Global::ProcessDataPresent) close();
}

void frmZolvaneCalc::mnuFileSave_Click() {
    chart_.mnuFileSave_Click();
}

void frmZolvaneCalc::CollectCalcSection(Chart::CalcSection& section) {
    using namespace Global;
    StorePendingGainEdit();  // a gain typed but not yet left is saved too
    section = {};
    // The first frame shown, in the order of the file's types; none shown writes type 0.
    for (int16_t type = 1; type <= 5; ++type) {
        if (!(this->*TypeFrames[type - 1].box)->isHidden()) {
            section.CalcType = type;
            break;
        }
    }
    for (const Chart::CalcLine& line : Chart::CalcLayout(section.CalcType)) {
        for (const Chart::CalcField& field : line) {
            switch (field.kind) {
                case Chart::CalcFieldKind::Text:
                case Chart::CalcFieldKind::Caption:
                    section.Texts.push_back(TextOf(this, field).toStdString());
                    break;
                case Chart::CalcFieldKind::Option: {
                    auto* option = findChild<QRadioButton*>(field.control);
                    section.Options.push_back(option && option->isChecked());
                    break;
                }
                case Chart::CalcFieldKind::MoistGains: {
                    const int gains = std::clamp<int>(NumMoistGains, 0, std::max(MoistGains.UBound(1), 0));
                    section.NumMoistGains = static_cast<int16_t>(gains);
                    for (int i = 1; gains > 1 && i <= gains; ++i)
                        section.MoistGains.push_back({MoistGains(1, i), MoistGains(2, i)});
                    break;
                }
            }
        }
    }
}

void frmZolvaneCalc::ApplyCalcSection(const Chart::CalcSection& section) {
    using namespace Global;
    if (section.CalcType < 1 || section.CalcType > 5) return;
    ShowFrame(TypeFrames[section.CalcType - 1].frame);
    std::size_t text = 0, option = 0;
    for (const Chart::CalcLine& line : Chart::CalcLayout(section.CalcType)) {
        for (const Chart::CalcField& field : line) {
            switch (field.kind) {
                case Chart::CalcFieldKind::Text:
                case Chart::CalcFieldKind::Caption:
                    if (text < section.Texts.size()) SetTextOf(this, field, section.Texts[text]);
                    ++text;
                    break;
                case Chart::CalcFieldKind::Option:
                    // An option is chosen by selecting it; its group drops the others.
                    if (option < section.Options.size() && section.Options[option])
                        if (auto* choice = findChild<QRadioButton*>(field.control)) choice->setChecked(true);
                    ++option;
                    break;
                case Chart::CalcFieldKind::MoistGains:
                    ApplyMoistGains(section);
                    break;
            }
        }
    }
    EnableResults(section.CalcType);
}

void frmZolvaneCalc::ApplyMoistGains(const Chart::CalcSection& section) {
    using namespace Global;
    NumMoistGains = section.NumMoistGains;
    if (NumMoistGains > 1) {
        MoistGains.Erase();
        MoistGains.ReDim(2, NumMoistGains);
        const int known = std::min<int>(NumMoistGains, static_cast<int>(section.MoistGains.size()));
        for (int i = 1; i <= known; ++i) {
            MoistGains(1, i) = section.MoistGains[static_cast<std::size_t>(i - 1)][0];
            MoistGains(2, i) = section.MoistGains[static_cast<std::size_t>(i - 1)][1];
        }
    } else if (NumMoistGains == 1) {
        // The single gain travels as the two texts: stored as leaving the boxes stores it.
        if (MoistGains.UBound(1) < 1) MoistGains.ReDim(2, 1);
        txtMoistGainFlow_LostFocus();
        txtMoistGainEnt_LostFocus();
    }
}

void frmZolvaneCalc::EnableResults(int16_t calcType) {
    switch (calcType) {
        case 1:
            ShowHMResults();
            break;
        case 2:
            lblHeatQ->setEnabled(true);
            break;
        case 3:
            lblCoolWaterFlow->setEnabled(true);
            lblCoolRate->setEnabled(true);
            break;
        case 4:
            for (QWidget* caption : AirResultCaptions()) caption->setEnabled(true);
            break;
        default:
            lblWatAirOutPoint->setEnabled(true);
            lblWatAirWatFlow->setEnabled(true);
            // With the water flow given there is no water flow to show.
            lblWatAirWatFlow->setHidden(optWatAirWater->isChecked());
            lblWatAirWatFlowVal->setHidden(optWatAirWater->isChecked());
            break;
    }
}
