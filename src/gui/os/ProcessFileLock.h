#pragma once

#include <cstdint>
#include <string>

// The single-instance lock's one contact with the operating system: an
// exclusive lock on a file, held for as long as the process keeps it and
// released by the system when the process ends, however it ends. One
// implementation per system (ProcessFileLockPosix.cpp, ProcessFileLockWindows.cpp).
namespace velmora {

struct ProcessFileLock {
    std::intptr_t handle = -1;  // the open file while the lock is held, else -1
    bool heldElsewhere = false;  // another process holds it
};

// A name for the current user, safe in a file name: the lock is per user.
std::string LockUserTag();

// Opens (creating) `path` and takes the lock without waiting. When the file
// cannot be opened or locked for another reason, both fields say no.
ProcessFileLock TakeProcessFileLock(const std::string& path);

// Lets go of a lock taken; the file stays for the next start.
void ReleaseProcessFileLock(ProcessFileLock& lock);

}  // namespace velmora
