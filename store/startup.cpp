#include <cerrno>
#include <fcntl.h>
#include <memory>

#include "store/busca_igual.h"
#include "store/csv.h"
#include "store/modulo.h"
#include "store/store_messages.h"
#include "store/text_lines.h"

namespace vyr {

namespace {
constexpr const char* kIndice = "frecuencias.vyr";
constexpr const char* kDatos = "datos.vyr";
}  // namespace

bool Modulo::Arranca() {
    auto critico = [this](const std::string& texto) {
        Avisa(texto);
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
    // What an interrupted sort or export left beside the files it replaces;
    // the files themselves are whole.
    for (const char* nombre : {kIndice, kFicheroCsv}) fs_.UnlinkAt(dirfd_, NombreNuevo(nombre));

    LongRegIndice = kLongIndice;
    if (!CargaIndice()) return false;

    bool creado = false;
    if (const Fallo f = AbreRw(kDatos, datosfd_, datosSoloLectura_, creado)) return AvisaApertura(kDatos, f);

    LeeServicios();
    CambioIndice = false;
    arrancado_ = true;
    // New files are only safe once their names are on disk.
    if (creado || indiceCreado_) {
        if (const int err = fs_.Sync(dirfd_); err != 0) return critico(textos::NoSeEscribeCarpeta(carpeta_, err));
    }
    return true;
}

int Modulo::LeeTablas(Tablas& t, std::int16_t& num) {
    num = 0;
    std::int64_t tam = 0;
    if (const int err = fs_.Size(indicefd_, tam); err != 0) return err;
    const std::int64_t enteras = tam / LongRegIndice;
    if (enteras > kMaxFrecuencias) return EOVERFLOW;
    // Not zeroed first: the read fills what is used.
    const std::size_t largo = static_cast<std::size_t>(enteras) * kLongIndice;
    const auto b = std::make_unique_for_overwrite<unsigned char[]>(largo);
    std::size_t leido = 0;
    if (const int err = fs_.ReadAt(indicefd_, b.get(), largo, 0, leido); err != 0) return err;
    const auto cuantas = static_cast<int>(leido / kLongIndice);
    for (int k = 1; k <= cuantas; ++k) {
        const RegIndice e = IndiceDeBytes(b.get() + std::size_t(k - 1) * kLongIndice);
        t.first[std::size_t(k)] = e.Frecuencia;
        t.second[std::size_t(k)] = e.NumReg;
    }
    num = static_cast<std::int16_t>(cuantas);
    return 0;
}

bool Modulo::CargaIndice() {
    CierraIndice();
    bool creado = false;
    if (const Fallo f = AbreRw(kIndice, indicefd_, indiceSoloLectura_, creado)) {
        if (arrancado_) bloqueo_ = textos::kSinRelectura;
        return AvisaApertura(kIndice, f);
    }
    indiceCreado_ = indiceCreado_ || creado;
    auto t = std::make_unique<Tablas>();
    std::int16_t num = 0;
    const int err = LeeTablas(*t, num);
    if (err == EOVERFLOW && !arrancado_) {
        mensajes_.Muestra(textos::kMasDe5000, textos::kTituloCarga, ui::Botones::Ok, ui::Icono::Critico);
        return false;
    }
    if (err != 0) {
        // The old tables stay: lookups and queries go on, writes do not.
        std::string texto = textos::NoSeLee(kIndice, err);
        if (arrancado_) {
            bloqueo_ = textos::kSinRelectura;
            texto += "\n" + bloqueo_;
        }
        Avisa(texto);
        return false;
    }
    TablaFrec = t->first;
    TablaReg = t->second;
    NumFrec = num;
    BufIndice = NumFrec > 0 ? RegIndice{TablaFrec[std::size_t(NumFrec)], TablaReg[std::size_t(NumFrec)]} : RegIndice{};
    CompruebaRegistros();
    return true;
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
        Servicios[std::size_t(i++)] = std::string(linea);
        return true;
    });
}

void Modulo::BuscaFrecuencia() {
    PosFrec = static_cast<std::int16_t>(PrimeraIgual(FrecActual));
}

int Modulo::PrimeraIgual(double valor, int desde) const {
    return BuscaIgual(TablaFrec.data(), desde, NumFrec + 1, valor);  // slots 0..NumFrec
}

}  // namespace vyr
