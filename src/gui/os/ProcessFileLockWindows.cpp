// Windows: LockFileEx on a file opened without inheritance. The system
// releases the lock when the handle is closed or the process ends.
// (Compiled by `make test-windows`; the desktop program itself is not built
// for Windows here.)
#include "gui/os/ProcessFileLock.h"

#include <windows.h>

#include <string>

#include "shared/os/WideText.h"

namespace velmora {

std::string LockUserTag() {
    // The session id separates users of one machine as the user id does on
    // POSIX systems; the temporary folder is usually per user anyway.
    DWORD session = 0;
    if (!ProcessIdToSessionId(GetCurrentProcessId(), &session)) session = 0;
    return "s" + std::to_string(session);
}

ProcessFileLock TakeProcessFileLock(const std::string& path) {
    ProcessFileLock lock;
    SECURITY_ATTRIBUTES noInherit{sizeof(SECURITY_ATTRIBUTES), nullptr, FALSE};
    HANDLE file = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              &noInherit, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lock;
    OVERLAPPED whole{};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &whole)) {
        lock.heldElsewhere = GetLastError() == ERROR_LOCK_VIOLATION;
        CloseHandle(file);
        return lock;
    }
    lock.handle = reinterpret_cast<std::intptr_t>(file);
    return lock;
}

void ReleaseProcessFileLock(ProcessFileLock& lock) {
    if (lock.handle != -1) CloseHandle(reinterpret_cast<HANDLE>(lock.handle));
    lock.handle = -1;
}

}  // namespace velmora
