#pragma once
// Stations to list, and the report printed on the real printer factory and
// read back with poppler's tools.
#include <QCheckBox>
#include <QRadioButton>

#include "support/ventanas_fixture.h"
#include "ui/qt_printer.h"

namespace vyr::test {

// Stations 1 to n at desde + i MHz, named "Emisora i".
inline std::vector<Fila> Emisoras(int n, double desde = 0) {
    std::vector<Fila> r;
    for (int i = 1; i <= n; ++i) r.push_back({desde + i, "Emisora " + std::to_string(i), "BC", "AM"});
    return r;
}

class InformeTest : public VentanasTest {
protected:
    void SetUp() override {
        VentanasTest::SetUp();
        for (const char* h : {"pdftotext", "pdftoppm", "pdfinfo"}) {
            bool ok = false;
            Ejecuta(h, {"-v"}, &ok);
            if (!ok) GTEST_SKIP() << "poppler-utils (pdftotext, pdftoppm, pdfinfo) not installed";
        }
        qt = std::make_unique<ui::QtPrinterFactory>(tmp.path().toStdString());
        factoria = qt.get();
    }
    // Prints every record of the store in the all mode.
    void Imprime(const std::vector<Fila>& filas) {
        Arranca(filas);
        frmConsultar& v = Consulta();
        v.optVerTodo->setChecked(true);
        v.chkImprimir->setChecked(true);
        ASSERT_TRUE(Realiza().mostrado);
    }
    std::unique_ptr<ui::QtPrinterFactory> qt;
};

}  // namespace vyr::test
