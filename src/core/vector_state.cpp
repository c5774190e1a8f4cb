// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/vector_state.h"

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#endif

namespace Simulation {

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))

namespace {

// Compiled for AVX on its own, so that the rest of the program runs on any x86 processor.
__attribute__((target("avx"))) void Zero_Upper_Avx()
{
    _mm256_zeroupper();
}

} // namespace

void Clear_Vector_Upper_State()
{
    static const bool has_avx = __builtin_cpu_supports("avx");
    if (has_avx)
        Zero_Upper_Avx();
}

#else

void Clear_Vector_Upper_State() {}

#endif

} // namespace Simulation
