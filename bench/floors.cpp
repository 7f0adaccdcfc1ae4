#include "bench/floors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define VYR_X86 1
#endif

namespace vyr::bench {

int Abre(int carpeta, const char* nombre, int flags) {
    const int fd = ::openat(carpeta, nombre, flags | O_CLOEXEC, 0644);
    if (fd < 0) std::abort();
    return fd;
}

void EscribeEn(int fd, const void* bytes, std::size_t n, std::int64_t pos) {
    if (::pwrite(fd, bytes, n, pos) != static_cast<ssize_t>(n)) std::abort();
}

void Sincroniza(int fd) {
    if (::fdatasync(fd) != 0) std::abort();
}

std::string LeeFd(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) std::abort();
    std::string s(static_cast<std::size_t>(st.st_size), '\0');
    if (::pread(fd, s.data(), s.size(), 0) != static_cast<ssize_t>(s.size())) std::abort();
    return s;
}

void SueloArranque(const std::string& carpeta) {
    const int dir = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0 || ::flock(dir, LOCK_EX | LOCK_NB) != 0) std::abort();
    // What an interrupted replace may have left.
    for (const char* resto : {"frecuencias.vyr.nuevo", "vyr.csv.nuevo"}) ::unlinkat(dir, resto, 0);
    const int indice = Abre(dir, "frecuencias.vyr", O_RDWR);
    const std::string bytes = LeeFd(indice);
    static double frec[5001];
    static std::int16_t reg[5001];
    const std::size_t n = bytes.size() / 10;
    for (std::size_t k = 0; k < n; ++k) {
        std::memcpy(&frec[k + 1], bytes.data() + k * 10, 8);
        std::memcpy(&reg[k + 1], bytes.data() + k * 10 + 8, 2);
    }
    const int datos = Abre(dir, "datos.vyr", O_RDWR);
    const int serv = Abre(dir, "servicios.vyr", O_RDONLY);
    const std::string s = LeeFd(serv);
    std::vector<std::string> lineas;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t j = std::min(s.find('\r', i), s.size());
        lineas.emplace_back(s, i, j - i);
        i = j + 2;
    }
    for (int fd : {serv, datos, indice, dir}) ::close(fd);
}

#ifdef VYR_X86
namespace {
__attribute__((target("avx512f"))) int Busca512(const double* t, int n, double v) {
    const __m512d x = _mm512_set1_pd(v);
    int s = 0;
    for (; s + 32 <= n; s += 32) {
        const __mmask8 m = _mm512_cmp_pd_mask(_mm512_loadu_pd(t + s), x, _CMP_EQ_OQ) |
                           _mm512_cmp_pd_mask(_mm512_loadu_pd(t + s + 8), x, _CMP_EQ_OQ) |
                           _mm512_cmp_pd_mask(_mm512_loadu_pd(t + s + 16), x, _CMP_EQ_OQ) |
                           _mm512_cmp_pd_mask(_mm512_loadu_pd(t + s + 24), x, _CMP_EQ_OQ);
        if (m) break;
    }
    for (; s < n; ++s)
        if (t[s] == v) return s;
    return 0;
}
__attribute__((target("avx2"))) int Busca256(const double* t, int n, double v) {
    const __m256d x = _mm256_set1_pd(v);
    int s = 0;
    for (; s + 16 <= n; s += 16) {
        const __m256d m = _mm256_or_pd(
            _mm256_or_pd(_mm256_cmp_pd(_mm256_loadu_pd(t + s), x, _CMP_EQ_OQ),
                         _mm256_cmp_pd(_mm256_loadu_pd(t + s + 4), x, _CMP_EQ_OQ)),
            _mm256_or_pd(_mm256_cmp_pd(_mm256_loadu_pd(t + s + 8), x, _CMP_EQ_OQ),
                         _mm256_cmp_pd(_mm256_loadu_pd(t + s + 12), x, _CMP_EQ_OQ)));
        if (_mm256_movemask_pd(m)) break;
    }
    for (; s < n; ++s)
        if (t[s] == v) return s;
    return 0;
}
}  // namespace
#endif

int SueloBusca(const double* t, int n, double v) {
#ifdef VYR_X86
    static const bool a512 = __builtin_cpu_supports("avx512f"), a256 = __builtin_cpu_supports("avx2");
    if (a512) return Busca512(t, n, v);
    if (a256) return Busca256(t, n, v);
#endif
    for (int s = 0; s < n; ++s)
        if (t[s] == v) return s;
    return 0;
}

namespace {

void Campo(std::string& l, const char* d, std::size_t n) {
    while (n > 0 && d[n - 1] == ' ') --n;
    l += ';';
    const std::size_t ini = l.size();
    l.append(d, n);
    for (std::size_t i = ini; i < l.size(); ++i)
        if (l[i] == ';') l[i] = ',';
}

}  // namespace

std::string SueloExporta(int carpeta, int datos, const double* frecuencias, const std::int16_t* registros, int n) {
    const std::string d = LeeFd(datos);
    std::string csv;
    csv.reserve(d.size() + std::size_t(n) * 32);
    for (int i = 1; i <= n; ++i) {
        const char* r = d.data() + std::size_t(registros[i] - 1) * 300;
        char b[24];
        const auto fin = std::to_chars(b, b + sizeof b, std::llround(frecuencias[i] * 1e6)).ptr;
        csv.append(b, fin);
        Campo(csv, r, 40);
        Campo(csv, r + 40, 18);
        Campo(csv, r + 58, 6);
        Campo(csv, r + 64, 6);
        Campo(csv, r + 70, 230);
        csv += "\r\n";
    }
    Reemplaza(carpeta, "vyr.csv", csv);
    return csv;
}

void Reemplaza(int carpeta, const std::string& nombre, std::string_view bytes) {
    const std::string nuevo = nombre + ".nuevo";
    const int fd = Abre(carpeta, nuevo.c_str(), O_WRONLY | O_CREAT | O_TRUNC);
    EscribeEn(fd, bytes.data(), bytes.size(), 0);
    Sincroniza(fd);
    ::close(fd);
    if (::renameat(carpeta, nuevo.c_str(), carpeta, nombre.c_str()) != 0) std::abort();
    Sincroniza(carpeta);
}

}  // namespace vyr::bench
