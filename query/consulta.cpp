#include "query/consulta.h"

#include <QLabel>
#include <QLocale>
#include <memory>
#include <optional>

#include "main_window/frequency_text.h"
#include "query/frm_visualizar.h"
#include "query/informe.h"
#include "query/textos_consulta.h"
#include "store/csv.h"
#include "ui/texto.h"
#include "ui/ventana.h"

namespace vyr::consulta {

namespace t = textos_consulta;

Paso PasoDe(Modo modo, double f, double frec1, double frec2) {
    switch (modo) {
        case Modo::Todo: return f > 0 ? Paso::Lee : Paso::Salta;
        case Modo::Entre:
            // Deleted slots never end the walk; the first live frequency at
            // or above the upper bound does, the index being sorted.
            if (!(f > 0)) return Paso::Salta;
            if (f >= frec2) return Paso::Termina;
            return f < frec1 ? Paso::Salta : Paso::Lee;
        case Modo::Buscar: return Paso::Lee;  // deleted slots are searched too
    }
    return Paso::Salta;
}

namespace {

// Both upper-cased a character at a time: a field and a search text keep
// their lengths, so a text longer than its field never matches.
bool Contiene(const QString& caja, const std::string& campo, const QLocale& l) {
    return !caja.isEmpty() && ui::Mayusculas(ui::DeCp1252(campo), l).contains(ui::Mayusculas(caja, l));
}

}  // namespace

bool Seleccionado(const Criterios& c, const RegDatos& d) {
    const QLocale l;
    const bool coincide = Contiene(c.busDes, d.Descripcion.Texto(), l) ||
                          Contiene(c.busSer, d.Servicio.Texto(), l) ||
                          Contiene(c.busMod, d.Modo.Texto(), l) ||
                          Contiene(c.busObs, d.Observaciones.Texto(), l);
    // Only spaces make a date blank: a non-breaking space is a character.
    return coincide && (!c.escuchadas || d.Fecha.Texto().find_first_not_of(' ') != std::string::npos);
}

QString TextoCuenta(int n) { return QStringLiteral(" %1").arg(n) + QString::fromUtf8(t::kVisualizadas); }

namespace {

// The run's two optional outputs besides the grid.
class Salidas {
public:
    Salidas(Modulo& m, const ui::Entorno& e, const Criterios& c, const std::int16_t& posRecorrido) : m_(m) {
        // A file that cannot be opened is reported; the run goes on without it.
        if (c.guardar) {
            csv_.emplace(m.Ficheros(), m.CarpetaFd());
            if (const Fallo f = csv_->Abre()) {
                m.AvisaCsv(f);
                csv_.reset();
            }
        }
        if (c.imprimir) {
            impresora_ = e.impresoras.Abre();
            informe_.emplace(m, *impresora_, posRecorrido);
            informe_->Prepara();
        }
    }
    Informe* informe() { return informe_ ? &*informe_ : nullptr; }

    void Lista(double f, const RegDatos& d) {
        if (csv_) csv_->Linea(f, d);
        if (informe_) informe_->ImprimirLinea();
    }
    // Criteria refused: "vyr.csv" left empty, the printer's font put back.
    void Parada() {
        ConfirmaCsv();
        if (informe_) informe_->DevuelveFuente();
    }
    // A record could not be read: nothing of the run is kept.
    void Anula() {
        if (csv_) csv_->Descarta();
        if (informe_) {
            impresora_->Anula();
            informe_->DevuelveFuente();
        }
    }
    ui::Printer::Aviso Cierra() {
        ConfirmaCsv();
        ui::Printer::Aviso aviso;
        if (informe_) informe_->CerrarImpresora(aviso);
        return aviso;
    }

private:
    void ConfirmaCsv() {
        if (!csv_) return;
        if (const Fallo f = csv_->Confirma()) m_.AvisaCsv(f);
        csv_.reset();
    }

    Modulo& m_;
    std::optional<EscritorCsv> csv_;
    std::unique_ptr<ui::Printer> impresora_;
    std::optional<Informe> informe_;
};

void LlenaFila(ModeloFG& g, int fila, double f, const RegDatos& d) {
    g.SetTextMatrix(fila, 0, ui::DeCp1252(TextoPantalla(f)));
    g.SetTextMatrix(fila, 1, ui::DeCp1252(d.Descripcion.Texto()));
    g.SetTextMatrix(fila, 2, ui::DeCp1252(d.Servicio.Texto()));
    g.SetTextMatrix(fila, 3, ui::DeCp1252(d.Modo.Texto()));
    g.SetTextMatrix(fila, 4, ui::DeCp1252(d.Fecha.Texto()));
    g.SetTextMatrix(fila, 5, ui::DeCp1252(d.Observaciones.Texto()));
}

}  // namespace

bool Consulta::Realiza(const Criterios& c, const CompruebaRango& rango) {
    Salidas salidas(m_, e_, c, PosRecorrido);

    double frec1 = 0, frec2 = 0;
    const bool sinTextos =
        c.busDes.isEmpty() && c.busSer.isEmpty() && c.busMod.isEmpty() && c.busObs.isEmpty();
    if ((c.modo == Modo::Entre && !rango(frec1, frec2)) || (c.modo == Modo::Buscar && sinTextos) ||
        // A failed sort has been reported; listing an index of unknown
        // order would end the range walk at the wrong place.
        (m_.CambioIndice && !m_.OrdenaIndice())) {
        salidas.Parada();
        return false;
    }
    // The all mode's header comes with its first line.
    if (salidas.informe() && c.modo != Modo::Todo) salidas.informe()->ImprimirCabecera();

    // The results window is loaded at its first use, and its grid is filled
    // without telling the view until the walk is over.
    ui::Ventana<frmVisualizar> ventana([] { return new frmVisualizar; });
    auto celdas = [&]() -> ModeloFG& {
        const bool nueva = !ventana.Cargada();
        ModeloFG& g = ventana->Celdas();
        if (nueva) g.BeginFill();
        return g;
    };

    int n = 0;
    for (int i = 1; i <= m_.NumFrec; ++i) {
        PosRecorrido = static_cast<std::int16_t>(i);
        const double f = m_.TablaFrec[static_cast<std::size_t>(i)];
        const Paso paso = PasoDe(c.modo, f, frec1, frec2);
        if (paso == Paso::Termina) break;
        if (paso == Paso::Salta) continue;
        if (!m_.LeeDatos(m_.RegistroDe(i))) {
            salidas.Anula();  // told; a listing with holes would look complete
            return false;
        }
        if (c.modo == Modo::Buscar && !Seleccionado(c, m_.BufDatos)) continue;
        ++n;
        ModeloFG& g = celdas();
        g.SetRows(n + 2);
        LlenaFila(g, n, f, m_.BufDatos);
        salidas.Lista(f, m_.BufDatos);
    }

    ModeloFG& g = celdas();
    ventana->txtNumReg->setText(TextoCuenta(n));
    const ui::Printer::Aviso aviso = salidas.Cierra();
    if (g.Rows() < 24) g.SetRows(24);
    g.EndFill();
    ventana->exec();
    ventana.Descarga();
    if (!aviso.texto.empty())
        e_.mensajes.Muestra(aviso.texto, aviso.titulo, ui::Botones::Ok,
                            aviso.critico ? ui::Icono::Critico : ui::Icono::Ninguno);
    // The caller unloads the query window.
    return true;
}

bool RangoAceptado(double frec1, double frec2) { return !(frec1 <= 0 || frec1 >= frec2 || frec2 <= 0); }

}  // namespace vyr::consulta
