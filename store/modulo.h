#pragma once
// The store: every table, counter, flag and buffer of the frequency list, and
// the operations on them. One instance per run, for one working folder.
#include <array>
#include <cstdint>
#include <string>

#include "store/file_system.h"
#include "store/records.h"
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

    // --- start-up and lookup
    // Locks the folder, loads the index, opens the data file, reads the services.
    // false: the user has been told why and the program must end now.
    bool Arranca();
    // false: more than 5,000 entries (told) or the index cannot be opened (told).
    bool CargaIndice();
    void BuscaFrecuencia();

    // --- data records (n from 1). A read beyond the end of the file gives spaces.
    bool LeeDatos(int n);
    bool EscribeDatos(int n);

    // --- writes; texts are Windows-1252 bytes. false: nothing changed, user told.
    bool AltaRegistro(const std::string& descripcion, const std::string& servicio,
                      const std::string& modo, const std::string& fecha,
                      const std::string& observaciones);
    bool ModificaRegistro(const std::string& descripcion, const std::string& servicio,
                          const std::string& modo, const std::string& fecha,
                          const std::string& observaciones);
    bool BorraRegistro();

    // Makes every write so far durable. Windows call it at the end of each
    // user-level change. false: told, tables reloaded from disk.
    bool Sincroniza();

    bool OrdenaIndice();
    bool SalvarDatos();
    bool RecuperarDatos();

    // --- for the windows and the query's file output
    const std::string& Carpeta() const { return carpeta_; }
    std::string Ruta(const std::string& nombre) const;
    FileSystem& Ficheros() { return fs_; }
    int CarpetaFd() const { return dirfd_; }
    ui::MessageService& Mensajes() { return mensajes_; }
    // Reports a failed write of a file with errno err (critical, title "VYR").
    void AvisaErrorEscritura(const std::string& fichero, int err);

private:
    int AbreRw(const std::string& nombre, int& fd, bool& soloLectura, bool& creado);
    void CierraIndice();
    int LeeTablas();  // fills the tables from the open index; 0 or errno
    void CompruebaRegistros();  // sets indiceSano_
    // The whole data file, for the export's walk; beyond its end: spaces.
    std::string LeeTodosLosDatos();
    void ReleeTablas();  // after a failure: the tables become what the files hold
    // Raw writes: 0 or errno, no message.
    int EscribeIndiceBruto(int slot, double frecuencia, std::int16_t numreg);
    int EscribeDatosBruto(int n, const RegDatos& datos);
    bool RegistroPropio(int numreg, int duenosPermitidos) const;
    void AvisaRegistroDanado(int numreg);
    void LeeServicios();
    int Duenos(int numreg) const;  // slots whose entry names this record
    // Lowest slot desde..NumFrec holding valor, or 0.
    int PrimeraIgual(double valor, int desde = 0) const;
    // The add without its message for the full index: used by the import.
    enum class Alta { Hecha, Llena, Error };
    // desde: the lowest slot that may still be a reusable deleted one; it
    // moves past the slot used, so an import does not scan the whole index
    // for each of its lines.
    Alta AltaInterna(int& desde);
    void Falla(const std::string& fichero, int err);  // tell, then reload

    std::string carpeta_;
    ui::MessageService& mensajes_;
    FileSystem& fs_;
    int dirfd_ = -1;
    int indicefd_ = -1;
    int datosfd_ = -1;
    bool indiceSoloLectura_ = false;
    bool datosSoloLectura_ = false;
    bool indiceSucio_ = false;
    bool datosSucio_ = false;
    bool carpetaSucia_ = false;  // a file was created or renamed since the last sync
    // The record numbers of slots 1..NumFrec are exactly 1..NumFrec: writes
    // then need no check for records shared by a damaged index.
    bool indiceSano_ = false;
};

}  // namespace vyr
