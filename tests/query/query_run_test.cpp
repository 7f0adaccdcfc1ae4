// The query run through its window: what the grid lists in each mode, the
// count, "vyr.csv", the lines sent to the printer, and the runs that stop.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <functional>

#include "informes.h"
#include "support/faulty_file_system.h"

namespace vyr::test {
namespace {

using Opcion = QRadioButton* frmConsultar::*;  // none: the search mode
const Opcion kTodo = &frmConsultar::optVerTodo, kEntre = &frmConsultar::optVerEntre;

// What is asked in the query window.
struct Pide {
    Opcion modo = nullptr;
    const char *f1 = "", *f2 = "", *busca = "";
    bool guarda = false, imprime = false;
};

using RunTest = VentanasTest;

struct Corrida {
    const char* nombre;
    std::vector<Fila> filas;
    Pide pide;
    int listadas;  // -1: the run stops and the query window stays for another try
    int filasGrid;
    std::vector<QString> esperadas;  // the last data rows listed, in order
    const char* csv = "previo\r\n";  // vyr.csv afterwards
    int impresas = -1;               // printed lines, when the run prints
    const char* mensaje = nullptr;   // the last message, when one is shown
    Falla falla = Falla::Ninguna;    // on the second record the walk reads
    std::function<void(Modulo&)> antes = nullptr;
    const char* leido = nullptr;  // the description of the record the store read last, when pinned
};

TEST_F(RunTest, EachModeListsItsRecordsInTheGridTheFileAndOnPaperOrStopsLeavingThemAsTheyWere) {
    const Corrida casos[] = {
        {"all: deleted slots skipped",
         {{7.1, "Radio Exterior", "Radiodifusi\xF3n", "AM", "051226", "Escuchada en Madrid"}, {0}, {0},
          {9.5, "Otra", "BC", "FM"}},
         {kTodo}, 2, 24,
         {QString::fromUtf8("7,100.000|Radio Exterior|Radiodifusión|AM|051226|Escuchada en Madrid"),
          "9,500.000|Otra|BC|FM||"}},
        {"all: 23 add a row", Emisoras(23), {kTodo}, 23, 25, {"23,000.000|Emisora 23|BC|AM||"}},
        {"a changed index is sorted first", {{7.5, "b"}, {7.0, "a"}, {7.1, "c"}},
         {.modo = kEntre, .f1 = "6", .f2 = "7.2"}, 2, 24, {"7,000.000|a||||", "7,100.000|c||||"}, "previo\r\n", -1,
         nullptr, Falla::Ninguna,
         [](Modulo& mo) {
             mo.CambioIndice = true;  // as an addition leaves it
             mo.FrecActual = 7.5;
             mo.PosFrec = 1;  // no longer the slot of 7.5 once sorted, as after any sort
         },
         "c"},  // the walk ended at 7.5 unread
        {"search saved and printed",
         {{7.1, "Radio Exterior   x", "Radiodifusi\xF3n", "AM", "051226", "Escuchada en Madrid"},
          {0},
          {145.8, "  Repetidor", "", "FM"},
          {0.0012345, "Baliza"}},
         {.busca = "i", .guarda = true, .imprime = true}, 3, 24, {"0,001.235|Baliza||||"},
         "7100000;Radio Exterior   x;Radiodifusi\xF3n;AM;051226;Escuchada en Madrid\r\n"
         "145800000;  Repetidor;;FM;;\r\n"
         "1234.5;Baliza;;;;\r\n",
         3 + 3},  // the header, then the three
        // The range prints its header even with nothing listed; all prints nothing.
        {"range printed, none in it", {{7.0, "a"}}, {.modo = kEntre, .f1 = "8", .f2 = "9", .imprime = true}, 0, 24, {},
         "previo\r\n", 3},
        {"all printed, none live", {{0}}, {.modo = kTodo, .imprime = true}, 0, 24, {}, "previo\r\n", 0},
        // Runs that stop: an early one leaves "vyr.csv" empty, a failed walk leaves it as it was.
        {"search without texts", Emisoras(3), {.guarda = true, .imprime = true}, -1, 0, {}, "", 0},
        {"range refused", Emisoras(3), {.modo = kEntre, .f1 = "7.2", .f2 = "7.1", .guarda = true, .imprime = true},
         -1, 0, {}, "", 0, "Frecuencia-2 menor que frecuencia-1"},
        {"a record that cannot be read", Emisoras(3), {.modo = kTodo, .guarda = true, .imprime = true}, -1, 0, {},
         "previo\r\n", 3 + 1, "No se puede leer datos.vyr\nError de entrada/salida en el disco.", Falla::Lectura},
        // Last, as it leaves a folder behind: a file that cannot be made is told, and the run goes on.
        {"saved over a folder", {{7.0, "a"}}, {.modo = kTodo, .guarda = true}, 1, 24, {"7,000.000|a||||"}, "", -1,
         "No se puede escribir vyr.csv\nEn su lugar hay una carpeta.", Falla::Ninguna, [this](Modulo&) {
             QFile::remove(tmp.path() + "/vyr.csv");
             ASSERT_TRUE(QDir(tmp.path()).mkdir("vyr.csv"));
         }},
    };
    for (const Corrida& k : casos) {
        SCOPED_TRACE(k.nombre);
        FaultyFileSystem disco;
        fs = &disco;
        impresoras = FakePrinterFactory();
        impresoras.fuente = "Times";  // to be put back
        impresoras.puntos = 12;
        descargas = 0;
        Arranca(k.filas);
        Pon("vyr.csv", "previo\r\n");
        frmConsultar& v = Consulta();
        if (k.pide.modo) (v.*k.pide.modo)->setChecked(true);
        v.txtFrecu1->setText(k.pide.f1);
        v.txtFrecu2->setText(k.pide.f2);
        v.txtBusDes->setText(k.pide.busca);
        v.chkGuardar->setChecked(k.pide.guarda);
        v.chkImprimir->setChecked(k.pide.imprime);
        disco.Vigila(tmp.path().toStdString());
        disco.Arma(k.falla, 2);
        m->FrecActual = 123.0;
        m->PosFrec = 3;
        if (k.antes) k.antes(*m);
        const double frec = m->FrecActual;
        const int pos = m->PosFrec;
        const Resultado r = Realiza();
        const bool corre = k.listadas >= 0;
        ASSERT_EQ(r.mostrado, corre) << "a listing with a hole in it";
        if (corre) {
            EXPECT_EQ(r.cabecera, QStringList({"Frecuencia (MHz)", QString::fromUtf8("Descripción"), "Servicio",
                                               "Modo", "Fecha", "Observaciones"}));
            EXPECT_EQ(r.etiqueta, QStringLiteral(" %1 frecuencias visualizadas").arg(k.listadas));
            EXPECT_EQ(r.filas, k.filasGrid);
            const int desde = k.listadas - int(k.esperadas.size()) + 1;
            for (std::size_t i = 0; i < k.esperadas.size(); ++i) EXPECT_EQ(r.Fila(desde + int(i)), k.esperadas[i]);
            for (int i = k.listadas + 1; i < r.filas; ++i) EXPECT_EQ(r.Fila(i), "|||||") << i;
            if (k.listadas > 0) {  // cells hold the fields at full width
                EXPECT_EQ(r.celdas[1][1].size(), 40);
                EXPECT_EQ(r.celdas[1][5].size(), 230);
            }
            EXPECT_TRUE(r.focoEnCerrar);
            EXPECT_TRUE(r.soloLectura);
        }
        // Unloaded after a run; after a stop, there for another try as it was.
        EXPECT_EQ(descargas, corre ? 1 : 0);
        EXPECT_EQ(v.isHidden(), corre);
        EXPECT_TRUE(corre || v.chkGuardar->isChecked());
        ASSERT_EQ(msg.vistos.size(), k.mensaje ? 1u : 0u);
        if (k.mensaje) {
            EXPECT_EQ(msg.vistos[0].texto, k.mensaje);
        }
        EXPECT_EQ(m->FrecActual, frec);
        EXPECT_EQ(m->PosFrec, pos);
        EXPECT_FALSE(m->CambioIndice);
        EXPECT_EQ(Bytes("vyr.csv"), k.csv);
        EXPECT_FALSE(QFile::exists(QString::fromStdString(Ruta("vyr.csv.nuevo"))));
        EXPECT_EQ(impresoras.abiertas, k.impresas < 0 ? 0 : 1);
        // The report's own font on every line, the printer's put back after.
        // Texts, colours and page breaks are checked on real output.
        if (k.impresas >= 0) {
            EXPECT_EQ(int(impresoras.Lineas().size()), k.impresas);
            EXPECT_EQ(impresoras.modo, ui::ModoColor::Color);
            EXPECT_EQ(impresoras.lineas_por_pagina, 83);
        }
        // A run ends its document and a failed walk withdraws it.
        if (k.impresas >= 0 && (corre || k.falla != Falla::Ninguna)) {
            ASSERT_FALSE(impresoras.impreso.empty());
            EXPECT_EQ(impresoras.impreso.back().tipo, corre ? Impreso::Fin : Impreso::Anulado);
        }
        for (const Impreso& i : impresoras.impreso) {
            if (i.tipo != Impreso::Linea) continue;
            EXPECT_EQ(i.fuente, "Courier New");
            EXPECT_EQ(i.puntos, 9);
        }
        EXPECT_EQ(impresoras.fuente, "Times");
        EXPECT_EQ(impresoras.puntos, 12);
        if (k.leido) {
            EXPECT_EQ(m->BufDatos.Descripcion.SinEspaciosFinales(), k.leido);
        }
        Suelta();
        fs = &SistemaPosix();
    }
}

}  // namespace
}  // namespace vyr::test
