// Tests of the printed report: one QGuiApplication for the whole run, on the
// offscreen platform unless the caller chose another.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QtGlobal>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
