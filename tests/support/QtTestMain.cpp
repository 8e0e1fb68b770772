// Test entry point for everything that needs a QApplication: the offscreen platform,
// so no test opens a window on a desktop or waits for one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryFile>

// The screen in logical pixels is its size over the scale: the 1600 x 1000 screen the program
// is tried on, unless the test program asks for another.
#ifndef ZOLVANE_TEST_SCREEN
#define ZOLVANE_TEST_SCREEN 1600, 1000, "1"
#endif

int main(int argc, char** argv) {
    const struct {
        int width, height;
        const char* scale;
    } screen{ZOLVANE_TEST_SCREEN};
    QTemporaryFile config;
    config.open();
    config.write(QStringLiteral(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": %1, "height": %2,
        "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                     .arg(screen.width)
                     .arg(screen.height)
                     .toUtf8());
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toUtf8());
    qputenv("QT_SCALE_FACTOR", screen.scale);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
