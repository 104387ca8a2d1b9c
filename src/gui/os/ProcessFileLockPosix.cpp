#include "gui/os/ProcessFileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace velmora {

std::string LockUserTag() { return std::to_string(::getuid()); }

ProcessFileLock TakeProcessFileLock(const std::string& path) {
    ProcessFileLock lock;
    // Close-on-exec, so that a browser started from the program does not
    // inherit the lock and keep it after the program ends.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return lock;
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        lock.heldElsewhere = (errno == EWOULDBLOCK);
        ::close(fd);
        return lock;
    }
    // For a person looking at the file: who holds it.
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::write(fd, pid.data(), pid.size());
    }
    lock.handle = fd;
    return lock;
}

void ReleaseProcessFileLock(ProcessFileLock& lock) {
    if (lock.handle >= 0) ::close(static_cast<int>(lock.handle));
    lock.handle = -1;
}

}  // namespace velmora
