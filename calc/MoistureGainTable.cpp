// The moisture gains of the heat-and-moisture calculator: gain 1 through the two
// single-gain boxes, every gain through the table of five rows with its scroll bar.
// An edit is stored when its box loses the focus; values are held in internal units.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "CalcShared.h"
#include "Controls.h"
#include "Global.h"
#include "ReportLines.h"
#include "frmZolvaneCalc.h"

using namespace Calc;

namespace {

constexpr int Rows = 5;
constexpr int FlowRow = 1, EnthalpyRow = 2;  // rows of MoistGains

QString ShownGain(int row, int gain) {
    return Platform::ToQ(GainText(row, gain));
}

// A box's text in internal units; nothing for a text that is not a finite number.
std::optional<float> TypedGain(int row, const QLineEdit* box) {
    using namespace Global;
    const std::optional<float> typed = ReadFloat(box);
    if (!typed) return std::nullopt;
    const float value = row == FlowRow ? *typed / MassFactor : *typed / EnthalpyFactor + EnthalpyOffset;
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

// Makes gains NumMoistGains + 1 to `last` exist with both values 0.
void CreateGains(int last) {
    using namespace Global;
    if (MoistGains.UBound(1) < last) MoistGains.ReDim(2, last);
    for (int j = std::max(NumMoistGains + 1, 1); j <= last; ++j)
        MoistGains(FlowRow, j) = MoistGains(EnthalpyRow, j) = 0;
    NumMoistGains = static_cast<int16_t>(last);
}

}  // namespace

void frmZolvaneCalc::cmdMoistGain_Click() {
    // The rows and the single-gain boxes are filled from the stored gains: never over a
    // refused text, which would pass for the gain put back.
    if (GainTextRefused(true)) return;
    HeatMoistInput_Change();
    frmMoistGainMore->setVisible(true);
    const int n = Global::NumMoistGains;
    if (n <= Rows) {
        scrlHMMoist->setMaximum(1);
        scrlHMMoist->setVisible(false);
        ShowGainRows(1);
        return;
    }
    scrlHMMoist->setVisible(true);
    scrlHMMoist->setMaximum(n - 3);
    scrlHMMoist->setValue(n - 3);
    // From the scroll bar's value whether or not it moved, so a row edits the gain it shows.
    ShowGainRows(scrlHMMoist->value());
}

void frmZolvaneCalc::scrlHMMoist_Change() {
    scrlHMMoist->setFocus();  // a row box being left stores into the gain it shows
    // A row holding text that could not be stored stays in view until it is put right.
    if (const auto message =
            scrlHMMoist->value() != firstShownGain_ ? UnstoredGainMessage(false) : std::nullopt) {
        // Disabling the bar ends its auto-repeat, which would go on under the message.
        scrlHMMoist->setEnabled(false), scrlHMMoist->setEnabled(true);
        const QSignalBlocker still(scrlHMMoist);
        scrlHMMoist->setValue(firstShownGain_);
        Global::ShowMessage(*message);
        return;
    }
    ShowGainRows(scrlHMMoist->value());
}

void frmZolvaneCalc::ShowGainRows(int first) {
    firstShownGain_ = first;
    for (int k = 0; k < Rows; ++k) {
        const int r = first + k;
        const bool shown = r <= Global::NumMoistGains && r <= Global::MoistGains.UBound(1);
        txtHMFlow[k]->setText(shown ? ShownGain(FlowRow, r) : "");
        txtMHEnth[k]->setText(shown ? ShownGain(EnthalpyRow, r) : "");
    }
}

void frmZolvaneCalc::cmdHMMoistAdd_Click() {
    StorePendingGainEdit();
    if (GainTextRefused(false)) return;
    if (Global::NumMoistGains < Rows) return;  // empty rows are already there
    const int max = scrlHMMoist->maximum() + 1;
    if (max + Rows - 1 > Global::MaxCount) return;  // the last row would show gain 32768
    scrlHMMoist->setVisible(true);
    scrlHMMoist->setMaximum(max);
    scrlHMMoist->setValue(max);
}

void frmZolvaneCalc::txtHMFlow_LostFocus(int16_t Index) {
    StoreRowGain(FlowRow, Index);
}

void frmZolvaneCalc::txtMHEnth_LostFocus(int16_t Index) {
    StoreRowGain(EnthalpyRow, Index);
}

void frmZolvaneCalc::StoreRowGain(int row, int16_t index) {
    using namespace Global;
    if (index < 0 || index >= Rows) return;
    const std::array<QLineEdit*, Rows>& column = row == FlowRow ? txtHMFlow : txtMHEnth;
    QLineEdit* box = column[index];
    if (box->text().isEmpty()) {
        box->setText("0.0");
        return;
    }
    const int r = firstShownGain_ + index;
    const std::optional<float> value = TypedGain(row, box);
    if (!value) return;  // kept as typed, for OK or Calculate to refuse
    if (r > Global::MaxCount) {
        box->setText("");
        return;
    }
    if (r > NumMoistGains) {
        // The rows between the last gain and this one become gains of 0.
        for (int j = std::max(NumMoistGains + 1, firstShownGain_); j < r; ++j)
            column[j - firstShownGain_]->setText("0.0");
        CreateGains(r);
    }
    MoistGains(row, r) = *value;
}

void frmZolvaneCalc::txtMoistGainFlow_LostFocus() {
    StoreSingleGain(FlowRow);
}

void frmZolvaneCalc::txtMoistGainEnt_LostFocus() {
    StoreSingleGain(EnthalpyRow);
}

void frmZolvaneCalc::StoreSingleGain(int row) {
    using namespace Global;
    QLineEdit* box = row == FlowRow ? txtMoistGainFlow : txtMoistGainEnt;
    if (box->text().isEmpty()) box->setText("0.0");
    const std::optional<float> value = TypedGain(row, box);
    if (!value) return;  // kept as typed, for Calculate to refuse
    // After OK has dropped every gain, the boxes bring gain 1 back.
    if (NumMoistGains < 1) CreateGains(1);
    MoistGains(row, 1) = *value;
}

void frmZolvaneCalc::cmdHMMoistOK_Click() {
    RunGuarded([this] {
        using namespace Global;
        StorePendingGainEdit();
        if (GainTextRefused(false)) return;
        // Gains with flow and enthalpy both 0 are dropped; the others keep their order.
        std::vector<std::pair<float, float>> kept;
        const int n = std::min<int>(NumMoistGains, MoistGains.UBound(1));
        for (int i = 1; i <= n; ++i)
            if (MoistGains(FlowRow, i) != 0 || MoistGains(EnthalpyRow, i) != 0)
                kept.emplace_back(MoistGains(FlowRow, i), MoistGains(EnthalpyRow, i));
        MoistGains.Erase();
        MoistGains.ReDim(2, kept.size());
        for (std::size_t c = 1; c <= kept.size(); ++c)
            std::tie(MoistGains(FlowRow, c), MoistGains(EnthalpyRow, c)) = kept[c - 1];
        NumMoistGains = static_cast<int16_t>(kept.size());
        if (NumMoistGains > 0) {
            txtMoistGainFlow->setText(ShownGain(FlowRow, 1));
            txtMoistGainEnt->setText(ShownGain(EnthalpyRow, 1));
        }
        frmMoistGainMore->setVisible(false);
    });
}

void frmZolvaneCalc::cmdHMMoistCancel_Click() {
    StorePendingGainEdit();
    ShowGainRows(firstShownGain_);  // a text that could not be stored is dropped
    frmMoistGainMore->setVisible(false);
}

std::optional<std::string> frmZolvaneCalc::UnstoredGainMessage(bool singleBoxes) const {
    std::vector<std::pair<int, const QLineEdit*>> boxes;
    if (singleBoxes) boxes = {{FlowRow, txtMoistGainFlow}, {EnthalpyRow, txtMoistGainEnt}};
    for (int k = 0; k < Rows && !frmMoistGainMore->isHidden(); ++k)
        boxes.insert(boxes.end(), {{FlowRow, txtHMFlow[k]}, {EnthalpyRow, txtMHEnth[k]}});
    for (const auto& [row, box] : boxes) {
        if (box->text().isEmpty() || TypedGain(row, box)) continue;
        // A number too large for a float is told as the input check tells it.
        if (ReadNumber(box)) return InvalidInput;
        return row == FlowRow ? InvalidMoistureFlow : InvalidMoistureEnthalpy;
    }
    return std::nullopt;
}

bool frmZolvaneCalc::GainTextRefused(bool singleBoxes) {
    const std::optional<std::string> message = UnstoredGainMessage(singleBoxes);
    if (message) Global::ShowMessage(*message);
    return message.has_value();
}

void frmZolvaneCalc::StorePendingGainEdit() {
    QWidget* focused = focusWidget();
    if (focused == txtMoistGainFlow) txtMoistGainFlow_LostFocus();
    if (focused == txtMoistGainEnt) txtMoistGainEnt_LostFocus();
    for (int16_t k = 0; k < Rows; ++k) {
        if (focused == txtHMFlow[k]) txtHMFlow_LostFocus(k);
        if (focused == txtMHEnth[k]) txtMHEnth_LostFocus(k);
    }
}

void frmZolvaneCalc::ConnectMoistGainHandlers() {
    connect(cmdMoistGain, &QPushButton::clicked, this, [this] { cmdMoistGain_Click(); });
    connect(cmdHMMoistAdd, &QPushButton::clicked, this, [this] { cmdHMMoistAdd_Click(); });
    connect(cmdHMMoistOK, &QPushButton::clicked, this, [this] { cmdHMMoistOK_Click(); });
    connect(cmdHMMoistCancel, &QPushButton::clicked, this, [this] { cmdHMMoistCancel_Click(); });
    connect(scrlHMMoist, &QScrollBar::valueChanged, this, [this] { scrlHMMoist_Change(); });
    Platform::OnLostFocus(*txtMoistGainFlow, [this] { txtMoistGainFlow_LostFocus(); });
    Platform::OnLostFocus(*txtMoistGainEnt, [this] { txtMoistGainEnt_LostFocus(); });
    for (int16_t k = 0; k < Rows; ++k) {
        Platform::OnLostFocus(*txtHMFlow[k], [this, k] { txtHMFlow_LostFocus(k); });
        Platform::OnLostFocus(*txtMHEnth[k], [this, k] { txtMHEnth_LostFocus(k); });
    }
}
