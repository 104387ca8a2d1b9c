#pragma once

#include <QObject>

#include <string>

#include "gui/os/ProcessFileLock.h"

class QFileSystemWatcher;

namespace velmora {

// Detects a copy of the desktop program that is already running. The lock is
// an advisory lock on a file, held by the kernel for as long as the process
// lives: when a copy crashes the lock goes with it, so a file left behind
// never blocks the next start.
class SingleInstanceLock {
public:
    // Tries to take the lock in `directory` (created when missing).
    explicit SingleInstanceLock(const std::string& directory);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // True when another living process holds the lock. When the lock file
    // cannot be opened at all the answer is false: better two copies than none.
    bool AnotherCopyRunning() const { return anotherCopy_; }

    const std::string& FilePath() const { return path_; }

private:
    std::string path_;
    ProcessFileLock lock_;
    bool anotherCopy_ = false;
};

// A second copy's request that the running one come to the front: the
// second copy writes a line to a file beside the lock, which the running copy
// watches. No port or socket, only the user's own folder.
class RaiseRequests : public QObject {
    Q_OBJECT
public:
    // Watches the request file of `lock` (created when missing); the copy
    // that holds the lock makes one.
    explicit RaiseRequests(const SingleInstanceLock& lock, QObject* parent = nullptr);
signals:
    void Requested();

private:
    std::string path_;
    QFileSystemWatcher* watcher_ = nullptr;
};

// The request file of a lock.
std::string RaiseRequestPath(const SingleInstanceLock& lock);

// What a second copy does: asks the copy holding the lock to come to the
// front. False when the request could not be written.
bool AskRunningCopyToRaise(const SingleInstanceLock& lock);

// Brings the program's shown windows to the front (restored when minimized),
// the input or results window last, so that it has the keyboard.
void RaiseProgramWindows();

// Where the lock lives: $VELMORA_LOCK_DIR when set (tests use a private one),
// otherwise the user's runtime folder, otherwise the temporary folder.
std::string DefaultLockDirectory();

}  // namespace velmora
