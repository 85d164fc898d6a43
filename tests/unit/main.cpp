#include <gtest/gtest.h>

#include <QGuiApplication>

// Drawing tests need a GUI application for fonts; the offscreen platform
// keeps them headless.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
