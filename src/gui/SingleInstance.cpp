#include "gui/SingleInstance.h"

#include <QByteArray>
#include <QDir>
#include <QStandardPaths>
#include <QtGlobal>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace velmora {

SingleInstanceLock::SingleInstanceLock(const std::string& directory) {
    QDir().mkpath(QString::fromStdString(directory));
    // One lock per user: the temporary folder may be shared by several users.
    path_ = directory + "/velmora-" + std::to_string(::getuid()) + ".lock";
    // Close-on-exec, so that a browser started from the program does not
    // inherit the lock and keep it after the program ends.
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) return;
    int rc;
    do {
        rc = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        anotherCopy_ = (errno == EWOULDBLOCK);
        ::close(fd_);
        fd_ = -1;
        return;
    }
    // For a person looking at the file: who holds it.
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd_, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::write(fd_, pid.data(), pid.size());
    }
}

SingleInstanceLock::~SingleInstanceLock() {
    if (fd_ >= 0) ::close(fd_);  // releases the lock; the file stays for the next start
}

std::string DefaultLockDirectory() {
    const QByteArray fromEnv = qgetenv("VELMORA_LOCK_DIR");
    if (!fromEnv.isEmpty()) return fromEnv.toStdString();
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir.toStdString();
}

}  // namespace velmora
