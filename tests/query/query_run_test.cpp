// The query run over stores made for the purpose: the grid's rows and cells,
// the count, "vyr.csv", the lines sent to the printer, and the early stops.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

#include "main_window/frequency_text.h"
#include "query_fixture.h"
#include "support/faulty_file_system.h"
#include "ui/texto.h"

namespace vyr::test {
namespace {

QString Pantalla(double f) { return QString::fromStdString(TextoPantalla(f)); }

std::vector<Fila> Vivas(int n) {
    std::vector<Fila> r;
    for (int i = 1; i <= n; ++i) r.push_back({i * 1.0, "Emisora " + std::to_string(i), "BC", "AM"});
    return r;
}

class RunTest : public QueryTest {};

TEST_F(RunTest, AllModeSkipsDeletedSlotsAndFillsTheGrid) {
    Crea({{7.1, "Radio Exterior", "Radiodifusi\xF3n", "AM", "051226", "Escuchada en Madrid"},
          {0},
          {0},
          {9.5, "Otra", "BC", "FM"}});
    m->FrecActual = 123.0;
    m->PosFrec = 3;
    frmConsultar& v = Ventana();
    v.optVerTodo->setChecked(true);
    Resultado r = Realiza();
    ASSERT_TRUE(r.mostrado);
    EXPECT_EQ(r.titulo, "VYR - Visualizar");
    EXPECT_EQ(r.filas, 24);
    EXPECT_EQ(r.etiqueta, " 2 frecuencias visualizadas");
    EXPECT_EQ(r.Fila(1), QString::fromUtf8("7,100.000|Radio Exterior|Radiodifusión|AM|051226|Escuchada en Madrid"));
    EXPECT_EQ(r.Fila(2), "9,500.000|Otra|BC|FM||");
    for (int i = 3; i < 24; ++i) EXPECT_EQ(r.Fila(i), "|||||") << i;
    // Cells hold the fields at full width.
    EXPECT_EQ(r.celdas[1][1].size(), 40);
    EXPECT_EQ(r.celdas[1][5].size(), 230);
    EXPECT_EQ(r.cabecera, QStringList({"Frecuencia (MHz)", QString::fromUtf8("Descripción"), "Servicio",
                                       "Modo", "Fecha", "Observaciones"}));
    EXPECT_TRUE(r.focoEnCerrar);
    EXPECT_TRUE(r.soloLectura);
    EXPECT_EQ(descargas, 1);  // the query window is unloaded after the run
    EXPECT_TRUE(v.isHidden());
    EXPECT_EQ(m->FrecActual, 123.0);
    EXPECT_EQ(m->PosFrec, 3);
    EXPECT_TRUE(msg.vistos.empty());
    EXPECT_EQ(impresoras.abiertas, 0);
}

TEST_F(RunTest, RowCountFollowsTheListedRecords) {
    struct Caso {
        int vivas, filas;
    };
    for (const Caso c : {Caso{0, 24}, Caso{5, 24}, Caso{22, 24}, Caso{23, 25}, Caso{30, 32}, Caso{5000, 5002}}) {
        w.reset();
        m.reset();
        Crea(Vivas(c.vivas));
        Ventana().optVerTodo->setChecked(true);
        Resultado r = Realiza();
        ASSERT_TRUE(r.mostrado);
        EXPECT_EQ(r.filas, c.filas) << c.vivas;
        EXPECT_EQ(r.etiqueta, QStringLiteral(" %1 frecuencias visualizadas").arg(c.vivas));
        if (c.vivas > 0) {
            EXPECT_EQ(r.celdas[static_cast<std::size_t>(c.vivas)][0], Pantalla(c.vivas));
        }
        EXPECT_EQ(r.Fila(c.vivas + 1), "|||||") << c.vivas;
    }
}

TEST_F(RunTest, AChangedIndexIsSortedFirstAndCurrentFrequencyKept) {
    Crea({{7.5, "b"}, {7.0, "a"}});
    m->FrecActual = 7.1;
    m->BuscaFrecuencia();
    ASSERT_TRUE(m->AltaRegistro("c", "", "", "", ""));
    ASSERT_TRUE(m->CambioIndice);
    m->FrecActual = 7.5;
    m->PosFrec = 1;
    frmConsultar& v = Ventana();
    v.optVerEntre->setChecked(true);
    v.txtFrecu1->setText("6");
    v.txtFrecu2->setText("7.2");
    Resultado r = Realiza();
    ASSERT_TRUE(r.mostrado);
    EXPECT_EQ(r.etiqueta, " 2 frecuencias visualizadas");
    EXPECT_EQ(r.Fila(1), "7,000.000|a||||");
    EXPECT_EQ(r.Fila(2), "7,100.000|c||||");
    EXPECT_FALSE(m->CambioIndice);
    // The walk ended at 7.5 without reading its record.
    EXPECT_EQ(m->BufDatos.Descripcion.SinEspaciosFinales(), "c");
    EXPECT_EQ(m->FrecActual, 7.5);
    EXPECT_EQ(m->PosFrec, 1);  // no longer the slot of 7.5, as after any sort
}

TEST_F(RunTest, SavedResultsReplaceTheFileWithTheExportsLines) {
    Crea({{7.1, "Radio Exterior   x", "Radiodifusi\xF3n", "AM", "051226", "Escuchada en Madrid"},
          {0},
          {145.8, "  Repetidor", "", "FM"},
          {0.0012345, "Baliza"}});
    Pon("vyr.csv", "old contents that must go\r\n");
    frmConsultar& v = Ventana();
    v.txtBusDes->setText("i");
    v.chkGuardar->setChecked(true);
    Resultado r = Realiza();
    ASSERT_TRUE(r.mostrado);
    EXPECT_EQ(Bytes("vyr.csv"),
              "7100000;Radio Exterior   x;Radiodifusi\xF3n;AM;051226;Escuchada en Madrid\r\n"
              "145800000;  Repetidor;;FM;;\r\n"
              "1234.5;Baliza;;;;\r\n");
    EXPECT_TRUE(msg.vistos.empty());
}

TEST_F(RunTest, EarlyStopsLeaveTheFileEmptyTheFontAndTheWindowAsTheyWere) {
    struct Caso {
        const char* nombre;
        bool rango;
        int mensajes;
    };
    for (const Caso c : {Caso{"search without texts", false, 0}, Caso{"range refused", true, 1}}) {
        SCOPED_TRACE(c.nombre);
        Crea({{7.0, "a"}});
        Pon("vyr.csv", "7000000;a;;;;\r\n");
        impresoras = FakePrinterFactory();
        impresoras.fuente = "Times";
        impresoras.puntos = 12;
        descargas = 0;
        frmConsultar& v = Ventana();
        v.optVerEntre->setChecked(c.rango);
        v.txtFrecu1->setText("7.2");
        v.txtFrecu2->setText("7.1");
        v.chkGuardar->setChecked(true);
        v.chkImprimir->setChecked(true);
        Resultado r = Realiza();
        EXPECT_FALSE(r.mostrado);
        EXPECT_EQ(static_cast<int>(msg.vistos.size()), c.mensajes);
        msg.vistos.clear();
        EXPECT_EQ(Bytes("vyr.csv"), "");
        EXPECT_EQ(impresoras.fuente, "Times");
        EXPECT_EQ(impresoras.puntos, 12);
        EXPECT_TRUE(impresoras.Lineas().empty());
        EXPECT_EQ(descargas, 0);
        EXPECT_TRUE(v.isVisible());
        EXPECT_TRUE(v.chkGuardar->isChecked());
        EXPECT_EQ(v.txtFrecu1->text(), c.rango ? "" : "7.2");
        // The file was closed: the export can write it now.
        EXPECT_TRUE(m->SalvarDatos());
        EXPECT_EQ(Bytes("vyr.csv"), "7000000;a;;;;\r\n");
        msg.vistos.clear();
        w.reset();
        m.reset();
    }
}

TEST_F(RunTest, AnUnwritableFileIsReportedAndTheGridStillShown) {
    Crea({{7.0, "a"}});
    ASSERT_EQ(QDir(tmp.path()).mkdir("vyr.csv"), true);  // a folder where the file should go
    frmConsultar& v = Ventana();
    v.optVerTodo->setChecked(true);
    v.chkGuardar->setChecked(true);
    Resultado r = Realiza();
    EXPECT_TRUE(r.mostrado);
    ASSERT_EQ(msg.vistos.size(), 1u);
    EXPECT_EQ(msg.vistos[0].texto, "No se puede escribir vyr.csv\nEn su lugar hay una carpeta.");
    EXPECT_EQ(msg.vistos[0].titulo, "Salvar datos");
    EXPECT_EQ(msg.vistos[0].icono, ui::Icono::Critico);
}

TEST_F(RunTest, ARecordThatCannotBeReadEndsTheRunWithNothingKept) {
    FaultyFileSystem disco;
    fs = &disco;
    Crea(Vivas(3));
    Pon("vyr.csv", "previo\r\n");
    frmConsultar& v = Ventana();
    v.optVerTodo->setChecked(true);
    v.chkGuardar->setChecked(true);
    v.chkImprimir->setChecked(true);
    disco.Arma(Falla::Lectura, 2);  // the second record of the walk
    const Resultado r = Realiza();
    EXPECT_TRUE(disco.Fallado());
    EXPECT_FALSE(r.mostrado) << "a listing with a hole in it";
    ASSERT_EQ(msg.vistos.size(), 1u);
    EXPECT_EQ(msg.vistos[0].texto, "No se puede leer datos.vyr\nError de entrada/salida en el disco.");
    EXPECT_EQ(msg.vistos[0].icono, ui::Icono::Critico);
    EXPECT_EQ(Bytes("vyr.csv"), "previo\r\n");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Ruta("vyr.csv.nuevo"))));
    ASSERT_FALSE(impresoras.impreso.empty());
    EXPECT_EQ(impresoras.impreso.back().tipo, Impreso::Anulado);
    EXPECT_EQ(impresoras.fuente, "Arial");
    EXPECT_EQ(descargas, 0);  // the query window stays for another try
    w.reset();
    m.reset();
}

