// SPDX-License-Identifier: GPL-3.0-or-later
#include "cossin.h"

#include <cassert>
#include <cmath>

#if defined(VELTRIN_HAVE_LIBMVEC) && defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define VELTRIN_VECTOR_COSSIN 1
#include <immintrin.h>
#endif

namespace veltrin {

namespace {

void cosSinScalar(const double *angles, double *cosines, double *sines, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        cosines[i] = std::cos(angles[i]);
        sines[i] = std::sin(angles[i]);
    }
}

#ifdef VELTRIN_VECTOR_COSSIN
#pragma GCC push_options
#pragma GCC target("avx2,fma")

// The C library's AVX2 versions of cos and sin, four doubles at a time.
extern "C" __m256d _ZGVdN4v_cos(__m256d);
extern "C" __m256d _ZGVdN4v_sin(__m256d);

void cosSinAvx2(const double *angles, double *cosines, double *sines, std::size_t count)
{
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m256d x = _mm256_loadu_pd(angles + i);
        _mm256_storeu_pd(cosines + i, _ZGVdN4v_cos(x));
        _mm256_storeu_pd(sines + i, _ZGVdN4v_sin(x));
    }
    if (i == count)
        return;
    // The last few angles padded to four, so every angle takes the same way.
    alignas(32) double x[4] = {};
    alignas(32) double c[4];
    alignas(32) double s[4];
    const std::size_t rest = count - i;
    for (std::size_t r = 0; r < rest; ++r)
        x[r] = angles[i + r];
    _mm256_store_pd(c, _ZGVdN4v_cos(_mm256_load_pd(x)));
    _mm256_store_pd(s, _ZGVdN4v_sin(_mm256_load_pd(x)));
    for (std::size_t r = 0; r < rest; ++r) {
        cosines[i + r] = c[r];
        sines[i + r] = s[r];
    }
}

#pragma GCC pop_options

bool hasAvx2()
{
    static const bool supported = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    return supported;
}
#endif

} // namespace

void cosSinOf(std::span<const double> angles, std::span<double> cosines, std::span<double> sines)
{
    assert(cosines.size() >= angles.size() && sines.size() >= angles.size());
#ifdef VELTRIN_VECTOR_COSSIN
    if (hasAvx2()) {
        cosSinAvx2(angles.data(), cosines.data(), sines.data(), angles.size());
        return;
    }
#endif
    cosSinScalar(angles.data(), cosines.data(), sines.data(), angles.size());
}

} // namespace veltrin
