#pragma once

#include <string>

#include "gui/os/ProcessFileLock.h"

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

// Where the lock lives: $VELMORA_LOCK_DIR when set (tests use a private one),
// otherwise the user's runtime folder, otherwise the temporary folder.
std::string DefaultLockDirectory();

}  // namespace velmora
