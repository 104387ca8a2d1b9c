// Preloaded by the report tool's tests: fsync of a file in the folder named by
// VELMORA_TEST_SLOW_FSYNC_DIR first leaves the file VELMORA_TEST_SLOW_FSYNC_MARK
// and waits 30 seconds, so that a test can interrupt the tool at the moment
// its temporary file exists.
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int fsync(int fd) {
    const char* folder = std::getenv("VELMORA_TEST_SLOW_FSYNC_DIR");
    const char* mark = std::getenv("VELMORA_TEST_SLOW_FSYNC_MARK");
    if (folder != nullptr && mark != nullptr) {
        char link[64];
        char name[PATH_MAX];
        std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
        const ssize_t n = readlink(link, name, sizeof name - 1);
        if (n > 0) {
            name[n] = '\0';
            if (std::strncmp(name, folder, std::strlen(folder)) == 0) {
                const int m = open(mark, O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
                if (m >= 0) close(m);
                sleep(30);
            }
        }
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}
