#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QMainWindow>
#include <QSignalSpy>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QStringList>
#include <QThread>

#include <memory>

#include <unistd.h>

#include "gui/SingleInstance.h"

using namespace velmora;

TEST(SingleInstance, OneHolderAtATime) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.path().toStdString();
    auto first = std::make_unique<SingleInstanceLock>(path);
    EXPECT_FALSE(first->AnotherCopyRunning());
    {
        const SingleInstanceLock second(path);
        EXPECT_TRUE(second.AnotherCopyRunning());
        EXPECT_EQ(second.FilePath(), first->FilePath());
    }
    first.reset();
    const SingleInstanceLock third(path);
    EXPECT_FALSE(third.AnotherCopyRunning());
}

TEST(SingleInstance, AFileLeftBehindDoesNotBlock) {
    QTemporaryDir dir;
    std::string lockPath;
    {
        const SingleInstanceLock probe(dir.path().toStdString());
        lockPath = probe.FilePath();
    }
    // What a crashed copy leaves: the file, with a process number that is
    // long gone (or reused by someone else).
    QFile leftover(QString::fromStdString(lockPath));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly | QIODevice::Truncate));
    leftover.write("1\n");
    leftover.close();
    const SingleInstanceLock next(dir.path().toStdString());
    EXPECT_FALSE(next.AnotherCopyRunning());
}

namespace {

// The real program, on the offscreen platform, with a private lock folder and
// its messages on standard error instead of boxes.
std::unique_ptr<QProcess> StartProgram(const QString& lockDir, bool unattended = true) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("VELMORA_LOCK_DIR"), lockDir);
    if (unattended) {
        env.insert(QStringLiteral("VELMORA_UNATTENDED"), QStringLiteral("1"));
    } else {
        env.remove(QStringLiteral("VELMORA_UNATTENDED"));
    }
    process->setProcessEnvironment(env);
    process->start(QStringLiteral(VELMORA_EXE), {});
    return process;
}

// Waits until `program` holds the lock in `lockDir`: it writes its process
// number into the lock file once the lock is its own. (Probing with a lock of
// our own would hold it for a moment, and a copy starting in that moment would
// rightly see another copy running.)
bool WaitUntilLocked(const QString& lockDir, const QProcess& program, int milliseconds) {
    const QString path = lockDir + QStringLiteral("/velmora-") + QString::number(::getuid()) + QStringLiteral(".lock");
    const QByteArray pid = QByteArray::number(program.processId()) + '\n';
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && file.readAll() == pid) return true;
        QThread::msleep(20);
    }
    return false;
}

}  // namespace

// Without XDG_RUNTIME_DIR (as root, say) the program starts without Qt's
// note about it on standard error.
TEST(SingleInstance, NoNoteAboutAMissingRuntimeFolder) {
    QTemporaryDir dir;
    auto program = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("VELMORA_LOCK_DIR"), dir.path());
    env.insert(QStringLiteral("VELMORA_UNATTENDED"), QStringLiteral("1"));
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    program->setProcessEnvironment(env);
    program->start(QStringLiteral(VELMORA_EXE), {});
    ASSERT_TRUE(program->waitForStarted(10000));
    ASSERT_TRUE(WaitUntilLocked(dir.path(), *program, 20000));
    QThread::msleep(300);  // the window is up and its fonts are read
    program->kill();
    ASSERT_TRUE(program->waitForFinished(10000));
    const QString errors = QString::fromUtf8(program->readAllStandardError());
    EXPECT_FALSE(errors.contains(QStringLiteral("XDG_RUNTIME_DIR"))) << errors.toStdString();
}

TEST(SingleInstance, ASecondCopyOfTheProgramRefusesToStart) {
    QTemporaryDir dir;
    std::unique_ptr<QProcess> first = StartProgram(dir.path());
    ASSERT_TRUE(first->waitForStarted(10000));
    ASSERT_TRUE(WaitUntilLocked(dir.path(), *first, 20000));

    std::unique_ptr<QProcess> second = StartProgram(dir.path());
    ASSERT_TRUE(second->waitForFinished(20000)) << "the second copy did not end";
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    const QString errors = QString::fromUtf8(second->readAllStandardError());
    EXPECT_EQ(errors.split(QLatin1Char('\n')).filter(QStringLiteral("Velmora:")),
              QStringList({QStringLiteral("Velmora: Application is already running")}));
    EXPECT_EQ(first->state(), QProcess::Running);  // the first is unaffected

    // The first copy crashes; its lock goes with it and the next copy starts.
    first->kill();
    ASSERT_TRUE(first->waitForFinished(10000));
    std::unique_ptr<QProcess> third = StartProgram(dir.path());
    ASSERT_TRUE(third->waitForStarted(10000));
    EXPECT_TRUE(WaitUntilLocked(dir.path(), *third, 20000));
    EXPECT_FALSE(third->waitForFinished(300)) << third->readAllStandardError().toStdString();
    EXPECT_EQ(third->state(), QProcess::Running);
    third->kill();
    third->waitForFinished(10000);
}

TEST(SingleInstance, ASecondCopyWithItsBoxAlsoSaysWhyOnStandardError) {
    QTemporaryDir dir;
    std::unique_ptr<QProcess> first = StartProgram(dir.path());
    ASSERT_TRUE(first->waitForStarted(10000));
    ASSERT_TRUE(WaitUntilLocked(dir.path(), *first, 20000));

    // With its box on screen (which waits for a click) the second copy has
    // already written the reason.
    std::unique_ptr<QProcess> second = StartProgram(dir.path(), false);
    ASSERT_TRUE(second->waitForStarted(10000));
    QByteArray errors;
    QDeadlineTimer deadline(20000);
    // Qt may warn about its environment first: read up to the reason's line.
    while (!errors.contains("Velmora: Application is already running\n") && !deadline.hasExpired()) {
        second->waitForReadyRead(100);
        errors += second->readAllStandardError();
    }
    EXPECT_TRUE(errors.contains("Velmora: Application is already running\n")) << errors.toStdString();
    EXPECT_EQ(second->state(), QProcess::Running);  // still showing its box
    second->kill();
    second->waitForFinished(10000);
    first->kill();
    first->waitForFinished(10000);
}

// A second copy asks the running one to come to the front: the running copy
// hears it, and its windows come up, a minimized one restored.
TEST(SingleInstance, ASecondCopyRaisesTheRunningOne) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const SingleInstanceLock running(dir.path().toStdString());
    ASSERT_FALSE(running.AnotherCopyRunning());
    RaiseRequests requests(running);
    QSignalSpy heard(&requests, &RaiseRequests::Requested);
    {
        const SingleInstanceLock second(dir.path().toStdString());
        ASSERT_TRUE(second.AnotherCopyRunning());
        EXPECT_TRUE(AskRunningCopyToRaise(second));
    }
    EXPECT_TRUE(heard.wait(5000));
    // Twice: the watch holds after the first request.
    {
        const SingleInstanceLock third(dir.path().toStdString());
        EXPECT_TRUE(AskRunningCopyToRaise(third));
    }
    EXPECT_TRUE(heard.count() >= 2 || heard.wait(5000));

    QMainWindow window;
    window.setObjectName(QStringLiteral("frmMain"));
    window.show();
    window.setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(window.isMinimized());
    RaiseProgramWindows();
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
}
