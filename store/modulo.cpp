#include "store/modulo.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>

#include "store/store_messages.h"

namespace vyr {

Modulo::Modulo(std::string carpeta, ui::MessageService& mensajes, FileSystem& fs)
    : carpeta_(std::move(carpeta)), mensajes_(mensajes), fs_(fs) {}

Modulo::~Modulo() {
    // Every write is already in the operating system; closing loses nothing.
    CierraIndice();
    if (datosfd_ >= 0) fs_.Close(datosfd_);
    if (dirfd_ >= 0) fs_.Close(dirfd_);  // also drops the folder lock
}

std::string Modulo::Ruta(const std::string& nombre) const {
    if (carpeta_.empty() || carpeta_.back() == '/') return carpeta_ + nombre;
    return carpeta_ + "/" + nombre;
}

void Modulo::AvisaErrorEscritura(const std::string& fichero, int err) {
    mensajes_.Muestra(textos::NoSeEscribe(fichero, err), textos::kTituloVyr, ui::Botones::Ok,
                      ui::Icono::Critico);
}

void Modulo::Falla(const std::string& fichero, int err) {
    AvisaErrorEscritura(fichero, err);
    ReleeTablas();
}

int Modulo::AbreRw(const std::string& nombre, int& fd, bool& soloLectura, bool& creado) {
    soloLectura = false;
    creado = false;
    int err = fs_.OpenAt(dirfd_, nombre, O_RDWR, fd);
    if (err == ENOENT) {
        err = fs_.OpenAt(dirfd_, nombre, O_RDWR | O_CREAT | O_EXCL, fd);
        if (err == 0) creado = true;
    }
    if (err == EACCES || err == EPERM || err == EROFS) {
        // Still usable for reading; every write then says why it failed.
        if (fs_.OpenAt(dirfd_, nombre, O_RDONLY, fd) == 0) {
            soloLectura = true;
            return 0;
        }
    }
    if (err != 0) fd = -1;
    return err;
}

void Modulo::CierraIndice() {
    if (indicefd_ >= 0) fs_.Close(indicefd_);
    indicefd_ = -1;
}

int Modulo::Duenos(int numreg) const {
    int n = 0;
    for (int s = 1; s <= NumFrec; ++s) n += TablaReg[s] == numreg;
    return n;
}

bool Modulo::LeeDatos(int n) {
    std::array<unsigned char, kLongDatos> b;
    b.fill(' ');
    if (n >= 1 && datosfd_ >= 0) {
        std::size_t leido = 0;
        const int err = fs_.ReadAt(datosfd_, b.data(), b.size(), std::int64_t(n - 1) * kLongDatos, leido);
        if (err != 0) leido = 0;
        for (std::size_t i = leido; i < b.size(); ++i) b[i] = ' ';  // beyond the end: spaces
    }
    BufDatos = DatosDeBytes(b.data());
    return true;
}

bool Modulo::RegistroPropio(int numreg, int duenosPermitidos) const {
    if (indiceSano_) return numreg >= 1 && numreg <= NumFrec + (duenosPermitidos == 0 ? 1 : 0);
    return numreg >= 1 && numreg <= kMaxFrecuencias && Duenos(numreg) <= duenosPermitidos;
}

void Modulo::AvisaRegistroDanado(int numreg) {
    mensajes_.Muestra(textos::RegistroDanado(numreg), textos::kTituloVyr, ui::Botones::Ok, ui::Icono::Critico);
}

int Modulo::EscribeDatosBruto(int n, const RegDatos& datos) {
    datosSucio_ = true;
    if (datosfd_ < 0) return EBADF;
    const auto b = BytesDatos(datos);
    return fs_.WriteAt(datosfd_, b.data(), b.size(), std::int64_t(n - 1) * kLongDatos);
}

int Modulo::EscribeIndiceBruto(int slot, double frecuencia, std::int16_t numreg) {
    BufIndice.Frecuencia = frecuencia;
    BufIndice.NumReg = numreg;
    indiceSucio_ = true;
    if (indicefd_ < 0) return EBADF;
    const auto b = BytesIndice(BufIndice);
    return fs_.WriteAt(indicefd_, b.data(), b.size(), std::int64_t(slot - 1) * LongRegIndice);
}

void Modulo::CompruebaRegistros() {
    std::array<bool, kMaxFrecuencias + 1> visto{};
    indiceSano_ = true;
    for (int s = 1; s <= NumFrec && indiceSano_; ++s) {
        const int r = TablaReg[s];
        indiceSano_ = r >= 1 && r <= NumFrec && !visto[r];
        if (indiceSano_) visto[r] = true;
    }
}

std::string Modulo::LeeTodosLosDatos() {
    std::string todo(std::size_t(NumFrec) * kLongDatos, ' ');
    std::size_t leido = 0;
    if (datosfd_ < 0 || fs_.ReadAt(datosfd_, todo.data(), todo.size(), 0, leido) != 0) leido = 0;
    std::fill(todo.begin() + std::ptrdiff_t(leido), todo.end(), ' ');
    return todo;
}

bool Modulo::EscribeDatos(int n) {
    // A damaged index may name a record outside the file's range, or one that
    // belongs to another frequency too: never write there.
    if (!RegistroPropio(n, 1)) {
        AvisaRegistroDanado(n);
        return false;
    }
    if (const int err = EscribeDatosBruto(n, BufDatos); err != 0) {
        Falla("datos.vyr", err);
        return false;
    }
    return true;
}

bool Modulo::Sincroniza() {
    struct Fichero { int fd; bool& sucio; const char* nombre; };
    Fichero fs[] = {{datosfd_, datosSucio_, "datos.vyr"},
                    {indicefd_, indiceSucio_, "frecuencias.vyr"},
                    {dirfd_, carpetaSucia_, "la carpeta de trabajo"}};
    for (auto& f : fs) {
        if (!f.sucio || f.fd < 0) continue;
        f.sucio = false;
        // Linux may drop the dirty pages after a failed fsync: never retry as if fine.
        if (const int err = fs_.Sync(f.fd); err != 0) {
            Falla(f.nombre, err);
            return false;
        }
    }
    return true;
}

}  // namespace vyr
