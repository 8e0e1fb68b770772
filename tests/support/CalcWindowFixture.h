// Drives the calculator window, opened from the chart's menu, by control names.
#pragma once

#include <QGroupBox>
#include <algorithm>

#include "CalcWindowLink.h"
#include "ChartWindowFixture.h"
#include "Screen.h"
#include "frmZolvaneCalc.h"

using Texts = std::vector<std::string>;

class CalcWindowTest : public ChartWindowTest {
protected:
    void TearDown() override { link_.reset(), ChartWindowTest::TearDown(); }

    // Options > Process Calculations > the named item ("mnuOptProcHeat" ... "mnuOptProcHM").
    frmZolvaneCalc& OpenCalculator(const QString& item) {
        if (!link_) link_ = std::make_unique<CalcWindowLink>(Window());
        return Trigger(item), QApplication::processEvents(), Calc();
    }
    frmZolvaneCalc& Calc() { return CalcLoaded() ? *link_->Window() : OpenCalculator("mnuOptProcHeat"); }
    bool CalcLoaded() { return link_ && link_->Window(); }

    // 1: 75 F / 50 %; 2: heated at constant moisture to 95 F; 3: 55 F / 95 %.
    void AddExamplePoints(int count = 3) {
        const std::vector<std::pair<QString, QString>> points[] = {{{"DryBulb", "75"}, {"RelHumid", "50"}},
                                                                   {{"DryBulb", "95"}, {"DewPoint", "55.16"}},
                                                                   {{"DryBulb", "55"}, {"RelHumid", "95"}}};
        for (int k = 0; k < count; ++k) AddPoint(points[k]);
        ASSERT_EQ(Global::NumPoints, count);
    }
    QString Shown() { return Text("txtDryBulb") + " / " + Text("txtDewPoint"); }

    template <class T>
    T* CalcFind(const QString& name) {
        T* found = Calc().findChild<T*>(name);
        EXPECT_NE(found, nullptr) << "no calculator control " << name.toStdString();
        return found;
    }
    QString CalcText(const QString& name) { return CalcFind<QWidget>(name)->property("text").toString(); }
    QStringList CalcTexts(std::initializer_list<const char*> names) {
        QStringList texts;
        for (const char* name : names) texts << CalcText(name);
        return texts;
    }
    void CalcType(const QString& name, const QString& text) { CalcFind<QLineEdit>(name)->setText(text); }
    void CalcTypeAll(std::initializer_list<std::pair<QString, QString>> entries) {
        for (const auto& [name, text] : entries) CalcType(name, text);
    }
    // Types the boxes, then presses the button.
    void CalcRun(const QString& button, std::initializer_list<std::pair<QString, QString>> entries) {
        CalcTypeAll(entries), CalcPress(button);
    }
    // Types into a box and leaves it for the heat box: the moisture-gain boxes store on leaving.
    void Enter(const QString& box, const QString& text) {
        CalcFind<QWidget>(box)->setFocus(), CalcType(box, text);
        CalcFind<QWidget>("txtHeatMoistQ")->setFocus();
    }
    void CalcPress(const QString& name) { CalcFind<QAbstractButton>(name)->click(); }
    void CalcChoose(const QString& name) { CalcFind<QRadioButton>(name)->setChecked(true); }
    void CalcTrigger(const QString& name) { CalcFind<QAction>(name)->trigger(); }
    bool CalcEnabled(const QString& name) { return CalcFind<QWidget>(name)->isEnabled(); }
    bool AllEnabled(std::initializer_list<const char*> names) {
        return std::ranges::all_of(names, [this](const char* name) { return CalcEnabled(name); });
    }
    // Not hidden itself (isVisible is false for every control of a window off screen).
    bool CalcShown(const QString& name) { return !CalcFind<QWidget>(name)->isHidden(); }
    QStringList ShownFrames() {
        QStringList shown;
        for (const char* frame :
             {"frmHeat", "frmCool", "frmAirAir", "frmWatAir", "frmHeatMoist", "frmHeatFlowCalc",
              "frmCoolMassFlow", "frmAirMassCalc", "frmWatAirMassFlowCalc", "frmHMInputParam",
              "frmMoistGainMore", "frmWatAirInput"})
            if (CalcShown(frame)) shown << frame;
        return shown;
    }

    // Runs the input check of the shown calculator: its message, "" when it passed.
    std::string CheckInputs() {
        messages.clear();
        const bool passed = Calc().CalcInputCheck();
        EXPECT_EQ(passed, messages.empty());
        return messages.empty() ? "" : messages.back().text;
    }

private:
    std::unique_ptr<CalcWindowLink> link_;
};
