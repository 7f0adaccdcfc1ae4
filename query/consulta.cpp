#include "query/consulta.h"

#include <QLabel>
#include <QLocale>
#include <memory>
#include <optional>

#include "main_window/frequency_text.h"
#include "query/frm_visualizar.h"
#include "query/informe.h"
#include "query/query_texts.h"
#include "store/csv.h"
#include "ui/texto.h"
#include "ui/ventana.h"

namespace vyr::consulta {

namespace t = textos_consulta;

namespace {

bool Contiene(const QString& caja, const std::string& campo, const QLocale& l) {
    return !caja.isEmpty() && l.toUpper(ui::DeCp1252(campo)).contains(l.toUpper(caja));
}

}  // namespace

bool Coincide(const Criterios& c, const RegDatos& d) {
    const QLocale l;
    return Contiene(c.busDes, d.Descripcion.Texto(), l) ||
           Contiene(c.busSer, d.Servicio.Texto(), l) || Contiene(c.busMod, d.Modo.Texto(), l) ||
           Contiene(c.busObs, d.Observaciones.Texto(), l);
}

bool Consulta::Realiza(const Criterios& c, const CompruebaRango& rango) {
    auto avisaCsv = [this] {
        e_.mensajes.Muestra(t::kNoEscribirCsv, t::kTituloSalvar, ui::Botones::Ok,
                            ui::Icono::Critico);
    };

    // 1. File. A file that cannot be opened is reported; the run goes on without it.
    std::optional<EscritorCsv> csv;
    if (c.guardar) {
        csv.emplace(m_.Ficheros(), m_.CarpetaFd());
        if (csv->Abre() != 0) {
            avisaCsv();
            csv.reset();
        }
    }

    // 2. Printer.
    std::unique_ptr<ui::Printer> impresora;
    std::optional<Informe> informe;
    if (c.imprimir) {
        impresora = e_.impresoras.Abre();
        informe.emplace(m_, *impresora, PosRecorrido);
        informe->Prepara();
    }

    // 4. Early stop: the file closed empty, the printer's font put back.
    auto parada = [&] {
        if (csv && csv->Cierra() != 0) avisaCsv();
        if (informe) informe->DevuelveFuente();
        return false;
    };

    // 3. Mode and checks.
    double frec1 = 0, frec2 = 0;
    if (c.modo == Modo::Entre && !rango(frec1, frec2)) return parada();
    if (c.modo == Modo::Buscar && c.busDes.isEmpty() && c.busSer.isEmpty() &&
        c.busMod.isEmpty() && c.busObs.isEmpty())
        return parada();

    // 5. Sort. A failed sort has been reported; listing an index of unknown
    // order would end the range walk at the wrong place.
    if (m_.CambioIndice && !m_.OrdenaIndice()) return parada();

    // 6. Report header of the range and search modes.
    if (informe && c.modo != Modo::Todo) informe->ImprimirCabecera();

    // The results window is loaded at its first use, and its grid is filled
    // without telling the view until the walk is over.
    ui::Ventana<frmVisualizar> ventana([] { return new frmVisualizar; });
    auto celdas = [&]() -> ModeloFG& {
        const bool nueva = !ventana.Cargada();
        ModeloFG& g = ventana->Celdas();
        if (nueva) g.BeginFill();
        return g;
    };

    // 7. Walk.
    std::int16_t n = 0;
    auto lista = [&](double f) {
        ++n;
        ModeloFG& g = celdas();
        g.SetRows(n + 2);
        g.SetTextMatrix(n, 0, ui::DeCp1252(TextoPantalla(f)));
        const RegDatos& d = m_.BufDatos;
        g.SetTextMatrix(n, 1, ui::DeCp1252(d.Descripcion.Texto()));
        g.SetTextMatrix(n, 2, ui::DeCp1252(d.Servicio.Texto()));
        g.SetTextMatrix(n, 3, ui::DeCp1252(d.Modo.Texto()));
        g.SetTextMatrix(n, 4, ui::DeCp1252(d.Fecha.Texto()));
        g.SetTextMatrix(n, 5, ui::DeCp1252(d.Observaciones.Texto()));
        if (csv) csv->Linea(f, d);
        if (informe) informe->ImprimirLinea();
    };
    for (int i = 1; i <= m_.NumFrec; ++i) {
        PosRecorrido = static_cast<std::int16_t>(i);
        const double f = m_.TablaFrec[static_cast<std::size_t>(i)];
        const int reg = m_.TablaReg[static_cast<std::size_t>(i)];
        if (c.modo == Modo::Todo) {
            if (!(f > 0)) continue;
            m_.LeeDatos(reg);
            lista(f);
        } else if (c.modo == Modo::Entre) {
            if (!(f > 0)) continue;
            if (f >= frec2) break;
            if (f < frec1) continue;
            m_.LeeDatos(reg);
            lista(f);
        } else {
            m_.LeeDatos(reg);
            if (!Coincide(c, m_.BufDatos)) continue;
            if (c.escuchadas && QString::fromLatin1(m_.BufDatos.Fecha.Texto()).trimmed().isEmpty())
                continue;
            lista(f);
        }
    }

    // 8. Count.
    ModeloFG& g = celdas();
    ventana->txtNumReg->setText(QStringLiteral(" %1").arg(n) + QString::fromUtf8(t::kVisualizadas));
    // 9. File.
    if (csv && csv->Cierra() != 0) avisaCsv();
    // 10. Printer.
    ui::Printer::Aviso aviso;
    if (informe) informe->CerrarImpresora(aviso);
    // 11. At least 24 rows.
    if (g.Rows() < 24) g.SetRows(24);
    g.EndFill();
    // 12. Shown modally until "Cerrar" or its close box.
    ventana->exec();
    ventana.Descarga();
    if (!aviso.texto.empty())
        e_.mensajes.Muestra(aviso.texto, aviso.titulo, ui::Botones::Ok,
                            aviso.critico ? ui::Icono::Critico : ui::Icono::Ninguno);
    // 13. The caller unloads the query window.
    return true;
}

}  // namespace vyr::consulta
