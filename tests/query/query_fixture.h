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

#include "support/fake_clock.h"
#include "support/fake_message_service.h"
#include "support/fake_printer.h"
#include "query/frm_consultar.h"
#include "store/modulo.h"
#include "support/ficheros.h"
#include "support/ventanas.h"
#include "ui/entorno.h"

namespace vyr::test {

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

}  // namespace vyr::test
