#include "report/StandardStreams.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include <csignal>
#include <cstdio>

namespace velmora {

void PrepareStandardStreams() {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#else
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

}  // namespace velmora
