#pragma once
// The store: every table, counter, flag and buffer of the frequency list, and
// the operations on them. One instance per run, for one working folder.
//
// Every operation that writes is durable when it returns true: its bytes are
// synced. When it returns false the user has been told why, and the files and
// the tables are as they were before it.
#include <array>
#include <cstdint>
#include <string>

#include "store/cambio.h"
#include "store/file_system.h"
#include "store/records.h"
#include "store/replace_file.h"
#include "ui/message_service.h"

namespace vyr {

class Modulo {
public:
    Modulo(std::string carpeta, ui::MessageService& mensajes, FileSystem& fs = SistemaPosix());
    ~Modulo();
    Modulo(const Modulo&) = delete;
    Modulo& operator=(const Modulo&) = delete;

    // --- state (public: the windows read and set these, as the program is procedural)
    std::array<double, kMaxFrecuencias + 1> TablaFrec{};
    std::array<std::int16_t, kMaxFrecuencias + 1> TablaReg{};
    std::int16_t NumFrec = 0;
    std::int16_t PosFrec = 0;
    std::int16_t PosLibre = 0;
    double FrecActual = 0.0;
    bool CambioIndice = false;
    std::array<std::string, kMaxServicios + 1> Servicios;  // Windows-1252 bytes
    std::int16_t LongRegIndice = 0;
    RegIndice BufIndice;
    RegDatos BufDatos;
    // The record number of a slot.
    std::int16_t RegistroDe(int pos) const { return TablaReg[static_cast<std::size_t>(pos)]; }

    // --- start-up and lookup
    // Locks the folder, loads the index, opens the data file, reads the services.
    // false: the user has been told why and the program must end now.
    bool Arranca();
    // (Re)opens and loads the index. The tables change only when the whole
    // file was read; a failed reload also stops every later write of this run.
    bool CargaIndice();
    void BuscaFrecuencia();

    // --- data records (n from 1). A read beyond the end of the file gives spaces.
    bool LeeDatos(int n);
    bool EscribeDatos(int n);

    // --- writes; texts are Windows-1252 bytes
    bool AltaRegistro(const std::string& descripcion, const std::string& servicio,
                      const std::string& modo, const std::string& fecha,
                      const std::string& observaciones);
    bool ModificaRegistro(const std::string& descripcion, const std::string& servicio,
                          const std::string& modo, const std::string& fecha,
                          const std::string& observaciones);
    bool BorraRegistro();

    bool OrdenaIndice();
    bool SalvarDatos();
    bool RecuperarDatos();

    // --- for the query's file output
    FileSystem& Ficheros() { return fs_; }
    int CarpetaFd() const { return dirfd_; }
    // Tells the user that "vyr.csv" could not be replaced (title "Salvar datos").
    void AvisaCsv(const Fallo& f);

private:
    enum class Fichero { Indice, Datos };
    // The first failed step of a change, for its message.
    struct Pasos {
        int err = 0;
        Fichero fichero = Fichero::Datos;
        bool lectura = false;
        // true while no step has failed; records the first failure.
        bool operator()(Fichero f, bool esLectura, int e);
    };
    using Tablas = std::pair<std::array<double, kMaxFrecuencias + 1>, std::array<std::int16_t, kMaxFrecuencias + 1>>;

    // Opens a store file read-write, creating it if missing, or read-only
    // when it may not be written. enCarpeta: the folder refused the creation.
    Fallo AbreRw(const std::string& nombre, int& fd, bool& soloLectura, bool& creado);
    bool AvisaApertura(const std::string& nombre, const Fallo& f);  // always false
    void CierraIndice();
    // Reads the open index into new tables; 0, EOVERFLOW or errno.
    int LeeTablas(Tablas& t, std::int16_t& n);  // t comes zeroed
    void CompruebaRegistros();  // sets indiceSano_
    bool RegistroPropio(int numreg, int duenosPermitidos) const;
    int Duenos(int numreg) const;  // slots whose entry names this record
    void LeeServicios();
    // Lowest slot desde..NumFrec holding valor, or 0.
    int PrimeraIgual(double valor, int desde = 0) const;

    // The slot and record of an add. desde: the lowest slot that may still be
    // a reusable deleted one; it moves past the slot chosen, so an import does
    // not scan the whole index for each of its lines.
    enum class Hueco { Libre, Lleno, Danado };
    Hueco EligeHueco(int& desde, int& slot, std::int16_t& reg) const;

    std::int64_t PosDatos(int n) const { return std::int64_t(n - 1) * kLongDatos; }
    std::int64_t PosIndice(int slot) const { return std::int64_t(slot - 1) * LongRegIndice; }
    // Puts the change back and tells the user what failed. Always false.
    bool Deshace(Cambio& c, const Pasos& p);
    void Avisa(const std::string& texto);  // critical, title "VYR"
    void AvisaLectura(Fichero f, int err);
    void AvisaRegistroDanado(int numreg);
    // After a failed reload or undo the files are not known: refuse writes.
    bool Bloqueado();
    static const char* Nombre(Fichero f);

    std::string carpeta_;
    ui::MessageService& mensajes_;
    FileSystem& fs_;
    int dirfd_ = -1;
    int indicefd_ = -1;
    int datosfd_ = -1;
    bool indiceSoloLectura_ = false;
    bool datosSoloLectura_ = false;
    bool arrancado_ = false;   // start-up done: a failed load no longer ends the program
    bool indiceCreado_ = false;  // its name is not on disk until the folder is synced
    std::string bloqueo_;  // why writes are refused, empty while they are not
    // The record numbers of slots 1..NumFrec are exactly 1..NumFrec: writes
    // then need no check for records shared by a damaged index.
    bool indiceSano_ = false;
};

}  // namespace vyr
