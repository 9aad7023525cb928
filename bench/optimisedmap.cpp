// SPDX-License-Identifier: GPL-3.0-or-later
#include "optimisedmap.h"

#include <cmath>
#include <numbers>
#include <vector>

#if defined(__x86_64__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <immintrin.h>
#pragma GCC diagnostic pop
#endif

namespace veltrin::bench {

namespace {

constexpr int columns = 425;
constexpr int rows = 300;
constexpr int lanes = 16;
constexpr double tau = 2 * std::numbers::pi;

/// The mirror's points as the map's loop takes them: x, y and the source's leg in sixteenths
/// of a turn, less whole turns.
struct Mirror
{
    std::vector<float> x;
    std::vector<double> y;
    std::vector<float> source;
    float stepsPerTwip = 0;
    float cosines[lanes];
    float sines[lanes];

    Mirror()
    {
        constexpr double k = 0.0001, wavenumber = 0.02;
        const double turnsPerTwip = wavenumber / tau;
        for (int j = 3001; j <= 6000; ++j) {
            const double u = 2950 - j;
            const double depth = k * u * u;
            for (const double y : {1500.0 + j, 7500.0 - j}) {
                x.push_back(float(2500 + depth));
                this->y.push_back(y);
                const double turns = (11000 - depth) * turnsPerTwip;
                source.push_back(float((turns - std::floor(turns)) * lanes));
            }
        }
        stepsPerTwip = float(turnsPerTwip * lanes);
        for (int i = 0; i < lanes; ++i) {
            cosines[i] = float(std::cos(tau * i / lanes));
            sines[i] = float(std::sin(tau * i / lanes));
        }
    }
};

// sin and cos of f sixteenths of a turn, |f| ≤ ½.
constexpr float step = float(tau / lanes);
constexpr float s3 = -step * step * step / 6;
constexpr float s5 = step * step * step * step * step / 120;
constexpr float c2 = -step * step / 2;
constexpr float c4 = step * step * step * step / 24;

#if defined(__x86_64__)
__attribute__((target("avx512f,avx512dq,fma"))) double mapAvx512(const Mirror &m, const float *rise)
{
    const __m512 cosines = _mm512_loadu_ps(m.cosines);
    const __m512 sines = _mm512_loadu_ps(m.sines);
    const __m512 rounder = _mm512_set1_ps(12582912.0f);
    const __m512 k = _mm512_set1_ps(m.stepsPerTwip);
    double total = 0;
    for (int block = 0; block < (columns + lanes - 1) / lanes; ++block) {
        __m512 x = _mm512_setzero_ps();
        for (int l = 0; l < lanes; ++l)
            x[l] = float(2500 + 20 * (block * lanes + l));
        __m512 sumC = _mm512_setzero_ps();
        __m512 sumS = _mm512_setzero_ps();
        for (std::size_t i = 0; i < m.x.size(); ++i) {
            const __m512 across = _mm512_sub_ps(x, _mm512_set1_ps(m.x[i]));
            const __m512 r =
                _mm512_sqrt_ps(_mm512_fmadd_ps(across, across, _mm512_set1_ps(rise[i])));
            const __m512 t = _mm512_fmadd_ps(r, k, _mm512_set1_ps(m.source[i]));
            const __m512i index = _mm512_castps_si512(_mm512_add_ps(t, rounder));
            const __m512 f = _mm512_reduce_ps(t, _MM_FROUND_TO_NEAREST_INT);
            const __m512 f2 = _mm512_mul_ps(f, f);
            const __m512 sine = _mm512_mul_ps(
                f, _mm512_fmadd_ps(f2, _mm512_fmadd_ps(f2, _mm512_set1_ps(s5), _mm512_set1_ps(s3)),
                                   _mm512_set1_ps(step)));
            const __m512 cosine = _mm512_fmadd_ps(
                f2, _mm512_fmadd_ps(f2, _mm512_set1_ps(c4), _mm512_set1_ps(c2)), _mm512_set1_ps(1));
            const __m512 c = _mm512_permutexvar_ps(index, cosines);
            const __m512 s = _mm512_permutexvar_ps(index, sines);
            sumC = _mm512_fnmadd_ps(s, sine, _mm512_fmadd_ps(c, cosine, sumC));
            sumS = _mm512_fmadd_ps(c, sine, _mm512_fmadd_ps(s, cosine, sumS));
        }
        for (int l = 0; l < lanes && block * lanes + l < columns; ++l)
            total += (double(sumC[l]) * sumC[l] + double(sumS[l]) * sumS[l]) / 16 * 0.001;
    }
    return total;
}

__attribute__((target("avx2,fma"))) double mapAvx2(const Mirror &m, const float *rise)
{
    // Eight lanes at a time, each picking its direction among sixteen in two halves of the table.
    const __m256 cosLow = _mm256_loadu_ps(m.cosines), cosHigh = _mm256_loadu_ps(m.cosines + 8);
    const __m256 sinLow = _mm256_loadu_ps(m.sines), sinHigh = _mm256_loadu_ps(m.sines + 8);
    const __m256 rounder = _mm256_set1_ps(12582912.0f);
    const __m256 k = _mm256_set1_ps(m.stepsPerTwip);
    double total = 0;
    for (int block = 0; block < (columns + 7) / 8; ++block) {
        __m256 x = _mm256_setzero_ps();
        for (int l = 0; l < 8; ++l)
            x[l] = float(2500 + 20 * (block * 8 + l));
        __m256 sumC = _mm256_setzero_ps();
        __m256 sumS = _mm256_setzero_ps();
        for (std::size_t i = 0; i < m.x.size(); ++i) {
            const __m256 across = _mm256_sub_ps(x, _mm256_set1_ps(m.x[i]));
            const __m256 r =
                _mm256_sqrt_ps(_mm256_fmadd_ps(across, across, _mm256_set1_ps(rise[i])));
            const __m256 t = _mm256_fmadd_ps(r, k, _mm256_set1_ps(m.source[i]));
            const __m256 rounded = _mm256_add_ps(t, rounder);
            const __m256i index = _mm256_castps_si256(rounded);
            const __m256 f = _mm256_sub_ps(t, _mm256_sub_ps(rounded, rounder));
            const __m256 f2 = _mm256_mul_ps(f, f);
            const __m256 sine = _mm256_mul_ps(
                f, _mm256_fmadd_ps(f2, _mm256_fmadd_ps(f2, _mm256_set1_ps(s5), _mm256_set1_ps(s3)),
                                   _mm256_set1_ps(step)));
            const __m256 cosine = _mm256_fmadd_ps(
                f2, _mm256_fmadd_ps(f2, _mm256_set1_ps(c4), _mm256_set1_ps(c2)), _mm256_set1_ps(1));
            const __m256 high = _mm256_castsi256_ps(_mm256_slli_epi32(index, 28));
            const __m256 c = _mm256_blendv_ps(_mm256_permutevar8x32_ps(cosLow, index),
                                              _mm256_permutevar8x32_ps(cosHigh, index), high);
            const __m256 s = _mm256_blendv_ps(_mm256_permutevar8x32_ps(sinLow, index),
                                              _mm256_permutevar8x32_ps(sinHigh, index), high);
            sumC = _mm256_fnmadd_ps(s, sine, _mm256_fmadd_ps(c, cosine, sumC));
            sumS = _mm256_fmadd_ps(c, sine, _mm256_fmadd_ps(s, cosine, sumS));
        }
        for (int l = 0; l < 8 && block * 8 + l < columns; ++l)
            total += (double(sumC[l]) * sumC[l] + double(sumS[l]) * sumS[l]) / 16 * 0.001;
    }
    return total;
}
#endif

double mapOneLane(const Mirror &m, const float *rise)
{
    double total = 0;
    for (int column = 0; column < columns; ++column) {
        const float x = float(2500 + 20 * column);
        float sumC = 0, sumS = 0;
        for (std::size_t i = 0; i < m.x.size(); ++i) {
            const float across = x - m.x[i];
            const float t = std::sqrt(across * across + rise[i]) * m.stepsPerTwip + m.source[i];
            const float n = std::nearbyint(t);
            const float f = t - n, f2 = f * f;
            const float sine = f * (step + f2 * (s3 + f2 * s5));
            const float cosine = 1 + f2 * (c2 + f2 * c4);
            const int index = int(n) & (lanes - 1);
            sumC += m.cosines[index] * cosine - m.sines[index] * sine;
            sumS += m.sines[index] * cosine + m.cosines[index] * sine;
        }
        total += (double(sumC) * sumC + double(sumS) * sumS) / 16 * 0.001;
    }
    return total;
}

} // namespace

double optimisedMap()
{
    static const Mirror mirror;
#if defined(__x86_64__)
    static const bool avx512 =
        __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq");
    static const bool avx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
#endif
    std::vector<float> rise(mirror.y.size());
    double total = 0;
    for (int row = 0; row < rows; ++row) {
        const double y = 4500 - (-3000 + 20 * row);
        for (std::size_t i = 0; i < rise.size(); ++i)
            rise[i] = float((mirror.y[i] - y) * (mirror.y[i] - y));
#if defined(__x86_64__)
        if (avx512) {
            total += mapAvx512(mirror, rise.data());
            continue;
        }
        if (avx2) {
            total += mapAvx2(mirror, rise.data());
            continue;
        }
#endif
        total += mapOneLane(mirror, rise.data());
    }
    return total;
}

} // namespace veltrin::bench
