#include "bench/qt_ops.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTableWidget>
#include <QTimer>

#include "bench/store_fixture.h"
#include "main_window/frequency_text.h"
#include "query/consulta.h"
#include "query/frm_visualizar.h"
#include "query/informe.h"
#include "store/modulo.h"
#include "ui/entorno.h"
#include "ui/qt_printer.h"
#include "ui/texto.h"

namespace vyr::bench {
namespace {

class Callado : public ui::MessageService {
public:
    ui::Respuesta Muestra(const std::string&, const std::string&, ui::Botones, ui::Icono) override {
        return ui::Respuesta::Ok;
    }
};
class Reloj : public ui::Clock {
public:
    ui::Fecha Hoy() override { return {5, 12, 2026}; }
};

// Closes the results window as soon as the event loop has shown it.
class CierraAlMostrar : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->inherits("frmVisualizar")) {
            auto* w = static_cast<QWidget*>(o);
            QTimer::singleShot(0, w, [w] { w->close(); });
        }
        return false;
    }
};

QStringList TextosFila(double f, const RegDatos& d) {
    return {QString::fromStdString(TextoPantalla(f)), ui::DeCp1252(d.Descripcion.Texto()),
            ui::DeCp1252(d.Servicio.Texto()), ui::DeCp1252(d.Modo.Texto()), ui::DeCp1252(d.Fecha.Texto()),
            ui::DeCp1252(d.Observaciones.Texto())};
}

}  // namespace

std::vector<Fila> MideVentanas(int veces) {
    std::vector<Fila> filas;
    Almacen a = CreaAlmacen(5000, false);
    Callado callado;
    Reloj reloj;
    QtPrinterFactory impresoras(a.carpeta);
    const std::string pdf = a.carpeta + "/bench.pdf";
    impresoras.UsaPdf(pdf, QPageSize(QPageSize::A4), QMarginsF(10, 10, 10, 10));
    ui::Entorno entorno{callado, reloj, impresoras};
    Modulo m(a.carpeta, callado);
    m.Arranca();

    CierraAlMostrar cierra;
    qApp->installEventFilter(&cierra);
    std::vector<QStringList> textos;
    for (int s = 1; s <= 5000; ++s) {
        m.LeeDatos(m.TablaReg[s]);
        textos.push_back(TextosFila(m.TablaFrec[s], m.BufDatos));
    }
    filas.push_back(Compara(
        "all-mode query of 5,000 records to the shown grid", 1.5, veces, [] {},
        [&] {
            consulta::Criterios c;
            c.modo = consulta::Modo::Todo;
            consulta::Consulta q(m, entorno);
            if (!q.Realiza(c, [](double&, double&) { return true; })) std::abort();
        },
        [&] {
            QTableWidget t(5002, 6);
            for (int r = 0; r < 5000; ++r)
                for (int c = 0; c < 6; ++c) t.setItem(r + 1, c, new QTableWidgetItem(textos[r][c]));
            t.show();
            QTimer::singleShot(0, &t, [&t] { t.close(); });
            while (t.isVisible()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }));
    qApp->removeEventFilter(&cierra);

    filas.push_back(Compara(
        "printing 5,000 records to PDF", 1.3, veces, [] {},
        [&] {
            auto p = impresoras.Abre();
            std::int16_t pos = 0;
            consulta::Informe inf(m, *p, pos);
            inf.Prepara();
            inf.ImprimirCabecera();
            for (pos = 1; pos <= 5000; ++pos) {
                m.LeeDatos(m.TablaReg[pos]);
                inf.ImprimirLinea();
            }
            ui::Printer::Aviso aviso;
            inf.CerrarImpresora(aviso);
        },
        [&] {
            QPrinter pr(QPrinter::HighResolution);
            pr.setOutputFormat(QPrinter::PdfFormat);
            pr.setOutputFileName(QString::fromStdString(a.carpeta + "/suelo.pdf"));
            pr.setPageSize(QPageSize(QPageSize::A4));
            QPainter p(&pr);
            p.setFont(QFont("Courier New", 9));
            const int alto = p.fontMetrics().height();
            int y = alto, enPagina = 0;
            for (int s = 1; s <= 5000; ++s) {
                if (enPagina == 80) {
                    pr.newPage();
                    y = alto;
                    enPagina = 0;
                }
                m.LeeDatos(m.TablaReg[s]);
                p.setPen(enPagina % 2 ? QColor(0, 128, 0) : QColor(0, 0, 128));
                p.drawText(0, y, QString::fromStdString(consulta::LineaInforme(m.TablaFrec[s], m.BufDatos)));
                y += alto;
                ++enPagina;
            }
        }));
    Borra(a.carpeta);
    return filas;
}

std::vector<Fila> MideArranque(int veces, const std::string& vyr, const std::string& desnudo) {
    Almacen a = CreaAlmacen(5000, false);
    auto lanza = [&](const std::string& programa) {
        QProcess p;
        p.setWorkingDirectory(QString::fromStdString(a.carpeta));
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("VYR_SALIR_AL_MOSTRARSE", "1");
        p.setProcessEnvironment(env);
        p.start(QString::fromStdString(programa), {});
        if (!p.waitForFinished(30000) || p.exitCode() != 0) std::abort();
    };
    std::vector<Fila> filas;
    filas.push_back(Compara(
        "process start to the main window shown, full store", 1.3, veces, [] {}, [&] { lanza(vyr); },
        [&] { lanza(desnudo); }));
    Borra(a.carpeta);
    return filas;
}

}  // namespace vyr::bench
