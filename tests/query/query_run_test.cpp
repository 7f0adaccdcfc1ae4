// The query run through its window: what the grid lists in each mode, the
// count, "vyr.csv", the lines sent to the printer, and the runs that stop.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <functional>

#include "support/faulty_file_system.h"
#include "support/ventanas_fixture.h"

namespace vyr::test {
namespace {

std::vector<Fila> Vivas(int n) {
    std::vector<Fila> r;
    for (int i = 1; i <= n; ++i) r.push_back({i * 1.0, "Emisora " + std::to_string(i), "BC", "AM"});
    return r;
}

using RunTest = VentanasTest;

struct Listado {
    const char* nombre;
    std::vector<Fila> filas;
    std::function<void(Modulo&, frmConsultar&)> pide;
    int listadas, filasGrid;
    std::vector<QString> esperadas;  // the last data rows listed, in order
    const char* csv = nullptr;       // vyr.csv afterwards, when the run saves
    int impresas = -1;               // printed lines, when the run prints
    const char* leido = nullptr;     // the description of the record the store read last, when pinned
};

void Todo(Modulo&, frmConsultar& v) { v.optVerTodo->setChecked(true); }

TEST_F(RunTest, EachModeListsItsRecordsInTheGridTheFileAndOnPaper) {
    const auto busca = [](const char* t, bool guarda = false, bool imprime = false) {
        return [=](Modulo&, frmConsultar& v) {
            v.txtBusDes->setText(t);
            v.chkGuardar->setChecked(guarda);
            v.chkImprimir->setChecked(imprime);
        };
    };
    const auto entre = [](const char* f1, const char* f2, bool imprime = false) {
        return [=](Modulo&, frmConsultar& v) {
            v.optVerEntre->setChecked(true);
            v.txtFrecu1->setText(f1);
            v.txtFrecu2->setText(f2);
            v.chkImprimir->setChecked(imprime);
        };
    };
    const Listado casos[] = {
        {"all: deleted slots skipped",
         {{7.1, "Radio Exterior", "Radiodifusi\xF3n", "AM", "051226", "Escuchada en Madrid"}, {0}, {0},
          {9.5, "Otra", "BC", "FM"}},
         Todo, 2, 24,
         {QString::fromUtf8("7,100.000|Radio Exterior|Radiodifusión|AM|051226|Escuchada en Madrid"),
          "9,500.000|Otra|BC|FM||"}},
        {"all: nothing stored", {}, Todo, 0, 24, {}},
        {"all: 22 fill the grid", Vivas(22), Todo, 22, 24, {"22,000.000|Emisora 22|BC|AM||"}},
        {"all: 23 add a row", Vivas(23), Todo, 23, 25, {"23,000.000|Emisora 23|BC|AM||"}},
        {"all: 5000", Vivas(5000), Todo, 5000, 5002, {"5.000,000.000|Emisora 5000|BC|AM||"}},
        // After a bigger grid, the next run's window is a fresh one.
        {"search after a big run", Vivas(30), busca("Emisora 7"), 1, 24, {"7,000.000|Emisora 7|BC|AM||"}},
        {"all: the range boxes are not checked", {{7.0, "a"}},
         [](Modulo&, frmConsultar& v) {
             v.txtFrecu1->setText("abc");
             v.txtFrecu2->setText("xyz");
             v.optVerTodo->setChecked(true);
         },
         1, 24, {"7,000.000|a||||"}},
        {"a changed index is sorted first",
         {{7.5, "b"}, {7.0, "a"}},
         [&entre](Modulo& mo, frmConsultar& v) {
             mo.FrecActual = 7.1;
             mo.BuscaFrecuencia();
             ASSERT_TRUE(mo.AltaRegistro("c", "", "", "", ""));
             ASSERT_TRUE(mo.CambioIndice);
             mo.FrecActual = 7.5;
             mo.PosFrec = 1;  // no longer the slot of 7.5 once sorted, as after any sort
             entre("6", "7.2")(mo, v);
         },
         2, 24, {"7,000.000|a||||", "7,100.000|c||||"}, nullptr, -1, "c"},  // the walk ended at 7.5 unread
        {"search saved: the export's lines",
         {{7.1, "Radio Exterior   x", "Radiodifusi\xF3n", "AM", "051226", "Escuchada en Madrid"},
          {0},
          {145.8, "  Repetidor", "", "FM"},
          {0.0012345, "Baliza"}},
         busca("i", true), 3, 24, {"0,001.235|Baliza||||"},
         "7100000;Radio Exterior   x;Radiodifusi\xF3n;AM;051226;Escuchada en Madrid\r\n"
         "145800000;  Repetidor;;FM;;\r\n"
         "1234.5;Baliza;;;;\r\n"},
        // Range and search print their header even with nothing listed; all prints nothing.
        {"range printed, none in it", {{7.0, "a"}}, entre("8", "9", true), 0, 24, {}, nullptr, 3},
        {"search printed, none found", {{7.0, "a"}}, busca("zzz", false, true), 0, 24, {}, nullptr, 3},
        {"all printed, none live", {{0}}, [](Modulo&, frmConsultar& v) {
             v.optVerTodo->setChecked(true);
             v.chkImprimir->setChecked(true);
         }, 0, 24, {}, nullptr, 0},
    };
    for (const Listado& k : casos) {
        SCOPED_TRACE(k.nombre);
        Suelta();
        impresoras = FakePrinterFactory();
        descargas = 0;
        Arranca(k.filas);
        Pon("vyr.csv", "old contents that must go\r\n");
        m->FrecActual = 123.0;
        m->PosFrec = 3;
        frmConsultar& v = Consulta();
        k.pide(*m, v);
        const double frec = m->FrecActual;
        const int pos = m->PosFrec;
        const Resultado r = Realiza();
        ASSERT_TRUE(r.mostrado);
        EXPECT_EQ(r.titulo, "VYR - Visualizar");
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
        EXPECT_EQ(descargas, 1);  // the query window is unloaded after the run
        EXPECT_TRUE(v.isHidden());
        EXPECT_TRUE(msg.vistos.empty());
        EXPECT_EQ(m->FrecActual, frec);
        EXPECT_EQ(m->PosFrec, pos);
        EXPECT_FALSE(m->CambioIndice);
        EXPECT_EQ(Bytes("vyr.csv"), k.csv ? k.csv : "old contents that must go\r\n");
        EXPECT_EQ(impresoras.abiertas, k.impresas < 0 ? 0 : 1);
        if (k.impresas >= 0) {
            EXPECT_EQ(int(impresoras.Lineas().size()), k.impresas);
            EXPECT_EQ(impresoras.impreso.back().tipo, Impreso::Fin);
        }
        if (k.leido) {
            EXPECT_EQ(m->BufDatos.Descripcion.SinEspaciosFinales(), k.leido);
        }
    }
}

TEST_F(RunTest, PrintedLinesKeepTheirFontAndColourAndThePrintersFontIsPutBack) {
    std::vector<Fila> filas = Vivas(81);
    filas[0] = {7.1, "Radio Exterior", "BC", "AM", "051226", "Escuchada en Madrid"};
    Arranca(filas);
    Todo(*m, Consulta());
    consultar->chkImprimir->setChecked(true);
    ASSERT_TRUE(Realiza().mostrado);
    const auto& p = impresoras.impreso;
    // Header, 80 lines, page, header, one line, end.
    ASSERT_EQ(p.size(), 3u + 80u + 1u + 3u + 1u + 1u);
    EXPECT_EQ(p[3].texto,
              "         7,100.000 Radio Exterior                           BC                 AM     051226 Escuchada");
    for (std::size_t k : {0u, 1u, 2u, 84u, 85u, 86u}) EXPECT_EQ(p[k].color, 0x000000u) << k;
    EXPECT_EQ(p[83].tipo, Impreso::Pagina);
    for (std::size_t k = 3; k < 88; k += (k == 82 ? 5 : 1)) {
        EXPECT_EQ(p[k].color, (k - 3) % 2 == 0 ? 0x000080u : 0x008000u) << k;
        EXPECT_EQ(p[k].fuente, "Courier New");
        EXPECT_EQ(p[k].puntos, 9);
    }
    EXPECT_EQ(p[88].tipo, Impreso::Fin);
    EXPECT_EQ(impresoras.modo, ui::ModoColor::Color);
    EXPECT_EQ(impresoras.lineas_por_pagina, 83);
    EXPECT_EQ(impresoras.fuente, "Arial");
    EXPECT_EQ(impresoras.puntos, 10);
}

TEST_F(RunTest, RunsThatStopKeepTheFileThePrinterAndTheWindowAsTheyWere) {
    struct Caso {
        const char* nombre;
        bool rango;
        Falla falla;  // on the second record the walk reads
        const char* mensaje;
        const char* csv;  // an early stop leaves the file empty; a failed walk as it was
    };
    const Caso casos[] = {
        {"search without texts", false, Falla::Ninguna, nullptr, ""},
        {"range refused", true, Falla::Ninguna, "Frecuencia-2 menor que frecuencia-1", ""},
        {"a record that cannot be read", false, Falla::Lectura,
         "No se puede leer datos.vyr\nError de entrada/salida en el disco.", "previo\r\n"},
    };
    for (const Caso& k : casos) {
        SCOPED_TRACE(k.nombre);
        Suelta();
        FaultyFileSystem disco;
        fs = &disco;
        impresoras = FakePrinterFactory();
        impresoras.fuente = "Times";
        impresoras.puntos = 12;
        descargas = 0;
        Arranca(Vivas(3));
        Pon("vyr.csv", "previo\r\n");
        disco.Vigila(tmp.path().toStdString());
        frmConsultar& v = Consulta();
        v.optVerEntre->setChecked(k.rango);
        if (k.falla != Falla::Ninguna) v.optVerTodo->setChecked(true);
        v.txtFrecu1->setText("7.2");
        v.txtFrecu2->setText("7.1");
        v.chkGuardar->setChecked(true);
        v.chkImprimir->setChecked(true);
        if (k.falla != Falla::Ninguna) disco.Arma(k.falla, 2);
        EXPECT_FALSE(Realiza().mostrado) << "a listing with a hole in it";
        EXPECT_EQ(disco.Fallado(), k.falla != Falla::Ninguna);
        if (k.mensaje) {
            ASSERT_FALSE(msg.vistos.empty());
            EXPECT_EQ(msg.vistos.back().texto, k.mensaje);
        } else {
            EXPECT_TRUE(msg.vistos.empty());
        }
        EXPECT_EQ(Bytes("vyr.csv"), k.csv);
        EXPECT_FALSE(QFile::exists(QString::fromStdString(Ruta("vyr.csv.nuevo"))));
        EXPECT_EQ(impresoras.fuente, "Times");
        EXPECT_EQ(impresoras.puntos, 12);
        if (k.falla == Falla::Ninguna) {
            EXPECT_TRUE(impresoras.Lineas().empty());
        } else {
            ASSERT_FALSE(impresoras.impreso.empty());
            EXPECT_EQ(impresoras.impreso.back().tipo, Impreso::Anulado);
        }
        EXPECT_EQ(descargas, 0);  // the query window stays for another try
        EXPECT_TRUE(v.isVisible());
        EXPECT_TRUE(v.chkGuardar->isChecked());
        EXPECT_EQ(v.txtFrecu1->text(), k.rango ? "" : "7.2");
        // The file was closed: the export can write it now.
        if (k.falla != Falla::Ninguna) disco.Arma(Falla::Ninguna, 0);
        EXPECT_TRUE(m->SalvarDatos());
        EXPECT_EQ(Bytes("vyr.csv"),
                  "1000000;Emisora 1;BC;AM;;\r\n2000000;Emisora 2;BC;AM;;\r\n3000000;Emisora 3;BC;AM;;\r\n");
        Suelta();
        fs = &SistemaPosix();
    }
}

TEST_F(RunTest, AnUnwritableFileIsReportedAndTheGridStillShown) {
    Arranca({{7.0, "a"}});
    ASSERT_TRUE(QDir(tmp.path()).mkdir("vyr.csv"));  // a folder where the file should go
    Todo(*m, Consulta());
    consultar->chkGuardar->setChecked(true);
    EXPECT_TRUE(Realiza().mostrado);
    ASSERT_EQ(msg.vistos.size(), 1u);
    EXPECT_EQ(msg.vistos[0].texto, "No se puede escribir vyr.csv\nEn su lugar hay una carpeta.");
    EXPECT_EQ(msg.vistos[0].titulo, "Salvar datos");
    EXPECT_EQ(msg.vistos[0].icono, ui::Icono::Critico);
}

}  // namespace
}  // namespace vyr::test
