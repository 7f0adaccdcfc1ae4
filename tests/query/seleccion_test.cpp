// What the query lists, decided without windows: the range accepted, the
// walk's step for each mode and slot, and the search match.
#include <gtest/gtest.h>

#include <QLocale>

#include "query/consulta.h"

namespace vyr::consulta {
namespace {

TEST(Seleccion, RangeAcceptedWithBothBoundsReadAndAscending) {
    // A box refused by its check holds 0.
    const struct { double f1, f2; bool acepta; } casos[] = {
        {7.1, 7.2, true}, {7.2, 7.1, false}, {7.1, 7.1, false}, {0.0, 7.2, false},
    };
    for (const auto& c : casos) EXPECT_EQ(RangoAceptado(c.f1, c.f2), c.acepta) << c.f1 << " " << c.f2;
}

TEST(Seleccion, StepOfTheWalkForEachModeAndSlot) {
    const struct { Modo modo; double f; Paso paso; } casos[] = {
        {Modo::Todo, 7.1, Paso::Lee},      {Modo::Todo, 0.0, Paso::Salta},
        {Modo::Todo, -1.0, Paso::Salta},
        // Range 7 to 7.2: from Frec. 1 on, ended by the first live one not below Frec. 2.
        {Modo::Entre, 6.9, Paso::Salta},   {Modo::Entre, 7.0, Paso::Lee},
        {Modo::Entre, 7.1, Paso::Lee},     {Modo::Entre, 7.2, Paso::Termina},
        {Modo::Entre, 7.5, Paso::Termina}, {Modo::Entre, 0.0, Paso::Salta},
        // Deleted slots are searched too.
        {Modo::Buscar, 0.0, Paso::Lee},    {Modo::Buscar, 900.0, Paso::Lee},
    };
    for (const auto& c : casos)
        EXPECT_EQ(PasoDe(c.modo, c.f, 7.0, 7.2), c.paso) << int(c.modo) << " " << c.f;
}

RegDatos Datos(const std::string& d, const std::string& s, const std::string& m, const std::string& f,
               const std::string& o = "") {
    RegDatos r;
    r.Descripcion.Asigna(d);
    r.Servicio.Asigna(s);
    r.Modo.Asigna(m);
    r.Fecha.Asigna(f);
    r.Observaciones.Asigna(o);
    return r;
}

TEST(Seleccion, SearchMatchesUpperCasedTextsAgainstFullWidthFields) {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    const std::string cuarenta(40, 'A');
    // Texts are the code page's bytes, as the data file holds them.
    const RegDatos registros[] = {
        Datos("Radio Exterior", "BC", "AM", "051226"),
        Datos("RADIO 5", "UTE", "USB", "      "),
        Datos("Radio", "AER", "LSB", "-"),
        Datos("Radios", "MAR", "CW", "", "Escuchada en Espa\xF1" "a"),
        RegDatos{},  // a deleted slot's blank record
        Datos(cuarenta, "BCN", "FM", "", "\xE1rbol"),
        Datos("\xDF" + std::string(39, 'b'), "", "", "\xA0\xA0\xA0\xA0\xA0\xA0"),
    };
    const std::string cuarentayuno(41, 'a');
    const std::string ss = "ss" + std::string(39, 'b');  // what "ß..." would upper-case to
    const struct {
        const char* nombre;
        std::string des, ser, mod, obs;
        bool escuchadas;
        std::vector<int> listados;  // indexes into registros
    } casos[] = {
        {"case-insensitive", "radio", "", "", "", false, {0, 1, 2, 3}},
        {"trailing spaces supply the space", "RADIO ", "", "", "", false, {0, 1, 2}},
        {"service or mode", "", "ute", "cw", "", false, {1, 3}},
        {"accented letters upper-cased", "", "", "", "ESPAÑA", false, {3}},
        {"longer than the field", cuarentayuno, "", "", "", false, {}},
        {"whole field width", cuarenta, "", "", "", false, {5}},
        {"Escuchadas: blank dates out, '-' counts", "radio", "", "", "", true, {0, 2}},
        {"spaces match blank records too", "", "", "", " ", false, {0, 1, 2, 3, 4, 5, 6}},
        {"a sharp s stays one character", ss, "", "", "", false, {}},
        {"Escuchadas: non-breaking spaces are a date", "\xC3\x9F" "B", "", "", "", true, {6}},
    };
    for (const auto& c : casos) {
        Criterios k;
        k.busDes = QString::fromStdString(c.des);
        k.busSer = QString::fromStdString(c.ser);
        k.busMod = QString::fromStdString(c.mod);
        k.busObs = QString::fromStdString(c.obs);
        k.escuchadas = c.escuchadas;
        std::vector<int> listados;
        for (int i = 0; i < int(std::size(registros)); ++i)
            if (Seleccionado(k, registros[i])) listados.push_back(i);
        EXPECT_EQ(listados, c.listados) << c.nombre;
    }
}

}  // namespace
}  // namespace vyr::consulta
