// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The row sum's arithmetic, written once for every vector width: each path's file includes it,
// compiled for its own instruction set, and the vector width follows from that.

#include "rowsumjob.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#if defined(__SSE2__)
// The intrinsics' own placeholder for "any value" reads as uninitialised to GCC's warning.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <immintrin.h>
#pragma GCC diagnostic pop
#endif

namespace veltrin::rowsum {
namespace {

#if defined(__AVX512F__)
constexpr int width = 16;
#elif defined(__AVX__)
constexpr int width = 8;
#else
constexpr int width = 4;
#endif
constexpr int vectors = block / width;

using Floats = float __attribute__((vector_size(width * sizeof(float))));
using Doubles = double __attribute__((vector_size(width * sizeof(double))));
using Ints = std::int32_t __attribute__((vector_size(width * sizeof(std::int32_t))));
using Bits = std::uint32_t __attribute__((vector_size(width * sizeof(std::uint32_t))));

Floats squareRoot(Floats v)
{
#if defined(__AVX512F__)
    return _mm512_sqrt_ps(v);
#elif defined(__AVX__)
    return _mm256_sqrt_ps(v);
#elif defined(__SSE2__)
    return _mm_sqrt_ps(v);
#else
    for (int i = 0; i < width; ++i)
        v[i] = __builtin_sqrtf(v[i]);
    return v;
#endif
}

// An arrow's direction is one of a few evenly spread ones, as many as one instruction can pick
// from a vector register, turned on by what is left, f steps (|f| ≤ ½), through power series cut
// where the next term falls below a part in ten million. The phase is counted in those steps.
#if defined(__AVX512F__)
constexpr int directions = 16;
#elif defined(__AVX2__)
constexpr int directions = 8;
#else
constexpr int directions = 4; // picked by swapping and negating, which needs no table
#endif

constexpr double radiansPerStep = 2 * std::numbers::pi / directions;
constexpr double power(double x, int n)
{
    return n == 0 ? 1 : x * power(x, n - 1);
}
constexpr double factorial(int n)
{
    return n <= 1 ? 1 : n * factorial(n - 1);
}
// The coefficient of fⁿ in the series of the cosine (n even) or the sine (n odd) of f steps.
constexpr float term(int n)
{
    return float(((n / 2) % 2 == 0 ? 1 : -1) * power(radiansPerStep, n) / factorial(n));
}
constexpr int highestSine = directions >= 16 ? 5 : directions >= 8 ? 7 : 9;
constexpr int highestCosine = directions >= 16 ? 4 : directions >= 8 ? 6 : 8;

Floats sineOf(Floats f, Floats f2)
{
    Floats sum = term(highestSine) + Floats{};
    for (int n = highestSine - 2; n >= 1; n -= 2)
        sum = term(n) + f2 * sum;
    return f * sum;
}

Floats cosineOf(Floats f2)
{
    Floats sum = term(highestCosine) + Floats{};
    for (int n = highestCosine - 2; n >= 0; n -= 2)
        sum = term(n) + f2 * sum;
    return sum;
}

// Adding 1.5·2²³ rounds a float below 2²² to a whole number, which then stands in the low bits.
constexpr float rounder = 12582912.0f;

/// Adds arrows `steps` round to the sums.
class Turner
{
public:
    Turner()
    {
#if defined(__AVX512F__) || defined(__AVX2__)
        for (int i = 0; i < directions; ++i) {
            m_cosines[i] = float(std::cos(radiansPerStep * i));
            m_sines[i] = float(std::sin(radiansPerStep * i));
        }
#endif
    }

    void add(Floats steps, Floats &sumCos, Floats &sumSin) const
    {
        const Floats rounded = steps + rounder;
#if defined(__AVX512DQ__)
        const Floats f = _mm512_reduce_ps(steps, _MM_FROUND_TO_NEAREST_INT);
#else
        const Floats f = steps - (rounded - rounder);
#endif
        const Floats f2 = f * f;
        const Floats sine = sineOf(f, f2);
        const Floats cosine = cosineOf(f2);
#if defined(__AVX512F__) || defined(__AVX2__)
#if defined(__AVX512F__)
        const Floats c = _mm512_permutexvar_ps(__m512i(rounded), m_cosines);
        const Floats s = _mm512_permutexvar_ps(__m512i(rounded), m_sines);
#else
        const Floats c = _mm256_permutevar8x32_ps(m_cosines, __m256i(rounded));
        const Floats s = _mm256_permutevar8x32_ps(m_sines, __m256i(rounded));
#endif
        // Each term straight into the sums, which the compiler keeps as fused multiply-adds.
        sumCos += c * cosine;
        sumCos -= s * sine;
        sumSin += s * cosine;
        sumSin += c * sine;
#else
        // Odd quarter turns swap cosine and sine, and the signs follow the quadrant.
        const Bits quarter = Bits(rounded);
        const Ints odd = Ints(quarter & 1) != 0;
        const Bits cosineSign = ((quarter + 1) & 2) << 30;
        const Bits sineSign = (quarter & 2) << 30;
        sumCos += Floats(Bits(odd ? sine : cosine) ^ cosineSign);
        sumSin += Floats(Bits(odd ? cosine : sine) ^ sineSign);
#endif
    }

private:
#if defined(__AVX512F__) || defined(__AVX2__)
    Floats m_cosines;
    Floats m_sines;
#endif
};

// Arrows are added in single precision this many at a time, then into double-precision sums, so
// that thousands of arrows lose no more than a few of them would.
constexpr int chunk = 64;

void sumLanes(const Job &job)
{
    const Turner turner;
    const float stepsPerTwip = job.turnsPerTwip * directions;
    std::vector<float> sourceSteps(std::size_t(job.arrows));
    for (int i = 0; i < job.arrows; ++i)
        sourceSteps[std::size_t(i)] = job.sourceTurns[i] * directions;

    for (int b = 0; b < job.blocks; ++b) {
        Floats x[vectors];
        __builtin_memcpy(x, job.detectorX + b * block, sizeof x);
        Doubles sumX[vectors] = {};
        Doubles sumY[vectors] = {};
        for (int start = 0; start < job.arrows; start += chunk) {
            const int end = start + chunk < job.arrows ? start + chunk : job.arrows;
            Floats cosines[vectors] = {};
            Floats sines[vectors] = {};
            for (int i = start; i < end; ++i) {
                const float mirrorX = job.mirrorX[i];
                const float rise = job.riseSquared[i];
                const float source = sourceSteps[std::size_t(i)];
                for (int v = 0; v < vectors; ++v) {
                    const Floats across = x[v] - mirrorX;
                    const Floats leg = squareRoot(across * across + rise);
                    turner.add(leg * stepsPerTwip + source, cosines[v], sines[v]);
                }
            }
            for (int v = 0; v < vectors; ++v) {
                sumX[v] += __builtin_convertvector(cosines[v], Doubles);
                sumY[v] += __builtin_convertvector(sines[v], Doubles);
            }
        }
        __builtin_memcpy(job.sumX + b * block, sumX, sizeof sumX);
        __builtin_memcpy(job.sumY + b * block, sumY, sizeof sumY);
    }
}

} // namespace
} // namespace veltrin::rowsum
