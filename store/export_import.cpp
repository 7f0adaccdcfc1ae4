#include <fcntl.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "main_window/frequency_text.h"
#include "store/csv.h"
#include "store/modulo.h"
#include "store/slots_por_valor.h"
#include "store/store_messages.h"
#include "store/text_lines.h"

namespace vyr {

bool Modulo::SalvarDatos() {
    EscritorCsv csv(fs_, dirfd_);
    if (const Fallo f = csv.Abre()) {
        AvisaCsv(f);
        return false;
    }
    // A failed sort has told the user and left the index as it was; the
    // export then goes on in slot order rather than lose the user's request.
    if (CambioIndice) OrdenaIndice();
    // One read of the whole data file instead of one per record; beyond its
    // end, spaces.
    std::string datos;
    if (const int err = LeeTodo(fs_, datosfd_, datos); err != 0) {
        AvisaLectura(Fichero::Datos, err);
        return false;
    }
    datos.resize(std::size_t(NumFrec) * kLongDatos, ' ');
    const char* ultimo = nullptr;  // BufDatos ends holding the last record listed
    for (int i = 1; i <= NumFrec; ++i) {
        const double f = TablaFrec[std::size_t(i)];
        if (!(f > 0)) continue;
        const int r = TablaReg[std::size_t(i)];
        if (r >= 1 && r <= NumFrec) {
            ultimo = datos.data() + std::size_t(r - 1) * kLongDatos;
            csv.Linea(f, ultimo);
        } else {
            if (!LeeDatos(r)) return false;  // a damaged entry: spaces or whatever lies there
            ultimo = nullptr;
            csv.Linea(f, BufDatos);
        }
    }
    if (ultimo) BufDatos = DatosDeBytes(reinterpret_cast<const unsigned char*>(ultimo));
    if (const Fallo f = csv.Confirma()) {
        AvisaCsv(f);
        return false;
    }
    mensajes_.Muestra(textos::kSalvados, textos::kTituloSalvar, ui::Botones::Ok, ui::Icono::Ninguno);
    return true;
}

namespace {

// What one line of the file does to the store, decided before anything is
// written. The line itself is cut only when its record is written: a file of
// many short lines must not grow into many 300-byte records in memory.
struct Aplicacion {
    bool alta;
    int slot;
    std::int16_t reg;
    double frecuencia;
    std::string_view linea;
};

}  // namespace

bool Modulo::RecuperarDatos() {
    Leido contenido;
    {
        int fd = -1;
        int err = fs_.OpenAt(dirfd_, kFicheroCsv, O_RDONLY, fd);
        if (err == 0) {
            err = LeeTodo(fs_, fd, contenido);
            fs_.Close(fd);
        }
        if (err != 0) {
            mensajes_.Muestra(textos::kNoLeerCsv, textos::kTituloRecuperar, ui::Botones::Ok,
                              ui::Icono::Critico);
            return false;
        }
    }
    if (Bloqueado()) return false;
    std::int64_t tamDatos = 0;
    if (const int err = fs_.Size(datosfd_, tamDatos); err != 0) {
        AvisaLectura(Fichero::Datos, err);
        return false;
    }
    // The tables follow the lines as they are decided; a failure puts them back.
    const auto tablasAntes = std::make_unique<Tablas>(TablaFrec, TablaReg);
    const std::int16_t numAntes = NumFrec;

    int llenas = 0, danadas = 0;
    std::vector<Aplicacion> lineas;
    lineas.reserve(std::size_t{kMaxFrecuencias});  // a full list without regrowing
    // BuscaFrecuencia's answer for every line without its scan: the lowest
    // slot of each value.
    SlotsPorValor slots;
    for (int i = 0; i <= NumFrec; ++i) slots.Anade(TablaFrec[std::size_t(i)], std::int16_t(i));
    int libre = 1;
    std::string_view ultima;  // its fields are left in BufDatos, as cutting each line would
    bool alguna = false;
    RecorreLineas(contenido.Vista(), [&](std::string_view linea) {
        ultima = linea;
        alguna = true;
        // Only the frequency decides; the fields are cut once, when written.
        FrecActual = LecturaEntrada(linea.substr(0, BuscaAlguno<';'>(linea, 0))) / 1000000.0;
        if (!(FrecActual > 0.0009) || !(FrecActual < 900000001.0)) return true;
        PosFrec = slots.Busca(FrecActual);
        if (PosFrec != 0) {
            const std::int16_t reg = TablaReg[std::size_t(PosFrec)];
            // A record that a damaged index shares is never written; the
            // rest of the file still applies.
            if (!RegistroPropio(reg, 1)) ++danadas;
            else lineas.push_back({false, PosFrec, reg, FrecActual, linea});
            return true;
        }
        int slot = 0;
        std::int16_t reg = 0;
        switch (EligeHueco(libre, slot, reg)) {
            case Hueco::Lleno: ++llenas; return true;  // updates of later lines still apply
            case Hueco::Danado: ++danadas; return true;
            case Hueco::Libre: break;
        }
        lineas.push_back({true, slot, reg, FrecActual, linea});
        PosLibre = static_cast<std::int16_t>(slot);
        TablaFrec[std::size_t(slot)] = FrecActual;
        TablaReg[std::size_t(slot)] = reg;
        if (slot > NumFrec) NumFrec = static_cast<std::int16_t>(slot);
        slots.Anade(FrecActual, PosLibre);
        return true;
    });
    if (alguna) CortaLineaCsv(ultima, BufDatos);

    // First the new frequencies' records, synced, where no entry names them
    // yet; then, line by line, the rewritten records and the new entries. A
    // crash leaves each line applied whole or not at all, and a killed
    // program a first part of the file (of the records, in the data file's
    // order, when every line rewrites; see below).
    Cambio c(fs_, indicefd_);
    Pasos paso;
    // Writes that continue each other in the same file, in line order, go out
    // as one run: a write call costs more than the bytes of a record. Records
    // are cut straight into the run, whose old bytes are read just before it
    // is written. A run is at most 850 records (255 KB), and the disk is
    // told to start on a long one as soon as it is written: it writes one
    // while the next is cut, and the sync waits for the last only. Its old
    // bytes, its new ones and the file's pages also stay in the processor's
    // cache from the read to the write. With one run of the whole file, the
    // import of 5,000 existing lines took about a sixth longer. Short runs
    // are left to the sync, which joins them into fewer writes to the disk.
    constexpr std::size_t kMaxTanda = 850 * std::size_t{kLongDatos};
    constexpr std::size_t kAdelantaDesde = std::size_t{64} * 1024;
    struct Tanda {
        Fichero f = Fichero::Datos;
        std::int64_t pos = 0;
        std::size_t n = 0;
        bool guardada = false;  // its old bytes already kept
        Cambio::Region r = 0;
        std::unique_ptr<char[]> bytes = std::make_unique_for_overwrite<char[]>(kMaxTanda);
    } tanda;
    const auto fdDe = [&](Fichero f) { return f == Fichero::Datos ? datosfd_ : indicefd_; };
    const auto guarda = [&] {
        tanda.guardada = paso(tanda.f, true, c.Guarda(fdDe(tanda.f), tanda.pos, tanda.n, tanda.r));
        return tanda.guardada;
    };
    const auto suelta = [&] {
        if (tanda.n == 0 || paso.err != 0) return paso.err == 0;
        if ((tanda.guardada || guarda()) && paso(tanda.f, false, c.Escribe(tanda.r, tanda.bytes.get())) &&
            tanda.n >= kAdelantaDesde)
            fs_.AdelantaEscritura(fdDe(tanda.f), tanda.pos, tanda.n);
        tanda.n = 0;
        tanda.guardada = false;
        return paso.err == 0;
    };
    // Room for n bytes at pos of f; null when an earlier run failed to go out.
    const auto hueco = [&](Fichero f, std::int64_t pos, std::size_t n) -> char* {
        if (tanda.n > 0 && (tanda.f != f || tanda.pos + std::int64_t(tanda.n) != pos || tanda.n + n > kMaxTanda) &&
            !suelta())
            return nullptr;
        if (tanda.n == 0) {
            tanda.f = f;
            tanda.pos = pos;
        }
        char* p = tanda.bytes.get() + tanda.n;
        tanda.n += n;
        return p;
    };
    const auto sincroniza = [&](Fichero f) {
        if (suelta()) paso(f, false, c.Sincroniza(fdDe(f)));
    };
    // Only rewrites: after a sort their records lie in no order, and a write
    // per record costs far more than its bytes. They go out as runs that
    // cover their span in the data file's order, the bytes between them as
    // they were, each record cut in line order so that a later line of the
    // same record wins. Not when the span is much more than the records: a
    // short list into a big store writes only its own.
    const auto deUnaVez = [&]() -> bool {
        std::int64_t ini = tamDatos, fin = 0, propios = 0;
        std::array<bool, kMaxFrecuencias + 1> visto{};
        for (const Aplicacion& a : lineas) {
            if (a.alta) return false;
            ini = std::min(ini, PosDatos(a.reg));
            fin = std::max(fin, PosDatos(a.reg) + kLongDatos);
            if (!std::exchange(visto[std::size_t(a.reg)], true)) ++propios;
        }
        if (propios == 0 || fin > tamDatos || fin - ini > 4 * propios * kLongDatos) return false;
        // The lines of each run, line order kept: those of run t are
        // orden[desde[t]] .. orden[desde[t + 1] - 1].
        constexpr std::int64_t kTanda = std::int64_t{kMaxTanda};
        const auto tandaDe = [&](const Aplicacion& a) { return std::size_t((PosDatos(a.reg) - ini) / kTanda); };
        const std::size_t tandas = std::size_t((fin - ini + kTanda - 1) / kTanda);
        std::vector<std::uint32_t> desde(tandas + 1, 0), orden(lineas.size());
        for (const Aplicacion& a : lineas) ++desde[tandaDe(a) + 1];
        for (std::size_t t = 1; t <= tandas; ++t) desde[t] += desde[t - 1];
        std::vector<std::uint32_t> libreEn(desde.begin(), desde.end() - 1);
        for (std::uint32_t i = 0; i < lineas.size(); ++i) orden[libreEn[tandaDe(lineas[i])]++] = i;
        for (std::size_t t = 0; t < tandas; ++t) {
            const std::int64_t a0 = ini + std::int64_t(t) * kTanda, a1 = std::min(fin, a0 + kTanda);
            char* p = hueco(Fichero::Datos, a0, std::size_t(a1 - a0));
            if (!p || !guarda()) break;
            // The records between keep their bytes; the rewritten ones are cut whole.
            const std::string_view viejos = c.Viejos(tanda.r);
            for (std::int64_t pos = a0; pos < a1; pos += kLongDatos) {
                if (visto[std::size_t(pos / kLongDatos + 1)]) continue;
                const auto v = viejos.substr(std::min(viejos.size(), std::size_t(pos - a0)), std::size_t{kLongDatos});
                std::memcpy(p + (pos - a0), v.data(), v.size());
                std::memset(p + (pos - a0) + v.size(), ' ', kLongDatos - v.size());  // past a file that shrank
            }
            // A run's lines lie anywhere in the list after a sort: the start
            // of each (what the cut reads of a usual line) is asked for a few
            // lines ahead, so that the cut does not wait for it.
            constexpr std::uint32_t kAdelanto = 6;
            constexpr std::size_t kInicioLinea = 320, kLineaCache = 64;
            for (std::uint32_t j = desde[t]; j < desde[t + 1]; ++j) {
                if (j + kAdelanto < desde[t + 1]) {
                    const std::string_view l = lineas[orden[j + kAdelanto]].linea;
                    for (std::size_t o = 0; o < std::min(l.size(), kInicioLinea); o += kLineaCache)
                        __builtin_prefetch(l.data() + o);
                }
                const Aplicacion& a = lineas[orden[j]];
                CortaLineaCsv(a.linea, p + (PosDatos(a.reg) - a0));
            }
            if (!suelta()) break;
        }
        return true;
    };
    bool altas = false, modificaciones = deUnaVez();
    if (!modificaciones) {
        for (const Aplicacion& a : lineas) {
            if (!a.alta) continue;
            altas = true;
            char* p = hueco(Fichero::Datos, PosDatos(a.reg), kLongDatos);
            if (!p) break;
            CortaLineaCsv(a.linea, p);
        }
        if (altas) sincroniza(Fichero::Datos);
        for (const Aplicacion& a : lineas) {
            if (paso.err != 0) break;
            if (a.alta) {
                const auto e = BytesIndice(RegIndice{a.frecuencia, a.reg});
                if (char* p = hueco(Fichero::Indice, PosIndice(a.slot), kLongIndice))
                    std::memcpy(p, e.data(), e.size());
            } else {
                modificaciones = true;
                if (char* p = hueco(Fichero::Datos, PosDatos(a.reg), kLongDatos)) CortaLineaCsv(a.linea, p);
            }
        }
    }
    suelta();
    if (modificaciones) sincroniza(Fichero::Datos);
    if (altas) sincroniza(Fichero::Indice);
    if (paso.err != 0) {
        TablaFrec = tablasAntes->first;
        TablaReg = tablasAntes->second;
        NumFrec = numAntes;
        return Deshace(c, paso);
    }
    if (altas) CambioIndice = true;

    std::string texto = textos::kRecuperados;
    if (llenas > 0) texto.append("\n").append(textos::NoAnadidas(llenas));
    if (danadas > 0) texto.append("\n").append(textos::NoAplicadas(danadas));
    mensajes_.Muestra(texto, textos::kTituloSalvar, ui::Botones::Ok, ui::Icono::Ninguno);
    return true;
}

}  // namespace vyr
