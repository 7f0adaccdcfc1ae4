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

std::string Entrada(double f, std::int16_t numreg) {
    const auto b = BytesIndice(RegIndice{f, numreg});
    return std::string(reinterpret_cast<const char*>(b.data()), b.size());
}

std::string Registro(const Fila& r) {
    auto campo = [](const std::string& s, std::size_t n) {
        std::string t = s.substr(0, n);
        t.resize(n, ' ');
        return t;
    };
    return campo(r.d, 40) + campo(r.s, 18) + campo(r.mo, 6) + campo(r.fe, 6) + campo(r.o, 230);
}

std::string Ejecuta(const QString& programa, const QStringList& args, bool* ok) {
    QProcess p;
    p.start(programa, args);
    const bool bien = p.waitForStarted() && p.waitForFinished(60000) &&
                      p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (ok) *ok = bien;
    return p.readAllStandardOutput().toStdString();
}

void QueryTest::SetUp() {
    ASSERT_TRUE(tmp.isValid());
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    env = std::make_unique<ui::Entorno>(ui::Entorno{msg, reloj, *factoria});
}

void CierraVentanas() {
    for (QWidget* v : QApplication::topLevelWidgets()) v->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void SinVentanasQueden() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList quedan;
    for (QWidget* v : QApplication::topLevelWidgets())
        quedan << QString::fromLatin1(v->metaObject()->className()) + " " + v->objectName();
    EXPECT_TRUE(quedan.isEmpty()) << "windows left behind: " << quedan.join(", ").toStdString();
}

std::string LeeFichero(const QTemporaryDir& dir, const std::string& n) {
    QFile f(dir.filePath(QString::fromStdString(n)));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
}

void EscribeFichero(const QTemporaryDir& dir, const std::string& n, const std::string& bytes) {
    QFile f(dir.filePath(QString::fromStdString(n)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
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

std::string QueryTest::Bytes(const std::string& n) const { return LeeFichero(tmp, n); }

void QueryTest::Pon(const std::string& n, const std::string& bytes) const {
    EscribeFichero(tmp, n, bytes);
}

void EscribeAlmacen(const QTemporaryDir& dir, const std::vector<Fila>& filas) {
    std::string indice, datos;
    for (std::size_t k = 0; k < filas.size(); ++k) {
        indice += Entrada(filas[k].f, static_cast<std::int16_t>(k + 1));
        datos += filas[k].f == 0 ? Registro({}) : Registro(filas[k]);
    }
    EscribeFichero(dir, "frecuencias.vyr", indice);
    EscribeFichero(dir, "datos.vyr", datos);
}

void QueryTest::Crea(const std::vector<Fila>& filas) {
    EscribeAlmacen(tmp, filas);
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
    QTimer lee;
    lee.setInterval(0);
    QObject::connect(&lee, &QTimer::timeout, [&] {
        auto* v = qobject_cast<frmVisualizar*>(QApplication::activeModalWidget());
        if (!v || r.mostrado) return;
        r.mostrado = true;
        r.titulo = v->windowTitle();
        const consulta::ModeloFG& g = v->Celdas();
        r.filas = g.Rows();
        for (int i = 0; i < g.Rows(); ++i) {
            std::array<QString, 6> fila;
            for (int c = 0; c < 6; ++c) fila[static_cast<std::size_t>(c)] = g.TextMatrix(i, c);
            r.celdas.push_back(fila);
        }
        const QAbstractItemModel* vm = v->FG->model();
        for (int c = 0; c < vm->columnCount(); ++c)
            r.cabecera << vm->headerData(c, Qt::Horizontal).toString();
        r.etiqueta = v->txtNumReg->text();
        v->activateWindow();
        r.focoEnCerrar = QTest::qWaitForWindowActive(v) && QApplication::focusWidget() == v->cmdCerrar;
        r.soloLectura = v->FG->editTriggers() == QAbstractItemView::NoEditTriggers &&
                        !(vm->flags(vm->index(0, 0)) & Qt::ItemIsEditable);
        QTest::mouseClick(v->cmdCerrar, Qt::LeftButton);
    });
    // Whatever goes wrong, no modal window outlives the test.
    QTimer rescate;
    rescate.setInterval(10000);
    QObject::connect(&rescate, &QTimer::timeout, [] {
        if (QWidget* mw = QApplication::activeModalWidget()) mw->close();
    });
    lee.start();
    rescate.start();
    QTest::mouseClick(w->cmdHacer, Qt::LeftButton);
    return r;
}

}  // namespace vyr::test
