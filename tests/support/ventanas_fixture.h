#pragma once
// A store written byte by byte into a temporary folder, with fake services,
// and the windows on it: the main window, the query window and a query run
// driven to its results window.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "main_window/frm_vyrw.h"
#include "query/frm_consultar.h"
#include "store/modulo.h"
#include "support/fake_clock.h"
#include "support/fake_message_service.h"
#include "support/fake_printer.h"
#include "support/ficheros.h"
#include "support/ventanas.h"
#include "ui/entorno.h"

namespace vyr::test {

inline const std::string kServiciosPrueba =
    "BC Radiodifusi\xf3n\r\nUT Utilitarias\r\nXY-\r\nAB CD\r\nCD Costeras\r\nMA Mar\xedtimo";

// What the results window showed when the run put it on screen.
struct Resultado {
    bool mostrado = false;
    QString titulo;
    int filas = 0;                               // grid rows, header row included
    std::vector<std::array<QString, 6>> celdas;  // rows 0..filas-1
    QStringList cabecera;                        // as the view shows it
    QString etiqueta;
    bool focoEnCerrar = false;
    bool soloLectura = false;
    // Data row r's texts without trailing spaces, joined by "|".
    QString Fila(int r) const;
};

// The card's six boxes, joined by "|".
QString Ficha(const frmVYRw& w);

class VentanasTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string Ruta(const std::string& n) const;
    std::string Bytes(const std::string& n) const;
    void Pon(const std::string& n, const std::string& bytes) const;

    // The index, data and services files, and a store on them, started.
    void Arranca(const std::vector<Fila>& filas, const std::string& servicios = kServiciosPrueba);
    // The same files, and the main window loaded on them, shown and active.
    void Crea(const std::vector<Fila>& filas, const std::string& servicios = kServiciosPrueba);
    // A fresh query window on the store, shown and active.
    frmConsultar& Consulta();
    // Clicks "Realizar"; if a results window comes up, records it and closes it.
    Resultado Realiza();
    // The windows and the store let go of, as between two cases of a table.
    void Suelta();

    // Types a text into the entry box and presses Enter.
    void Teclea(const QString& texto);

    void Ficheros(const std::vector<Fila>& filas, const std::string& servicios);

    QTemporaryDir tmp;
    FakeMessageService msg;
    FakeClock reloj;
    FakePrinterFactory impresoras;
    ui::PrinterFactory* factoria = &impresoras;  // a test may print elsewhere
    std::unique_ptr<ui::Entorno> env;
    FileSystem* fs = &SistemaPosix();  // a test may hand the store a failing disk
    std::unique_ptr<Modulo> m;
    std::unique_ptr<frmVYRw> w;
    std::unique_ptr<frmConsultar> consultar;
    int fines = 0;      // times the main window asked the program to end
    int descargas = 0;  // times the query window asked to be unloaded
};

}  // namespace vyr::test
