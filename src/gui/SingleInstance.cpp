#include "gui/SingleInstance.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QFileSystemWatcher>
#include <QMainWindow>
#include <QWidget>
#include <QDir>
#include <QStandardPaths>
#include <QtGlobal>

namespace velmora {

SingleInstanceLock::SingleInstanceLock(const std::string& directory) {
    QDir().mkpath(QString::fromStdString(directory));
    // One lock per user: the temporary folder may be shared by several users.
    path_ = directory + "/velmora-" + LockUserTag() + ".lock";
    lock_ = TakeProcessFileLock(path_);
    anotherCopy_ = lock_.heldElsewhere;
}

SingleInstanceLock::~SingleInstanceLock() { ReleaseProcessFileLock(lock_); }

std::string RaiseRequestPath(const SingleInstanceLock& lock) { return lock.FilePath() + ".raise"; }

RaiseRequests::RaiseRequests(const SingleInstanceLock& lock, QObject* parent)
    : QObject(parent), path_(RaiseRequestPath(lock)) {
    const QString path = QString::fromStdString(path_);
    QFile file(path);
    if (!file.exists() && file.open(QIODevice::WriteOnly)) file.close();
    watcher_ = new QFileSystemWatcher(this);
    watcher_->addPath(path);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this, path] {
        // A file replaced rather than written drops out of the watch.
        if (!watcher_->files().contains(path) && QFile::exists(path)) watcher_->addPath(path);
        emit Requested();
    });
}

bool AskRunningCopyToRaise(const SingleInstanceLock& lock) {
    QFile file(QString::fromStdString(RaiseRequestPath(lock)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const bool written = file.write("raise\n") > 0;
    file.close();
    return written;
}

void RaiseProgramWindows() {
    QWidget* last = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || qobject_cast<QMainWindow*>(window) == nullptr) continue;
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window->raise();
        const QString name = window->objectName();
        if (name == QStringLiteral("frmMain") || name == QStringLiteral("frmDisplay") || last == nullptr) last = window;
    }
    if (last != nullptr) {
        last->raise();
        last->activateWindow();
    }
}

std::string DefaultLockDirectory() {
    const QByteArray fromEnv = qgetenv("VELMORA_LOCK_DIR");
    if (!fromEnv.isEmpty()) return fromEnv.toStdString();
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir.toStdString();
}

}  // namespace velmora
