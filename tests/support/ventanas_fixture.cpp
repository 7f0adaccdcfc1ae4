#include "support/ventanas_fixture.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>

#include "query/frm_visualizar.h"
#include "ui/caja_multilinea.h"

namespace vyr::test {

QString Resultado::Fila(int r) const {
    QStringList t;
    for (const auto& k : celdas.at(static_cast<std::size_t>(r)))
        t << QString(k).remove(QRegularExpression(QStringLiteral(" +$")));
    return t.join(u'|');
}

QString Ficha(const frmVYRw& w) {
    return QStringList({w.txtFicFrecu->text(), w.txtFicDescri->text(), w.txtFicServi->text(),
                        w.txtFicModo->text(), w.txtFicFecha->text(), w.txtFicObserva->text()})
        .join('|');
}

void VentanasTest::SetUp() {
    ASSERT_TRUE(tmp.isValid());
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
}

void VentanasTest::TearDown() {
    // Checked before anything is closed, so that no window is deleted unseen.
    consultar.reset();
    w.reset();
    SinVentanasQueden();
    Suelta();
}

void VentanasTest::Suelta() {
    consultar.reset();
    w.reset();
    CierraVentanas();
    m.reset();
    msg.vistos.clear();
}

std::string VentanasTest::Ruta(const std::string& n) const { return tmp.path().toStdString() + "/" + n; }
std::string VentanasTest::Bytes(const std::string& n) const { return LeeFichero(Ruta(n)); }
void VentanasTest::Pon(const std::string& n, const std::string& bytes) const { EscribeFichero(Ruta(n), bytes); }

void VentanasTest::Ficheros(const std::vector<Fila>& filas, const std::string& servicios) {
    EscribeAlmacen(tmp.path().toStdString(), filas);
    Pon("servicios.vyr", servicios);
    env = std::make_unique<ui::Entorno>(ui::Entorno{msg, reloj, *factoria});
    m = std::make_unique<Modulo>(tmp.path().toStdString(), msg, *fs);
}

void VentanasTest::Arranca(const std::vector<Fila>& filas, const std::string& servicios) {
    Ficheros(filas, servicios);
    ASSERT_TRUE(m->Arranca());
    ASSERT_EQ(m->NumFrec, static_cast<int>(filas.size()));
    msg.vistos.clear();
}

void VentanasTest::Crea(const std::vector<Fila>& filas, const std::string& servicios) {
    Ficheros(filas, servicios);
    w = std::make_unique<frmVYRw>(*m, *env);
    QObject::connect(w.get(), &frmVYRw::fin, [this] { ++fines; });
    ASSERT_TRUE(w->Carga());
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    msg.vistos.clear();
}

frmConsultar& VentanasTest::Consulta() {
    consultar = std::make_unique<frmConsultar>(*m, *env);
    QObject::connect(consultar.get(), &frmConsultar::descarga, [this] { ++descargas; });
    consultar->show();
    consultar->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(consultar.get()));
    return *consultar;
}

Resultado VentanasTest::Realiza() {
    Resultado r;
    EnModal<frmVisualizar>([&] { QTest::mouseClick(consultar->cmdHacer, Qt::LeftButton); }, [&](frmVisualizar& v) {
        r.mostrado = true;
        r.titulo = v.windowTitle();
        const consulta::ModeloFG& g = v.Celdas();
        r.filas = g.Rows();
        for (int i = 0; i < g.Rows(); ++i) {
            std::array<QString, 6> fila;
            for (int k = 0; k < 6; ++k) fila[static_cast<std::size_t>(k)] = g.TextMatrix(i, k);
            r.celdas.push_back(fila);
        }
        const QAbstractItemModel* vm = v.FG->model();
        for (int k = 0; k < vm->columnCount(); ++k) r.cabecera << vm->headerData(k, Qt::Horizontal).toString();
        r.etiqueta = v.txtNumReg->text();
        r.focoEnCerrar = QApplication::focusWidget() == v.cmdCerrar;
        r.soloLectura = v.FG->editTriggers() == QAbstractItemView::NoEditTriggers &&
                        !(vm->flags(vm->index(0, 0)) & Qt::ItemIsEditable);
        QTest::mouseClick(v.cmdCerrar, Qt::LeftButton);
    });
    return r;
}

void VentanasTest::Teclea(const QString& texto) {
    QTest::keyClicks(w->txtFrecu, texto);
    QTest::keyClick(w->txtFrecu, Qt::Key_Return);
}

}  // namespace vyr::test
