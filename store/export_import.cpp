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
    // Both files as they are: the bytes each write replaces, read once.
    Leido datosAntes, indiceAntes;
    if (const int err = LeeTodo(fs_, datosfd_, datosAntes); err != 0) {
        AvisaLectura(Fichero::Datos, err);
        return false;
    }
    if (const int err = LeeTodo(fs_, indicefd_, indiceAntes); err != 0) {
        AvisaLectura(Fichero::Indice, err);
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
    // program a first part of the file.
    Cambio c(fs_, indicefd_);  // keeps views of datosAntes and indiceAntes, which outlive it
    Pasos paso;
    // Writes that continue each other in the same file, in line order, go out
    // as one: a write call costs more than the bytes of a record. Records are
    // cut straight into the run. A run of a file is at most the file's 5,000
    // records long.
    constexpr std::size_t kMaxTanda = std::size_t{kMaxFrecuencias} * kLongDatos;
    struct Tanda {
        Fichero f = Fichero::Datos;
        std::int64_t pos = 0;
        std::size_t n = 0;
        std::unique_ptr<char[]> bytes = std::make_unique_for_overwrite<char[]>(kMaxTanda);
    } tanda;
    auto suelta = [&] {
        if (tanda.n == 0 || paso.err != 0) return paso.err == 0;
        const int fd = tanda.f == Fichero::Datos ? datosfd_ : indicefd_;
        const std::string_view antes = (tanda.f == Fichero::Datos ? datosAntes : indiceAntes).Vista();
        const std::string_view viejos =
            tanda.pos < std::int64_t(antes.size()) ? antes.substr(std::size_t(tanda.pos)) : std::string_view();
        Cambio::Region r = 0;
        paso(tanda.f, true, c.Guarda(fd, tanda.pos, tanda.n, viejos, r)) &&
            paso(tanda.f, false, c.Escribe(r, tanda.bytes.get()));
        tanda.n = 0;
        return paso.err == 0;
    };
    // Room for n bytes at pos of f; null when an earlier run failed to go out.
    auto hueco = [&](Fichero f, std::int64_t pos, std::size_t n) -> char* {
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
    auto sincroniza = [&](Fichero f) {
        if (suelta()) paso(f, false, c.Sincroniza(f == Fichero::Datos ? datosfd_ : indicefd_));
    };
    // Only rewrites: after a sort their records lie in no order, and a write
    // per record costs far more than its bytes. They go out as one write of
    // the span they cover, the bytes between them as read, each record cut in
    // line order so that a later line of the same record wins; one write
    // applies every line or none. Not when the span is much more than the
    // records: a short list into a big store writes only its own.
    const auto deUnaVez = [&]() -> bool {
        const std::string_view antes = datosAntes.Vista();
        std::int64_t ini = std::int64_t(antes.size()), fin = 0, propios = 0;
        std::array<bool, kMaxFrecuencias + 1> visto{};
        for (const Aplicacion& a : lineas) {
            if (a.alta) return false;
            ini = std::min(ini, PosDatos(a.reg));
            fin = std::max(fin, PosDatos(a.reg) + kLongDatos);
            if (!std::exchange(visto[std::size_t(a.reg)], true)) ++propios;
        }
        if (propios == 0 || fin > std::int64_t(antes.size()) || fin - ini > 4 * propios * kLongDatos) return false;
        char* p = hueco(Fichero::Datos, ini, std::size_t(fin - ini));
        // The records between keep their bytes; the rewritten ones are cut whole.
        for (std::int64_t pos = ini; pos < fin; pos += kLongDatos)
            if (!visto[std::size_t(pos / kLongDatos + 1)])
                std::memcpy(p + (pos - ini), antes.data() + pos, std::size_t{kLongDatos});
        for (const Aplicacion& a : lineas) CortaLineaCsv(a.linea, p + (PosDatos(a.reg) - ini));
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