TEST_F(RunTest, PrintedLinesPagesColoursAndFontPutBack) {
    std::vector<Fila> filas = Vivas(81);
    filas[0] = {7.1, "Radio Exterior", "BC", "AM", "051226", "Escuchada en Madrid"};
    filas[1] = {123456789.5, "Larga", "BC", "AM", "", ""};
    Crea(filas);
    frmConsultar& v = Ventana();
    v.optVerTodo->setChecked(true);
    v.chkImprimir->setChecked(true);
    Resultado r = Realiza();
    ASSERT_TRUE(r.mostrado);
    const auto& p = impresoras.impreso;
    // All mode: the first line brings the header; the 81st line a new page and header.
    ASSERT_EQ(p.size(), 3u + 80u + 1u + 3u + 1u + 1u);
    const std::string cab =
        "   Frecuencia      Descripción                              Servicio           Modo   Fecha  Observaciones";
    const std::string raya =
        "   --------------- ---------------------------------------- ------------------ ------ ------ --------------";
    for (std::size_t base : {std::size_t(0), std::size_t(84)}) {
        EXPECT_EQ(p[base].texto, "");
        EXPECT_EQ(p[base + 1].texto, cab);
        EXPECT_EQ(p[base + 2].texto, raya);
        for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(p[base + k].color, 0x000000u);
    }
    EXPECT_EQ(p[83].tipo, Impreso::Pagina);
    EXPECT_EQ(p[3].texto,
              "         7,100.000 Radio Exterior                           BC                 AM     051226 Escuchada");
    EXPECT_EQ(p[3].texto.size(), 102u);
    EXPECT_EQ(p[4].texto.substr(0, 19), "23.456.789,500.000 ");
    EXPECT_EQ(p[4].texto.substr(60, 2), "BC");
    for (std::size_t k = 3; k < 83; ++k) {
        EXPECT_EQ(p[k].color, (k - 3) % 2 == 0 ? 0x000080u : 0x008000u) << k;
        EXPECT_EQ(p[k].fuente, "Courier New");
        EXPECT_EQ(p[k].puntos, 9);
    }
    EXPECT_EQ(p[87].texto.substr(0, 18), "        81,000.000");
    EXPECT_EQ(p[87].color, 0x000080u);
    EXPECT_EQ(p[88].tipo, Impreso::Fin);
    EXPECT_EQ(impresoras.modo, ui::ModoColor::Color);
    EXPECT_EQ(impresoras.lineas_por_pagina, 83);
    EXPECT_EQ(impresoras.fuente, "Arial");
    EXPECT_EQ(impresoras.puntos, 10);
}

