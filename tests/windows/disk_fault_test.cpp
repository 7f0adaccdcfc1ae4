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
    const QString cambiada = "7,100.000|Radio Exterior cambiada|Radiodifusi\u00f3n|AM|010107|Madrid";
    const char* noEscribe = "No se puede escribir datos.vyr\nNo queda espacio en el disco.";
    struct Caso {
        const char* nombre;
        Falla falla;
        bool conFicha;  // the card shows 7.1 before the fault is armed
        std::function<void()> accion;
        const char* mensaje;
        QString ficha;  // "*" : the card as it was
    };
    // The description changed in the editor, then b: the editor must stay open.
    const auto editor = [this](QPushButton* frmCreaModi::*b) {
        return [this, b] {
            bool abierto = false;
            ASSERT_TRUE(EnModal<frmCreaModi>([&] { QTest::mouseClick(w->cmdFicModi, Qt::LeftButton); },
                                   [&](frmCreaModi& e) {
                                       e.txtCMDescri->end(false);
                                       QTest::keyClicks(e.txtCMDescri, " cambiada");
                                       QTest::mouseClick(e.*b, Qt::LeftButton);
                                       abierto = e.isVisible();
                                       QTest::mouseClick(e.cmdCMSalir, Qt::LeftButton);
                                   }));
            EXPECT_TRUE(abierto) << "the editor closed as if the change had been made";
        };
    };
    const auto fechaHoy = [this] { QTest::mouseClick(w->cmdFicActFecha, Qt::LeftButton); };
    const Caso casos[] = {
        {"Enter en una frecuencia guardada", Falla::Lectura, false, [this] { Teclea("7.1"); }, kNoLee,
         "|||||"},
        {"Fecha hoy sin poder leer", Falla::Lectura, true, fechaHoy, kNoLee, "*"},
        {"Fecha hoy sin poder escribir", Falla::Escritura, true, fechaHoy, noEscribe, "*"},
        {"Guardar en el editor", Falla::Sync, true, editor(&frmCreaModi::cmdCMGraba),
         "No se puede escribir datos.vyr\nError de entrada/salida en el disco.", cambiada},
        {"Borrar en el editor", Falla::Escritura, true, editor(&frmCreaModi::cmdCMBorrar),
         "No se puede escribir frecuencias.vyr\nNo queda espacio en el disco.", cambiada},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        Crea({{7.1, "Radio Exterior", "Radiodifusi\xf3n", "AM", "010107", "Madrid"}});
        if (c.conFicha) Teclea("7.1");
        const QString antes = Ficha(*w);
        const std::string indice = Bytes("frecuencias.vyr"), datos = Bytes("datos.vyr");
        msg.vistos.clear();
        disco.Arma(c.falla, 1);
        c.accion();
        EXPECT_TRUE(disco.Fallado());
        EXPECT_EQ(Ficha(*w), QString(c.ficha) == "*" ? antes : c.ficha);
        EXPECT_TRUE(w->txtFrecu->text().isEmpty());
        EXPECT_EQ(Bytes("frecuencias.vyr"), indice);
        EXPECT_EQ(Bytes("datos.vyr"), datos);
        // The delete's confirmation comes first.
        ASSERT_FALSE(msg.vistos.empty());
        EXPECT_EQ(msg.vistos.back().texto, c.mensaje);  // the store's, with its caption and icon
        disco.Arma(Falla::Ninguna, 0);
        Suelta();
    }
}

}  // namespace
}  // namespace vyr::test
