#include "SubpictureRuns.h"

// Runs are worked out with AVX2, eight pixels to an instruction, on processors that have it,
// so that the passes keep up with the memory they stream through. Elsewhere every pixel goes
// through the pixel functions, which the compiler vectorizes for the baseline instruction set.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

#include <immintrin.h>

#define SUBPICTURE_AVX2 __attribute__((target("avx2")))

namespace {

constexpr size_t kLanes = 8;
constexpr size_t kRun = 2 * kLanes;

bool HasAvx2()
{
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}

// Mixed runs are rare; they go pixel by pixel, out of line.
[[gnu::noinline]] void ReduceMixedRun(DWORD* pixel)
{
    ReducePixels(pixel, kRun);
}

[[gnu::noinline]] void MapMixedRun(DWORD* pixel, const ColourTable& table)
{
    MapPixels(pixel, kRun, table);
}

SUBPICTURE_AVX2 inline __m256i Splat(DWORD value)
{
    return _mm256_set1_epi32(int(value));
}

SUBPICTURE_AVX2 inline __m256i Load(const DWORD* pixel)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pixel));
}

SUBPICTURE_AVX2 inline void Store(DWORD* pixel, __m256i lanes)
{
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(pixel), lanes);
}

SUBPICTURE_AVX2 inline bool IsEmpty(__m256i lanes)
{
    return _mm256_testz_si256(lanes, lanes) != 0;
}

// Opaque pixels without green and blue: black, the pattern, and the pattern's smoothed edges
// over black. Lanes of other pixels are not empty.
SUBPICTURE_AVX2 inline __m256i NotRedOverBlack(__m256i pixels)
{
    return _mm256_xor_si256(_mm256_and_si256(pixels, Splat(0xFF00FFFF)), Splat(0xFF000000));
}

// The class of such pixels: the pattern where the red is strong enough, else nothing, as
// ReduceSubpicturePixel gives them.
SUBPICTURE_AVX2 inline __m256i PatternOfRed(__m256i pixels)
{
    __m256i red = _mm256_and_si256(pixels, Splat(0x00FF0000));
    return _mm256_and_si256(_mm256_cmpgt_epi32(red, Splat(0x00540000)), Splat(kSubpictureRed));
}

// Reduces runs from start on until one is mixed (or none is left); returns where it stopped.
SUBPICTURE_AVX2 inline size_t ReduceRedOverBlack(DWORD* pixel, size_t start, size_t count)
{
    size_t i = start;
    for (; i + kRun <= count; i += kRun) {
        __m256i first = Load(pixel + i);
        __m256i second = Load(pixel + i + kLanes);
        if (!IsEmpty(_mm256_or_si256(NotRedOverBlack(first), NotRedOverBlack(second))))
            break;
        Store(pixel + i, PatternOfRed(first));
        Store(pixel + i + kLanes, PatternOfRed(second));
    }
    return i;
}

// The run loops call out for mixed runs only between their spans, so that no call inside
// them takes the registers that hold their constants.
SUBPICTURE_AVX2 size_t ReduceRunsAvx2(DWORD* pixel, size_t count)
{
    size_t i = ReduceRedOverBlack(pixel, 0, count);
    while (i + kRun <= count) {
        ReduceMixedRun(pixel + i);
        i = ReduceRedOverBlack(pixel, i + kRun, count);
    }
    return i;
}

// Maps runs from start on until one holds more than empty pixels and the pattern class (or
// none is left); returns where it stopped. Empty runs stay as they are; the others take the
// pattern's target where the pattern is.
SUBPICTURE_AVX2 inline size_t MapPatternRuns(DWORD* pixel, size_t start, size_t count,
                                             const ColourTable& table)
{
    const __m256i bits = Splat(kColourBits), none = _mm256_setzero_si256();
    const __m256i all = _mm256_cmpeq_epi32(none, none);
    const __m256i pattern = Splat(table.source[1]), target = Splat(table.target[1]);
    size_t i = start;
    for (; i + kRun <= count; i += kRun) {
        __m256i first = Load(pixel + i);
        __m256i second = Load(pixel + i + kLanes);
        if (IsEmpty(_mm256_or_si256(first, second)))
            continue;
        __m256i firstColour = _mm256_and_si256(first, bits);
        __m256i secondColour = _mm256_and_si256(second, bits);
        __m256i firstIsPattern = _mm256_cmpeq_epi32(firstColour, pattern);
        __m256i secondIsPattern = _mm256_cmpeq_epi32(secondColour, pattern);
        __m256i known = _mm256_and_si256(
            _mm256_or_si256(firstIsPattern, _mm256_cmpeq_epi32(firstColour, none)),
            _mm256_or_si256(secondIsPattern, _mm256_cmpeq_epi32(secondColour, none)));
        if (!_mm256_testc_si256(known, all))
            break;
        Store(pixel + i, _mm256_and_si256(firstIsPattern, target));
        Store(pixel + i + kLanes, _mm256_and_si256(secondIsPattern, target));
    }
    return i;
}

// Taking the pattern's target at once is what MapPixel does, unless the pattern colour is
// empty or an earlier source; then every run goes pixel by pixel.
SUBPICTURE_AVX2 size_t MapRunsAvx2(DWORD* pixel, size_t count, const ColourTable& table)
{
    if (table.source[1] == 0 || table.source[1] == table.source[0])
        return 0;
    size_t i = MapPatternRuns(pixel, 0, count, table);
    while (i + kRun <= count) {
        MapMixedRun(pixel + i, table);
        i = MapPatternRuns(pixel, i + kRun, count, table);
    }
    return i;
}

} // namespace

size_t ReduceRuns(DWORD* pixel, size_t count)
{
    return HasAvx2() ? ReduceRunsAvx2(pixel, count) : 0;
}

size_t MapRuns(DWORD* pixel, size_t count, const ColourTable& table)
{
    return HasAvx2() ? MapRunsAvx2(pixel, count, table) : 0;
}

#else

size_t ReduceRuns(DWORD*, size_t)
{
    return 0;
}

size_t MapRuns(DWORD*, size_t, const ColourTable&)
{
    return 0;
}

#endif