TEST_F(RunTest, RangeAndSearchPrintTheHeaderEvenWithNothingListed) {
    Crea({{7.0, "a"}});
    struct Caso {
        bool rango;
        bool todo;
        std::size_t lineas;
    };
    for (const Caso c : {Caso{true, false, 3}, Caso{false, false, 3}, Caso{false, true, 0}}) {
        impresoras.impreso.clear();
        frmConsultar& v = Ventana();
        if (c.rango) v.optVerEntre->setChecked(true);
        if (c.todo) v.optVerTodo->setChecked(true);
        v.txtFrecu1->setText("8");
        v.txtFrecu2->setText("9");
        v.txtBusDes->setText("zzz");
        v.chkImprimir->setChecked(true);
        if (c.todo) {
            m->TablaFrec[1] = 0;  // nothing live to list
        }
        Resultado r = Realiza();
        ASSERT_TRUE(r.mostrado);
        EXPECT_EQ(impresoras.Lineas().size(), c.lineas);
        EXPECT_EQ(impresoras.impreso.back().tipo, Impreso::Fin);
    }
}

TEST_F(RunTest, EachRunGetsAFreshResultsWindow) {
    Crea(Vivas(30));
    frmConsultar& v = Ventana();
    v.optVerTodo->setChecked(true);
    ASSERT_EQ(Realiza().filas, 32);
    frmConsultar& v2 = Ventana();
    v2.txtBusDes->setText("Emisora 7");
    Resultado r = Realiza();
    EXPECT_EQ(r.filas, 24);
    EXPECT_EQ(r.etiqueta, " 1 frecuencias visualizadas");
    for (int i = 2; i < 24; ++i) EXPECT_EQ(r.Fila(i), "|||||") << i;
}

}  // namespace
}  // namespace vyr::test
