#include "bench/qt_ops.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QAbstractTableModel>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>
#include <array>
#include <fcntl.h>
#include <unistd.h>

#include "bench/floors.h"
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

// The least a grid needs: the texts, nothing else.
class ModeloMinimo : public QAbstractTableModel {
public:
    explicit ModeloMinimo(std::vector<std::array<QString, 6>> filas) : filas_(std::move(filas)) {}
    int rowCount(const QModelIndex&) const override { return static_cast<int>(filas_.size()); }
    int columnCount(const QModelIndex&) const override { return 6; }
    QVariant data(const QModelIndex& i, int role) const override {
        if (role != Qt::DisplayRole) return {};
        return filas_[static_cast<std::size_t>(i.row())][static_cast<std::size_t>(i.column())];
    }

private:
    std::vector<std::array<QString, 6>> filas_;
};

// The query's floor: one read of the data file, the same texts, the same
// view with its fixed row height, shown and closed.
void SueloConsulta(const Modulo& m, int datos) {
    const std::string d = LeeFd(datos);
    std::vector<std::array<QString, 6>> filas(5000);
    for (std::size_t s = 1; s <= 5000; ++s) {
        const char* r = d.data() + std::size_t(m.TablaReg[s] - 1) * kLongDatos;
        filas[s - 1] = {QString::fromStdString(TextoPantalla(m.TablaFrec[s])), ui::DeCp1252(std::string(r, 40)),
                        ui::DeCp1252(std::string(r + 40, 18)), ui::DeCp1252(std::string(r + 58, 6)),
                        ui::DeCp1252(std::string(r + 64, 6)), ui::DeCp1252(std::string(r + 70, 230))};
    }
    ModeloMinimo modelo(std::move(filas));
    QTableView v;
    v.resize(769, 409);
    v.verticalHeader()->setDefaultSectionSize(22);
    v.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    v.setModel(&modelo);
    v.show();
    QTimer::singleShot(0, &v, [&v] { v.close(); });
    while (v.isVisible()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace

std::vector<Fila> MideVentanas(int veces) {
    std::vector<Fila> filas;
    Almacen a = CreaAlmacen(5000, false);
    Callado callado;
    Reloj reloj;
    ui::QtPrinterFactory impresoras(a.carpeta);
    const std::string pdf = a.carpeta + "/bench.pdf";
    impresoras.UsaPdf(pdf, QPageSize(QPageSize::A4), QMarginsF(10, 10, 10, 10));
    ui::Entorno entorno{callado, reloj, impresoras};
    Modulo m(a.carpeta, callado);
    m.Arranca();

    CierraAlMostrar cierra;
    qApp->installEventFilter(&cierra);
    const int datos = ::open((a.carpeta + "/datos.vyr").c_str(), O_RDONLY | O_CLOEXEC);
    filas.push_back(Compara(
        "all-mode query of 5,000 records to the shown grid", {1.5}, veces,
        {{}, Cronometra([&] {
             consulta::Criterios c;
             c.modo = consulta::Modo::Todo;
             consulta::Consulta q(m, entorno);
             if (!q.Realiza(c, [](double&, double&) { return true; })) std::abort();
         })},
        {{}, Cronometra([&] { SueloConsulta(m, datos); })}));
    ::close(datos);
    qApp->removeEventFilter(&cierra);

    filas.push_back(Compara(
        "printing 5,000 records to PDF", {1.2}, veces,
        {{}, Cronometra([&] {
            auto p = impresoras.Abre();
            std::int16_t pos = 0;
            consulta::Informe inf(m, *p, pos);
            inf.Prepara();
            inf.ImprimirCabecera();
            for (pos = 1; pos <= 5000; ++pos) {
                m.LeeDatos(m.TablaReg[std::size_t(pos)]);
                inf.ImprimirLinea();
            }
            ui::Printer::Aviso aviso;
            inf.CerrarImpresora(aviso);
        })},
        {{}, Cronometra([&] {
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
                m.LeeDatos(m.TablaReg[std::size_t(s)]);
                p.setPen(enPagina % 2 ? QColor(0, 128, 0) : QColor(0, 0, 128));
                p.drawText(0, y, QString::fromStdString(consulta::LineaInforme(m.TablaFrec[std::size_t(s)], m.BufDatos)));
                y += alto;
                ++enPagina;
            }
        })}));
    Borra(a.carpeta);
    return filas;
}

}  // namespace vyr::bench
