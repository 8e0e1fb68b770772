// Drives the real chart window offscreen by control names, in a folder of its own (for its
// Zolvane.ini), with messages recorded and dialogs answered from a script.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "CommonDialog.h"
#include "Controls.h"
#include "Global.h"
#include "PictureBox.h"
#include "RecordingSink.h"
#include "frmZolvane.h"

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

class ChartWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Global::ResetState();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        // The process id keeps runs from other work trees out of this folder.
        dir_ = std::filesystem::temp_directory_path() /
               ("zolvane-" + std::to_string(getpid()) + "-" + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(dir_), std::filesystem::create_directories(dir_);
        oldDir_ = std::filesystem::current_path(), std::filesystem::current_path(dir_);
        auto backend = std::make_unique<Platform::ScriptedDialogBackend>();
        dialogs = backend.get(), Platform::SetDialogBackend(std::move(backend));
    }

    void TearDown() override {
        window_.reset(), Platform::SetDialogBackend(nullptr);
        std::filesystem::current_path(oldDir_), std::filesystem::remove_all(dir_);
    }

    // Creates and shows the window on first use, so a test can write Zolvane.ini first.
    frmZolvane& Window() {
        if (!window_) {
            window_ = std::make_unique<frmZolvane>();
            window_->resize(1200, 760), window_->show(), QApplication::processEvents();
        }
        return *window_;
    }

    template <class T>
    T* Find(const QString& name) {
        T* found = Window().findChild<T*>(name);
        EXPECT_NE(found, nullptr) << "no control " << name.toStdString();
        return found;
    }
    bool Shown(const QString& name) { return !Find<QWidget>(name)->isHidden(); }

    QString Text(const QString& name) {
        auto* control = Find<QWidget>(name);
        return control ? control->property("text").toString() : QString();
    }
    QString TextsOf(const QStringList& names) {
        QStringList texts;
        for (const QString& name : names) texts << Text(name);
        return texts.join('|');
    }
    int32_t BackColor(const QString& name) { return Find<Platform::Label>(name)->BackColor(); }
    void Type(const QString& name, const QString& text) { Find<QLineEdit>(name)->setText(text); }
    void Tick(const QString& name, bool on = true) { Find<QCheckBox>(name)->setChecked(on); }
    void Press(const QString& name) { Find<QAbstractButton>(name)->click(); }
    void ClickLabel(const QString& name) { QTest::mouseClick(Find<QLabel>(name), Qt::LeftButton); }
    void Trigger(const QString& name) { Find<QAction>(name)->trigger(); }

    // Ticks exactly the named boxes, types their texts and presses Calculate.
    void AddPoint(std::vector<std::pair<QString, QString>> entries) {
        for (const char* box : {"chkDryBulb", "chkWetBulb", "chkDewPoint", "chkRelHumid"}) Tick(box, false);
        for (auto& [name, text] : entries) Tick("chk" + name), Type("txt" + name, text);
        Press("cmdCalculate");
    }

    // Adds points at 50, 60, 70 ... F and 40 %.
    void AddPoints(int count) {
        const int before = Global::NumPoints;
        for (int i = 0; i < count; ++i)
            AddPoint({{"DryBulb", QString::number(50 + 10 * i)}, {"RelHumid", "40"}});
        ASSERT_EQ(Global::NumPoints, before + count);
    }
    void UseUnits(bool us) {
        Find<QRadioButton>(us ? "optUSUnits" : "optMetricUnits")->setChecked(true), Press("cmdUnitsOK");
    }
    void UsePressure(const QString& text) {
        Trigger("mnuOptPress"), Find<QRadioButton>("optPress")->setChecked(true);
        Type("txtPress", text), Press("cmdPressOK");
    }
    using LineList = std::vector<std::pair<int, int>>;
    void SetLines(const LineList& lines) {
        Global::ProcLines.Erase(), Global::ProcLines.ReDim(2, lines.size());
        for (std::size_t k = 0; k < lines.size(); ++k)
            Global::ProcLines(1, k + 1) = lines[k].first, Global::ProcLines(2, k + 1) = lines[k].second;
    }
    LineList Lines() {
        LineList out;
        for (int k = 1; k <= Global::ProcLines.UBound(1); ++k)
            out.emplace_back(Global::ProcLines(1, k), Global::ProcLines(2, k));
        return out;
    }
    std::vector<std::string> Told() { return sink_.Texts(); }

    void WriteFile(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }
    std::string ReadFile(const std::string& name) {
        std::ifstream in(dir_ / name, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }
    bool FileExists(const std::string& name) { return std::filesystem::exists(dir_ / name); }

    RecordingMessageSink sink_;
    std::vector<RecordingMessageSink::Message>& messages = sink_.messages;
    Platform::ScriptedDialogBackend* dialogs = nullptr;

private:
    std::filesystem::path dir_, oldDir_;
    std::unique_ptr<frmZolvane> window_;
};
