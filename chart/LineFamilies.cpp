// The line families on the "Line Color" and "Line Style" pages: colours from the colour
// dialog, highlights on the family boxes and styles given to the highlighted families.
#include <QPalette>
#include <QPushButton>

#include "CommonDialog.h"
#include "Controls.h"
#include "Global.h"
#include "PictureBox.h"
#include "frmZolvane.h"

namespace {

constexpr int32_t White = 0xFFFFFF;
constexpr int32_t Cyan = 0xFFFF00;
constexpr int FamilyCount = 5;

struct Family {
    QPushButton* button;
    Platform::PictureBox* box;
    int32_t& color;
    int16_t& style;
};

// Families in the fixed order: dry bulb, wet bulb, dew point, RH, humidity ratio.
Family FamilyOf(frmZolvane& w, int family) {
    using namespace Global;
    switch (family) {
        case 0:
            return {w.cmdDry, w.picDry, DryLineColor, DryLineStyle};
        case 1:
            return {w.cmdWet, w.picWet, WetLineColor, WetLineStyle};
        case 2:
            return {w.cmdDew, w.picDew, DewLineColor, DewLineStyle};
        case 3:
            return {w.cmdRH, w.picRH, RHLineColor, RHLineStyle};
        default:
            return {w.cmdW, w.picW, WLineColor, WLineStyle};
    }
}

Platform::PictureBox* StyleBoxOf(frmZolvane& w, int16_t style) {
    Platform::PictureBox* boxes[] = {w.picSolid, w.picDash, w.picDot, w.picDashDot, w.picDashDotDot};
    return boxes[style];
}

void SetForeColor(QPushButton* button, int32_t rgb) {
    QPalette p = button->palette();
    p.setColor(QPalette::ButtonText, Platform::ToQColor(rgb));
    button->setPalette(p);
}

void DrawSample(Platform::PictureBox& box, int16_t style) {
    Platform::Surface& s = box.surface();
    s.DrawStyle = style;
    s.Line(0, s.Height() / 3, s.Width(), s.Height() / 3);
}

}  // namespace

void frmZolvane::ChooseFamilyColor(int family) {
    Family f = FamilyOf(*this, family);
    cmdlgChartColor->CancelError = true;
    cmdlgChartColor->Color = f.color;
    cmdlgChartColor->Flags = Platform::ColorFlagStartFromColor;
    // Cancel ends the command: colour and button stay as they were.
    if (!cmdlgChartColor->ShowColor()) return;
    f.color = cmdlgChartColor->Color;
    SetForeColor(f.button, f.color);
}

void frmZolvane::ToggleHighlight(int family) {
    Platform::PictureBox* box = FamilyOf(*this, family).box;
    box->SetBackColor(box->BackColor() == White ? Cyan : White);
    box->Refresh();
}

void frmZolvane::AssignStyle(int16_t style) {
    // Highlights stay on, so another style can be tried on the same families.
    for (int family = 0; family < FamilyCount; ++family) {
        Family f = FamilyOf(*this, family);
        if (f.box->BackColor() != Cyan) continue;
        f.style = style;
        f.box->Refresh();
    }
}

void frmZolvane::DrawFamilySample(int family) {
    Family f = FamilyOf(*this, family);
    DrawSample(*f.box, f.style);
}

void frmZolvane::DrawStyleSample(int16_t style) {
    DrawSample(*StyleBoxOf(*this, style), style);
}

void frmZolvane::cmdDry_Click() {
    ChooseFamilyColor(0);
}
void frmZolvane::cmdWet_Click() {
    ChooseFamilyColor(1);
}
void frmZolvane::cmdDew_Click() {
    ChooseFamilyColor(2);
}
void frmZolvane::cmdRH_Click() {
    ChooseFamilyColor(3);
}
void frmZolvane::cmdW_Click() {
    ChooseFamilyColor(4);
}

void frmZolvane::lblDry_Click() {
    ToggleHighlight(0);
}
void frmZolvane::lblWet_Click() {
    ToggleHighlight(1);
}
void frmZolvane::lblDew_Click() {
    ToggleHighlight(2);
}
void frmZolvane::lblRH_Click() {
    ToggleHighlight(3);
}
void frmZolvane::lblW_Click() {
    ToggleHighlight(4);
}

void frmZolvane::picDry_Click() {
    ToggleHighlight(0);
}
void frmZolvane::picWet_Click() {
    ToggleHighlight(1);
}
void frmZolvane::picDew_Click() {
    ToggleHighlight(2);
}
void frmZolvane::picRH_Click() {
    ToggleHighlight(3);
}
void frmZolvane::picW_Click() {
    ToggleHighlight(4);
}

void frmZolvane::picSolid_Click() {
    AssignStyle(0);
}
void frmZolvane::picDash_Click() {
    AssignStyle(1);
}
void frmZolvane::picDot_Click() {
    AssignStyle(2);
}
void frmZolvane::picDashDot_Click() {
    AssignStyle(3);
}
void frmZolvane::picDashDotDot_Click() {
    AssignStyle(4);
}

void frmZolvane::cmdColorOK_Click() {
    cmdOK_Click();
}
void frmZolvane::cmdStyleOK_Click() {
    cmdOK_Click();
}
