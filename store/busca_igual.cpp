#include "store/busca_igual.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define VYR_X86 1
#endif

namespace vyr {
namespace {

// Each vector loop only finds the block that holds the first equal slot;
// this finishes one slot at a time from there.
int Resto(const double* t, int s, int n, double valor) {
    for (; s < n; ++s)
        if (t[s] == valor) return s;
    return 0;
}

#ifdef VYR_X86
// _CMP_EQ_OQ and cmpeqpd are IEEE equality, the same as ==.
__attribute__((target("avx512f"))) int Avx512(const double* t, int s, int n, double valor) {
    const __m512d v = _mm512_set1_pd(valor);
    for (; s + 16 <= n; s += 16) {
        const __mmask8 a = _mm512_cmp_pd_mask(_mm512_loadu_pd(t + s), v, _CMP_EQ_OQ);
        const __mmask8 b = _mm512_cmp_pd_mask(_mm512_loadu_pd(t + s + 8), v, _CMP_EQ_OQ);
        if ((a | b) != 0) break;
    }
    return Resto(t, s, n, valor);
}

__attribute__((target("avx2"))) int Avx2(const double* t, int s, int n, double valor) {
    const __m256d v = _mm256_set1_pd(valor);
    for (; s + 16 <= n; s += 16) {
        const __m256d a = _mm256_cmp_pd(_mm256_loadu_pd(t + s), v, _CMP_EQ_OQ);
        const __m256d b = _mm256_cmp_pd(_mm256_loadu_pd(t + s + 4), v, _CMP_EQ_OQ);
        const __m256d c = _mm256_cmp_pd(_mm256_loadu_pd(t + s + 8), v, _CMP_EQ_OQ);
        const __m256d d = _mm256_cmp_pd(_mm256_loadu_pd(t + s + 12), v, _CMP_EQ_OQ);
        if (_mm256_movemask_pd(_mm256_or_pd(_mm256_or_pd(a, b), _mm256_or_pd(c, d))) != 0) break;
    }
    return Resto(t, s, n, valor);
}

// Every x86-64 has SSE2.
int Sse2(const double* t, int s, int n, double valor) {
    const __m128d v = _mm_set1_pd(valor);
    for (; s + 8 <= n; s += 8) {
        const __m128d a = _mm_cmpeq_pd(_mm_loadu_pd(t + s), v);
        const __m128d b = _mm_cmpeq_pd(_mm_loadu_pd(t + s + 2), v);
        const __m128d c = _mm_cmpeq_pd(_mm_loadu_pd(t + s + 4), v);
        const __m128d d = _mm_cmpeq_pd(_mm_loadu_pd(t + s + 6), v);
        if (_mm_movemask_pd(_mm_or_pd(_mm_or_pd(a, b), _mm_or_pd(c, d))) != 0) break;
    }
    return Resto(t, s, n, valor);
}
#endif

std::vector<VersionBusca> Detecta() {
    std::vector<VersionBusca> v;
#ifdef VYR_X86
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f")) v.push_back({"avx512f", Avx512});
    if (__builtin_cpu_supports("avx2")) v.push_back({"avx2", Avx2});
    v.push_back({"sse2", Sse2});
#endif
    v.push_back({"escalar", Resto});
    return v;
}

}  // namespace

std::vector<VersionBusca> VersionesBusca() { return Detecta(); }

int BuscaIgual(const double* t, int desde, int n, double valor) {
    static const auto busca = Detecta().front().busca;
    return busca(t, desde, n, valor);
}

}  // namespace vyr
