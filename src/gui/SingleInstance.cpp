#include "gui/SingleInstance.h"

#include <QByteArray>
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

std::string DefaultLockDirectory() {
    const QByteArray fromEnv = qgetenv("VELMORA_LOCK_DIR");
    if (!fromEnv.isEmpty()) return fromEnv.toStdString();
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir.toStdString();
}

}  // namespace velmora
