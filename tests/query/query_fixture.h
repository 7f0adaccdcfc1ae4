#pragma once
// Stores written byte by byte into a temporary folder, the query window on
// them with fake services, and a run driven to its results window.
#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <array>
#include <ostream>
#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_clock.h"
#include "fakes/fake_message_service.h"
#include "fakes/fake_printer.h"
#include "query/frm_consultar.h"
#include "store/modulo.h"
#include "ui/entorno.h"

// Readable failures for texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vyr::test {

// One index slot and its data record; f == 0 makes a deleted slot (blank record).
struct Fila {
    double f;
    std::string d = {}, s = {}, mo = {}, fe = {}, o = {};
};

// What the results window showed when the run put it on screen.
struct Resultado {
    bool mostrado = false;
    QString titulo;
    int filas = 0;                               // grid rows, header row included
    std::vector<std::array<QString, 6>> celdas;  // rows 0..filas-1
    QStringList cabecera;                         // as the view shows it
    QString etiqueta;
    bool focoEnCerrar = false;
    bool soloLectura = false;
    // Data row r's texts without trailing spaces, joined by "|".
    QString Fila(int r) const;
};

class QueryTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string Ruta(const std::string& n) const;
    std::string Bytes(const std::string& n) const;
    void Pon(const std::string& n, const std::string& bytes) const;

    // Writes the index and data files for these slots and starts the store.
    void Crea(const std::vector<Fila>& filas);
    // A fresh query window on the store, shown and active.
    frmConsultar& Ventana();
    // Clicks "Realizar"; if a results window comes up, records it and closes it.
    Resultado Realiza();

    QTemporaryDir tmp;
    FakeMessageService msg;
    FakeClock reloj;
    FakePrinterFactory impresoras;
    ui::PrinterFactory* factoria = &impresoras;  // a test may print elsewhere
    std::unique_ptr<ui::Entorno> env;
    FileSystem* fs = &SistemaPosix();  // a test may hand the store a failing disk
    std::unique_ptr<Modulo> m;
    std::unique_ptr<frmConsultar> w;
    int descargas = 0;  // times the window asked to be unloaded
};

std::string Entrada(double f, std::int16_t numreg);
// A file of the folder, whole ("" when it cannot be read), and written whole.
std::string LeeFichero(const QTemporaryDir& dir, const std::string& n);
void EscribeFichero(const QTemporaryDir& dir, const std::string& n, const std::string& bytes);
// The index and data files for these slots, slot k+1 naming record k+1.
void EscribeAlmacen(const QTemporaryDir& dir, const std::vector<Fila>& filas);
// Closes every window and deletes what was left for deletion.
void CierraVentanas();
// Once the test has let go of its windows, none may be left on screen or in memory.
void SinVentanasQueden();
std::string Registro(const Fila& r);
// Runs a program and gives its standard output; ok false when it failed.
std::string Ejecuta(const QString& programa, const QStringList& args, bool* ok = nullptr);

}  // namespace vyr::test
