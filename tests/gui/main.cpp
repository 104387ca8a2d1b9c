// Widget tests: one QApplication for the whole run, on the offscreen platform
// unless the caller chose another (the screenshot tour runs under Xvfb).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QtGlobal>

namespace {

// The offscreen platform warns about every window operation it cannot do
// (raise, size hints); those say nothing about the program.
QtMessageHandler previousHandler = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support"))) return;
    if (previousHandler != nullptr) previousHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(QuietHandler);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
