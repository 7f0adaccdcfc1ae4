// What the windows do when the disk fails under them: the user is told, the
// card shows nothing the store does not hold, and the editor keeps what was
// typed instead of closing as if it had been saved.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "editor/frm_crea_modi.h"
#include "support/faulty_file_system.h"
#include "support/ventanas_fixture.h"

namespace vyr::test {
namespace {

class DiskFaultTest : public VentanasTest {
protected:
    void SetUp() override {
        VentanasTest::SetUp();
        fs = &disco;
    }
    FaultyFileSystem disco;
};

constexpr const char* kNoLee = "No se puede leer datos.vyr\nError de entrada/salida en el disco.";

TEST_F(DiskFaultTest, EachWindowActionToldAndNothingChanged) {
    const QString guardada = "7,100.000|Radio Exterior    |Radiodifusi\u00f3n|AM    |010107|Madrid";
    struct Caso {
        const char* nombre;
        Falla falla;
        bool conFicha;  // the card shows 7.1 before the fault is armed
        std::function<void(bool& abierto)> accion;
        const char* mensaje;
        QString ficha;  // "*" : the card as it was
    };
    const auto editor = [this](const std::function<void(frmCreaModi&)>& orden) {
        return [this, orden](bool& abierto) {
            ASSERT_TRUE(EnModal<frmCreaModi>([&] { QTest::mouseClick(w->cmdFicModi, Qt::LeftButton); },
                                   [&](frmCreaModi& e) {
                                       e.txtCMDescri->end(false);
                                       QTest::keyClicks(e.txtCMDescri, " cambiada");
                                       orden(e);
                                       abierto = e.isVisible();
                                       QTest::mouseClick(e.cmdCMSalir, Qt::LeftButton);
                                   }));
        };
    };
    const Caso casos[] = {
        {"Enter en una frecuencia guardada", Falla::Lectura, false,
         [this](bool&) { Teclea("7.1"); }, kNoLee, "|||||"},
        {"Fecha hoy sin poder leer", Falla::Lectura, true,
         [this](bool&) { QTest::mouseClick(w->cmdFicActFecha, Qt::LeftButton); }, kNoLee, "*"},
        {"Fecha hoy sin poder escribir", Falla::Escritura, true,
         [this](bool&) { QTest::mouseClick(w->cmdFicActFecha, Qt::LeftButton); },
         "No se puede escribir datos.vyr\nNo queda espacio en el disco.", "*"},
        {"Guardar en el editor", Falla::Sync, true,
         editor([](frmCreaModi& e) { QTest::mouseClick(e.cmdCMGraba, Qt::LeftButton); }),
         "No se puede escribir datos.vyr\nError de entrada/salida en el disco.",
         "7,100.000|Radio Exterior cambiada|Radiodifusi\u00f3n|AM|010107|Madrid"},
        {"Borrar en el editor", Falla::Escritura, true,
         editor([](frmCreaModi& e) { QTest::mouseClick(e.cmdCMBorrar, Qt::LeftButton); }),
         "No se puede escribir frecuencias.vyr\nNo queda espacio en el disco.",
         "7,100.000|Radio Exterior cambiada|Radiodifusi\u00f3n|AM|010107|Madrid"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        Crea({{7.1, "Radio Exterior", "Radiodifusi\xf3n", "AM", "010107", "Madrid"}});
        if (c.conFicha) Teclea("7.1");
        const QString antes = Ficha(*w);
        const std::string indice = Bytes("frecuencias.vyr"), datos = Bytes("datos.vyr");
        msg.vistos.clear();
        disco.Arma(c.falla, 1);
        bool abierto = false;
        c.accion(abierto);
        EXPECT_TRUE(disco.Fallado());
        const QString esperada = QString(c.ficha) == "*" ? antes : c.ficha;
        EXPECT_EQ(Ficha(*w), esperada);
        EXPECT_TRUE(w->txtFrecu->text().isEmpty());
        EXPECT_EQ(Bytes("frecuencias.vyr"), indice);
        EXPECT_EQ(Bytes("datos.vyr"), datos);
        if (std::string(c.nombre).find("editor") != std::string::npos) {
            EXPECT_TRUE(abierto) << "the editor closed as if the change had been made";
        }
        // The delete's confirmation comes first.
        ASSERT_FALSE(msg.vistos.empty());
        EXPECT_EQ(msg.vistos.back().texto, c.mensaje);
        EXPECT_EQ(msg.vistos.back().titulo, "VYR");
        EXPECT_EQ(msg.vistos.back().icono, ui::Icono::Critico);
        disco.Arma(Falla::Ninguna, 0);
        w.reset();
        CierraVentanas();
        m.reset();
    }
}

}  // namespace
}  // namespace vyr::test
