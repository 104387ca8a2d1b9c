#pragma once

namespace velmora {

// Standard input and output as the report tool needs them on every system:
// bytes in and out unchanged (no CR added before LF, no end of input at
// Ctrl+Z on Windows), and a reader that went away seen as a failed write
// instead of a silent death by signal (SIGPIPE on POSIX systems).
void PrepareStandardStreams();

}  // namespace velmora
