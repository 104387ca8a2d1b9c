// The POSIX side of putting a finished file in place.
#include "results/print/SafeReplace.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace velmora {

namespace {

std::string Reason(int error) { return error != 0 ? std::strerror(error) : "unknown failure"; }

// Writes all of `data` to `fd`, going on after interruptions and short
// writes. Returns 0 or the errno of the failure.
int WriteAll(int fd, std::string_view data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return EIO;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// The folder part of `path` ("." for a bare name) and the name part.
std::pair<std::string, std::string> SplitPath(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return {".", path};
    return {slash == 0 ? std::string("/") : path.substr(0, slash), path.substr(slash + 1)};
}

// The longest name the folder takes, in bytes.
std::size_t NameLimit(const std::string& folder) {
    errno = 0;
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    if (limit <= 0) return 255;
    return static_cast<std::size_t>(limit);
}

// `text` cut to at most `bytes` bytes, never in the middle of a UTF-8 character.
std::string CutUtf8(const std::string& text, std::size_t bytes) {
    if (text.size() <= bytes) return text;
    std::size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

bool AllDigits(const std::string& text) {
    if (text.empty() || text.size() > 9) return false;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// Where a path leads through the descriptor links of the system
// (/dev/stdout, /dev/fd/N, /proc/self/fd/N, /proc/PID/fd/N): the process and
// its descriptor. Such a link does not name a file of its own; it names
// whatever the descriptor has open, which may be a file the shell appends to.
struct DescriptorLink {
    long process = 0;
    int descriptor = -1;
};

std::optional<DescriptorLink> AsDescriptorLink(const std::string& path) {
    const auto [folder, name] = SplitPath(path);
    if (!AllDigits(name)) return std::nullopt;
    char* resolved = ::realpath(folder.c_str(), nullptr);
    if (resolved == nullptr) return std::nullopt;
    const std::string real = resolved;
    std::free(resolved);
    // /proc/PID/fd, or /proc/PID/task/TID/fd for /proc/thread-self/fd.
    if (real.rfind("/proc/", 0) != 0 || real.size() < 9 || real.compare(real.size() - 3, 3, "/fd") != 0) {
        return std::nullopt;
    }
    const std::string inner = real.substr(6, real.size() - 9);
    const std::string pid = inner.substr(0, inner.find('/'));
    if (!AllDigits(pid)) return std::nullopt;
    if (pid.size() != inner.size()) {
        const std::string rest = inner.substr(pid.size());
        if (rest.rfind("/task/", 0) != 0 || !AllDigits(rest.substr(6))) return std::nullopt;
    }
    return DescriptorLink{std::strtol(pid.c_str(), nullptr, 10), static_cast<int>(std::strtol(name.c_str(), nullptr, 10))};
}

// Where `path` leads once its links are followed, one link at a time, so that
// a link to a file not yet there leads to that file's name (it is created
// and the link kept) and a descriptor link is seen as one.
struct Destination {
    std::string path;                    // the last name reached; it may not exist
    std::optional<DescriptorLink> link;  // reached through a descriptor link
    int error = 0;                       // a link that could not be followed (a loop, say)
};

Destination Follow(const std::string& path) {
    Destination d{path, std::nullopt, 0};
    for (int hops = 0;; ++hops) {
        if (auto link = AsDescriptorLink(d.path)) {
            d.link = link;
            return d;
        }
        struct stat info {};
        if (::lstat(d.path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return d;
        if (hops >= 40) {
            d.error = ELOOP;
            return d;
        }
        std::vector<char> text(PATH_MAX + 1);
        const ssize_t n = ::readlink(d.path.c_str(), text.data(), text.size() - 1);
        if (n < 0) {
            d.error = errno;
            return d;
        }
        const std::string to(text.data(), static_cast<std::size_t>(n));
        if (to.empty()) {
            d.error = ENOENT;
            return d;
        }
        if (to.front() == '/') {
            d.path = to;
        } else {
            const auto slash = d.path.find_last_of('/');
            d.path = slash == std::string::npos ? to : d.path.substr(0, slash + 1) + to;
        }
    }
}

// The standard output or error when `info` is the very file it has open
// (the same device and inode): -1 otherwise.
int StandardStreamOf(const struct stat& info) {
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat stream {};
        if (::fstat(fd, &stream) == 0 && stream.st_dev == info.st_dev && stream.st_ino == info.st_ino) return fd;
    }
    return -1;
}

// Writes into an open descriptor of this process, where it stands: what the
// shell opened for appending is appended to.
std::string WriteThroughDescriptor(int fd, std::string_view data) {
    const int error = WriteAll(fd, data);
    return error == 0 ? std::string() : Reason(error);
}

// Writes into something that is not to be replaced (a pipe, a device, a file
// reached through another process's descriptor): in place, without truncating
// it; an ordinary file is appended to. `noWait`: a pipe without a reader is
// refused instead of waited for.
std::string WriteInPlace(const std::string& path, std::string_view data, bool noWait, bool append = false) {
    int fd;
    do {
        fd = ::open(path.c_str(),
                    O_WRONLY | O_NOCTTY | O_CLOEXEC | (noWait ? O_NONBLOCK : 0) | (append ? O_APPEND : 0));
    } while (fd < 0 && errno == EINTR);
    if (fd < 0 && noWait && errno == ENXIO) return "no program is reading from the pipe";
    if (fd < 0) return Reason(errno);
    // The writes themselves wait for the reader as usual.
    if (noWait) {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    int error = WriteAll(fd, data);
    if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
    return error == 0 ? std::string() : Reason(error);
}

// The temporary file beside the user's, removed when the program is
// interrupted (Ctrl-C, `kill`, a closed terminal) while it exists. A signal
// handler sees only what is set aside for it here: the name, built before
// the handler can run, and whether it is in use. SIGKILL cannot be caught;
// after it a temporary may stay.
constexpr int kCleanedSignals[] = {SIGINT, SIGTERM, SIGHUP};

struct TemporaryGuard {
    static inline char name[PATH_MAX + 1] = {};
    static inline volatile sig_atomic_t armed = 0;
    static inline struct sigaction previous[3] = {};
    static inline std::atomic_flag taken = ATOMIC_FLAG_INIT;

    static void OnSignal(int signal) {
        const int saved = errno;
        if (armed != 0) ::unlink(name);
        armed = 0;
        // Then as the program would have done without this handler (by
        // default: end, with the signal as its cause).
        for (std::size_t i = 0; i < 3; ++i) {
            if (kCleanedSignals[i] == signal) ::sigaction(signal, &previous[i], nullptr);
        }
        ::raise(signal);
        errno = saved;
    }

    bool owner = false;

    // Blocks the signals while the temporary is made and named here.
    static sigset_t Signals() {
        sigset_t set;
        sigemptyset(&set);
        for (const int s : kCleanedSignals) sigaddset(&set, s);
        return set;
    }

    // Creates the temporary from `pattern` (mkostemp), watched from the start.
    int Create(std::vector<char>& pattern) {
        // One temporary at a time is watched; a second writer at the same
        // moment (another thread) goes without.
        // A name longer than the room set aside goes without as well.
        owner = pattern.size() <= sizeof name && !taken.test_and_set();
        if (!owner) return ::mkostemp(pattern.data(), O_CLOEXEC);
        const sigset_t set = Signals();
        sigset_t before;
        ::pthread_sigmask(SIG_BLOCK, &set, &before);
        const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (fd >= 0) {
            std::memcpy(name, pattern.data(), pattern.size());
            armed = 1;
            for (std::size_t i = 0; i < 3; ++i) {
                struct sigaction current {};
                ::sigaction(kCleanedSignals[i], nullptr, &current);
                previous[i] = current;
                // An ignored signal does not end the program: nothing to clean.
                if (current.sa_handler == SIG_IGN) continue;
                struct sigaction action {};
                action.sa_handler = OnSignal;
                sigemptyset(&action.sa_mask);
                for (const int s : kCleanedSignals) sigaddset(&action.sa_mask, s);
                ::sigaction(kCleanedSignals[i], &action, nullptr);
            }
        }
        ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
        if (fd < 0) Release();
        return fd;
    }

    // The temporary is gone (renamed or removed): the handlers as they were.
    void Release() {
        if (!owner) return;
        const sigset_t set = Signals();
        sigset_t before;
        ::pthread_sigmask(SIG_BLOCK, &set, &before);
        if (armed != 0) {
            armed = 0;
            for (std::size_t i = 0; i < 3; ++i) {
                if (previous[i].sa_handler != SIG_IGN) ::sigaction(kCleanedSignals[i], &previous[i], nullptr);
            }
        }
        ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
        taken.clear();
        owner = false;
    }

    ~TemporaryGuard() { Release(); }
};

// Writes an ordinary file by way of a temporary one beside it. `mode` is the
// permissions the file is to have.
std::string WriteByReplacing(const std::string& path, std::string_view data, mode_t mode) {
    const auto [folder, name] = SplitPath(path);
    // "." + part of the name + "." + six random characters: within the limit.
    const std::size_t limit = NameLimit(folder);
    const std::size_t room = limit > 8 ? limit - 8 : 0;
    std::string temporary = (folder == "/" ? std::string() : folder) + "/." + CutUtf8(name, room) + ".XXXXXX";
    std::vector<char> buffer(temporary.begin(), temporary.end());
    buffer.push_back('\0');
    TemporaryGuard guard;
    const int fd = guard.Create(buffer);
    if (fd < 0) return Reason(errno);
    temporary.assign(buffer.data());
    int error = WriteAll(fd, data);
    if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
    if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) error = errno;
    if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temporary.c_str());
    guard.Release();
    return error == 0 ? std::string() : Reason(error);
}

}  // namespace

std::string ReplaceFileContent(const std::string& path, std::string_view data, bool waitForPipeReader) {
    if (path.empty()) return Reason(ENOENT);
    // Links are followed one at a time: the file at the end of them gets the
    // new content, or is created when it is not there yet, and the links stay.
    const Destination to = Follow(path);
    if (to.error != 0) return Reason(to.error);
    if (to.link) {
        // A descriptor of this very process (/dev/stdout, /dev/fd/3): written
        // through, as the shell's `>>` or pipe set it up, never replaced.
        if (to.link->process == static_cast<long>(::getpid())) {
            if (::fcntl(to.link->descriptor, F_GETFD) < 0) return Reason(EBADF);
            return WriteThroughDescriptor(to.link->descriptor, data);
        }
        // Another program's descriptor: what it has open, appended to if an
        // ordinary file, never replaced.
        struct stat info {};
        if (::stat(to.path.c_str(), &info) != 0) return Reason(errno);
        if (S_ISDIR(info.st_mode)) return Reason(EISDIR);
        return WriteInPlace(to.path, data, !waitForPipeReader && S_ISFIFO(info.st_mode), S_ISREG(info.st_mode));
    }
    const std::string& target = to.path;
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) {
        if (errno != ENOENT) return Reason(errno);
        // A link to a file not yet there: that file is created, in its
        // folder, which has to be there already.
        if (target != path) {
            struct stat folder {};
            const std::string where = SplitPath(target).first;
            if (::stat(where.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode)) {
                return "it is a link to " + target + ", and the folder " + where + " is not there";
            }
        }
        // A new file: the permissions a newly created file gets here.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return WriteByReplacing(target, data, static_cast<mode_t>(0666 & ~mask));
    }
    if (S_ISDIR(info.st_mode)) return Reason(EISDIR);
    // The file the standard output or error already has open (`>> log` and
    // the same log named): written through that descriptor.
    if (const int stream = StandardStreamOf(info); stream >= 0) return WriteThroughDescriptor(stream, data);
    if (!S_ISREG(info.st_mode)) return WriteInPlace(target, data, !waitForPipeReader && S_ISFIFO(info.st_mode));
    // An ordinary file that may not be written is not replaced behind its
    // owner's back either.
    if (::access(target.c_str(), W_OK) != 0) return Reason(errno);
    return WriteByReplacing(target, data, info.st_mode & 07777);
}

std::string WriteStandardOutput(std::string_view data) {
    const int error = WriteAll(STDOUT_FILENO, data);
    return error == 0 ? std::string() : Reason(error);
}

}  // namespace velmora
