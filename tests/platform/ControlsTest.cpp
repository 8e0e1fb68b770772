#include <gtest/gtest.h>

#include <QTest>

#include "Controls.h"

TEST(Controls, ColoursTwipsAndLabels) {
    // Program colours have red in the low byte.
    EXPECT_TRUE(Platform::ToQColor(255) == QColor(255, 0, 0) &&
                Platform::ToQColor(16711680) == QColor(0, 0, 255));
    for (int32_t c : {0, 1, 256, 65536, 0x123456, 0xFFFFFF})
        EXPECT_EQ(Platform::FromQColor(Platform::ToQColor(c)), c);
    QWidget parent;
    QWidget child(&parent);
    Platform::Place(&child, 1500, 300, 3000, 457);
    EXPECT_EQ(child.geometry(), QRect(100, 20, 200, 30));
    Platform::Place(&child, 0, 0, -300, 0);
    EXPECT_EQ(child.size(), QSize(0, 0)) << "a negative size is clamped";

    Platform::Label label("27.45");
    label.resize(60, 20);
    for (int32_t color : {16776960, 16777215}) {
        label.SetBackColor(color);
        EXPECT_EQ(label.BackColor(), color);
        EXPECT_EQ(label.grab().toImage().pixelColor(1, 1), Platform::ToQColor(color));
    }
    int clicks = 0;
    QObject::connect(&label, &Platform::Label::clicked, [&] { ++clicks; });
    QTest::mousePress(&label, Qt::LeftButton);
    QTest::mousePress(&label, Qt::RightButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Platform::FromQ(Platform::ToQ("Dew Point (°F)")), "Dew Point (°F)");
}
