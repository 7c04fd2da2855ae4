#include "config/LineScan.h"

#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define TORVEXA_AVX2_SCAN 1
#endif

namespace torvexa {
namespace {

void scanPortable(std::string_view text, std::size_t base, std::vector<std::uint32_t>& starts) {
    const char* const data = text.data();
    const char* p = data;
    const char* const end = data + text.size();
    while (p < end) {
        const auto* lf =
            static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        if (!lf) break;
        p = lf + 1;
        starts.push_back(static_cast<std::uint32_t>(base + static_cast<std::size_t>(p - data)));
    }
}

#ifdef TORVEXA_AVX2_SCAN
// 32 bytes a step: lines are short, so one memchr per line costs more than the bytes do.
__attribute__((target("avx2"))) void scanAvx2(std::string_view text, std::size_t base,
                                              std::vector<std::uint32_t>& starts) {
    const char* const data = text.data();
    const std::size_t size = text.size();
    const __m256i lf = _mm256_set1_epi8('\n');
    std::size_t i = 0;
    for (; i + 32 <= size; i += 32) {
        const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i));
        auto mask = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(bytes, lf)));
        while (mask) {
            starts.push_back(static_cast<std::uint32_t>(
                base + i + static_cast<std::size_t>(__builtin_ctz(mask)) + 1));
            mask &= mask - 1;
        }
    }
    scanPortable(text.substr(i), base + i, starts);
}
#endif

}  // namespace

void appendLineStarts(std::string_view text, std::size_t base, std::vector<std::uint32_t>& starts) {
#ifdef TORVEXA_AVX2_SCAN
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) return scanAvx2(text, base, starts);
#endif
    scanPortable(text, base, starts);
}

}  // namespace torvexa
