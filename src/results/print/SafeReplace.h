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
// - A pipe, a terminal, a device or anything else that is not an ordinary
//   file: the data is written into it in place and it is never replaced, so
//   `/dev/null` discards the report and `/dev/full` fails as a full disk does.
// - A folder is refused.
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
