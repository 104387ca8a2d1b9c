#pragma once

#include <string>
#include <string_view>

// Putting a finished file in place without ever leaving half of it behind,
// and without turning a pipe or a device into an ordinary file.
namespace velmora {

// Writes `data` as the whole content of `path`. Returns an empty text, or the
// reason it failed (no file name in it; the caller names the file).
//
// - Nothing there, or an ordinary file: the data goes to a temporary file in
//   the same folder, which then takes the place of `path` in one step. A
//   failure (a full disk, say) leaves no temporary file and any earlier file
//   untouched. An earlier file keeps its permissions; a link keeps pointing
//   where it pointed, and its target gets the new content.
//   A link to a file that is not there yet creates that file (in its folder,
//   which has to exist) and stays a link.
// - A pipe, a terminal, a device or anything else that is not an ordinary
//   file: the data is written into it in place and it is never replaced, so
//   `/dev/null` discards the report and `/dev/full` fails as a full disk does.
// - The program's own standard output or error, however named (/dev/stdout,
//   /dev/fd/1, /proc/self/fd/2, or the very file the shell sends it to), and
//   any other descriptor of the program named through /dev/fd or /proc: the
//   data is written through the descriptor, where it stands, so a file the
//   shell appends to (`>> log`) keeps what it held. Another program's
//   descriptor (/proc/PID/fd/N) is written in place, appended to an ordinary
//   file, never replaced.
// - A folder is refused.
//
// Interrupted by SIGINT, SIGTERM or SIGHUP while the temporary file exists,
// the program removes it before it ends as the signal asks (SIGKILL cannot be
// caught: after it a temporary file may stay).
//
// The temporary name is kept within the folder's limit on names (255 bytes on
// most file systems), however long the final name is.
//
// A pipe is opened as `cat > pipe` opens it: the write waits for a program to
// read from it. A window cannot wait (it would hang): with `waitForPipeReader`
// false, a pipe that nobody reads is refused at once instead.
std::string ReplaceFileContent(const std::string& path, std::string_view data, bool waitForPipeReader = true);

// Writes `data` to the program's standard output; the reason on failure.
std::string WriteStandardOutput(std::string_view data);

}  // namespace velmora
