#include "shared/VectorState.h"

namespace velmora {

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

namespace {

// Compiled for AVX on its own; it runs only after the check below.
__attribute__((target("avx"))) void ZeroUpper() { __builtin_ia32_vzeroupper(); }

}  // namespace

void ClearUpperVectorState() {
    // True only when the processor has AVX and the system saves the YMM state
    // (libgcc checks OSXSAVE and XCR0); vzeroupper would fault otherwise.
    if (__builtin_cpu_supports("avx")) ZeroUpper();
}

#else

void ClearUpperVectorState() {}

#endif

}  // namespace velmora
