#include <gtest/gtest.h>

#include <QTest>

#include "Controls.h"

TEST(Colours, ProgramColoursHaveRedInTheLowByte) {
    EXPECT_EQ(Platform::ToQColor(255), QColor(255, 0, 0));
    EXPECT_EQ(Platform::ToQColor(16711680), QColor(0, 0, 255));
    EXPECT_EQ(Platform::ToQColor(16776960), QColor(0, 255, 255));
    EXPECT_EQ(Platform::FromQColor(QColor(0, 255, 255)), 16776960);
    EXPECT_EQ(Platform::FromQColor(QColor(255, 255, 255)), 16777215);
    for (int32_t c : {0, 1, 256, 65536, 0x123456, 0xFFFFFF})
        EXPECT_EQ(Platform::FromQColor(Platform::ToQColor(c)), c);
}

TEST(Controls, PlaceWorksInTwips) {
    QWidget parent;
    QWidget child(&parent);
    Platform::Place(&child, 1500, 300, 3000, 457);
    EXPECT_EQ(child.geometry(), QRect(100, 20, 200, 30));
    Platform::Place(&child, 0, 0, -300, 0);
    EXPECT_EQ(child.size(), QSize(0, 0)) << "a negative size is clamped";
}

TEST(Controls, LabelShowsItsBackColourAndReportsClicks) {
    Platform::Label label("27.45");
    label.resize(60, 20);
    label.SetBackColor(16776960);
    EXPECT_EQ(label.BackColor(), 16776960);
    EXPECT_EQ(label.grab().toImage().pixelColor(1, 1), QColor(0, 255, 255));
    label.SetBackColor(16777215);
    EXPECT_EQ(label.grab().toImage().pixelColor(1, 1), QColor(255, 255, 255));

    int clicks = 0;
    QObject::connect(&label, &Platform::Label::clicked, [&] { ++clicks; });
    QTest::mousePress(&label, Qt::LeftButton);
    QTest::mousePress(&label, Qt::RightButton);
    EXPECT_EQ(clicks, 1);

    EXPECT_EQ(Platform::FromQ(Platform::ToQ("Dew Point (°F)")), "Dew Point (°F)");
}
