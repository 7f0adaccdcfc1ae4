#include <cerrno>
#include <fcntl.h>
#include <vector>

#include "store/modulo.h"
#include "store/store_messages.h"
#include "store/text_lines.h"

namespace vyr {

bool Modulo::Arranca() {
    auto critico = [this](const std::string& texto) {
        mensajes_.Muestra(texto, textos::kTituloVyr, ui::Botones::Ok, ui::Icono::Critico);
        return false;
    };
    // The lock comes before anything is opened for writing, and sits on the
    // folder itself: the sort's rename never replaces it.
    if (const int err = fs_.OpenDir(carpeta_, dirfd_); err != 0) {
        dirfd_ = -1;
        return critico(textos::NoSeAbre(carpeta_, err));
    }
    if (const int err = fs_.LockDir(dirfd_); err != 0) {
        if (err == EWOULDBLOCK || err == EAGAIN) return critico(textos::kEnUso);
        return critico(textos::NoSeAbre(carpeta_, err));
    }

    LongRegIndice = kLongIndice;
    if (!CargaIndice()) return false;

    bool creado = false;
    if (const int err = AbreRw("datos.vyr", datosfd_, datosSoloLectura_, creado); err != 0)
        return critico(textos::NoSeAbre("datos.vyr", err));
    carpetaSucia_ = carpetaSucia_ || creado;

    LeeServicios();
    CambioIndice = false;
    // New files are only safe once their names are on disk.
    if (carpetaSucia_ && !Sincroniza()) return false;
    return true;
}

int Modulo::LeeTablas() {
    TablaFrec.fill(0.0);
    TablaReg.fill(0);
    NumFrec = 0;
    std::int64_t tam = 0;
    if (const int err = fs_.Size(indicefd_, tam); err != 0) return err;
    const std::int64_t enteras = tam / LongRegIndice;
    const std::int64_t n = enteras < kMaxFrecuencias ? enteras : kMaxFrecuencias;
    std::vector<unsigned char> b(static_cast<std::size_t>(n) * kLongIndice);
    std::size_t leido = 0;
    if (const int err = fs_.ReadAt(indicefd_, b.data(), b.size(), 0, leido); err != 0) return err;
    const auto cuantas = static_cast<int>(leido / kLongIndice);
    for (int k = 1; k <= cuantas; ++k) {
        BufIndice = IndiceDeBytes(b.data() + std::size_t(k - 1) * kLongIndice);
        NumFrec = static_cast<std::int16_t>(k);
        TablaFrec[k] = BufIndice.Frecuencia;
        TablaReg[k] = BufIndice.NumReg;
    }
    CompruebaRegistros();
    return enteras > kMaxFrecuencias ? EOVERFLOW : 0;
}

bool Modulo::CargaIndice() {
    CierraIndice();
    bool creado = false;
    if (const int err = AbreRw("frecuencias.vyr", indicefd_, indiceSoloLectura_, creado); err != 0) {
        mensajes_.Muestra(textos::NoSeAbre("frecuencias.vyr", err), textos::kTituloVyr, ui::Botones::Ok,
                          ui::Icono::Critico);
        return false;
    }
    carpetaSucia_ = carpetaSucia_ || creado;
    const int err = LeeTablas();
    if (err == EOVERFLOW) {
        mensajes_.Muestra(textos::kMasDe5000, textos::kTituloCarga, ui::Botones::Ok, ui::Icono::Critico);
        return false;
    }
    if (err != 0) {
        mensajes_.Muestra(textos::NoSeAbre("frecuencias.vyr", err), textos::kTituloVyr, ui::Botones::Ok,
                          ui::Icono::Critico);
        return false;
    }
    return true;
}

void Modulo::ReleeTablas() {
    if (indicefd_ >= 0) LeeTablas();
}

void Modulo::LeeServicios() {
    for (auto& s : Servicios) s.clear();
    // A missing or unreadable services file leaves the table empty: the
    // editor then simply finds no codes.
    int fd = -1;
    if (fs_.OpenAt(dirfd_, "servicios.vyr", O_RDONLY, fd) != 0) return;
    std::string contenido;
    const int err = LeeTodo(fs_, fd, contenido);
    fs_.Close(fd);
    if (err != 0) return;
    int i = 0;
    RecorreLineas(contenido, [&](std::string_view linea) {
        if (i > kMaxServicios - 1) return false;
        Servicios[i++] = std::string(linea);
        return true;
    });
}

void Modulo::BuscaFrecuencia() {
    PosFrec = static_cast<std::int16_t>(PrimeraIgual(FrecActual));
}

int Modulo::PrimeraIgual(double valor, int desde) const {
    // Four slots a test, without branches inside, so the compiler can use
    // vector compares; the first equal slot still wins.
    const double* t = TablaFrec.data();
    const int n = NumFrec + 1;  // slots 0..NumFrec
    int s = desde;
    for (; s + 4 <= n; s += 4) {
        if ((t[s] == valor) | (t[s + 1] == valor) | (t[s + 2] == valor) | (t[s + 3] == valor)) break;
    }
    for (; s < n; ++s)
        if (t[s] == valor) return s;
    return 0;
}

}  // namespace vyr
