#pragma once

// The engine is built for the x86-64 baseline (SSE2); its hottest lines also
// have AVX2 versions, taken when the processor has it.

#if defined(__SSE2__) && (defined(__GNUC__) || defined(__clang__))
#define PICTAVIO_HAVE_AVX2 1
#define PICTAVIO_AVX2 __attribute__((target("avx2")))
#else
#define PICTAVIO_HAVE_AVX2 0
#define PICTAVIO_AVX2
#endif

namespace simd {

/// Whether the AVX2 versions run: the processor has it and
/// PICTAVIO_NO_AVX2 is not set (so tests can check the SSE2 ones too).
bool hasAvx2();

} // namespace simd
