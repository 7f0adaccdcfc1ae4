#include "store/modulo.h"

#include <cerrno>
#include <fcntl.h>

#include "store/csv.h"
#include "store/store_messages.h"

namespace vyr {

Modulo::Modulo(std::string carpeta, ui::MessageService& mensajes, FileSystem& fs)
    : carpeta_(std::move(carpeta)), mensajes_(mensajes), fs_(fs) {}

Modulo::~Modulo() {
    // Every change was synced when it was made; closing loses nothing.
    CierraIndice();
    if (datosfd_ >= 0) fs_.Close(datosfd_);
    if (dirfd_ >= 0) fs_.Close(dirfd_);  // also drops the folder lock
}

const char* Modulo::Nombre(Fichero f) { return f == Fichero::Indice ? "frecuencias.vyr" : "datos.vyr"; }

bool Modulo::Pasos::operator()(Fichero f, bool esLectura, int e) {
    if (err == 0 && e != 0) {
        err = e;
        fichero = f;
        lectura = esLectura;
    }
    return err == 0;
}

void Modulo::Avisa(const std::string& texto) {
    mensajes_.Muestra(texto, textos::kTituloVyr, ui::Botones::Ok, ui::Icono::Critico);
}

void Modulo::AvisaLectura(Fichero f, int err) { Avisa(textos::NoSeLee(Nombre(f), err)); }

void Modulo::AvisaRegistroDanado(int numreg) { Avisa(textos::RegistroDanado(numreg)); }

void Modulo::AvisaCsv(const Fallo& f) {
    const std::string texto =
        f.enCarpeta ? textos::NoSeEscribeCarpeta(carpeta_, f.err) : textos::NoSeEscribe(kFicheroCsv, f.err);
    mensajes_.Muestra(texto, textos::kTituloSalvar, ui::Botones::Ok, ui::Icono::Critico);
}

bool Modulo::Bloqueado() {
    if (bloqueo_.empty()) return false;
    Avisa(bloqueo_);
    return true;
}

bool Modulo::Deshace(Cambio& c, const Pasos& p) {
    std::string texto = p.lectura ? textos::NoSeLee(Nombre(p.fichero), p.err)
                                  : textos::NoSeEscribe(Nombre(p.fichero), p.err);
    if (!c.Deshaz()) {
        bloqueo_ = textos::kSinVuelta;
        texto += "\n" + bloqueo_;
    }
    Avisa(texto);
    return false;
}

Fallo Modulo::AbreRw(const std::string& nombre, int& fd, bool& soloLectura, bool& creado) {
    soloLectura = false;
    creado = false;
    bool enCarpeta = false;
    int err = fs_.OpenAt(dirfd_, nombre, O_RDWR, fd);
    if (err == ENOENT) {
        err = fs_.OpenAt(dirfd_, nombre, O_RDWR | O_CREAT | O_EXCL, fd);
        creado = err == 0;
        enCarpeta = err != 0;
    } else if (err == EACCES || err == EPERM || err == EROFS) {
        // Still usable for reading; every write then says why it failed.
        if (fs_.OpenAt(dirfd_, nombre, O_RDONLY, fd) == 0) {
            soloLectura = true;
            return {};
        }
    }
    if (err != 0) fd = -1;
    return {err, enCarpeta};
}

bool Modulo::AvisaApertura(const std::string& nombre, const Fallo& f) {
    Avisa(f.enCarpeta ? textos::NoSeCrea(nombre, carpeta_, f.err) : textos::NoSeAbre(nombre, f.err));
    return false;
}

void Modulo::CierraIndice() {
    if (indicefd_ >= 0) fs_.Close(indicefd_);
    indicefd_ = -1;
}

int Modulo::Duenos(int numreg) const {
    int n = 0;
    for (int s = 1; s <= NumFrec; ++s) n += RegistroDe(s) == numreg;
    return n;
}

bool Modulo::RegistroPropio(int numreg, int duenosPermitidos) const {
    if (indiceSano_) return numreg >= 1 && numreg <= NumFrec + (duenosPermitidos == 0 ? 1 : 0);
    return numreg >= 1 && numreg <= kMaxFrecuencias && Duenos(numreg) <= duenosPermitidos;
}

void Modulo::CompruebaRegistros() {
    std::array<bool, kMaxFrecuencias + 1> visto{};
    indiceSano_ = true;
    for (int s = 1; s <= NumFrec && indiceSano_; ++s) {
        const int r = RegistroDe(s);
        indiceSano_ = r >= 1 && r <= NumFrec && !visto[static_cast<std::size_t>(r)];
        if (indiceSano_) visto[static_cast<std::size_t>(r)] = true;
    }
}

bool Modulo::LeeDatos(int n) {
    std::array<unsigned char, kLongDatos> b;
    std::size_t leido = 0;
    if (n >= 1 && datosfd_ >= 0) {
        if (const int err = fs_.ReadAt(datosfd_, b.data(), b.size(), PosDatos(n), leido); err != 0) {
            AvisaLectura(Fichero::Datos, err);
            return false;
        }
    }
    for (std::size_t i = leido; i < b.size(); ++i) b[i] = ' ';  // beyond the end: spaces
    BufDatos = DatosDeBytes(b.data());
    return true;
}

bool Modulo::EscribeDatos(int n) {
    if (Bloqueado()) return false;
    // A damaged index may name a record outside the file's range, or one that
    // belongs to another frequency too: never write there.
    if (!RegistroPropio(n, 1)) {
        AvisaRegistroDanado(n);
        return false;
    }
    const auto bytes = BytesDatos(BufDatos);
    Cambio c(fs_, indicefd_);
    Cambio::Region r = 0;
    Pasos paso;
    if (paso(Fichero::Datos, true, c.Guarda(datosfd_, PosDatos(n), kLongDatos, r)) &&
        paso(Fichero::Datos, false, c.Escribe(r, bytes.data())) &&
        paso(Fichero::Datos, false, c.Sincroniza(datosfd_)))
        return true;
    return Deshace(c, paso);
}

}  // namespace vyr
