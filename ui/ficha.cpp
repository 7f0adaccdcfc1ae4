#include "ui/ficha.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/accesible.h"
#include "ui/cajas.h"
#include "ui/caja_multilinea.h"
#include "ui/controles.h"
#include "ui/twips.h"

namespace vyr::ui {

namespace {

// The captions the card and the editor share (UTF-8).
constexpr const char* kFrec = "Frec.:";
constexpr const char* kDescripcion = "Descripción:";
constexpr const char* kServicio = "Servicio:";
constexpr const char* kModo = "Modo:";
constexpr const char* kFecha = "Fecha:";
constexpr const char* kFechaHoy = "Fecha hoy";
constexpr const char* kObservaciones = "Observaciones:";

QLabel* Etiqueta(QWidget* padre, const char* nombre, QRect r, const char* texto) {
    auto* l = Control<QLabel>(padre, nombre, r, Verdana(9));
    l->setText(QString::fromUtf8(texto));
    return l;
}

}  // namespace

Ficha CreaFicha(QWidget* padre, const DisenoFicha& d) {
    const QString p = QString::fromLatin1(d.prefijo);
    const auto nombre = [&](const char* tipo, const char* campo) {
        return (QLatin1String(tipo) + p + QLatin1String(campo)).toLatin1();
    };
    const int y1 = d.arriba, y2 = d.arriba + 600, y3 = d.arriba + 1200, y4 = d.arriba + 1560;
    const QFont f9 = Verdana(9);
    Ficha f{};
    f.Label4 = Etiqueta(padre, "Label4", RectTwips(240, y1, 1215, 255), kFrec);
    f.frecu = Control<CajaTexto>(padre, nombre("txt", "Frecu").constData(),
                                 RectTwips(840, y1, d.anchoFrecu, 285), Verdana(8.25, d.frecuNegrita));
    f.frecu->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f.Label5 = Etiqueta(padre, "Label5", RectTwips(2760, y1, 1215, 255), kDescripcion);
    f.descri = Control<CajaTexto>(padre, nombre("txt", "Descri").constData(),
                                  RectTwips(3960, y1, 4335, 285), f9);
    f.Label6 = Etiqueta(padre, "Label6", RectTwips(240, y2, 855, 255), kServicio);
    f.servi = Control<CajaTexto>(padre, nombre("txt", "Servi").constData(),
                                 RectTwips(1080, y2, 1935, 285), f9);
    f.Label7 = Etiqueta(padre, "Label7", RectTwips(3360, y2, 615, 255), kModo);
    f.modo = Control<CajaTexto>(padre, nombre("txt", "Modo").constData(), RectTwips(3960, y2, 735, 285), f9);
    f.modo->setAlignment(Qt::AlignCenter);
    f.Label8 = Etiqueta(padre, "Label8", RectTwips(5040, y2, 735, 255), kFecha);
    f.fecha = Control<CajaTexto>(padre, nombre("txt", "Fecha").constData(), RectTwips(5760, y2, 855, 285), f9);
    f.fecha->setAlignment(Qt::AlignCenter);
    f.actFecha = Control<Boton>(padre, nombre("cmd", "ActFecha").constData(),
                                      RectTwips(6720, y2, 1455, 255), Verdana(8.25));
    f.actFecha->setText(QString::fromUtf8(kFechaHoy));
    f.Label9 = Etiqueta(padre, "Label9", RectTwips(240, y3, 1695, 255), kObservaciones);
    f.observa = Control<CajaMultilinea>(padre, nombre("txt", "Observa").constData(),
                                        RectTwips(360, y4, 7815, 735), f9);
    Rotula(f.Label4, f.frecu);
    Rotula(f.Label5, f.descri);
    Rotula(f.Label6, f.servi);
    Rotula(f.Label7, f.modo);
    Rotula(f.Label8, f.fecha);
    Rotula(f.Label9, f.observa);
    return f;
}

void CopiaFicha(const Ficha& de, const Ficha& a) {
    a.frecu->setText(de.frecu->text());
    a.descri->setText(de.descri->text());
    a.servi->setText(de.servi->text());
    a.modo->setText(de.modo->text());
    a.fecha->setText(de.fecha->text());
    a.observa->setText(de.observa->text());
}

}  // namespace vyr::ui
