#pragma once

// x86-64 builds target SSE2, which every such CPU has; the few hot loops that gain from wider
// vectors carry a second, AVX2 version of themselves and pick it at run time.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VESTARA_X86_64_VECTORS 1
#endif

namespace vestara {

// Whether this CPU runs AVX2 code; asked once, at start-up.
bool CpuHasAvx2();

}  // namespace vestara
