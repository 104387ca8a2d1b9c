#pragma once

// The calculation is compiled for plain SSE2 (no -mavx, so every machine
// computes the same bits). On x86-64 processors with AVX, SSE instructions run
// several times slower while the upper halves of the YMM registers hold data
// that a 256-bit instruction left there without a closing `vzeroupper`. Qt's
// string hashing does exactly that on processors with VAES (QCommandLineParser
// and QApplication hash option and property names), and glibc's AVX-512 string
// functions never clear the state, so it can stay dirty for the whole run.
namespace velmora {

// Marks the upper halves of the vector registers as unused (`vzeroupper`) when
// the processor and the system support AVX; does nothing otherwise. Register
// contents that SSE code can see are unchanged, so results stay bit-identical.
// Costs about a cycle; call it after foreign code and before a calculation.
void ClearUpperVectorState();

}  // namespace velmora
