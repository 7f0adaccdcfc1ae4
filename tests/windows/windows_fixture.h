#pragma once
// A store written byte by byte into a temporary folder, the main window on it
// with fake services, and modal windows driven from inside their exec().
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/fake_clock.h"
#include "support/fake_message_service.h"
#include "support/fake_printer.h"
#include "main_window/frm_vyrw.h"
#include "query/query_fixture.h"
#include "store/modulo.h"

class frmCreaModi;

namespace vyr::test {

inline const std::string kServiciosPrueba =
    "BC Radiodifusi\xf3n\r\nUT Utilitarias\r\nXY-\r\nAB CD\r\nCD Costeras\r\nMA Mar\xedtimo";

// The card's six boxes, joined by "|".
QString Ficha(const frmVYRw& w);

class VentanasTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string Bytes(const std::string& n) const;
    void Pon(const std::string& n, const std::string& bytes) const;
    // Writes the index, data and services files, loads and shows the main window.
    void Crea(const std::vector<Fila>& filas, const std::string& servicios = kServiciosPrueba);

    // Types a text into the entry box and presses Enter.
    void Teclea(const QString& texto);

    // Tab out of an editor box, then the box's text.
    static QString Sale(QWidget* caja);

    QTemporaryDir tmp;
    FakeMessageService msg;
    FakeClock reloj;
    FakePrinterFactory impresoras;
    std::unique_ptr<ui::Entorno> env;
    FileSystem* fs = &SistemaPosix();  // a test may hand the store a failing disk
    std::unique_ptr<Modulo> m;
    std::unique_ptr<frmVYRw> w;
    int fines = 0;  // times the window asked the program to end
};

}  // namespace vyr::test
