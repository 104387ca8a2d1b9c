// The POSIX side of putting a finished file in place.
#include "results/print/SafeReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
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

// Writes into something that is not an ordinary file (a pipe, a device): in
// place, without truncating or replacing it. `noWait`: a pipe without a
// reader is refused instead of waited for.
std::string WriteInPlace(const std::string& path, std::string_view data, bool noWait) {
    int fd;
    do {
        fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | (noWait ? O_NONBLOCK : 0));
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
    const int fd = ::mkostemp(buffer.data(), O_CLOEXEC);
    if (fd < 0) return Reason(errno);
    temporary.assign(buffer.data());
    int error = WriteAll(fd, data);
    if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
    if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) error = errno;
    if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Reason(error);
    }
    return {};
}

}  // namespace

std::string ReplaceFileContent(const std::string& path, std::string_view data, bool waitForPipeReader) {
    if (path.empty()) return Reason(ENOENT);
    std::string target = path;
    struct stat info {};
    // A link is followed: its target is what gets the new content.
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    }
    if (::stat(target.c_str(), &info) != 0) {
        if (errno != ENOENT) return Reason(errno);
        // A new file: the permissions a newly created file gets here.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return WriteByReplacing(target, data, static_cast<mode_t>(0666 & ~mask));
    }
    if (S_ISDIR(info.st_mode)) return Reason(EISDIR);
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
