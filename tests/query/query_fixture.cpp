#include "query_fixture.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <cstring>

#include "query/frm_visualizar.h"
#include "store/records.h"

namespace vyr::test {

QString Resultado::Fila(int r) const {
    QStringList t;
    for (const auto& c : celdas.at(static_cast<std::size_t>(r)))
        t << QString(c).remove(QRegularExpression(QStringLiteral(" +$")));
    return t.join(u'|');
}

void QueryTest::SetUp() {
    ASSERT_TRUE(tmp.isValid());
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    env = std::make_unique<ui::Entorno>(ui::Entorno{msg, reloj, *factoria});
}

void QueryTest::TearDown() {
    w.reset();
    SinVentanasQueden();
    CierraVentanas();
    m.reset();
}

std::string QueryTest::Ruta(const std::string& n) const {
    return tmp.path().toStdString() + "/" + n;
}

std::string QueryTest::Bytes(const std::string& n) const { return LeeFichero(Ruta(n)); }

void QueryTest::Pon(const std::string& n, const std::string& bytes) const { EscribeFichero(Ruta(n), bytes); }

void QueryTest::Crea(const std::vector<Fila>& filas) {
    EscribeAlmacen(tmp.path().toStdString(), filas);
    env = std::make_unique<ui::Entorno>(ui::Entorno{msg, reloj, *factoria});
    m = std::make_unique<Modulo>(tmp.path().toStdString(), msg, *fs);
    ASSERT_TRUE(m->Arranca());
    ASSERT_EQ(m->NumFrec, static_cast<int>(filas.size()));
    msg.vistos.clear();
}

frmConsultar& QueryTest::Ventana() {
    w = std::make_unique<frmConsultar>(*m, *env);
    QObject::connect(w.get(), &frmConsultar::descarga, [this] { ++descargas; });
    w->show();
    w->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
    return *w;
}

Resultado QueryTest::Realiza() {
    Resultado r;
    EnModal<frmVisualizar>([&] { QTest::mouseClick(w->cmdHacer, Qt::LeftButton); }, [&](frmVisualizar& v) {
        r.mostrado = true;
        r.titulo = v.windowTitle();
        const consulta::ModeloFG& g = v.Celdas();
        r.filas = g.Rows();
        for (int i = 0; i < g.Rows(); ++i) {
            std::array<QString, 6> fila;
            for (int c = 0; c < 6; ++c) fila[static_cast<std::size_t>(c)] = g.TextMatrix(i, c);
            r.celdas.push_back(fila);
        }
        const QAbstractItemModel* vm = v.FG->model();
        for (int c = 0; c < vm->columnCount(); ++c)
            r.cabecera << vm->headerData(c, Qt::Horizontal).toString();
        r.etiqueta = v.txtNumReg->text();
        r.focoEnCerrar = QApplication::focusWidget() == v.cmdCerrar;
        r.soloLectura = v.FG->editTriggers() == QAbstractItemView::NoEditTriggers &&
                        !(vm->flags(vm->index(0, 0)) & Qt::ItemIsEditable);
        QTest::mouseClick(v.cmdCerrar, Qt::LeftButton);
    });
    return r;
}

}  // namespace vyr::test
