#include <fcntl.h>

#include <bit>
#include <cstdint>
#include <unordered_map>

#include "main_window/frequency_text.h"
#include "store/csv.h"
#include "store/modulo.h"
#include "store/store_messages.h"
#include "store/text_lines.h"

namespace vyr {

bool Modulo::SalvarDatos() {
    EscritorCsv csv(fs_, dirfd_);
    auto noSeEscribe = [this] {
        mensajes_.Muestra(textos::kNoEscribirCsv, textos::kTituloSalvar, ui::Botones::Ok, ui::Icono::Critico);
        return false;
    };
    if (csv.Abre() != 0) return noSeEscribe();
    // A failed sort has told the user and left the index as it was; the
    // export then goes on in slot order rather than lose the user's request.
    if (CambioIndice) OrdenaIndice();
    // One read of the whole data file instead of one per record.
    const std::string datos = LeeTodosLosDatos();
    const char* ultimo = nullptr;  // BufDatos ends holding the last record listed
    for (int i = 1; i <= NumFrec; ++i) {
        if (!(TablaFrec[i] > 0)) continue;
        const int r = TablaReg[i];
        if (r >= 1 && r <= NumFrec) {
            ultimo = datos.data() + std::size_t(r - 1) * kLongDatos;
            csv.Linea(TablaFrec[i], ultimo);
        } else {
            LeeDatos(r);  // a damaged entry: spaces or whatever lies there
            ultimo = nullptr;
            csv.Linea(TablaFrec[i], BufDatos);
        }
    }
    if (ultimo) BufDatos = DatosDeBytes(reinterpret_cast<const unsigned char*>(ultimo));
    if (csv.Cierra() != 0) return noSeEscribe();
    mensajes_.Muestra(textos::kSalvados, textos::kTituloSalvar, ui::Botones::Ok, ui::Icono::Ninguno);
    return true;
}

bool Modulo::RecuperarDatos() {
    std::string contenido;
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
    int llenas = 0;
    bool fallo = false;
    // BuscaFrecuencia's answer for every line without its scan: the lowest
    // slot of each value. Only positive values are looked up, and for them
    // equal binary64 values are equal bits.
    std::unordered_map<std::uint64_t, std::int16_t> slots;
    slots.reserve(std::size_t(kMaxFrecuencias) * 2);
    for (int i = 0; i <= NumFrec; ++i)
        if (TablaFrec[i] > 0.0) slots.emplace(std::bit_cast<std::uint64_t>(TablaFrec[i]), std::int16_t(i));
    int libre = 1;
    RecorreLineas(contenido, [&](std::string_view linea) {
        const std::string texto = CortaLineaCsv(linea, BufDatos);
        FrecActual = LecturaEntrada(texto) / 1000000.0;
        if (!(FrecActual > 0.0009) || !(FrecActual < 900000001.0)) return true;
        const auto hallado = slots.find(std::bit_cast<std::uint64_t>(FrecActual));
        PosFrec = hallado == slots.end() ? 0 : hallado->second;
        if (PosFrec != 0) {
            fallo = !EscribeDatos(TablaReg[PosFrec]);
        } else {
            switch (AltaInterna(libre)) {
                case Alta::Hecha:
                    slots.emplace(std::bit_cast<std::uint64_t>(FrecActual), PosLibre);
                    break;
                case Alta::Llena: ++llenas; break;  // updates of later lines still apply
                case Alta::Error: fallo = true; break;
            }
        }
        return !fallo;  // the user has been told; what was written so far stays
    });
    if (!Sincroniza() || fallo) return false;
    std::string texto = textos::kRecuperados;
    if (llenas > 0) texto += "\n" + textos::NoAnadidas(llenas);
    mensajes_.Muestra(texto, textos::kTituloSalvar, ui::Botones::Ok, ui::Icono::Ninguno);
    return true;
}

}  // namespace vyr
